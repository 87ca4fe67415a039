// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey player: the real main window, with its About box, takes thousands of random
// pointer, key and timer events from a fixed seed, and after each one the board on screen,
// the menu states, the message line, the options and the game's invariants are checked.
// QUENLITH_MONKEY_EVENTS and QUENLITH_MONKEY_SEED change the run for a longer hunt.

#include "model/Game.h"
#include "model/Random.h"
#include "tests/GameInvariants.h"
#include "tests/ui/GameWindow.h"
#include "ui/About.h"
#include "ui/BoardPainter.h"
#include "ui/HotSpot.h"
#include "ui/Main.h"
#include "ui/PuzzleGrid.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

const QString WinText = QStringLiteral("Congratulation! You win");
const QString LossText = QStringLiteral("You lose! Tvy again.");

int EnvOr(const char* Name, int Default) {
  bool Ok = false;
  const int Value = qEnvironmentVariableIntValue(Name, &Ok);
  return Ok ? Value : Default;
}

// The About box is closed from inside its modal loop, after a few random clicks of its
// own, so that an emblem click never blocks the run. Links open through a fake that
// accepts or refuses at random.
class TMonkey : public QObject {
public:
  TMonkey() : Engine(static_cast<std::uint32_t>(EnvOr("QUENLITH_MONKEY_SEED", 1234))) {
    SavedOpener = TLMDSimpleLabel::Opener;
    TLMDSimpleLabel::Opener = [this](const QString&) {
      ++LinksOpened;
      return Chance(2);
    };
  }
  ~TMonkey() override { TLMDSimpleLabel::Opener = SavedOpener; }

  // A new run of the program: the windows made and destroyed in the program's order, the
  // main window shown and active.
  void Start() {
    Box.reset();
    Form = nullptr;
    Game.reset();
    Game = std::make_unique<TGameWindow>();
    Form = &Game->Form;
    Box = std::make_unique<TAboutBox>();
    Box->installEventFilter(this);
    Form->SetAboutBox(Box.get());
    // The window seeds from the clock; a fixed seed and a new game make the run repeatable.
    SeedRandom(Engine());
    Form->New1Click();
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form));
    ExpAnimation = Form->Animation();
    ExpColor = Form->ColorMode();
    ExpHighlight = Form->HighlightMode();
    ExpUndo = Form->Undo1->Enabled();
    ExpRedo = Form->Redo1->Enabled();
    // A button held through the quit is let go over no control of the new window, or the
    // toolkit would still count it as down.
    if (Held != Qt::NoButton)
      QTest::mouseRelease(Form->windowHandle(), Held, {}, QPoint(-5, -5));
    Held = Qt::NoButton;
  }

  // One random event, its expected effect on the tracked state, and the checks.
  void Step(int Index) {
    const int Kind = Below(100);
    bool QuitExpected = false;
    RunInLoop([&] {
      if (Kind < 20)
        MovePointer();
      else if (Kind < 31)
        Press();
      else if (Kind < 46 || (Kind >= 88 && Kind < 98 && Held != Qt::NoButton))
        QuitExpected = Release();
      else if (Kind < 58)
        Space();
      else if (Kind < 66)
        Navigate();
      else if (Kind < 82)
        QuitExpected = ShortCut();
      else if (Kind < 88)
        Tick();
      else if (Kind < 96)
        QuitExpected = ClickPicture();
      else if (Kind < 98)
        QuitExpected = DoubleClick();
      else if (Kind == 99 && Chance(4))
        QuitExpected = CloseBox();
      else
        ToggleChecker();
    });
    // Quitting closes every window; the program would end here, so a new run begins.
    const bool Quit = !Form->isVisible();
    CheckAfter(Index, Quit, QuitExpected);
    if (Quit && !::testing::Test::HasFatalFailure())
      Start();
  }

  void Report() const {
    std::printf("monkey: %d events, %d moves, %d wins, %d losses, %d animated, %d with the "
                "checker on, %d About showings, %d links, %d quits, seed %d\n",
                EventsRun, Moves, Wins, Losses, Animated, Checked, AboutShowings, LinksOpened,
                Quits, EnvOr("QUENLITH_MONKEY_SEED", 1234));
  }

  int EventsRun = 0;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Watched == Box.get() && Event->type() == QEvent::Show) {
      ++AboutShowings;
      QTimer::singleShot(0, Box.get(), [this] { PlayWithAbout(); });
    }
    return QObject::eventFilter(Watched, Event);
  }

