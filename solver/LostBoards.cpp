// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LostBoards.h"

#include "solver/SearchLimits.h"

#include <sodium.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <new>
#include <stdexcept>

int TLostBoards::BitsFor(int Cells) {
  const auto Entries = static_cast<unsigned>(std::max(Cells, 1)) << (SearchLimits::LearnedBits - 8);
  return std::clamp(static_cast<int>(std::bit_width(Entries - 1)), 12, SearchLimits::LearnedBits);
}

// The entry is chosen by the board's plain hash, the same in every process, so which boards
// push out which (and with it the work of a capped search) repeats from run to run. That hash
// is public and collisions of it can be built, so it decides nothing: the entry holds 63 bits
// of SipHash-2-4 of the whole packed board under a random 128-bit key drawn for this table.
// A board not in the table is taken for one only when the single board held in its entry has
// the same check: SipHash being a pseudo-random function, that is at most 2^-63 (1.1e-19) a
// lookup for boards not chosen with the key in hand, so at most 1.1e-7 over 10^12 lookups. The
// key never leaves the process, so nobody can build such a pair either.
TLostBoards::TLostBoards(int Bits)
    : FTable(
          static_cast<std::uint64_t*>(std::calloc(std::size_t{1} << Bits, sizeof(std::uint64_t)))),
      FMask((std::size_t{1} << Bits) - 1) {
  if (!FTable)
    throw std::bad_alloc();
  if (sodium_init() < 0)
    throw std::runtime_error("no random source for the lost boards' key");
  static_assert(sizeof FKey == crypto_shorthash_KEYBYTES);
  crypto_shorthash_keygen(FKey.data());
}

std::uint64_t TLostBoards::Check(const TPosition& Board) const {
  // Cells column by column, two to a byte, with zeros above every column's boxes: colours are
  // below 16, so equal bytes are the same board, and the length tells apart boards that differ
  // in their columns. Half the bytes of the cells is half the hashing.
  std::array<std::uint8_t, TPosition::Side * TPosition::Side / 2> Cells;
  const std::size_t Bytes = Board.PackNibbles(Cells.data());
  std::array<unsigned char, crypto_shorthash_BYTES> Out;
  crypto_shorthash(Out.data(), Cells.data(), Bytes, FKey.data());
  std::uint64_t Value;
  static_assert(sizeof Value == sizeof Out);
  std::memcpy(&Value, Out.data(), sizeof Value);
  return Value | 1; // the low bit marks the entry used
}

// Entries are read and written whole by racing threads. Most lookups meet an empty entry and
// cost no check.
bool TLostBoards::Contains(const TPosition& Board, std::uint64_t Hash) const {
  const std::uint64_t Entry = std::atomic_ref(FTable[Hash & FMask]).load(std::memory_order_relaxed);
  return Entry != 0 && Entry == Check(Board);
}

void TLostBoards::Add(const TPosition& Board, std::uint64_t Hash) {
  Add(Hash, Check(Board));
}

bool TLostBoards::Contains(const TPosition& Board, std::uint64_t Hash, std::uint64_t& Known) const {
  const std::uint64_t Entry = std::atomic_ref(FTable[Hash & FMask]).load(std::memory_order_relaxed);
  if (Entry == 0)
    return false;
  if (Known == 0)
    Known = Check(Board);
  return Entry == Known;
}

void TLostBoards::Add(std::uint64_t Hash, std::uint64_t Check) {
  std::atomic_ref(FTable[Hash & FMask]).store(Check, std::memory_order_relaxed);
}
