// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt Widgets window that shows the game's background
// picture, decoded the same way, and nothing else.

#include "ui/images/JpegImage.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QLabel Window;
  Window.setPixmap(QPixmap::fromImage(LoadJpegResource(QStringLiteral(":/background.jpg"))));
  Window.show();
  return App.exec();
}
