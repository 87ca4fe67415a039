// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/GameController.h"

#include "model/Game.h"
#include "model/Random.h"
#include "play/HintRoom.h"
#include "play/WinnableDealer.h"
#include "solver/Solver.h"
#include "solver/WinnableDeal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <chrono>
#include <utility>

// Translated where shown, in the TMainForm context.
const std::array<const char*, 4> SolverStateTexts = {
    //: State of the solution search: not started yet
    QT_TRANSLATE_NOOP("TMainForm", "Idle."),
    //: State of the solution search: running
    QT_TRANSLATE_NOOP("TMainForm", "Solving..."),
    //: State of the solution search: it found a way to clear the board
    QT_TRANSLATE_NOOP("TMainForm", "Solved!"),
    //: State of the solution search: it ended without finding a way to clear the board
    QT_TRANSLATE_NOOP("TMainForm", "Stumped.")};

const std::array<TLevelPreset, 3> LevelPresets = {{{12, 12, 3}, {16, 16, 3}, {16, 16, 5}}};

namespace {

// The time of day in UTC, in milliseconds.
std::uint32_t TimeOfDaySeed() {
  const QTime Now = QDateTime::currentDateTimeUtc().time();
  return static_cast<std::uint32_t>(((Now.hour() * 60 + Now.minute()) * 60 + Now.second()) * 1000 +
                                    Now.msec());
}

} // namespace

TGameController::TGameController(std::optional<std::uint32_t> Seed, QObject* Parent)
    : QObject(Parent), FTimer(new QTimer(this)), FSeed(Seed), FHints(new THintRoom(this)),
      FDealer(new TWinnableDealer(this)) {
  FTimer->setInterval(AnimationInterval);
  connect(FTimer, &QTimer::timeout, this, &TGameController::AnimateMap);
  connect(FDealer, &TWinnableDealer::Dealt, this, &TGameController::WinnableDealt);
  connect(FHints, &THintRoom::HintGiven, this, &TGameController::HintGiven);
}

TGameController::~TGameController() {
  FreeGame();
}

void TGameController::CreateGame() {
  SeedRandom(FSeed ? *FSeed : TimeOfDaySeed());
  FGame = std::make_unique<TGame>();
  FillSeeded(RandomSeed());
  FHints->SetGame(FGame.get());
  RestartSolver();
  BoardSettled();
}

void TGameController::FreeGame() {
  ReplaceBoard(true);
  FHints->SetGame(nullptr);
  if (FSolver) {
    FSolver->Stop();
    FSolver.reset();
  }
  FGame.reset();
  // A tick after this would step a game that is gone.
  if (FTimer->isActive()) {
    FTimer->stop();
    emit SettlingEnded();
  }
}

const TGame& TGameController::Game() const {
  if (FGame)
    return *FGame;
  static const std::unique_ptr<TGame> None = [] {
    auto Empty = std::make_unique<TGame>();
    TGameMap& Map = Empty->CurrentMap();
    for (int Index = 0; Index < Map.Width() * Map.Height(); ++Index)
      Map.Cells()[Index] = TCell{};
    Empty->Recount();
    return Empty;
  }();
  return *None;
}

bool TGameController::Settling() const {
  return FTimer->isActive();
}

QString TGameController::StatusText() const {
  if (!FGame)
    return {};
  //: What is left on the board; two blanks between the counts
  return QCoreApplication::translate("TMainForm", "Boxes: %1  Groups: %2")
      .arg(FGame->BoxCount())
      .arg(FGame->GroupCount());
}

std::optional<std::size_t> TGameController::LevelInForce() const {
  if (!FGame)
    return std::nullopt;
  for (std::size_t Level = 0; Level < FLevels.size(); ++Level)
    if (FGame->Width() == FLevels[Level].Width && FGame->Height() == FLevels[Level].Height &&
        FGame->Colors() == FLevels[Level].Colors)
      return Level;
  return std::nullopt;
}

// Each board has a seed of its own, drawn from the game's generator, so that its code deals
// it again without the boards dealt before it.
void TGameController::FillSeeded(std::uint32_t Seed) {
  TRandom Random(Seed);
  FGame->CurrentMap().FillRandom(FGame->Colors(), Random);
  FGame->Recount();
  FBoard = TBoardCode{false, FGame->Width(), FGame->Height(), FGame->Colors(), Seed};
}

void TGameController::SetSolutionChecker(bool Value) {
  if (Value == FSolutionChecker)
    return;
  FSolutionChecker = Value;
  if (Value)
    RestartSolver();
}

void TGameController::RestartSolver() {
  if (!FSolutionChecker || !FGame)
    return;
  if (FSolver) {
    FSolver->Stop();
    FSolver.reset();
  }
  if (FGame->BoxCount() != 0)
    FSolver = std::make_unique<TSolver>(*FGame);
}

