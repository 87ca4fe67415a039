// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Game.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

// Depth-first flood over the orthogonally connected cells for which Match holds,
// applying Change to each. A cell is changed as it is pushed, and Change must make Match
// false for it, so every cell is pushed at most once and the fixed stack cannot overflow.
// Coordinates are packed as X + 16 * Y into one byte. Returns the number of cells changed.
template <class TMatch, class TChange>
int Flood(TMap& Map, int X, int Y, TMatch Match, TChange Change) {
  const int W = Map.Width();
  const int H = Map.Height();
  TCell* Cells = Map.Cells();
  std::array<std::uint8_t, TMap::MaxCells> Stack;
  int Top = 0;
  int Changed = 0;
  auto Visit = [&](int CX, int CY) {
    TCell& Cell = Cells[CX + CY * W];
    if (Match(Cell)) {
      Change(Cell);
      Stack[Top++] = static_cast<std::uint8_t>(CX | (CY << 4));
      ++Changed;
    }
  };
  Visit(X, Y);
  while (Top > 0) {
    const int Packed = Stack[--Top];
    const int CX = Packed & 15;
    const int CY = Packed >> 4;
    if (CX > 0)
      Visit(CX - 1, CY);
    if (CX < W - 1)
      Visit(CX + 1, CY);
    if (CY > 0)
      Visit(CX, CY - 1);
    if (CY < H - 1)
      Visit(CX, CY + 1);
  }
  return Changed;
}

void MarkRegion(TMap& Map, int X, int Y, std::uint8_t Mark) {
  const std::uint8_t Color = Map.GetColor(X, Y); // raises outside the board
  Flood(
      Map, X, Y, [=](const TCell& C) { return C.Color == Color && C.Mark != Mark; },
      [=](TCell& C) { C.Mark = Mark; });
}

bool ColumnEmpty(const TMap& Map, int X) {
  const TCell* Cell = Map.Cells() + X;
  for (int Y = 0; Y < Map.Height(); ++Y, Cell += Map.Width())
    if (Cell->Color != 0)
      return false;
  return true;
}

void CopyColumnColors(TMap& Map, int From, int To) {
  TCell* Cells = Map.Cells();
  for (int Y = 0, Row = 0; Y < Map.Height(); ++Y, Row += Map.Width())
    Cells[To + Row].Color = Cells[From + Row].Color;
}

void EmptyColumn(TMap& Map, int X) {
  TCell* Cells = Map.Cells();
  for (int Y = 0, Row = 0; Y < Map.Height(); ++Y, Row += Map.Width())
    Cells[X + Row].Color = 0;
}

// Packs the boxes of a column at its bottom, keeping their order.
void DropColumn(TMap& Map, int X) {
  const int W = Map.Width();
  TCell* Column = Map.Cells() + X;
  int Write = Map.Height() - 1;
  for (int Read = Map.Height() - 1; Read >= 0; --Read) {
    const std::uint8_t Color = Column[Read * W].Color;
    Column[Write * W].Color = Color;
    if (Color != 0)
      --Write;
  }
  for (; Write >= 0; --Write)
    Column[Write * W].Color = 0;
}

// What one pass over the cells finds out for the solver's hot path.
struct TCellScan {
  int Boxes;
  std::uint32_t Unsettled; // bit X: column X holds a box above an empty cell
};

// Eight cells as 16-bit lanes, the colour in the low byte. The solver settles millions of
// boards, and a cell at a time dominated its cost.
using TLanes = std::uint16_t __attribute__((vector_size(16)));
constexpr int LaneCount = 8;
constexpr int MaxVectorsPerRow = TMap::MaxSize / LaneCount;

// Eight cells of a row as lanes: clears their marks, counts their boxes and collects the
// lanes that hold a box above an empty cell of the row below.
struct TLaneScan {
  TLanes Boxes{};
  TLanes Above{};
  TLanes Holes{};

  void Next(TCell* Cell) {
    const TLanes ColorBytes = TLanes{} + 0x00FF;
    TLanes Lanes;
    std::memcpy(&Lanes, Cell, sizeof Lanes);
    Lanes &= ColorBytes;
    std::memcpy(Cell, &Lanes, sizeof Lanes);
    const auto Occupied = reinterpret_cast<TLanes>(Lanes != 0); // all ones where a box is
    Boxes -= Occupied;
    Holes |= Above & ~Occupied;
    Above = Occupied;
  }
};

