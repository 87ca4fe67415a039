#include "ui/HotSpot.h"

#include <QMouseEvent>

THotSpot::THotSpot(QWidget* Parent) : QWidget(Parent) {
  // The parent's picture must show through: no background fill of our own.
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
}

void THotSpot::paintEvent(QPaintEvent* Event) {
  Event->accept();
}

void THotSpot::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton)
    FPressed = true;
  Event->accept();
}

void THotSpot::mouseReleaseEvent(QMouseEvent* Event) {
  if (Event->button() != Qt::LeftButton) {
    Event->accept();
    return;
  }
  const bool WasPressed = FPressed;
  FPressed = false;
  Event->accept();
  if (WasPressed && rect().contains(Event->position().toPoint()))
    emit Click();
}

// QWidget's default turns the second press of a double click into a press, which would
// make a double click count twice; it must count once.
void THotSpot::mouseDoubleClickEvent(QMouseEvent* Event) {
  Event->accept();
}
