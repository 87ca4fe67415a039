// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "model/Game.h"
#include "ui/About.h"
#include "ui/BoardPainter.h"
#include "ui/HotSpot.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/StatusBar.h"
#include "ui/desktop/FirstFrame.h"
#include "ui/desktop/Translation.h"
#include "ui/desktop/WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <optional>

namespace {

constexpr QPoint StartGridPlace(236, 115);
constexpr QPoint AdjustedGridPlace(173, 51);
constexpr QPoint EasyGridPlace(206, 84);
constexpr QPoint LargeGridPlace(172, 52);
//: Under the game's name on the main window, in capitals where the language has them
constexpr char Tagline[] = QT_TRANSLATE_NOOP("TMainForm", "BOX PUZZLE");

} // namespace

void SetCursorOverride(Qt::CursorShape Shape) {
  if (QApplication::overrideCursor())
    QApplication::changeOverrideCursor(QCursor(Shape));
  else
    QApplication::setOverrideCursor(QCursor(Shape));
}

TMainForm::TMainForm(TGameController& Controller, QWidget* Parent)
    : QWidget(Parent), FController(&Controller) {
  CreateControls();
  CreateMenu();
  FormCreate();
  // Shortcuts are looked up before the focused control sees the key, as menus do.
  qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  FormDestroy();
}

