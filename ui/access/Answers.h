// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says after each action of the player, once and briefly: what a move
// or a refused move did, what undo, redo, a new game or a level dealt, and on demand (the
// status key) the state of the game. Qt 6.4 hands a screen reader no text with a change of
// name or description, so the answers go out as a notification, which screen readers speak
// wherever their focus is. Nothing is composed or sent while no assistive technology
// listens.

class TAboutBox;
class TMainForm;

// Follows the window's controller and its status key.
void AttachAnswers(TMainForm& Form);
// While a screen reader listens, the box's picture takes the keyboard focus when the box
// opens, so that the reader follows into the box, reads it, and can click the picture to
// close it; the focus goes back to the board afterwards. The box keeps no keys of its own.
// A second click that the reader's click command may send just after the one that closed
// the box is dropped, so that it does not play on the board.
void AttachAboutBox(TAboutBox& Box);
