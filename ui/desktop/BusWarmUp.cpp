// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/BusWarmUp.h"

#include <QDBusConnection>

#include <QGuiApplication>

// Qt keeps one session bus connection for the whole process; whoever asks second shares it.
// Made from this thread, the connection delivers incoming messages at once rather than
// from the message loop; its only user before the loop is the accessibility bridge.
// Platforms without that bridge (offscreen, the tests) skip it.
TBusWarmUp::TBusWarmUp() {
  const QString Platform = QGuiApplication::platformName();
  if (Platform == QLatin1String("xcb") || Platform.startsWith(QLatin1String("wayland")))
    FThread = std::thread([] { QDBusConnection::sessionBus(); });
}

TBusWarmUp::~TBusWarmUp() {
  if (FThread.joinable())
    FThread.join();
}
