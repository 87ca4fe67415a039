// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as a screen reader sees it: a table of cells named by their colour, the
// current cell as the focused one, and one signal per change of the board. Cells and
// events are made only while an assistive technology is listening.

#include <QString>
#include <array>

class QAccessibleInterface;
class QObject;
class TGameController;
class TPuzzleGrid;

// The spoken name of each colour byte; 0 is the empty cell. Entries 2 and 4 are both
// green to the eye, so their words say which green.
extern const std::array<const char*, 8> ColorWords;

QAccessibleInterface* BoardAccessibleFactory(const QString& ClassName, QObject* Object);

// The board shows the controller's game; until this is called its cells have no names.
void ShowGameOn(TPuzzleGrid& Grid, const TGameController& Controller);
// The current cell moved: a focused board reports the new cell as the focus.
void SignalCurrentCell(TPuzzleGrid& Grid);
// The board took the keyboard. The toolkit reports the board itself as the focus after
// this, so the current cell is reported once that is done.
void SignalFocusEntered(TPuzzleGrid& Grid);
// The board's content (or size) changed: one table event and the board's new summary;
// after a change of size also the current cell, which may be another object now.
void SignalBoardChanged(TPuzzleGrid& Grid);
// The current cell as a sentence: "Row 3, column 5: red, can be played, a group of 3 boxes."
QString SpokenCell(const TPuzzleGrid& Grid);
