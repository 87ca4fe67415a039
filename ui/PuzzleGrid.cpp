// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PuzzleGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The span index of a coordinate, or -1 outside every span.
int SpanOf(int Coord, int Span, int Count) {
  return Coord >= 0 && Coord < Span * Count ? Coord / Span : -1;
}

constexpr int VirtualKeySpace = 32;

// Qt hands a widget its pointer position rounded to whole logical pixels, which on a scaled
// screen can be the next cell's. The window-relative position is exact; it is taken when it
// is the same point, which is not so for events a test builds for the widget alone.
QPointF ExactPosition(const QWidget& Widget, const QMouseEvent& Event) {
  const QPointF Local = Event.position();
  const QPointF Rounding = Event.scenePosition() - Widget.mapTo(Widget.window(), Local);
  if (std::abs(Rounding.x()) < 1 && std::abs(Rounding.y()) < 1)
    return Local + Rounding;
  return Local;
}

} // namespace

TPuzzleGrid::TPuzzleGrid(QWidget* Parent) : QWidget(Parent) {
  setFocusPolicy(Qt::StrongFocus);
  // Pointer moves without a button pressed select the cell under the pointer.
  setMouseTracking(true);
  // Every pixel is painted here, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPuzzleGrid::SetColCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == FColCount)
    return;
  FColCount = Value;
  FCol = std::min(FCol, FColCount - 1);
  updateGeometry();
  update();
}

void TPuzzleGrid::SetRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == FRowCount)
    return;
  FRowCount = Value;
  FRow = std::min(FRow, FRowCount - 1);
  updateGeometry();
  update();
}

void TPuzzleGrid::SetCol(int Value) {
  MoveCurrent(Value, FRow);
}

void TPuzzleGrid::SetRow(int Value) {
  MoveCurrent(FCol, Value);
}

void TPuzzleGrid::PointAt(int ACol, int ARow) {
  const int Col = FCol, Row = FRow;
  MoveCurrent(ACol, ARow);
  if (FKeyMoved && (FCol != Col || FRow != Row))
    FKeyMoved = false;
}

void TPuzzleGrid::MoveCurrent(int ACol, int ARow) {
  ACol = std::clamp(ACol, 0, FColCount - 1);
  ARow = std::clamp(ARow, 0, FRowCount - 1);
  if (ACol == FCol && ARow == FRow)
    return;
  InvalidateCell(FCol, FRow);
  FCol = ACol;
  FRow = ARow;
  InvalidateCell(FCol, FRow);
  emit CurrentCellChanged();
}

void TPuzzleGrid::InvalidateCell(int ACol, int ARow) {
  update(CellRect(ACol, ARow).translated(ClientOrigin()));
}

QRect TPuzzleGrid::CellRect(int ACol, int ARow) const {
  return {ACol * DefaultColWidth, ARow * DefaultRowHeight, DefaultColWidth, DefaultRowHeight};
}

QSize TPuzzleGrid::SizeForCells() const {
  return {FColCount * DefaultColWidth + 4, FRowCount * DefaultRowHeight + 4};
}

void TPuzzleGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  ACol = SpanOf(X, DefaultColWidth, FColCount);
  ARow = SpanOf(Y, DefaultRowHeight, FRowCount);
  if (ACol < 0 || ARow < 0) {
    ACol = -1;
    ARow = -1;
  }
}

QPoint TPuzzleGrid::ToClient(const QMouseEvent* Event) const {
  // Floor, not round: on a scaled screen a point at 15.5 still lies in the first cell.
  const QPointF Pos = ExactPosition(*this, *Event);
  return QPoint(static_cast<int>(std::floor(Pos.x())), static_cast<int>(std::floor(Pos.y()))) -
         ClientOrigin();
}

void TPuzzleGrid::paintEvent(QPaintEvent* Event) {
  QPainter Canvas(this);
  PaintFrameAndStrip(Canvas);
  Canvas.translate(ClientOrigin());
  const QRect Dirty = Event->rect().translated(-ClientOrigin());
  for (int ARow = 0; ARow < FRowCount; ++ARow)
    for (int ACol = 0; ACol < FColCount; ++ACol) {
      const QRect Rect = CellRect(ACol, ARow);
      if (!Dirty.intersects(Rect))
        continue;
      if (OnDrawCell)
        OnDrawCell(Canvas, ACol, ARow, Rect, ACol == FCol && ARow == FRow);
      else
        Canvas.fillRect(Rect, palette().color(QPalette::Base));
    }
}

