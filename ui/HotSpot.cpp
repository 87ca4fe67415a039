// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HotSpot.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

// The parent's picture shows through: a child widget fills no background of its own
// unless told to, and the paint handler draws nothing.
THotSpot::THotSpot(QWidget* Parent) : QWidget(Parent) {}

bool THotSpot::Clickable() const {
  return isSignalConnected(QMetaMethod::fromSignal(&THotSpot::Click));
}

void THotSpot::SetMarked(bool Value) {
  if (Value == FMarked)
    return;
  FMarked = Value;
  update();
}

// Yellow, the colour of the message line, in a dark hem: it reads on the buttons' dark faces
// and on the pale picture around them alike, and leaves the word inside untouched.
void THotSpot::paintEvent(QPaintEvent* Event) {
  Event->accept();
  if (!FMarked)
    return;
  QPainter Canvas(this);
  Canvas.setRenderHint(QPainter::Antialiasing);
  const QRectF Rim = QRectF(rect()).adjusted(2, 2, -2, -2);
  Canvas.setPen(QPen(QColor(0x20, 0x18, 0x00), 4));
  Canvas.drawRoundedRect(Rim, 5, 5);
  Canvas.setPen(QPen(QColor(0xFF, 0xE0, 0x20), 2));
  Canvas.drawRoundedRect(Rim, 5, 5);
}

void TClickTracker::Press(const QMouseEvent& Event) {
  if (Event.button() == Qt::LeftButton)
    FPressed = true;
}

bool TClickTracker::Release(const QMouseEvent& Event, const QRect& Area) {
  if (Event.button() != Qt::LeftButton)
    return false;
  const bool WasPressed = FPressed;
  FPressed = false;
  return WasPressed && Area.contains(Event.position().toPoint());
}

void THotSpot::mousePressEvent(QMouseEvent* Event) {
  FClick.Press(*Event);
  Event->accept();
}

void THotSpot::mouseReleaseEvent(QMouseEvent* Event) {
  Event->accept();
  if (FClick.Release(*Event, rect()))
    emit Click();
}

// QWidget's default turns the second press of a double click into a press, which would
// make a double click count twice; it must count once.
void THotSpot::mouseDoubleClickEvent(QMouseEvent* Event) {
  Event->accept();
}
