// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClearingSearch.h"
#include "solver/Position.h"

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

} // namespace

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
