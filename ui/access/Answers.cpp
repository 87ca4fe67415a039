// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/Answers.h"

#include "model/Game.h"
#include "ui/About.h"
#include "ui/Main.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/access/AccessibleBoard.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// The context translators find the answers under.
class Answers {
  Q_DECLARE_TR_FUNCTIONS(Answers)
};

// English has its own source for one; a translation gives every plural form of either.
QString Boxes(int Count) {
  return Count == 1 ? Answers::tr("%n box", nullptr, Count)
                    : Answers::tr("%n boxes", nullptr, Count);
}

QString Groups(int Count) {
  return Count == 1 ? Answers::tr("%n group", nullptr, Count)
                    : Answers::tr("%n groups", nullptr, Count);
}

QString Sentences(std::initializer_list<QString> Parts) {
  QStringList Kept;
  for (const QString& Part : Parts)
    if (!Part.isEmpty())
      Kept << Part;
  return Kept.join(QLatin1Char(' '));
}

// A notification that belongs to the main window and holds the last answer.
class TAccessibleAnswer : public QAccessibleInterface {
public:
  explicit TAccessibleAnswer(QWidget* Window) : FWindow(Window) {}

  void SetText(const QString& Text) { FText = Text; }

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
  QString FText;
};

class TAnswers : public QObject {
public:
  explicit TAnswers(TMainForm& Form) : QObject(&Form), FForm(Form) {}
  ~TAnswers() override {
    if (FAnswer != 0)
      QAccessible::deleteAccessibleInterface(FAnswer);
  }

  void Say(const QString& Text) {
    if (FAnswer == 0)
      FAnswer = QAccessible::registerAccessibleInterface(new TAccessibleAnswer(&FForm));
    auto* Answer = static_cast<TAccessibleAnswer*>(QAccessible::accessibleInterface(FAnswer));
    Answer->SetText(Text);
    QAccessibleEvent Shown(Answer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&Shown);
  }

  QString Left() const {
    const TGame& Game = FForm.Game();
    return Answers::tr("%1, %2 left.").arg(Boxes(Game.BoxCount()), Groups(Game.GroupCount()));
  }
  QString Cell() const { return SpokenCell(*FForm.PuzzleGrid); }

  void MoveMade(int Removed) {
    Say(Sentences({Answers::tr("%n boxes removed.", nullptr, Removed), Left(), Cell()}));
  }

  void MoveRefused(int X, int Y) {
    const TGameMap& Map = FForm.Game().CurrentMap();
    const bool Box = Map.Contains(X, Y) && Map.GetColor(X, Y) != 0;
    Say(Box ? Answers::tr("A single box, nothing removed.")
            : Answers::tr("No box there, nothing removed."));
  }

  void Undone() {
    const TGame& Game = FForm.Game();
    Say(Answers::tr("Undone: %1, %2.").arg(Boxes(Game.BoxCount()), Groups(Game.GroupCount())));
  }

  void Redone() {
    const TGame& Game = FForm.Game();
    Say(Answers::tr("Redone: %1, %2.").arg(Boxes(Game.BoxCount()), Groups(Game.GroupCount())));
  }

  // "New game: a 12 by 12 board in 3 colours, 72 groups."
  QString Dealt(const char* Text) const {
    const TGame& Game = FForm.Game();
    return Answers::tr(Text)
        .arg(Game.Width())
        .arg(Game.Height())
        .arg(Answers::tr("%n colours", nullptr, Game.Colors()), Groups(Game.GroupCount()));
  }

  void NewGameDealt() {
    Say(Sentences(
        {Dealt(QT_TRANSLATE_NOOP("Answers", "New game: a %1 by %2 board in %3, %4.")), Cell()}));
  }

  // Told once the window has sized and refreshed the board for the level.
  void LevelApplied(bool NewBoard) {
    static const std::array<const char*, 3> Dealing = {
        QT_TRANSLATE_NOOP("Answers", "Easy level: new %1 by %2 board in %3, %4."),
        QT_TRANSLATE_NOOP("Answers", "Medium level: new %1 by %2 board in %3, %4."),
        QT_TRANSLATE_NOOP("Answers", "Hard level: new %1 by %2 board in %3, %4.")};
    static const std::array<const char*, 3> Keeping = {
        QT_TRANSLATE_NOOP("Answers", "Easy level already: the board stays."),
        QT_TRANSLATE_NOOP("Answers", "Medium level already: the board stays."),
        QT_TRANSLATE_NOOP("Answers", "Hard level already: the board stays.")};
    const TGame& Game = FForm.Game();
    std::size_t Level = 0;
    while (Level + 1 < LevelPresets.size() && (LevelPresets[Level].Width != Game.Width() ||
                                               LevelPresets[Level].Height != Game.Height() ||
                                               LevelPresets[Level].Colors != Game.Colors()))
      ++Level;
    Say(NewBoard ? Sentences({Dealt(Dealing[Level]), Cell()})
                 : Sentences({Answers::tr(Keeping[Level]), Left()}));
  }

