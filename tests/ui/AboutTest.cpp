// SPDX-License-Identifier: GPL-3.0-or-later
// The About box and its link labels, driven with real widgets and window events on the
// offscreen platform; links open through a fake opener, never a browser.

#include "ui/About.h"
#include "tests/BoardText.h"
#include "tests/ui/GameWindow.h"
#include "ui/HotSpot.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

const QColor Blue(0, 0, 255);
const QColor Purple(128, 0, 128);

// Records every target a link hands over and answers with Accept.
class FakeOpener {
public:
  FakeOpener() : FSaved(TLMDSimpleLabel::Opener) {
    TLMDSimpleLabel::Opener = [this](const QString& Target) {
      Targets << Target;
      return Accept;
    };
  }
  ~FakeOpener() { TLMDSimpleLabel::Opener = FSaved; }

  QStringList Targets;
  bool Accept = true;

private:
  TLMDSimpleLabel::TOpener FSaved;
};

// Clicks go through the window, so the toolkit picks the control under the point.
void ClickAt(QWidget* Window, QPoint Place, Qt::MouseButton Button = Qt::LeftButton) {
  QTest::mouseClick(Window->windowHandle(), Button, {}, Place);
}

QPoint CentreOf(const QWidget* Control) {
  return Control->geometry().center();
}

class AboutBoxTest : public ::testing::Test {
protected:
  void Show() {
    Box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Box));
  }

  FakeOpener Opener;
  TAboutBox Box;
};

} // namespace

// The box does not grow past its picture, so every text must fit inside it.
TEST_F(AboutBoxTest, EveryTextFitsInsideThePicture) {
  Box.Prepare(); // the links take their size from their captions
  EXPECT_EQ(Box.size(), Box.Image1->size());
  for (const QWidget* Link : {Box.LMDSimpleLabel14, Box.LMDSimpleLabel15})
    EXPECT_TRUE(Box.rect().contains(Link->geometry())) << Link->objectName().toStdString();
  for (const QLabel* Label : {Box.Label1, Box.Label4}) {
    const QRect Needed =
        Label->fontMetrics().boundingRect(Label->rect(), Qt::TextWordWrap, Label->text());
    EXPECT_LE(Needed.height(), Label->height()) << Label->objectName().toStdString();
  }
}

TEST_F(AboutBoxTest, ClosesOnPictureVersionLineAndCreditsButNotOnALink) {
  for (QWidget* Part : std::initializer_list<QWidget*>{Box.Image1, Box.Label1, Box.Label4}) {
    Show();
    // A point of the picture away from every text, or the centre of a plain label.
    ClickAt(&Box, Part == Box.Image1 ? QPoint(60, 60) : CentreOf(Part));
    EXPECT_FALSE(Box.isVisible()) << Part->objectName().toStdString();
    EXPECT_EQ(Box.result(), QDialog::Rejected);
  }
  Show();
  ClickAt(&Box, CentreOf(Box.LMDSimpleLabel14));
  ClickAt(&Box, CentreOf(Box.LMDSimpleLabel15));
  EXPECT_TRUE(Box.isVisible());
  EXPECT_EQ(Opener.Targets,
            QStringList({"http://www.quenlith.example/", "mailto:quenlith@example.org"}));
}

TEST_F(AboutBoxTest, CentredAtTheFirstShowingAndBackInPlaceLater) {
  Show();
  const QRect Screen = Box.screen()->availableGeometry();
  EXPECT_LE((Box.frameGeometry().center() - Screen.center()).manhattanLength(), 2);
  Box.move(Screen.topLeft() + QPoint(7, 9));
  Box.hide();
  Show();
  EXPECT_EQ(Box.pos(), Screen.topLeft() + QPoint(7, 9));
}

