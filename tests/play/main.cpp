// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the game's middle under one QCoreApplication: no window, no display, no Gui.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