  void Status() {
    const TGame& Game = FForm.Game();
    QString Moves;
    if (Game.BoxCount() == 0)
      Moves = Answers::tr("The board is empty.");
    else
      Moves = Game.BoxCount() > Game.GroupCount() ? Answers::tr("A move is left.")
                                                  : Answers::tr("No move is left.");
    Say(Sentences({Left(), Cell(), Moves}));
  }

private:
  TMainForm& FForm;
  QAccessible::Id FAnswer = 0;
};

// Calls Answer only while an assistive technology listens.
template <typename... TArgs, typename TAnswer> auto WhenListened(TAnswer Answer) {
  return [Answer](TArgs... Args) {
    if (QAccessible::isActive())
      Answer(Args...);
  };
}

// Follows the box for a screen reader. The picture takes the focus when the box opens. A
// screen reader's click command may click twice (Orca 43 clicks the object's centre again
// when it cannot see the pointer move after its first click); the first click closes the
// box, so a click that lands on the game right after that is dropped rather than played
// on the board beneath.
class TAboutReader : public QObject {
public:
  explicit TAboutReader(TAboutBox& Box) : QObject(&Box), FBox(Box) {}

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Watched == &FBox) {
      if (Event->type() == QEvent::Show && QAccessible::isActive())
        FBox.Image1->setFocus(Qt::OtherFocusReason);
      else if (Event->type() == QEvent::Hide && QAccessible::isActive()) {
        FClosed.start();
        qApp->installEventFilter(this);
      }
      return false;
    }
    const QEvent::Type Type = Event->type();
    if (Type != QEvent::MouseButtonPress && Type != QEvent::MouseButtonDblClick &&
        Type != QEvent::MouseButtonRelease)
      return false;
    if (FClosed.elapsed() > RepeatedClickMs) {
      qApp->removeEventFilter(this);
      return false;
    }
    return Watched->isWidgetType() && static_cast<QWidget*>(Watched)->window() != &FBox;
  }

private:
  static constexpr int RepeatedClickMs = 300;
  TAboutBox& FBox;
  QElapsedTimer FClosed;
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

void AttachAnswers(TMainForm& Form) {
  new TBridgeUp(*Form.PuzzleGrid);
  auto* Answers = new TAnswers(Form);
  TGameController* Controller = &Form.Controller();
  QObject::connect(Controller, &TGameController::MoveMade, Answers,
                   WhenListened<int, int, int>(
                       [Answers](int, int, int Removed) { Answers->MoveMade(Removed); }));
  QObject::connect(Controller, &TGameController::MoveRefused, Answers,
                   WhenListened<int, int>([Answers](int X, int Y) { Answers->MoveRefused(X, Y); }));
  QObject::connect(Controller, &TGameController::Undone, Answers,
                   WhenListened<>([Answers] { Answers->Undone(); }));
  QObject::connect(Controller, &TGameController::Redone, Answers,
                   WhenListened<>([Answers] { Answers->Redone(); }));
  QObject::connect(Controller, &TGameController::NewGameDealt, Answers,
                   WhenListened<>([Answers] { Answers->NewGameDealt(); }));
  // The window sizes and refreshes the board after the controller has applied the level.
  QObject::connect(Controller, &TGameController::LevelApplied, Answers,
                   WhenListened<bool>([Answers](bool NewBoard) {
                     QMetaObject::invokeMethod(
                         Answers, [Answers, NewBoard] { Answers->LevelApplied(NewBoard); },
                         Qt::QueuedConnection);
                   }));
  QObject::connect(&Form, &TMainForm::StatusAsked, Answers,
                   WhenListened<>([Answers] { Answers->Status(); }));
}

void AttachAboutBox(TAboutBox& Box) {
  Box.installEventFilter(new TAboutReader(Box));
}
