// SPDX-License-Identifier: GPL-3.0-or-later
// Proofs that a board cannot be cleared: each rule that proves one lost, checked against an
// exhaustive search, and no proof from a search that was stopped.

#include "Boards.h"
#include "solver/ClearingSearch.h"
#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/WayBack.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr std::chrono::hours NoClock{1}; // the work cap decides, so the results repeat

void FillRandom(TMap& Board, int First, int Colors, std::mt19937_64& Random) {
  for (int I = 0; I < Board.CellCount(); ++I)
    Board.Cells()[I] = {static_cast<std::uint8_t>(First + Random() % Colors), 0};
}

// Colours of two boxes, each between the other's two in a column, can go in neither order:
// such boards are lost before a single board is searched.
TEST(LostProofs, ColoursThatMustEachGoFirstAreLostAtOnce) {
  std::mt19937_64 Random(5);
  for (int Seed = 0; Seed < 6; ++Seed) {
    SCOPED_TRACE(Seed);
    TMap Board;
    Board.SetWidth(5);
    Board.SetHeight(5);
    FillRandom(Board, 3, 2, Random);
    const int Column = Seed % 5;
    for (int Y = 0; Y < 4; ++Y)
      Board.SetColor(Column, Y + Seed % 2, static_cast<std::uint8_t>(1 + Y % 2));
    ASSERT_FALSE(TExhaustiveCheck().Clearable(FromMap(Board)));
    EXPECT_EQ(FindClearing(Board, {NoClock, 1, 1}).Verdict, TVerdict::NotClearable);
    EXPECT_EQ(FindClearing(Board, {NoClock, 1, 2}).Verdict, TVerdict::NotClearable);
  }
}

