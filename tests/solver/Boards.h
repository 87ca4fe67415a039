// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Board set-up and path checks shared by the solver tests.

#include "model/Game.h"
#include "tests/BoardText.h"

#include <string>
#include <unordered_map>

// Rows from the top; '.' is an empty cell, a digit a box of that colour.
inline void SetBoard(TGame& Game, const TRows& Rows) {
  LoadBoard(Game, Rows);
}

// Replays the game's history up to Current on a fresh game, finding for each step a group
// whose removal and settling gives the next map. Returns the number of steps that could
// be replayed; the replaying game is left at the last of them.
int ReplayPath(const TGame& Searched, TGame& Replay);

// A board as a column-major string, bottom to top in each column, so that settling is
// "drop the empty cells of each column, then drop the empty columns".
struct TPlainBoard {
  int W;
  int H;
  std::string Cells; // '\0' is empty
  char& At(int X, int Y) { return Cells[static_cast<std::size_t>(X * H + Y)]; }
};

TPlainBoard FromMap(const TMap& Map);

// Tries every group of two or more on copies of the board; boards known to be dead are
// remembered, so the check stays quick where a plain search does not.
class TExhaustiveCheck {
public:
  bool Clearable(const TPlainBoard& Board);

private:
  std::unordered_map<std::string, bool> FKnown;
};
