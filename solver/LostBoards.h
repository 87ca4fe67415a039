// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hashes of boards proved to have no clearing, direct-mapped, the newest kept. Searches that run
// side by side or one after another share one, so a board proved lost once is not searched
// again. A false hit needs a 64-bit collision.

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
  bool Contains(std::uint64_t Hash) const;
  void Add(std::uint64_t Hash); // only for a board proved lost
  std::size_t Bytes() const { return (FMask + 1) * sizeof(std::uint64_t); }

private:
  struct TFree {
    void operator()(std::uint64_t* Table) const { std::free(Table); }
  };
  std::unique_ptr<std::uint64_t[], TFree> FTable;
  std::size_t FMask;
};
