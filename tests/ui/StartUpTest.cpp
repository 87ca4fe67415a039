// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up leaves for after the first frame what that frame does not need: the font
// system and the image plug-ins each take longer than the whole rest of the frame.

#include "tests/ui/GameWindow.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/desktop/FirstFrame.h"
#include "ui/desktop/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr const char* FontCache = ".cache-";

// Whether a file whose path holds Part is mapped into the process: fontconfig maps its
// caches (".cache-8"), and a loaded plug-in is mapped like any library.
bool Mapped(const char* Part) {
  QFile Maps(QStringLiteral("/proc/self/maps"));
  return Maps.open(QIODevice::ReadOnly) && Maps.readAll().contains(Part);
}

// Set in the process of its own the test below runs in.
constexpr const char* AloneVariable = "QUENLITH_TEST_ALONE";

} // namespace

// Runs in a fresh process, started by itself: an earlier test in this one may have started
// the font system already.
TEST(StartUp, FirstFrameWaitsForNoFontAndNoImagePlugin) {
  const QString Name = QStringLiteral("StartUp.FirstFrameWaitsForNoFontAndNoImagePlugin");
  if (!qEnvironmentVariableIsSet(AloneVariable)) {
    QProcess Alone;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(AloneVariable, QStringLiteral("1"));
    // With a translation in force, whose loading must not start the fonts either.
    Environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ja"));
    Alone.setProcessEnvironment(Environment);
    Alone.setProcessChannelMode(QProcess::MergedChannels);
    Alone.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + Name});
    ASSERT_TRUE(Alone.waitForFinished(60000));
    const QByteArray Output = Alone.readAll();
    EXPECT_EQ(Alone.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Alone.exitCode(), 0) << Output.toStdString();
    EXPECT_TRUE(Output.contains("[  PASSED  ] 1 test.")) << Output.toStdString();
    return;
  }
  ASSERT_FALSE(Mapped(FontCache)) << "the font system was started before the window was made";
  EXPECT_EQ(InstallTranslations(), QStringLiteral("ja"));
  TGameWindow Window;
  TMainForm& Form = Window.Form;
  TAboutBox Box;
  Form.SetAboutBox(&Box);
  // As the program does it.
  AfterFirstPaint(Form.PuzzleGrid, [&] {
    AddLargeProgramIcon();
    Box.Prepare();
  });
  bool Checked = false;
  // The filter installed last sees the paint first: this check runs before the above.
  AfterFirstPaint(Form.PuzzleGrid, [&] {
    EXPECT_FALSE(Mapped(FontCache)) << "the first frame waited for the fonts";
    EXPECT_FALSE(Mapped("imageformats")) << "the first frame waited for an image plug-in";
    Checked = true;
  });
  Form.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Checked; }));
  QCoreApplication::processEvents();
  if (!qEnvironmentVariableIsSet("QUENLITH_EXPECT_NO_FONTS")) {
    EXPECT_TRUE(Mapped(FontCache)) << "the About box is prepared after the first frame";
  }
  EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));
}
