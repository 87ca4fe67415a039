// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with the controller the program entry would give it.

#include "play/GameController.h"
#include "tests/play/ControllerHarness.h"
#include "ui/Main.h"

// The controller is declared first, so that it outlives the window.
struct TGameWindow {
  TGameController Controller;
  TMainForm Form{Controller};
};