void TMainForm::CreateControls() {
  setWindowTitle(QStringLiteral("Quenlith"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ApplyWindowLook(*this);
  setFixedSize(ClientWidth, ClientHeight);
  QFont Font(QStringLiteral("Liberation Sans"));
  Font.setPixelSize(11);
  setFont(Font);

  Image1 = new TPictureBox(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(0, 0);

  // The faces and lettering of the background picture's buttons (tools/art/background.svg).
  const QColor BlueRim(0x1c, 0x20, 0x70);
  // The three level buttons' words share one type size.
  constexpr int LevelWords = 1;
  Image2 = CreateButton({56, 120, 77, 33}, &TMainForm::New1Click,
                        {//: A button: starts a new game
                         tr("New game"),
                         {58, 122, 73, 29},
                         18,
                         BlueRim});
  Image3 = CreateButton({58, 164, 99, 37}, &TMainForm::Image3Click,
                        {//: A button: takes the last move back
                         tr("Undo"),
                         {60, 166, 95, 32},
                         19,
                         BlueRim});
  Image4 = CreateButton({56, 210, 105, 33}, &TMainForm::Exit1Click,
                        {//: A button: ends the game
                         tr("Quit"),
                         {58, 212, 101, 29},
                         18,
                         BlueRim});
  Image5 = CreateHotSpot({0, 296, 81, 61}, &TMainForm::Image5Click,
                         //: A button: shows who made the game
                         tr("About"));
  Image5->setToolTip(Image5->accessibleName());
  Image6 = CreateButton({336, 316, 89, 34}, &TMainForm::SpeedButton1Click,
                        {//: Painted on the button that plays the small board. A short word will
                         //: do, as the English picture shows "easy"; the three level words share
                         //: one type size
                         tr("easy"),
                         {338, 318, 85, 30},
                         17,
                         QColor(0x14, 0x52, 0x1f),
                         Qt::white,
                         true,
                         0,
                         LevelWords},
                        //: The button's name, as a screen reader says it: plays the small board
                        tr("Easy level"));
  Image7 = CreateButton(
      {216, 316, 101, 34}, &TMainForm::SpeedButton2Click,
      {//: Painted on the button that plays the large board in three colours. A
       //: short word will do, as the English picture shows "medium"
       tr("medium"),
       {218, 318, 97, 30},
       17,
       QColor(0x7a, 0x43, 0x06),
       Qt::white,
       true,
       0,
       LevelWords},
      //: The button's name, as a screen reader says it: plays the large board in three colours
      tr("Medium level"));
  Image8 = CreateButton(
      {116, 312, 81, 38}, &TMainForm::SpeedButton3Click,
      {//: Painted on the button that plays the large board in five colours. A
       //: short word will do, as the English picture shows "hard"
       tr("hard"),
       {118, 318, 77, 30},
       17,
       QColor(0x6e, 0x0f, 0x1d),
       Qt::white,
       true,
       0,
       LevelWords},
      //: The button's name, as a screen reader says it: plays the large board in five colours
      tr("Hard level"));
  LoadBackground();

  Label1 = new TMessageLine(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(152, 12, 321, 21);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  QFont MessageFont(QStringLiteral("Times New Roman"));
  MessageFont.setPixelSize(13);
  MessageFont.setBold(true);
  Label1->setFont(MessageFont);
  QPalette MessageColors = Label1->palette();
  MessageColors.setColor(QPalette::WindowText, QColor(255, 255, 0));
  Label1->setPalette(MessageColors);

  PuzzleGrid = new TPuzzleGrid(this);
  PuzzleGrid->setObjectName(QStringLiteral("PuzzleGrid"));
  // Drawing the painted words starts the font system, which the first frame (the board's)
  // does not wait for.
  AfterFirstPaint(PuzzleGrid, [Picture = Image1] { Picture->StartPainting(); });
  PuzzleGrid->setAccessibleName(
      //: The playing field, a table of coloured boxes
      tr("Board"));
  PuzzleGrid->OnDrawCell = [this](QPainter& Canvas, int ACol, int ARow, const QRect& Rect,
                                  bool Selected) {
    PuzzleGridDrawCell(Canvas, ACol, ARow, Rect, Selected);
  };
  connect(PuzzleGrid, &TPuzzleGrid::MouseMove, this, &TMainForm::PuzzleGridMouseMove);
  connect(PuzzleGrid, &TPuzzleGrid::MouseUp, this, &TMainForm::PuzzleGridMouseUp);
  connect(PuzzleGrid, &TPuzzleGrid::KeyUp, this, &TMainForm::PuzzleGridKeyUp);
  Label1->setBuddy(PuzzleGrid);
  // The only control that takes the keyboard, so Space plays whenever the window is active.
  PuzzleGrid->setFocus();

  StatusBar = new TStatusBar(this);
  StatusBar->setGeometry(0, ClientHeight - TStatusBar::DefaultHeight, ClientWidth,
                         TStatusBar::DefaultHeight);
  StatusPanel = StatusBar->AddPanel(128);
  StatusBar->hide();

  FPlacement = new TWindowPlacement(*this);
  Timer1 = FController->Timer();
  connect(FController, &TGameController::BoardChanged, this, &TMainForm::RefreshBoard);
  connect(FController, &TGameController::HistoryChanged, this, &TMainForm::ShowMenuStates);
  connect(FController, &TGameController::GameOver, this, &TMainForm::ShowGameOver);
  connect(FController, &TGameController::SettlingStarted, this,
          [] { SetCursorOverride(Qt::WaitCursor); });
  connect(FController, &TGameController::SettlingEnded, this,
          [] { SetCursorOverride(Qt::ArrowCursor); });
  // Sized for the level's board before the board change repaints it.
  connect(FController, &TGameController::LevelApplied, this, &TMainForm::AdjustBoardSize);
  connect(FController, &TGameController::BoardChanged, this, &TMainForm::ForgetHint);
  connect(FController, &TGameController::HintGiven, this, &TMainForm::ShowHint);
  connect(FController, &TGameController::WentBack, this, [this](int Moves) { FBackMoves = Moves; });
  connect(FController, &TGameController::BoardChanged, this, &TMainForm::ShowLevelInForce);
  connect(FController, &TGameController::DealingStarted, this, [this] { ShowDealing(true); });
  connect(FController, &TGameController::DealingEnded, this, [this] { ShowDealing(false); });
  connect(FController, &TGameController::DealingBusy, this, &TMainForm::ShowDealingBusy);
}

THotSpot* TMainForm::CreateHotSpot(const QRect& Bounds, void (TMainForm::*Handler)(),
                                   const QString& AccessibleName) {
  auto* Spot = new THotSpot(this);
  Spot->setGeometry(Bounds);
  // Invisible, so a screen reader's name is all that tells what lies under it.
  Spot->setAccessibleName(AccessibleName);
  connect(Spot, &THotSpot::Click, this, Handler);
  return Spot;
}

THotSpot* TMainForm::CreateButton(const QRect& Bounds, void (TMainForm::*Handler)(),
                                  TPaintedWord Word, const QString& Name) {
  THotSpot* Spot = CreateHotSpot(Bounds, Handler, Name.isEmpty() ? Word.Text : Name);
  FWords.push_back(std::move(Word));
  return Spot;
}

// The picture's own words are English; any other language draws its words on the picture
// without them, even where it keeps a word as English has it.
void TMainForm::LoadBackground() {
  if (LanguageInForce().isEmpty()) {
    FWords.clear();
    Image1->LoadPicture(QStringLiteral(":/background.jpg"));
    return;
  }
  FWords.push_back({tr(Tagline),
                    {4, 71, 146, 27},
                    10.5,
                    Qt::transparent,
                    QColor(184, 198, 255, 217),
                    false,
                    2.4});
  Image1->LoadPicture(QStringLiteral(":/background-plain.jpg"),
                      [Words = FWords](QImage& Picture) { PaintWords(Picture, Words); });
}

void TMainForm::CreateMenu() {
  auto Bind = [this](TMenuItem* Item, void (TMainForm::*Handler)()) {
    Item->OnClick = [this, Handler](TMenuItem*) { (this->*Handler)(); };
    return Item;
  };
  auto BindLevel = [this](TMenuItem* Item, int Tag) {
    Item->SetTag(Tag);
    Item->SetRadioItem(true);
    Item->SetGroupIndex(1);
    Item->OnClick = [this](TMenuItem* Sender) { LevelClick(Sender); };
    return Item;
  };

  Game1 = MainMenu1.Add(QStringLiteral("Game1"), QStringLiteral("&Game"));
  Game1->SetVisible(false);
  New1 = Bind(Game1->Add(QStringLiteral("New1"), QStringLiteral("&New"), scCtrl + 'N'),
              &TMainForm::New1Click);
  Game1->Add(QStringLiteral("N3"), QStringLiteral("-"));
  Beginner1 = BindLevel(Game1->Add(QStringLiteral("Beginner1"), QStringLiteral("&Новачок")), 0);
  Intermediate1 =
      BindLevel(Game1->Add(QStringLiteral("Intermediate1"), QStringLiteral("&Середній")), 1);
  Expert1 = BindLevel(Game1->Add(QStringLiteral("Expert1"), QStringLiteral("&Професіонал")), 2);
  Beginner1->SetChecked(true);
  // The keys run the pictures' handlers, not the level items', which neither clear the
  // message line nor place the grid for the level.
  EasyLevel1 = Bind(Game1->Add(QStringLiteral("EasyLevel1"), QStringLiteral("&Easy"), scCtrl + '1'),
                    &TMainForm::SpeedButton1Click);
  MediumLevel1 =
      Bind(Game1->Add(QStringLiteral("MediumLevel1"), QStringLiteral("&Medium"), scCtrl + '2'),
           &TMainForm::SpeedButton2Click);
  HardLevel1 = Bind(Game1->Add(QStringLiteral("HardLevel1"), QStringLiteral("&Hard"), scCtrl + '3'),
                    &TMainForm::SpeedButton3Click);
  Game1->Add(QStringLiteral("N4"), QStringLiteral("-"))->SetGroupIndex(1);
  Undo1 = Bind(Game1->Add(QStringLiteral("Undo1"), QStringLiteral("&Вернути хід"), scCtrl + 'Z'),
               &TMainForm::Undo1Click);
  Undo1->SetGroupIndex(1);
  Undo1->SetEnabled(false);
  Redo1 = Bind(Game1->Add(QStringLiteral("Redo1"), QStringLiteral("&Повторити хід"), scCtrl + 'Y'),
               &TMainForm::Redo1Click);
  Redo1->SetGroupIndex(1);
  Redo1->SetEnabled(false);
  Game1->Add(QStringLiteral("N5"), QStringLiteral("-"))->SetGroupIndex(1);
  Options1 = Bind(Game1->Add(QStringLiteral("Options1"), QStringLiteral("&Параметри")),
                  &TMainForm::Options1Click);
  Options1->SetGroupIndex(1);
  Animation1 =
      Bind(Options1->Add(QStringLiteral("Animation1"), QStringLiteral("&Animation"), scCtrl + 'A'),
           &TMainForm::Animation1Click);
  Color1 = Bind(Options1->Add(QStringLiteral("Color1"), QStringLiteral("&Color"), scCtrl + 'C'),
                &TMainForm::Color1Click);
  Highlight1 =
      Bind(Options1->Add(QStringLiteral("Highlight1"), QStringLiteral("&Highlight"), scCtrl + 'H'),
           &TMainForm::Highlight1Click);
  Symbols1 =
      Bind(Options1->Add(QStringLiteral("Symbols1"), QStringLiteral("S&ymbols"), scCtrl + 'S'),
           &TMainForm::Symbols1Click);
  SolutionChecker1 =
      Bind(Options1->Add(QStringLiteral("SolutionChecker1"), QStringLiteral("&Solution Checker")),
           &TMainForm::SolutionChecker1Click);
  WinnableBoards1 = Bind(Options1->Add(QStringLiteral("WinnableBoards1"),
                                       QStringLiteral("&Winnable Boards"), scCtrl + 'D'),
                         &TMainForm::WinnableBoards1Click);
  LossWarning1 = Bind(
      Options1->Add(QStringLiteral("LossWarning1"), QStringLiteral("&Loss Warning"), scCtrl + 'W'),
      &TMainForm::LossWarning1Click);
  // A plain H: the usual key for a hint, and no other command of the game uses it.
  Hint1 = Bind(Game1->Add(QStringLiteral("Hint1"), QStringLiteral("H&int"), 'H'),
               &TMainForm::Hint1Click);
  Hint1->SetGroupIndex(1);
  // B for the board: copies its code.
  BoardCode1 =
      Bind(Game1->Add(QStringLiteral("BoardCode1"), QStringLiteral("&Board Code"), scCtrl + 'B'),
           &TMainForm::BoardCode1Click);
  BoardCode1->SetGroupIndex(1);
  Status1 = Bind(Game1->Add(QStringLiteral("Status1"), QStringLiteral("&Status"), vkF2),
                 &TMainForm::Status1Click);
  Status1->SetGroupIndex(1);
  Exit1 = Bind(Game1->Add(QStringLiteral("Exit1"), QStringLiteral("E&xit"), vkF10),
               &TMainForm::Exit1Click);
  Exit1->SetGroupIndex(1);
  Help1 = MainMenu1.Add(QStringLiteral("Help1"), QStringLiteral("&About"));
  Help1->SetVisible(false);
  AboutStelvane1 = Bind(Help1->Add(QStringLiteral("AboutStelvane1"), QStringLiteral("&About")),
                        &TMainForm::AboutStelvane1Click);
  AboutStelvane1->SetVisible(false);
}

void TMainForm::FormCreate() {
  FController->SetAnimation(false);
  FColorMode = true;
  FController->SetSolutionChecker(false);
  FHighlightMode = 2;
  FController->CreateGame();
  AdjustBoardSize();
  Highlight1->Click();
  Highlight1->Click();
  Options1->SetVisible(false);
  StatusBar->hide();
}

void TMainForm::FormShow() {
  AdjustBoardSize();
  PuzzleGrid->move(StartGridPlace);
  RefreshBoard();
}

void TMainForm::FormActivate() {
  Highlight1->Click();
}

void TMainForm::FormDestroy() {
  FController->FreeGame();
}

bool TMainForm::event(QEvent* Event) {
  if (Event->type() == QEvent::WindowActivate)
    ActivateOnce();
  return QWidget::event(Event);
}

void TMainForm::ActivateOnce() {
  if (FActivated)
    return;
  FActivated = true;
  FormActivate();
  FStarted = true;
}

void TMainForm::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  // Restoring from the task bar is a spontaneous show and not a new showing.
  if (Event->spontaneous())
    return;
  FPlacement->Centre();
  FormShow();
  // X11 activates a window only after its first expose, and a desktop may not activate it
  // at all; the activation handler runs now, so the very first paint has no cell frame.
  ActivateOnce();
}

bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::KeyPress && Watched->isWidgetType() &&
      static_cast<QWidget*>(Watched)->window() == this && isEnabled()) {
    const int ShortCut = ShortCutFromKeyEvent(*static_cast<QKeyEvent*>(Event));
    // A disabled undo or redo does nothing, which a player who cannot see may want to hear.
    const bool NoUndo = ShortCut == Undo1->ShortCut() && !Undo1->Enabled();
    const bool NoRedo = ShortCut == Redo1->ShortCut() && !Redo1->Enabled();
    if (ShortCut != 0 && MainMenu1.IsShortCut(ShortCut)) {
      if (NoUndo || NoRedo)
        emit HistoryStepUnavailable(NoUndo ? THistoryStep::Undo : THistoryStep::Redo);
      return true;
    }
  }
  return QWidget::eventFilter(Watched, Event);
}

QString TMainForm::StatusText() const {
  return StatusPanel->text();
}

void TMainForm::AdjustBoardSize() {
  PuzzleGrid->SetColCount(Game().Width());
  PuzzleGrid->SetRowCount(Game().Height());
  // The cells plus a one-pixel frame and a two-pixel strip on the right and the bottom.
  PuzzleGrid->resize(PuzzleGrid->ColCount() * TPuzzleGrid::DefaultColWidth + 4,
                     PuzzleGrid->RowCount() * TPuzzleGrid::DefaultRowHeight + 4);
  PuzzleGrid->move(AdjustedGridPlace);
}

void TMainForm::RefreshBoard() {
  PuzzleGrid->update();
  StatusPanel->setText(FController->StatusText());
  emit BoardRefreshed();
}

void TMainForm::SetColorMode(bool Value) {
  if (Value == FColorMode)
    return;
  FColorMode = Value;
  RefreshBoard();
}

void TMainForm::SetHighlightMode(std::uint8_t Value) {
  if (Value == FHighlightMode)
    return;
  FHighlightMode = Value;
  RefreshBoard();
}

void TMainForm::SetSymbols(bool Value) {
  if (Value == FSymbols)
    return;
  FSymbols = Value;
  RefreshBoard();
}

void TMainForm::Exit1Click() {
  Label1->Clear();
  // Posted, so the handler in progress finishes before the message loop ends.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void TMainForm::Options1Click() {
  Animation1->SetChecked(Animation());
  Color1->SetChecked(FColorMode);
  Highlight1->SetChecked(FHighlightMode != 2);
  Symbols1->SetChecked(FSymbols);
  SolutionChecker1->SetChecked(SolutionChecker());
  LossWarning1->SetChecked(FController->LossWarning());
}

void TMainForm::TellOption(const QString& Text) {
  if (FStarted)
    Label1->Announce(Text);
}

void TMainForm::Animation1Click() {
  SetAnimation(!Animation());
  TellOption(Animation()
                 //: On the message line: Ctrl+A switched the falling animation on
                 ? tr("Animation on.")
                 //: On the message line: Ctrl+A switched the falling animation off
                 : tr("Animation off."));
}

void TMainForm::Color1Click() {
  SetColorMode(!FColorMode);
  TellOption(FColorMode
                 //: On the message line: Ctrl+C switched the boxes to their colours
                 ? tr("Boxes in colour.")
                 //: On the message line: Ctrl+C switched the boxes to grey
                 : tr("Boxes in grey."));
}

void TMainForm::Highlight1Click() {
  SetHighlightMode(static_cast<std::uint8_t>((FHighlightMode + 1) % 3));
  switch (FHighlightMode) {
  case 0:
    //: On the message line: Ctrl+H gave the current box a frame whose inside shows the box's
    //: colour (in grey mode)
    TellOption(tr("Filled frame on the current box."));
    break;
  case 1:
    //: On the message line: Ctrl+H gave the current box a thin white frame
    TellOption(tr("Outline on the current box."));
    break;
  default:
    //: On the message line: Ctrl+H took the frame off the current box; the arrow keys still
    //: show it
    TellOption(tr("No frame on the current box."));
    break;
  }
}

void TMainForm::Symbols1Click() {
  SetSymbols(!FSymbols);
  TellOption(FSymbols
                 //: On the message line: Ctrl+S put a symbol on every box
                 ? tr("Symbols on.")
                 //: On the message line: Ctrl+S took the symbols off the boxes
                 : tr("Symbols off."));
}

void TMainForm::BoardCode1Click() {
  const std::optional<TBoardCode> Code = FController->BoardCode();
  if (!Code) {
    //: On the message line: Ctrl+B on a board that was not dealt by the game
    Label1->Announce(tr("This board has no code."));
    return;
  }
  const QString Text = EncodeBoardCode(*Code);
  QGuiApplication::clipboard()->setText(Text);
  //: On the message line: %1 is the board's code (such as 1C8M-Q2ZR-7K4D), now on the
  //: clipboard; "quenlith --board CODE" deals the same board again
  Label1->Announce(tr("Board %1: copied.").arg(Text));
}

void TMainForm::DealCode(const TBoardCode& Code) {
  Label1->Clear();
  FController->DealCode(Code);
  AdjustBoardSize();
  // The game deals no other size than the levels' and the start board's.
  const std::optional<std::size_t> Level = FController->LevelInForce();
  PuzzleGrid->move(!Level ? StartGridPlace : *Level == 0 ? EasyGridPlace : LargeGridPlace);
}

// Only the three levels mark a button: the start board, or any other, marks none.
void TMainForm::ShowLevelInForce() {
  const std::optional<std::size_t> Level = FController->LevelInForce();
  const std::array<THotSpot*, 3> Buttons = {Image6, Image7, Image8};
  for (std::size_t Index = 0; Index < Buttons.size(); ++Index)
    Buttons[Index]->SetMarked(Level == Index);
}

void TMainForm::SolutionChecker1Click() {
  SetSolutionChecker(!SolutionChecker());
}

void TMainForm::WinnableBoards1Click() {
  FController->SetWinnableOnly(!FController->WinnableOnly());
  Label1->Announce(FController->WinnableOnly()
                       //: On the message line: the option of boards that can be won is now on
                       ? tr("New boards can all be cleared.")
                       //: On the message line: the option of boards that can be won is now off
                       : tr("New boards are dealt at random."));
}

void TMainForm::LossWarning1Click() {
  FController->SetLossWarning(!FController->LossWarning());
  Label1->Announce(FController->LossWarning()
                       //: On the message line: the option that tells a lost game at once (how
                       //: many moves ago the board was lost) is now on; like "Animation on."
                       ? tr("Loss warning on.")
                       //: On the message line: the option that tells a lost game at once is now
                       //: off; H still tells it; like "Animation off."
                       : tr("Loss warning off."));
}

// A minimised window leaves the processor to others: no search runs behind it.
void TMainForm::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::WindowStateChange)
    FController->SetSuspended(isMinimized());
}

