#pragma once
// A picture control: shows one stored picture at its natural size, choosing the copy
// drawn for the screen's pixel density so nothing is scaled up and blurred. Clicks work
// as on the invisible hot spots.

#include "ui/HotSpot.h"

#include <QImage>

class TPictureBox : public THotSpot {
  Q_OBJECT

public:
  explicit TPictureBox(QWidget* Parent = nullptr);

  // Normal is the picture at one device pixel per logical pixel; Double, if not null,
  // the same picture drawn at twice the size for dense screens.
  void SetPicture(const QImage& Normal, const QImage& Double = QImage());
  const QImage& Picture() const { return FNormal; }

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  QImage FNormal;
  QImage FDouble;
};
