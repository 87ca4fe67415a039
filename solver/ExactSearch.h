// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exhaustive half of the clearing search: depth-first over every move, skipping boards
// with a colour of one box, boards already proved lost, and second orders of moves that
// commute. A board that is two games side by side is searched as two boards. Only it can prove that
// a large board has no clearing; on small and late-game boards it also finds clearings quickly.

#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/SearchRace.h"

#include <cstdint>
#include <vector>

class TExactSearch {
public:
  // Lost is shared with other searches and outlives this one.
  TExactSearch(const TPosition& Start, TRacer& Racer, TLostBoards& Lost);
  // Searches until it answers or the racer stops it.
  void Run();

private:
  // A move and what searching it promises, smaller first.
  struct TMove {
    std::uint32_t Order;
    TGroup Group;
    std::uint64_t Hash;  // of the board it leads to
    std::uint64_t Check; // that board's check in the lost boards, 0 until made
  };
  // A move whose board is covered elsewhere: its group's cell and columns.
  struct TAsleep {
    std::uint8_t Cell;
    std::uint16_t Columns;
  };

  bool ListMoves(const TPosition& Board, int Depth);
  bool Clears(const TPosition& Board, int Depth);
  bool PartsClear(const TPosition& Board, int Column, int Depth);
  void PutToSleep(int Depth, const TGroup& Move, std::uint16_t Emptied);

  const TPosition& FStart;
  TRacer& FRacer;
  TLostBoards& FLost;
  std::vector<TGroup> FGroups;
  // Per depth, so no level allocates: the moves to search, the moves that need no search as
  // the board they lead to is reached in another order, and the moves proved lost so far.
  std::vector<std::vector<TMove>> FMoves;
  std::vector<std::vector<TAsleep>> FAsleep;
  std::vector<std::vector<TAsleep>> FLostMoves;
  std::vector<TRemoval> FLine; // the moves of the line being examined
};