// Clears every mark, counts the boxes and finds the columns that gravity will change.
TCellScan ScanCells(TMap& Map) {
  static_assert(std::endian::native == std::endian::little, "TCell::Color is the low byte");
  static_assert(MaxVectorsPerRow == 2, "a row is at most two vectors");
  const int W = Map.Width();
  const int Vectors = W / LaneCount;
  TCell* Cell = Map.Cells();
  TLaneScan Left;  // columns 0..7
  TLaneScan Right; // columns 8..15
  int Boxes = 0;
  std::uint32_t TailAbove = 0;
  std::uint32_t Unsettled = 0;
  for (int Y = 0; Y < Map.Height(); ++Y) {
    if (Vectors > 0)
      Left.Next(Cell);
    if (Vectors > 1)
      Right.Next(Cell + LaneCount);
    Cell += LaneCount * Vectors;
    std::uint32_t Tail = 0; // the cells right of the last whole vector, a bit per column
    for (int X = LaneCount * Vectors; X < W; ++X, ++Cell) {
      Cell->Mark = 0;
      Boxes += Cell->Color != 0;
      Tail |= static_cast<std::uint32_t>(Cell->Color != 0) << X;
    }
    Unsettled |= TailAbove & ~Tail;
    TailAbove = Tail;
  }
  for (int K = 0; K < LaneCount; ++K) {
    Boxes += Left.Boxes[K] + Right.Boxes[K];
    Unsettled |= static_cast<std::uint32_t>(Left.Holes[K] != 0) << K;
    Unsettled |= static_cast<std::uint32_t>(Right.Holes[K] != 0) << (LaneCount + K);
  }
  return {Boxes, Unsettled};
}

// Copies the colours of a map of the same size with every mark 0 and counts the boxes:
// Assign followed by the quick recount, in one pass.
int CopyWithoutMarks(TMap& Dest, const TMap& Source) {
  constexpr std::uint64_t ColorBytes = 0x00FF00FF00FF00FFull;
  constexpr std::uint64_t Carries = 0x0100010001000100ull;
  const int Count = Source.CellCount();
  const TCell* From = Source.Cells();
  TCell* To = Dest.Cells();
  std::uint64_t LaneSums = 0;
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    std::uint64_t Word;
    std::memcpy(&Word, From + I, sizeof Word);
    Word &= ColorBytes;
    std::memcpy(To + I, &Word, sizeof Word);
    LaneSums += ((Word + ColorBytes) & Carries) >> 8;
  }
  int Boxes = static_cast<int>((LaneSums * 0x0001000100010001ull) >> 48);
  for (; I < Count; ++I) {
    To[I] = {From[I].Color, 0};
    Boxes += From[I].Color != 0;
  }
  return Boxes;
}

} // namespace

TGame::TGame() {
  NewGame();
}

TGame::~TGame() = default;

void TGame::SetWidth(int Value) {
  Value = TMap::ClampSize(Value);
  if (Value == FWidth)
    return;
  FWidth = Value;
  Restart();
}

void TGame::SetHeight(int Value) {
  Value = TMap::ClampSize(Value);
  if (Value == FHeight)
    return;
  FHeight = Value;
  Restart();
}

void TGame::SetColors(std::uint8_t Value) {
  if (Value > MaxColors)
    Value = MaxColors;
  if (Value < MinColors)
    Value = MinColors;
  if (Value == FColors)
    return;
  FColors = Value;
  Restart();
}

void TGame::NewGame() {
  ClearMaps();
  FCurrent = 0;
  auto Map = std::make_unique<TGameMap>();
  Map->SetWidth(FWidth);
  Map->SetHeight(FHeight);
  Map->FillRandom(FColors);
  FMaps.push_back(std::move(Map));
  Recount();
}

void TGame::ClearMaps() {
  FMaps.clear();
  FPool.clear(); // the next maps may have another size
}

void TGame::DiscardRedo() {
  while (static_cast<int>(FMaps.size()) - 1 > FCurrent) {
    FPool.push_back(std::move(FMaps.back()));
    FMaps.pop_back();
  }
}

std::unique_ptr<TGameMap> TGame::NewMap() {
  if (!FPool.empty()) {
    auto Map = std::move(FPool.back());
    FPool.pop_back();
    return Map;
  }
  auto Map = std::make_unique<TGameMap>();
  Map->SetWidth(FWidth);
  Map->SetHeight(FHeight);
  return Map;
}

TGameMap& TGame::CurrentMap() {
  if (FMaps.empty())
    throw EGameException("There are no maps yet in this game.");
  return *FMaps[static_cast<std::size_t>(FCurrent)];
}

const TGameMap& TGame::CurrentMap() const {
  return const_cast<TGame*>(this)->CurrentMap();
}

bool TGame::HasNeighbour(int X, int Y) const {
  const TGameMap& Map = CurrentMap();
  if (!Map.Contains(X, Y))
    return false;
  const int W = Map.Width();
  const TCell* Cell = Map.Cells() + X + Y * W;
  const std::uint8_t Color = Cell->Color;
  return (Y > 0 && Cell[-W].Color == Color) || (X > 0 && Cell[-1].Color == Color) ||
         (Y < Map.Height() - 1 && Cell[W].Color == Color) || (X < W - 1 && Cell[1].Color == Color);
}