// A search stopped by its cap has proved nothing: boards it calls lost stay lost for a search
// with room to spare, and for the exhaustive check on boards small enough for it. On those,
// what searches stopped at many points leave in a shared table is read back too.
TEST(LostProofs, AStoppedSearchNeverCallsABoardLost) {
  std::mt19937_64 Random(11);
  int Stopped = 0;
  for (int Seed = 0; Seed < 24; ++Seed) {
    SCOPED_TRACE(Seed);
    const bool Small = Seed % 2 == 0;
    TMap Board;
    Board.SetWidth(Small ? 6 : 10);
    Board.SetHeight(Small ? 5 : 10);
    FillRandom(Board, 1, Small ? 3 : 4, Random);
    TLostBoards Lost(12);
    for (std::uint64_t Cap = 1; Small && Cap < 30'000; Cap = Cap * 5 / 4 + 1)
      FindClearing(Board, {NoClock, Cap, 1 + Seed % 4 / 2}, nullptr, Lost);
    const bool Expected = Small && TExhaustiveCheck().Clearable(FromMap(Board));
    if (Small) {
      EXPECT_EQ(FindClearing(Board, {NoClock, 50'000'000, 1}, nullptr, Lost).Verdict,
                Expected ? TVerdict::Clearable : TVerdict::NotClearable);
    }
    const TClearingAnswer Capped = FindClearing(Board, {NoClock, 300, 1 + Seed % 4 / 2});
    Stopped += Capped.Verdict == TVerdict::Unknown;
    if (Capped.Verdict != TVerdict::NotClearable)
      continue;
    if (Small)
      EXPECT_FALSE(Expected);
    else
      EXPECT_NE(FindClearing(Board, {NoClock, 50'000'000, 2}).Verdict, TVerdict::Clearable);
  }
  EXPECT_GE(Stopped, 6); // the cap did stop searches
}

// Boards in one entry of the table, even under one hash, are told apart.
TEST(LostProofs, BoardsSharingAnEntryAreNotConfused) {
  TGame Lone, Clearable;
  SetBoard(Lone, {"112", "112", "223"});
  SetBoard(Clearable, {"112", "112", "222"});
  const TPosition Lost = TPosition::Settled(Lone.CurrentMap());
  TLostBoards Table(12);
  Table.Add(Lost, 7);
  EXPECT_TRUE(Table.Contains(Lost, 7));
  EXPECT_FALSE(Table.Contains(TPosition::Settled(Clearable.CurrentMap()), 7));
  EXPECT_EQ(FindClearing(Clearable.CurrentMap(), {NoClock, 1000, 1}, nullptr, Table).Verdict,
            TVerdict::Clearable);
}

// Groups columns apart commute; the search tries one order only. On boards where many do,
// the proof of a lost board then fits a cap the search of every order overruns, and the
// proofs agree with the exhaustive check.
TEST(LostProofs, MovesThatCommuteAreSearchedInOneOrder) {
  // Columns of two-box pairs, one column apart, over a bottom row that can never go.
  TGame Game;
  SetBoard(Game,
           {"3.4.3.4.5.3.4", "3.4.3.4.5.3.4", "5.5.4.3.3.5.5", "5.5.4.3.3.5.5", "1212121212121"});
  ASSERT_FALSE(TExhaustiveCheck().Clearable(FromMap(Game.CurrentMap())));
  EXPECT_EQ(FindClearing(Game.CurrentMap(), {NoClock, 150'000, 1}).Verdict, TVerdict::NotClearable);
  // Moves put to sleep are renumbered past the columns a move empties, else the wrong ones sleep.
  SetBoard(Game, {"13213113", "22323112", "21123131"});
  EXPECT_EQ(FindClearing(Game.CurrentMap(), {NoClock, 5'000'000, 1}).Verdict, TVerdict::Clearable);

  std::mt19937_64 Random(3);
  for (int Seed = 0; Seed < 40; ++Seed) {
    SCOPED_TRACE(Seed);
    TMap Board;
    Board.SetWidth(8);
    Board.SetHeight(3 + Seed % 2);
    FillRandom(Board, 1, 3, Random);
    const bool Expected = TExhaustiveCheck().Clearable(FromMap(Board));
    const TClearingAnswer Answer = FindClearing(Board, {NoClock, 5'000'000, 1});
    EXPECT_EQ(Answer.Verdict, Expected ? TVerdict::Clearable : TVerdict::NotClearable);
  }
}

// Boards proved lost are remembered: asked again, the search answers without searching, and
// the way back from a lost board finds the last board of its history that still clears.
TEST(LostProofs, WhatWasProvedIsReusedAndTheWayBackFound) {
  std::mt19937_64 Random(8);
  int Traced = 0;
  for (int Seed = 0; Seed < 30 && Traced < 5; ++Seed) {
    TGame Game;
    Game.SetWidth(6);
    Game.SetHeight(5);
    FillRandom(Game.CurrentMap(), 1, 3, Random);
    // The smallest group first, until the board is lost with a move left.
    std::vector<bool> Clearable{TExhaustiveCheck().Clearable(FromMap(Game.CurrentMap()))};
    while (Clearable.back() || Clearable.size() < 2) {
      int BestX = -1, BestY = -1;
      for (int X = 0; X < Game.Width(); ++X)
        for (int Y = 0; Y < Game.Height(); ++Y)
          if (Game.CurrentMap().GetColor(X, Y) != 0 && Game.HasNeighbour(X, Y) &&
              (BestX < 0 ||
               Game.CurrentMap().GroupSize(X, Y) < Game.CurrentMap().GroupSize(BestX, BestY)))
            std::tie(BestX, BestY) = std::pair{X, Y};
      if (BestX < 0)
        break;
      Game.RemoveGroup(BestX, BestY);
      Game.Collapse();
      Clearable.push_back(TExhaustiveCheck().Clearable(FromMap(Game.CurrentMap())));
    }
    if (Clearable.back() || !Clearable.front())
      continue;
    SCOPED_TRACE(Seed);
    ++Traced;
    TLostBoards Lost(12);
    const TMap& Last = Game.CurrentMap();
    EXPECT_EQ(FindClearing(Last, {NoClock, 5'000'000, 2}, nullptr, Lost).Verdict,
              TVerdict::NotClearable);
    EXPECT_EQ(FindClearing(Last, {NoClock, 1, 2}, nullptr, Lost).Verdict, TVerdict::NotClearable);

    std::vector<const TMap*> History;
    for (const auto& Map : Game.Maps())
      History.push_back(Map.get());
    const TWayBack Back = FindWayBack(History, {NoClock, 5'000'000, 2});
    const int Expected = static_cast<int>(
        Clearable.size() - 1 -
        (std::find(Clearable.rbegin(), Clearable.rend(), true).base() - Clearable.begin() - 1));
    EXPECT_EQ(Back.MovesBack, Expected);
    EXPECT_EQ(Back.Answer.Verdict, TVerdict::Clearable);
  }
  EXPECT_EQ(Traced, 5);
}

} // namespace
