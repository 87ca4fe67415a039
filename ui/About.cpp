// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/About.h"

#include "ui/PictureBox.h"
#include "ui/Version.h"
#include "ui/desktop/Placement.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
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

} // namespace

// A screen reader's click command may click more than once: Orca 43 clicks the point left
// of the object's centre, then, when it cannot see the pointer move, the centre, and then
// runs the press action. On a busy machine any of these may reach the game first and close
// the box, and the rest would land on the game. So once the box is closed by a click or by
// its picture's press action, the presses at its centre (or where the closing release was)
// are dropped with their releases, and so is a release whose press the box took, while no
// other input comes between: at most two pointer clicks in all for the one command, and no
// two dropped at one point (its two clicks aim at two points; a player's
// next click at the same point plays at once). Only while a screen reader listens.
class TRepeatedClickGuard : public QObject {
public:
  using QObject::QObject;

  // While the box shows: notes the presses and releases that reach it.
  void Watch() {
    Stop();
    FState = TState::Watching;
    qApp->installEventFilter(this);
  }
  // The box was closed by a click, or by the press action of its picture, whose centre a
  // reader's click command aims at.
  void Arm(const QPoint& Centre) {
    if (FState != TState::Watching)
      return Stop();
    FSpots = {Centre};
    if (FLastRelease)
      FSpots.push_back(*FLastRelease);
    // The click that closed the box, or one whose press the box took before the press
    // action closed it, was one of the command's clicks.
    FLeft =
        FLastInput == QEvent::MouseButtonRelease || FLastInput == QEvent::MouseButtonPress ? 1 : 2;
    FDropped.clear();
    FState = TState::Armed;
  }
  void Stop() {
    qApp->removeEventFilter(this);
    FState = TState::Off;
    FLastRelease.reset();
    FLastInput = QEvent::None;
    FSpots.clear();
    FDropped.clear();
  }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (!Watched->isWidgetType())
      return false;
    const QEvent::Type Type = Event->type();
    const bool Press = Type == QEvent::MouseButtonPress || Type == QEvent::MouseButtonDblClick;
    const bool Mouse = Press || Type == QEvent::MouseButtonRelease || Type == QEvent::MouseMove;
    const auto Spot = [Event] {
      return static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
    };
    if (FState == TState::Watching) {
      if (Type == QEvent::MouseButtonRelease)
        FLastRelease = Spot();
      if (Press || Type == QEvent::MouseButtonRelease || Type == QEvent::KeyPress)
        FLastInput = Type == QEvent::MouseButtonDblClick ? QEvent::MouseButtonPress : Type;
      return false;
    }
    if (FState == TState::Swallowing) {
      if (Type == QEvent::MouseButtonRelease && FLeft == 0)
        Stop();
      else if (Type == QEvent::MouseButtonRelease)
        FState = TState::Armed;
      return Mouse && Type != QEvent::MouseMove;
    }
    if (Type == QEvent::KeyPress || Type == QEvent::Wheel || (Mouse && !Guarded(Spot()))) {
      Stop();
      return false;
    }
    // The release of a press the box took before it closed, or of one dropped before.
    if (Type == QEvent::MouseButtonRelease)
      return true;
    if (!Press)
      return false;
    if (FLeft == 0 || std::find(FDropped.begin(), FDropped.end(), Spot()) != FDropped.end()) {
      Stop(); // the player's own click
      return false;
    }
    --FLeft;
    FDropped.push_back(Spot());
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
  QEvent::Type FLastInput = QEvent::None; // the last press, release or key the box saw
  std::vector<QPoint> FSpots;
  std::vector<QPoint> FDropped; // where presses were dropped
  int FLeft = 0;                // pointer clicks the command may still make
};

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
  if (Visible && ReaderListens())
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
