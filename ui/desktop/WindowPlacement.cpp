// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/WindowPlacement.h"

#include "ui/desktop/Placement.h"
#include "ui/desktop/X11FrameExtents.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr int FrameWaitInterval = 50; // ms between looks at the window manager's frame
constexpr int FrameWaitTries = 20;
} // namespace

TWindowPlacement::TWindowPlacement(QWidget& Window) : QObject(&Window), FWindow(Window) {
  Window.installEventFilter(this);
}

bool TWindowPlacement::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == &FWindow && Event->type() == QEvent::WindowActivate)
    CentreWithFrame(FrameWaitTries);
  return QObject::eventFilter(Watched, Event);
}

// Qt may still report no frame, or a bogus one, for a moment after the activation.
void TWindowPlacement::CentreWithFrame(int Tries) {
  if (!FPlacedUnframed || FWindow.geometry().topLeft() != *FPlacedUnframed)
    return;
  if (!FrameMargins().isNull())
    Centre();
  else if (Tries > 1)
    QTimer::singleShot(FrameWaitInterval, this, [this, Tries] { CentreWithFrame(Tries - 1); });
  else
    FPlacedUnframed.reset(); // no frame is coming: no window manager, or not on X11
}

QMargins TWindowPlacement::FrameMargins() const {
  if (const QWindow* Handle = FWindow.windowHandle())
    if (const auto Extents = X11FrameExtents(*Handle))
      return *Extents;
  const QRect Frame = FWindow.frameGeometry();
  const QRect Client = FWindow.geometry();
  if (!Frame.contains(Client))
    return {};
  return {Client.left() - Frame.left(), Client.top() - Frame.top(), Frame.right() - Client.right(),
          Frame.bottom() - Client.bottom()};
}

void TWindowPlacement::Centre() {
  const QScreen* Screen = FWindow.screen() ? FWindow.screen() : QGuiApplication::primaryScreen();
  if (!Screen)
    return;
  const QMargins Frame = FrameMargins();
  const QPoint FrameTopLeft =
      CentredPlace(FWindow.size().grownBy(Frame), Screen->availableGeometry());
  FWindow.setGeometry(QRect(FrameTopLeft + QPoint(Frame.left(), Frame.top()), FWindow.size()));
  FPlacedUnframed.reset();
  if (Frame.isNull())
    FPlacedUnframed = FWindow.geometry().topLeft();
}
