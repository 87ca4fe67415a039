// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/StartFailure.h"

#include <QMutex>
#include <QStringList>
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
// leaves that handler in place; Qt's event thread may log at the same time.
TEST(StartFailure, WatchPassesEveryMessageOnAndRestoresTheHandler) {
  const QtMessageHandler Outer = qInstallMessageHandler(Hear);
  Heard.clear();
  const QString Plugin = QStringLiteral("Could not load the Qt platform plugin \"wayland\"");
  WatchPlatformStart();
  std::thread EventThread([&] {
    for (int I = 0; I < 20; ++I)
      qWarning("%s", qPrintable(Plugin));
  });
  for (int I = 0; I < 20; ++I)
    qWarning("XDG_RUNTIME_DIR not set");
  EventThread.join();
  EndPlatformStartWatch();
  qWarning("after the start");
  qInstallMessageHandler(Outer);

  EXPECT_EQ(Heard.count(QStringLiteral("XDG_RUNTIME_DIR not set")), 20);
  EXPECT_EQ(Heard.count(Plugin), 20);
  EXPECT_EQ(Heard.size(), 41);
  EXPECT_EQ(Heard.value(Heard.size() - 1), QStringLiteral("after the start"));
}
