// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link label: a transparent one-line caption that opens a web or mail address, with what a
// screen reader is told of it.

#include "ui/HotSpot.h"

#include <QColor>
#include <QFlags>
#include <QString>
#include <QWidget>
#include <functional>

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
