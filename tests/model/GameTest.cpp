// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Game.h"
#include "model/Random.h"
#include "tests/BoardText.h"

#include <gtest/gtest.h>

namespace {

TEST(Game, NewGameDefaults) {
  TGame Game;
  EXPECT_EQ(Game.Width(), 8);
  EXPECT_EQ(Game.Height(), 8);
  EXPECT_EQ(Game.Colors(), 3);
  EXPECT_FALSE(Game.QuickCount());
  EXPECT_EQ(Game.Maps().size(), 1u);
  EXPECT_EQ(Game.Current(), 0);
  EXPECT_EQ(Game.BoxCount(), 64);
  EXPECT_GT(Game.GroupCount(), 0);
  EXPECT_FALSE(Game.CanUndo());
  EXPECT_FALSE(Game.CanRedo());
}

TEST(Game, SettersClampAndStartANewGameOnlyWhenTheValueChanges) {
  TGame Game;
  Game.SetColors(1);
  EXPECT_EQ(Game.Colors(), 2);
  Game.SetColors(9);
  EXPECT_EQ(Game.Colors(), 7);
  Game.SetColors(255);
  EXPECT_EQ(Game.Colors(), 7);
  Game.SetWidth(20);
  EXPECT_EQ(Game.Width(), 16);
  Game.SetHeight(0);
  EXPECT_EQ(Game.Height(), 3);
  EXPECT_EQ(Game.CurrentMap().Width(), 16);
  EXPECT_EQ(Game.CurrentMap().Height(), 3);
  EXPECT_EQ(Game.BoxCount(), 48);

  // Values that clamp to the ones in force keep the board and the whole history.
  LoadBoard(Game, {"1122", "1122", "3344"});
  Game.RemoveGroup(0, 0);
  Game.RemoveGroup(2, 2);
  Game.Undo();
  const TGameMap* First = Game.Maps()[0].get();
  Game.SetWidth(4);
  Game.SetHeight(2);
  Game.SetColors(100);
  EXPECT_EQ(Game.Maps().size(), 3u);
  EXPECT_EQ(Game.Current(), 1);
  EXPECT_EQ(Game.Maps()[0].get(), First);

  Game.SetHeight(4);
  EXPECT_EQ(Game.Maps().size(), 1u) << "a changed value starts a new game";
  EXPECT_EQ(Game.BoxCount(), 16);
}

TEST(Game, NewBoardUsesTheSettingsAndOneDrawPerCell) {
  TGame Game;
  Game.SetWidth(5);
  Game.SetHeight(4);
  Game.SetColors(6);
  SeedRandom(99);
  Game.NewGame();
  EXPECT_EQ(Game.BoxCount(), 20);
  // Replayed from the same seed: cell by cell, row by row, one draw each in 1..6, and the
  // draw after the board is the 21st.
  SeedRandom(99);
  for (int I = 0; I < 20; ++I)
    EXPECT_EQ(Game.CurrentMap().Cells()[I].Color, RandomBelow(6) + 1) << "cell " << I;
  const int TwentyFirst = RandomBelow(1 << 30);
  SeedRandom(99);
  Game.NewGame();
  EXPECT_EQ(RandomBelow(1 << 30), TwentyFirst) << "the board took other than 20 draws";
}

TEST(Game, HasNeighbourLooksOrthogonallyAndAnswersFalseOutside) {
  TGame Game;
  LoadBoard(Game, {"12.", "21.", "3.3"});
  EXPECT_FALSE(Game.HasNeighbour(0, 0)) << "diagonal twins do not count";
  EXPECT_FALSE(Game.HasNeighbour(1, 1));
  EXPECT_TRUE(Game.HasNeighbour(2, 0)) << "empty beside empty";
  EXPECT_TRUE(Game.HasNeighbour(2, 1));
  EXPECT_FALSE(Game.HasNeighbour(0, 2));
  for (auto [X, Y] : {std::pair{-1, 0}, {3, 0}, {0, 3}, {0, -1}, {-1000, 5000}})
    EXPECT_FALSE(Game.HasNeighbour(X, Y)) << X << "," << Y;
}

TEST(Game, RemoveGroupAppendsTheEmptiedCopyAndKeepsThePreviousBoard) {
  TGame Game;
  LoadBoard(Game, {"1123", "1323", "3333"});
  const TRows Start = BoardRows(Game.CurrentMap());
  Game.RemoveGroup(1, 1);
  EXPECT_EQ(Game.Maps().size(), 2u);
  EXPECT_EQ(Game.Current(), 1);
  EXPECT_TRUE(Game.CanUndo());
  EXPECT_FALSE(Game.CanRedo());
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"112.", "1.2.", "...."}));
  EXPECT_EQ(Game.BoxCount(), 5);
  EXPECT_EQ(Game.GroupCount(), 2);
  EXPECT_EQ(BoardRows(*Game.Maps()[0]), Start);
  EXPECT_EQ(Game.Maps()[0]->BoxCount, 12);

  Game.RemoveGroup(2, 0);
  EXPECT_EQ(Game.Maps().size(), 3u);
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"11..", "1...", "...."}));
  EXPECT_EQ(Game.BoxCount(), 3);
}

