// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a top-level window centred on its screen with its frame. A window manager adds its
// frame only after the window is first placed, so once the window is activated it is
// centred again when the frame is known, unless the player has moved it meanwhile.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <optional>

class QWidget;

class TWindowPlacement : public QObject {
public:
  explicit TWindowPlacement(QWidget& Window);

  // Centres the window, frame included, on the available part of its screen.
  void Centre();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void CentreWithFrame(int Tries);
  QMargins FrameMargins() const; // the decorations' sizes, null while unknown

  QWidget& FWindow;
  std::optional<QPoint> FPlacedUnframed; // where the window went before its frame was known
};
