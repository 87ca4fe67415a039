// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settled board packed for the searches: column-major, each column bottom-up, with the
// heights kept, so removing a group and settling touch only the columns it was in.

#include "model/Map.h"
#include "solver/SearchTypes.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// A group of two or more boxes, named by one of its cells (Column * 16 + Row from the bottom):
// the lowest box of its leftmost column.
struct TGroup {
  std::uint8_t Cell;
  std::uint8_t Color;
  std::uint16_t Size;
  std::uint16_t Columns = 0; // a bit per column it has boxes in
};

class TPosition {
public:
  static constexpr int Side = TMap::MaxSize;
  static constexpr int MaxColors = 7;

  // Settles the colours of Board: boxes drop, empty columns close to the left.
  static TPosition Settled(const TMap& Board);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Columns() const { return FColumns; }
  int Boxes() const { return FBoxes; }
  int Count(std::uint8_t Color) const { return FCounts[Color]; }
  std::uint8_t At(int Column, int Row) const { return FCells[Column * Side + Row]; }
  // The cell (X, Y) of the board as the game shows it, Y from the top.
  std::uint8_t ColorAt(int X, int Y) const { return At(X, FHeight - 1 - Y); }
  // True when the board can never be cleared: a colour has a single box, or colours of two
  // or three boxes each stand in the way of the next, round to the first.
  bool Dead() const;
  std::uint8_t MostFrequentColor() const;
  int ColorsLeft() const;

  // Boxes without a neighbour of their colour: no flood fill needed to count them.
  int LoneBoxes() const;
  // Appends every group of two or more.
  void Groups(std::vector<TGroup>& Out) const;
  // Removes the group of the given cell and settles; returns the boxes removed. Emptied, when
  // given, gets a bit per column (as numbered before) that the removal emptied.
  int Remove(std::uint8_t Cell, std::uint16_t* Emptied = nullptr);
  // The group at (X, Y) counted from the top, or a group of Size 0 when there is none.
  TGroup GroupAt(int X, int Y) const;
  // The move that removes the group of Cell, in the game's coordinates.
  TRemoval Removal(std::uint8_t Cell) const { return {Cell / Side, FHeight - 1 - Cell % Side}; }

  // A hash of the boxes, the same in every process; collisions can be built, so it only
  // sorts boards, and boards it calls alike are compared with SameBoxes.
  std::uint64_t Hash() const;
  // The columns' cells, bottom-up, zero above each column's boxes: equal only for equal boards.
  std::span<const std::uint8_t> Packed() const {
    return {FCells.data(), static_cast<std::size_t>(FColumns) * Side};
  }
  bool SameBoxes(const TPosition& Other) const;
  // The packed cells two to a byte (colours are below 16) into Out, which holds Side * Side / 2
  // bytes; returns the bytes written, eight a column.
  std::size_t PackNibbles(std::uint8_t* Out) const;

  // The first column from which on no colour of the columns before it is met again, so the
  // board is two games side by side; 0 when there is none.
  int Split() const;
  // Columns From..To-1 alone, moved to the left, on a board of the same size.
  TPosition Part(int From, int To) const;

private:
  // Sixteen cells as lanes, for the neighbour comparisons of whole columns.
  using TColumn = std::uint8_t __attribute__((vector_size(Side)));

  bool Blocked() const;
  TColumn Joined(int Column) const;

  std::array<std::uint8_t, Side * Side> FCells{}; // 0 beyond every column's height
  std::array<std::uint8_t, Side> FHeights{};
  std::array<std::uint16_t, MaxColors + 1> FCounts{};
  int FWidth = 0;
  int FHeight = 0;
  int FColumns = 0; // occupied columns, all at the left
  int FBoxes = 0;
};