TEST(Game, RemoveGroupTakesALoneBoxToo) {
  TGame Game;
  LoadBoard(Game, {"123", "312", "231"});
  Game.RemoveGroup(1, 1);
  EXPECT_EQ(Game.Maps().size(), 2u);
  EXPECT_EQ(Game.BoxCount(), 8);
  EXPECT_EQ(Game.CurrentMap().GetColor(1, 1), 0);
}

TEST(Game, RemoveGroupOnNothingOnlyRecounts) {
  TGame Game;
  LoadBoard(Game, {"1.1", "222", "333"});
  Game.CurrentMap().CellPtr(0, 0).Mark = 1;
  Game.CurrentMap().BoxCount = 99;
  for (auto [X, Y] : {std::pair{1, 0}, {-1, 0}, {3, 2}}) {
    Game.RemoveGroup(X, Y);
    EXPECT_EQ(Game.Maps().size(), 1u);
    EXPECT_EQ(Game.Current(), 0);
  }
  EXPECT_EQ(Game.BoxCount(), 8) << "recounted";
  EXPECT_TRUE(AllMarksZero(Game.CurrentMap()));
}

TEST(Game, RemovalAfterUndoDropsTheRedoTail) {
  TGame Game;
  LoadBoard(Game, {"1122", "3344", "5566"});
  Game.RemoveGroup(0, 0);
  Game.RemoveGroup(2, 0);
  Game.Undo();
  EXPECT_EQ(Game.Current(), 1);
  EXPECT_TRUE(Game.CanRedo());
  const TGameMap* Kept = Game.Maps()[1].get();
  Game.RemoveGroup(0, 1);
  EXPECT_EQ(Game.Maps().size(), 3u);
  EXPECT_EQ(Game.Current(), 2);
  EXPECT_FALSE(Game.CanRedo());
  EXPECT_EQ(Game.Maps()[1].get(), Kept);
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"..22", "..44", "5566"}));
  EXPECT_EQ(BoardRows(*Game.Maps()[1]), (TRows{"..22", "3344", "5566"}));
}

TEST(Game, UndoAndRedoOnlyMoveCurrentAndKeepEachMapsCounters) {
  TGame Game;
  LoadBoard(Game, {"1122", "3344", "5566"});
  Game.Undo();
  EXPECT_EQ(Game.Current(), 0);
  Game.RemoveGroup(0, 0);
  Game.Redo();
  EXPECT_EQ(Game.Current(), 1);
  Game.Undo();
  EXPECT_EQ(Game.BoxCount(), 12);
  EXPECT_EQ(Game.GroupCount(), 6);
  Game.Redo();
  EXPECT_EQ(Game.BoxCount(), 10);
  EXPECT_EQ(Game.GroupCount(), 5);
}

TEST(Game, MarkGroupMarksExactlyTheRegion) {
  TGame Game;
  LoadBoard(Game, {"112.", "1.2.", "1122"});
  Game.MarkGroup(0, 0, 1);
  EXPECT_EQ(Game.CurrentMap().GetMark(0, 0), 1);
  EXPECT_EQ(Game.CurrentMap().GetMark(1, 2), 1);
  EXPECT_EQ(Game.CurrentMap().GetMark(2, 0), 0);
  int Marked = 0;
  for (int I = 0; I < 12; ++I)
    Marked += Game.CurrentMap().Cells()[I].Mark;
  EXPECT_EQ(Marked, 5);

  // An empty cell marks its connected empty region; colours and counters stay.
  Game.MarkGroup(3, 0, 2);
  EXPECT_EQ(Game.CurrentMap().GetMark(3, 1), 2);
  EXPECT_EQ(Game.CurrentMap().GetMark(1, 1), 0) << "not connected to (3,0)";
  EXPECT_EQ(Game.CurrentMap().GetColor(3, 0), 0);
  EXPECT_EQ(Game.BoxCount(), 9);

  Game.Recount();
  EXPECT_TRUE(AllMarksZero(Game.CurrentMap()));

  try {
    Game.MarkGroup(4, 0, 1);
    ADD_FAILURE() << "no exception";
  } catch (const EMapException& E) {
    EXPECT_STREQ(E.what(), "Index out of bounds.");
  }
}

