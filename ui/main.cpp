// Program entry: the application object, the main window, the message loop.

#include "ui/Main.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

bool StartingUp = true;

// Qt ends the process with abort() when no platform can be opened (no display); say so
// in one line and leave with an error code instead of a crash.
void ReportFatalStart(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
  if (Type == QtFatalMsg && StartingUp) {
    std::fprintf(stderr, "Quenlith cannot open its window: no usable display (%s)\n",
                 qPrintable(Message.section(QLatin1Char('\n'), 0, 0)));
    std::_Exit(1);
  }
  if (Type != QtDebugMsg && Type != QtInfoMsg)
    std::fprintf(stderr, "%s\n", qPrintable(Message));
  if (Type == QtFatalMsg)
    std::abort();
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
  qInstallMessageHandler(ReportFatalStart);
  QApplication App(argc, argv);
  StartingUp = false;
  QApplication::setApplicationName(QStringLiteral("Quenlith"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quenlith"));
  QGuiApplication::setDesktopFileName(QStringLiteral("quenlith"));

  std::unique_ptr<TMainForm> MainForm;
  try {
    MainForm = std::make_unique<TMainForm>();
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "Quenlith cannot start: %s\n", Error.what());
    QMessageBox::critical(nullptr, QStringLiteral("Quenlith"),
                          QStringLiteral("Quenlith cannot start:\n%1").arg(Error.what()));
    return 1;
  }
  MainForm->show();
  // Without a window manager nobody hands the new window the focus; ask for it.
  MainForm->activateWindow();
  return App.exec();
}
