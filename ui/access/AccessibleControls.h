// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns about the windows' own controls: the main window as a frame,
// the picture buttons as push buttons, the message line as a notification, and the board.
// Qt asks for a widget's interface whenever it is shown, listener or not; the board's cells
// and all events are made only while an assistive technology listens.

// Registers the factories; cheap, and harmless when called again.
void InstallAccessibleFactories();
