// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, the main window, the message loop.

#include "ui/Main.h"
#include "play/GameController.h"
#include "ui/About.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/access/AccessibleControls.h"
#include "ui/access/Answers.h"
#include "ui/desktop/BusWarmUp.h"
#include "ui/desktop/CommandLine.h"
#include "ui/desktop/FirstFrame.h"
#include "ui/desktop/StartFailure.h"
#include "ui/desktop/Translation.h"
#include "ui/desktop/X11KeyRepeat.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

int main(int argc, char** argv) {
  const TCommandLine Line = ParseCommandLine(argc, argv);
  if (Line.ExitStatus || (!DisplayIsSet() && !Line.NamesDisplay())) {
    // Answered without a window, in the player's language: enough of an application for the
    // translations, then the command line is read again with them in force. The help names
    // the program after the application's first argument: its name, not the path it ran from.
    static char Name[] = "quenlith";
    static char* Arguments[] = {Name, nullptr};
    int Count = 1;
    const QCoreApplication Core(Count, Arguments);
    InstallTranslations();
    if (Line.ExitStatus) {
      PrintAnswer(ParseCommandLine(argc, argv));
      return *Line.ExitStatus;
    }
    std::fprintf(stderr, "%s\n", qPrintable(NoDisplayLine()));
    return 1;
  }
  WatchPlatformStart();
  QApplication App(argc, argv);
  EndPlatformStartWatch();
  // Before the first window, which takes its texts as it is built.
  InstallTranslations();
  RequestExactKeyReleases();
  // No application display name: Qt would append it to every title that lacks it.
  QApplication::setApplicationName(QStringLiteral("Quenlith"));
  // The installed desktop entry is named after the AppStream id.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Quenlith"));

  // Both windows live until the end of the run. The main window owns the box as its Qt
  // child, and takes it along when it goes, after its own members.
  // The controller owns the game and outlives both; the window and the screen-reader side
  // are given it.
  TGameController Controller(Line.Seed);
  std::unique_ptr<TMainForm> MainForm;
  TAboutBox* AboutBox = nullptr;
  try {
    const TBusWarmUp Bus;
    InstallAccessibleFactories();
    MainForm = std::make_unique<TMainForm>(Controller);
    MainForm->SetSymbols(Line.Symbols);
    Controller.SetLossWarning(Line.Warn);
    // The first board too is one that can be won.
    if (Line.Winnable) {
      Controller.SetWinnableOnly(true);
      Controller.NewGame();
    }
    AttachScreenReader(*MainForm, *MainForm->PuzzleGrid, Controller);
    AttachAnswers(*MainForm, *MainForm->PuzzleGrid, Controller);
    // Shown before the box is built, which then happens while the desktop maps the
    // window; the first frame is painted from the message loop, after both exist.
    MainForm->show();
    // After the showing, which places the grid for the start board.
    if (Line.Board)
      MainForm->DealCode(*Line.Board);
    // Without a window manager nobody hands the new window the focus; ask for it.
    MainForm->activateWindow();
    // A transient child of the main window, so compositors place it over the game.
    AboutBox = new TAboutBox(MainForm.get());
    MainForm->SetAboutBox(AboutBox);
    AttachAboutBox(*AboutBox);
  } catch (const std::exception& Error) {
    if (MainForm)
      MainForm->hide();
    const QString Reason = QString::fromLocal8Bit(Error.what());
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QCoreApplication::translate("main", "Quenlith cannot start: %1").arg(Reason)));
    QMessageBox::critical(
        nullptr, QStringLiteral("Quenlith"),
        QCoreApplication::translate("main", "Quenlith cannot start:\n%1").arg(Reason));
    return 1;
  }
  // What nobody sees before the board is on the screen waits until it is there.
  AfterFirstPaint(MainForm->PuzzleGrid, [Box = AboutBox] {
    AddLargeProgramIcon();
    Box->Prepare();
  });
  return App.exec();
}
