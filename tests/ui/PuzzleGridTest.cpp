// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PuzzleGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// Each cell gets a colour of its own, the current cell a marked one.
QRgb CellColour(int ACol, int ARow, bool Selected) {
  return qRgb(ACol * 50, ARow * 70, Selected ? 255 : 0);
}

// Widget position of a client point.
QPoint At(int X, int Y) {
  return QPoint(X, Y) + TPuzzleGrid::ClientOrigin();
}

// A 4 by 3 grid sized as the main window sizes it, shown as a window of its own.
class PuzzleGridTest : public ::testing::Test {
protected:
  TPuzzleGrid Grid;

  void SetUp() override {
    Grid.SetColCount(4);
    Grid.SetRowCount(3);
    Grid.resize(Grid.SizeForCells());
    Grid.OnDrawCell = [](QPainter& Canvas, int ACol, int ARow, const QRect& Rect, bool Sel) {
      Canvas.fillRect(Rect, QColor(CellColour(ACol, ARow, Sel)));
    };
    Grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Grid));
  }

  // Through the window, as the platform delivers it; (0, 0) would mean "the centre".
  void MoveTo(int X, int Y) { QTest::mouseMove(Grid.windowHandle(), At(X, Y)); }
  QPoint Current() const { return {Grid.Col(), Grid.Row()}; }
};

TEST_F(PuzzleGridTest, PaintsFrameStripAndCellsInClientCoordinates) {
  EXPECT_EQ(Grid.size(), QSize(4 * 16 + 4, 3 * 16 + 4));
  Grid.SetCol(2);
  Grid.SetRow(1);
  const QImage Img = Grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (QPoint P : {QPoint(0, 0), QPoint(67, 51), QPoint(30, 51), QPoint(67, 30)})
    EXPECT_EQ(Img.pixel(P), qRgb(0, 0, 0)) << "frame " << P.x() << "," << P.y();
  const QRgb Window = Grid.palette().color(QPalette::Base).rgb();
  for (QPoint P : {At(64, 5), At(65, 47), At(5, 48), At(65, 49)})
    EXPECT_EQ(Img.pixel(P), Window) << "strip " << P.x() << "," << P.y();
  EXPECT_EQ(Img.pixel(At(15, 15)), CellColour(0, 0, false));
  EXPECT_EQ(Img.pixel(At(16, 0)), CellColour(1, 0, false));
  EXPECT_EQ(Img.pixel(At(63, 47)), CellColour(3, 2, false));
  EXPECT_EQ(Img.pixel(At(32, 16)), CellColour(2, 1, true));
}

TEST_F(PuzzleGridTest, MouseToCellUsesSixteenPixelSpansAndRejectsTheStrip) {
  const int Cases[][4] = {{15, 15, 0, 0},  {16, 15, 1, 0},   {15, 16, 0, 1},   {63, 47, 3, 2},
                          {64, 0, -1, -1}, {65, 10, -1, -1}, {10, 48, -1, -1}, {-1, 5, -1, -1},
                          {5, -1, -1, -1}, {500, 5, -1, -1}};
  for (const auto& C : Cases) {
    int Col = 99, Row = 99;
    Grid.MouseToCell(C[0], C[1], Col, Row);
    EXPECT_EQ(QPoint(Col, Row), QPoint(C[2], C[3])) << C[0] << "," << C[1];
  }
}

TEST_F(PuzzleGridTest, CurrentCellIsClampedBySettersAndShrinkingCounts) {
  EXPECT_EQ(Current(), QPoint(0, 0));
  Grid.SetCol(99);
  Grid.SetRow(99);
  EXPECT_EQ(Current(), QPoint(3, 2));
  Grid.SetColCount(2);
  Grid.SetRowCount(1);
  EXPECT_EQ(Current(), QPoint(1, 0));
  Grid.SetCol(-3);
  EXPECT_EQ(Current(), QPoint(0, 0));
}

TEST_F(PuzzleGridTest, PointerMovesAreReportedInClientCoordinates) {
  QSignalSpy Moves(&Grid, &TPuzzleGrid::MouseMove);
  MoveTo(35, 19);
  ASSERT_GE(Moves.count(), 1);
  EXPECT_EQ(QPoint(Moves.last().at(1).toInt(), Moves.last().at(2).toInt()), QPoint(35, 19));
  MoveTo(66, 50);
  EXPECT_EQ(QPoint(Moves.last().at(1).toInt(), Moves.last().at(2).toInt()), QPoint(66, 50));
}

