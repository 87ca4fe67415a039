// SPDX-License-Identifier: GPL-3.0-or-later
// The search against an independent exhaustive check, and stopping long searches.

#include "Boards.h"
#include "model/Random.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>

namespace {

// A board as a column-major string, bottom to top in each column, so that settling is
// "drop the empty cells of each column, then drop the empty columns".
struct TPlainBoard {
  int W;
  int H;
  std::string Cells; // '\0' is empty
  char& At(int X, int Y) { return Cells[static_cast<std::size_t>(X * H + Y)]; }
};

TPlainBoard FromMap(const TMap& Map) {
  TPlainBoard Board{Map.Width(), Map.Height(), {}};
  Board.Cells.assign(static_cast<std::size_t>(Board.W * Board.H), '\0');
  for (int X = 0; X < Board.W; ++X)
    for (int Y = 0; Y < Board.H; ++Y)
      Board.At(X, Y) = static_cast<char>(Map.GetColor(X, Board.H - 1 - Y));
  return Board;
}

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

// Tries every group of two or more on copies of the board; boards known to be dead are
// remembered, so the check stays quick where the solver's search does not.
class TExhaustiveCheck {
public:
  bool Clearable(const TPlainBoard& Board) {
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

private:
  std::unordered_map<std::string, bool> FKnown;
};

TEST(SolverAgreement, AnswersLikeAnExhaustiveCheckOnSmallRandomBoards) {
  int Solved = 0;
  int Stumped = 0;
  for (std::uint32_t Seed = 1; Seed <= 80; ++Seed) {
    SCOPED_TRACE(Seed);
    SeedRandom(Seed);
    TGame Player;
    Player.SetWidth(4 + static_cast<int>(Seed % 2));
    Player.SetHeight(4 + static_cast<int>(Seed / 2 % 2));
    Player.SetColors(static_cast<std::uint8_t>(2 + Seed / 4 % 2));
    Player.NewGame();
    const bool Expected = TExhaustiveCheck().Clearable(FromMap(Player.CurrentMap()));

    TSolver Solver(Player);
    Solver.WaitFor();
    const TGame& Copy = Solver.Game();
    if (Expected) {
      ++Solved;
      ASSERT_EQ(Solver.State(), ssSolved);
      EXPECT_EQ(static_cast<int>(Copy.Maps().size()), Copy.Current() + 1);
      // The history must be a real sequence of moves that ends on an empty board.
      TGame Replay;
      EXPECT_EQ(ReplayPath(Copy, Replay), Copy.Current());
      EXPECT_EQ(Replay.BoxCount(), 0);
    } else {
      ++Stumped;
      ASSERT_EQ(Solver.State(), ssStumped);
      EXPECT_EQ(Copy.Current(), 0);
    }
  }
  // Both answers must be well represented for the comparison to mean anything.
  EXPECT_GE(Solved, 10);
  EXPECT_GE(Stumped, 10);
}

// A board whose search runs for tens of millions of removals, far longer than any test
// waits; most random 16x16 boards in three colours are cleared within a few thousand.
std::unique_ptr<TGame> LargeBoard() {
  SeedRandom(79);
  auto Player = std::make_unique<TGame>();
  Player->SetWidth(16);
  Player->SetHeight(16);
  Player->SetColors(3);
  Player->NewGame();
  return Player;
}

// Waits until the search has gone some way, without making time part of the result.
void WaitForNodes(const TSolver& Solver, std::uint64_t Nodes) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (Solver.Nodes() < Nodes && Solver.State() != ssSolved && Solver.State() != ssStumped &&
         std::chrono::steady_clock::now() < Deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(SolverStop, StopRightAfterCreationEndsIdle) {
  auto Player = LargeBoard();
  TSolver Solver(*Player);
  Solver.Stop();
  EXPECT_TRUE(Solver.Terminated());
  EXPECT_EQ(Solver.State(), ssIdle);
  TGame Replay;
  EXPECT_EQ(ReplayPath(Solver.Game(), Replay), Solver.Game().Current());
}

TEST(SolverStop, StopDuringALongRunEndsIdleOnAConsistentPath) {
  auto Player = LargeBoard();
  TSolver Solver(*Player);
  WaitForNodes(Solver, 20000);
  ASSERT_EQ(Solver.State(), ssSolving);
  Solver.Stop();
  const TGame& Copy = Solver.Game();
  EXPECT_EQ(Solver.State(), ssIdle);
  EXPECT_GE(Solver.Nodes(), 20000u);
  EXPECT_LE(Copy.Maps().size(), 129u);
  EXPECT_GT(Copy.Current(), 0);
  // Whatever was being examined, the path up to it is made of real moves.
  TGame Replay;
  EXPECT_EQ(ReplayPath(Copy, Replay), Copy.Current());
}

TEST(SolverStop, DestroyingARunningSolverStopsIt) {
  auto Player = LargeBoard();
  auto Solver = std::make_unique<TSolver>(*Player);
  Player.reset();
  WaitForNodes(*Solver, 1000);
  ASSERT_EQ(Solver->State(), ssSolving);
  Solver.reset(); // must stop and join before the copy is freed; sanitizers watch this
}

} // namespace
