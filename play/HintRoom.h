// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints for the player's game: the background search and what it learnt of this game's boards
// (clearings, and boards proved lost, both by their contents), and the way back to the last
// board that could still be cleared. QtCore only; the controller drives it and stops it before
// every change of the board.

#include "play/Hint.h"
#include "solver/ClearingSearch.h"

#include <QObject>
#include <chrono>
#include <cstdint>
#include <deque>
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
  explicit THintRoom(QObject* Parent = nullptr);
  ~THintRoom() override;

  // The game whose boards are searched; null forgets everything.
  void SetGame(const TGame* Game);
  // The one stop before every change of the board: cancels the search and forgets the way
  // back; NewGame also what was learnt of the old game.
  void Stop(bool NewGame);

  // A hint for the current board, which must be settled; answered by HintGiven.
  void Ask();
  // The moves to undo for the way back the last hint told, 0 when none holds on this board.
  int WayBack() const;
  // The current board settled: once hints were asked in this game, the search goes ahead.
  void Settled();
  void Learn(const TMap& Board, std::vector<TRemoval> Moves);

signals:
  // (X, Y) is the box to play for a Move; X is the number of moves back for GoBack.
  void HintGiven(THint Hint, int X, int Y);

private:
  using TBoardKey = std::vector<std::uint8_t>; // size and colours, marks left out

  struct TRunning {
    std::uint64_t Ticket;
    TBoardKey Board; // the board asked for, at Index in the history
    int Index;
    bool Back; // an earlier board, searched for the way back
  };

  static TBoardKey KeyOf(const TMap& Board);
  const TMap* BoardAt(int Index) const;
  std::optional<TRemoval> KnownMove(const TMap& Board) const;
  bool Lost(const TMap& Board) const;
  void Search(int Index, bool Back, std::chrono::milliseconds Budget);
  bool SearchingOn(int Index) const;
  void Tell();
  // Told: the player already heard that the earlier boards are searched.
  void LookBack(int From, bool Told = false);
  // Takes the answer the search thread left, on this object's thread.
  Q_INVOKABLE void TakeAnswer();
  void Answered(const TRunning& Asked, const TClearingAnswer& Answer);

  const TGame* FGame = nullptr;
  std::unique_ptr<TClearingSearch> FSearch; // one for the room's life: tickets never repeat
  std::optional<TRunning> FRunning;
  std::deque<TKnownClearing> FKnown; // the newest first
  std::set<TBoardKey> FLost;
  std::deque<TBoardKey> FLostOrder; // the same boards, the oldest first, to drop when full
  std::set<TBoardKey> FUnsettled;   // earlier boards whose search ran out on this way back
  bool FHintsAsked = false;         // in this game
  bool FWanted = false;             // the player waits for the running search
  int FBackFrom = -1;               // the lost board whose way back is searched
  int FAheadRounds = 0;             // searches that ran out on the current board
  std::optional<std::pair<TBoardKey, int>> FWayBack; // lost board, moves back
  // Handed over from the search thread under a lock of our own, which a thread checker can
  // see, unlike the event queue's. A stale answer may still wait here: only its ticket and
  // board tell it apart.
  std::mutex FArrivedLock;
  std::optional<std::pair<std::uint64_t, TClearingAnswer>> FArrived;
};
