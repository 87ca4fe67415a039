// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets window that shows the same background picture.

#include "bench/startup/FirstFrame.h"
#include "ui/JpegImage.h"

#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QLabel Window;
  Window.setPixmap(QPixmap::fromImage(LoadJpegResource(QStringLiteral(":/background.jpg"))));
  TFirstFrame Probe(&Window);
  Window.show();
  return App.exec();
}
