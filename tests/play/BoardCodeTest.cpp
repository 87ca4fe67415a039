// SPDX-License-Identifier: GPL-3.0-or-later
// A board's code deals the same board again, in another game; a code that is not one is refused.

#include "play/BoardCode.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "tests/play/ControllerHarness.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The code of the board in play, dealt again by a game that has dealt nothing else.
TRows DealtAgain(const TBoardCode& Code) {
  TGameController Other(12345u);
  Other.CreateGame();
  QSignalSpy Ended(&Other, &TGameController::DealingEnded);
  Other.DealCode(Code);
  if (Code.Winnable && !Ended.wait(30000))
    return {};
  EXPECT_EQ(Other.BoardCode(), Code);
  return BoardRows(Other.Game().CurrentMap());
}

TEST(BoardCode, EveryLevelAndADealtBoardComeBackFromTheirCode) {
  TGameController Controller(20261207u);
  Controller.CreateGame();
  for (std::size_t Level = 0; Level < LevelPresets.size(); ++Level) {
    Controller.ApplyLevel(Level);
    EXPECT_EQ(DealtAgain(DecodeBoardCode(EncodeBoardCode(*Controller.BoardCode())).value()),
              BoardRows(Controller.Game().CurrentMap()))
        << "level " << Level;
  }
  Controller.SetLevels({{{5, 5, 3}, {6, 6, 4}, {7, 6, 4}}}); // deals that come quickly
  Controller.SetWinnableOnly(true);
  QSignalSpy Ended(&Controller, &TGameController::DealingEnded);
  Controller.ApplyLevel(2);
  ASSERT_TRUE(Ended.wait(30000));
  ASSERT_TRUE(Controller.BoardCode()->Winnable);
  EXPECT_EQ(DealtAgain(*DecodeBoardCode(EncodeBoardCode(*Controller.BoardCode()).toLower())),
            BoardRows(Controller.Game().CurrentMap()));
}

TEST(BoardCode, RefusesWhatIsNotACode) {
  const QString Good = EncodeBoardCode({false, 12, 12, 3, 77});
  EXPECT_TRUE(DecodeBoardCode(QString(Good).remove(QLatin1Char('-'))));
  QString Typo = Good;
  Typo[6] = Typo[6] == QLatin1Char('1') ? QLatin1Char('2') : QLatin1Char('1');
  for (const QString& Bad :
       {QString(), Good.left(13), Good + QLatin1Char('0'), Typo,
        QString(Good).replace(5, 1, QLatin1Char('U')), EncodeBoardCode({false, 17, 12, 3, 77}),
        EncodeBoardCode({false, 12, 18, 3, 77}), EncodeBoardCode({true, 12, 12, 8, 77})})
    EXPECT_FALSE(DecodeBoardCode(Bad)) << Bad.toStdString();
}

} // namespace