// The screen reader's group size must be the region a move removes, and reading it must
// leave the marks a removal relies on alone.
TEST(Game, GroupSizeIsTheRegionMarkGroupMarks) {
  SeedRandom(11);
  TGame Game;
  Game.SetWidth(9);
  Game.SetHeight(7);
  Game.RemoveGroup(4, 6); // holes and a settled board are part of what is measured
  Game.Collapse();
  TGameMap& Map = Game.CurrentMap();
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X) {
      const int Size = Map.GroupSize(X, Y);
      EXPECT_TRUE(AllMarksZero(Map));
      if (Map.GetColor(X, Y) == 0) {
        EXPECT_EQ(Size, 0) << X << "," << Y;
        continue;
      }
      Game.MarkGroup(X, Y, 1);
      int Marked = 0;
      for (int I = 0; I < Map.CellCount(); ++I)
        Marked += Map.Cells()[I].Mark;
      Map.ClearMarks();
      EXPECT_EQ(Size, Marked) << X << "," << Y;
    }
  EXPECT_EQ(Map.GroupSize(-1, 0), 0);
  EXPECT_EQ(Map.GroupSize(0, Map.Height()), 0);
}

TEST(Game, RecountCountsGroupsOrOnlyBoxesWithQuickCount) {
  TGame Game;
  LoadBoard(Game, {"1212", "2121", "1212"});
  EXPECT_EQ(Game.GroupCount(), 12);
  EXPECT_EQ(Game.BoxCount(), 12);
  LoadBoard(Game, {"4444", "4444", "4444", "4444"});
  EXPECT_EQ(Game.GroupCount(), 1);
  Game.RemoveGroup(2, 3);
  EXPECT_EQ(Game.BoxCount(), 0);
  EXPECT_EQ(Game.GroupCount(), 0);

  LoadBoard(Game, {"1.12", "1.22", "3..."});
  EXPECT_EQ(Game.GroupCount(), 4);
  Game.SetQuickCount(true);
  Game.CurrentMap().CellPtr(0, 0).Mark = 1;
  Game.Recount();
  EXPECT_EQ(Game.BoxCount(), 7);
  EXPECT_EQ(Game.GroupCount(), 0);
  EXPECT_TRUE(AllMarksZero(Game.CurrentMap()));
}

TEST(Game, AssignSettingsCopiesUnclampedAndAlwaysRestarts) {
  TGame Source;
  Source.SetWidth(11);
  Source.SetHeight(5);
  Source.SetColors(6);
  Source.SetQuickCount(true);
  TGame Game;
  Game.AssignSettings(Source);
  EXPECT_EQ(Game.Width(), 11);
  EXPECT_EQ(Game.Height(), 5);
  EXPECT_EQ(Game.Colors(), 6);
  EXPECT_TRUE(Game.QuickCount());
  EXPECT_EQ(Game.BoxCount(), 55);
  EXPECT_EQ(Game.GroupCount(), 0);

  Game.RemoveGroup(0, 0);
  Game.AssignSettings(Source);
  EXPECT_EQ(Game.Maps().size(), 1u) << "equal settings still start a new game";
  EXPECT_EQ(Game.Current(), 0);
}

TEST(Game, EmptyHistoryRaisesInsteadOfReadingNothing) {
  TGame Game;
  Game.ClearMaps();
  const auto ExpectNoMaps = [&](const std::function<void()>& Call) {
    try {
      Call();
      ADD_FAILURE() << "no exception";
    } catch (const EGameException& E) {
      EXPECT_STREQ(E.what(), "There are no maps yet in this game.");
    }
  };
  ExpectNoMaps([&] { Game.CurrentMap(); });
  ExpectNoMaps([&] { Game.HasNeighbour(0, 0); });
  ExpectNoMaps([&] { Game.RemoveGroup(0, 0); });
  ExpectNoMaps([&] { Game.FallStep(); });
  ExpectNoMaps([&] { Game.BoxCount(); });
  Game.Undo();
  Game.Redo();
  Game.DiscardRedo();
  EXPECT_FALSE(Game.CanUndo());
  EXPECT_FALSE(Game.CanRedo());
  Game.NewGame();
  EXPECT_EQ(Game.BoxCount(), 64);
}

// The solver removes and steps back millions of times: the maps it drops must come back.
TEST(Game, RemovalsAfterStepsBackReuseMapsWithoutLeakingState) {
  TGame Game;
  LoadBoard(Game, {"1122", "3344", "5566"});
  Game.RemoveGroup(0, 0);
  Game.RemoveGroup(2, 0);
  Game.Undo();
  Game.Undo();
  const TGameMap* Dropped[] = {Game.Maps()[1].get(), Game.Maps()[2].get()};
  Game.RemoveGroup(0, 2);
  EXPECT_EQ(Game.Maps().size(), 2u);
  EXPECT_TRUE(Game.Maps()[1].get() == Dropped[0] || Game.Maps()[1].get() == Dropped[1]);
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"1122", "3344", "..66"}));
  EXPECT_EQ(Game.BoxCount(), 10);
  EXPECT_EQ(Game.GroupCount(), 5);
}

} // namespace
