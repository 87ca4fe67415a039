// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameController.h"

#include "model/Game.h"
#include "solver/Solver.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

// Translated where shown, in the TMainForm context.
const std::array<const char*, 4> SolverStateTexts = {
    QT_TRANSLATE_NOOP("TMainForm", "Idle."), QT_TRANSLATE_NOOP("TMainForm", "Solving..."),
    QT_TRANSLATE_NOOP("TMainForm", "Solved!"), QT_TRANSLATE_NOOP("TMainForm", "Stumped.")};

const std::array<TLevelPreset, 3> LevelPresets = {{{12, 12, 3}, {16, 16, 3}, {16, 16, 5}}};

void SetCursorOverride(Qt::CursorShape Shape) {
  if (QApplication::overrideCursor())
    QApplication::changeOverrideCursor(QCursor(Shape));
  else
    QApplication::setOverrideCursor(QCursor(Shape));
}

TGameController::TGameController(QObject* Parent) : QObject(Parent), FTimer(new QTimer(this)) {
  FTimer->setInterval(AnimationInterval);
  connect(FTimer, &QTimer::timeout, this, &TGameController::AnimateMap);
}

TGameController::~TGameController() {
  FreeGame();
}

void TGameController::CreateGame() {
  FGame = std::make_unique<TGame>();
}

void TGameController::FreeGame() {
  FGame.reset();
  if (FSolver) {
    FSolver->Stop();
    FSolver.reset();
  }
}

void TGameController::SetSolutionChecker(bool Value) {
  if (Value == FSolutionChecker)
    return;
  FSolutionChecker = Value;
  if (Value)
    RestartSolver();
}

void TGameController::RestartSolver() {
  if (!FSolutionChecker)
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
  if (FTimer->isActive())
    FGame->Collapse();
}

void TGameController::UpdateMenuStates() {
  emit MenuStatesChanged(FGame->CanUndo(), FGame->CanRedo());
}

void TGameController::MakeMove(int X, int Y) {
  const bool WasFalling = FTimer->isActive();
  SettleAnimatedMap();
  if (!FGame->HasNeighbour(X, Y)) {
    if (WasFalling)
      emit BoardChanged();
    emit MoveRefused(X, Y);
    return;
  }
  const int Before = FGame->BoxCount();
  FGame->RemoveGroup(X, Y);
  BoardReplaced();
  // The solver copies the board before it settles and settles its copy itself.
  RestartSolver();
  UpdateMenuStates();
  if (FAnimation) {
    if (!FGame->FallStep()) {
      SetCursorOverride(Qt::WaitCursor);
      if (!FTimer->isActive())
        FTimer->start();
    }
  } else {
    FGame->Collapse();
  }
  emit BoardChanged();
  emit MoveMade(X, Y, Before - FGame->BoxCount());
  CheckGameOver();
}

void TGameController::AnimateMap() {
  if (!FGame->FallStep()) {
    emit BoardChanged();
    return;
  }
  SetCursorOverride(Qt::ArrowCursor);
  FTimer->stop();
  emit SettlingEnded();
  CheckGameOver();
}

void TGameController::CheckGameOver() {
  const bool Won = FGame->BoxCount() == 0;
  const bool Lost = !Won && FGame->BoxCount() == FGame->GroupCount() && !FTimer->isActive();
  if ((!Won && !Lost) || FOverToldFor == FBoardSerial)
    return;
  FOverToldFor = FBoardSerial;
  emit GameOver(Won);
}

void TGameController::MenuUndo() {
  SettleAnimatedMap();
  FGame->Undo();
  BoardReplaced();
  RestartSolver();
  emit BoardChanged();
  UpdateMenuStates();
  emit Undone();
}

void TGameController::MenuRedo() {
  SettleAnimatedMap();
  FGame->Redo();
  BoardReplaced();
  RestartSolver();
  emit BoardChanged();
  UpdateMenuStates();
  emit Redone();
}

void TGameController::PictureUndo() {
  SettleAnimatedMap();
  FGame->Undo();
  BoardReplaced();
  RestartSolver();
  emit BoardChanged();
  emit Undone();
}

void TGameController::NewGame() {
  FGame->NewGame();
  BoardReplaced();
  RestartSolver();
  emit BoardChanged();
  emit NewGameDealt();
}

// Each setter starts a new game only when its value changes, so the level in force keeps
// the board and its history. The caller sizes the view and refreshes it.
void TGameController::ApplyLevel(const TLevelPreset& Level) {
  const bool NewBoard = FGame->Width() != Level.Width || FGame->Height() != Level.Height ||
                        FGame->Colors() != Level.Colors;
  FGame->SetWidth(Level.Width);
  FGame->SetHeight(Level.Height);
  FGame->SetColors(Level.Colors);
  if (NewBoard)
    BoardReplaced();
  emit LevelApplied(NewBoard);
}
