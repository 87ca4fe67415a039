// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What went wrong when no window could be opened, told to the player in one line.

#include <QString>
#include <QStringList>

// Whether anything names a display or a platform; without one Qt is not even tried.
bool DisplayIsSet();
// The line for a start without any display named.
QString NoDisplayLine();

// Watches what the platform layer says while the application object is created. Every
// message goes on to the handler in place before; only those that tell why a platform
// failed are held back until the end of the watch. When Qt gives up, one line naming what
// failed goes to stderr instead and the process ends with status 1.
void WatchPlatformStart();
// Puts the previous handler back and passes the held messages on to it.
void EndPlatformStartWatch();

// The line for the platform layer's messages from before it gave up, oldest first.
QString DescribeFailedStart(const QStringList& Messages);
