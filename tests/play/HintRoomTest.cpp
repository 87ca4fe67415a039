// SPDX-License-Identifier: GPL-3.0-or-later
// Hints and deals through the controller: answers checked against an exhaustive search, the
// way back, and commands met while a board is dealt.

#include "play/HintRoom.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "tests/play/ControllerHarness.h"
#include "tests/solver/Boards.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace {

bool Clearable(const TMap& Board) {
  static TExhaustiveCheck Check;
  return Check.Clearable(FromMap(Board));
}

// Whether playing (X, Y) leaves a board that can still be cleared.
bool GoodMove(const TMap& Board, int X, int Y) {
  TGame Scratch;
  LoadBoard(Scratch, BoardRows(Board));
  if (!Scratch.HasNeighbour(X, Y))
    return false;
  Scratch.RemoveGroup(X, Y);
  Scratch.Collapse();
  return Clearable(Scratch.CurrentMap());
}

struct THintSeen {
  THint Hint;
  int X;
  int Y;
};

// Asks and waits for the answer that follows any "searching".
THintSeen AskAndWait(TGameController& Controller) {
  std::optional<THintSeen> Seen;
  const QMetaObject::Connection Listen =
      QObject::connect(&Controller, &TGameController::HintGiven, [&](THint Hint, int X, int Y) {
        if (Hint != THint::Searching && Hint != THint::SearchingBack)
          Seen = THintSeen{Hint, X, Y};
      });
  Controller.AskHint();
  const bool Answered = QTest::qWaitFor([&] { return Seen.has_value(); }, 30000);
  QObject::disconnect(Listen);
  return Answered ? *Seen : THintSeen{THint::Searching, -1, -1};
}

class HintRoomTest : public ::testing::Test {
protected:
  void SetUp() override { Controller.CreateGame(); }
  TGameController Controller;
};

// A deal that finished after the option went off replaced the board: first a level's board
// (with the old size's boxes and colours), then a random board the player had begun.
TEST_F(HintRoomTest, ADealNeverReplacesTheBoardAfterTheOptionWentOff) {
  Controller.SetLevels({{{5, 5, 3}, {5, 5, 4}, {6, 6, 4}}}); // deals that come quickly
  Controller.ApplyLevel(0);
  QSignalSpy Changed(&Controller, &TGameController::BoardChanged);
  for (const bool Level : {true, false}) {
    Controller.SetWinnableOnly(true);
    Controller.NewGame();
    ASSERT_TRUE(Controller.Dealing());
    Controller.SetWinnableOnly(false);
    if (Level)
      Controller.ApplyLevel(2);
    else
      Controller.NewGame();
    Changed.clear();
    EXPECT_FALSE(Changed.wait(2000)) << "the deal came after all";
    EXPECT_EQ(Controller.Game().CurrentMap().Width(), Level ? 6 : 5);
    EXPECT_EQ(Controller.Game().Colors(), Level ? 4 : 3);
    Controller.ApplyLevel(0);
  }
}

// Space, H and Ctrl+Z while a board is dealt used to be dropped without a word.
TEST_F(HintRoomTest, CommandsWhileDealingAreAnswered) {
  Controller.SetWinnableOnly(true);
  Controller.ApplyLevel(2);
  QSignalSpy Busy(&Controller, &TGameController::DealingBusy);
  ASSERT_TRUE(Controller.Dealing());
  Controller.MakeMove(0, 0);
  Controller.AskHint();
  Controller.Undo(TMenuStates::Set);
  EXPECT_EQ(Busy.count(), 3);
}

// An answer queued for a board of the freed game must not answer the new game's search: its
// ticket is no longer the running search's, and its board is not the one asked for.
TEST_F(HintRoomTest, AQueuedAnswerOfAFreedGameIsNotTaken) {
  LoadBoard(Controller, {"11.", "22.", "113"}); // lost at once
  Controller.AskHint();
  std::this_thread::sleep_for(std::chrono::milliseconds(500)); // its answer waits, queued
  Controller.FreeGame();
  Controller.CreateGame();
  LoadBoard(Controller, {"11.", "22.", "22."});
  EXPECT_EQ(AskAndWait(Controller).Hint, THint::Move);
}

// The line below loses the board with its second move. H tells how far back the board could
// still be cleared; H again undoes exactly there, as undos would, and frames a good move.
TEST_F(HintRoomTest, TheWayBackUndoesToTheLastBoardThatCouldBeCleared) {
  LoadBoard(Controller, {"1332", "2121", "1233", "2122"});
  Controller.MakeMove(1, 0);
  Controller.MakeMove(2, 2);
  Controller.MakeMove(1, 2);
  ASSERT_EQ(Controller.Game().Current(), 3);
  const THintSeen Back = AskAndWait(Controller);
  EXPECT_EQ(Back.Hint, THint::GoBack);
  EXPECT_EQ(Back.X, 2);
  const THintSeen There = AskAndWait(Controller);
  EXPECT_EQ(Controller.Game().Current(), 1);
  EXPECT_TRUE(Controller.Game().CanRedo());
  ASSERT_EQ(There.Hint, THint::Move);
  EXPECT_TRUE(GoodMove(Controller.Game().CurrentMap(), There.X, There.Y));

  LoadBoard(Controller, {"11.", "22.", "113"}); // a lone 3: never clearable
  Controller.MakeMove(0, 0);
  EXPECT_EQ(AskAndWait(Controller).Hint, THint::Unwinnable);
}

