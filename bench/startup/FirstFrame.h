// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the message loop right after a widget's first paint and reports what the
// process has used so far, so start-up programs can be compared.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

class TFirstFrame : public QObject {
public:
  explicit TFirstFrame(QWidget* Watched) { Watched->installEventFilter(this); }

protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && !FSeen) {
      FSeen = true;
      // Let this paint finish and reach the screen before the loop ends.
      QTimer::singleShot(0, [] {
        rusage Usage{};
        getrusage(RUSAGE_SELF, &Usage);
        std::printf("max-rss-kb %ld\n", Usage.ru_maxrss);
        QApplication::quit();
      });
    }
    return false;
  }

private:
  bool FSeen = false;
};
