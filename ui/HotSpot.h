#pragma once
// An invisible, empty picture control laid over a button painted on the window's
// background; it draws nothing and only turns left clicks into Click().

#include <QWidget>

class THotSpot : public QWidget {
  Q_OBJECT

public:
  explicit THotSpot(QWidget* Parent = nullptr);

signals:
  // A left-button press followed by a left-button release inside the control.
  void Click();

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
  bool FPressed = false; // a left press began on us and has not been released yet
};