// Only the current board can be mid-fall, and only while the timer runs. Settling it before
// a move or a step through the history keeps every stored board settled; the running timer
// still ends on its next tick, as it would have. A new game or a new level replaces the
// whole history, and the level in force keeps falling where it was.
void TGameController::SettleAnimatedMap() {
  if (!Settling())
    return;
  FGame->Collapse();
  TellSettledMove();
}

void TGameController::StartSettling() {
  if (Settling())
    return;
  FTimer->start();
  emit SettlingStarted();
}

// A move is told once its board has settled, so that what is said of the board is true.
void TGameController::TellSettledMove() {
  if (!FFallingMove)
    return;
  const TMove Move = *FFallingMove;
  FFallingMove.reset();
  emit MoveMade(Move.X, Move.Y, Move.Removed);
}

// The one path before every change of the board (moves, the history, new boards, a deal
// taken or given up): the search and any deal stop, so neither can answer for a board that
// is gone. A new history also drops the move still to be told and what was learnt.
void TGameController::ReplaceBoard(bool NewHistory) {
  ++FBoardSerial;
  FHints->Stop(NewHistory);
  if (FDealer->Busy()) {
    FDealer->Cancel();
    emit DealingEnded();
  }
  if (NewHistory)
    FFallingMove.reset();
}

// A command that would change the board while a deal runs is answered, not dropped.
bool TGameController::Refused() {
  if (!FGame)
    return true;
  if (!Dealing())
    return false;
  emit DealingBusy();
  return true;
}

void TGameController::EmitHistory(TMenuStates Menu) {
  emit HistoryChanged(FGame->CanUndo(), FGame->CanRedo(), Menu);
}

void TGameController::MakeMove(int X, int Y) {
  if (Refused())
    return;
  const bool WasFalling = Settling();
  SettleAnimatedMap();
  if (!FGame->HasNeighbour(X, Y)) {
    if (WasFalling)
      emit BoardChanged();
    emit MoveRefused(X, Y);
    return;
  }
  const int Before = FGame->BoxCount();
  ReplaceBoard(false);
  FGame->RemoveGroup(X, Y);
  // The solver copies the board before it settles and settles its copy itself.
  RestartSolver();
  EmitHistory(TMenuStates::Set);
  FFallingMove = TMove{X, Y, Before - FGame->BoxCount()};
  bool Falling = false;
  if (FAnimation)
    Falling = !FGame->FallStep();
  else
    FGame->Collapse();
  if (Falling)
    StartSettling();
  emit BoardChanged();
  if (!Falling) {
    TellSettledMove();
    BoardSettled();
  }
  CheckGameOver();
}

void TGameController::AnimateMap() {
  if (!FGame) {
    FTimer->stop();
    return;
  }
  if (!FGame->FallStep()) {
    emit BoardChanged();
    return;
  }
  FTimer->stop();
  TellSettledMove();
  emit SettlingEnded();
  BoardSettled();
  CheckGameOver();
}

void TGameController::CheckGameOver() {
  if (!FGame)
    return;
  const bool Won = FGame->BoxCount() == 0;
  const bool Lost = !Won && FGame->BoxCount() == FGame->GroupCount() && !Settling();
  if ((!Won && !Lost) || FOverToldFor == FBoardSerial)
    return;
  FOverToldFor = FBoardSerial;
  emit GameOver(Won);
}

void TGameController::StepHistory(THistoryStep Step, TMenuStates Menu) {
  if (Refused())
    return;
  SettleAnimatedMap();
  const bool Moved = Step == THistoryStep::Undo ? FGame->CanUndo() : FGame->CanRedo();
  if (Moved)
    ReplaceBoard(false);
  if (Step == THistoryStep::Undo)
    FGame->Undo();
  else
    FGame->Redo();
  RestartSolver();
  emit BoardChanged();
  EmitHistory(Menu);
  emit HistoryStepped(Step, Moved);
  if (Moved)
    BoardSettled();
}

void TGameController::Undo(TMenuStates Menu) {
  StepHistory(THistoryStep::Undo, Menu);
}

void TGameController::Redo() {
  StepHistory(THistoryStep::Redo, TMenuStates::Set);
}

void TGameController::NewGame() {
  if (!FGame)
    return;
  if (FWinnableOnly)
    return StartWinnableDeal();
  DealAtRandom();
}

void TGameController::DealAtRandom() {
  ReplaceBoard(true);
  FGame->NewGame();
  FillSeeded(RandomSeed());
  RestartSolver();
  emit BoardChanged();
  EmitHistory(TMenuStates::Keep);
  emit NewGameDealt();
  BoardSettled();
}