// Small levels, every command in random order; each hint agrees with an exhaustive search,
// the board keeps its level's size and colours, and every command is answered.
TEST_F(HintRoomTest, RandomCommandsOnSmallBoardsGetRightAnswers) {
  const std::array<TLevelPreset, 3> Levels{{{4, 4, 3}, {5, 5, 3}, {6, 6, 3}}};
  Controller.SetLevels(Levels);
  std::size_t Level = 0;
  Controller.ApplyLevel(Level);
  int Answers = 0;
  const auto Count = [&](auto Signal) {
    QObject::connect(&Controller, Signal, &Controller, [&] { ++Answers; });
  };
  Count(&TGameController::MoveMade);
  Count(&TGameController::HistoryChanged); // an animated move is told once it settles
  Count(&TGameController::MoveRefused);
  Count(&TGameController::HistoryStepped);
  Count(&TGameController::HintGiven);
  Count(&TGameController::NewGameDealt);
  Count(&TGameController::DealingBusy);
  Count(&TGameController::DealingStarted);
  Count(&TGameController::LevelApplied);
  std::mt19937 Random(27);
  const auto Below = [&](int N) { return static_cast<int>(Random() % static_cast<unsigned>(N)); };
  for (int Step = 0; Step < 400; ++Step) {
    const int Kind = Below(20);
    const int Before = Answers;
    const std::string Where = "step " + std::to_string(Step) + " kind " + std::to_string(Kind);
    if (Kind < 8) {
      Controller.MakeMove(Below(Levels[Level].Width), Below(Levels[Level].Height));
    } else if (Kind < 11 && Controller.Dealing()) {
      Controller.AskHint();
    } else if (Kind < 11) {
      const int Current = Controller.Game().Current();
      const THintSeen Seen = AskAndWait(Controller);
      if (Seen.Hint == THint::Move)
        EXPECT_TRUE(GoodMove(Controller.Game().CurrentMap(), Seen.X, Seen.Y)) << Where;
      else if (Seen.Hint == THint::GoBack) {
        EXPECT_FALSE(Clearable(*Controller.Game().Maps()[Current])) << Where;
        EXPECT_TRUE(Clearable(*Controller.Game().Maps()[Current - Seen.X])) << Where;
      } else if (Seen.Hint == THint::CouldGoBack) {
        EXPECT_FALSE(Clearable(*Controller.Game().Maps()[Current])) << Where;
        EXPECT_TRUE(Clearable(*Controller.Game().Maps()[Current - Seen.X])) << Where;
      } else if (Seen.Hint == THint::Empty)
        EXPECT_EQ(Controller.Game().BoxCount(), 0) << Where;
      else
        EXPECT_TRUE(Seen.Hint == THint::Unwinnable && !Clearable(*Controller.Game().Maps()[0]))
            << Where << " hint " << static_cast<int>(Seen.Hint);
    } else if (Kind < 13) {
      Controller.Undo(TMenuStates::Set);
    } else if (Kind < 14) {
      Controller.Redo();
    } else if (Kind < 15) {
      Controller.NewGame();
    } else if (Kind < 16) {
      Level = static_cast<std::size_t>(Below(3));
      Controller.ApplyLevel(Level);
    } else if (Kind < 17) {
      Controller.SetWinnableOnly(!Controller.WinnableOnly());
      ++Answers;
    } else {
      Controller.SetAnimation(Below(2) == 0);
      if (Controller.Settling())
        Tick(Controller);
      QCoreApplication::processEvents();
      ++Answers;
    }
    EXPECT_GT(Answers, Before) << Where << ": not answered";
    const TGame& Game = Controller.Game();
    ASSERT_EQ(Game.CurrentMap().Width(), Levels[Level].Width) << Where;
    ASSERT_EQ(Game.CurrentMap().Height(), Levels[Level].Height) << Where;
    ASSERT_EQ(Game.Colors(), Levels[Level].Colors) << Where;
  }
}

} // namespace

namespace {

// The line of the way-back test: its second move loses the board, which could be cleared
// before it.
void PlayTheLosingLine(TGameController& Controller, const std::function<void()>& AfterMove) {
  LoadBoard(Controller, {"1332", "2121", "1233", "2122"});
  for (const auto& [X, Y] : {std::pair{1, 0}, std::pair{2, 2}, std::pair{1, 2}}) {
    Controller.MakeMove(X, Y);
    AfterMove();
  }
}

void WaitIdle(TGameController& Controller) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Controller.Hints().Busy(); }, 30000));
}

// No search unless the player asks: each test sees only the searches it causes.
THintRoom::TBudgets AskedOnly() {
  THintRoom::TBudgets Budgets = THintRoom::DefaultBudgets();
  Budgets.Rounds = 0;
  return Budgets;
}

