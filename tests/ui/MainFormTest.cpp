// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven with real widgets and events on the offscreen platform.

#include "model/Game.h"
#include "solver/Solver.h"
#include "tests/BoardText.h"
#include "tests/GameInvariants.h"
#include "tests/ui/GameWindow.h"
#include "ui/BoardPainter.h"
#include "ui/HotSpot.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    Window = std::make_unique<TGameWindow>();
    Form = &Window->Form;
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form));
  }

  void TearDown() override {
    Form = nullptr;
    Window.reset();
    while (QApplication::overrideCursor())
      QApplication::restoreOverrideCursor();
  }

  // Puts a board into the game and sizes the view for it, as a level change would.
  void Load(const TRows& Rows) {
    LoadBoard(Form->Controller(), Rows);
    Form->AdjustBoardSize();
    Form->RefreshBoard();
  }

  QPoint CellCentre(int ACol, int ARow) const {
    return TPuzzleGrid::ClientOrigin() + Form->PuzzleGrid->CellRect(ACol, ARow).center();
  }

  void ReleaseOn(int ACol, int ARow, Qt::MouseButton Button = Qt::LeftButton) {
    QTest::mouseClick(Form->PuzzleGrid, Button, Qt::NoModifier, CellCentre(ACol, ARow));
  }

  void Key(Qt::Key K, Qt::KeyboardModifiers Modifiers = Qt::ControlModifier) {
    QTest::keyClick(Form->PuzzleGrid, K, Modifiers);
  }

  void ClickSpot(QWidget* Spot, Qt::MouseButton Button = Qt::LeftButton) {
    QTest::mouseClick(Spot, Button, Qt::NoModifier, Spot->rect().center());
  }

  QString Message() const { return Form->Label1->text(); }

  std::unique_ptr<TGameWindow> Window;
  TMainForm* Form = nullptr;
};

TEST_F(MainFormTest, StartsWithTheDefaultBoardInPlace) {
  EXPECT_EQ(Form->size(), QSize(480, 360));
  EXPECT_EQ(Form->windowTitle(), "Quenlith");
  EXPECT_EQ(Form->Game().Width(), 8);
  EXPECT_EQ(Form->Game().Height(), 8);
  EXPECT_EQ(Form->Game().Colors(), 3);
  EXPECT_EQ(Form->PuzzleGrid->geometry(), QRect(236, 115, 132, 132));
  EXPECT_EQ(Form->PuzzleGrid->ColCount(), 8);
  EXPECT_TRUE(Message().isEmpty());
  EXPECT_FALSE(Form->Undo1->Enabled());
  EXPECT_FALSE(Form->Redo1->Enabled());
  EXPECT_TRUE(Form->Beginner1->Checked());
  EXPECT_FALSE(Form->Options1->Visible());
  EXPECT_FALSE(Form->Game1->Visible());
  EXPECT_FALSE(Form->StatusBar->isVisible());
  EXPECT_EQ(Form->StatusText(), QString("Boxes: 64  Groups: %1").arg(Form->Game().GroupCount()));
  EXPECT_EQ(Form->Image1->size(), QSize(480, 360));
  EXPECT_EQ(Form->Image5->toolTip(), "About");
  EXPECT_TRUE(Form->Image2->toolTip().isEmpty());
}

TEST_F(MainFormTest, FirstActivationHidesTheFrameAndLaterOnesChangeNothing) {
  TGameWindow HiddenWindow;
  TMainForm& Hidden = HiddenWindow.Form;
  EXPECT_EQ(Hidden.HighlightMode(), 1) << "two Highlight commands at creation";
  // The activation may come after the first paint, or never: showing runs the handler.
  Hidden.show();
  EXPECT_EQ(Hidden.HighlightMode(), 2) << "the first paint must have no cell frame";

  ASSERT_TRUE(QTest::qWaitForWindowActive(Form));
  EXPECT_EQ(Form->HighlightMode(), 2);
  EXPECT_EQ(QApplication::focusWidget(), Form->PuzzleGrid) << "Space must reach the board";
  QWidget Other;
  Other.show();
  Other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Other));
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form));
  EXPECT_EQ(Form->HighlightMode(), 2);
}

