// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's game and its control: moves, settling with its animation timer, undo and
// redo, new games and levels, the end-of-game check, the enabled state of undo and redo,
// and the solution checker's solver. Windows ask it to act; they, the status text and the
// screen-reader side learn from its signals what happened.

#include <QObject>
#include <array>
#include <cstdint>
#include <memory>

class QTimer;
class TGame;
class TSolver;

// Display names of the solver states, indexed by TSolver::State().
extern const std::array<const char*, 4> SolverStateTexts;

struct TLevelPreset {
  int Width;
  int Height;
  std::uint8_t Colors;
};
extern const std::array<TLevelPreset, 3> LevelPresets;

class TGameController : public QObject {
  Q_OBJECT

public:
  static constexpr int AnimationInterval = 125; // ms per settling step

  explicit TGameController(QObject* Parent = nullptr);
  ~TGameController() override;

  // Makes the player's game: 8 by 8, 3 colours, one random board from the process's
  // generator. Until then, and after FreeGame, there is no game.
  void CreateGame();
  // Frees the game and stops the solver, waiting for its thread.
  void FreeGame();
  TGame& Game() { return *FGame; }
  const TGame& Game() const { return *FGame; }
  const TGame* CurrentGame() const { return FGame.get(); }
  TSolver* CurrentSolver() { return FSolver.get(); }
  // Ticks while boxes are falling.
  QTimer* Timer() const { return FTimer; }

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  bool SolutionChecker() const { return FSolutionChecker; }
  void SetSolutionChecker(bool Value);

  // Plays the group at (X, Y); a cell without a same-coloured neighbour is refused.
  void MakeMove(int X, int Y);
  // One settling step of the animation.
  void AnimateMap();
  // Tells a won or lost game once per board: the settling's end does not tell it again, a
  // board that comes back after an undo does.
  void CheckGameOver();
  // Undo and redo from the menu set the menu states afterwards; the undo picture does not.
  void MenuUndo();
  void MenuRedo();
  void PictureUndo();
  void NewGame();
  // Sets the level's size and colours; each one that differs deals a fresh board.
  void ApplyLevel(const TLevelPreset& Level);
  void RestartSolver();

signals:
  // The current board changed: the view repaints and the status text is rewritten.
  void BoardChanged();
  void MenuStatesChanged(bool CanUndo, bool CanRedo);
  // A group of Removed boxes at (X, Y) went; emitted after the board has been refreshed.
  void MoveMade(int X, int Y, int Removed);
  // (X, Y) has no same-coloured neighbour (or lies outside the board): nothing happened.
  void MoveRefused(int X, int Y);
  void Undone();
  void Redone();
  void NewGameDealt();
  // NewBoard is false when the level was the one in force, which keeps board and history.
  void LevelApplied(bool NewBoard);
  void GameOver(bool Won);
  // The last settling step has been made and the timer stopped.
  void SettlingEnded();

private:
  void SettleAnimatedMap();
  void UpdateMenuStates();
  void BoardReplaced() { ++FBoardSerial; }

  std::unique_ptr<TGame> FGame;
  std::unique_ptr<TSolver> FSolver;
  QTimer* FTimer = nullptr;
  bool FAnimation = false;
  bool FSolutionChecker = false;
  unsigned FBoardSerial = 0;   // counts the boards the player has been shown
  unsigned FOverToldFor = ~0u; // the board whose end was told last
};

// Sets the application-wide cursor override, replacing the one in force if any.
void SetCursorOverride(Qt::CursorShape Shape);
