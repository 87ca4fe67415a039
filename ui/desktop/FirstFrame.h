// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work a window's first frame does not need waits until that frame is on the screen.

#include <functional>

class QWidget;

// Runs Task once from the event loop, right after Widget has painted for the first time
// and that frame has gone to the screen. Whatever Task prepares must also be prepared on
// demand by its user: the player may be quicker.
void AfterFirstPaint(QWidget* Widget, std::function<void()> Task);
