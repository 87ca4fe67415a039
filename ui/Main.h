// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the background picture with its hot spots, the board view, the
// message line, the hidden menu with its shortcuts and the display options. The game
// itself is played by the game controller the program entry hands it; the handlers here
// are thin calls into it, and the window shows what its signals tell.

#include "play/GameController.h"
#include "ui/Menu.h"
#include "ui/MessageLine.h"
#include "ui/PaintedWords.h"

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QTimer;
class TAboutBox;
class TGame;
class THotSpot;
class TPictureBox;
class TPuzzleGrid;
class TSolver;
class TStatusBar;
class TWindowPlacement;

// Sets the application-wide cursor override, replacing the one in force if any.
void SetCursorOverride(Qt::CursorShape Shape);

class TMainForm : public QWidget {
  Q_OBJECT

public:
  static constexpr int ClientWidth = 480;
  static constexpr int ClientHeight = 360;

  // Raises std::runtime_error when the background picture cannot be loaded. The controller
  // outlives the window.
  explicit TMainForm(TGameController& Controller, QWidget* Parent = nullptr);
  ~TMainForm() override;

  // Options, one byte each, for the life of the process. Animation and the solution
  // checker are the controller's.
  bool Animation() const { return FController->Animation(); }
  void SetAnimation(bool Value) { FController->SetAnimation(Value); }
  bool ColorMode() const { return FColorMode; }
  void SetColorMode(bool Value);
  std::uint8_t HighlightMode() const { return FHighlightMode; }
  void SetHighlightMode(std::uint8_t Value);
  // A symbol on every box, one shape per colour; off unless the command line asks for it.
  bool Symbols() const { return FSymbols; }
  void SetSymbols(bool Value);
  bool SolutionChecker() const { return FController->SolutionChecker(); }
  void SetSolutionChecker(bool Value) { FController->SetSolutionChecker(Value); }

  // The About box the emblem shows; created and owned by the program entry.
  TAboutBox* AboutBox() const { return FAboutBox; }
  void SetAboutBox(TAboutBox* Value) { FAboutBox = Value; }

  TGameController& Controller() { return *FController; }
  // The words drawn on the background picture; none where it shows its own English ones.
  const std::vector<TPaintedWord>& PaintedWords() const { return FWords; }
  const TGame& Game() const { return FController->Game(); }
  // The box the last hint framed, until the board changes.
  std::optional<QPoint> HintCell() const { return FHintCell; }
  const TSolver* CurrentSolver() const { return FController->CurrentSolver(); }
  QString StatusText() const;

  void AdjustBoardSize();
  void RefreshBoard();
  void MakeMove(int X, int Y) { FController->MakeMove(X, Y); }

  // Handlers, named after their control and event.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormDestroy();
  void Exit1Click();
  void Status1Click() { emit StatusAsked(); }
  void Options1Click();
  void Animation1Click();
  void Color1Click();
  void Highlight1Click();
  void Symbols1Click();
  void SolutionChecker1Click();
  void WinnableBoards1Click();
  void LossWarning1Click();
  void Hint1Click() { FController->AskHint(); }
  // Shows the board's code, copies it to the clipboard, and a screen reader hears it.
  void BoardCode1Click();
  // A new game on the board the code names, placed as its level places it.
  void DealCode(const TBoardCode& Code);
  void AboutStelvane1Click() {}
  void PuzzleGridDrawCell(QPainter& Canvas, int ACol, int ARow, const QRect& Rect, bool Selected);
  void PuzzleGridMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void PuzzleGridMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void PuzzleGridKeyUp(int Key, Qt::KeyboardModifiers Shift);
  void Undo1Click() { FController->Undo(TMenuStates::Set); }
  void Redo1Click() { FController->Redo(); }
  void Image3Click();
  void Image5Click();
  void New1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void LevelClick(TMenuItem* Sender);

