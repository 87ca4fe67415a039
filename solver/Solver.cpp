// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Solver.h"

#include <bit>
#include <cstring>

namespace {

// Colour and mark read as one little-endian 16-bit value: 1..255 is a box without a mark.
// One branch instead of two keeps the scan of a level from mispredicting at every box.
bool UntriedBox(const TCell& Cell) {
  static_assert(std::endian::native == std::endian::little, "TCell::Color is the low byte");
  std::uint16_t Bytes;
  std::memcpy(&Bytes, &Cell, sizeof Bytes);
  return static_cast<std::uint16_t>(Bytes - 1u) < 0xFFu;
}

// TGame::HasNeighbour on this level's map, which is the current one. Made here on the
// cached cells, as the call's way to the current map through the history cost a fifth of
// the whole search.
bool HasNeighbour(const TCell* Cells, int W, int H, int X, int Y) {
  const TCell* Cell = Cells + X + Y * W;
  const std::uint8_t Color = Cell->Color;
  return (Y > 0 && Cell[-W].Color == Color) || (X > 0 && Cell[-1].Color == Color) ||
         (Y < H - 1 && Cell[W].Color == Color) || (X < W - 1 && Cell[1].Color == Color);
}

} // namespace

TSolver::TSolver(const TGame& Player) {
  FGame.AssignSettings(Player);
  // Box counts only: the search recounts after every removal and every settling.
  FGame.SetQuickCount(true);
  FGame.CurrentMap().Assign(Player.CurrentMap());
  // The player's board may be copied before its boxes have fallen.
  FGame.Collapse();
  FGame.CurrentMap().ClearMarks();
  FThread = std::thread(&TSolver::Execute, this);
}

TSolver::~TSolver() {
  Stop();
}

void TSolver::WaitFor() {
  if (FThread.joinable())
    FThread.join();
}

void TSolver::Stop() {
  Terminate();
  WaitFor();
}

void TSolver::Execute() {
  FState.store(ssSolving, std::memory_order_release);
  const std::uint8_t Result = Solve();
  FState.store(Result, std::memory_order_release);
}

void TSolver::CountNode() {
  // Only this thread writes the counter, so no read-modify-write is needed.
  FNodes.store(FNodes.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

// One level of the search: tries every group of the current board once, in column order.
// A level that gives up steps back itself; on success or a stop nobody steps back, so the
// history then holds the path that was being examined.
std::uint8_t TSolver::Solve() {
  const int W = FGame.Width();
  const int H = FGame.Height();
  // This level's map stays current whenever its cells are read: a nested call that gives
  // up steps back to it, and after a stop the next poll returns before any read.
  const TCell* Cells = FGame.CurrentMap().Cells();
  const TCell* Bottom = Cells + (H - 1) * W;
  for (int X = 0; X < W; ++X) {
    // Every board searched is settled, so from the first column with an empty bottom cell
    // on, every cell is empty and fails the colour test: only the polls of the stop request
    // remain, and one poll answers as many in a row would.
    if (Bottom[X].Color == 0) {
      if (Terminated())
        return ssIdle;
      break;
    }
    for (int Y = 0; Y < H; ++Y) {
      if (Terminated())
        return ssIdle;
      // The mark keeps a group from being tried twice from the same board.
      if (!UntriedBox(Cells[X + Y * W]) || !HasNeighbour(Cells, W, H, X, Y))
        continue;
      FGame.MarkGroup(X, Y, 1);
      CountNode();
      FGame.RemoveGroup(X, Y);
      FGame.Collapse();
      if (FGame.BoxCount() == 0)
        return ssSolved;
      if (Solve() == ssSolved)
        return ssSolved;
    }
  }
  FGame.Undo();
  return ssStumped;
}
