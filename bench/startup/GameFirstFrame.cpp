// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up, up to the first painted frame of the board.

#include "bench/startup/FirstFrame.h"
#include "ui/Main.h"
#include "ui/PuzzleGrid.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  TMainForm Form;
  TFirstFrame Probe(Form.PuzzleGrid);
  Form.show();
  return App.exec();
}