void TMainForm::ShowHint(THint Hint, int X, int Y) {
  switch (Hint) {
  case THint::Searching:
    //: On the message line, while the hint is searched
    FHintText = tr("Looking for a way to clear the board...");
    break;
  case THint::Move:
    if (FBackMoves > 0)
      //: On the message line, after H went back: %n moves were undone to the last board that
      //: can be cleared; the box to play has magenta marks on its corners
      FHintText = tr("Back %n moves: play the marked box.", nullptr, FBackMoves);
    else
      //: On the message line; the box to play has magenta marks on its corners
      FHintText = tr("The board can be cleared: play the marked box.");
    FBackMoves = 0;
    FHintCell = QPoint(X, Y);
    PuzzleGrid->SetCol(X);
    PuzzleGrid->SetRow(Y);
    break;
  case THint::SearchingBack:
    //: On the message line, while the boards before this one are searched for one that can
    //: still be cleared
    FHintText = tr("Looking through the earlier boards...");
    break;
  case THint::GoBack:
    //: On the message line. What was lost is the board (this game's board): it could still be
    //: cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves
    FHintText = tr("Lost %n moves ago: press H to go back.", nullptr, X);
    break;
  case THint::CouldGoBack:
    //: On the message line. The board (this game's board) could still be cleared %n moves ago;
    //: the boards since then were not all searched in time and may or may not be lost. H is the
    //: hint key, which then undoes those moves
    FHintText = tr("Still clearable %n moves ago: press H to go back.", nullptr, X);
    break;
  case THint::Unwinnable:
    //: On the message line: not even the first board of this game could be cleared
    FHintText = tr("This game cannot be won: start a new game.");
    break;
  case THint::NoWayBack:
    //: On the message line: the board is lost, and no earlier board was found in time that
    //: could be cleared
    FHintText = tr("No way back found in time: start a new game.");
    break;
  case THint::NotFound:
    //: On the message line: the search ran out of time and goes on; its answer will be shown
    //: on the message line by itself, without pressing H again
    FHintText = tr("Not found in time: still looking.");
    break;
  case THint::Empty:
    FHintText.clear();
    break;
  }
  // The box to play is told to a screen reader with its place, by the answers.
  if (Hint == THint::Move)
    Label1->setText(FHintText);
  else if (!FHintText.isEmpty())
    Label1->Announce(FHintText);
  PuzzleGrid->update();
}

