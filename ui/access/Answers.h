// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says after each action of the player, once and briefly: what a move
// or a refused move did, what undo, redo, a new game or a level dealt, and on demand (the
// status key) the state of the game. Qt 6.4 hands a screen reader no text with a change of
// name or description, so the answers go out as a notification, which screen readers speak
// wherever their focus is. Nothing is composed or sent while no assistive technology
// listens.

class TAboutBox;
class TGameController;
class TMainForm;
class TPuzzleGrid;

// Follows the controller and the window's status key; Grid's current cell is the one told.
void AttachAnswers(TMainForm& Form, TPuzzleGrid& Grid, const TGameController& Controller);
// While a screen reader listens, the box's picture takes the keyboard focus when the box
// opens, so that the reader follows into the box, reads it, and can click the picture to
// close it; the focus goes back to the board afterwards. The box keeps no keys of its own.
void AttachAboutBox(TAboutBox& Box);
