// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns about the windows' own controls: the main window as a frame,
// the picture buttons as push buttons, the message line as a notification, and the board.
// Qt asks for a widget's interface whenever it is shown, listener or not; the board's cells
// and all events are made only while an assistive technology listens.

class TGameController;
class TMainForm;
class TPuzzleGrid;

// Registers the factories; cheap, and harmless when called again. Called before the first
// window is made, so that no control gets the toolkit's generic interface cached.
void InstallAccessibleFactories();
// Follows the main window's board, which shows the controller's game: its current cell, its
// focus and its content.
void AttachScreenReader(TMainForm& Form, TPuzzleGrid& Board, const TGameController& Controller);
