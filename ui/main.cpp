// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, the main window, the message loop.

#include "ui/Main.h"
#include "ui/About.h"
#include "ui/BusWarmUp.h"
#include "ui/FirstFrame.h"
#include "ui/PictureBox.h"
#include "ui/PuzzleGrid.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Qt ends the process with abort() when no platform can be opened (no display); say so
// in one line and leave with an error code instead of a crash. The platform's own
// warnings while it gives up are noise next to that line.
void ReportFailedStart(QtMsgType Type, const QMessageLogContext&, const QString&) {
  if (Type == QtFatalMsg) {
    std::fprintf(stderr, "Quenlith cannot open its window: no display could be reached.\n");
    std::_Exit(1);
  }
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "Quenlith needs a graphical display, and none is set (DISPLAY is empty).\n");
    return 1;
  }
  qInstallMessageHandler(ReportFailedStart);
  QApplication App(argc, argv);
  qInstallMessageHandler(nullptr);
  QApplication::setApplicationName(QStringLiteral("Quenlith"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quenlith"));
  // The installed desktop entry is named after the AppStream id.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Quenlith"));

  // Both windows live until the end of the run; the box goes first, the main window last.
  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TAboutBox> AboutBox;
  try {
    const TBusWarmUp Bus;
    MainForm = std::make_unique<TMainForm>();
    // Shown before the box is built, which then happens while the desktop maps the
    // window; the first frame is painted from the message loop, after both exist.
    MainForm->show();
    // Without a window manager nobody hands the new window the focus; ask for it.
    MainForm->activateWindow();
    AboutBox = std::make_unique<TAboutBox>();
    MainForm->SetAboutBox(AboutBox.get());
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
