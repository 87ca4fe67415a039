#include "ui/PictureBox.h"

#include <QPainter>

TPictureBox::TPictureBox(QWidget* Parent) : THotSpot(Parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureBox::SetPicture(const QImage& Normal, const QImage& Double) {
  FNormal = Normal;
  FDouble = Double;
  if (!FDouble.isNull())
    FDouble.setDevicePixelRatio(2.0);
  resize(FNormal.size());
  update();
}

void TPictureBox::paintEvent(QPaintEvent*) {
  QPainter Canvas(this);
  const bool Dense = devicePixelRatioF() > 1.0 && !FDouble.isNull();
  Canvas.setRenderHint(QPainter::SmoothPixmapTransform);
  Canvas.drawImage(QPoint(0, 0), Dense ? FDouble : FNormal);
}
