// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's copy of the board and the search on small hand-made boards.

#include "solver/Solver.h"
#include "Boards.h"

#include "model/Random.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SolverSearch, LoneBoxesAreStumpedWithoutAnyRemoval) {
  TGame Player;
  SetBoard(Player, {"121", "212", "121"});
  TSolver Solver(Player);
  Solver.WaitFor();
  EXPECT_EQ(Solver.State(), ssStumped);
  EXPECT_EQ(Solver.Nodes(), 0u);
  EXPECT_EQ(Solver.Game().Maps().size(), 1u);
  EXPECT_EQ(Solver.Game().Current(), 0);
}

TEST(SolverSearch, PairIsSolvedInOneRemoval) {
  TGame Player;
  SetBoard(Player, {"...", "...", "33."});
  TSolver Solver(Player);
  Solver.WaitFor();
  EXPECT_EQ(Solver.State(), ssSolved);
  EXPECT_EQ(Solver.Nodes(), 1u);
  ASSERT_EQ(Solver.Game().Maps().size(), 2u);
  EXPECT_EQ(Solver.Game().Current(), 1);
  EXPECT_EQ(Solver.Game().BoxCount(), 0);
}

// The left pair of 1s leads to a lone 1; the search must step back twice, skip the
// second 1 of that pair as already tried, and clear the board through the 2s instead.
TEST(SolverSearch, StepsBackFromDeadEndAndSkipsTheTriedGroup) {
  TGame Player;
  SetBoard(Player, {".....", ".....", "11221"});
  TSolver Solver(Player);
  Solver.WaitFor();
  const TGame& Copy = Solver.Game();
  EXPECT_EQ(Solver.State(), ssSolved);
  EXPECT_EQ(Solver.Nodes(), 4u); // 1s, 2s (dead end), then 2s, 1s
  ASSERT_EQ(Copy.Maps().size(), 3u);
  EXPECT_EQ(Copy.Current(), 2);
  EXPECT_EQ(BoardRows(*Copy.Maps()[1]), (std::vector<std::string>{".....", ".....", "111.."}));
  // The abandoned first group stays marked on the starting board.
  EXPECT_EQ(Copy.Maps()[0]->GetMark(0, 2), 1);
  EXPECT_EQ(Copy.Maps()[0]->GetMark(1, 2), 1);
  EXPECT_EQ(Copy.Maps()[0]->GetMark(4, 2), 0);
}

// Columns are searched before rows: the vertical pair in column 0 comes first and fails.
TEST(SolverSearch, VisitsColumnsTopDownBeforeMovingRight) {
  TGame Player;
  SetBoard(Player, {"....", "1...", "1221"});
  TSolver Solver(Player);
  Solver.WaitFor();
  EXPECT_EQ(Solver.State(), ssSolved);
  EXPECT_EQ(Solver.Nodes(), 4u);
  ASSERT_EQ(Solver.Game().Current(), 2);
  EXPECT_EQ(BoardRows(*Solver.Game().Maps()[1]),
            (std::vector<std::string>{"....", "1...", "11.."}));
}

TEST(SolverCopy, SettlesTheCurrentBoardAndDropsThePlayersHistoryAndMarks) {
  auto Player = std::make_unique<TGame>();
  Player->SetColors(2);
  SetBoard(*Player, {"111", "222", "111"});
  Player->RemoveGroup(0, 0);
  Player->RemoveGroup(0, 1);
  ASSERT_EQ(Player->Maps().size(), 3u);
  // Unsettled: a hole in column 0, column 1 empty.
  SetBoard(*Player, {"2..", "..1", "1.2"});
  Player->MarkGroup(0, 0, 1);
  ASSERT_EQ(Player->CurrentMap().GetMark(0, 0), 1);

  TSolver Solver(*Player);
  Player.reset(); // the solver must not need it any more
  Solver.WaitFor();

  const TGame& Copy = Solver.Game();
  EXPECT_EQ(Solver.State(), ssStumped);
  EXPECT_EQ(Copy.Width(), 3);
  EXPECT_EQ(Copy.Height(), 3);
  EXPECT_EQ(Copy.Colors(), 2);
  EXPECT_TRUE(Copy.QuickCount());
  ASSERT_EQ(Copy.Maps().size(), 1u);
  const TGameMap& Start = *Copy.Maps().front();
  EXPECT_EQ(BoardRows(Start), (std::vector<std::string>{"...", "21.", "12."}));
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 3; ++X)
      EXPECT_EQ(Start.GetMark(X, Y), 0) << X << "," << Y;
  EXPECT_EQ(Start.BoxCount, 4);
  EXPECT_EQ(Start.GroupCount, 0);
}

TEST(SolverLifecycle, StopAfterTheRunKeepsTheAnswerAndCanBeRepeated) {
  TGame Player;
  SetBoard(Player, {"...", "...", "33."});
  TSolver Solver(Player);
  Solver.WaitFor();
  Solver.WaitFor();
  Solver.Stop();
  Solver.Stop();
  EXPECT_TRUE(Solver.Terminated());
  EXPECT_EQ(Solver.State(), ssSolved);
  EXPECT_EQ(Solver.Nodes(), 1u);
}

// The solver's game counts boxes only and takes the quick paths of removal and settling;
// on every board size they must leave what the full count leaves.
TEST(SolverCopy, QuickCountingGameMovesLikeAFullyCountingOne) {
  for (int Size = 3; Size <= 16; ++Size) {
    SCOPED_TRACE(Size);
    SeedRandom(static_cast<std::uint32_t>(Size));
    TGame Full;
    Full.SetWidth(Size);
    Full.SetHeight(19 - Size);
    Full.SetColors(4);
    TGame Quick;
    Quick.AssignSettings(Full);
    Quick.SetQuickCount(true);
    Quick.CurrentMap().Assign(Full.CurrentMap());
    Quick.Recount();
    for (int Move = 0; Move < 40 && Full.BoxCount() > 0; ++Move) {
      const int X = RandomBelow(Full.Width());
      const int Y = RandomBelow(Full.Height());
      // Marks left on the board being copied must not reach the new map.
      Full.MarkGroup(X, Y, 1);
      Quick.MarkGroup(X, Y, 1);
      Full.RemoveGroup(X, Y);
      Quick.RemoveGroup(X, Y);
      ASSERT_EQ(Quick.BoxCount(), Full.BoxCount()) << Move;
      Full.Collapse();
      Quick.Collapse();
      ASSERT_EQ(BoardRows(Quick.CurrentMap()), BoardRows(Full.CurrentMap())) << Move;
      ASSERT_EQ(Quick.BoxCount(), Full.BoxCount()) << Move;
      EXPECT_EQ(Quick.GroupCount(), 0);
      for (int I = 0; I < Quick.CurrentMap().CellCount(); ++I)
        ASSERT_EQ(Quick.CurrentMap().Cells()[I].Mark, 0) << Move;
    }
  }
}

} // namespace