void TGame::RemoveGroup(int X, int Y) {
  const TGameMap& Old = CurrentMap();
  if (Old.Contains(X, Y)) {
    const std::uint8_t Color = Old.Cells()[X + Y * Old.Width()].Color;
    if (Color != 0) {
      DiscardRedo(); // never touches the current map
      auto Map = NewMap();
      int Boxes = 0;
      if (FQuickCount)
        Boxes = CopyWithoutMarks(*Map, Old);
      else
        Map->Assign(Old);
      const int Removed = Flood(
          *Map, X, Y, [=](const TCell& C) { return C.Color == Color; },
          [](TCell& C) { C.Color = 0; });
      FMaps.push_back(std::move(Map));
      FCurrent = static_cast<int>(FMaps.size()) - 1;
      if (FQuickCount) {
        // The copy has done the quick recount's work already.
        FMaps.back()->BoxCount = Boxes - Removed;
        FMaps.back()->GroupCount = 0;
        return;
      }
    }
  }
  Recount();
}

void TGame::MarkGroup(int X, int Y, std::uint8_t Mark) {
  MarkRegion(CurrentMap(), X, Y, Mark);
}

void TGame::Recount() {
  TGameMap& Map = CurrentMap();
  TCell* Cells = Map.Cells();
  const int Count = Map.CellCount();
  int Boxes = 0;
  int Groups = 0;
  if (FQuickCount) {
    Boxes = ScanCells(Map).Boxes;
  } else {
    Map.ClearMarks();
    for (int I = 0; I < Count; ++I) {
      if (Cells[I].Color == 0)
        continue;
      ++Boxes;
      if (Cells[I].Mark == 0) {
        MarkRegion(Map, I % Map.Width(), I / Map.Width(), 1);
        ++Groups;
      }
    }
    Map.ClearMarks();
  }
  Map.BoxCount = Boxes;
  Map.GroupCount = Groups;
}

void TGame::Undo() {
  if (FCurrent > 0)
    --FCurrent;
}

void TGame::Redo() {
  if (FCurrent < static_cast<int>(FMaps.size()) - 1)
    ++FCurrent;
}

void TGame::AssignSettings(const TGame& Source) {
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
  FColors = Source.FColors;
  FQuickCount = Source.FQuickCount;
  Restart();
}

bool TGame::FallOneRow(TGameMap& Map) {
  const int W = Map.Width();
  TCell* Cells = Map.Cells();
  bool Moved = false;
  // Bottom-up, so a whole stack above a hole comes down together in one call.
  for (int Y = Map.Height() - 2; Y >= 0; --Y) {
    for (int X = W - 1; X >= 0; --X) {
      TCell& Upper = Cells[X + Y * W];
      TCell& Lower = Cells[X + (Y + 1) * W];
      if (Upper.Color != 0 && Lower.Color == 0) {
        Lower.Color = Upper.Color;
        Upper.Color = 0;
        Moved = true;
      }
    }
  }
  return Moved;
}

bool TGame::CloseOneColumn(TGameMap& Map) {
  const int W = Map.Width();
  int Right = W - 1;
  while (Right > 0 && ColumnEmpty(Map, Right))
    --Right;
  for (int Left = 0; Left < Right; ++Left) {
    if (!ColumnEmpty(Map, Left))
      continue;
    for (int X = Left + 1; X < W; ++X)
      CopyColumnColors(Map, X, X - 1);
    EmptyColumn(Map, W - 1);
    return true;
  }
  return false;
}

bool TGame::FallStep() {
  TGameMap& Map = CurrentMap();
  // Columns close only once every box rests.
  const bool Moved = FallOneRow(Map) || CloseOneColumn(Map);
  Recount();
  return !Moved;
}

void TGame::Collapse() {
  TGameMap& Map = CurrentMap();
  const int W = Map.Width();
  const TCell* Bottom = Map.Cells() + (Map.Height() - 1) * W;
  // Only columns with a hole under a box change; the scan also does the quick recount's
  // work, as neither dropping nor closing changes the number of boxes or writes a mark.
  const TCellScan Scan = ScanCells(Map);
  for (std::uint32_t Columns = Scan.Unsettled; Columns != 0; Columns &= Columns - 1)
    DropColumn(Map, std::countr_zero(Columns));
  // After the drop a column holds a box exactly when its bottom cell does.
  int Right = W - 1;
  while (Right >= 0 && Bottom[Right].Color == 0)
    --Right;
  if (Right >= 1) {
    int Dest = 0;
    for (int Source = 0; Source <= Right; ++Source) {
      if (Bottom[Source].Color == 0)
        continue;
      if (Dest != Source)
        CopyColumnColors(Map, Source, Dest);
      ++Dest;
    }
    for (; Dest <= Right; ++Dest)
      EmptyColumn(Map, Dest);
  }
  if (FQuickCount) {
    Map.BoxCount = Scan.Boxes;
    Map.GroupCount = 0;
  } else {
    Recount();
  }
}