  // Controls, created in layout order; later ones lie above earlier ones.
  TPictureBox* Image1 = nullptr;
  THotSpot* Image2 = nullptr;
  THotSpot* Image3 = nullptr;
  THotSpot* Image4 = nullptr;
  THotSpot* Image5 = nullptr;
  THotSpot* Image6 = nullptr;
  THotSpot* Image7 = nullptr;
  THotSpot* Image8 = nullptr;
  TMessageLine* Label1 = nullptr;
  TPuzzleGrid* PuzzleGrid = nullptr;
  TStatusBar* StatusBar = nullptr;
  QLabel* StatusPanel = nullptr;
  const QTimer* Timer1 = nullptr; // the controller's animation timer

signals:
  // The view and the status text now show the current board.
  void BoardRefreshed();
  // The player asked for the state of the game (its status key); shown nowhere, spoken by
  // a screen reader.
  void StatusAsked();
  // Undo's or redo's key was pressed while its menu item is disabled: nothing happened.
  void HistoryStepUnavailable(THistoryStep Step);

public:
  TMainMenu MainMenu1;
  TMenuItem* Game1 = nullptr;
  TMenuItem* New1 = nullptr;
  TMenuItem* Beginner1 = nullptr;
  TMenuItem* Intermediate1 = nullptr;
  TMenuItem* Expert1 = nullptr;
  // Keys for the level pictures, so that the keyboard reaches every level.
  TMenuItem* EasyLevel1 = nullptr;
  TMenuItem* MediumLevel1 = nullptr;
  TMenuItem* HardLevel1 = nullptr;
  TMenuItem* Undo1 = nullptr;
  TMenuItem* Redo1 = nullptr;
  TMenuItem* Options1 = nullptr;
  TMenuItem* Animation1 = nullptr;
  TMenuItem* Color1 = nullptr;
  TMenuItem* Highlight1 = nullptr;
  TMenuItem* Symbols1 = nullptr;
  TMenuItem* SolutionChecker1 = nullptr;
  TMenuItem* WinnableBoards1 = nullptr;
  TMenuItem* LossWarning1 = nullptr;
  TMenuItem* Hint1 = nullptr;
  TMenuItem* BoardCode1 = nullptr;
  TMenuItem* Status1 = nullptr;
  TMenuItem* Exit1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* AboutStelvane1 = nullptr;

protected:
  bool event(QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void CreateControls();
  void CreateMenu();
  THotSpot* CreateHotSpot(const QRect& Bounds, void (TMainForm::*Handler)(),
                          const QString& AccessibleName);
  // A painted button, whose word is also its name for a screen reader.
  // Name is what a screen reader calls the button; the painted word by default.
  THotSpot* CreateButton(const QRect& Bounds, void (TMainForm::*Handler)(), TPaintedWord Word,
                         const QString& Name = {});
  void LoadBackground();
  void ChooseLevel(std::size_t Level, const QPoint& GridPlace);
  void ShowMenuStates(bool CanUndo, bool CanRedo, TMenuStates Menu);
  void ShowGameOver(bool Won);
  void ShowHint(THint Hint, int X, int Y);
  void ShowDealing(bool Busy);
  void ShowDealingBusy();
  static QString DealingBusyText();
  void ForgetHint();
  void ShowLevelInForce();
  // An option key's new state, on the message line; silent for the start-up's own clicks.
  void TellOption(const QString& Text);
  void ActivateOnce(); // the activation handler, at the first showing or activation

  TGameController* FController;
  TWindowPlacement* FPlacement = nullptr;
  bool FColorMode = true;
  std::uint8_t FHighlightMode = 2;
  bool FSymbols = false;
  bool FActivated = false; // the activation handler runs once only
  bool FStarted = false;   // the start-up's own option clicks are done
  TAboutBox* FAboutBox = nullptr;
  std::optional<QPoint> FHintCell; // marked whatever the highlight mode, until the board changes
  QString FHintText;               // what the hint put on the message line
  int FBackMoves = 0;              // the moves the hint's way back undid, for its next mark
  std::vector<TPaintedWord> FWords;
};
