// SPDX-License-Identifier: GPL-3.0-or-later
// The clearing search: its clearings replayed with the game's own rules, its proofs against
// an independent exhaustive check, and the ways it is stopped, followed and dealt from.

#include "Boards.h"
#include "solver/BeamSearch.h"
#include "solver/ClearingSearch.h"
#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/WinnableDeal.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <random>

namespace {

constexpr std::chrono::hours NoClock{1}; // the work cap decides, so the results repeat

void FillRandom(TMap& Board, int Colors, std::uint64_t Seed) {
  std::mt19937_64 Random(Seed);
  for (int I = 0; I < Board.CellCount(); ++I)
    Board.Cells()[I] = {static_cast<std::uint8_t>(1 + Random() % Colors), 0};
}

// Plays Moves with the game's rules on a settled copy of Board: every move must be legal.
// Returns the boxes left, or -1 at the first illegal move.
int BoxesLeftAfter(const TMap& Board, const std::vector<TRemoval>& Moves) {
  TGame Game;
  Game.SetWidth(Board.Width());
  Game.SetHeight(Board.Height());
  Game.CurrentMap().Assign(Board);
  Game.Collapse();
  for (const TRemoval& Move : Moves) {
    if (!Game.CurrentMap().Contains(Move.X, Move.Y) ||
        Game.CurrentMap().GetColor(Move.X, Move.Y) == 0 || !Game.HasNeighbour(Move.X, Move.Y))
      return -1;
    Game.RemoveGroup(Move.X, Move.Y);
    Game.Collapse();
  }
  return Game.BoxCount();
}

TEST(ClearingAgreement, AnswersLikeAnExhaustiveCheckOnSmallBoards) {
  int Clearable = 0;
  int NotClearable = 0;
  for (std::uint64_t Seed = 1; Seed <= 120; ++Seed) {
    SCOPED_TRACE(Seed);
    TMap Board;
    Board.SetWidth(4 + static_cast<int>(Seed % 3));
    Board.SetHeight(4 + static_cast<int>(Seed / 3 % 2));
    FillRandom(Board, 2 + static_cast<int>(Seed / 6 % 2), Seed);
    // Every fifth board has holes, as a board copied mid-fall does.
    for (int I = 0; Seed % 5 == 0 && I < Board.CellCount(); I += 3)
      Board.Cells()[I].Color = 0;
    const bool Expected = TExhaustiveCheck().Clearable(FromMap(Board));
    const int Threads = 1 + static_cast<int>(Seed % 2);
    const TClearingAnswer Answer = FindClearing(Board, {NoClock, 5'000'000, Threads});
    if (Expected) {
      ++Clearable;
      ASSERT_EQ(Answer.Verdict, TVerdict::Clearable);
      EXPECT_EQ(BoxesLeftAfter(Board, Answer.Moves), 0);
    } else {
      ++NotClearable;
      ASSERT_EQ(Answer.Verdict, TVerdict::NotClearable);
      EXPECT_TRUE(Answer.Moves.empty());
    }
  }
  EXPECT_GE(Clearable, 20);
  EXPECT_GE(NotClearable, 20);
}

// On large boards in five colours the beam does the finding; under a work cap the answer
// must not depend on which of the two threads runs faster. No time limit is no limit.
TEST(ClearingLargeBoards, ClearingsReplayAndRepeatUnderAWorkCap) {
  int Cleared = 0;
  for (std::uint64_t Seed = 1; Seed <= 4; ++Seed) {
    SCOPED_TRACE(Seed);
    TMap Board;
    Board.SetWidth(16);
    Board.SetHeight(16);
    FillRandom(Board, 5, Seed);
    const TSearchBudget Budget{std::chrono::milliseconds::max(), 600'000, 2};
    // The beams must not read what the other thread proves meanwhile: the entries here stand
    // for whatever it may have proved, and change nothing.
    TLostBoards Held(16);
    const TPosition Start = TPosition::Settled(Board);
    std::vector<TGroup> Groups;
    Start.Groups(Groups);
    for (const TGroup& Group : Groups) {
      TPosition Child = Start;
      Child.Remove(Group.Cell);
      Held.Add(Child, Child.Hash());
    }
    const TClearingAnswer First = FindClearing(Board, Budget);
    for (const TClearingAnswer& Again :
         {FindClearing(Board, Budget), FindClearing(Board, Budget, nullptr, Held)}) {
      EXPECT_EQ(First.Verdict, Again.Verdict);
      ASSERT_EQ(First.Moves.size(), Again.Moves.size());
      for (std::size_t I = 0; I < First.Moves.size(); ++I)
        EXPECT_TRUE(First.Moves[I].X == Again.Moves[I].X && First.Moves[I].Y == Again.Moves[I].Y);
    }
    if (First.Verdict == TVerdict::Clearable) {
      ++Cleared;
      EXPECT_EQ(BoxesLeftAfter(Board, First.Moves), 0);
    }
  }
  EXPECT_GE(Cleared, 2);
}

// Columns that share no colour with the columns left of them are a game of their own beside
// them: clearings of such boards replay, both when the left side is searched first and when
// the right is, and the answers agree with the exhaustive check. The last board's left side
// has no move: it proves the whole board lost at once, whatever the right side's boards.
TEST(ClearingParts, SidesSharingNoColourAreSearchedApart) {
  std::mt19937_64 Random(21);
  int Clearable = 0;
  for (int Seed = 0; Seed <= 60; ++Seed) {
    SCOPED_TRACE(Seed);
    const bool Last = Seed == 60;
    TMap Board;
    Board.SetWidth(Last ? 12 : 6);
    Board.SetHeight(Last ? 6 : 4);
    const int Boundary = Last ? 2 : 1 + Seed % 5;
    for (int X = 0; X < Board.Width(); ++X)
      for (int Y = 0; Y < Board.Height(); ++Y)
        Board.SetColor(X, Y,
                       static_cast<std::uint8_t>(X >= Boundary ? 3 + Random() % 3
                                                 : Last        ? 1 + (X + Y) % 2
                                                               : 1 + Random() % 2));
    const bool Expected = !Last && TExhaustiveCheck().Clearable(FromMap(Board));
    const TClearingAnswer Answer =
        FindClearing(Board, {NoClock, Last ? 20'000u : 5'000'000u, 1 + Seed % 2});
    ASSERT_EQ(Answer.Verdict, Expected ? TVerdict::Clearable : TVerdict::NotClearable);
    Clearable += Expected;
    EXPECT_EQ(Expected ? BoxesLeftAfter(Board, Answer.Moves) : 0, 0);
  }
  EXPECT_GE(Clearable, 10);
}

// Colours of two boxes nested in one column must go inner first: an order, not a deadlock.
TEST(ClearingLimits, NestedFewBoxColoursAreNotDead) {
  TGame Game;
  SetBoard(Game, {"1..", "2..", "3..", "3..", "24.", "144"});
  const TClearingAnswer Answer = FindClearing(Game.CurrentMap(), {NoClock, 100'000, 2});
  ASSERT_EQ(Answer.Verdict, TVerdict::Clearable);
  EXPECT_EQ(BoxesLeftAfter(Game.CurrentMap(), Answer.Moves), 0);
}

TEST(ClearingLimits, EmptyLoneAndStoppedBoards) {
  TGame Game;
  SetBoard(Game, {"...", "...", "..."});
  TClearingAnswer Answer = FindClearing(Game.CurrentMap(), {});
  EXPECT_EQ(Answer.Verdict, TVerdict::Clearable);
  EXPECT_TRUE(Answer.Moves.empty());

  SetBoard(Game, {"221", "222", "222"}); // the lone 1 can never go
  EXPECT_EQ(FindClearing(Game.CurrentMap(), {}).Verdict, TVerdict::NotClearable);

  TMap Large;
  Large.SetWidth(16);
  Large.SetHeight(16);
  FillRandom(Large, 5, 9);
  const std::atomic<bool> Cancelled{true};
  EXPECT_EQ(FindClearing(Large, {NoClock, 0, 2}, &Cancelled).Verdict, TVerdict::Unknown);
  EXPECT_EQ(FindClearing(Large, {NoClock, 50, 2}).Verdict, TVerdict::Unknown);
  EXPECT_EQ(FindClearing(Large, {NoClock, 50, 1}).Verdict, TVerdict::Unknown);
  // A stopped beam expands no further board, so a stop never waits for the rest of a level.
  const TPosition Start = TPosition::Settled(Large);
  for (const std::uint64_t Cap : {0, 1'000, 5'000, 20'000}) {
    TSearchRace Race(Cap == 0 ? &Cancelled : nullptr, Cap != 0);
    TRacer Racer(Race, 0, Cap, std::chrono::steady_clock::time_point::max());
    TBeamSearch Beam(Start, Racer, 1);
    Beam.Run();
    EXPECT_TRUE(Racer.Stopped() && !Racer.Answered());
    EXPECT_EQ(Beam.ExpandedAfterStop(), 0u) << Cap;
  }
}

TEST(KnownClearing, FollowsItsLineAndNothingElse) {
  TGame Game;
  SetBoard(Game, {"1.33", "1223", "2113", "2213"});
  const TClearingAnswer Answer = FindClearing(Game.CurrentMap(), {NoClock, 100'000, 1});
  ASSERT_EQ(Answer.Verdict, TVerdict::Clearable);
  ASSERT_GE(Answer.Moves.size(), 3u);
  // The board comes unsettled: the line starts from it settled.
  Game.Collapse();
  const TKnownClearing Known(Game.CurrentMap(), Answer.Moves);

  TGame Off;
  SetBoard(Off, BoardRows(Game.CurrentMap()));
  Off.SetWidth(5);
  EXPECT_FALSE(Known.NextFrom(Off.CurrentMap())); // another size

  for (const TRemoval& Expected : Answer.Moves) {
    Game.MarkGroup(0, Game.Height() - 1, 1); // marks are not compared
    const std::optional<TRemoval> Next = Known.NextFrom(Game.CurrentMap());
    ASSERT_TRUE(Next);
    EXPECT_TRUE(Next->X == Expected.X && Next->Y == Expected.Y);
    // Any other legal move leaves the line.
    for (int X = 0; X < Game.Width(); ++X)
      for (int Y = 0; Y < Game.Height(); ++Y) {
        if (Game.CurrentMap().GetColor(X, Y) == 0 || !Game.HasNeighbour(X, Y) ||
            Game.CurrentMap().GroupSize(X, Y) ==
                Game.CurrentMap().GroupSize(Expected.X, Expected.Y))
          continue;
        Off.SetWidth(Game.Width());
        Off.CurrentMap().Assign(Game.CurrentMap());
        Off.RemoveGroup(X, Y);
        Off.Collapse();
        EXPECT_FALSE(Known.NextFrom(Off.CurrentMap())) << X << "," << Y;
      }
    Game.RemoveGroup(Expected.X, Expected.Y);
    Game.Collapse();
  }
  EXPECT_EQ(Game.BoxCount(), 0);
  EXPECT_FALSE(Known.NextFrom(Game.CurrentMap())); // cleared: nothing left to play
}

// Every other first move, on boards with a clearing: a line carried over clears the board the
// move led to, and one is carried over wherever the move took a group the line takes later.
TEST(KnownClearing, CarriedOverLinesClearTheBoardAMoveLedTo) {
  int Carried = 0;
  int Refused = 0;
  for (std::uint64_t Seed = 1; Seed <= 12; ++Seed) {
    TMap Board;
    Board.SetWidth(6);
    Board.SetHeight(6);
    FillRandom(Board, 3, Seed);
    const TClearingAnswer Answer = FindClearing(Board, {NoClock, 200'000, 1});
    if (Answer.Verdict != TVerdict::Clearable)
      continue;
    TGame Game;
    SetBoard(Game, BoardRows(Board));
    for (int X = 0; X < Board.Width(); ++X)
      for (int Y = 0; Y < Board.Height(); ++Y) {
        if (!Game.HasNeighbour(X, Y))
          continue;
        const std::vector<TRemoval> Moves = ClearingAfter(Board, Answer.Moves, {X, Y});
        (Moves.empty() ? Refused : Carried) += 1;
        if (Moves.empty())
          continue;
        TGame After;
        SetBoard(After, BoardRows(Board));
        After.RemoveGroup(X, Y);
        After.Collapse();
        EXPECT_EQ(BoxesLeftAfter(After.CurrentMap(), Moves), 0) << Seed << ": " << X << "," << Y;
      }
    // The line's own first move leaves the rest of the line.
    const std::vector<TRemoval> Rest = ClearingAfter(Board, Answer.Moves, Answer.Moves.front());
    EXPECT_EQ(Rest.size(), Answer.Moves.size() - 1);
  }
  EXPECT_GE(Carried, 20);
  EXPECT_GE(Refused, 5);
}

// Collects the listener's calls; waits for them without making time part of the result.
class TCalls {
public:
  void Add(std::uint64_t Ticket, const TClearingAnswer& Answer) {
    std::lock_guard Lock(FMutex);
    FCalls.emplace_back(Ticket, Answer.Verdict);
    FChanged.notify_all();
  }
  std::vector<std::pair<std::uint64_t, TVerdict>> WaitForOne() {
    std::unique_lock Lock(FMutex);
    FChanged.wait_for(Lock, std::chrono::seconds(60), [this] { return !FCalls.empty(); });
    return FCalls;
  }

private:
  std::mutex FMutex;
  std::condition_variable FChanged;
  std::vector<std::pair<std::uint64_t, TVerdict>> FCalls;
};

TEST(ClearingInBackground, OnlyTheLastOfTwoQuickStartsIsAnswered) {
  TMap Large;
  Large.SetWidth(16);
  Large.SetHeight(16);
  FillRandom(Large, 7, 3); // far beyond a minute's search
  TGame Small;
  SetBoard(Small, {"...", "1..", "212"});
  TCalls Calls;
  {
    TClearingSearch Search(
        [&](std::uint64_t Ticket, const TClearingAnswer& Answer) { Calls.Add(Ticket, Answer); });
    const std::uint64_t First = Search.Start(Large, std::chrono::minutes(10));
    const std::uint64_t Second = Search.Start(Small.CurrentMap(), std::chrono::minutes(10));
    EXPECT_GT(Second, First);
    const auto Seen = Calls.WaitForOne();
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].first, Second);
    EXPECT_EQ(Seen[0].second, TVerdict::NotClearable);
    // Neither a cancelled search nor one running at destruction may call back.
    Search.Start(Large, std::chrono::minutes(10));
    Search.Cancel();
    Search.Start(Large, std::chrono::minutes(10));
  }
  EXPECT_EQ(Calls.WaitForOne().size(), 1u);
}

TEST(WinnableDeal, RepeatsForASeedAndItsClearingReplays) {
  for (const auto& [Width, Height, Colors] : {std::tuple{8, 8, 3}, std::tuple{10, 7, 4}}) {
    const auto Deal = DealWinnable(Width, Height, static_cast<std::uint8_t>(Colors), 42);
    ASSERT_TRUE(Deal);
    const auto Again = DealWinnable(Width, Height, static_cast<std::uint8_t>(Colors), 42);
    const auto Other = DealWinnable(Width, Height, static_cast<std::uint8_t>(Colors), 43);
    ASSERT_TRUE(Again && Other);
    EXPECT_EQ(Deal->Colors, Again->Colors);
    EXPECT_NE(Deal->Colors, Other->Colors);
    ASSERT_EQ(Deal->Colors.size(), static_cast<std::size_t>(Width * Height));
    TMap Board;
    Board.SetWidth(Width);
    Board.SetHeight(Height);
    for (int I = 0; I < Board.CellCount(); ++I) {
      const std::uint8_t Color = Deal->Colors[static_cast<std::size_t>(I)];
      EXPECT_TRUE(Color >= 1 && Color <= Colors);
      Board.Cells()[I] = {Color, 0};
    }
    EXPECT_EQ(BoxesLeftAfter(Board, Deal->Clearing), 0);
  }
  const std::atomic<bool> Cancelled{true};
  EXPECT_FALSE(DealWinnable(16, 16, 5, 1, &Cancelled));
}

} // namespace
