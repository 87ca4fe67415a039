// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/StartFailure.h"

#include <QMutex>
#include <QStringList>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

QMutex HeardLock;
QStringList Heard;

void Hear(QtMsgType, const QMessageLogContext&, const QString& Message) {
  const QMutexLocker Locker(&HeardLock);
  Heard.append(Message);
}

} // namespace

// A start that succeeds says all that Qt said, to the handler that was there before, and
// leaves that handler in place. Qt's event thread logs all the while, also while the watch
// is put in place and while it ends: nothing is lost, nothing goes to a stale handler.
TEST(StartFailure, WatchPassesEveryMessageOnAndRestoresTheHandler) {
  const QtMessageHandler Outer = qInstallMessageHandler(Hear);
  Heard.clear();
  const QString Plugin = QStringLiteral("Could not load the Qt platform plugin \"wayland\"");
  std::atomic<bool> Started{false};
  std::atomic<bool> Done{false};
  std::thread EventThread([&] {
    for (int I = 0; I < 4000; ++I) {
      qWarning("%s", qPrintable(Plugin));
      Started = true;
    }
    Done = true;
  });
  while (!Started)
    std::this_thread::yield();
  int Rounds = 0;
  for (; !Done; ++Rounds) {
    WatchPlatformStart();
    qWarning("XDG_RUNTIME_DIR not set");
    EndPlatformStartWatch();
  }
  EventThread.join();
  qWarning("after the start");
  qInstallMessageHandler(Outer);

  EXPECT_EQ(Heard.count(QStringLiteral("XDG_RUNTIME_DIR not set")), Rounds);
  EXPECT_EQ(Heard.count(Plugin), 4000);
  EXPECT_EQ(Heard.value(Heard.size() - 1), QStringLiteral("after the start"));
}
