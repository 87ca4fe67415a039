// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/Answers.h"

#include "model/Game.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/access/AccessibleBoard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <utility>
#include <vector>

namespace {

// The context translators find the answers under.
class Answers {
  Q_DECLARE_TR_FUNCTIONS(Answers)
};

// One source text each; the English translation gives the singular.
QString Boxes(int Count) {
  return Answers::tr("%n boxes", nullptr, Count);
}

QString Groups(int Count) {
  return Answers::tr("%n groups", nullptr, Count);
}

// Sentences one after another, joined as the language writes them.
QString Sentences(std::initializer_list<QString> Parts) {
  QString Joined;
  for (const QString& Part : Parts) {
    if (Part.isEmpty())
      continue;
    Joined = Joined.isEmpty() ? Part
                              //: Two sentences of an answer, one after the other
                              : Answers::tr("%1 %2").arg(Joined, Part);
  }
  return Joined;
}

// A notification that belongs to the main window and holds one answer.
class TAccessibleAnswer : public QAccessibleInterface {
public:
  TAccessibleAnswer(QWidget* Window, const QString& Text) : FWindow(Window), FText(Text) {}

  bool isValid() const override { return !FWindow.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FWindow ? FWindow->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FWindow.data());
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text Kind) const override {
    return Kind == QAccessible::Name ? FText : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  // Heard, never seen.
  QAccessible::State state() const override {
    QAccessible::State State;
    State.invisible = true;
    return State;
  }

private:
  QPointer<QWidget> FWindow;
  const QString FText;
};

class TAnswers : public QObject {
public:
  TAnswers(QWidget& Window, const TPuzzleGrid& Grid, const TGameController& Controller)
      : QObject(&Window), FWindow(Window), FGrid(Grid), FController(Controller) {}
  ~TAnswers() override {
    for (const QAccessible::Id Id : FRecent)
      QAccessible::deleteAccessibleInterface(Id);
  }

  // Qt 6.4's notification carries no text: the reader asks the object for its name when it
  // comes to the event. Each answer is an object of its own, so that an answer that follows
  // quickly cannot be read in place of the one before.
  void Say(const QString& Text) {
    auto* Answer = new TAccessibleAnswer(&FWindow, Text);
    FRecent.push_back(QAccessible::registerAccessibleInterface(Answer));
    if (FRecent.size() > KeptAnswers) {
      QAccessible::deleteAccessibleInterface(FRecent.front());
      FRecent.erase(FRecent.begin());
    }
    QAccessibleEvent Shown(Answer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&Shown);
  }

  const TGame& Game() const { return FController.Game(); }

  QString Left() const {
    if (Game().BoxCount() == 0)
      return Answers::tr("The board is empty.");
    return Answers::tr("%1, %2 left.").arg(Boxes(Game().BoxCount()), Groups(Game().GroupCount()));
  }
  QString Cell() const { return SpokenCell(FGrid); }

  void MoveMade(int Removed) {
    Say(Sentences({Answers::tr("%n boxes removed.", nullptr, Removed), Left(), Cell()}));
  }

  void MoveRefused(int X, int Y) {
    const TGameMap& Map = Game().CurrentMap();
    const bool Box = Map.Contains(X, Y) && Map.GetColor(X, Y) != 0;
    Say(Box ? Answers::tr("A single box, nothing removed.")
            : Answers::tr("No box there, nothing removed."));
  }

  // The hint's way back comes as one undo of that many moves.
  void WentBack(int Moves) { FBackMoves = Moves; }

  void HistoryStepped(THistoryStep Step, bool Moved) {
    const bool Undo = Step == THistoryStep::Undo;
    if (const int Back = std::exchange(FBackMoves, 0); Back > 0 && Moved)
      //: The hint went back to the last board that can be cleared: %n moves were undone
      Say(Answers::tr("Back %n moves: %1, %2 left.", nullptr, Back)
              .arg(Boxes(Game().BoxCount()), Groups(Game().GroupCount())));
    else if (!Moved)
      Say(Undo ? Answers::tr("Nothing to undo.") : Answers::tr("Nothing to redo."));
    else if (Game().BoxCount() == 0)
      Say(Answers::tr("Redone: the board is empty."));
    else
      Say((Undo ? Answers::tr("Undone: %1, %2 left.") : Answers::tr("Redone: %1, %2 left."))
              .arg(Boxes(Game().BoxCount()), Groups(Game().GroupCount())));
  }

  // "New game: a 12 by 12 board in 3 colours, 72 groups."
  QString Dealt(const char* Text) const {
    return Answers::tr(Text)
        .arg(Game().Width())
        .arg(Game().Height())
        .arg(Answers::tr("%n colours", nullptr, Game().Colors()), Groups(Game().GroupCount()));
  }

  void NewGameDealt() {
    Say(Sentences(
        {Dealt(QT_TRANSLATE_NOOP("Answers", "New game: a %1 by %2 board in %3, %4.")), Cell()}));
  }

  void LevelApplied(std::size_t Level, bool NewBoard) {
    static const std::array<const char*, 3> Dealing = {
        QT_TRANSLATE_NOOP("Answers", "Easy level: new %1 by %2 board in %3, %4."),
        QT_TRANSLATE_NOOP("Answers", "Medium level: new %1 by %2 board in %3, %4."),
        QT_TRANSLATE_NOOP("Answers", "Hard level: new %1 by %2 board in %3, %4.")};
    static const std::array<const char*, 3> Keeping = {
        QT_TRANSLATE_NOOP("Answers", "Easy level already: the board is kept."),
        QT_TRANSLATE_NOOP("Answers", "Medium level already: the board is kept."),
        QT_TRANSLATE_NOOP("Answers", "Hard level already: the board is kept.")};
    if (Level >= Dealing.size())
      return;
    Say(NewBoard ? Sentences({Dealt(Dealing[Level]), Cell()})
                 : Sentences({Answers::tr(Keeping[Level]), Left()}));
  }

