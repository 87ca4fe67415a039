// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HotSpot.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HotSpotTest : public ::testing::Test {
protected:
  HotSpotTest() : Spot(&Window), Clicks(&Spot, &THotSpot::Click) {
    Window.resize(200, 100);
    Spot.setGeometry(50, 20, 40, 30);
    Window.show();
  }

  QWidget Window;
  THotSpot Spot;
  QSignalSpy Clicks;
};

} // namespace

TEST_F(HotSpotTest, LeftClickRaisesOneClick) {
  QTest::mouseClick(&Spot, Qt::LeftButton);
  EXPECT_EQ(Clicks.count(), 1);
  QTest::mouseClick(&Spot, Qt::LeftButton, Qt::ControlModifier, QPoint(0, 0));
  EXPECT_EQ(Clicks.count(), 2);
}

TEST_F(HotSpotTest, OtherButtonsAndStrayReleasesDoNothing) {
  QTest::mouseClick(&Spot, Qt::RightButton);
  QTest::mouseClick(&Spot, Qt::MiddleButton);
  // A release whose press happened elsewhere.
  QTest::mouseRelease(&Spot, Qt::LeftButton);
  // A right press does not arm a later left release.
  QTest::mousePress(&Spot, Qt::RightButton);
  QTest::mouseRelease(&Spot, Qt::LeftButton);
  QTest::mouseRelease(&Spot, Qt::RightButton);
  EXPECT_EQ(Clicks.count(), 0);
}

TEST_F(HotSpotTest, ReleaseOutsideCancelsThePress) {
  QTest::mousePress(&Spot, Qt::LeftButton);
  QTest::mouseRelease(&Spot, Qt::LeftButton, {}, QPoint(45, 10));
  EXPECT_EQ(Clicks.count(), 0);
  // The cancelled press leaves nothing behind: the next release alone does not click.
  QTest::mouseRelease(&Spot, Qt::LeftButton);
  EXPECT_EQ(Clicks.count(), 0);
}

TEST_F(HotSpotTest, DoubleClickCountsOnce) {
  // What the window system sends: press, release, double-click press, release.
  QTest::mouseClick(&Spot, Qt::LeftButton);
  QTest::mouseDClick(&Spot, Qt::LeftButton);
  QTest::mouseRelease(&Spot, Qt::LeftButton);
  EXPECT_EQ(Clicks.count(), 1);
}

// Fails when the hot spot fills its background or paints anything.
TEST(HotSpot, ParentPictureShowsThrough) {
  QPixmap Red(200, 100);
  Red.fill(Qt::red);
  QLabel Picture;
  Picture.setPixmap(Red);
  THotSpot Spot(&Picture);
  Spot.setGeometry(50, 20, 40, 30);
  const QImage Shot = Picture.grab().toImage();
  EXPECT_EQ(Shot.pixelColor(Spot.geometry().center()), QColor(Qt::red));
}