void TPuzzleGrid::PaintFrameAndStrip(QPainter& Canvas) {
  const QRect Outer = rect();
  const QRect Client = Outer.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
  const QColor FrameColor(Qt::black);
  Canvas.fillRect(QRect(Outer.left(), Outer.top(), Outer.width(), FrameWidth), FrameColor);
  Canvas.fillRect(QRect(Outer.left(), Outer.bottom(), Outer.width(), FrameWidth), FrameColor);
  Canvas.fillRect(QRect(Outer.left(), Outer.top(), FrameWidth, Outer.height()), FrameColor);
  Canvas.fillRect(QRect(Outer.right(), Outer.top(), FrameWidth, Outer.height()), FrameColor);

  // Whatever of the client area no cell covers: the strip right of and below the cells.
  const QColor Window = palette().color(QPalette::Base);
  const int CellsRight = Client.left() + FColCount * DefaultColWidth;
  const int CellsBottom = Client.top() + FRowCount * DefaultRowHeight;
  Canvas.fillRect(QRect(QPoint(CellsRight, Client.top()), Client.bottomRight()), Window);
  Canvas.fillRect(QRect(QPoint(Client.left(), CellsBottom), Client.bottomRight()), Window);
}

void TPuzzleGrid::mousePressEvent(QMouseEvent* Event) {
  // A left press selects the cell under it, as in any grid.
  if (Event->button() == Qt::LeftButton) {
    const QPoint P = ToClient(Event);
    int ACol, ARow;
    MouseToCell(P.x(), P.y(), ACol, ARow);
    if (ACol >= 0)
      PointAt(ACol, ARow);
  }
  Event->accept();
}

// The owner decides what a pointer move selects; the grid only reports it.
void TPuzzleGrid::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = ToClient(Event);
  emit MouseMove(Event->modifiers(), P.x(), P.y());
}

void TPuzzleGrid::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint P = ToClient(Event);
  emit MouseUp(Event->button(), Event->modifiers(), P.x(), P.y());
}

void TPuzzleGrid::keyPressEvent(QKeyEvent* Event) {
  if (!Navigate(Event->key(), Event->modifiers())) {
    QWidget::keyPressEvent(Event);
    return;
  }
  // Shown even where the key could not move it, at the board's edge.
  FKeyMoved = true;
  InvalidateCell(FCol, FRow);
}

bool TPuzzleGrid::Navigate(int Key, Qt::KeyboardModifiers Shift) {
  if (Shift & Qt::AltModifier)
    return false;
  const bool Ctrl = Shift & Qt::ControlModifier;
  const int LastCol = FColCount - 1, LastRow = FRowCount - 1;
  switch (Key) {
  case Qt::Key_Left:
    MoveCurrent(Ctrl ? 0 : FCol - 1, FRow);
    return true;
  case Qt::Key_Right:
    MoveCurrent(Ctrl ? LastCol : FCol + 1, FRow);
    return true;
  case Qt::Key_Up:
    if (!Ctrl)
      MoveCurrent(FCol, FRow - 1);
    return true;
  case Qt::Key_Down:
    if (!Ctrl)
      MoveCurrent(FCol, FRow + 1);
    return true;
  case Qt::Key_Home:
    MoveCurrent(0, Ctrl ? 0 : FRow);
    return true;
  case Qt::Key_End:
    MoveCurrent(LastCol, Ctrl ? LastRow : FRow);
    return true;
  // Every row is visible, so a page is the whole height.
  case Qt::Key_PageUp:
    MoveCurrent(FCol, 0);
    return true;
  case Qt::Key_PageDown:
    MoveCurrent(FCol, LastRow);
    return true;
  default:
    return false;
  }
}

void TPuzzleGrid::keyReleaseEvent(QKeyEvent* Event) {
  // Holding a key down yields one release, however long it repeats.
  if (Event->isAutoRepeat()) {
    Event->ignore();
    return;
  }
  const int Key = Event->key() == Qt::Key_Space ? VirtualKeySpace : Event->key();
  emit KeyUp(Key, Event->modifiers());
}

void TPuzzleGrid::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  emit FocusEntered();
}
