// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Map.h"

#include "model/Random.h"

#include <algorithm>
#include <utility>
#include <vector>

TMap::TMap() : FWidth(8), FHeight(8) {
  Reallocate();
}

TMap::~TMap() = default;

void TMap::SetWidth(int Value) {
  Value = ClampSize(Value);
  if (Value == FWidth)
    return;
  FWidth = Value;
  Reallocate();
}

void TMap::SetHeight(int Value) {
  Value = ClampSize(Value);
  if (Value == FHeight)
    return;
  FHeight = Value;
  Reallocate();
}

void TMap::Reallocate() {
  // Value-initialised: every colour and mark byte is 0.
  FCells = std::make_unique<TCell[]>(static_cast<std::size_t>(CellCount()));
}

const TCell& TMap::CheckedCell(int X, int Y) const {
  if (!Contains(X, Y))
    throw EMapException("Index out of bounds.");
  return FCells[static_cast<std::size_t>(X + Y * FWidth)];
}

TCell& TMap::CellPtr(int X, int Y) {
  return const_cast<TCell&>(CheckedCell(X, Y));
}

std::uint8_t TMap::GetColor(int X, int Y) const {
  return CheckedCell(X, Y).Color;
}

void TMap::SetColor(int X, int Y, std::uint8_t Value) {
  CellPtr(X, Y).Color = Value;
}

std::uint8_t TMap::GetMark(int X, int Y) const {
  return CheckedCell(X, Y).Mark;
}

void TMap::FillRandom(std::uint8_t N) {
  TCell* Cell = FCells.get();
  for (int I = 0, Count = CellCount(); I < Count; ++I, ++Cell) {
    Cell->Color = static_cast<std::uint8_t>(RandomBelow(N) + 1);
    Cell->Mark = 0;
  }
}

void TMap::FillRandom(std::uint8_t N, TRandom& Random) {
  TCell* Cell = FCells.get();
  for (int I = 0, Count = CellCount(); I < Count; ++I, ++Cell) {
    Cell->Color = static_cast<std::uint8_t>(Random.Below(N) + 1);
    Cell->Mark = 0;
  }
}

void TMap::Assign(const TMap& Source) {
  if (Source.FWidth != FWidth || Source.FHeight != FHeight)
    throw EMapException("Can not copy between maps of different sizes.");
  std::copy_n(Source.FCells.get(), CellCount(), FCells.get());
}

int TMap::GroupSize(int X, int Y) const {
  if (!Contains(X, Y) || GetColor(X, Y) == 0)
    return 0;
  const std::uint8_t Color = GetColor(X, Y);
  std::vector<bool> Seen(static_cast<std::size_t>(CellCount()));
  std::vector<std::pair<int, int>> Pending{{X, Y}};
  Seen[static_cast<std::size_t>(X + Y * FWidth)] = true;
  int Size = 0;
  while (!Pending.empty()) {
    const auto [CX, CY] = Pending.back();
    Pending.pop_back();
    ++Size;
    for (const auto& [DX, DY] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, {0, -1}}) {
      const int NX = CX + DX, NY = CY + DY;
      if (!Contains(NX, NY) || GetColor(NX, NY) != Color)
        continue;
      const auto Index = static_cast<std::size_t>(NX + NY * FWidth);
      if (!Seen[Index]) {
        Seen[Index] = true;
        Pending.emplace_back(NX, NY);
      }
    }
  }
  return Size;
}

void TMap::ClearMarks() {
  TCell* Cell = FCells.get();
  for (int I = 0, Count = CellCount(); I < Count; ++I)
    Cell[I].Mark = 0;
}