private:
  int Below(int N) { return static_cast<int>(Engine() % static_cast<std::uint32_t>(N)); }
  bool Chance(int OneIn) { return Below(OneIn) == 0; }
  QWindow* Window() { return Form->windowHandle(); }

  void Log(const QString& What) {
    History.push_back(What);
    if (History.size() > 12)
      History.pop_front();
  }

  QPoint RandomPoint() {
    const int Where = Below(20);
    const QRect Grid = Form->PuzzleGrid->geometry();
    if (Where < 6) // on a box that can be played, so that games run to their end
      if (const QPoint Cell = PlayableCell(); Cell.x() >= 0)
        return Grid.topLeft() + TPuzzleGrid::ClientOrigin() +
               Form->PuzzleGrid->CellRect(Cell.x(), Cell.y()).center();
    if (Where < 11) // on the board, its frame or its spare strip
      return Grid.topLeft() + QPoint(Below(Grid.width()), Below(Grid.height()));
    if (Where < 14) { // on one of the pictures' hot spots
      const std::array<THotSpot*, 7> Spots{Form->Image2, Form->Image3, Form->Image4, Form->Image5,
                                           Form->Image6, Form->Image7, Form->Image8};
      const QRect Spot = Spots[static_cast<std::size_t>(Below(7))]->geometry();
      return Spot.topLeft() + QPoint(Below(Spot.width()), Below(Spot.height()));
    }
    return {Below(500) - 20, Below(380) - 20}; // anywhere, also left of and above the window
  }

  // A random box with a same-coloured neighbour, or (-1, -1) when there is none.
  QPoint PlayableCell() {
    const TGame& Game = Form->Game();
    std::vector<QPoint> Cells;
    for (int Y = 0; Y < Game.Height(); ++Y)
      for (int X = 0; X < Game.Width(); ++X)
        if (Game.CurrentMap().GetColor(X, Y) != 0 && Game.HasNeighbour(X, Y))
          Cells.emplace_back(X, Y);
    return Cells.empty() ? QPoint(-1, -1)
                         : Cells[static_cast<std::size_t>(Below(static_cast<int>(Cells.size())))];
  }

  Qt::KeyboardModifiers RandomModifiers() {
    static constexpr std::array<Qt::KeyboardModifier, 5> All{Qt::ShiftModifier, Qt::ControlModifier,
                                                             Qt::AltModifier, Qt::MetaModifier,
                                                             Qt::KeypadModifier};
    Qt::KeyboardModifiers Modifiers;
    for (Qt::KeyboardModifier One : All)
      if (Chance(5))
        Modifiers |= One;
    return Modifiers;
  }

  void MovePointer() {
    const QPoint P = RandomPoint();
    Log(QString("move to %1,%2").arg(P.x()).arg(P.y()));
    QTest::mouseMove(Window(), P);
  }

  void Press() {
    if (Held != Qt::NoButton)
      return MovePointer();
    static constexpr std::array<Qt::MouseButton, 5> Buttons{
        Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton};
    Held = Buttons[static_cast<std::size_t>(Below(5))];
    PressedAt = RandomPoint();
    PressTarget = Form->childAt(PressedAt);
    Log(QString("press %1 at %2,%3").arg(Held).arg(PressedAt.x()).arg(PressedAt.y()));
    QTest::mousePress(Window(), Held, {}, PressedAt);
  }

  // A release over the board plays the cell under it when the press began on the board;
  // the quit picture ends the loop when a left press began on it too.
  bool Release() {
    if (Held == Qt::NoButton)
      Press();
    const QPoint P = Chance(3) ? PressedAt : RandomPoint();
    const Qt::MouseButton Button = Held;
    bool Quits = false;
    if (PressTarget == Form->PuzzleGrid) {
      const QPoint Client = Form->PuzzleGrid->mapFrom(Form, P) - TPuzzleGrid::ClientOrigin();
      int ACol = -1, ARow = -1;
      Form->PuzzleGrid->MouseToCell(Client.x(), Client.y(), ACol, ARow);
      ExpectMoveAt(ACol, ARow);
    }
    if (PressTarget == Form->Image4 && Button == Qt::LeftButton &&
        Form->Image4->geometry().contains(P))
      Quits = true;
    Held = Qt::NoButton;
    Log(QString("release %1 at %2,%3").arg(Button).arg(P.x()).arg(P.y()));
    QTest::mouseRelease(Window(), Button, RandomModifiers(), P);
    return Quits;
  }

  void ExpectMoveAt(int X, int Y) {
    if (Form->Game().HasNeighbour(X, Y) && !Form->Controller().Dealing()) {
      MenuFollowsGame = true;
      ++Moves;
    }
  }

  void Space() {
    const Qt::KeyboardModifiers Modifiers = Chance(4) ? RandomModifiers() : Qt::NoModifier;
    if (Chance(6)) { // a held key: the repeated releases must not play
      Log("repeated Space release");
      QKeyEvent Repeat(QEvent::KeyRelease, Qt::Key_Space, Modifiers, QStringLiteral(" "), true);
      QApplication::sendEvent(Form->PuzzleGrid, &Repeat);
      return;
    }
    ExpectMoveAt(Form->PuzzleGrid->Col(), Form->PuzzleGrid->Row());
    Log(QString("Space with %1").arg(Modifiers.toInt()));
    QTest::keyClick(Window(), Qt::Key_Space, Modifiers);
  }

  void Navigate() {
    static constexpr std::array<Qt::Key, 8> Keys{Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Up,
                                                 Qt::Key_Down,   Qt::Key_Home,    Qt::Key_End,
                                                 Qt::Key_PageUp, Qt::Key_PageDown};
    const Qt::Key Key = Keys[static_cast<std::size_t>(Below(8))];
    const Qt::KeyboardModifiers Modifiers = Chance(3) ? RandomModifiers() : Qt::NoModifier;
    Log(QString("key %1 with %2").arg(Key).arg(Modifiers.toInt()));
    QTest::keyClick(Window(), Key, Modifiers);
  }

  // Every shortcut, mostly exact, sometimes with extra modifiers that make it another key.
  bool ShortCut() {
    // A quit ends the run and a new game ends the game, so F10 and Ctrl+N are rare; Ctrl+Q
    // is no shortcut at all.
    static constexpr std::array<Qt::Key, 7> Keys{Qt::Key_Z, Qt::Key_Y, Qt::Key_A, Qt::Key_C,
                                                 Qt::Key_H, Qt::Key_Q, Qt::Key_D};
    const int Pick = Below(60);
    const Qt::Key Key = Pick == 0   ? Qt::Key_F10
                        : Pick == 1 ? Qt::Key_N
                                    : Keys[static_cast<std::size_t>(Pick % 7)];
    // F10, and H now and then, are plain keys: H asks for a hint, which may go back.
    const bool Plain = Key == Qt::Key_F10 || (Key == Qt::Key_H && Chance(2));
    Qt::KeyboardModifiers Modifiers = Plain ? Qt::NoModifier : Qt::ControlModifier;
    const int Before = Form->Game().Current();
    if (Key == Qt::Key_F10 ? Chance(2) : Chance(4))
      Modifiers |= RandomModifiers();
    const bool Repeated = Chance(5);
    // Only Shift, Ctrl and Alt take part in a shortcut; keypad and Meta do not.
    const auto Exact = [&](Qt::KeyboardModifiers Wanted) {
      return (Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Wanted;
    };
    bool Quits = false;
    if (Exact(Qt::ControlModifier)) {
      if (((Key == Qt::Key_Z && ExpUndo) || (Key == Qt::Key_Y && ExpRedo)) &&
          !Form->Controller().Dealing())
        MenuFollowsGame = true;
      ExpAnimation ^= Key == Qt::Key_A;
      ExpColor ^= Key == Qt::Key_C;
      if (Key == Qt::Key_H)
        ExpHighlight = static_cast<std::uint8_t>((ExpHighlight + 1) % 3);
    }
    if (Key == Qt::Key_F10 && Exact(Qt::NoModifier))
      Quits = true;
    Log(QString("shortcut %1 with %2%3")
            .arg(Key)
            .arg(Modifiers.toInt())
            .arg(Repeated ? ", repeated" : ""));
    if (Repeated) { // shortcuts act on each press, repeats included
      QKeyEvent Repeat(QEvent::KeyPress, Key, Modifiers, QString(), true);
      QApplication::sendEvent(Form->PuzzleGrid, &Repeat);
    } else {
      QTest::keyClick(Window(), Key, Modifiers);
    }
    // A hint's answer moves the current cell: it must not come in the middle of a later event.
    if (Key == Qt::Key_H &&
        !QTest::qWaitFor([&] { return !Form->Label1->text().startsWith("Looking"); }, 30000))
      ADD_FAILURE() << "no answer to a hint";
    // The hint key undoes the moves since the way was lost, as the menu's undo does.
    MenuFollowsGame |= Plain && Form->Game().Current() != Before;
    return Quits;
  }

  void Tick() {
    if (Chance(40)) { // the real timer, now and then
      Log("wait for real ticks");
      QTest::qWait(140);
      return;
    }
    Log("tick");
    if (Form->Timer1->isActive())
      ::Tick(Form->Controller());
  }

  // A click on a painted button: mostly undo and the emblem, rarely a level, new or quit.
  bool ClickPicture() {
    const int Pick = Below(40);
    const int Which = Pick == 0 ? 4 : Pick < 4 ? 6 + Pick % 3 : Pick < 6 ? 2 : Pick < 20 ? 3 : 5;
    const std::array<THotSpot*, 7> Spots{Form->Image2, Form->Image3, Form->Image4, Form->Image5,
                                         Form->Image6, Form->Image7, Form->Image8};
    const THotSpot* Spot = Spots[static_cast<std::size_t>(Which - 2)];
    const Qt::MouseButton Button = Chance(5) ? Qt::RightButton : Qt::LeftButton;
    Log(QString("click %1 on Image%2").arg(Button).arg(Which));
    QTest::mouseClick(Window(), Button, {}, Spot->geometry().center());
    return Which == 4 && Button == Qt::LeftButton;
  }

  // Both releases of a double click play; on a picture button it counts once.
  bool DoubleClick() {
    const QPoint P = RandomPoint();
    QWidget* Target = Form->childAt(P);
    const Qt::MouseButton Button = Chance(3) ? Qt::RightButton : Qt::LeftButton;
    if (Target == Form->PuzzleGrid) {
      const QPoint Client = Form->PuzzleGrid->mapFrom(Form, P) - TPuzzleGrid::ClientOrigin();
      int ACol = -1, ARow = -1;
      Form->PuzzleGrid->MouseToCell(Client.x(), Client.y(), ACol, ARow);
      ExpectMoveAt(ACol, ARow); // the second release plays only if the first did
    }
    Log(QString("double click %1 at %2,%3").arg(Button).arg(P.x()).arg(P.y()));
    QTest::mouseDClick(Window(), Button, {}, P);
    return Target == Form->Image4 && Button == Qt::LeftButton;
  }

  bool CloseBox() {
    Log("close box");
    ClosedByBox = true;
    Form->close();
    return true;
  }

  void ToggleChecker() {
    Log("solution checker");
    Form->SolutionChecker1Click();
  }

  // Inside the modal showing: a few clicks anywhere on the box, links included, then the
  // box is closed if none of them closed it.
  void PlayWithAbout() {
    for (int I = Below(4); I > 0 && Box->isVisible(); --I) {
      const QRect Link = (Chance(2) ? Box->LMDSimpleLabel14 : Box->LMDSimpleLabel15)->geometry();
      const QPoint P = Chance(2)
                           ? Link.topLeft() + QPoint(Below(Link.width()), Below(Link.height()))
                           : QPoint(Below(TAboutBox::ClientWidth), Below(TAboutBox::ClientHeight));
      QTest::mouseClick(Box->windowHandle(), Chance(3) ? Qt::RightButton : Qt::LeftButton, {}, P);
    }
    // The box has no keys of its own: none of these may close it.
    if (Box->isVisible()) {
      static constexpr std::array<Qt::Key, 3> Keys{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space};
      QTest::keyClick(Box->windowHandle(), Keys[static_cast<std::size_t>(Below(3))]);
      EXPECT_TRUE(Box->isVisible()) << "a key closed the About box";
      Box->FormClick();
    }
  }

  // Runs Action inside the message loop, as the program's handlers run, and then the loop
  // until what Action posted has been delivered, a quit included. The context object drops
  // the posted exit if the loop has ended otherwise. A timer tick may still run in the
  // loop's last round and ask for a repaint; it is delivered before anything is checked.
  void RunInLoop(const std::function<void()>& Action) {
    QObject Context;
    QTimer::singleShot(0, &Context, [&] {
      Action();
      QMetaObject::invokeMethod(
          &Context, [] { QCoreApplication::exit(); }, Qt::QueuedConnection);
    });
    QApplication::exec();
    QCoreApplication::sendPostedEvents();
  }

  void CheckAfter(int Index, bool Quit, bool QuitExpected) {
    ++EventsRun;
    // A deal that came in the middle of a later event would change the board it expects.
    if (!Quit && Form->Controller().Dealing()) {
      if (!QTest::qWaitFor([&] { return !Form->Controller().Dealing(); }, 60000))
        ADD_FAILURE() << "a deal that never came";
      QCoreApplication::processEvents(); // paints the dealt board
    }
    if (MenuFollowsGame) {
      ExpUndo = Form->Game().CanUndo();
      ExpRedo = Form->Game().CanRedo();
      MenuFollowsGame = false;
    }
    Quits += Quit;
    const std::string Where = "after event " + std::to_string(Index) + ", the last being:\n" +
                              History.join(QStringLiteral("\n")).toStdString();
    ASSERT_EQ(Quit, QuitExpected) << Where;
    ASSERT_EQ(Invariants::GameFault(Form->Game(), true), "") << Where;
    // Only a running animation may leave a board unsettled, and only the current one.
    ASSERT_EQ(Invariants::HistorySettleFault(Form->Game(), Form->Timer1->isActive()), "") << Where;
    if (Quit) {
      const bool Exited = !ClosedByBox;
      ClosedByBox = false;
      ASSERT_TRUE(!Exited || Form->Label1->text().isEmpty()) << "exit clears the message line\n"
                                                             << Where;
      return;
    }
    ASSERT_EQ(Form->Undo1->Enabled(), ExpUndo) << Where;
    ASSERT_EQ(Form->Redo1->Enabled(), ExpRedo) << Where;
    ASSERT_EQ(Form->Animation(), ExpAnimation) << Where;
    ASSERT_EQ(Form->ColorMode(), ExpColor) << Where;
    ASSERT_EQ(Form->HighlightMode(), ExpHighlight) << Where;
    const QString Message = Form->Label1->text();
    ASSERT_TRUE(Message.isEmpty() || Message == WinText || Message == LossText ||
                Message.endsWith('.'))
        << Message.toStdString() << "\n"
        << Where;
    ASSERT_EQ(Form->StatusText(),
              QString::asprintf("Boxes: %d  Groups: %d", Form->Game().BoxCount(),
                                Form->Game().GroupCount()))
        << Where;
    ASSERT_FALSE(Box->isVisible()) << Where;
    Wins += Message == WinText;
    Losses += Message == LossText;
    Animated += Form->Timer1->isActive();
    Checked += Form->SolutionChecker();
    CheckScreen(Where);
  }

  // What the window shows, read back from its backing store: the centre of each cell has
  // the cell's fill, and the frame's pixel is white exactly on the current cell.
  void CheckScreen(const std::string& Where) {
    const TGameMap& Map = Form->Game().CurrentMap();
    const TPuzzleGrid& Grid = *Form->PuzzleGrid;
    ASSERT_EQ(Grid.ColCount(), Map.Width()) << Where;
    ASSERT_EQ(Grid.RowCount(), Map.Height()) << Where;
    const QImage Shown = Form->screen()->grabWindow(Form->winId()).toImage();
    ASSERT_EQ(Shown.size(), Form->size()) << Where;
    const QRgb Face = TSystemColors::FromPalette(Grid.palette()).BtnFace.rgb();
    for (int Y = 0; Y < Map.Height(); ++Y)
      for (int X = 0; X < Map.Width(); ++X) {
        const std::uint8_t C = Map.GetColor(X, Y);
        const bool Current = X == Grid.Col() && Y == Grid.Row();
        if (Form->HintCell() == QPoint(X, Y))
          continue; // framed as the hint
        const bool TrueColour =
            Form->ColorMode() || C == 0 || (Current && Form->HighlightMode() == 0);
        const QPoint Cell =
            Grid.mapTo(Form, TPuzzleGrid::ClientOrigin() + Grid.CellRect(X, Y).topLeft());
        ASSERT_EQ(QColor(Shown.pixel(Cell + QPoint(8, 8))).rgb(),
                  TrueColour ? Palette[C].Fill : Face)
            << "cell " << X << "," << Y << " " << Where;
        // With the frame off, a box the keys moved is outlined until the pointer moves it.
        const bool Framed = Current && (Form->HighlightMode() != 2 || Grid.KeyMoved());
        ASSERT_EQ(Shown.pixel(Cell + QPoint(1, 1)) == qRgb(255, 255, 255), Framed)
            << "frame of cell " << X << "," << Y << " " << Where;
      }
  }

  std::unique_ptr<TGameWindow> Game;
  TMainForm* Form = nullptr;
  std::unique_ptr<TAboutBox> Box; // destroyed first, as in the program
  std::mt19937 Engine;
  TLMDSimpleLabel::TOpener SavedOpener;
  QStringList History;

  Qt::MouseButton Held = Qt::NoButton;
  QPoint PressedAt;
  QWidget* PressTarget = nullptr;

  bool ExpUndo = false, ExpRedo = false;
  bool MenuFollowsGame = false; // the event made a move, a menu undo or a menu redo
  bool ClosedByBox = false;     // the window was closed, not left through exit
  bool ExpAnimation = false, ExpColor = true;
  std::uint8_t ExpHighlight = 2;

  int Moves = 0, Wins = 0, Losses = 0, Animated = 0, Checked = 0;
  int AboutShowings = 0, LinksOpened = 0, Quits = 0;
};

TEST(Monkey, ThousandsOfRandomEventsKeepTheWindowAndTheGameWhole) {
  TMonkey Monkey;
  Monkey.Start();
  const int Events = EnvOr("QUENLITH_MONKEY_EVENTS", 3000);
  for (int I = 0; I < Events && !::testing::Test::HasFatalFailure(); ++I)
    Monkey.Step(I);
  Monkey.Report();
  EXPECT_EQ(Monkey.EventsRun, Events);
  while (QApplication::overrideCursor())
    QApplication::restoreOverrideCursor();
}

} // namespace
