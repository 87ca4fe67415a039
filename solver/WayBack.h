// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way back from a lost board: the boundary between the last board of the history that can
// still be cleared and the first one that cannot. A history is monotone (each board is reached
// from the one before it), so a board proved clearable settles every earlier board and a lost
// one every later board; the boundary is then found by halving the stretch still unknown. The
// planner is pure: the game drives it with its background search, the benchmark and the tests
// with a blocking one, so all three run the same way back.

#include "model/Map.h"
#include "solver/ClearingSearch.h"

#include <atomic>
#include <vector>

struct TWayBackStep {
  enum class TKind {
    Proved,    // the board at Clearable can be cleared and every later one is lost
    Search,    // search the board at Index next
    Exhausted, // every board of the unknown stretch has had its searches
  };
  TKind Kind = TKind::Search;
  int Index = -1;
  int Clearable = -1; // the latest board proved clearable, -1 when none is
  int Lost = -1;      // the earliest board proved lost
};

// Verdicts of the history's boards, oldest first, the last one lost (whatever it says).
// Searched counts the searches that ran out per board (empty: none); a board searched MaxSearches
// times is not proposed again. Proved with Clearable -1: no board of the game can be cleared.
TWayBackStep PlanWayBack(const std::vector<TVerdict>& Verdicts,
                         const std::vector<int>& Searched = {}, int MaxSearches = 1);

struct TWayBack {
  int MovesBack = 0; // proved: the board that many moves back can be cleared, all after it lost
  int CouldClearBack = 0;  // unproved boundary: that many moves back is the latest board proved
                           // clearable (0 when none was)
  bool Unwinnable = false; // proved: not even the first board can be cleared
  TClearingAnswer Answer;  // a clearing of the board CouldClearBack or MovesBack back
  int Searches = 0;        // boards searched
};

// History holds the game's boards, oldest first; its last one is proved lost. Each board the
// planner asks for is searched with PerBoard, at most MaxSearches times; boards proved lost on
// the way help to prove the next one lost.
TWayBack FindWayBack(const std::vector<const TMap*>& History, const TSearchBudget& PerBoard,
                     const std::atomic<bool>* Cancel = nullptr, int MaxSearches = 1);
