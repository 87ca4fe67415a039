// SPDX-License-Identifier: GPL-3.0-or-later
#include "Boards.h"

namespace {
int Erase(TPlainBoard& Board, int X, int Y, char Color) {
  if (X < 0 || X >= Board.W || Y < 0 || Y >= Board.H || Board.At(X, Y) != Color)
    return 0;
  Board.At(X, Y) = '\0';
  return 1 + Erase(Board, X + 1, Y, Color) + Erase(Board, X - 1, Y, Color) +
         Erase(Board, X, Y + 1, Color) + Erase(Board, X, Y - 1, Color);
}

std::string Settle(const TPlainBoard& Board) {
  std::string Result;
  for (int X = 0; X < Board.W; ++X) {
    std::string Column;
    for (int Y = 0; Y < Board.H; ++Y)
      if (char C = Board.Cells[static_cast<std::size_t>(X * Board.H + Y)])
        Column += C;
    if (!Column.empty())
      Result += Column + std::string(static_cast<std::size_t>(Board.H) - Column.size(), '\0');
  }
  Result.resize(Board.Cells.size(), '\0');
  return Result;
}

bool ReplayStep(TGame& Replay, const TMap& Next) {
  for (int Y = 0; Y < Replay.Height(); ++Y)
    for (int X = 0; X < Replay.Width(); ++X) {
      if (Replay.CurrentMap().GetColor(X, Y) == 0 || !Replay.HasNeighbour(X, Y))
        continue;
      Replay.RemoveGroup(X, Y);
      Replay.Collapse();
      if (BoardRows(Replay.CurrentMap()) == BoardRows(Next))
        return true;
      Replay.Undo();
    }
  return false;
}
} // namespace

int ReplayPath(const TGame& Searched, TGame& Replay) {
  SetBoard(Replay, BoardRows(*Searched.Maps().front()));
  int Steps = 0;
  while (Steps < Searched.Current() &&
         ReplayStep(Replay, *Searched.Maps()[static_cast<std::size_t>(Steps) + 1]))
    ++Steps;
  return Steps;
}

TPlainBoard FromMap(const TMap& Map) {
  TPlainBoard Board{Map.Width(), Map.Height(), {}};
  Board.Cells.assign(static_cast<std::size_t>(Board.W * Board.H), '\0');
  for (int X = 0; X < Board.W; ++X)
    for (int Y = 0; Y < Board.H; ++Y)
      Board.At(X, Y) = static_cast<char>(Map.GetColor(X, Board.H - 1 - Y));
  return Board;
}

bool TExhaustiveCheck::Clearable(const TPlainBoard& Board) {
  if (Board.Cells.find_first_not_of('\0') == std::string::npos)
    return true;
  if (auto Known = FKnown.find(Board.Cells); Known != FKnown.end())
    return Known->second;
  bool Result = false;
  TPlainBoard Seen = Board;
  for (int X = 0; X < Board.W && !Result; ++X)
    for (int Y = 0; Y < Board.H && !Result; ++Y) {
      const char Color = Seen.At(X, Y);
      if (Color == '\0' || Erase(Seen, X, Y, Color) < 2)
        continue;
      TPlainBoard Next = Board;
      Erase(Next, X, Y, Color);
      Next.Cells = Settle(Next);
      Result = Clearable(Next);
    }
  FKnown.emplace(Board.Cells, Result);
  return Result;
}
