// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Position.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr int Side = TPosition::Side;
// Cells are read as words for the hash: the same board must hash alike on every machine.
static_assert(std::endian::native == std::endian::little,
              "cells are hashed as little-endian words");

// Per-column keys for the hash, from a fixed splitmix sequence: every process hashes a board
// alike, so work-capped searches repeat exactly. Every key byte has its top bit set and no
// colour byte has, so a word of cells xored with a key is never zero.
struct TKeys {
  std::array<std::uint64_t, 2 * Side> Keys{};
  TKeys() {
    std::uint64_t State = 0x5EEDF00DCAFEull;
    for (std::uint64_t& Key : Keys)
      Key = Mix(State += 0x9E3779B97F4A7C15ull) | 0x8080808080808080ull;
  }
  static std::uint64_t Mix(std::uint64_t Z) {
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
    return Z ^ (Z >> 31);
  }
};
const TKeys Keys;

__extension__ using TWide = unsigned __int128;

// The two halves of a 64 x 64 bit product folded together: a fast, well mixing combiner.
std::uint64_t Fold(std::uint64_t A, std::uint64_t B) {
  const TWide Product = static_cast<TWide>(A) * B;
  return static_cast<std::uint64_t>(Product) ^ static_cast<std::uint64_t>(Product >> 64);
}

using TColumn = std::uint8_t __attribute__((vector_size(Side)));

TColumn LoadColumn(const std::uint8_t* Cells) {
  TColumn Column;
  std::memcpy(&Column, Cells, sizeof Column);
  return Column;
}

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
  bool Few = false;
  for (int Color = 1; Color <= MaxColors; ++Color) {
    if (FCounts[Color] == 1)
      return true;
    Few = Few || FCounts[Color] == 2 || FCounts[Color] == 3;
  }
  return Few && Blocked();
}

// A colour of two or three boxes must go in one move, as a group that touches every column
// between its outer boxes; the columns among them without such a box must be gone by then.
// Two of its boxes in one column must touch then, as no third box joins them through a
// neighbouring column, so the boxes between them must be gone too. Boxes never change
// columns nor their order in a column, and a colour of two or three boxes goes all at once:
// one with a box among those that must be gone goes wholly before. An order that comes
// round to where it began can never be kept.
bool TPosition::Blocked() const {
  std::array<std::uint16_t, MaxColors + 1> Holders{}; // a bit per column holding the colour
  for (int Column = 0; Column < FColumns; ++Column)
    for (int Row = 0; Row < FHeights[Column]; ++Row)
      Holders[FCells[Column * Side + Row]] |= static_cast<std::uint16_t>(1u << Column);
  unsigned OneMove = 0; // a bit per colour of two or three boxes
  for (int Color = 1; Color <= MaxColors; ++Color)
    if (FCounts[Color] == 2 || FCounts[Color] == 3)
      OneMove |= 1u << Color;
  std::array<unsigned, MaxColors + 1> Before{}; // a bit per colour that must go wholly before
  for (int A = 1; A <= MaxColors; ++A) {
    if (!(OneMove >> A & 1))
      continue;
    const unsigned Held = Holders[A];
    const unsigned Span = (2u << (15 - std::countl_zero(static_cast<std::uint16_t>(Held)))) -
                          (1u << std::countr_zero(Held));
    const unsigned Needed = Span & ~Held;
    for (int B = 1; B <= MaxColors; ++B)
      if ((Needed & Holders[B]) != 0)
        Before[A] |= 1u << B;
    for (unsigned Columns = Held; Columns != 0; Columns &= Columns - 1) {
      const std::uint8_t* Cells = &FCells[std::countr_zero(Columns) * Side];
      int Low = Side, High = -1;
      for (int Row = 0; Row < Side; ++Row)
        if (Cells[Row] == A) {
          Low = std::min(Low, Row);
          High = Row;
        }
      for (int Row = Low + 1; Row < High; ++Row)
        if (Cells[Row] != A)
          Before[A] |= 1u << Cells[Row];
    }
    Before[A] &= OneMove;
  }
  // Orders through other colours: MaxColors rounds reach every chain.
  for (int Round = 0; Round < MaxColors; ++Round)
    for (int A = 1; A <= MaxColors; ++A)
      for (unsigned Bits = Before[A]; Bits != 0; Bits &= Bits - 1)
        Before[A] |= Before[std::countr_zero(Bits)];
  for (int A = 1; A <= MaxColors; ++A)
    if (Before[A] >> A & 1)
      return true;
  return false;
}

