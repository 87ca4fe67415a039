// SPDX-License-Identifier: GPL-3.0-or-later
// What the program meets at its edges: pictures missing from the resources or damaged,
// and a desktop without any font. Each must end in a clear error or in a window that
// still works, never in a crash or a leak.

#include "tests/BoardText.h"
#include "tests/ui/GameWindow.h"
#include "ui/About.h"
#include "ui/BoardPainter.h"
#include "ui/HotSpot.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// The resource functions must be declared at global scope.
static void DropPictures() {
  Q_CLEANUP_RESOURCE(quenlith_pictures);
}

static void RestorePictures() {
  Q_INIT_RESOURCE(quenlith_pictures);
}

namespace {

template <class TWindow> std::string StartError() {
  try {
    TWindow Window;
  } catch (const std::runtime_error& Error) {
    return Error.what();
  }
  return "no error";
}

// The compiled-in pictures are taken away for one test, as if the build had lost them.
class ResourcesGone {
public:
  ResourcesGone() { DropPictures(); }
  ~ResourcesGone() { RestorePictures(); }
};

TEST(BadInput, MissingPicturesStopBothWindowsWithTheirName) {
  {
    ResourcesGone Gone;
    EXPECT_EQ(StartError<TGameWindow>(), "cannot read :/background.jpg");
    EXPECT_EQ(StartError<TAboutBox>(), "cannot read :/about.jpg");
  }
  EXPECT_EQ(StartError<TGameWindow>(), "no error") << "the pictures are back";
}

TEST(BadInput, DamagedPictureIsRefusedWithTheDecodersReason) {
  QTemporaryDir Folder;
  const QString Path = Folder.filePath("damaged.jpg");
  QFile Source(":/about.jpg");
  ASSERT_TRUE(Source.open(QIODevice::ReadOnly));
  QByteArray Data = Source.readAll();
  Data.truncate(Data.size() / 3);
  QFile Target(Path);
  ASSERT_TRUE(Target.open(QIODevice::WriteOnly));
  Target.write(Data);
  Target.close();

  TPictureBox Box;
  try {
    Box.LoadPicture(Path);
    ADD_FAILURE() << "a third of a picture was accepted";
  } catch (const std::runtime_error& Error) {
    EXPECT_EQ(std::string(Error.what())
                  .rfind(Path.toStdString() + ": the picture is not a valid JPEG", 0),
              0u)
        << Error.what();
  }
}

// ctest runs this once more with a font configuration that lists no font at all
// (QUENLITH_EXPECT_NO_FONTS set); with fonts installed it has nothing to prove.
TEST(BadInput, WithoutAnyFontTheWindowsStillStartPaintAndWork) {
  const bool NoFonts = !QFontInfo(QFont(QStringLiteral("Liberation Sans"))).exactMatch();
  if (qEnvironmentVariableIsSet("QUENLITH_EXPECT_NO_FONTS"))
    ASSERT_TRUE(NoFonts) << "the empty font configuration was not used";
  else if (!NoFonts)
    GTEST_SKIP() << "fonts are installed";

  TAboutBox Box;
  TGameWindow Window;
  TMainForm& Form = Window.Form;
  Form.SetAboutBox(&Box);
  Form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  LoadBoard(Form.Controller(), {"12.", "21.", "33."});
  Form.AdjustBoardSize();
  Form.RefreshBoard();
  Form.MakeMove(0, 2); // the 3s go and the board is lost
  EXPECT_EQ(Form.Label1->text(), "You lose! Tvy again.");
  QCoreApplication::processEvents();
  const QImage Shown = Form.screen()->grabWindow(Form.winId()).toImage();
  const QPoint Cell = Form.PuzzleGrid->mapTo(&Form, TPuzzleGrid::ClientOrigin() + QPoint(8, 8));
  EXPECT_EQ(QColor(Shown.pixel(Cell)).rgb(), Palette[0].Fill);
  EXPECT_EQ(QColor(Shown.pixel(Cell + QPoint(0, 16))).rgb(), Palette[1].Fill);
  EXPECT_EQ(QColor(Shown.pixel(Cell + QPoint(16, 16))).rgb(), Palette[2].Fill);

  QStringList Opened;
  const TLMDSimpleLabel::TOpener Saved = TLMDSimpleLabel::Opener;
  TLMDSimpleLabel::Opener = [&](const QString& Target) {
    Opened << Target;
    return true;
  };
  QTimer::singleShot(0, &Box, [&] {
    if (QTest::qWaitForWindowExposed(&Box)) {
      // Glyphs without a font are wider: only the link's start may lie inside the box.
      const QPoint Start = Box.LMDSimpleLabel15->geometry().topLeft() + QPoint(4, 4);
      QTest::mouseClick(Box.windowHandle(), Qt::LeftButton, {}, Start);
      QTest::mouseClick(Box.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    }
    if (Box.isVisible())
      Box.reject();
  });
  QTest::mouseClick(Form.Image5, Qt::LeftButton);
  TLMDSimpleLabel::Opener = Saved;
  EXPECT_EQ(Opened, QStringList{"mailto:quenlith@example.org"});
  EXPECT_FALSE(Box.isVisible());
}

} // namespace
