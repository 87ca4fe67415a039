// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture control: shows one stored picture at its natural size. On dense screens it
// shows the copy drawn at twice the size instead, so nothing is scaled up and blurred.
// Clicks work as on the invisible hot spots.

#include "ui/HotSpot.h"

#include <QImage>
#include <functional>

class TPictureBox : public THotSpot {
  Q_OBJECT

public:
  explicit TPictureBox(QWidget* Parent = nullptr);

  // Loads a JPEG resource such as ":/about.jpg" and sizes the control to it; raises
  // std::runtime_error with the reason when it cannot. The copy at twice the size
  // (":/about@2x.jpg") is decoded only when a dense screen first needs it; without it
  // the picture is scaled. Paint, when given, draws onto each copy once StartPainting has
  // been called, so that drawing, which may need the fonts, can wait for the first frame.
  using TPainting = std::function<void(QImage&)>;
  void LoadPicture(const QString& Path, TPainting Paint = {});
  void StartPainting();
  const QImage& Picture() const { return FNormal; }

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  const QImage& PictureFor(qreal PixelRatio);

  QImage FNormal;
  QImage FDouble;
  QString FDoublePath; // empty once tried
  TPainting FPaint;
  bool FPainting = false;
};

// The look both windows share: the navy background and the program's icon.
void ApplyWindowLook(QWidget& Window);
// The program's icon drawn large, for docks and window switchers. Left out of the start,
// where decoding it and handing it to the desktop would delay the first frame.
void AddLargeProgramIcon();