TEST_F(MainFormTest, AMoveRemovesTheGroupAndSettlesAtOnce) {
  Load({"12.", "12.", "33."});
  ReleaseOn(0, 2, Qt::RightButton); // any button plays
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"...", "12.", "12."}));
  EXPECT_EQ(Form->Game().Current(), 1);
  EXPECT_TRUE(Form->Undo1->Enabled());
  EXPECT_FALSE(Form->Redo1->Enabled());
  EXPECT_EQ(Form->StatusText(), "Boxes: 4  Groups: 2");

  ReleaseOn(0, 0); // lone box: nothing happens
  ReleaseOn(2, 2); // empty beside empty: no new history entry
  EXPECT_EQ(Form->Game().Current(), 1);
  EXPECT_TRUE(Message().isEmpty());
}

TEST_F(MainFormTest, PressInsideAndReleaseOutsideMakesNoMove) {
  Load({"11.", "22.", "33."});
  QTest::mousePress(Form->PuzzleGrid, Qt::LeftButton, Qt::NoModifier, CellCentre(0, 0));
  QTest::mouseRelease(Form->PuzzleGrid, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
  QTest::mouseClick(Form->PuzzleGrid, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50)); // strip
  EXPECT_EQ(Form->Game().Current(), 0);
}

TEST_F(MainFormTest, PointerAndSpacePlayTheCurrentCell) {
  Load({"12.", "12.", "33."});
  QTest::mouseMove(Form->PuzzleGrid, CellCentre(1, 2));
  EXPECT_EQ(Form->PuzzleGrid->Col(), 1);
  EXPECT_EQ(Form->PuzzleGrid->Row(), 2);
  QTest::mouseMove(Form->PuzzleGrid, QPoint(51, 10)); // the strip keeps the current cell
  EXPECT_EQ(Form->PuzzleGrid->Col(), 1);
  Key(Qt::Key_Up, Qt::NoModifier);
  Key(Qt::Key_Up, Qt::NoModifier);
  Key(Qt::Key_Space, Qt::NoModifier); // plays (1, 0), the pair of 2s
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"1..", "1..", "33."}));
}

TEST_F(MainFormTest, AnimatedMoveFallsOneStepPerTickWithTheHourglass) {
  Load({"1..", "2..", "211"});
  Key(Qt::Key_A);
  EXPECT_TRUE(Form->Animation());
  EXPECT_EQ(Message(), "Animation on.");
  Form->Label1->Clear();
  ReleaseOn(0, 2);
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"...", "1..", ".11"}));
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_EQ(Form->Timer1->interval(), 125);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

  Tick(Form->Controller());
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"...", "...", "111"}));
  EXPECT_TRUE(Message().isEmpty());
  Tick(Form->Controller()); // nothing moved: the animation ends
  EXPECT_FALSE(Form->Timer1->isActive());
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
}

// Undo, redo or a move during the fall used to store the half-fallen board: redo then showed
// a box in the air that never fell, and a move was played on boxes still in the air.
TEST_F(MainFormTest, NoBoxStaysInTheAirWhenTheHistoryMovesDuringTheFall) {
  Load({"1..", "2..", "211"});
  Form->SetAnimation(true);
  ReleaseOn(0, 2);
  ASSERT_TRUE(Form->Timer1->isActive());
  Key(Qt::Key_Z);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->Timer1->isActive(); }, 5000));
  Key(Qt::Key_Y);
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"...", "...", "111"}));
  EXPECT_EQ(Invariants::HistorySettleFault(Form->Game(), false), "");

  Load({"1..", "2..", "211"});
  ReleaseOn(0, 2);
  ASSERT_TRUE(Form->Timer1->isActive());
  ReleaseOn(0, 2); // the three 1s, as the settled board has them
  EXPECT_EQ(Form->Game().BoxCount(), 0);
  EXPECT_EQ(Message(), "Congratulation! You win");
  EXPECT_EQ(Invariants::HistorySettleFault(Form->Game(), false), "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->Timer1->isActive(); }, 5000))
      << "the running timer still ends on its next tick";
}

TEST_F(MainFormTest, RealTimerTicksSettleTheBoard) {
  Load({"1..", "2..", "2.."});
  Form->SetAnimation(true);
  ReleaseOn(0, 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->Timer1->isActive(); }, 5000));
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), (TRows{"...", "...", "1.."}));
  EXPECT_EQ(Message(), "You lose! Tvy again.");
}

