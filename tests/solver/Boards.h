#pragma once
// Board set-up and path checks shared by the solver tests.

#include "model/Game.h"

#include <string>
#include <vector>

// Rows from the top; '.' is an empty cell, a digit a box of that colour.
void SetBoard(TGame& Game, const std::vector<std::string>& Rows);
std::vector<std::string> BoardRows(const TMap& Map);

// Replays the game's history up to Current on a fresh game, finding for each step a group
// whose removal and settling gives the next map. Returns the number of steps that could
// be replayed; the replaying game is left at the last of them.
int ReplayPath(const TGame& Searched, TGame& Replay);
