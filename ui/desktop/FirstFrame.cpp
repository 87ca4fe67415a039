// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class TFirstPaintWatch : public QObject {
public:
  TFirstPaintWatch(QWidget* Widget, std::function<void()> Task)
      : QObject(Widget), FTask(std::move(Task)) {
    Widget->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) {
      Watched->removeEventFilter(this);
      // Posted: the paint and the flush of the whole frame to the screen come first.
      QTimer::singleShot(0, Watched, std::move(FTask));
      deleteLater();
    }
    return false;
  }

private:
  std::function<void()> FTask;
};

} // namespace

void AfterFirstPaint(QWidget* Widget, std::function<void()> Task) {
  new TFirstPaintWatch(Widget, std::move(Task));
}
