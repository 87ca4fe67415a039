// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, the main window, the message loop.

#include "ui/Main.h"
#include "ui/About.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"
#include "ui/access/AccessibleControls.h"
#include "ui/access/Answers.h"
#include "ui/desktop/BusWarmUp.h"
#include "ui/desktop/FirstFrame.h"
#include "ui/desktop/StartFailure.h"
#include "ui/desktop/X11KeyRepeat.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

int main(int argc, char** argv) {
  if (!DisplayIsSet()) {
    std::fprintf(stderr, "%s\n", qPrintable(NoDisplayLine()));
    return 1;
  }
  WatchPlatformStart();
  QApplication App(argc, argv);
  EndPlatformStartWatch();
  RequestExactKeyReleases();
  // No application display name: Qt would append it to every title that lacks it.
  QApplication::setApplicationName(QStringLiteral("Quenlith"));
  // The installed desktop entry is named after the AppStream id.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Quenlith"));

  // Both windows live until the end of the run; the box goes first, the main window last.
  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TAboutBox> AboutBox;
  try {
    const TBusWarmUp Bus;
    InstallAccessibleFactories();
    MainForm = std::make_unique<TMainForm>();
    AttachScreenReader(*MainForm);
    AttachAnswers(*MainForm);
    // Shown before the box is built, which then happens while the desktop maps the
    // window; the first frame is painted from the message loop, after both exist.
    MainForm->show();
    // Without a window manager nobody hands the new window the focus; ask for it.
    MainForm->activateWindow();
    // A transient child of the main window, so compositors place it over the game.
    AboutBox = std::make_unique<TAboutBox>(MainForm.get());
    MainForm->SetAboutBox(AboutBox.get());
    AttachAboutBox(*AboutBox);
  } catch (const std::exception& Error) {
    if (MainForm)
      MainForm->hide();
    std::fprintf(stderr, "Quenlith cannot start: %s\n", Error.what());
    QMessageBox::critical(nullptr, QStringLiteral("Quenlith"),
                          QStringLiteral("Quenlith cannot start:\n%1").arg(Error.what()));
    return 1;
  }
  // What nobody sees before the board is on the screen waits until it is there.
  AfterFirstPaint(MainForm->PuzzleGrid, [Box = AboutBox.get()] {
    AddLargeProgramIcon();
    Box->Prepare();
  });
  return App.exec();
}
