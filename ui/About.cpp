// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/About.h"

#include "ui/PictureBox.h"
#include "ui/Version.h"
#include "ui/desktop/Placement.h"
#include "ui/images/PngImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString WebAddress = QStringLiteral("http://www.quenlith.example/");
const QString MailAddress = QStringLiteral("quenlith@example.org");

QFont SmallSans() {
  QFont Font(QStringLiteral("Liberation Sans"));
  Font.setPixelSize(11);
  return Font;
}

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

// A screen reader's click command may click twice at the same spot (Orca 43 clicks the
// object's centre again when it cannot see the pointer move after its first click). When
// the first click closed the box, the second would land on the game: the very next press,
// if it comes at the spot of the closing release with no other input between, is dropped
// with its own release. Only while a screen reader listens.
class TRepeatedClickGuard : public QObject {
public:
  using QObject::QObject;

  // While the box shows: notes where each button release happens.
  void Watch() {
    Stop();
    FState = TState::Watching;
    qApp->installEventFilter(this);
  }
  // The box was closed by a click, or by the press action of its picture, whose centre a
  // reader's click command aims at: a repeat comes at that centre or where the last button
  // release was.
  void Arm(const QPoint& Centre) {
    if (FState != TState::Watching)
      return Stop();
    FSpots = {Centre};
    if (FLastRelease)
      FSpots.push_back(*FLastRelease);
    FState = TState::Armed;
  }
  void Stop() {
    qApp->removeEventFilter(this);
    FState = TState::Off;
    FLastRelease.reset();
    FSpots.clear();
  }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (!Watched->isWidgetType())
      return false;
    const QEvent::Type Type = Event->type();
    const bool Mouse = Type == QEvent::MouseButtonPress || Type == QEvent::MouseButtonDblClick ||
                       Type == QEvent::MouseButtonRelease || Type == QEvent::MouseMove;
    const auto Spot = [Event] {
      return static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
    };
    if (FState == TState::Watching) {
      if (Type == QEvent::MouseButtonRelease)
        FLastRelease = Spot();
      return false;
    }
    if (FState == TState::Swallowing) {
      if (Type == QEvent::MouseButtonRelease)
        Stop();
      return Mouse && Type != QEvent::MouseMove;
    }
    if (Type == QEvent::KeyPress || Type == QEvent::Wheel || (Mouse && !Guarded(Spot()))) {
      Stop();
      return false;
    }
    if (Type != QEvent::MouseButtonPress && Type != QEvent::MouseButtonDblClick)
      return false;
    FState = TState::Swallowing;
    return true;
  }

private:
  // A reader's arithmetic of a centre may differ from ours by a pixel.
  bool Guarded(const QPoint& Spot) const {
    return std::any_of(FSpots.begin(), FSpots.end(), [&Spot](const QPoint& Guard) {
      return (Spot - Guard).manhattanLength() <= 2;
    });
  }

  enum class TState { Off, Watching, Armed, Swallowing };
  TState FState = TState::Off;
  std::optional<QPoint> FLastRelease;
  std::vector<QPoint> FSpots;
};

// ---------------------------------------------------------------------------------------
// TLMDSimpleLabel

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

// ---------------------------------------------------------------------------------------
// TAboutBox