// H pressed over and over while the earlier boards are searched joins the look: it takes as
// many searches to the same answer as one press does.
TEST_F(HintRoomTest, HPressedWhileLookingStartsNoSearch) {
  Controller.Hints().SetBudgets(AskedOnly());
  std::vector<int> Searches;
  for (const bool Press : {false, true}) {
    PlayTheLosingLine(Controller, [] {});
    const int Before = Controller.Hints().SearchesStarted();
    QTimer Presses;
    QObject::connect(&Presses, &QTimer::timeout, &Controller, [&] {
      if (Controller.Hints().Busy())
        Controller.AskHint();
    });
    if (Press)
      Presses.start(0);
    const THintSeen Back = AskAndWait(Controller);
    Presses.stop();
    EXPECT_EQ(Back.Hint, THint::GoBack);
    EXPECT_EQ(Back.X, 2);
    Searches.push_back(Controller.Hints().SearchesStarted() - Before);
  }
  EXPECT_EQ(Searches[0], Searches[1]);
}

// A first search too small to settle the board says "not found"; the search goes on and its
// answer is told once, unasked, on the same board, and never after a move.
TEST_F(HintRoomTest, NotFoundThenFoundIsToldOnceOnTheSameBoard) {
  THintRoom::TBudgets Budgets = AskedOnly();
  Budgets.Asked.Work = 1;
  Controller.Hints().SetBudgets(Budgets);
  for (const bool Move : {false, true}) {
    LoadBoard(Controller, {"1332", "2121", "1233", "2122"});
    EXPECT_EQ(AskAndWait(Controller).Hint, THint::NotFound);
    if (Move)
      Controller.MakeMove(1, 0);
    QSignalSpy Hints(&Controller, &TGameController::HintGiven);
    WaitIdle(Controller);
    QCoreApplication::processEvents();
    ASSERT_EQ(Hints.count(), Move ? 0 : 1);
    if (!Move) {
      EXPECT_EQ(Hints.front().front().value<THint>(), THint::Move);
      EXPECT_TRUE(GoodMove(Controller.Game().CurrentMap(), Hints.front().at(1).toInt(),
                           Hints.front().at(2).toInt()));
    }
  }
}

// With the warning on, the losing move is told once, with the way back, and no later move
// tells it again; with it off, nothing is told unasked.
TEST_F(HintRoomTest, TheWarningTellsTheLosingMoveOnce) {
  for (const bool Warning : {true, false}) {
    Controller.SetLossWarning(Warning);
    QSignalSpy Hints(&Controller, &TGameController::HintGiven);
    std::vector<int> ToldAfter;
    PlayTheLosingLine(Controller, [&] {
      WaitIdle(Controller);
      QCoreApplication::processEvents();
      ToldAfter.push_back(static_cast<int>(Hints.count()));
    });
    const std::vector<int> Expected =
        Warning ? std::vector<int>{0, 1, 1} : std::vector<int>{0, 0, 0};
    EXPECT_EQ(ToldAfter, Expected);
    if (Warning) {
      EXPECT_EQ(Hints.front().front().value<THint>(), THint::GoBack);
      EXPECT_EQ(Hints.front().at(1).toInt(), 1);
    }
  }
}

// A move off the known clearing that leaves the line's groups whole is answered at once from
// the line carried over: no search, nothing to wait for.
TEST_F(HintRoomTest, AMoveOffTheKnownLineIsAnsweredWithoutASearch) {
  Controller.Hints().SetBudgets(AskedOnly());
  LoadBoard(Controller, {"1122", "3344", "5511"});
  const THintSeen First = AskAndWait(Controller);
  ASSERT_EQ(First.Hint, THint::Move);
  // A pair of the bottom row that is not the hinted one: every pair stays a pair.
  Controller.MakeMove(First.X < 2 ? 2 : 0, 2);
  const int Before = Controller.Hints().SearchesStarted();
  QSignalSpy Hints(&Controller, &TGameController::HintGiven);
  Controller.AskHint();
  ASSERT_EQ(Hints.count(), 1);
  EXPECT_EQ(Hints.front().front().value<THint>(), THint::Move);
  EXPECT_TRUE(GoodMove(Controller.Game().CurrentMap(), Hints.front().at(1).toInt(),
                       Hints.front().at(2).toInt()));
  EXPECT_EQ(Controller.Hints().SearchesStarted(), Before);
}

// Earlier boards whose searches all run out: the player hears that no way back was found,
// never a number.
TEST_F(HintRoomTest, NoWayBackFoundInTime) {
  THintRoom::TBudgets Budgets = AskedOnly();
  Budgets.Back.Work = 1;
  Budgets.AskBack = std::chrono::milliseconds(0);
  Controller.Hints().SetBudgets(Budgets);
  PlayTheLosingLine(Controller, [] {});
  EXPECT_EQ(AskAndWait(Controller).Hint, THint::NoWayBack);
  EXPECT_EQ(Controller.Hints().WayBack(), 0);
}

} // namespace
