// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way back from a lost board: the most recent earlier board of the game that can still
// be cleared, and a clearing of it.

#include "model/Map.h"
#include "solver/ClearingSearch.h"

#include <atomic>
#include <vector>

struct TWayBack {
  int MovesBack = 0;      // 0 when no earlier board was found clearable within the budget
  TClearingAnswer Answer; // a clearing of the board that many moves back
};

// History holds the game's boards, oldest first; its last one is the lost board. Earlier
// boards are searched one at a time, most recent first, each with PerBoard, and boards proved
// lost on the way help to prove the next one lost. Unknown answers are passed over.
TWayBack FindWayBack(const std::vector<const TMap*>& History, const TSearchBudget& PerBoard,
                     const std::atomic<bool>* Cancel = nullptr);
