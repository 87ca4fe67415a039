// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BusWarmUp.h"

#include <QDBusConnection>

// Qt keeps one session bus connection for the whole process; whoever asks second shares it.
TBusWarmUp::TBusWarmUp() : FThread([] { QDBusConnection::sessionBus(); }) {}

TBusWarmUp::~TBusWarmUp() {
  FThread.join();
}
