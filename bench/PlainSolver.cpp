// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/PlainSolver.h"

#include "solver/Solver.h"

TPlainSolver::TPlainSolver(const TMap& Start, std::uint64_t Budget) : FBudget(Budget) {
  auto Map = std::make_unique<TGameMap>();
  Map->SetWidth(Start.Width());
  Map->SetHeight(Start.Height());
  Map->Assign(Start);
  FMaps.push_back(std::move(Map));
  Collapse();
}

std::uint8_t TPlainSolver::Run() {
  return Solve();
}

namespace {
TCell& At(TMap& Map, int X, int Y) {
  return Map.Cells()[X + Y * Map.Width()];
}
bool Inside(const TMap& Map, int X, int Y) {
  return X >= 0 && X < Map.Width() && Y >= 0 && Y < Map.Height();
}
} // namespace

std::uint8_t TPlainSolver::Solve() {
  const int W = Current().Width();
  const int H = Current().Height();
  for (int X = 0; X < W; ++X) {
    for (int Y = 0; Y < H; ++Y) {
      if (FNodes >= FBudget)
        return ssIdle;
      const TCell Cell = At(Current(), X, Y);
      if (Cell.Mark != 0 || Cell.Color == 0 || !HasNeighbour(X, Y))
        continue;
      Mark(Current(), X, Y, Cell.Color);
      ++FNodes;
      RemoveGroup(X, Y);
      Collapse();
      if (Current().BoxCount == 0)
        return ssSolved;
      if (Solve() == ssSolved)
        return ssSolved;
    }
  }
  if (FCurrent > 0)
    --FCurrent;
  return ssStumped;
}

bool TPlainSolver::HasNeighbour(int X, int Y) {
  TGameMap& Map = Current();
  const std::uint8_t Color = At(Map, X, Y).Color;
  const int Dx[] = {0, -1, 0, 1};
  const int Dy[] = {-1, 0, 1, 0};
  for (int I = 0; I < 4; ++I)
    if (Inside(Map, X + Dx[I], Y + Dy[I]) && At(Map, X + Dx[I], Y + Dy[I]).Color == Color)
      return true;
  return false;
}

void TPlainSolver::Mark(TGameMap& Map, int X, int Y, std::uint8_t Color) {
  if (!Inside(Map, X, Y))
    return;
  TCell& Cell = At(Map, X, Y);
  if (Cell.Color != Color || Cell.Mark == 1)
    return;
  Cell.Mark = 1;
  Mark(Map, X - 1, Y, Color);
  Mark(Map, X + 1, Y, Color);
  Mark(Map, X, Y - 1, Color);
  Mark(Map, X, Y + 1, Color);
}

void TPlainSolver::Erase(TGameMap& Map, int X, int Y, std::uint8_t Color) {
  if (!Inside(Map, X, Y) || At(Map, X, Y).Color != Color)
    return;
  At(Map, X, Y).Color = 0;
  Erase(Map, X - 1, Y, Color);
  Erase(Map, X + 1, Y, Color);
  Erase(Map, X, Y - 1, Color);
  Erase(Map, X, Y + 1, Color);
}

void TPlainSolver::RemoveGroup(int X, int Y) {
  auto Map = std::make_unique<TGameMap>();
  Map->SetWidth(Current().Width());
  Map->SetHeight(Current().Height());
  Map->Assign(Current());
  FMaps.resize(static_cast<std::size_t>(FCurrent) + 1);
  Erase(*Map, X, Y, At(*Map, X, Y).Color);
  FMaps.push_back(std::move(Map));
  ++FCurrent;
  Recount();
}

void TPlainSolver::Collapse() {
  TGameMap& Map = Current();
  const int W = Map.Width();
  const int H = Map.Height();
  for (int X = 0; X < W; ++X) {
    int Write = H - 1;
    for (int Read = H - 1; Read >= 0; --Read) {
      const std::uint8_t Color = At(Map, X, Read).Color;
      At(Map, X, Write).Color = Color;
      if (Color != 0)
        --Write;
    }
    for (; Write >= 0; --Write)
      At(Map, X, Write).Color = 0;
  }
  int Dest = 0;
  for (int Source = 0; Source < W; ++Source) {
    if (At(Map, Source, H - 1).Color == 0)
      continue;
    for (int Y = 0; Y < H; ++Y)
      At(Map, Dest, Y).Color = At(Map, Source, Y).Color;
    ++Dest;
  }
  for (; Dest < W; ++Dest)
    for (int Y = 0; Y < H; ++Y)
      At(Map, Dest, Y).Color = 0;
  Recount();
}

// Box counts only, as the solver's game counts; still a counting pass between two
// clearing ones.
void TPlainSolver::Recount() {
  TGameMap& Map = Current();
  Map.ClearMarks();
  Map.BoxCount = 0;
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X)
      if (At(Map, X, Y).Color != 0)
        ++Map.BoxCount;
  Map.ClearMarks();
}
