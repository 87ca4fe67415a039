// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameController.h"

#include "model/Game.h"
#include "model/Random.h"
#include "solver/ClearingSearch.h"
#include "solver/Solver.h"
#include "ui/WinnableDealer.h"

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
    : QObject(Parent), FTimer(new QTimer(this)), FSeed(Seed), FDealer(new TWinnableDealer(this)) {
  FTimer->setInterval(AnimationInterval);
  connect(FTimer, &QTimer::timeout, this, &TGameController::AnimateMap);
  connect(FDealer, &TWinnableDealer::Dealt, this, &TGameController::WinnableDealt);
}

TGameController::~TGameController() {
  FreeGame();
}

void TGameController::CreateGame() {
  SeedRandom(FSeed ? *FSeed : TimeOfDaySeed());
  FGame = std::make_unique<TGame>();
}

void TGameController::FreeGame() {
  FSearch.reset();
  FSearchTicket = 0;
  FKnown.reset();
  if (FDealer->Busy()) {
    FDealer->Cancel();
    emit DealingEnded();
  }
  FFallingMove.reset();
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

void TGameController::BoardReplaced(bool NewHistory) {
  ++FBoardSerial;
  if (FSearchTicket != 0)
    FSearch->Cancel();
  FSearchTicket = 0;
  FHintWanted = false;
  // The board a falling move was to be told on, and what was found for this game, are gone
  // with its history.
  if (NewHistory) {
    FFallingMove.reset();
    FKnown.reset();
    FHintsAsked = false;
  }
}

void TGameController::EmitHistory(TMenuStates Menu) {
  emit HistoryChanged(FGame->CanUndo(), FGame->CanRedo(), Menu);
}

void TGameController::MakeMove(int X, int Y) {
  if (!FGame || Dealing())
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
  FGame->RemoveGroup(X, Y);
  BoardReplaced(false);
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
  if (!FGame || Dealing())
    return;
  SettleAnimatedMap();
  const bool Moved = Step == THistoryStep::Undo ? FGame->CanUndo() : FGame->CanRedo();
  if (Step == THistoryStep::Undo)
    FGame->Undo();
  else
    FGame->Redo();
  if (Moved)
    BoardReplaced(false);
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
  FGame->NewGame();
  BoardReplaced(true);
  RestartSolver();
  emit BoardChanged();
  EmitHistory(TMenuStates::Keep);
  emit NewGameDealt();
}

// Each setter starts a new game only when its value changes, so the level in force keeps
// the board and its history.
void TGameController::ApplyLevel(std::size_t Level) {
  if (!FGame || Level >= LevelPresets.size())
    return;
  const TLevelPreset& Preset = LevelPresets[Level];
  const bool NewBoard = FGame->Width() != Preset.Width || FGame->Height() != Preset.Height ||
                        FGame->Colors() != Preset.Colors;
  FGame->SetWidth(Preset.Width);
  FGame->SetHeight(Preset.Height);
  FGame->SetColors(Preset.Colors);
  if (NewBoard)
    BoardReplaced(true);
  emit LevelApplied(Level, NewBoard);
  emit BoardChanged();
  if (NewBoard)
    EmitHistory(TMenuStates::Keep);
  if (NewBoard && FWinnableOnly)
    StartWinnableDeal();
}

bool TGameController::LoadBoard(int Width, int Height, const std::vector<std::uint8_t>& Colors) {
  if (!FGame || Width != TMap::ClampSize(Width) || Height != TMap::ClampSize(Height) ||
      Colors.size() != static_cast<std::size_t>(Width * Height))
    return false;
  for (const std::uint8_t Color : Colors)
    if (Color > TGame::MaxColors)
      return false;
  FGame->SetWidth(Width);
  FGame->SetHeight(Height);
  FGame->NewGame();
  TCell* Cells = FGame->CurrentMap().Cells();
  for (std::size_t Index = 0; Index < Colors.size(); ++Index)
    Cells[Index] = TCell{Colors[Index], 0};
  FGame->Recount();
  BoardReplaced(true);
  RestartSolver();
  emit BoardChanged();
  EmitHistory(TMenuStates::Keep);
  emit NewGameDealt();
  return true;
}

bool TGameController::Dealing() const {
  return FDealer->Busy();
}

// The deal's seed comes from the game's generator, so that a seed given on the command line
// deals the same boards that can be won, too.
void TGameController::StartWinnableDeal() {
  std::uint64_t Seed = 0;
  for (int Part = 0; Part < 4; ++Part)
    Seed = Seed << 16 | static_cast<std::uint64_t>(RandomBelow(1 << 16));
  FDealer->Deal(FGame->Width(), FGame->Height(), FGame->Colors(), Seed);
  emit DealingStarted();
}

void TGameController::WinnableDealt(int Width, int Height, const TWinnableDeal& Deal) {
  if (!FGame || !LoadBoard(Width, Height, Deal.Colors))
    return;
  FKnown = std::make_unique<TKnownClearing>(FGame->CurrentMap(), Deal.Clearing);
  emit DealingEnded();
}

void TGameController::AskHint() {
  if (!FGame || Dealing())
    return;
  if (Settling()) {
    SettleAnimatedMap();
    emit BoardChanged();
  }
  FHintsAsked = true;
  if (TellKnownHint())
    return;
  FHintWanted = true;
  if (FSearchTicket == 0 || FSearchedBoard != FBoardSerial)
    StartSearch(HintSearchMs);
  emit HintGiven(THint::Searching, -1, -1);
}

// What is known of the current board without a search: nothing when it returns false.
bool TGameController::TellKnownHint() {
  if (FGame->BoxCount() == 0) {
    emit HintGiven(THint::Empty, -1, -1);
    return true;
  }
  if (FKnown)
    if (const std::optional<TRemoval> Next = FKnown->NextFrom(FGame->CurrentMap())) {
      emit HintGiven(THint::Move, Next->X, Next->Y);
      return true;
    }
  if (FLostBoard != FBoardSerial)
    return false;
  emit HintGiven(THint::NotClearable, -1, -1);
  return true;
}

// Once the player has asked for a hint in this game, the search goes on ahead of them on
// every settled board that the known clearing does not cover.
void TGameController::BoardSettled() {
  if (!FHintsAsked || FGame->BoxCount() == 0 || FLostBoard == FBoardSerial)
    return;
  if ((FKnown && FKnown->NextFrom(FGame->CurrentMap())) ||
      (FSearchTicket != 0 && FSearchedBoard == FBoardSerial))
    return;
  StartSearch(AheadSearchMs);
}

// Searches the current board, which is settled. The answer comes back on a search thread and
// is handed to this one; a board change cancels the search before that.
void TGameController::StartSearch(int Budget) {
  if (!FSearch)
    FSearch = std::make_unique<TClearingSearch>(
        [this](std::uint64_t Ticket, const TClearingAnswer& Answer) {
          {
            const std::lock_guard<std::mutex> Lock(FArrivedLock);
            FArrived.emplace(Ticket, Answer);
          }
          QMetaObject::invokeMethod(this, "TakeSearchAnswer", Qt::QueuedConnection);
        });
  FSearchTicket = FSearch->Start(FGame->CurrentMap(), std::chrono::milliseconds(Budget));
  FSearchedBoard = FBoardSerial;
}

void TGameController::TakeSearchAnswer() {
  std::optional<std::pair<std::uint64_t, TClearingAnswer>> Arrived;
  {
    const std::lock_guard<std::mutex> Lock(FArrivedLock);
    Arrived.swap(FArrived);
  }
  if (Arrived)
    SearchAnswered(Arrived->first, Arrived->second);
}

void TGameController::SearchAnswered(std::uint64_t Ticket, const TClearingAnswer& Answer) {
  if (Ticket != FSearchTicket || !FGame)
    return;
  FSearchTicket = 0;
  if (Answer.Verdict == TVerdict::Clearable)
    FKnown = std::make_unique<TKnownClearing>(FGame->CurrentMap(), Answer.Moves);
  else if (Answer.Verdict == TVerdict::NotClearable)
    FLostBoard = FBoardSerial;
  if (std::exchange(FHintWanted, false) && !TellKnownHint())
    emit HintGiven(THint::NotFound, -1, -1);
}
