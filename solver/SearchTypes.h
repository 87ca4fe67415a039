// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the clearing search and its parts share: a move, a verdict, an answer, a budget.

#include <chrono>
#include <cstdint>
#include <vector>

struct TRemoval {
  int X;
  int Y;
}; // a box of the group removed, on the settled board of that moment

enum class TVerdict : std::uint8_t { Unknown, Clearable, NotClearable };

struct TClearingAnswer {
  TVerdict Verdict = TVerdict::Unknown;
  std::vector<TRemoval> Moves; // when Clearable: a whole clearing of the searched board, in order
};

struct TSearchBudget {
  std::chrono::milliseconds Time{1000};
  // When non-zero, also a deterministic cap (boards generated): the same board and cap give
  // the same answer on every machine.
  std::uint64_t Work = 0;
  int Threads = 2; // both cores may be used
};
