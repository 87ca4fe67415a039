// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LostBoards.h"

#include "solver/SearchLimits.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <new>

int TLostBoards::BitsFor(int Cells) {
  const auto Entries = static_cast<unsigned>(std::max(Cells, 1)) << (SearchLimits::LearnedBits - 8);
  return std::clamp(static_cast<int>(std::bit_width(Entries - 1)), 12, SearchLimits::LearnedBits);
}

TLostBoards::TLostBoards(int Bits)
    : FTable(
          static_cast<std::uint64_t*>(std::calloc(std::size_t{1} << Bits, sizeof(std::uint64_t)))),
      FMask((std::size_t{1} << Bits) - 1) {
  if (!FTable)
    throw std::bad_alloc();
}

// Entries are read and written whole by racing threads; the low bit marks them used.
bool TLostBoards::Contains(std::uint64_t Hash) const {
  return std::atomic_ref(FTable[Hash & FMask]).load(std::memory_order_relaxed) == (Hash | 1);
}

void TLostBoards::Add(std::uint64_t Hash) {
  std::atomic_ref(FTable[Hash & FMask]).store(Hash | 1, std::memory_order_relaxed);
}
