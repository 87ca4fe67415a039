// SPDX-License-Identifier: GPL-3.0-or-later
// The search against an independent exhaustive check, and stopping long searches.

#include "Boards.h"
#include "model/Random.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

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