TEST_F(MainFormTest, LossIsAnnouncedOnlyOnTheSettledBoard) {
  Load({"1..", "22.", "31."});
  Form->SetAnimation(true);
  ReleaseOn(0, 1);
  EXPECT_TRUE(Message().isEmpty()) << "still falling";
  while (Form->Timer1->isActive())
    Tick(Form->Controller());
  EXPECT_EQ(Message(), "You lose! Tvy again.");

  Key(Qt::Key_Z);
  EXPECT_EQ(Form->Game().Current(), 0);
  EXPECT_EQ(Message(), "You lose! Tvy again.") << "menu undo keeps the message";
  ClickSpot(Form->Image3);
  EXPECT_TRUE(Message().isEmpty()) << "the undo picture clears it";
}

TEST_F(MainFormTest, WinIsAnnouncedAtOnceAndClearedByNew) {
  Load({"11.", "22.", "22."});
  Form->SetAnimation(true);
  ReleaseOn(1, 1);
  while (Form->Timer1->isActive())
    Tick(Form->Controller());
  ReleaseOn(0, 2);
  EXPECT_EQ(Form->Game().BoxCount(), 0);
  EXPECT_EQ(Message(), "Congratulation! You win");
  EXPECT_FALSE(Form->Timer1->isActive());

  ClickSpot(Form->Image2, Qt::RightButton);
  EXPECT_EQ(Message(), "Congratulation! You win") << "right clicks do nothing";
  ClickSpot(Form->Image2);
  EXPECT_TRUE(Message().isEmpty());
  EXPECT_EQ(Form->Game().Maps().size(), 1u);
  EXPECT_EQ(Form->Game().BoxCount(), 9);
}

TEST_F(MainFormTest, UndoAndRedoByKeyFollowTheMenuStates) {
  Load({"112", "334", "556"});
  ReleaseOn(0, 0);
  ReleaseOn(0, 1);
  Key(Qt::Key_Z);
  EXPECT_EQ(Form->Game().Current(), 1);
  EXPECT_TRUE(Form->Redo1->Enabled());
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // not the same shortcut
  EXPECT_EQ(Form->Game().Current(), 1);
  Key(Qt::Key_Y);
  EXPECT_EQ(Form->Game().Current(), 2);
  EXPECT_FALSE(Form->Redo1->Enabled());
  Key(Qt::Key_Y); // disabled: consumed, nothing happens
  EXPECT_EQ(Form->Game().Current(), 2);
}

TEST_F(MainFormTest, UndoPictureLeavesTheMenuStatesAsTheyWere) {
  Load({"112", "334", "556"});
  ReleaseOn(0, 0);
  ClickSpot(Form->Image3);
  EXPECT_EQ(Form->Game().Current(), 0);
  EXPECT_TRUE(Form->Undo1->Enabled());
  EXPECT_FALSE(Form->Redo1->Enabled());
  Key(Qt::Key_Y);
  EXPECT_EQ(Form->Game().Current(), 0) << "Ctrl+Y does nothing after the undo picture";
  Key(Qt::Key_Z); // nothing to undo, but the states are set from the game again
  EXPECT_FALSE(Form->Undo1->Enabled());
  EXPECT_TRUE(Form->Redo1->Enabled());
}

