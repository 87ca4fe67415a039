// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size of the decorations an X11 window manager puts round a window, as it announces
// them itself (_NET_FRAME_EXTENTS). Qt's own guess can be wrong for a while after mapping.

#include <QMargins>
#include <optional>

class QWindow;

// Empty on other platforms and while the window manager has not announced them. Asks the
// X server once per window, and again only after the window manager has changed them.
std::optional<QMargins> X11FrameExtents(const QWindow& Window);