// A hint holds for the board it was given on.
void TMainForm::ForgetHint() {
  FHintCell.reset();
  FBackMoves = 0;
  if (!FHintText.isEmpty() && Label1->text() == FHintText)
    Label1->Clear();
  FHintText.clear();
}

void TMainForm::ShowDealing(bool Busy) {
  //: On the message line while a board that can be won is dealt
  const QString Text = tr("Dealing a board that can be cleared...");
  SetCursorOverride(Busy ? Qt::WaitCursor : Qt::ArrowCursor);
  if (Busy)
    Label1->Announce(Text);
  else if (Label1->text() == Text || Label1->text() == DealingBusyText())
    Label1->Clear();
}

QString TMainForm::DealingBusyText() {
  //: On the message line: a move, hint, undo or redo was refused while a board is dealt
  return tr("A board is being dealt: please wait.");
}

void TMainForm::ShowDealingBusy() {
  Label1->Announce(DealingBusyText());
}

void TMainForm::PuzzleGridDrawCell(QPainter& Canvas, int ACol, int ARow, const QRect& Rect,
                                   bool Selected) {
  const bool Hinted = FHintCell == QPoint(ACol, ARow);
  // With the frame off, the box the keys moved is outlined until the pointer moves it.
  const std::uint8_t Mode = FHighlightMode == 2 && PuzzleGrid->KeyMoved() ? 1 : FHighlightMode;
  PaintBoardCell(Canvas, Game().CurrentMap(), ACol, ARow, Rect, Selected, FColorMode, Mode,
                 TSystemColors::FromPalette(PuzzleGrid->palette()), FSymbols, Hinted);
}

