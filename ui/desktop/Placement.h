// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window goes on the desktop.

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of a frame of FrameSize centred on Available. A frame larger than
// Available keeps its top-left corner on it instead, so the title bar stays reachable.
QPoint CentredPlace(const QSize& FrameSize, const QRect& Available);
