// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Map.h"
#include "model/Random.h"

#include <gtest/gtest.h>

namespace {

void ExpectOutOfBounds(const std::function<void()>& Call) {
  try {
    Call();
    ADD_FAILURE() << "no exception";
  } catch (const EMapException& E) {
    EXPECT_STREQ(E.what(), "Index out of bounds.");
  }
}

TEST(Map, NewMapIsEightByEightOfZeroBytes) {
  TGameMap Map;
  EXPECT_EQ(Map.Width(), 8);
  EXPECT_EQ(Map.Height(), 8);
  const auto* Bytes = reinterpret_cast<const std::uint8_t*>(Map.Cells());
  for (int I = 0; I < 128; ++I)
    ASSERT_EQ(Bytes[I], 0) << I;
  EXPECT_EQ(Map.BoxCount, 0);
  EXPECT_EQ(Map.GroupCount, 0);
}

TEST(Map, SizeSettersClampAndReallocateOnlyOnChange) {
  TMap Map;
  for (auto [Value, Expected] : {std::pair{17, 16}, {1000, 16}, {2, 3}, {0, 3}, {-5, 3}}) {
    Map.SetWidth(Value);
    EXPECT_EQ(Map.Width(), Expected) << Value;
  }
  Map.SetWidth(16);
  Map.SetHeight(16);
  Map.SetColor(15, 15, 4);
  Map.SetWidth(16);  // unchanged: contents stay
  Map.SetHeight(99); // clamps to 16, unchanged
  EXPECT_EQ(Map.GetColor(15, 15), 4);

  Map.SetWidth(8);
  Map.SetHeight(8);
  Map.FillRandom(3);
  Map.SetWidth(9);
  ASSERT_EQ(Map.CellCount(), 72);
  for (int I = 0; I < 72; ++I)
    ASSERT_EQ(Map.Cells()[I].Color, 0);
}

TEST(Map, AccessorsCheckBoundsAndAddressRowMajor) {
  TMap Map;
  Map.SetWidth(5);
  Map.SetHeight(4);
  ExpectOutOfBounds([&] { Map.GetColor(-1, 0); });
  ExpectOutOfBounds([&] { Map.GetColor(5, 0); });
  ExpectOutOfBounds([&] { Map.GetColor(0, 4); });
  ExpectOutOfBounds([&] { Map.SetColor(0, -1, 1); });
  ExpectOutOfBounds([&] { Map.GetMark(0, 4); });
  ExpectOutOfBounds([&] { Map.CellPtr(5, 3); });

  Map.CellPtr(4, 3).Mark = 9;
  Map.SetColor(4, 3, 6);
  EXPECT_EQ(Map.Cells()[4 + 3 * 5].Color, 6);
  EXPECT_EQ(Map.GetMark(4, 3), 9) << "SetColor must not touch the mark";
  Map.SetColor(1, 2, 3);
  EXPECT_EQ(Map.Cells()[1 + 2 * 5].Color, 3);
}

TEST(Map, FillRandomDrawsOncePerCellInElementOrder) {
  TMap Map;
  Map.SetWidth(7);
  Map.SetHeight(5);
  Map.CellPtr(2, 2).Mark = 1;
  SeedRandom(1234);
  Map.FillRandom(5);

  SeedRandom(1234);
  for (int I = 0; I < Map.CellCount(); ++I) {
    ASSERT_EQ(Map.Cells()[I].Color, RandomBelow(5) + 1) << I;
    ASSERT_EQ(Map.Cells()[I].Mark, 0) << I;
  }

  Map.FillRandom(1);
  for (int I = 0; I < Map.CellCount(); ++I)
    ASSERT_EQ(Map.Cells()[I].Color, 1);
}

TEST(Map, AssignCopiesBothBytesButNotCountersOrSize) {
  TGameMap Source;
  TGameMap Target;
  Source.FillRandom(7);
  Source.CellPtr(3, 3).Mark = 1;
  Source.BoxCount = 11;
  Target.BoxCount = 5;
  Target.GroupCount = 6;
  Target.Assign(Source);
  for (int I = 0; I < 64; ++I) {
    ASSERT_EQ(Target.Cells()[I].Color, Source.Cells()[I].Color);
    ASSERT_EQ(Target.Cells()[I].Mark, Source.Cells()[I].Mark);
  }
  EXPECT_EQ(Target.BoxCount, 5);
  EXPECT_EQ(Target.GroupCount, 6);
}

TEST(Map, AssignBetweenSizesRaisesAndLeavesTheTarget) {
  TMap Source;
  TMap Target;
  Source.SetWidth(9);
  Source.FillRandom(2);
  Target.SetColor(0, 0, 5);
  try {
    Target.Assign(Source);
    ADD_FAILURE() << "no exception";
  } catch (const EMapException& E) {
    EXPECT_STREQ(E.what(), "Can not copy between maps of different sizes.");
  }
  EXPECT_EQ(Target.Width(), 8);
  EXPECT_EQ(Target.GetColor(0, 0), 5);
  EXPECT_EQ(Target.GetColor(1, 0), 0);
}

TEST(Map, ClearMarksKeepsColours) {
  TMap Map;
  Map.FillRandom(4);
  for (int I = 0; I < 64; ++I)
    Map.Cells()[I].Mark = static_cast<std::uint8_t>(I + 1);
  std::vector<std::uint8_t> Colors;
  for (int I = 0; I < 64; ++I)
    Colors.push_back(Map.Cells()[I].Color);
  Map.ClearMarks();
  for (int I = 0; I < 64; ++I) {
    ASSERT_EQ(Map.Cells()[I].Mark, 0);
    ASSERT_EQ(Map.Cells()[I].Color, Colors[static_cast<std::size_t>(I)]);
  }
}

TEST(Random, BelowStaysInRangeAndSurvivesBadBounds) {
  SeedRandom(7);
  std::array<int, 7> Seen{};
  for (int I = 0; I < 7000; ++I) {
    const int R = RandomBelow(7);
    ASSERT_GE(R, 0);
    ASSERT_LT(R, 7);
    ++Seen[static_cast<std::size_t>(R)];
  }
  for (int Count : Seen)
    EXPECT_GT(Count, 800); // each value about 1000 times
  EXPECT_EQ(RandomBelow(0), 0);
  EXPECT_EQ(RandomBelow(-3), 0);
}

} // namespace