void TMainForm::PuzzleGridMouseMove(Qt::KeyboardModifiers, int X, int Y) {
  int ACol = -1;
  int ARow = -1;
  PuzzleGrid->MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0)
    return;
  PuzzleGrid->PointAt(ACol, ARow);
}

void TMainForm::PuzzleGridMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  int ACol = -1;
  int ARow = -1;
  PuzzleGrid->MouseToCell(X, Y, ACol, ARow);
  MakeMove(ACol, ARow);
}

void TMainForm::PuzzleGridKeyUp(int Key, Qt::KeyboardModifiers) {
  if (Key == vkSpace)
    MakeMove(PuzzleGrid->Col(), PuzzleGrid->Row());
}

void TMainForm::ShowMenuStates(bool CanUndo, bool CanRedo, TMenuStates Menu) {
  if (Menu == TMenuStates::Keep)
    return;
  Undo1->SetEnabled(CanUndo);
  Redo1->SetEnabled(CanRedo);
}

void TMainForm::ShowGameOver(bool Won) {
  if (Won)
    //: The board is empty; a short line, it must fit the message line
    Label1->Announce(tr("Congratulation! You win"));
  else
    //: Only single boxes are left; the English misspelling is not to be copied
    Label1->Announce(tr("You lose! Tvy again."));
}

