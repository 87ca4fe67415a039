// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one owner of the player's game: moves, settling with its animation timer, undo and
// redo, new games and levels, the end-of-game check and the solution checker's solver.
// Everything else reads the game through a const reference and learns from the signals what
// happened; every change goes through one of the commands. QtCore only: the window turns
// the signals into cursors, menu states and pictures.

#include "play/BoardCode.h"
#include "play/Hint.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class TGame;
class THintRoom;
class TSolver;
class TWinnableDealer;
struct TWinnableDeal;

// Display names of the solver states, indexed by TSolver::State().
extern const std::array<const char*, 4> SolverStateTexts;

struct TLevelPreset {
  int Width;
  int Height;
  std::uint8_t Colors;
};
extern const std::array<TLevelPreset, 3> LevelPresets;

// Whether an undo or redo sets the undo and redo menu items from the history. The menu's
// own commands do; the undo picture leaves them as the last move or menu command set them.
enum class TMenuStates { Set, Keep };
enum class THistoryStep { Undo, Redo };

class TGameController : public QObject {
  Q_OBJECT

public:
  static constexpr int AnimationInterval = 125; // ms per settling step

  // Seed starts the generator for the boards to come; without one, the time of day does.
  explicit TGameController(std::optional<std::uint32_t> Seed = std::nullopt,
                           QObject* Parent = nullptr);
  ~TGameController() override;

  // Seeds the generator and makes the player's game: 8 by 8, 3 colours, one random board.
  // Until then, and after FreeGame, there is no game.
  void CreateGame();
  // Stops the fall and the solver, then frees the game; every command is then ignored.
  void FreeGame();
  // Without a game, an empty board.
  const TGame& Game() const;
  const TGame* CurrentGame() const { return FGame.get(); }
  // The solution checker's solver, while one runs.
  const TSolver* CurrentSolver() const { return FSolver.get(); }
  // True while boxes are falling.
  bool Settling() const;
  const QTimer* Timer() const { return FTimer; }
  // What is left on the board, as the status text shows it.
  QString StatusText() const;
  // How the board in play was dealt, to deal it again; none for a board loaded from outside.
  std::optional<TBoardCode> BoardCode() const { return FBoard; }
  // The level whose size and colours the board has; none for the start board or any other.
  std::optional<std::size_t> LevelInForce() const;

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  bool SolutionChecker() const { return FSolutionChecker; }
  void SetSolutionChecker(bool Value);
  // New games and levels deal only boards with a known clearing; off at start.
  bool WinnableOnly() const { return FWinnableOnly; }
  // Switched off while a board is dealt, the new board is dealt at random at once.
  void SetWinnableOnly(bool Value);
  // True while such a board is being dealt: moves, hints and the history are refused with
  // DealingBusy until it comes; a new game, a level or a loaded board replace the deal.
  bool Dealing() const;
  // The sizes and colours of the three levels; LevelPresets unless set.
  void SetLevels(const std::array<TLevelPreset, 3>& Levels) { FLevels = Levels; }

  // Plays the group at (X, Y); a cell without a same-coloured neighbour is refused.
  void MakeMove(int X, int Y);
  // Nothing to undo (redo) changes nothing in the game and is told as such.
  void Undo(TMenuStates Menu);
  void Redo();
  void NewGame();
  // Sets the level's size and colours; each one that differs deals a fresh board.
  void ApplyLevel(std::size_t Level);
  // A new game on this board: Width by Height colour bytes, row by row from the top. Sizes
  // outside 3..16 or a wrong number of cells are refused and change nothing.
  bool LoadBoard(int Width, int Height, const std::vector<std::uint8_t>& Colors);
  // A new game on the board Code names: LevelApplied first when it has a level's size and
  // colours, and for a winnable code the same deal, which comes as a deal does.
  void DealCode(const TBoardCode& Code);
  // A hint for the current board; changes neither the board nor the history, except that
  // after a hint told the way back (GoBack), it undoes those moves as Undo does and hints
  // there. From the first board of every game, a search runs ahead of the player.
  void AskHint();
  // While the window is minimised, no search runs.
  void SetSuspended(bool Suspended);
  // With the warning on, a move proved to have lost the game is told, with the way back, by
  // HintGiven (GoBack) without being asked; off at start.
  bool LossWarning() const;
  void SetLossWarning(bool Value);
  THintRoom& Hints() { return *FHints; }

signals:
  // The current board changed (a move, a settling step, the history, a new board).
  void BoardChanged();
  void SettlingStarted();
  // The last settling step has been made and the timer stopped.
  void SettlingEnded();
  // After every change of the history; Menu says whether the menu items follow it.
  void HistoryChanged(bool CanUndo, bool CanRedo, TMenuStates Menu);
  // A group of Removed boxes at (X, Y) went and the board has settled.
  void MoveMade(int X, int Y, int Removed);
  // (X, Y) has no same-coloured neighbour (or lies outside the board): nothing happened.
  void MoveRefused(int X, int Y);
  // Moved is false when there was nothing to undo (redo).
  void HistoryStepped(THistoryStep Step, bool Moved);
  void NewGameDealt();
  // NewBoard is false when the level was the one in force, which keeps board and history.
  // Emitted before the board change, so that a view can size itself for the new board.
  void LevelApplied(std::size_t Level, bool NewBoard);
  void GameOver(bool Won);
  // The hint took the way back: Moves were undone, told before the step through the history.
  void WentBack(int Moves);
  // (X, Y) is the box to play, for a Move; X is the number of moves back for GoBack.
  void HintGiven(THint Hint, int X, int Y);
  void DealingStarted();
  void DealingEnded();
  // A move, a hint or a step through the history was refused: a board is being dealt.
  void DealingBusy();

private:
  // One settling step of the animation.
  void AnimateMap();
  // Tells a won or lost game once per board: the settling's end does not tell it again, a
  // board that comes back after an undo does.
  void CheckGameOver();
  void RestartSolver();
  bool Refused();
  void SettleAnimatedMap();
  void StartSettling();
  void TellSettledMove();
  void StepHistory(THistoryStep Step, TMenuStates Menu);
  void ReplaceBoard(bool NewHistory);
  void EmitHistory(TMenuStates Menu);
  void BoardSettled();
  void GoBack(int Moves);
  void DealAtRandom();
  void StartWinnableDeal();
  void StartWinnableDeal(std::uint32_t Seed);
  // Fills the current board from Seed, the way its code deals it again.
  void FillSeeded(std::uint32_t Seed);
  void WinnableDealt(const TWinnableDeal& Deal);

  struct TMove {
    int X;
    int Y;
    int Removed;
  };

  std::unique_ptr<TGame> FGame;
  std::unique_ptr<TSolver> FSolver;
  QTimer* FTimer = nullptr;
  std::optional<std::uint32_t> FSeed;
  bool FAnimation = false;
  bool FSolutionChecker = false;
  unsigned FBoardSerial = 0;         // counts the boards the player has been shown
  unsigned FOverToldFor = ~0u;       // the board whose end was told last
  std::optional<TMove> FFallingMove; // told once its board has settled

  bool FWinnableOnly = false;
  std::optional<TBoardCode> FBoard;   // how the board in play was dealt
  std::optional<TBoardCode> FDealing; // the winnable deal under way
  std::array<TLevelPreset, 3> FLevels = LevelPresets;
  THintRoom* FHints;        // the search for hints and what it learnt of this game
  TWinnableDealer* FDealer; // boards that can be won, dealt on a thread of their own
};
