// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search written the plain way, as the yardstick for TSolver: a new map for every
// removal, recursive flood fills and full recounting passes, with no other tuning.
// It tries the same removals in the same order, on the calling thread.

#include "model/Map.h"

#include <cstdint>
#include <memory>
#include <vector>

class TPlainSolver {
public:
  // Settles a copy of Start, as the solver's constructor does.
  TPlainSolver(const TMap& Start, std::uint64_t Budget);
  // Returns ssSolved, ssStumped, or ssIdle when the budget of removals ran out.
  std::uint8_t Run();
  std::uint64_t Nodes() const { return FNodes; }

private:
  TGameMap& Current() { return *FMaps[static_cast<std::size_t>(FCurrent)]; }
  std::uint8_t Solve();
  bool HasNeighbour(int X, int Y);
  void Mark(TGameMap& Map, int X, int Y, std::uint8_t Color);
  void Erase(TGameMap& Map, int X, int Y, std::uint8_t Color);
  void RemoveGroup(int X, int Y);
  void Collapse();
  void Recount();

  std::vector<std::unique_ptr<TGameMap>> FMaps;
  int FCurrent = 0;
  std::uint64_t FNodes = 0;
  std::uint64_t FBudget;
};