TEST_F(AboutBoxTest, PressedLinkStaysPurpleAlsoAfterReopening) {
  Show();
  TLMDSimpleLabel* Link = Box.LMDSimpleLabel14;
  EXPECT_EQ(Link->FontColor(), Blue);
  // Press and leave: purple at once, and nothing opens.
  QTest::mousePress(Box.windowHandle(), Qt::LeftButton, {}, CentreOf(Link));
  EXPECT_EQ(Link->FontColor(), Purple);
  QTest::mouseRelease(Box.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_TRUE(Opener.Targets.isEmpty());
  Box.hide();
  Show();
  EXPECT_EQ(Link->FontColor(), Purple);
  EXPECT_EQ(Box.LMDSimpleLabel15->FontColor(), Blue);
}

TEST_F(AboutBoxTest, RightClicksOpenNothingAndADoubleClickOpensOnce) {
  Show();
  ClickAt(&Box, CentreOf(Box.LMDSimpleLabel15), Qt::RightButton);
  EXPECT_TRUE(Opener.Targets.isEmpty());
  EXPECT_EQ(Box.LMDSimpleLabel15->FontColor(), Blue);
  QTest::mouseDClick(Box.windowHandle(), Qt::LeftButton, {}, CentreOf(Box.LMDSimpleLabel15));
  EXPECT_EQ(Opener.Targets, QStringList{"mailto:quenlith@example.org"});
  EXPECT_TRUE(Box.isVisible());
}

TEST_F(AboutBoxTest, RefusedTargetGreysTheLinkAndLetsClicksThroughToThePicture) {
  Show();
  TLMDSimpleLabel* Link = Box.LMDSimpleLabel14;
  Opener.Accept = false;
  ClickAt(&Box, CentreOf(Link));
  EXPECT_EQ(Opener.Targets.size(), 1);
  EXPECT_TRUE(Box.isVisible());
  EXPECT_FALSE(Link->isEnabled());
  EXPECT_EQ(Link->JumpMode(), jmNone);
  // Only the mode changed; the look is the disabled text colour from now on.
  EXPECT_TRUE(Link->font().underline());
  const QImage Drawn = Link->grab().toImage();
  const QRgb Grey = Link->palette().color(QPalette::Disabled, QPalette::WindowText).rgb();
  bool HasGrey = false;
  for (int Y = 0; Y < Drawn.height(); ++Y)
    for (int X = 0; X < Drawn.width(); ++X) {
      const QRgb Pixel = Drawn.pixel(X, Y);
      HasGrey = HasGrey || Pixel == Grey;
      ASSERT_NE(Pixel, Purple.rgb());
      ASSERT_NE(Pixel, Blue.rgb());
    }
  EXPECT_TRUE(HasGrey);

  Opener.Accept = true;
  ClickAt(&Box, CentreOf(Link));
  EXPECT_EQ(Opener.Targets.size(), 1);
  EXPECT_FALSE(Box.isVisible());
}

// A screen reader's click command clicks left of the picture's centre, then at the centre,
// then runs the press action; on a busy machine any of them may reach the game first. Only
// the rest of that one command is dropped, never the player's next click.
TEST_F(AboutBoxTest, AReadersRepeatsAreDroppedInAnyOrderButNotThePlayersNextClick) {
  struct TBoard : QWidget { // lies under the box and counts what reaches it
    int Presses = 0, Releases = 0;
    void mousePressEvent(QMouseEvent*) override { ++Presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++Releases; }
  } Board;
  const auto Listens = std::exchange(TAboutBox::ReaderListens, [] { return true; });
  const QPoint Centre = CentreOf(Box.Image1), Left = Centre - QPoint(1, 0);
  const auto OnBoard = [&](QPoint Spot) { return Board.mapFromGlobal(Box.mapToGlobal(Spot)); };
  const auto Reader = [&](const char* Order, const std::function<void()>& Close) {
    Board.Presses = Board.Releases = 0;
    Show();
    Board.setGeometry(Box.geometry());
    Board.show();
    Close();
    EXPECT_FALSE(Box.isVisible()) << Order;
    ClickAt(&Board, OnBoard(Centre));
    EXPECT_EQ(Board.Presses + Board.Releases, 0) << Order;
    ClickAt(&Board, OnBoard(Centre));
    EXPECT_EQ(Board.Presses, 1) << Order;
  };
  Reader("press action first, both clicks after", [&] {
    emit Box.Image1->Click();
    ClickAt(&Board, OnBoard(Left));
  });
  Reader("the press action before the first release", [&] {
    QTest::mousePress(Box.windowHandle(), Qt::LeftButton, {}, Left);
    emit Box.Image1->Click();
    QTest::mouseRelease(Board.windowHandle(), Qt::LeftButton, {}, OnBoard(Left));
  });
  Reader("the first click, then the press action", [&] {
    ClickAt(&Box, Left);
    emit Box.Image1->Click();
  });
  TAboutBox::ReaderListens = Listens;
}

TEST(LinkLabelTest, TargetRules) {
  FakeOpener Opener;
  TLMDSimpleLabel Link;
  Link.SetJumpMode(jmInternet);
  struct TCase {
    QString Caption, Jump, Target;
  };
  const TCase Cases[] = {
      {"Our page", " \t\x01https://example.net/a b\n ", "https://example.net/a b"},
      {"Write to us at team@example.org", " \t", "mailto:Write to us at team@example.org"},
      {"http://example.com/", "", "http://example.com/"},
  };
  for (const TCase& Case : Cases) {
    Link.SetCaption(Case.Caption);
    Link.SetJump(Case.Jump);
    Link.resize(Link.sizeHint());
    Opener.Targets.clear();
    QTest::mouseClick(&Link, Qt::LeftButton);
    EXPECT_EQ(Opener.Targets, QStringList{Case.Target}) << Case.Caption.toStdString();
  }
}

// A label out of sight measures its caption only once it is shown (the font system is
// slow to start), and from then on whenever the caption changes.
TEST(LinkLabelTest, SizedToItsCaptionWhenShownAndAfterChanges) {
  TLMDSimpleLabel Link;
  Link.SetCaption("Short");
  Link.show();
  EXPECT_EQ(Link.size(), Link.sizeHint());
  Link.SetCaption("x");
  EXPECT_EQ(Link.size(), Link.sizeHint());
  Link.hide();
  Link.SetCaption("A caption far longer than the first");
  Link.show();
  EXPECT_EQ(Link.size(), Link.sizeHint());
}

TEST(LinkLabelTest, JumpModeSetsColourUnderlineAndCursor) {
  TLMDSimpleLabel Link;
  Link.SetCaption("x");
  EXPECT_EQ(Link.JumpMode(), jmNone);
  EXPECT_EQ(Link.FontColor(), QColor(Qt::black));
  EXPECT_EQ(Link.cursor().shape(), Qt::ArrowCursor);

  Link.SetJumpMode(jmCustom);
  EXPECT_EQ(Link.FontColor(), Blue);
  EXPECT_TRUE(Link.font().underline());
  EXPECT_EQ(Link.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(Link.cursor().hotSpot(), QPoint(10, 1));

  // The same mode again changes nothing, not even a colour set since.
  Link.SetFontColor(Purple);
  Link.SetJumpMode(jmCustom);
  EXPECT_EQ(Link.FontColor(), Purple);

  Link.SetJumpMode(jmNone);
  EXPECT_EQ(Link.FontColor(), QColor(Qt::black));
  EXPECT_FALSE(Link.font().underline());
  EXPECT_EQ(Link.cursor().shape(), Qt::ArrowCursor);

  // Without JumpUnderline the underline is left as the font has it.
  Link.SetJumpUnderline(false);
  Link.SetJumpMode(jmInternet);
  EXPECT_FALSE(Link.font().underline());
  EXPECT_EQ(Link.FontColor(), Blue);
}

TEST(LinkLabelTest, DesktopRefusesTargetsThatAreNoAddress) {
  // Neither reaches the desktop: one has no scheme, the other is no valid address.
  EXPECT_FALSE(TLMDSimpleLabel::DesktopOpen("E-mail us"));
  EXPECT_FALSE(TLMDSimpleLabel::DesktopOpen("http://exa mple.com:99999/"));
}

TEST(LinkLabelTest, ScreenReadersSeeALinkTheyCanFollow) {
  FakeOpener Opener;
  TAboutBox Box;
  QAccessibleInterface* Link = QAccessible::queryAccessibleInterface(Box.LMDSimpleLabel15);
  ASSERT_NE(Link, nullptr);
  EXPECT_EQ(Link->role(), QAccessible::Link);
  EXPECT_EQ(Link->text(QAccessible::Name), "E-mail: quenlith@example.org");
  EXPECT_TRUE(Link->state().linked);
  ASSERT_NE(Link->actionInterface(), nullptr);
  Link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Opener.Targets, QStringList{"mailto:quenlith@example.org"});
  EXPECT_FALSE(
      QAccessible::queryAccessibleInterface(Box.Image1)->text(QAccessible::Name).isEmpty());
}

// ---------------------------------------------------------------------------------------
// The emblem of the main window shows the box modally.

namespace {

class AboutFromMainTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form.SetAboutBox(&Box);
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  }

  void TearDown() override {
    while (QApplication::overrideCursor())
      QApplication::restoreOverrideCursor();
  }

  // Clicks the emblem; WhileShowing runs inside the modal showing and should close the
  // box, which is closed anyway afterwards so that a failure cannot hang the test.
  void OpenFromEmblem(const std::function<void()>& WhileShowing) {
    bool Ran = false;
    QTimer::singleShot(0, &Box, [&] {
      Ran = true;
      if (QTest::qWaitForWindowExposed(&Box))
        WhileShowing();
      if (Box.isVisible())
        Box.reject();
    });
    QTest::mouseClick(Form.Image5, Qt::LeftButton);
    EXPECT_TRUE(Ran);
    EXPECT_FALSE(Box.isVisible());
  }

  FakeOpener Opener;
  TGameWindow Window;
  TMainForm& Form = Window.Form;
  TAboutBox Box;
};

} // namespace

