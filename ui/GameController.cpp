// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameController.h"

#include "model/Game.h"
#include "model/Random.h"
#include "solver/Solver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

// Translated where shown, in the TMainForm context.
const std::array<const char*, 4> SolverStateTexts = {
    QT_TRANSLATE_NOOP("TMainForm", "Idle."), QT_TRANSLATE_NOOP("TMainForm", "Solving..."),
    QT_TRANSLATE_NOOP("TMainForm", "Solved!"), QT_TRANSLATE_NOOP("TMainForm", "Stumped.")};

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
    : QObject(Parent), FTimer(new QTimer(this)), FSeed(Seed) {
  FTimer->setInterval(AnimationInterval);
  connect(FTimer, &QTimer::timeout, this, &TGameController::AnimateMap);
}

TGameController::~TGameController() {
  FreeGame();
}

void TGameController::CreateGame() {
  SeedRandom(FSeed ? *FSeed : TimeOfDaySeed());
  FGame = std::make_unique<TGame>();
}

void TGameController::FreeGame() {
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
  // The board a falling move was to be told on is gone with its history.
  if (NewHistory)
    FFallingMove.reset();
}

void TGameController::EmitHistory(TMenuStates Menu) {
  emit HistoryChanged(FGame->CanUndo(), FGame->CanRedo(), Menu);
}

void TGameController::MakeMove(int X, int Y) {
  if (!FGame)
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
  if (!Falling)
    TellSettledMove();
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
  if (!FGame)
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
