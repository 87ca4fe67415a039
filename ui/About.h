// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: a borderless picture with the version, the credits and two links,
// shown modally by the main window's emblem.

#include "ui/HotSpot.h"
#include "ui/LinkLabel.h"

#include <QAccessible>
#include <QDialog>
#include <QString>

class QLabel;
class TPictureBox;

class TRepeatedClickGuard;

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  static constexpr int ClientWidth = 375;
  static constexpr int ClientHeight = 195;

  // Raises std::runtime_error when the picture cannot be loaded.
  explicit TAboutBox(QWidget* Parent = nullptr);

  // Closes the box with the cancel result.
  void FormClick();

  // What the first showing needs and the creation leaves out, as the texts' layout by the
  // font. Done once, at the latest when the box is first shown.
  void Prepare();

  void setVisible(bool Visible) override;

  // Whether a screen reader listens; tests put a stand-in here.
  static inline bool (*ReaderListens)() = &QAccessible::isActive;

  TPictureBox* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  TLMDSimpleLabel* LMDSimpleLabel14 = nullptr;
  TLMDSimpleLabel* LMDSimpleLabel15 = nullptr;

protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
  void CreateControls();
  QLabel* CreateTextLabel(const QString& Name, const QRect& Bounds, const QString& Text,
                          Qt::Alignment Alignment);
  TLMDSimpleLabel* CreateLink(const QString& Name, const QPoint& Place, const QString& Caption,
                              const QString& Jump);
  void CenterOnScreen();

  bool FPlaced = false; // centred at the first showing, then left where it is
  bool FPrepared = false;
  TClickTracker FClick; // on the form, or on a plain label on it
  // Drops a screen reader's repeat of the click that closed the box.
  TRepeatedClickGuard* FRepeatGuard;
  bool FClosingByClick = false;
};