TEST_F(AboutFromMainTest, EmblemShowsTheBoxModallyAndTheMainWindowComesBack) {
  const std::uint8_t Highlight = Form.HighlightMode();
  const TRows Before = BoardRows(Form.Game().CurrentMap());
  Form.Label1->setText("kept");
  OpenFromEmblem([&] {
    EXPECT_EQ(QApplication::activeModalWidget(), &Box);
    // Clicks and keys addressed to the main window, and shortcuts typed into the box.
    ClickAt(&Form, CentreOf(Form.Image2));
    QTest::keyClick(Form.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(Form.windowHandle(), Qt::Key_F10);
    QTest::keyClick(Box.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(Box.windowHandle(), Qt::Key_F10);
    for (Qt::Key Key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
      QTest::keyClick(Box.windowHandle(), Key);
    EXPECT_TRUE(Box.isVisible());
    ClickAt(&Box, CentreOf(Box.Label4));
    EXPECT_FALSE(Box.isVisible());
  });
  EXPECT_EQ(Form.Label1->text(), "kept");
  EXPECT_EQ(BoardRows(Form.Game().CurrentMap()), Before);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
  EXPECT_EQ(Form.HighlightMode(), Highlight);
}

TEST_F(AboutFromMainTest, CursorOverrideIsOffWhileShowingAndComesBackAfter) {
  SetCursorOverride(Qt::WaitCursor);
  OpenFromEmblem([&] {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ClickAt(&Box, {60, 60});
  });
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

  // Set again while the box shows, as the end of an animation does: off afterwards.
  OpenFromEmblem([&] {
    SetCursorOverride(Qt::ArrowCursor);
    ClickAt(&Box, {60, 60});
  });
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  OpenFromEmblem([&] { ClickAt(&Box, {60, 60}); });
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A credit or a version line too long for its place would be cut off at the bottom, a mail
// label too wide would run off the box.
TEST(AboutBoxLanguages, EveryLanguagesLinesFitTheirPlaces) {
  const QStringList Files = QDir(QStringLiteral(":/i18n")).entryList();
  ASSERT_GT(Files.size(), 1);
  for (const QString& File : Files) {
    QTranslator Language;
    ASSERT_TRUE(Language.load(File, QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&Language);
    TAboutBox Box;
    QCoreApplication::removeTranslator(&Language);
    Box.Prepare();
    for (const QLabel* Label : {Box.Label1, Box.Label4})
      EXPECT_LE(Label->heightForWidth(Label->width()), Label->height())
          << qPrintable(File + u' ' + Label->text());
    EXPECT_LE(Box.LMDSimpleLabel15->geometry().right(), Box.width()) << qPrintable(File);
  }
}
