// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClearingSearch.h"
#include "solver/Position.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

std::vector<std::uint8_t> Colors(const TPosition& Board) {
  std::vector<std::uint8_t> Result;
  for (int Y = 0; Y < Board.Height(); ++Y)
    for (int X = 0; X < Board.Width(); ++X)
      Result.push_back(Board.ColorAt(X, Y));
  return Result;
}

std::vector<std::uint8_t> Colors(const TMap& Board) {
  std::vector<std::uint8_t> Result;
  for (int I = 0; I < Board.CellCount(); ++I)
    Result.push_back(Board.Cells()[I].Color);
  return Result;
}

// A settled board whose boxes keep the names they had on the first board (their cell there),
// so that a group removed on one line of play can be found again on another.
class TNamedBoard {
public:
  explicit TNamedBoard(const TMap& Board) : FHeight(Board.Height()) {
    FColors.resize(static_cast<std::size_t>(Board.CellCount()));
    for (int X = 0; X < Board.Width(); ++X) {
      std::vector<int> Column;
      for (int Y = Board.Height() - 1; Y >= 0; --Y)
        if (const std::uint8_t Color = Board.GetColor(X, Y); Color != 0) {
          const int Name = X + Y * Board.Width();
          FColors[static_cast<std::size_t>(Name)] = Color;
          Column.push_back(Name);
        }
      if (!Column.empty())
        FColumns.push_back(std::move(Column));
    }
    FHere.assign(FColors.size(), false);
    for (const std::vector<int>& Column : FColumns)
      for (const int Name : Column)
        FHere[static_cast<std::size_t>(Name)] = true;
  }

  bool Empty() const { return FColumns.empty(); }
  bool Here(int Name) const { return FHere[static_cast<std::size_t>(Name)]; }

  // The names of the group at the game's (X, Y); fewer than two when no move is there.
  std::vector<int> GroupAt(TRemoval Move) const {
    const int Row = FHeight - 1 - Move.Y;
    if (Move.X < 0 || Move.X >= static_cast<int>(FColumns.size()) || Row < 0 ||
        Row >= static_cast<int>(FColumns[static_cast<std::size_t>(Move.X)].size()))
      return {};
    return Flood(Move.X, Row);
  }

  // Where a box is now, in the game's coordinates.
  TRemoval Place(int Name) const {
    for (std::size_t X = 0; X < FColumns.size(); ++X)
      for (std::size_t Row = 0; Row < FColumns[X].size(); ++Row)
        if (FColumns[X][Row] == Name)
          return {static_cast<int>(X), FHeight - 1 - static_cast<int>(Row)};
    return {-1, -1};
  }

  void Remove(const std::vector<int>& Names) {
    for (const int Name : Names)
      FHere[static_cast<std::size_t>(Name)] = false;
    for (std::vector<int>& Column : FColumns)
      std::erase_if(Column, [&](int Name) { return !Here(Name); });
    std::erase_if(FColumns, [](const std::vector<int>& Column) { return Column.empty(); });
  }

private:
  int At(int X, int Row) const {
    if (X < 0 || X >= static_cast<int>(FColumns.size()) || Row < 0)
      return -1;
    const std::vector<int>& Column = FColumns[static_cast<std::size_t>(X)];
    return Row < static_cast<int>(Column.size()) ? Column[static_cast<std::size_t>(Row)] : -1;
  }

