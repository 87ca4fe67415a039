// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns about the windows' own controls: the main window as a frame,
// the picture buttons as push buttons, the message line as a notification, and the board.
// The interfaces are made only when an assistive technology asks for them.

// Registers the factories; cheap, and harmless when called again.
void InstallAccessibleFactories();
