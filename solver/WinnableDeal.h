// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dealing a board the player can be sure to clear.

#include "solver/ClearingSearch.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

struct TWinnableDeal {
  // Width*Height, row-major from the top row (cell (X,Y) at X + Y*Width), no empty cell.
  std::vector<std::uint8_t> Colors;
  std::vector<TRemoval> Clearing; // a clearing of that board
};

// A random board of that size and colour count that has a known clearing. Deterministic in
// Seed (whatever the machine's speed); empty only when *Cancel became true.
std::optional<TWinnableDeal> DealWinnable(int Width, int Height, std::uint8_t Colors,
                                          std::uint64_t Seed,
                                          const std::atomic<bool>* Cancel = nullptr);
