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

// True when Board can be cleared; FLine then holds the moves from the start board on.
bool TExactSearch::Clears(const TPosition& Board, int Depth) {
  std::vector<TGroup>& Moves = FMoves[static_cast<std::size_t>(Depth)];
  Moves.clear();
  Board.Groups(Moves);
  // The most frequent colour goes last: it joins up best once the others are gone.
  const std::uint8_t Last = Board.MostFrequentColor();
  std::stable_partition(Moves.begin(), Moves.end(),
                        [Last](const TGroup& Group) { return Group.Color != Last; });
  for (std::size_t I = 0; I < Moves.size(); ++I) {
    const TGroup Move = FMoves[static_cast<std::size_t>(Depth)][I];
    if (!FRacer.Tick())
      return false;
    TPosition Next = Board;
    Next.Remove(Move.Cell);
    FLine.push_back({Board.X(Move), Board.Y(Move)});
    if (Next.Boxes() == 0)
      return true;
    if (!Next.Dead()) {
      const std::uint64_t Hash = Next.Hash();
      if (!Refuted(Hash)) {
        if (Clears(Next, Depth + 1))
          return true;
        if (FRacer.Stopped())
          return false;
        Refute(Hash);
      }
    }
    FLine.pop_back();
  }
  return false;
}