// Each setter starts a new game only when its value changes, so the level in force keeps
// the board and its history.
void TGameController::ApplyLevel(std::size_t Level) {
  if (!FGame || Level >= FLevels.size())
    return;
  const TLevelPreset& Preset = FLevels[Level];
  const bool NewBoard = FGame->Width() != Preset.Width || FGame->Height() != Preset.Height ||
                        FGame->Colors() != Preset.Colors;
  if (NewBoard)
    ReplaceBoard(true);
  FGame->SetWidth(Preset.Width);
  FGame->SetHeight(Preset.Height);
  FGame->SetColors(Preset.Colors);
  if (NewBoard)
    FillSeeded(RandomSeed());
  emit LevelApplied(Level, NewBoard);
  emit BoardChanged();
  if (NewBoard)
    EmitHistory(TMenuStates::Keep);
  if (NewBoard && FWinnableOnly)
    StartWinnableDeal();
  else if (NewBoard)
    BoardSettled();
}

bool TGameController::LoadBoard(int Width, int Height, const std::vector<std::uint8_t>& Colors) {
  if (!FGame || Width != TMap::ClampSize(Width) || Height != TMap::ClampSize(Height) ||
      Colors.size() != static_cast<std::size_t>(Width * Height))
    return false;
  for (const std::uint8_t Color : Colors)
    if (Color > TGame::MaxColors)
      return false;
  ReplaceBoard(true);
  FGame->SetWidth(Width);
  FGame->SetHeight(Height);
  FGame->NewGame();
  TCell* Cells = FGame->CurrentMap().Cells();
  for (std::size_t Index = 0; Index < Colors.size(); ++Index)
    Cells[Index] = TCell{Colors[Index], 0};
  FGame->Recount();
  FBoard.reset();
  RestartSolver();
  emit BoardChanged();
  EmitHistory(TMenuStates::Keep);
  emit NewGameDealt();
  BoardSettled();
  return true;
}

void TGameController::DealCode(const TBoardCode& Code) {
  if (!FGame)
    return;
  ReplaceBoard(true);
  FGame->SetWidth(Code.Width);
  FGame->SetHeight(Code.Height);
  FGame->SetColors(Code.Colors);
  FGame->NewGame();
  FillSeeded(Code.Seed);
  RestartSolver();
  if (const std::optional<std::size_t> Level = LevelInForce())
    emit LevelApplied(*Level, true);
  emit BoardChanged();
  EmitHistory(TMenuStates::Keep);
  if (Code.Winnable)
    StartWinnableDeal(Code.Seed);
  else if (!LevelInForce())
    emit NewGameDealt();
}

bool TGameController::Dealing() const {
  return FDealer->Busy();
}

void TGameController::SetWinnableOnly(bool Value) {
  FWinnableOnly = Value;
  if (!Value && FGame && Dealing())
    DealAtRandom();
}

// The deal's seed comes from the game's generator, so that a seed given on the command line
// deals the same boards that can be won, too. A deal running is replaced by this one.
void TGameController::StartWinnableDeal() {
  StartWinnableDeal(RandomSeed());
}

void TGameController::StartWinnableDeal(std::uint32_t Seed) {
  ReplaceBoard(false);
  FDealing = TBoardCode{true, FGame->Width(), FGame->Height(), FGame->Colors(), Seed};
  FDealer->Deal(FGame->Width(), FGame->Height(), FGame->Colors(), Seed);
  emit DealingStarted();
}

// The deal that arrives is the one asked for: every change of the size or colours, and the
// game freed, go through ReplaceBoard, which cancels it.
void TGameController::WinnableDealt(const TWinnableDeal& Deal) {
  if (FGame && LoadBoard(FGame->Width(), FGame->Height(), Deal.Colors)) {
    FBoard = FDealing;
    FHints->Learn(FGame->CurrentMap(), Deal.Clearing);
    BoardSettled(); // the board dealt needs no search
  }
  emit DealingEnded();
}

void TGameController::AskHint() {
  if (Refused())
    return;
  if (Settling()) {
    SettleAnimatedMap();
    emit BoardChanged();
  }
  if (const int Moves = FHints->WayBack())
    GoBack(Moves);
  FHints->Ask();
}

// Undoes the moves since the last board that could be cleared, as that many undos would,
// told as one step.
void TGameController::GoBack(int Moves) {
  ReplaceBoard(false);
  for (int Step = 0; Step < Moves; ++Step)
    FGame->Undo();
  RestartSolver();
  emit BoardChanged();
  EmitHistory(TMenuStates::Set);
  emit WentBack(Moves);
  emit HistoryStepped(THistoryStep::Undo, true);
  BoardSettled();
}

void TGameController::SetSuspended(bool Suspended) {
  FHints->SetSuspended(Suspended);
}

bool TGameController::LossWarning() const {
  return FHints->Warning();
}

void TGameController::SetLossWarning(bool Value) {
  FHints->SetWarning(Value);
}

void TGameController::BoardSettled() {
  FHints->Settled();
}
