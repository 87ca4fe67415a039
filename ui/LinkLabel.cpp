// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LinkLabel.h"

#include "ui/images/PngImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace {

// The pointing hand of our own, drawn for the screen's density; hot spot on the fingertip.
QCursor HandCursor(qreal PixelRatio) {
  QPixmap Hand = QPixmap::fromImage(LoadPngResource(
      PixelRatio > 1.0 ? QStringLiteral(":/hand@2x.png") : QStringLiteral(":/hand.png")));
  if (Hand.isNull())
    return QCursor(Qt::PointingHandCursor);
  if (PixelRatio <= 1.0)
    return QCursor(Hand, 10, 1);
  Hand.setDevicePixelRatio(2.0);
  // X11 takes the hot spot in the picture's own pixels, other platforms in logical ones.
  const int Scale = QGuiApplication::platformName() == QLatin1String("xcb") ? 2 : 1;
  return QCursor(Hand, 10 * Scale, 1 * Scale);
}

// Screen readers learn that the label is a link, what it says, and how to follow it;
// the label itself never takes the focus, so the press action is their way in.
class TLinkAccessible : public QAccessibleWidget {
public:
  explicit TLinkAccessible(TLMDSimpleLabel* Label)
      : QAccessibleWidget(Label, QAccessible::Link, Label->Caption()) {}

  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Name)
      return Link()->Caption();
    if (Kind == QAccessible::Description)
      return Link()->Target();
    return QAccessibleWidget::text(Kind);
  }

  QAccessible::State state() const override {
    QAccessible::State State = QAccessibleWidget::state();
    State.linked = true;
    State.traversed = Link()->FontColor() == Link()->ActiveColor();
    return State;
  }

  QStringList actionNames() const override {
    if (!Link()->isEnabled() || Link()->JumpMode() == jmNone)
      return {};
    return {pressAction()};
  }

  void doAction(const QString& Name) override {
    if (Name == pressAction() && Link()->isEnabled() && Link()->JumpMode() != jmNone)
      Link()->Click();
  }

private:
  TLMDSimpleLabel* Link() const { return static_cast<TLMDSimpleLabel*>(widget()); }
};

QAccessibleInterface* LinkAccessibleFactory(const QString& ClassName, QObject* Object) {
  if (ClassName == QLatin1String("TLMDSimpleLabel") && Object && Object->isWidgetType())
    return new TLinkAccessible(static_cast<TLMDSimpleLabel*>(Object));
  return nullptr;
}
} // namespace

TLMDSimpleLabel::TOpener TLMDSimpleLabel::Opener = &TLMDSimpleLabel::DesktopOpen;

bool TLMDSimpleLabel::DesktopOpen(const QString& Target) {
  const QUrl Url(Target);
  if (!Url.isValid() || Url.scheme().isEmpty())
    return false;
  return QDesktopServices::openUrl(Url);
}

TLMDSimpleLabel::TLMDSimpleLabel(QWidget* Parent) : QWidget(Parent) {
  [[maybe_unused]] static const bool FactoryInstalled = [] {
    QAccessible::installFactory(LinkAccessibleFactory);
    return true;
  }();
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
  FitToCaption();
}

// Measuring the caption starts the font system, which takes longer than all the rest of
// a window's first frame; so a label out of sight waits until it is shown.
void TLMDSimpleLabel::FitToCaption() {
  if (isVisible())
    resize(sizeHint());
  else
    FFitPending = true;
}

void TLMDSimpleLabel::showEvent(QShowEvent* Event) {
  if (FFitPending) {
    FFitPending = false;
    resize(sizeHint());
  }
  QWidget::showEvent(Event);
}

void TLMDSimpleLabel::SetCaption(const QString& Value) {
  if (Value == FCaption)
    return;
  FCaption = Value;
  FitToCaption();
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent Changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Changed);
  }
}

void TLMDSimpleLabel::SetJumpMode(TLMDJumpModes Value) {
  if (Value == FJumpMode)
    return;
  FJumpMode = Value;
  if (Value == jmNone) {
    unsetCursor();
    SetFontColor(Qt::black);
    if (FJumpUnderline)
      SetUnderline(false);
  } else {
    SetFontColor(FInActiveColor);
    if (FJumpUnderline)
      SetUnderline(true);
    setCursor(HandCursor(devicePixelRatioF()));
  }
}

void TLMDSimpleLabel::SetOptions(TLMDLabelOptions Value) {
  FOptions = Value;
  update();
}

void TLMDSimpleLabel::SetFontColor(const QColor& Value) {
  if (Value == FFontColor)
    return;
  FFontColor = Value;
  update();
}

void TLMDSimpleLabel::SetUnderline(bool Value) {
  QFont Font = font();
  Font.setUnderline(Value);
  setFont(Font);
}

QString TLMDSimpleLabel::Target() const {
  // Blanks and control characters around Jump do not count.
  qsizetype First = 0;
  qsizetype Last = FJump.size();
  while (First < Last && FJump.at(First).unicode() <= ' ')
    ++First;
  while (Last > First && FJump.at(Last - 1).unicode() <= ' ')
    --Last;
  if (First < Last)
    return FJump.mid(First, Last - First);
  if (FCaption.contains(QLatin1Char('@')))
    return QStringLiteral("mailto:") + FCaption;
  return FCaption;
}

void TLMDSimpleLabel::Click() {
  emit Clicked();
  if (FJumpMode != jmInternet)
    return;
  const bool Accepted = Opener && Opener(Target());
  if (!Accepted)
    TurnOff();
}

// A link the desktop cannot open stays dead for the rest of the run; the colour,
// underline and cursor stay as they were, and clicks fall through to what lies beneath.
void TLMDSimpleLabel::TurnOff() {
  FJumpMode = jmNone;
  FClick.Cancel();
  setEnabled(false);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize TLMDSimpleLabel::sizeHint() const {
  const QFontMetrics Metrics(font());
  return {Metrics.horizontalAdvance(FCaption), Metrics.height()};
}

void TLMDSimpleLabel::paintEvent(QPaintEvent*) {
  QPainter Canvas(this);
  Canvas.setFont(font());
  Canvas.setPen(isEnabled() ? FFontColor
                            : palette().color(QPalette::Disabled, QPalette::WindowText));
  QString Text = FCaption;
  if (FOptions.testFlag(loPathEllipsis))
    Text = fontMetrics().elidedText(Text, Qt::ElideMiddle, width());
  else if (FOptions.testFlag(loEndEllipsis))
    Text = fontMetrics().elidedText(Text, Qt::ElideRight, width());
  Canvas.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Text);
}

void TLMDSimpleLabel::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::FontChange) {
    FitToCaption();
    update();
  }
  QWidget::changeEvent(Event);
}

void TLMDSimpleLabel::mousePressEvent(QMouseEvent* Event) {
  // Accepted whatever the button, so a press on a link never reaches the box beneath.
  Event->accept();
  if (Event->button() != Qt::LeftButton)
    return;
  FClick.Press(*Event);
  if (FJumpMode != jmNone)
    SetFontColor(FActiveColor);
}

void TLMDSimpleLabel::mouseReleaseEvent(QMouseEvent* Event) {
  Event->accept();
  if (FClick.Release(*Event, rect()))
    Click();
}

// The second press of a double click is no new click, so a double click opens once.
void TLMDSimpleLabel::mouseDoubleClickEvent(QMouseEvent* Event) {
  Event->accept();
}
