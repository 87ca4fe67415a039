// SPDX-License-Identifier: GPL-3.0-or-later
// The way back's planner against the truth of small games: whatever searches run out, it names
// a boundary only when it is the true one, and halves its way there.

#include "solver/WayBack.h"
#include "model/Random.h"
#include "tests/solver/Boards.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace {

// A 5x5 game played at random to its end, lost there; the truth of every board.
bool LostGame(std::uint32_t Seed, TGame& Game, std::vector<bool>& Truth, TExhaustiveCheck& Check) {
  SeedRandom(Seed);
  Game.SetWidth(5);
  Game.SetHeight(5);
  Game.SetColors(3);
  Game.NewGame();
  std::mt19937 Random(Seed);
  for (;;) {
    std::vector<std::pair<int, int>> Moves;
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y)
        if (Game.CurrentMap().GetColor(X, Y) != 0 && Game.HasNeighbour(X, Y))
          Moves.emplace_back(X, Y);
    if (Moves.empty())
      break;
    const auto [X, Y] = Moves[Random() % Moves.size()];
    Game.RemoveGroup(X, Y);
    Game.Collapse();
  }
  Truth.clear();
  for (const auto& Map : Game.Maps())
    Truth.push_back(Check.Clearable(FromMap(*Map)));
  return !Truth.back();
}

TEST(WayBackPlan, NamesOnlyTheTrueBoundary) {
  TExhaustiveCheck Check;
  TGame Game;
  std::vector<bool> Truth;
  int Games = 0;
  for (std::uint32_t Seed = 1; Games < 40; ++Seed) {
    if (!LostGame(Seed, Game, Truth, Check))
      continue;
    ++Games;
    const int Last = static_cast<int>(Truth.size()) - 1;
    int Boundary = -1;
    while (Boundary < Last && Truth[static_cast<std::size_t>(Boundary + 1)])
      ++Boundary;
    // An oracle that runs out at random on a share of the searches, on none in the last round.
    for (const double RunsOut : {0.5, 0.2, 0.0}) {
      std::mt19937 Random(Seed);
      std::vector<TVerdict> Verdicts(Truth.size(), TVerdict::Unknown);
      std::vector<int> Searched(Truth.size(), 0);
      Verdicts.back() = TVerdict::NotClearable;
      int Searches = 0;
      TWayBackStep Step;
      for (;;) {
        Step = PlanWayBack(Verdicts, Searched, 2);
        if (Step.Kind != TWayBackStep::TKind::Search)
          break;
        ++Searches;
        const auto Index = static_cast<std::size_t>(Step.Index);
        if (std::uniform_real_distribution<>(0, 1)(Random) < RunsOut)
          ++Searched[Index];
        else
          Verdicts[Index] = Truth[Index] ? TVerdict::Clearable : TVerdict::NotClearable;
      }
      const std::string Where = "seed " + std::to_string(Seed);
      if (Step.Kind == TWayBackStep::TKind::Proved) {
        EXPECT_EQ(Step.Clearable, Boundary) << Where;
      } else {
        EXPECT_LE(Step.Clearable, Boundary) << Where; // at most what is proved
      }
      if (Step.Clearable >= 0) {
        EXPECT_TRUE(Truth[static_cast<std::size_t>(Step.Clearable)]) << Where;
      }
      if (RunsOut == 0.0) {
        EXPECT_EQ(Step.Kind, TWayBackStep::TKind::Proved) << Where;
        EXPECT_LE(Searches, 2 * std::bit_width(static_cast<unsigned>(Last)) + 1) << Where;
      }
    }
  }
}

// Long histories, every boundary: the searches grow with the logarithm of the length.
TEST(WayBackPlan, HalvesLongHistories) {
  for (int Boundary = -1; Boundary < 63; ++Boundary) {
    std::vector<TVerdict> Verdicts(64, TVerdict::Unknown);
    Verdicts.back() = TVerdict::NotClearable;
    int Searches = 0;
    TWayBackStep Step = PlanWayBack(Verdicts);
    for (; Step.Kind == TWayBackStep::TKind::Search; Step = PlanWayBack(Verdicts)) {
      ++Searches;
      Verdicts[static_cast<std::size_t>(Step.Index)] =
          Step.Index <= Boundary ? TVerdict::Clearable : TVerdict::NotClearable;
    }
    EXPECT_EQ(Step.Kind, TWayBackStep::TKind::Proved);
    EXPECT_EQ(Step.Clearable, Boundary);
    EXPECT_LE(Searches, 13) << "boundary " << Boundary;
  }
}

} // namespace
