// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller alone, without a window: what each command tells its listeners.

#include "ui/GameController.h"
#include "model/Game.h"
#include "tests/BoardText.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class GameControllerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Controller.CreateGame();
    LoadBoard(Controller.Game(), {"1..", "2..", "211"});
  }
  void TearDown() override {
    while (QApplication::overrideCursor())
      QApplication::restoreOverrideCursor();
  }

  TGameController Controller;
};

// The screen reader's answers and the window's message line hang on these.
TEST_F(GameControllerTest, MovesAndTheHistoryTellWhatHappened) {
  QSignalSpy Made(&Controller, &TGameController::MoveMade);
  QSignalSpy Refused(&Controller, &TGameController::MoveRefused);
  QSignalSpy Changed(&Controller, &TGameController::BoardChanged);
  QSignalSpy Menus(&Controller, &TGameController::MenuStatesChanged);
  QSignalSpy Over(&Controller, &TGameController::GameOver);

  Controller.MakeMove(0, 0); // a single 1
  EXPECT_EQ(Refused.count(), 1);
  EXPECT_EQ(Changed.count() + Made.count() + Menus.count(), 0) << "a refused move changes nothing";

  Controller.MakeMove(0, 2);
  ASSERT_EQ(Made.count(), 1);
  EXPECT_EQ(Made.at(0), (QList<QVariant>{0, 2, 2}));
  EXPECT_EQ(Menus.last(), (QList<QVariant>{true, false}));
  EXPECT_EQ(Changed.count(), 1);
  Controller.MakeMove(0, 2);
  EXPECT_EQ(Over.last(), QList<QVariant>{true});
  Controller.CheckGameOver();
  EXPECT_EQ(Over.count(), 1) << "an end is told once per board";

  QSignalSpy Undone(&Controller, &TGameController::Undone);
  Controller.PictureUndo();
  EXPECT_EQ(Undone.count(), 1);
  EXPECT_EQ(Menus.count(), 2) << "the undo picture leaves the menu states alone";
  Controller.MenuUndo();
  EXPECT_EQ(Menus.last(), (QList<QVariant>{false, true}));
}

TEST_F(GameControllerTest, TheLossWaitsForTheLastStepOfTheFall) {
  LoadBoard(Controller.Game(), {"1..", "22.", "31."});
  Controller.SetAnimation(true);
  QSignalSpy Over(&Controller, &TGameController::GameOver);
  QSignalSpy Ended(&Controller, &TGameController::SettlingEnded);
  Controller.MakeMove(0, 1);
  EXPECT_TRUE(Controller.Timer()->isActive());
  EXPECT_EQ(Over.count(), 0);
  while (Controller.Timer()->isActive())
    Controller.AnimateMap();
  EXPECT_EQ(Ended.count(), 1);
  EXPECT_EQ(Over.last(), QList<QVariant>{false});
  // The same loss after an undo is news again.
  Controller.MenuUndo();
  Controller.SetAnimation(false);
  Controller.MakeMove(0, 1);
  EXPECT_EQ(Over.count(), 2);
}

TEST_F(GameControllerTest, ALevelTellsWhetherItDealtANewBoard) {
  QSignalSpy Level(&Controller, &TGameController::LevelApplied);
  Controller.ApplyLevel(LevelPresets[0]);
  Controller.MakeMove(0, 0);
  const int Current = Controller.Game().Current();
  Controller.ApplyLevel(LevelPresets[0]);
  EXPECT_EQ(Level.at(0), QList<QVariant>{true});
  EXPECT_EQ(Level.at(1), QList<QVariant>{false});
  EXPECT_EQ(Controller.Game().Current(), Current) << "the level in force keeps its history";
}

} // namespace
