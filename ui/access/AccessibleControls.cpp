// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/AccessibleControls.h"

#include "ui/HotSpot.h"
#include "ui/Main.h"
#include "ui/MessageLine.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/access/AccessibleBoard.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A picture that takes clicks: a push button when it lies invisible over a painted one, an
// image otherwise. Its press action runs what a left click runs.
class TAccessibleHotSpot : public QAccessibleWidget {
public:
  TAccessibleHotSpot(THotSpot* Spot, QAccessible::Role Role) : QAccessibleWidget(Spot, Role) {}

  QStringList actionNames() const override {
    return Pressable() ? QStringList{pressAction()} : QStringList{};
  }

  // Posted: the handler may open a modal box, and the screen reader waits for the answer
  // to this call until the handler returns.
  void doAction(const QString& Name) override {
    if (Name != pressAction() || !Pressable())
      return;
    THotSpot* Target = Spot();
    QMetaObject::invokeMethod(
        Target, [Target] { emit Target->Click(); }, Qt::QueuedConnection);
  }

private:
  THotSpot* Spot() const { return static_cast<THotSpot*>(widget()); }
  bool Pressable() const { return Spot()->isEnabled() && Spot()->Clickable(); }
};

// Counts as shown only while it holds a message, so that its appearance is news.
class TAccessibleMessageLine : public QAccessibleWidget {
public:
  explicit TAccessibleMessageLine(TMessageLine* Line)
      : QAccessibleWidget(Line, QAccessible::Notification) {}

  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Name)
      return static_cast<TMessageLine*>(widget())->text();
    return QAccessibleWidget::text(Kind);
  }

  QAccessible::State state() const override {
    QAccessible::State State = QAccessibleWidget::state();
    if (static_cast<TMessageLine*>(widget())->text().isEmpty())
      State.invisible = true;
    return State;
  }
};

QAccessibleInterface* ControlsAccessibleFactory(const QString& ClassName, QObject* Object) {
  if (!Object || !Object->isWidgetType())
    return nullptr;
  auto* Widget = static_cast<QWidget*>(Object);
  // Asked from the most derived class up, so a picture box is answered as such.
  if (ClassName == QLatin1String("TPictureBox"))
    return new TAccessibleHotSpot(static_cast<THotSpot*>(Widget), QAccessible::Graphic);
  if (ClassName == QLatin1String("THotSpot"))
    return new TAccessibleHotSpot(static_cast<THotSpot*>(Widget), QAccessible::Button);
  if (ClassName == QLatin1String("TMessageLine"))
    return new TAccessibleMessageLine(static_cast<TMessageLine*>(Widget));
  if (ClassName == QLatin1String("TMainForm"))
    return new QAccessibleWidget(Widget, QAccessible::Window);
  return nullptr;
}

} // namespace

// The factories answer whether or not an assistive technology is listening: Qt 6.4 looks up
// the interface of every widget it shows, before the desktop bridge is up, and keeps the
// first answer for the widget's life.
void InstallAccessibleFactories() {
  QAccessible::installFactory(ControlsAccessibleFactory);
  QAccessible::installFactory(BoardAccessibleFactory);
}

void AttachScreenReader(TMainForm& Form, TPuzzleGrid& Board, const TGameController& Controller) {
  TPuzzleGrid* Grid = &Board;
  ShowGameOn(Board, Controller);
  QObject::connect(Grid, &TPuzzleGrid::CurrentCellChanged, Grid,
                   [Grid] { SignalCurrentCell(*Grid); });
  QObject::connect(Grid, &TPuzzleGrid::FocusEntered, Grid, [Grid] { SignalFocusEntered(*Grid); });
  QObject::connect(&Form, &TMainForm::BoardRefreshed, Grid, [Grid] { SignalBoardChanged(*Grid); });
}
