// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ExactSearch.h"

#include <algorithm>
#include <bit>

namespace {

// Two groups at least one column apart: removing one neither moves a box next to the other
// nor closes a column beside it, so each stays the same group after the other goes, and
// either order leaves the same board.
bool Commute(std::uint16_t A, std::uint16_t B) {
  const unsigned Near = A | (A << 1) | (A >> 1);
  return (Near & B) == 0;
}

} // namespace

TExactSearch::TExactSearch(const TPosition& Start, TRacer& Racer, TLostBoards& Lost)
    : FStart(Start), FRacer(Racer), FLost(Lost) {
  // Every move removes two boxes or more, so no line is longer than half the boxes.
  const auto Depths = static_cast<std::size_t>(Start.Boxes() / 2 + 2);
  FMoves.resize(Depths);
  FAsleep.resize(Depths);
  FLostMoves.resize(Depths);
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

// Lists the moves worth searching from Board, the most promising first: those whose board
// keeps the fewest lone boxes, the most frequent colour last among equals, as it joins up
// best once the others are gone. True when one of them clears the board (FLine ends with it).
bool TExactSearch::ListMoves(const TPosition& Board, int Depth) {
  const auto D = static_cast<std::size_t>(Depth);
  std::vector<TMove>& Moves = FMoves[D];
  std::vector<TAsleep>& Lost = FLostMoves[D];
  const std::vector<TAsleep>& Asleep = FAsleep[D];
  FGroups.clear();
  Board.Groups(FGroups);
  const std::uint8_t Last = Board.MostFrequentColor();
  Moves.clear();
  Lost.clear();
  for (const TGroup& Group : FGroups) {
    if (std::any_of(Asleep.begin(), Asleep.end(),
                    [&](const TAsleep& Move) { return Move.Cell == Group.Cell; }))
      continue;
    if (!FRacer.Tick())
      return false;
    TPosition Next = Board;
    Next.Remove(Group.Cell);
    if (Next.Boxes() == 0) {
      FLine.push_back(Board.Removal(Group.Cell));
      return true;
    }
    const std::uint64_t Hash = Next.Hash();
    // The table is large and read at random: its entry is fetched while the board is judged.
    FLost.Prefetch(Hash);
    std::uint64_t Check = 0;
    // A board whose every box is lone has no move left: lost without a lookup or a search.
    const int Lone = Next.LoneBoxes();
    if (Lone == Next.Boxes() || Next.Dead()) {
      Lost.push_back({Group.Cell, Group.Columns});
      continue;
    }
    const auto Order = static_cast<std::uint32_t>(Lone * 2 + (Group.Color == Last));
    if (FLost.Contains(Next, Hash, Check))
      Lost.push_back({Group.Cell, Group.Columns});
    else
      Moves.push_back({Order, Group, Hash, Check});
  }
  std::stable_sort(Moves.begin(), Moves.end(),
                   [](const TMove& A, const TMove& B) { return A.Order < B.Order; });
  return false;
}

// The board after Move gets to sleep every move that commutes with it and whose board is lost
// or covered: that order's board is one move on from a lost board. Cells and columns are
// renumbered past the columns Move emptied.
void TExactSearch::PutToSleep(int Depth, const TGroup& Move, std::uint16_t Emptied) {
  const auto D = static_cast<std::size_t>(Depth);
  std::vector<TAsleep>& Next = FAsleep[D + 1];
  Next.clear();
  for (const auto* Moves : {&FAsleep[D], &FLostMoves[D]})
    for (const TAsleep& Other : *Moves) {
      if (!Commute(Other.Columns, Move.Columns))
        continue;
      const int Column = Other.Cell / TPosition::Side;
      const int Shift = std::popcount(static_cast<unsigned>(Emptied) & ((1u << Column) - 1));
      Next.push_back({static_cast<std::uint8_t>(Other.Cell - Shift * TPosition::Side),
                      static_cast<std::uint16_t>(Other.Columns >> Shift)});
    }
}

// True when Board can be cleared; FLine then holds the moves from the start board on. A board
// is added to the lost ones only once every move from it was searched, slept or proved lost.
bool TExactSearch::Clears(const TPosition& Board, int Depth) {
  if (const int Column = Board.Split(); Column != 0)
    return PartsClear(Board, Column, Depth);
  if (ListMoves(Board, Depth))
    return true;
  const auto D = static_cast<std::size_t>(Depth);
  for (TMove& Move : FMoves[D]) {
    if (FRacer.Stopped())
      return false;
    TPosition Next = Board;
    std::uint16_t Emptied = 0;
    Next.Remove(Move.Group.Cell, &Emptied);
    // A deeper line may have proved this board lost since it was listed.
    if (!FLost.Contains(Next, Move.Hash, Move.Check)) {
      PutToSleep(Depth, Move.Group, Emptied);
      FLine.push_back(Board.Removal(Move.Group.Cell));
      if (Clears(Next, Depth + 1))
        return true;
      FLine.pop_back();
      // A search stopped below has not seen every line: the board is not proved lost.
      if (FRacer.Stopped())
        return false;
      FLost.Add(Move.Hash, Move.Check != 0 ? Move.Check : FLost.Check(Next));
    }
    FLostMoves[D].push_back({Move.Group.Cell, Move.Group.Columns});
  }
  return false;
}

// No colour of the columns before Column is met from it on. Then no group reaches across:
// a group of one colour would need boxes of that colour on both sides of the boundary. A move
// only drops boxes within their columns and closes emptied columns, which keeps the columns'
// order, so each side after a move of its own is what that side alone would be after it, the
// other side unchanged beside it, and no colour ever comes to both sides. Every line of play
// is thus a line of the left part interleaved with one of the right part: the board clears
// exactly when both parts do, and two parts searched alone see every line once instead of
// their every interleaving. A clearing plays the left part's moves first, which leave the
// right part at the left edge with the same rows: its own moves then apply unchanged.
// The parts are searched with no move asleep: moves slept on the whole board lead to lost
// boards, which a part's move need not, as the other part may be what is lost.
bool TExactSearch::PartsClear(const TPosition& Board, int Column, int Depth) {
  const TPosition Left = Board.Part(0, Column);
  const TPosition Right = Board.Part(Column, Board.Columns());
  // The smaller part first: it is searched sooner, and when lost ends the search.
  const bool RightFirst = Right.Boxes() < Left.Boxes();
  const TPosition* Parts[2] = {RightFirst ? &Right : &Left, RightFirst ? &Left : &Right};
  const std::uint64_t Hashes[2] = {Parts[0]->Hash(), Parts[1]->Hash()};
  if (FLost.Contains(*Parts[0], Hashes[0]) || FLost.Contains(*Parts[1], Hashes[1]))
    return false;
  const std::size_t Mark = FLine.size();
  std::size_t Middle = Mark;
  for (int I = 0; I < 2; ++I) {
    FAsleep[static_cast<std::size_t>(Depth)].clear();
    if (!Clears(*Parts[I], Depth)) {
      if (!FRacer.Stopped())
        FLost.Add(*Parts[I], Hashes[I]);
      FLine.resize(Mark);
      return false;
    }
    if (I == 0)
      Middle = FLine.size();
  }
  if (RightFirst)
    std::rotate(FLine.begin() + static_cast<long>(Mark), FLine.begin() + static_cast<long>(Middle),
                FLine.end());
  return true;
}