TAboutBox::TAboutBox(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FRepeatGuard(new TRepeatedClickGuard(this)) {
  CreateControls();
}

void TAboutBox::CreateControls() {
  setWindowTitle(QStringLiteral("QUENLITH"));
  ApplyWindowLook(*this);
  setFixedSize(ClientWidth, ClientHeight);

  Image1 = new TPictureBox(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->LoadPicture(QStringLiteral(":/about.jpg"));
  Image1->move(0, 0);
  Image1->setAccessibleName(tr("About Quenlith"));
  connect(Image1, &TPictureBox::Click, this, &TAboutBox::FormClick);

  // Two spaces keep the right-aligned line off the panel's edge.
  Label1 = CreateTextLabel(QStringLiteral("Label1"), {180, 68, 189, 17},
                           //: The About box's version line; %1 is the version, such as 1.4.0
                           tr("Quenlith v.%1").arg(QLatin1String(QuenlithVersion)) +
                               QStringLiteral("  "),
                           Qt::AlignRight | Qt::AlignTop);
  const QString Credits =
      //: The About box's credits, two lines about 190 pixels wide; %1 and %2 are names
      tr("Programming: %1\nand %2")
          .arg(QStringLiteral("Tamsin Quarrendell"), QStringLiteral("Bertil Ashgrove")) +
      QLatin1Char('\n') +
      //: The About box's credits, two lines about 190 pixels wide; %1 and %2 are names
      tr("Design: %1\nand %2")
          .arg(QStringLiteral("Ysolde Fennimar"), QStringLiteral("Osric Lanthorne"));
  Label4 = CreateTextLabel(QStringLiteral("Label4"), {176, 84, 194, 57}, Credits,
                           Qt::AlignHCenter | Qt::AlignTop);
  // Screen readers leave out a dialog's labels of fewer than three words, such as the
  // version line; the picture, which a screen reader follows into the box, tells it.
  Image1->setAccessibleDescription(
      //: Told to a screen reader on the About box's picture; %1 is the version line, such as
      //: "Quenlith v.1.4.0"; a click anywhere on the box closes it
      QCoreApplication::translate("TAboutBox", "%1. Click to close.")
          .arg(Label1->text().trimmed()));

  LMDSimpleLabel14 = CreateLink(QStringLiteral("LMDSimpleLabel14"), {170, 141}, WebAddress, {});
  LMDSimpleLabel15 =
      CreateLink(QStringLiteral("LMDSimpleLabel15"), {170, 160},
                 //: A link in the About box; %1 is the mail address
                 tr("E-mail: %1").arg(MailAddress), QStringLiteral("mailto:") + MailAddress);
}

// Plain labels ignore the mouse, so their clicks reach the form and close it.
QLabel* TAboutBox::CreateTextLabel(const QString& Name, const QRect& Bounds, const QString& Text,
                                   Qt::Alignment Alignment) {
  auto* Label = new QLabel(Text, this);
  Label->setObjectName(Name);
  Label->setGeometry(Bounds);
  Label->setAlignment(Alignment);
  Label->setWordWrap(true);
  Label->setTextFormat(Qt::PlainText);
  Label->setTextInteractionFlags(Qt::NoTextInteraction);
  Label->setAttribute(Qt::WA_TranslucentBackground);
  Label->setFont(SmallSans());
  QPalette Colors = Label->palette();
  Colors.setColor(QPalette::WindowText, Qt::black);
  Label->setPalette(Colors);
  return Label;
}

TLMDSimpleLabel* TAboutBox::CreateLink(const QString& Name, const QPoint& Place,
                                       const QString& Caption, const QString& Jump) {
  auto* Link = new TLMDSimpleLabel(this);
  Link->setObjectName(Name);
  QFont Font = SmallSans();
  Font.setBold(true);
  Font.setUnderline(true);
  Link->setFont(Font);
  Link->SetFontColor(QColor(0, 0, 255));
  Link->SetCaption(Caption);
  Link->SetJump(Jump);
  Link->SetJumpMode(jmInternet);
  Link->move(Place);
  return Link;
}

void TAboutBox::FormClick() {
  FClosingByClick = true;
  reject();
}

void TAboutBox::Prepare() {
  if (FPrepared)
    return;
  FPrepared = true;
  // Sizes the links, and lays out and draws every text once off the screen, so the first
  // showing finds the fonts loaded and the glyphs cached.
  LMDSimpleLabel14->adjustSize();
  LMDSimpleLabel15->adjustSize();
  QImage Scratch(size(), QImage::Format_RGB32);
  render(&Scratch);
}

void TAboutBox::setVisible(bool Visible) {
  if (Visible)
    Prepare();
  // Placed before the first showing, so the dialog's own placement leaves it alone and
  // later showings find it where it was.
  if (Visible && !FPlaced) {
    CenterOnScreen();
    FPlaced = true;
  }
  QDialog::setVisible(Visible);
  if (Visible && QAccessible::isActive())
    FRepeatGuard->Watch();
  else if (!Visible && std::exchange(FClosingByClick, false))
    FRepeatGuard->Arm(Image1->mapToGlobal(Image1->rect().center()));
  else if (!Visible)
    FRepeatGuard->Stop();
}

void TAboutBox::CenterOnScreen() {
  const QWidget* Active = QApplication::activeWindow();
  const QScreen* Screen = Active && Active->screen() ? Active->screen() : screen();
  if (!Screen)
    return;
  move(CentredPlace(frameGeometry().size(), Screen->availableGeometry()));
}

// No keyboard handling of its own: Escape, Enter and Space must not close the box.
void TAboutBox::keyPressEvent(QKeyEvent* Event) {
  Event->accept();
}

void TAboutBox::mousePressEvent(QMouseEvent* Event) {
  FClick.Press(*Event);
  Event->accept();
}

void TAboutBox::mouseReleaseEvent(QMouseEvent* Event) {
  Event->accept();
  if (FClick.Release(*Event, rect()))
    FormClick();
}

void TAboutBox::mouseDoubleClickEvent(QMouseEvent* Event) {
  Event->accept();
}
