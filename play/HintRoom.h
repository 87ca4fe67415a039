// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints for the player's game: the background search and what it learnt of this game's boards
// (clearings, and boards proved clearable or lost, all by their contents), and the way back to
// the last board that could still be cleared. The board the player looks at is searched from
// the first move, on one thread at the lowest priority; a player who asks gets every core.
// QtCore only; the controller drives it and stops it before every change of the board.

#include "play/Hint.h"
#include "solver/ClearingSearch.h"
#include "solver/WayBack.h"

#include <QObject>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <utility>
#include <vector>

class TGame;

class THintRoom : public QObject {
  Q_OBJECT

public:
  struct TBudgets {
    TSearchBudget Asked; // the current board while the player waits, on every core
    TSearchBudget Ahead; // the current board while the player thinks, at the lowest priority
    TSearchBudget Back;  // each earlier board searched for the way back
    std::chrono::milliseconds AskBack; // the player waits this long for a proved way back
    int Rounds;                        // searches that may run out per board, unasked
  };
  static TBudgets DefaultBudgets();

  explicit THintRoom(QObject* Parent = nullptr);
  ~THintRoom() override;

  // The game whose boards are searched; null forgets everything.
  void SetGame(const TGame* Game);
  // The one stop before every change of the board: cancels the search without waiting for
  // it and forgets the answer owed; NewGame also what was learnt of the old game.
  void Stop(bool NewGame);

  // A hint for the current board, which must be settled; answered by HintGiven, at once when
  // it is known. Asked again while the player waits, it joins the search running.
  void Ask();
  // The moves to undo for the way back the last hint told, 0 when none holds on this board.
  int WayBack() const;
  // The current board settled: the search goes ahead of the player.
  void Settled();
  void Learn(const TMap& Board, std::vector<TRemoval> Moves);

  void SetBudgets(const TBudgets& Budgets) { FBudgets = Budgets; }
  // No search runs while suspended (the window is minimised).
  void SetSuspended(bool Suspended);
  // Warning: the way back is told unasked once a move is proved to have lost the game.
  void SetWarning(bool Warning);
  bool Warning() const { return FWarning; }
  bool Busy() const { return FRunning.has_value(); }
  int SearchesStarted() const { return FStarted; }

signals:
  // (X, Y) is the box to play for a Move; X is the number of moves back for GoBack and
  // CouldGoBack.
  void HintGiven(THint Hint, int X, int Y);

private:
  using TBoardKey = std::vector<std::uint8_t>; // size and colours, marks left out

  // Boards by their contents, the oldest dropped when full.
  class TKeySet {
  public:
    bool Contains(const TBoardKey& Key) const { return FKeys.count(Key) != 0; }
    void Add(const TBoardKey& Key);
    void Clear();

  private:
    std::set<TBoardKey> FKeys;
    std::deque<TBoardKey> FOrder;
  };

  struct TRunning {
    std::uint64_t Ticket;
    TBoardKey Board; // the board asked for, at Index in the history
    int Index;
    bool Full; // on every core, for a player who waits
  };
  // The player waits for an answer (Asked), or was told one that is still searched for (Owed):
  // either way the proved answer is told the moment it comes.
  enum class TWait { None, Asked, Owed };

  static TBoardKey KeyOf(const TMap& Board);
  const TMap* BoardAt(int Index) const;
  std::optional<TRemoval> KnownMove(const TMap& Board) const;
  std::optional<TRemoval> MoveNow() const;
  void CarryOver();
  TVerdict KnownVerdict(int Index) const;
  TVerdict CurrentVerdict() const;
  TWayBackStep PlanBack() const;
  std::optional<TRunning> NextSearch() const;
  void Pump();
  bool TellProved();
  void TellWhileSearching(const TRunning& Asked, TVerdict Verdict);
  void Warn();
  void SetWayBack(int Moves);
  // Takes the answer the search thread left, on this object's thread.
  Q_INVOKABLE void TakeAnswer();
  void Answered(const TRunning& Asked, const TClearingAnswer& Answer);

  const TGame* FGame = nullptr;
  TBudgets FBudgets = DefaultBudgets();
  std::unique_ptr<TClearingSearch> FSearch; // one for the room's life: tickets never repeat
  std::optional<TRunning> FRunning;
  std::deque<TKnownClearing> FKnown; // the newest first
  TKeySet FClearable;
  TKeySet FLost;
  std::map<TBoardKey, int> FRanOut; // searches that ran out, per board of this game
  TWait FWait = TWait::None;
  std::chrono::steady_clock::time_point FAskedAt;
  bool FSettled = false;
  bool FSuspended = false;
  bool FWarning = false;
  std::optional<TBoardKey> FWarnedFor; // the first lost board of the loss last warned of
  int FStarted = 0;
  std::optional<std::pair<TBoardKey, int>> FWayBack; // lost board, moves back
  // Handed over from the search thread under a lock of our own, which a thread checker can
  // see, unlike the event queue's. A stale answer may still wait here: only its ticket and
  // board tell it apart.
  std::mutex FArrivedLock;
  std::optional<std::pair<std::uint64_t, TClearingAnswer>> FArrived;
};
