// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exhaustive half of the clearing search: depth-first over every move, skipping boards
// with a colour of one box and boards already refuted. Only it can prove that a large
// board has no clearing; on small and late-game boards it also finds clearings quickly.

#include "solver/Position.h"
#include "solver/SearchRace.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

class TExactSearch {
public:
  TExactSearch(const TPosition& Start, TRacer& Racer);
  // Searches until it answers or the racer stops it.
  void Run();

private:
  // A move and what searching it promises, smaller first.
  struct TMove {
    std::uint32_t Order;
    TGroup Group;
    std::uint64_t Hash; // of the board it leads to
  };

  bool ListMoves(const TPosition& Board, std::vector<TMove>& Moves);
  bool Clears(const TPosition& Board, int Depth);
  bool Refuted(std::uint64_t Hash) const;
  void Refute(std::uint64_t Hash);

  const TPosition& FStart;
  TRacer& FRacer;
  // Hashes of refuted boards, direct-mapped, the newest kept: at most 2^20 entries (8 MiB)
  // for a 16x16 board, fewer for smaller ones. A false hit needs a 64-bit collision.
  // Allocated zeroed by the system, so only the pages a search touches cost anything.
  struct TFree {
    void operator()(std::uint64_t* Table) const { std::free(Table); }
  };
  std::unique_ptr<std::uint64_t[], TFree> FRefuted;
  std::size_t FMask;
  std::vector<TGroup> FGroups;
  std::vector<std::vector<TMove>> FMoves; // per depth, so no level allocates
  std::vector<TRemoval> FLine;            // the moves of the line being examined
};
