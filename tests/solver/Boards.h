// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Board set-up and path checks shared by the solver tests.

#include "model/Game.h"
#include "tests/BoardText.h"

// Rows from the top; '.' is an empty cell, a digit a box of that colour.
inline void SetBoard(TGame& Game, const TRows& Rows) {
  LoadBoard(Game, Rows);
}

// Replays the game's history up to Current on a fresh game, finding for each step a group
// whose removal and settling gives the next map. Returns the number of steps that could
// be replayed; the replaying game is left at the last of them.
int ReplayPath(const TGame& Searched, TGame& Replay);