TEST_F(MainFormTest, OptionShortcutsRunTheOptionsHandlerFirst) {
  const std::uint8_t Start = Form->HighlightMode();
  Key(Qt::Key_H);
  EXPECT_EQ(Form->HighlightMode(), (Start + 1) % 3);
  EXPECT_EQ(Form->Highlight1->Checked(), Start != 2) << "marks show the options before";
  Key(Qt::Key_H);
  Key(Qt::Key_H);
  EXPECT_EQ(Form->HighlightMode(), Start);

  Key(Qt::Key_C);
  EXPECT_FALSE(Form->ColorMode());
  EXPECT_TRUE(Form->Color1->Checked());
  Key(Qt::Key_C);
  EXPECT_TRUE(Form->ColorMode());
  EXPECT_FALSE(Form->Color1->Checked());
  Key(Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_FALSE(Form->Animation());

  Load({"111", "111", "111"});
  const QPoint Centre = TPuzzleGrid::ClientOrigin() + QPoint(8, 8);
  Key(Qt::Key_S);
  EXPECT_TRUE(Form->Symbols());
  EXPECT_FALSE(Form->Symbols1->Checked());
  EXPECT_EQ(Form->PuzzleGrid->grab().toImage().pixel(Centre), qRgb(0, 0, 0)) << "the disc";
  Key(Qt::Key_S);
  EXPECT_FALSE(Form->Symbols());
  EXPECT_EQ(Form->PuzzleGrid->grab().toImage().pixel(Centre), Palette[1].Fill);
}

TEST_F(MainFormTest, BoardViewPaintsTheCurrentMap) {
  Load({"123", "123", "333"});
  QImage Shot = Form->PuzzleGrid->grab().toImage();
  const QPoint Inside = TPuzzleGrid::ClientOrigin() + QPoint(8, 8);
  EXPECT_EQ(QColor(Shot.pixel(Inside)).rgb(), Palette[1].Fill);
  EXPECT_EQ(QColor(Shot.pixel(Inside + QPoint(16, 0))).rgb(), Palette[2].Fill);
  Form->SetColorMode(false);
  Shot = Form->PuzzleGrid->grab().toImage();
  const QColor Face = TSystemColors::FromPalette(Form->PuzzleGrid->palette()).BtnFace;
  EXPECT_EQ(QColor(Shot.pixel(Inside)).rgb(), Face.rgb());
  ReleaseOn(2, 2); // the 3s go, the rest falls: the top row is empty
  Shot = Form->PuzzleGrid->grab().toImage();
  EXPECT_EQ(QColor(Shot.pixel(Inside)).rgb(), qRgb(0, 0, 0));
  EXPECT_EQ(QColor(Shot.pixel(Inside + QPoint(0, 32))).rgb(), Face.rgb());
}

TEST_F(MainFormTest, LevelPicturesPlaceTheGridAndKeepTheWindow) {
  Form->Label1->setText("Congratulation! You win");
  ClickSpot(Form->Image6);
  EXPECT_TRUE(Message().isEmpty());
  EXPECT_EQ(Form->Game().Width(), 12);
  EXPECT_EQ(Form->Game().Colors(), 3);
  EXPECT_EQ(Form->Game().Maps().size(), 1u);
  EXPECT_EQ(Form->PuzzleGrid->geometry(), QRect(206, 84, 196, 196));

  ReleaseOn(0, 0);
  ReleaseOn(5, 5);
  const std::size_t History = Form->Game().Maps().size();
  ClickSpot(Form->Image6); // the level in force: the game and its history stay
  EXPECT_EQ(Form->Game().Maps().size(), History);

  ClickSpot(Form->Image7);
  EXPECT_EQ(Form->PuzzleGrid->geometry(), QRect(172, 52, 260, 260));
  EXPECT_EQ(Form->Game().Colors(), 3);
  ClickSpot(Form->Image8);
  EXPECT_EQ(Form->PuzzleGrid->geometry(), QRect(172, 52, 260, 260));
  EXPECT_EQ(Form->Game().Colors(), 5);
  EXPECT_EQ(Form->size(), QSize(480, 360));
  EXPECT_TRUE(Form->Beginner1->Checked()) << "the pictures do not move the check mark";

  Key(Qt::Key_N);
  EXPECT_EQ(Form->Game().Width(), 16);
  EXPECT_EQ(Form->PuzzleGrid->geometry(), QRect(172, 52, 260, 260));
}

// Ctrl+1, 2 and 3 do what the easy, medium and hard pictures do, not what the level items do.
TEST_F(MainFormTest, LevelKeysRunWhatTheLevelPicturesRun) {
  const struct {
    Qt::Key Key;
    int Size, Colors;
    QRect Grid;
  } Levels[] = {{Qt::Key_1, 12, 3, {206, 84, 196, 196}},
                {Qt::Key_2, 16, 3, {172, 52, 260, 260}},
                {Qt::Key_3, 16, 5, {172, 52, 260, 260}}};
  for (const auto& Level : Levels) {
    Form->Label1->setText("You lose! Tvy again.");
    Key(Level.Key);
    EXPECT_TRUE(Message().isEmpty()) << Level.Size;
    EXPECT_EQ(Form->Game().Width(), Level.Size);
    EXPECT_EQ(Form->Game().Height(), Level.Size);
    EXPECT_EQ(Form->Game().Colors(), Level.Colors);
    EXPECT_EQ(Form->Game().Maps().size(), 1u) << "a fresh board";
    EXPECT_EQ(Form->PuzzleGrid->geometry(), Level.Grid);
  }
  EXPECT_TRUE(Form->Beginner1->Checked()) << "no level item ran";
}

TEST_F(MainFormTest, LevelMenuItemsUseThePresetsAndTheStartPlace) {
  Form->LevelClick(Form->Expert1);
  EXPECT_EQ(Form->Game().Width(), 16);
  EXPECT_EQ(Form->Game().Colors(), 5);
  EXPECT_TRUE(Form->Expert1->Checked());
  EXPECT_FALSE(Form->Beginner1->Checked());
  EXPECT_EQ(Form->PuzzleGrid->pos(), QPoint(236, 115));
}

TEST_F(MainFormTest, QuitPictureAndF10EndTheMessageLoop) {
  for (auto Quit : {std::function<void()>([&] { ClickSpot(Form->Image4); }),
                    std::function<void()>([&] { Key(Qt::Key_F10, Qt::NoModifier); })}) {
    Form->Label1->setText("You lose! Tvy again.");
    QTimer Guard; // ends a loop that the command failed to end
    Guard.setSingleShot(true);
    QObject::connect(&Guard, &QTimer::timeout, [] { QApplication::exit(7); });
    Guard.start(2000);
    QTimer::singleShot(0, [&] { Quit(); });
    const bool Ended = QApplication::exec() == 0;
    EXPECT_TRUE(Ended);
    EXPECT_TRUE(Message().isEmpty());
  }
}

TEST_F(MainFormTest, SolutionCheckerFollowsTheBoard) {
  Load({"112", "334", "556"});
  EXPECT_EQ(Form->CurrentSolver(), nullptr);
  Form->SolutionChecker1Click();
  ASSERT_NE(Form->CurrentSolver(), nullptr);
  ReleaseOn(0, 0);
  ASSERT_NE(Form->CurrentSolver(), nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->CurrentSolver()->State() >= 2; }, 20000));
  EXPECT_EQ(BoardRows(*Form->CurrentSolver()->Game().Maps()[0]), (TRows{"..2", "334", "556"}))
      << "a restart copies the moved board";

  const TSolver* BeforeLevel = Form->CurrentSolver();
  ClickSpot(Form->Image6);
  EXPECT_EQ(Form->CurrentSolver(), BeforeLevel) << "levels do not restart it";

  Load({"11.", "...", "..."});
  Form->Undo1Click();
  ReleaseOn(0, 0);
  EXPECT_EQ(Form->Game().BoxCount(), 0);
  EXPECT_EQ(Form->CurrentSolver(), nullptr) << "no solver for an empty board";
}

