// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusBar.h"

#include <QLabel>

TStatusBar::TStatusBar(QWidget* Parent) : QWidget(Parent) {
  resize(width(), DefaultHeight);
}

QLabel* TStatusBar::AddPanel(int Width) {
  auto* Panel = new QLabel(this);
  Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel->setGeometry(FPanelsWidth, 0, Width, height());
  FPanelsWidth += Width;
  return Panel;
}
