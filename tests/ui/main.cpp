// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the UI tests inside one QApplication on the offscreen platform.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // A developer's desktop may scale, restyle or re-resolve every Qt program (a HiDPI
  // session's scale factors or font resolution); the tests judge the window as it starts
  // by default.
  for (const char* Look : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                           "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                           "QT_USE_PHYSICAL_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"})
    qunsetenv(Look);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