// A player who follows the hints clears the board: each one marks a box of the next move,
// even with the highlight off, and changes nothing in the history. A board with a colour of
// one box left is told it cannot be won.
TEST_F(MainFormTest, HintsLeadToAnEmptyBoardAndTellADeadOne) {
  const QString Searching = "Looking for a way to clear the board...";
  const auto Hint = [&] {
    Key(Qt::Key_H, Qt::NoModifier);
    return QTest::qWaitFor([&] { return Form->Label1->text() != Searching; }, 20000);
  };
  Load({"3231", "3212", "3232", "2322"}); // one first move of three clears it
  ASSERT_EQ(Form->HighlightMode(), 2);
  for (int Moves = 0; Form->Game().BoxCount() > 0 && Moves < 16; ++Moves) {
    const std::size_t History = Form->Game().Maps().size();
    ASSERT_TRUE(Hint());
    ASSERT_EQ(Form->Label1->text(), "The board can be cleared: play the marked box.");
    EXPECT_EQ(Form->Game().Maps().size(), History);
    const QRect Cell = Form->PuzzleGrid->CellRect(Form->PuzzleGrid->Col(), Form->PuzzleGrid->Row());
    const QImage Shown =
        Form->PuzzleGrid->grab(Cell.translated(TPuzzleGrid::ClientOrigin())).toImage();
    int Marked = 0;
    for (int Y = 0; Y < Shown.height(); ++Y)
      for (int X = 0; X < Shown.width(); ++X)
        Marked += Shown.pixel(X, Y) == HintMarkCore;
    EXPECT_GT(Marked, 0) << "no mark on the hinted box";
    Key(Qt::Key_Space, Qt::NoModifier);
  }
  EXPECT_EQ(Form->Game().BoxCount(), 0);

  Load({"11.", "22.", "113"});
  ASSERT_TRUE(Hint());
  EXPECT_EQ(Form->Label1->text(), "This game cannot be won: start a new game.");
  EXPECT_EQ(Form->Game().Maps().size(), 1u);

  // The way back says how far it went.
  Load({"1..", "2..", "211"});
  ReleaseOn(1, 2);
  ReleaseOn(0, 2);
  const auto Says = [&](const QString& Start) {
    Key(Qt::Key_H, Qt::NoModifier);
    return QTest::qWaitFor([&] { return Form->Label1->text().startsWith(Start); }, 20000);
  };
  ASSERT_TRUE(Says("Lost 2 moves ago"));
  ASSERT_TRUE(Says("Back 2 moves: play the marked box."));
}