  std::vector<int> Flood(int X, int Row) const {
    const std::uint8_t Color = FColors[static_cast<std::size_t>(At(X, Row))];
    std::vector<std::pair<int, int>> Stack{{X, Row}};
    std::vector<bool> Seen(FColors.size(), false);
    Seen[static_cast<std::size_t>(At(X, Row))] = true;
    std::vector<int> Names;
    while (!Stack.empty()) {
      const auto [CX, CRow] = Stack.back();
      Stack.pop_back();
      Names.push_back(At(CX, CRow));
      for (const auto& [NX, NRow] : {std::pair{CX - 1, CRow}, std::pair{CX + 1, CRow},
                                     std::pair{CX, CRow - 1}, std::pair{CX, CRow + 1}}) {
        const int Name = At(NX, NRow);
        if (Name >= 0 && !Seen[static_cast<std::size_t>(Name)] &&
            FColors[static_cast<std::size_t>(Name)] == Color) {
          Seen[static_cast<std::size_t>(Name)] = true;
          Stack.emplace_back(NX, NRow);
        }
      }
    }
    return Names;
  }

  int FHeight;
  std::vector<std::uint8_t> FColors; // by name
  std::vector<bool> FHere;           // by name: not yet removed
  std::vector<std::vector<int>> FColumns;
};

} // namespace

std::vector<TRemoval> ClearingAfter(const TMap& Board, const std::vector<TRemoval>& Clearing,
                                    TRemoval Played) {
  // The clearing's groups by the names of their boxes.
  std::vector<std::vector<int>> Groups;
  TNamedBoard Line(Board);
  for (const TRemoval& Move : Clearing) {
    Groups.push_back(Line.GroupAt(Move));
    if (Groups.back().size() < 2)
      return {};
    Line.Remove(Groups.back());
  }
  TNamedBoard Now(Board);
  const std::vector<int> Taken = Now.GroupAt(Played);
  if (Taken.size() < 2 || !Line.Empty())
    return {};
  Now.Remove(Taken);
  // Each group in turn, by what is left of it: gone already, or the whole of one group now
  // (which may have gathered more boxes: their own groups then find them gone). Every box is
  // in one of the line's groups, so once each has gone the board is empty.
  std::vector<TRemoval> Moves;
  for (const std::vector<int>& Group : Groups) {
    std::vector<int> Left;
    std::copy_if(Group.begin(), Group.end(), std::back_inserter(Left),
                 [&](int Name) { return Now.Here(Name); });
    if (Left.empty())
      continue;
    const TRemoval Move = Now.Place(Left.front());
    std::vector<int> Found = Now.GroupAt(Move);
    std::sort(Found.begin(), Found.end());
    if (Found.size() < 2 || !std::all_of(Left.begin(), Left.end(), [&](int Name) {
          return std::binary_search(Found.begin(), Found.end(), Name);
        }))
      return {};
    Moves.push_back(Move);
    Now.Remove(Found);
  }
  return Moves;
}

// The boards of the line are worked out once here, so following it is a comparison.
TKnownClearing::TKnownClearing(const TMap& Start, std::vector<TRemoval> Moves)
    : FWidth(Start.Width()), FHeight(Start.Height()) {
  TPosition Board = TPosition::Settled(Start);
  for (const TRemoval& Move : Moves) {
    const TGroup Group = Board.GroupAt(Move.X, Move.Y);
    if (Group.Size == 0)
      break; // the line ends where a move is not a legal one
    FLine.push_back(Colors(Board));
    FMoves.push_back(Move);
    Board.Remove(Group.Cell);
  }
}

std::optional<TRemoval> TKnownClearing::NextFrom(const TMap& Now) const {
  if (Now.Width() != FWidth || Now.Height() != FHeight)
    return std::nullopt;
  const std::vector<std::uint8_t> Seen = Colors(Now);
  for (std::size_t I = 0; I < FLine.size(); ++I)
    if (FLine[I] == Seen)
      return FMoves[I];
  return std::nullopt;
}

std::vector<TRemoval> TKnownClearing::LineFrom(const TMap& Now) const {
  if (Now.Width() != FWidth || Now.Height() != FHeight)
    return {};
  const std::vector<std::uint8_t> Seen = Colors(Now);
  for (std::size_t I = 0; I < FLine.size(); ++I)
    if (FLine[I] == Seen)
      return {FMoves.begin() + static_cast<long>(I), FMoves.end()};
  return {};
}
