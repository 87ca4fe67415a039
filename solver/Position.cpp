// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Position.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int Side = TPosition::Side;

// Zobrist keys, one per cell and colour, from a fixed splitmix sequence: every process
// hashes a board alike, so work-capped searches repeat exactly.
struct TZobrist {
  std::array<std::array<std::uint64_t, TPosition::MaxColors + 1>, Side * Side> Keys{};
  TZobrist() {
    std::uint64_t State = 0x5EEDF00DCAFEull;
    for (auto& Cell : Keys)
      for (std::uint64_t& Key : Cell) {
        State += 0x9E3779B97F4A7C15ull;
        std::uint64_t Z = State;
        Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
        Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
        Key = Z ^ (Z >> 31);
      }
  }
};
const TZobrist Zobrist;

// Depth-first flood over same-coloured neighbours of packed cells; Take must make the
// cell fail Match, so each cell is pushed once and the fixed stack cannot overflow.
template <class TMatch, class TTake> int Flood(int Start, TMatch Match, TTake Take) {
  std::array<std::uint8_t, Side * Side> Stack;
  int Top = 0;
  Take(Start);
  Stack[Top++] = static_cast<std::uint8_t>(Start);
  int Size = 0;
  while (Top > 0) {
    const int P = Stack[--Top];
    ++Size;
    const int Row = P % Side;
    const auto Visit = [&](int Q) {
      if (Match(Q)) {
        Take(Q);
        Stack[Top++] = static_cast<std::uint8_t>(Q);
      }
    };
    if (Row > 0)
      Visit(P - 1);
    if (Row < Side - 1)
      Visit(P + 1);
    if (P >= Side)
      Visit(P - Side);
    if (P < Side * (Side - 1))
      Visit(P + Side);
  }
  return Size;
}

} // namespace

TPosition TPosition::Settled(const TMap& Board) {
  TPosition Result;
  Result.FWidth = Board.Width();
  Result.FHeight = Board.Height();
  for (int X = 0; X < Board.Width(); ++X) {
    const int Column = Result.FColumns;
    int Row = 0;
    for (int Y = Board.Height() - 1; Y >= 0; --Y)
      if (const std::uint8_t Color = Board.Cells()[X + Y * Board.Width()].Color; Color != 0) {
        // Colours past the game's range would overrun the counts; the model never makes them.
        const std::uint8_t Kept = Color <= MaxColors ? Color : MaxColors;
        Result.FCells[Column * Side + Row++] = Kept;
        ++Result.FCounts[Kept];
      }
    Result.FHeights[Column] = static_cast<std::uint8_t>(Row);
    Result.FBoxes += Row;
    Result.FColumns += Row > 0;
  }
  return Result;
}

bool TPosition::Dead() const {
  for (int Color = 1; Color <= MaxColors; ++Color)
    if (FCounts[Color] == 1)
      return true;
  return false;
}

std::uint8_t TPosition::MostFrequentColor() const {
  return static_cast<std::uint8_t>(std::max_element(FCounts.begin() + 1, FCounts.end()) -
                                   FCounts.begin());
}

int TPosition::LoneBoxes() const {
  int Lone = 0;
  for (int Column = 0; Column < FColumns; ++Column) {
    const std::uint8_t* Cells = &FCells[Column * Side];
    const std::uint8_t* Left = Column > 0 ? Cells - Side : nullptr;
    const std::uint8_t* Right = Column + 1 < Side ? Cells + Side : nullptr;
    for (int Row = 0; Row < FHeights[Column]; ++Row) {
      const std::uint8_t Color = Cells[Row];
      const bool Joined = (Row > 0 && Cells[Row - 1] == Color) ||
                          (Row + 1 < Side && Cells[Row + 1] == Color) ||
                          (Left && Left[Row] == Color) || (Right && Right[Row] == Color);
      Lone += !Joined;
    }
  }
  return Lone;
}

int TPosition::Groups(std::vector<TGroup>& Out) const {
  std::array<bool, Side * Side> Seen{};
  int All = 0;
  for (int Column = 0; Column < FColumns; ++Column)
    for (int Row = 0; Row < FHeights[Column]; ++Row) {
      const int P = Column * Side + Row;
      if (Seen[P])
        continue;
      const std::uint8_t Color = FCells[P];
      const int Size = Flood(
          P, [&](int Q) { return !Seen[Q] && FCells[Q] == Color; }, [&](int Q) { Seen[Q] = true; });
      ++All;
      if (Size >= 2)
        Out.push_back({static_cast<std::uint8_t>(P), Color, static_cast<std::uint16_t>(Size)});
    }
  return All;
}

int TPosition::Remove(std::uint8_t Cell) {
  const std::uint8_t Color = FCells[Cell];
  if (Color == 0)
    return 0;
  std::uint32_t Touched = 0; // a bit per column
  const int Removed = Flood(
      Cell, [&](int Q) { return FCells[Q] == Color; },
      [&](int Q) {
        FCells[Q] = 0;
        Touched |= 1u << (Q / Side);
      });
  FCounts[Color] = static_cast<std::uint16_t>(FCounts[Color] - Removed);
  FBoxes -= Removed;
  for (int Column = 0; Column < FColumns; ++Column) {
    if (!(Touched >> Column & 1))
      continue;
    std::uint8_t* Cells = &FCells[Column * Side];
    int Write = 0;
    for (int Row = 0; Row < FHeights[Column]; ++Row)
      if (Cells[Row] != 0)
        Cells[Write++] = Cells[Row];
    std::fill(Cells + Write, Cells + FHeights[Column], std::uint8_t{0});
    FHeights[Column] = static_cast<std::uint8_t>(Write);
  }
  int Write = 0;
  for (int Column = 0; Column < FColumns; ++Column) {
    if (FHeights[Column] == 0)
      continue;
    if (Write != Column) {
      std::memcpy(&FCells[Write * Side], &FCells[Column * Side], Side);
      std::memset(&FCells[Column * Side], 0, Side);
      FHeights[Write] = FHeights[Column];
      FHeights[Column] = 0;
    }
    ++Write;
  }
  FColumns = Write;
  return Removed;
}

TGroup TPosition::GroupAt(int X, int Y) const {
  const int Row = FHeight - 1 - Y;
  if (X < 0 || X >= FColumns || Row < 0 || Row >= FHeights[X])
    return {0, 0, 0};
  const int P = X * Side + Row;
  const std::uint8_t Color = FCells[P];
  std::array<bool, Side * Side> Seen{};
  const int Size = Flood(
      P, [&](int Q) { return !Seen[Q] && FCells[Q] == Color; }, [&](int Q) { Seen[Q] = true; });
  if (Size < 2)
    return {0, 0, 0};
  return {static_cast<std::uint8_t>(P), Color, static_cast<std::uint16_t>(Size)};
}

std::uint64_t TPosition::Hash() const {
  std::uint64_t Hash = 0;
  for (int Column = 0; Column < FColumns; ++Column)
    for (int Row = 0; Row < FHeights[Column]; ++Row)
      Hash ^= Zobrist.Keys[Column * Side + Row][FCells[Column * Side + Row]];
  return Hash;
}