// With the frame off, arrow keys left a keyboard player with nothing on screen.
TEST_F(MainFormTest, TheKeysShowTheCurrentBoxWithTheFrameOffUntilThePointerMovesIt) {
  Load({"111", "111", "111"});
  const auto Framed = [this](int ACol, int ARow) {
    const QPoint Corner = TPuzzleGrid::ClientOrigin() +
                          Form->PuzzleGrid->CellRect(ACol, ARow).topLeft() + QPoint(1, 1);
    return Form->PuzzleGrid->grab().toImage().pixel(Corner) == qRgb(255, 255, 255);
  };
  QTest::mouseMove(Form->PuzzleGrid, CellCentre(1, 1));
  EXPECT_FALSE(Framed(1, 1)) << "the pointer's box";
  Key(Qt::Key_Right, Qt::NoModifier);
  EXPECT_TRUE(Framed(2, 1));
  QTest::mouseMove(Form->PuzzleGrid, CellCentre(0, 2));
  EXPECT_FALSE(Framed(0, 2));
  EXPECT_FALSE(Framed(2, 1));
}

// A board could not be named: Ctrl+B shows its code, copies it, and the code deals it again.
TEST_F(MainFormTest, TheBoardsCodeIsShownCopiedAndDealsItAgain) {
  Key(Qt::Key_3);
  const TRows Board = BoardRows(Form->Game().CurrentMap());
  Key(Qt::Key_B);
  const QString Code = QGuiApplication::clipboard()->text();
  EXPECT_EQ(Message(), QString("Board %1: copied.").arg(Code));
  Key(Qt::Key_1);
  Form->DealCode(DecodeBoardCode(Code).value());
  EXPECT_EQ(BoardRows(Form->Game().CurrentMap()), Board);
  EXPECT_TRUE(Form->Image8->Marked());
}

// The level buttons looked the same whichever level was in force.
TEST_F(MainFormTest, TheLevelInForceIsMarkedOnItsButtonOnly) {
  const QRect Row(0, 312, 480, 48); // below the largest board
  const auto Shot = [this, &Row] { return Form->grab(Row).toImage(); };
  const QImage Start = Shot();
  std::vector<QImage> Levels;
  for (const Qt::Key Level : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
    Key(Level);
    Levels.push_back(Shot());
    EXPECT_NE(Levels.back(), Start);
  }
  EXPECT_TRUE(Levels[0] != Levels[1] && Levels[1] != Levels[2]);
  Key(Qt::Key_2);
  EXPECT_EQ(Shot(), Levels[1]) << "coming back marks it again";
  // Outside the marked button the picture is as it was.
  const QRect Medium = Form->Image7->geometry().translated(-Row.topLeft());
  QImage Covered = Levels[1];
  QPainter(&Covered).drawImage(Medium, Start, Medium);
  EXPECT_EQ(Covered, Start);
}

} // namespace
