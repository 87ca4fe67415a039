// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Boards proved to have no clearing, direct-mapped, the newest kept. Searches that run side by
// side or one after another share one, so a board proved lost once is not searched again.
// Each entry is a keyed check of the whole board, so no two boards are taken for one another.

#include "solver/Position.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

class TLostBoards {
public:
  // 2^Bits entries of 8 bytes; allocated zeroed by the system, so only the pages searches
  // touch cost anything.
  explicit TLostBoards(int Bits);
  // The size that serves a board of so many cells.
  static int BitsFor(int Cells);
  // Hash is Board.Hash(): it picks the entry, the check decides.
  bool Contains(const TPosition& Board, std::uint64_t Hash) const;
  void Add(const TPosition& Board, std::uint64_t Hash); // only for a board proved lost

  // The same in parts, for a search that looks a board up and later adds it: the keyed check
  // costs more than the rest of a lookup, so it is made once per board, and only when the
  // entry is taken. Check(Board) is never 0; Known is 0 when not yet made.
  std::uint64_t Check(const TPosition& Board) const;
  void Prefetch(std::uint64_t Hash) const { __builtin_prefetch(&FTable[Hash & FMask]); }
  bool Contains(const TPosition& Board, std::uint64_t Hash, std::uint64_t& Known) const;
  void Add(std::uint64_t Hash, std::uint64_t Check);
  std::size_t Bytes() const { return (FMask + 1) * sizeof(std::uint64_t); }

private:
  struct TFree {
    void operator()(std::uint64_t* Table) const { std::free(Table); }
  };
  std::unique_ptr<std::uint64_t[], TFree> FTable;
  std::size_t FMask;
  std::array<unsigned char, 16> FKey; // drawn at random for each table, never shown
};
