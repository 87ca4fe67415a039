// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board view: an owner-drawn grid of fixed 16-pixel cells inside a flat one-pixel frame,
// with a current cell, no scrolling, and pointer and key events in client coordinates.

#include <QWidget>
#include <functional>

class TPuzzleGrid : public QWidget {
  Q_OBJECT

public:
  static constexpr int DefaultColWidth = 16;
  static constexpr int DefaultRowHeight = 16;
  static constexpr int FrameWidth = 1;

  // Paints one cell; Rect is in client coordinates, Selected marks the current cell.
  using TDrawCellEvent =
      std::function<void(QPainter& Canvas, int ACol, int ARow, const QRect& Rect, bool Selected)>;
  TDrawCellEvent OnDrawCell;

  explicit TPuzzleGrid(QWidget* Parent = nullptr);

  int ColCount() const { return FColCount; }
  // At least one; the current cell is pulled back inside when the count shrinks.
  void SetColCount(int Value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);

  int Col() const { return FCol; }
  void SetCol(int Value); // clamped into 0..ColCount-1
  int Row() const { return FRow; }
  void SetRow(int Value); // clamped into 0..RowCount-1
  // The pointer moves the current cell there, which ends KeyMoved when the cell changes.
  void PointAt(int ACol, int ARow);
  // A navigation key moved the current cell last, not the pointer: a player on the keyboard
  // needs to see it even with the frame off.
  bool KeyMoved() const { return FKeyMoved; }

  // Client coordinates start inside the frame, at this widget position.
  static QPoint ClientOrigin() { return {FrameWidth, FrameWidth}; }
  QRect CellRect(int ACol, int ARow) const;
  // Cells plus the 2-pixel spare strip plus the frame: what the window sizes the control to.
  QSize SizeForCells() const;
  QSize sizeHint() const override { return SizeForCells(); }

  // (-1, -1) unless both coordinates lie in a cell's span.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

signals:
  void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void KeyUp(int Key, Qt::KeyboardModifiers Shift);
  // The current cell moved (by the pointer, a key or a change of size).
  void CurrentCellChanged();
  // The board took the keyboard focus.
  void FocusEntered();

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

private:
  QPoint ToClient(const QMouseEvent* Event) const;
  void MoveCurrent(int ACol, int ARow);
  void InvalidateCell(int ACol, int ARow);
  bool Navigate(int Key, Qt::KeyboardModifiers Shift);
  void PaintFrameAndStrip(QPainter& Canvas);

  int FColCount = 5;
  int FRowCount = 5;
  int FCol = 0;
  int FRow = 0;
  bool FKeyMoved = false;
};
