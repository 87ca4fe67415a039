// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An invisible, empty picture control laid over a button painted on the window's
// background; it turns left clicks into Click() and draws nothing unless marked.

#include <QWidget>

class QMouseEvent;

// A click as every clickable picture and label here counts it: a left press, then a left
// release inside. The second press of a double click arrives as a double-click event and
// is never passed to Press, so a double click counts once.
class TClickTracker {
public:
  void Press(const QMouseEvent& Event);
  // True when this release completes a click inside Area.
  bool Release(const QMouseEvent& Event, const QRect& Area);
  void Cancel() { FPressed = false; }

private:
  bool FPressed = false; // a left press began and has not been released yet
};

class THotSpot : public QWidget {
  Q_OBJECT

public:
  explicit THotSpot(QWidget* Parent = nullptr);

  // Whether a click runs anything; screen readers are offered a press action only then.
  bool Clickable() const;
  // A lit rim around the painted button, for the one in force among several.
  bool Marked() const { return FMarked; }
  void SetMarked(bool Value);

signals:
  // A left-button press followed by a left-button release inside the control.
  void Click();

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
  TClickTracker FClick;
  bool FMarked = false;
};