void TMainForm::Image3Click() {
  Label1->Clear();
  FController->Undo(TMenuStates::Keep);
}

void TMainForm::Image5Click() {
  if (!FAboutBox)
    return;
  const auto ClearOverride = [] {
    while (QApplication::overrideCursor())
      QApplication::restoreOverrideCursor();
  };
  // The box shows its own cursors (the hand over its links), whatever a running
  // animation has set; the override comes back afterwards unless it was set meanwhile.
  std::optional<QCursor> Saved;
  if (const QCursor* Override = QApplication::overrideCursor())
    Saved = *Override;
  ClearOverride();
  FAboutBox->exec();
  const bool SetMeanwhile = QApplication::overrideCursor() != nullptr;
  ClearOverride();
  if (Saved && !SetMeanwhile)
    QApplication::setOverrideCursor(*Saved);
  // The activation handler ran at start-up and does not run again here.
  activateWindow();
}

void TMainForm::New1Click() {
  Label1->Clear();
  FController->NewGame();
}

// The controller's level signal sizes the board and its board change refreshes it.
void TMainForm::ChooseLevel(std::size_t Level, const QPoint& GridPlace) {
  Label1->Clear();
  FController->ApplyLevel(Level);
  PuzzleGrid->move(GridPlace);
}

void TMainForm::SpeedButton1Click() {
  ChooseLevel(0, EasyGridPlace);
}

void TMainForm::SpeedButton2Click() {
  ChooseLevel(1, LargeGridPlace);
}

void TMainForm::SpeedButton3Click() {
  ChooseLevel(2, LargeGridPlace);
}

void TMainForm::LevelClick(TMenuItem* Sender) {
  if (!Sender || Sender->Tag() < 0 || Sender->Tag() >= static_cast<int>(LevelPresets.size()))
    return;
  FController->ApplyLevel(static_cast<std::size_t>(Sender->Tag()));
  Sender->SetChecked(true);
  // The window is shown anew, centred, which places the grid for the start board again.
  FPlacement->Centre();
  FormShow();
}
