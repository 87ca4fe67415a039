// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What went wrong when no window could be opened, told to the player in one line.

#include <QString>
#include <QStringList>

// Whether anything names a display or a platform; without one Qt is not even tried.
bool DisplayIsSet();
// The line for a start without any display named.
QString NoDisplayLine();

// Keeps what the platform layer says while the application object is created. When it gives
// up, one line naming what failed goes to stderr and the process ends with status 1.
void WatchPlatformStart();
void EndPlatformStartWatch();

// The line for the platform layer's messages from before it gave up, oldest first.
QString DescribeFailedStart(const QStringList& Messages);
