// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One board position: a grid of cells, each a colour byte and a scratch mark byte.

#include <cstdint>
#include <memory>
#include <stdexcept>

class TRandom;

struct TCell {
  std::uint8_t Color; // 0 = empty, 1..7 = box colour
  std::uint8_t Mark;  // 0 = unmarked; scratch byte of the flood fills
};
static_assert(sizeof(TCell) == 2, "a cell is exactly two bytes");

class EMapException : public std::runtime_error {
public:
  using runtime_error::runtime_error;
};

class TMap {
public:
  static constexpr int MinSize = 3;
  static constexpr int MaxSize = 16;
  static constexpr int MaxCells = MaxSize * MaxSize;

  // Board sizes outside 3..16 are clamped into it, never refused.
  static int ClampSize(int Value) {
    return Value > MaxSize ? MaxSize : Value < MinSize ? MinSize : Value;
  }

  TMap(); // 8 by 8, every byte 0
  virtual ~TMap();
  TMap(const TMap&) = delete;
  TMap& operator=(const TMap&) = delete;

  int Width() const { return FWidth; }
  // Clamps to 3..16; a changed size reallocates a zeroed block.
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);

  // A fresh zeroed block of Width x Height cells; old contents are dropped.
  void Reallocate();

  // Bounds-checked access; outside the board they raise EMapException.
  TCell& CellPtr(int X, int Y);
  std::uint8_t GetColor(int X, int Y) const;
  void SetColor(int X, int Y, std::uint8_t Value);
  std::uint8_t GetMark(int X, int Y) const;

  // One draw per cell in element order: colour 1..N, mark 0.
  void FillRandom(std::uint8_t N);
  void FillRandom(std::uint8_t N, TRandom& Random);
  // Copies both bytes of every cell from a map of the same size; counters are not copied.
  void Assign(const TMap& Source);
  void ClearMarks();
  // The boxes joined to (X, Y) through same-coloured orthogonal neighbours, itself
  // included; 0 for an empty cell or a point off the map. Reads only; marks are untouched.
  int GroupSize(int X, int Y) const;

  bool Contains(int X, int Y) const { return X >= 0 && X < FWidth && Y >= 0 && Y < FHeight; }
  int CellCount() const { return FWidth * FHeight; }
  // Unchecked row-major block (cell (X, Y) at X + Y * Width) for the model's inner loops.
  TCell* Cells() { return FCells.get(); }
  const TCell* Cells() const { return FCells.get(); }

private:
  const TCell& CheckedCell(int X, int Y) const;

  std::unique_ptr<TCell[]> FCells;
  int FWidth;
  int FHeight;
};

class TGameMap : public TMap {
public:
  int BoxCount = 0;
  int GroupCount = 0;
};
