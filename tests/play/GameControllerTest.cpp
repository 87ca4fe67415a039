// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller alone, without a window: what each command tells its listeners.

#include "play/GameController.h"
#include "model/Game.h"
#include "tests/play/ControllerHarness.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GameControllerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Controller.CreateGame();
    LoadBoard(Controller, {"1..", "2..", "211"});
  }

  TGameController Controller;
};

// The screen reader's answers and the window's message line hang on these.
TEST_F(GameControllerTest, MovesAndTheHistoryTellWhatHappened) {
  QSignalSpy Made(&Controller, &TGameController::MoveMade);
  QSignalSpy Refused(&Controller, &TGameController::MoveRefused);
  QSignalSpy Changed(&Controller, &TGameController::BoardChanged);
  QSignalSpy History(&Controller, &TGameController::HistoryChanged);
  QSignalSpy Stepped(&Controller, &TGameController::HistoryStepped);
  QSignalSpy Over(&Controller, &TGameController::GameOver);

  // Nothing to undo or redo on a fresh board: nothing happened, and that is what is told.
  Controller.Undo(TMenuStates::Keep);
  Controller.Redo();
  EXPECT_EQ(Stepped.at(0), (QList<QVariant>{QVariant::fromValue(THistoryStep::Undo), false}));
  EXPECT_EQ(Stepped.at(1), (QList<QVariant>{QVariant::fromValue(THistoryStep::Redo), false}));
  EXPECT_EQ(History.last(), (QList<QVariant>{false, false, QVariant::fromValue(TMenuStates::Set)}));
  EXPECT_EQ(Controller.Game().Current(), 0);
  Changed.clear();
  History.clear();

  Controller.MakeMove(0, 0); // a single 1
  EXPECT_EQ(Refused.count(), 1);
  EXPECT_EQ(Changed.count() + Made.count() + History.count(), 0)
      << "a refused move changes nothing";

  Controller.MakeMove(0, 2);
  ASSERT_EQ(Made.count(), 1);
  EXPECT_EQ(Made.at(0), (QList<QVariant>{0, 2, 2}));
  EXPECT_EQ(History.last(), (QList<QVariant>{true, false, QVariant::fromValue(TMenuStates::Set)}));
  EXPECT_EQ(Changed.count(), 1);
  Controller.MakeMove(0, 2);
  EXPECT_EQ(Over.last(), QList<QVariant>{true});
  Tick(Controller); // ends a fall, which checks the end again
  EXPECT_EQ(Over.count(), 1) << "an end is told once per board";

  Controller.Undo(TMenuStates::Keep);
  EXPECT_EQ(Stepped.last(), (QList<QVariant>{QVariant::fromValue(THistoryStep::Undo), true}));
  EXPECT_EQ(History.last(), (QList<QVariant>{true, true, QVariant::fromValue(TMenuStates::Keep)}));
}

// The answer to an animated move describes the board the player will see once it settles:
// after the first step the 1s are still in the air, in two groups; settled they are one.
TEST_F(GameControllerTest, AMoveIsToldOnceItsBoardHasSettled) {
  LoadBoard(Controller, {"1..", "1..", "2..", "2..", "11."});
  Controller.SetAnimation(true);
  std::vector<int> GroupsWhenTold;
  QObject::connect(&Controller, &TGameController::MoveMade, &Controller,
                   [&] { GroupsWhenTold.push_back(Controller.Game().GroupCount()); });
  Controller.MakeMove(0, 2);
  EXPECT_TRUE(Controller.Settling());
  EXPECT_TRUE(GroupsWhenTold.empty()) << "told while the boxes were falling";
  while (Controller.Settling())
    Tick(Controller);
  EXPECT_EQ(GroupsWhenTold, std::vector<int>{1});
}

TEST_F(GameControllerTest, TheLossWaitsForTheLastStepOfTheFall) {
  LoadBoard(Controller, {"1..", "22.", "31."});
  Controller.SetAnimation(true);
  QSignalSpy Over(&Controller, &TGameController::GameOver);
  QSignalSpy Ended(&Controller, &TGameController::SettlingEnded);
  Controller.MakeMove(0, 1);
  EXPECT_TRUE(Controller.Settling());
  EXPECT_EQ(Over.count(), 0);
  while (Controller.Settling())
    Tick(Controller);
  EXPECT_EQ(Ended.count(), 1);
  EXPECT_EQ(Over.last(), QList<QVariant>{false});
  // The same loss after an undo is news again.
  Controller.Undo(TMenuStates::Set);
  Controller.SetAnimation(false);
  Controller.MakeMove(0, 1);
  EXPECT_EQ(Over.count(), 2);
}

// A tick that came after the game was freed stepped freed memory.
TEST_F(GameControllerTest, FreeingTheGameDuringAFallStopsIt) {
  LoadBoard(Controller, {"1..", "22.", "31."});
  Controller.SetAnimation(true);
  Controller.MakeMove(0, 1);
  ASSERT_TRUE(Controller.Settling());
  Controller.FreeGame();
  EXPECT_FALSE(Controller.Settling());
  QTest::qWait(2 * TGameController::AnimationInterval);
  Tick(Controller);
  Controller.MakeMove(0, 0);
  Controller.Undo(TMenuStates::Set);
  Controller.ApplyLevel(2);
  EXPECT_EQ(Controller.CurrentGame(), nullptr);
}

TEST_F(GameControllerTest, ALevelTellsWhichAndWhetherItDealtANewBoard) {
  QSignalSpy Level(&Controller, &TGameController::LevelApplied);
  Controller.ApplyLevel(2);
  EXPECT_EQ(Level.at(0), (QList<QVariant>{QVariant::fromValue(std::size_t{2}), true}));
  // A known board of the level in force, so that the move below is surely made.
  TRows Rows(16, std::string(16, '1'));
  Rows[0] = std::string(16, '2');
  LoadBoard(Controller, Rows);
  Controller.MakeMove(0, 0);
  ASSERT_EQ(Controller.Game().Current(), 1);
  Controller.ApplyLevel(2);
  EXPECT_EQ(Level.at(1), (QList<QVariant>{QVariant::fromValue(std::size_t{2}), false}));
  EXPECT_EQ(Controller.Game().Current(), 1) << "the level in force keeps its history";
}

// A board can be played again, or passed on, by its seed.
TEST(GameControllerSeed, TheSameSeedDealsTheSameBoards) {
  const auto Deals = [](std::uint32_t Seed) {
    TGameController Controller(Seed);
    Controller.CreateGame();
    TRows Boards = BoardRows(Controller.Game().CurrentMap());
    Controller.NewGame();
    Controller.ApplyLevel(2);
    for (const std::string& Row : BoardRows(Controller.Game().CurrentMap()))
      Boards.push_back(Row);
    return Boards;
  };
  EXPECT_EQ(Deals(20261207), Deals(20261207));
  EXPECT_NE(Deals(20261207), Deals(20261208));
}

} // namespace
