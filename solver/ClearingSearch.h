// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a clearing of a board, or proving there is none: a blocking call with a budget,
// a background search with a listener for the window, and a known clearing followed as
// the player plays it.

#include "model/Map.h"
#include "solver/SearchTypes.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// Settles a copy of Board first (it may be mid-fall), then searches. Returns at the time or
// work limit, at once when *Cancel becomes true (Unknown then), or when it has an answer.
TClearingAnswer FindClearing(const TMap& Board, const TSearchBudget& Budget,
                             const std::atomic<bool>* Cancel = nullptr);

class TLostBoards;

// The same, adding every board it proves lost to Lost and skipping those already there, so a
// later search of the same or a following board goes on from what this one learned.
TClearingAnswer FindClearing(const TMap& Board, const TSearchBudget& Budget,
                             const std::atomic<bool>* Cancel, TLostBoards& Lost);

// One background search at a time, on threads of its own (a cancelled one may still be ending
// for a moment, never waited for); it never touches the caller's objects. The listener must not
// call back into the object that calls it. Boards proved lost by earlier searches are remembered
// (at most 32 MiB), so asking again about the same board, or one reached from it, goes on from
// there instead of starting over.
class TClearingSearch {
public:
  using TListener = std::function<void(std::uint64_t Ticket, const TClearingAnswer& Answer)>;
  // Listener is called on a search thread, at most once per search; a search cancelled before
  // its answer was claimed is never answered.
  explicit TClearingSearch(TListener Listener);
  // Cancels every search: no call of the listener after it returns. Threads still ending
  // then hold what they touch and end on their own, unwaited for.
  ~TClearingSearch();
  TClearingSearch(const TClearingSearch&) = delete;
  TClearingSearch& operator=(const TClearingSearch&) = delete;

  // Copies Board, cancels any search in progress, starts a new one; returns its ticket
  // (increasing). Idle: on one thread at the lowest scheduling priority, for a search nobody
  // waits for; otherwise on Budget.Threads.
  std::uint64_t Start(const TMap& Board, std::chrono::milliseconds Budget);
  std::uint64_t Start(const TMap& Board, const TSearchBudget& Budget, bool Idle);
  // Returns at once, without waiting for the search threads, which end on their own once they
  // see the cancel. A listener call that had already begun may still end after it: the ticket
  // tells it apart.
  void Cancel();
  // Searches whose threads have not yet ended, the running one included.
  std::size_t Threads() const;

private:
  struct TRun;
  // Listener is read only once the answer is claimed, which the destructor waits out.
  static void Execute(std::shared_ptr<TRun> Run, std::shared_ptr<TLostBoards> Lost,
                      const TListener* Listener);

  TListener FListener;
  std::shared_ptr<TLostBoards> FLost;
  std::uint64_t FTicket = 0;
  std::shared_ptr<TRun> FRun;
  std::vector<std::shared_ptr<TRun>> FRetired; // cancelled, their threads not yet done
};

// A clearing of the board that Played leads to from Board, made from Clearing, a clearing of
// Board: the same groups of the same boxes go in the same order, those Played took skipped.
// Checked move by move on the way, so what it returns does clear; empty when the line does
// not carry over (a group it needs was split or partly taken).
std::vector<TRemoval> ClearingAfter(const TMap& Board, const std::vector<TRemoval>& Clearing,
                                    TRemoval Played);

// A clearing known for a start board, followed as the player plays: the next move from any
// board on its line (after 0..n-1 of its moves), none when Now is not on the line.
class TKnownClearing {
public:
  TKnownClearing(const TMap& Start, std::vector<TRemoval> Moves);
  std::optional<TRemoval> NextFrom(const TMap& Now) const; // compares colours only, not marks
  // The moves of the line from Now on, empty when Now is not on it.
  std::vector<TRemoval> LineFrom(const TMap& Now) const;

private:
  int FWidth;
  int FHeight;
  std::vector<std::vector<std::uint8_t>> FLine; // the colours before each move, row-major
  std::vector<TRemoval> FMoves;
};