std::uint8_t TPosition::MostFrequentColor() const {
  return static_cast<std::uint8_t>(std::max_element(FCounts.begin() + 1, FCounts.end()) -
                                   FCounts.begin());
}

int TPosition::ColorsLeft() const {
  return static_cast<int>(std::count_if(FCounts.begin() + 1, FCounts.end(),
                                        [](std::uint16_t Count) { return Count != 0; }));
}

// The lanes of a column's boxes that have a neighbour of their colour: all ones, else zero.
TColumn TPosition::Joined(int Column) const {
  const TColumn Empty{};
  const TColumn Cells = LoadColumn(&FCells[Column * Side]);
  const TColumn Left = Column > 0 ? LoadColumn(&FCells[(Column - 1) * Side]) : Empty;
  const TColumn Right = Column + 1 < Side ? LoadColumn(&FCells[(Column + 1) * Side]) : Empty;
  // The cells above and below as lanes of their own; off the column they are empty.
  const TColumn Above =
      __builtin_shufflevector(Cells, Empty, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  const TColumn Below = __builtin_shufflevector(Empty, Cells, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                                24, 25, 26, 27, 28, 29, 30);
  const auto Same = (Cells == Above) | (Cells == Below) | (Cells == Left) | (Cells == Right);
  return reinterpret_cast<TColumn>(Same & (Cells != Empty));
}

int TPosition::LoneBoxes() const {
  constexpr std::uint64_t Ones = 0x0101010101010101ull;
  int Lone = FBoxes;
  for (int Column = 0; Column < FColumns; ++Column) {
    const TColumn Lanes = Joined(Column);
    std::uint64_t Halves[2];
    std::memcpy(Halves, &Lanes, sizeof Halves);
    // One bit of each byte, summed by a multiplication: no popcount library call, which
    // is what a popcount is on the baseline instruction set.
    Lone -= static_cast<int>(((Halves[0] & Ones) * Ones) >> 56) +
            static_cast<int>(((Halves[1] & Ones) * Ones) >> 56);
  }
  return Lone;
}

void TPosition::Groups(std::vector<TGroup>& Out) const {
  constexpr std::uint64_t HighBits = 0x8080808080808080ull;
  constexpr std::uint64_t Gather = 0x0002040810204081ull; // the top bits of 8 bytes to one byte
  std::array<std::uint16_t, Side> Pending{};              // a bit per joined box not yet in a group
  for (int Column = 0; Column < FColumns; ++Column) {
    const TColumn Lanes = Joined(Column);
    std::uint64_t Halves[2];
    std::memcpy(Halves, &Lanes, sizeof Halves);
    Pending[Column] = static_cast<std::uint16_t>(((Halves[0] & HighBits) * Gather) >> 56 |
                                                 (((Halves[1] & HighBits) * Gather) >> 56) << 8);
  }
  // Lone boxes are left out at once; only groups of two or more are flooded.
  for (int Column = 0; Column < FColumns; ++Column)
    while (Pending[Column] != 0) {
      const int P = Column * Side + std::countr_zero(Pending[Column]);
      const std::uint8_t Color = FCells[P];
      const auto Bit = [](int Q) { return static_cast<std::uint16_t>(1u << (Q % Side)); };
      unsigned Columns = 0;
      const int Size = Flood(
          P, [&](int Q) { return (Pending[Q / Side] & Bit(Q)) != 0 && FCells[Q] == Color; },
          [&](int Q) {
            Pending[Q / Side] &= static_cast<std::uint16_t>(~Bit(Q));
            Columns |= 1u << (Q / Side);
          });
      Out.push_back({static_cast<std::uint8_t>(P), Color, static_cast<std::uint16_t>(Size),
                     static_cast<std::uint16_t>(Columns)});
    }
}

int TPosition::Remove(std::uint8_t Cell, std::uint16_t* Emptied) {
  if (Emptied)
    *Emptied = 0;
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
    if (Emptied && Write == 0)
      *Emptied = static_cast<std::uint16_t>(*Emptied | 1u << Column);
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
  for (int Column = 0; Column < FColumns; ++Column) {
    std::uint64_t Words[2];
    std::memcpy(Words, &FCells[Column * Side], sizeof Words);
    Hash ^= Fold(Words[0] ^ Keys.Keys[2 * Column], Words[1] ^ Keys.Keys[2 * Column + 1]);
  }
  return TKeys::Mix(Hash);
}

bool TPosition::SameBoxes(const TPosition& Other) const {
  return FColumns == Other.FColumns &&
         std::memcmp(FCells.data(), Other.FCells.data(), Packed().size()) == 0;
}

std::size_t TPosition::PackNibbles(std::uint8_t* Out) const {
  // Eight cells of a word to four bytes: each byte joins its odd neighbour, then the bytes
  // kept close up. Words rather than lanes: the baseline instruction set has no byte shuffle.
  const auto Pack = [](std::uint64_t Word) {
    Word = (Word | Word >> 4) & 0x00FF00FF00FF00FFull;
    Word = (Word | Word >> 8) & 0x0000FFFF0000FFFFull;
    return static_cast<std::uint32_t>(Word | Word >> 16);
  };
  for (int Column = 0; Column < FColumns; ++Column) {
    std::uint64_t Words[2];
    std::memcpy(Words, &FCells[Column * Side], sizeof Words);
    const std::uint32_t Packed[2] = {Pack(Words[0]), Pack(Words[1])};
    std::memcpy(Out + Column * Side / 2, Packed, sizeof Packed);
  }
  return static_cast<std::size_t>(FColumns) * Side / 2;
}

int TPosition::Split() const {
  // A colour in both outer columns crosses every boundary: most boards end here.
  if (FColumns < 2)
    return 0;
  unsigned First = 0, Last = 0;
  for (int Row = 0; Row < FHeights[0]; ++Row)
    First |= 1u << FCells[Row];
  for (int Row = 0; Row < FHeights[FColumns - 1]; ++Row)
    Last |= 1u << FCells[(FColumns - 1) * Side + Row];
  if ((First & Last) != 0)
    return 0;
  // A bit per boundary before column K (bit K) that some colour has boxes on both sides of.
  std::array<std::uint16_t, MaxColors + 1> Holders{};
  for (int Column = 0; Column < FColumns; ++Column)
    for (int Row = 0; Row < FHeights[Column]; ++Row)
      Holders[FCells[Column * Side + Row]] |= static_cast<std::uint16_t>(1u << Column);
  unsigned Crossed = 0;
  for (int Color = 1; Color <= MaxColors; ++Color)
    if (const unsigned Held = Holders[Color]; Held != 0) {
      const int First = std::countr_zero(Held);
      const int Last = 31 - std::countl_zero(Held);
      Crossed |= (2u << Last) - (2u << First); // boundaries First+1..Last
    }
  const unsigned Inner = (1u << FColumns) - 2; // boundaries 1..FColumns-1
  const unsigned Free = Inner & ~Crossed;
  return Free == 0 ? 0 : std::countr_zero(Free);
}

TPosition TPosition::Part(int From, int To) const {
  TPosition Result;
  Result.FWidth = FWidth;
  Result.FHeight = FHeight;
  Result.FColumns = To - From;
  std::memcpy(&Result.FCells[0], &FCells[static_cast<std::size_t>(From) * Side],
              static_cast<std::size_t>(To - From) * Side);
  for (int Column = 0; Column < Result.FColumns; ++Column) {
    Result.FHeights[Column] = FHeights[From + Column];
    Result.FBoxes += FHeights[From + Column];
    for (int Row = 0; Row < FHeights[From + Column]; ++Row)
      ++Result.FCounts[Result.FCells[Column * Side + Row]];
  }
  return Result;
}
