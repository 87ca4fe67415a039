// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: a borderless picture with the version, the credits and two links,
// shown modally by the main window's emblem. Also the link label it draws them with.

#include "ui/HotSpot.h"

#include <QColor>
#include <QDialog>
#include <QFlags>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class TPictureBox;

enum TLMDJumpModes { jmInternet = 0, jmApplication = 1, jmNone = 2, jmCustom = 3 };

enum TLMDLabelOption { loPathEllipsis = 0x1, loEndEllipsis = 0x2, loEditControl = 0x4 };
Q_DECLARE_FLAGS(TLMDLabelOptions, TLMDLabelOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLMDLabelOptions)

// A transparent one-line label that acts as a link unless its JumpMode is jmNone. It
// sizes itself to its caption (out of sight: when shown, or by adjustSize()) and never
// takes the keyboard focus.
class TLMDSimpleLabel : public QWidget {
  Q_OBJECT

public:
  // Hands a target to the desktop; answers whether the desktop accepted it.
  using TOpener = std::function<bool(const QString& Target)>;
  // Every label opens its targets through this; tests put a fake in its place.
  static TOpener Opener;
  // The desktop's default handler for the target's scheme. A target without a scheme
  // would be taken as a file relative to the working directory, so it is refused.
  static bool DesktopOpen(const QString& Target);

  explicit TLMDSimpleLabel(QWidget* Parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  QString Jump() const { return FJump; }
  void SetJump(const QString& Value) { FJump = Value; }
  TLMDJumpModes JumpMode() const { return FJumpMode; }
  // Also sets the colour, the underline and the cursor for the new mode.
  void SetJumpMode(TLMDJumpModes Value);
  QColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(const QColor& Value) { FActiveColor = Value; }
  QColor InActiveColor() const { return FInActiveColor; }
  void SetInActiveColor(const QColor& Value) { FInActiveColor = Value; }
  // Read when the JumpMode changes.
  bool JumpUnderline() const { return FJumpUnderline; }
  void SetJumpUnderline(bool Value) { FJumpUnderline = Value; }
  TLMDLabelOptions Options() const { return FOptions; }
  void SetOptions(TLMDLabelOptions Value);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& Value);

  // What a click opens: the trimmed Jump if any, else the caption ("mailto:" before it
  // when it holds an at sign).
  QString Target() const;
  // The click: Clicked() first, then in jmInternet mode the target is handed to the
  // Opener; a refused target turns the link off for good.
  void Click();

  QSize sizeHint() const override;

signals:
  void Clicked();

protected:
  void showEvent(QShowEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
  void FitToCaption();
  void SetUnderline(bool Value);
  void TurnOff();

  QString FCaption;
  QString FJump;
  TLMDJumpModes FJumpMode = jmNone;
  QColor FActiveColor{128, 0, 128};
  QColor FInActiveColor{0, 0, 255};
  bool FJumpUnderline = true;
  TLMDLabelOptions FOptions;
  QColor FFontColor{Qt::black};
  TClickTracker FClick;
  bool FFitPending = false;
};

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
