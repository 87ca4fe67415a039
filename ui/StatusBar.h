// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar of fixed-width text panels along the bottom of a window. Unlike Qt's own,
// it lays nothing out by the font when it is built, so the window's first frame does not
// wait for the font system to start.

#include <QWidget>

class QLabel;

class TStatusBar : public QWidget {
  Q_OBJECT

public:
  static constexpr int DefaultHeight = 19;

  explicit TStatusBar(QWidget* Parent = nullptr);

  // A new panel right of the others, Width pixels wide and as high as the bar.
  QLabel* AddPanel(int Width);

private:
  int FPanelsWidth = 0;
};