TEST_F(PuzzleGridTest, EveryButtonReleaseIsReportedInClientCoordinates) {
  QSignalSpy Ups(&Grid, &TPuzzleGrid::MouseUp);
  QTest::mouseClick(&Grid, Qt::LeftButton, Qt::NoModifier, At(0, 0));
  QTest::mouseClick(&Grid, Qt::RightButton, Qt::ShiftModifier, At(40, 20));
  QTest::mouseClick(&Grid, Qt::MiddleButton, Qt::NoModifier, At(63, 47));
  ASSERT_EQ(Ups.count(), 3);
  const Qt::MouseButton Buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  const QPoint Points[] = {{0, 0}, {40, 20}, {63, 47}};
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(Ups.at(I).at(0).value<Qt::MouseButton>(), Buttons[I]);
    EXPECT_EQ(QPoint(Ups.at(I).at(2).toInt(), Ups.at(I).at(3).toInt()), Points[I]);
  }
  EXPECT_TRUE(Ups.at(1).at(1).value<Qt::KeyboardModifiers>() & Qt::ShiftModifier);

  // Both releases of a double click count.
  QTest::mouseDClick(Grid.windowHandle(), Qt::LeftButton, Qt::NoModifier, At(20, 20));
  EXPECT_EQ(Ups.count(), 5);

  // Dragged out of the view, the release still arrives but lies in no cell.
  QTest::mousePress(&Grid, Qt::LeftButton, Qt::NoModifier, At(5, 5));
  QTest::mouseRelease(&Grid, Qt::LeftButton, Qt::NoModifier, At(100, -30));
  ASSERT_EQ(Ups.count(), 6);
  int Col = 0, Row = 0;
  Grid.MouseToCell(Ups.last().at(2).toInt(), Ups.last().at(3).toInt(), Col, Row);
  EXPECT_EQ(QPoint(Col, Row), QPoint(-1, -1));
}

TEST_F(PuzzleGridTest, NavigationKeysMoveTheCurrentCellWithinTheBoard) {
  struct TStep {
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
    QPoint Expected;
  };
  const TStep Steps[] = {
      {Qt::Key_Left, Qt::NoModifier, {0, 0}},     {Qt::Key_Up, Qt::NoModifier, {0, 0}},
      {Qt::Key_Right, Qt::NoModifier, {1, 0}},    {Qt::Key_Down, Qt::NoModifier, {1, 1}},
      {Qt::Key_End, Qt::NoModifier, {3, 1}},      {Qt::Key_Right, Qt::NoModifier, {3, 1}},
      {Qt::Key_PageDown, Qt::NoModifier, {3, 2}}, {Qt::Key_Down, Qt::NoModifier, {3, 2}},
      {Qt::Key_Home, Qt::NoModifier, {0, 2}},     {Qt::Key_PageUp, Qt::NoModifier, {0, 0}},
      {Qt::Key_End, Qt::ControlModifier, {3, 2}}, {Qt::Key_Home, Qt::ControlModifier, {0, 0}},
  };
  for (const TStep& S : Steps) {
    QTest::keyClick(&Grid, S.Key, S.Mods);
    EXPECT_EQ(Current(), S.Expected) << QKeySequence(S.Key | S.Mods).toString().toStdString();
  }
}

TEST_F(PuzzleGridTest, HeldSpaceReportsOneKeyUp) {
  QSignalSpy Ups(&Grid, &TPuzzleGrid::KeyUp);
  auto Send = [this](QEvent::Type Type, bool AutoRepeat) {
    QKeyEvent Event(Type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), AutoRepeat);
    QApplication::sendEvent(&Grid, &Event);
  };
  Send(QEvent::KeyPress, false);
  for (int I = 0; I < 3; ++I) {
    Send(QEvent::KeyRelease, true);
    Send(QEvent::KeyPress, true);
  }
  Send(QEvent::KeyRelease, false);
  ASSERT_EQ(Ups.count(), 1);
  EXPECT_EQ(Ups.at(0).at(0).toInt(), 32);
}

} // namespace
