// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Game.h"
#include "model/Random.h"
#include "tests/BoardText.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// Runs FallStep until it reports a settled board; returns the boards after each moving call.
std::vector<TRows> FallUntilSettled(TGame& Game) {
  std::vector<TRows> Steps;
  for (int Calls = 0; Calls < 100; ++Calls) {
    if (Game.FallStep())
      return Steps;
    Steps.push_back(BoardRows(Game.CurrentMap()));
  }
  ADD_FAILURE() << "FallStep never settled";
  return Steps;
}

TEST(Settling, SettledBoardIsLeftAlone) {
  TGame Game;
  LoadBoard(Game, {"1..", "12.", "231"});
  EXPECT_TRUE(Game.FallStep());
  Game.Collapse();
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"1..", "12.", "231"}));
}

TEST(Settling, EveryHangingBoxFallsOneRowPerCall) {
  TGame Game;
  LoadBoard(Game, {"131", "2.2", "...", ".13"});
  EXPECT_FALSE(Game.FallStep());
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"...", "131", "2.2", ".13"}));
  EXPECT_FALSE(Game.FallStep());
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{"...", "..1", "132", "213"}));
  EXPECT_TRUE(Game.FallStep());
}

TEST(Settling, ColumnsCloseOneCallAtATimeOnlyAfterFalling) {
  TGame Game;
  LoadBoard(Game, {"1...", "1..2", "...3"});
  const std::vector<TRows> Steps = FallUntilSettled(Game);
  ASSERT_EQ(Steps.size(), 3u);
  EXPECT_EQ(Steps[0], (TRows{"....", "1..2", "1..3"})) << "falling first, no closing";
  EXPECT_EQ(Steps[1], (TRows{"....", "1.2.", "1.3."}));
  EXPECT_EQ(Steps[2], (TRows{"....", "12..", "13.."}));
  EXPECT_EQ(Game.BoxCount(), 4);
  EXPECT_EQ(Game.GroupCount(), 3);
}

TEST(Settling, EmptyColumnsAtTheRightEdgeCostNoCall) {
  TGame Game;
  LoadBoard(Game, {"1...", "2...", "2..."});
  EXPECT_TRUE(Game.FallStep());
  LoadBoard(Game, {"12..", ".2..", "13.."});
  const std::vector<TRows> Steps = FallUntilSettled(Game);
  ASSERT_EQ(Steps.size(), 1u);
  EXPECT_EQ(Steps.back(), (TRows{".2..", "12..", "13.."}));
}

TEST(Settling, LoneBoxTravelsToTheBottomLeftCorner) {
  TGame Game;
  TRows Rows(5, std::string(6, '.'));
  Rows[0][5] = '4';
  LoadBoard(Game, Rows);
  const std::vector<TRows> Steps = FallUntilSettled(Game);
  EXPECT_EQ(Steps.size(), 4u + 5u);
  EXPECT_EQ(Game.CurrentMap().GetColor(0, 4), 4);
  EXPECT_EQ(Game.BoxCount(), 1);
}

TEST(Settling, EmptyBoardIsSettled) {
  TGame Game;
  LoadBoard(Game, {"...", "...", "..."});
  EXPECT_TRUE(Game.FallStep());
  Game.Collapse();
  EXPECT_EQ(Game.BoxCount(), 0);
  EXPECT_EQ(Game.GroupCount(), 0);
}

TEST(Settling, CollapseDropsAndClosesInOneCall) {
  TGame Game;
  LoadBoard(Game, {"1..5.", "...4.", "1..3.", "2..1."});
  Game.Collapse();
  EXPECT_EQ(BoardRows(Game.CurrentMap()), (TRows{".5...", "14...", "13...", "21..."}));
  // The two 1s of column 0 now touch: one group.
  EXPECT_EQ(Game.GroupCount(), 6);
  EXPECT_EQ(Game.BoxCount(), 7);
  EXPECT_EQ(Game.Maps().size(), 1u);
}

TEST(Settling, RecountAfterSettlingClearsMarks) {
  TGame Game;
  LoadBoard(Game, {"1..", "...", "1.."});
  Game.MarkGroup(0, 0, 1);
  Game.Collapse();
  EXPECT_TRUE(AllMarksZero(Game.CurrentMap()));
  EXPECT_EQ(Game.GroupCount(), 1);
}

std::array<int, 8> ColourCounts(const TMap& Map) {
  std::array<int, 8> Counts{};
  for (int I = 0; I < Map.CellCount(); ++I)
    ++Counts[Map.Cells()[I].Color];
  return Counts;
}

// Random boards with holes and empty columns made by random removals: stepping until
// settled and settling at once must agree on the board and the counters.
TEST(Settling, StepsAndCollapseAgreeOnRandomBoards) {
  SeedRandom(20261207);
  for (int Trial = 0; Trial < 400; ++Trial) {
    TGame Stepped;
    Stepped.SetWidth(3 + RandomBelow(14));
    Stepped.SetHeight(3 + RandomBelow(14));
    Stepped.SetColors(static_cast<std::uint8_t>(2 + RandomBelow(3)));
    const int Removals = 1 + RandomBelow(12);
    for (int R = 0; R < Removals; ++R)
      Stepped.RemoveGroup(RandomBelow(Stepped.Width()), RandomBelow(Stepped.Height()));
    if (Trial % 3 == 0) // whole columns emptied, also in the middle
      for (int Y = 0; Y < Stepped.Height(); ++Y)
        Stepped.CurrentMap().SetColor(Stepped.Width() / 2, Y, 0);
    Stepped.Recount();

    TGame Collapsed;
    Collapsed.AssignSettings(Stepped);
    Collapsed.CurrentMap().Assign(Stepped.CurrentMap());
    Collapsed.Recount();
    const auto Before = ColourCounts(Stepped.CurrentMap());

    const std::size_t Moving = FallUntilSettled(Stepped).size();
    EXPECT_LE(Moving, static_cast<std::size_t>(Stepped.Width() + Stepped.Height() - 2));
    Collapsed.Collapse();
    ASSERT_EQ(BoardRows(Stepped.CurrentMap()), BoardRows(Collapsed.CurrentMap())) << Trial;
    EXPECT_EQ(Stepped.BoxCount(), Collapsed.BoxCount());
    EXPECT_EQ(Stepped.GroupCount(), Collapsed.GroupCount());
    EXPECT_EQ(ColourCounts(Stepped.CurrentMap()), Before);
    EXPECT_TRUE(Stepped.FallStep()) << "settled stays settled";
  }
}

} // namespace
