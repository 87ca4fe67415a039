// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the background picture with its hot spots, the board view, the
// message line, the hidden menu with its shortcuts, the options and the solver glue.

#include "ui/Menu.h"
#include "ui/MessageLine.h"

#include <QMargins>
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
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

// Display names of the solver states, indexed by TSolver::State().
extern const std::array<const char*, 4> SolverStateTexts;

struct TLevelPreset {
  int Width;
  int Height;
  std::uint8_t Colors;
};
extern const std::array<TLevelPreset, 3> LevelPresets;

class TMainForm : public QWidget {
  Q_OBJECT

public:
  static constexpr int ClientWidth = 480;
  static constexpr int ClientHeight = 360;

  // Raises std::runtime_error when the background picture cannot be loaded.
  explicit TMainForm(QWidget* Parent = nullptr);
  ~TMainForm() override;

  // Options, one byte each, for the life of the process.
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value);
  bool ColorMode() const { return FColorMode; }
  void SetColorMode(bool Value);
  std::uint8_t HighlightMode() const { return FHighlightMode; }
  void SetHighlightMode(std::uint8_t Value);
  bool SolutionChecker() const { return FSolutionChecker; }
  void SetSolutionChecker(bool Value);

  // The About box the emblem shows; created and owned by the program entry.
  TAboutBox* AboutBox() const { return FAboutBox; }
  void SetAboutBox(TAboutBox* Value) { FAboutBox = Value; }

  TGame& Game() { return *FGame; }
  // None before creation and after destruction.
  const TGame* CurrentGame() const { return FGame.get(); }
  TSolver* CurrentSolver() { return FSolver.get(); }
  QString StatusText() const;

  void AdjustBoardSize();
  void RefreshBoard();
  void RestartSolver();
  void MakeMove(int X, int Y);
  void CheckGameOver();

  // Handlers, named after their control and event.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormDestroy();
  void Exit1Click();
  void Options1Click();
  void Animation1Click();
  void Color1Click();
  void Highlight1Click();
  void SolutionChecker1Click();
  void AboutStelvane1Click() {}
  void PuzzleGridDrawCell(QPainter& Canvas, int ACol, int ARow, const QRect& Rect, bool Selected);
  void PuzzleGridMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void PuzzleGridMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void PuzzleGridKeyUp(int Key, Qt::KeyboardModifiers Shift);
  void AnimateMap();
  void Undo1Click();
  void Redo1Click();
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
  QTimer* Timer1 = nullptr;

  TMainMenu MainMenu1;
  TMenuItem* Game1 = nullptr;
  TMenuItem* New1 = nullptr;
  TMenuItem* Beginner1 = nullptr;
  TMenuItem* Intermediate1 = nullptr;
  TMenuItem* Expert1 = nullptr;
  TMenuItem* Undo1 = nullptr;
  TMenuItem* Redo1 = nullptr;
  TMenuItem* Options1 = nullptr;
  TMenuItem* Animation1 = nullptr;
  TMenuItem* Color1 = nullptr;
  TMenuItem* Highlight1 = nullptr;
  TMenuItem* SolutionChecker1 = nullptr;
  TMenuItem* Exit1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* AboutStelvane1 = nullptr;

protected:
  bool event(QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void CreateControls();
  void CreateMenu();
  THotSpot* CreateHotSpot(const QRect& Bounds, void (TMainForm::*Handler)(),
                          const QString& AccessibleName);
  void ApplyLevel(const TLevelPreset& Level);
  void ChooseLevel(const TLevelPreset& Level, const QPoint& GridPlace);
  void UpdateUndoRedo();
  void CenterOnScreen();
  void ActivateOnce(); // the activation handler, at the first showing or activation
  void CenterWithFrame(int Tries);
  QMargins FrameMargins() const; // the decorations' sizes, null while unknown

  bool FAnimation = false;
  bool FColorMode = true;
  std::uint8_t FHighlightMode = 2;
  bool FSolutionChecker = false;
  std::unique_ptr<TGame> FGame;
  std::unique_ptr<TSolver> FSolver;
  bool FActivated = false; // the activation handler runs once only
  TAboutBox* FAboutBox = nullptr;
  std::optional<QPoint> FPlacedUnframed; // where the window went before its frame was known
};

// Sets the application-wide cursor override, replacing the one in force if any.
void SetCursorOverride(Qt::CursorShape Shape);