  // Where the message line shows a frame, the reader hears the box's place and colour.
  void HintGiven(THint Hint, int X, int Y) {
    if (Hint == THint::Empty)
      Say(Answers::tr("The board is empty."));
    if (Hint != THint::Move || !Game().CurrentMap().Contains(X, Y))
      return;
    const std::uint8_t Color = Game().CurrentMap().GetColor(X, Y);
    //: %3 is a colour word alone ("red"), an adjective without a noun; "(%3)" may stand for it
    Say(Answers::tr("The board can be cleared. Play row %1, column %2, %3.")
            .arg(Y + 1)
            .arg(X + 1)
            .arg(QCoreApplication::translate("Board",
                                             ColorWords[Color < ColorWords.size() ? Color : 0])));
  }

  // Told of the settled board: during a fall, once it has settled.
  void Status() {
    if (FController.Settling()) {
      FStatusAfterFall = true;
      return;
    }
    QString Moves;
    if (Game().BoxCount() != 0)
      Moves = Game().BoxCount() > Game().GroupCount() ? Answers::tr("Moves remain.")
                                                      : Answers::tr("No move is left.");
    Say(Sentences({Left(), Cell(), Moves}));
  }

  void SettlingEnded() {
    if (std::exchange(FStatusAfterFall, false))
      Status();
  }

private:
  static constexpr std::size_t KeptAnswers = 16;
  int FBackMoves = 0;
  QWidget& FWindow;
  const TPuzzleGrid& FGrid;
  const TGameController& FController;
  std::vector<QAccessible::Id> FRecent;
  bool FStatusAfterFall = false;
};

// Calls Answer only while an assistive technology listens.
template <typename... TArgs, typename TAnswer> auto WhenListened(TAnswer Answer) {
  return [Answer](TArgs... Args) {
    if (QAccessible::isActive())
      Answer(Args...);
  };
}

// The picture takes the focus when the box opens, so that a screen reader follows into it.
class TAboutReader : public QObject {
public:
  explicit TAboutReader(TAboutBox& Box) : QObject(&Box), FBox(Box) {}

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Watched == &FBox && Event->type() == QEvent::Show && QAccessible::isActive())
      FBox.Image1->setFocus(Qt::OtherFocusReason);
    return false;
  }

private:
  TAboutBox& FBox;
};

// The desktop bridge may join the accessibility bus after the window has been shown and
// the board has taken the focus, whose events then reached nobody; once it is up, the
// current cell is told again (a reader already on it ignores the repeat).
class TBridgeUp : public QObject, public QAccessible::ActivationObserver {
public:
  explicit TBridgeUp(TPuzzleGrid& Grid) : QObject(&Grid), FGrid(Grid) {
    QAccessible::installActivationObserver(this);
  }
  ~TBridgeUp() override { QAccessible::removeActivationObserver(this); }

  void accessibilityActiveChanged(bool Active) override {
    if (Active)
      QMetaObject::invokeMethod(
          this, [this] { SignalCurrentCell(FGrid); }, Qt::QueuedConnection);
  }

private:
  TPuzzleGrid& FGrid;
};

} // namespace

void AttachAnswers(TMainForm& Form, TPuzzleGrid& Grid, const TGameController& Controller) {
  new TBridgeUp(Grid);
  auto* Answers = new TAnswers(Form, Grid, Controller);
  const TGameController* Source = &Controller;
  QObject::connect(Source, &TGameController::MoveMade, Answers,
                   WhenListened<int, int, int>(
                       [Answers](int, int, int Removed) { Answers->MoveMade(Removed); }));
  QObject::connect(Source, &TGameController::MoveRefused, Answers,
                   WhenListened<int, int>([Answers](int X, int Y) { Answers->MoveRefused(X, Y); }));
  QObject::connect(Source, &TGameController::HistoryStepped, Answers,
                   WhenListened<THistoryStep, bool>([Answers](THistoryStep Step, bool Moved) {
                     Answers->HistoryStepped(Step, Moved);
                   }));
  QObject::connect(Source, &TGameController::WentBack, Answers,
                   [Answers](int Moves) { Answers->WentBack(Moves); });
  QObject::connect(Source, &TGameController::NewGameDealt, Answers,
                   WhenListened<>([Answers] { Answers->NewGameDealt(); }));
  // The window has sized the board for the level when this comes (it connected first).
  QObject::connect(Source, &TGameController::LevelApplied, Answers,
                   WhenListened<std::size_t, bool>([Answers](std::size_t Level, bool NewBoard) {
                     Answers->LevelApplied(Level, NewBoard);
                   }));
  QObject::connect(Source, &TGameController::HintGiven, Answers,
                   WhenListened<THint, int, int>(
                       [Answers](THint Hint, int X, int Y) { Answers->HintGiven(Hint, X, Y); }));
  QObject::connect(Source, &TGameController::SettlingEnded, Answers,
                   [Answers] { Answers->SettlingEnded(); });
  QObject::connect(&Form, &TMainForm::StatusAsked, Answers,
                   WhenListened<>([Answers] { Answers->Status(); }));
  QObject::connect(&Form, &TMainForm::HistoryStepUnavailable, Answers,
                   WhenListened<THistoryStep>(
                       [Answers](THistoryStep Step) { Answers->HistoryStepped(Step, false); }));
}

void AttachAboutBox(TAboutBox& Box) {
  Box.installEventFilter(new TAboutReader(Box));
}
