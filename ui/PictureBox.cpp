// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureBox.h"

#include "ui/images/JpegImage.h"
#include "ui/images/PngImage.h"

#include <QApplication>
#include <QIcon>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <stdexcept>

TPictureBox::TPictureBox(QWidget* Parent) : THotSpot(Parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureBox::LoadPicture(const QString& Path, TPainting Paint) {
  QString Error;
  QImage Picture = LoadJpegResource(Path, &Error);
  if (Picture.isNull())
    throw std::runtime_error(Error.toStdString());
  FNormal = Picture;
  FPaint = std::move(Paint);
  FPainting = false;
  FDouble = QImage();
  FDoublePath = Path;
  FDoublePath.insert(Path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
  resize(FNormal.size());
  update();
}

void TPictureBox::StartPainting() {
  if (!FPaint || FPainting)
    return;
  FPainting = true;
  FPaint(FNormal);
  if (!FDouble.isNull())
    FPaint(FDouble);
  update();
}

const QImage& TPictureBox::PictureFor(qreal PixelRatio) {
  if (PixelRatio <= 1.0)
    return FNormal;
  if (!FDoublePath.isEmpty()) {
    FDouble = LoadJpegResource(FDoublePath);
    FDouble.setDevicePixelRatio(2.0);
    if (FPainting && !FDouble.isNull())
      FPaint(FDouble);
    FDoublePath.clear();
  }
  return FDouble.isNull() ? FNormal : FDouble;
}

void TPictureBox::paintEvent(QPaintEvent*) {
  QPainter Canvas(this);
  Canvas.setRenderHint(QPainter::SmoothPixmapTransform);
  // The engine's device is where the pixels really go, also when the widget is rendered
  // into another device: its density decides.
  const qreal PixelRatio = Canvas.paintEngine()->paintDevice()->devicePixelRatioF();
  Canvas.drawImage(rect(), PictureFor(PixelRatio));
}

void ApplyWindowLook(QWidget& Window) {
  // One icon for the program, decoded once, and shown by every window without its own.
  if (QApplication::windowIcon().isNull()) {
    QIcon Icon;
    Icon.addPixmap(QPixmap::fromImage(LoadPngResource(QStringLiteral(":/icon32.png"))));
    QApplication::setWindowIcon(Icon);
  }
  QPalette Colors = Window.palette();
  Colors.setColor(QPalette::Window, QColor(0, 0, 128));
  Window.setPalette(Colors);
  Window.setAutoFillBackground(true);
}

void AddLargeProgramIcon() {
  QIcon Icon = QApplication::windowIcon();
  if (Icon.isNull() || Icon.availableSizes().contains(QSize(256, 256)))
    return;
  Icon.addPixmap(QPixmap::fromImage(LoadPngResource(QStringLiteral(":/icon256.png"))));
  QApplication::setWindowIcon(Icon);
}
