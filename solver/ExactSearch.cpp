// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ExactSearch.h"

#include <algorithm>
#include <bit>
#include <new>

namespace {

std::size_t TableSize(const TPosition& Start) {
  const auto Cells = static_cast<std::size_t>(Start.Width() * Start.Height());
  return std::clamp<std::size_t>(std::bit_ceil(Cells * 4096), 1 << 12, 1 << 20);
}

} // namespace

TExactSearch::TExactSearch(const TPosition& Start, TRacer& Racer)
    : FStart(Start), FRacer(Racer),
      FRefuted(static_cast<std::uint64_t*>(std::calloc(TableSize(Start), sizeof(std::uint64_t)))),
      FMask(TableSize(Start) - 1) {
  if (!FRefuted)
    throw std::bad_alloc();
  // Every move removes two boxes or more, so no line is longer than half the boxes.
  FMoves.resize(static_cast<std::size_t>(Start.Boxes() / 2 + 1));
}

void TExactSearch::Run() {
  if (FStart.Boxes() == 0)
    return FRacer.Answer(TVerdict::Clearable, {});
  const bool Clearable = !FStart.Dead() && Clears(FStart, 0);
  if (Clearable)
    FRacer.Answer(TVerdict::Clearable, FLine);
  else if (!FRacer.Stopped())
    FRacer.Answer(TVerdict::NotClearable, {});
}

bool TExactSearch::Refuted(std::uint64_t Hash) const {
  return FRefuted[Hash & FMask] == (Hash | 1);
}

void TExactSearch::Refute(std::uint64_t Hash) {
  FRefuted[Hash & FMask] = Hash | 1;
}

// Lists the moves worth searching from Board, the most promising first: those whose board
// keeps the fewest lone boxes, the most frequent colour last among equals, as it joins up
// best once the others are gone. True when one of them clears the board (FLine ends with it).
bool TExactSearch::ListMoves(const TPosition& Board, std::vector<TMove>& Moves) {
  FGroups.clear();
  Board.Groups(FGroups);
  const std::uint8_t Last = Board.MostFrequentColor();
  Moves.clear();
  for (const TGroup& Group : FGroups) {
    if (!FRacer.Tick())
      return false;
    TPosition Next = Board;
    Next.Remove(Group.Cell);
    if (Next.Boxes() == 0) {
      FLine.push_back(Board.Removal(Group.Cell));
      return true;
    }
    if (Next.Dead())
      continue;
    const std::uint64_t Hash = Next.Hash();
    if (!Refuted(Hash))
      Moves.push_back(
          {static_cast<std::uint32_t>(Next.LoneBoxes() * 2 + (Group.Color == Last)), Group, Hash});
  }
  std::stable_sort(Moves.begin(), Moves.end(),
                   [](const TMove& A, const TMove& B) { return A.Order < B.Order; });
  return false;
}

// True when Board can be cleared; FLine then holds the moves from the start board on.
bool TExactSearch::Clears(const TPosition& Board, int Depth) {
  std::vector<TMove>& Moves = FMoves[static_cast<std::size_t>(Depth)];
  if (ListMoves(Board, Moves))
    return true;
  for (const TMove& Move : Moves) {
    if (FRacer.Stopped())
      return false;
    // A deeper line may have refuted this board since it was listed.
    if (Refuted(Move.Hash))
      continue;
    TPosition Next = Board;
    Next.Remove(Move.Group.Cell);
    FLine.push_back(Board.Removal(Move.Group.Cell));
    if (Clears(Next, Depth + 1))
      return true;
    FLine.pop_back();
    if (FRacer.Stopped())
      return false;
    Refute(Move.Hash);
  }
  return false;
}
