// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/StartFailure.h"

#include "ui/desktop/Translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace {

QStringList& Heard() {
  static QStringList Messages;
  return Messages;
}

// Qt ends the process with abort() when no platform can be opened; what it logged before
// says why, and becomes the one line the player reads instead of a crash.
void ReportFailedStart(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
  if (Type != QtFatalMsg) {
    Heard().append(Message);
    return;
  }
  // The application object exists by now, but nothing has installed its translators yet.
  InstallTranslations();
  std::fprintf(stderr, "%s\n", qPrintable(DescribeFailedStart(Heard())));
  std::_Exit(1);
}

QString EnvOr(const char* Name, const QString& Fallback) {
  const QString Value = qEnvironmentVariable(Name);
  return Value.isEmpty() ? Fallback : Value;
}

QString UnreachableLine(const QString& Plugin) {
  if (Plugin.startsWith(QStringLiteral("wayland")))
    return QCoreApplication::translate(
               "StartFailure",
               "Quenlith cannot open its window: the Wayland display \"%1\" cannot be reached.")
        .arg(EnvOr("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
  const QString X = qEnvironmentVariable("DISPLAY");
  if (X.isEmpty())
    return QCoreApplication::translate(
        "StartFailure", "Quenlith cannot open its window: no X display is set (DISPLAY is empty).");
  return QCoreApplication::translate(
             "StartFailure",
             "Quenlith cannot open its window: the X display \"%1\" cannot be reached.")
      .arg(X);
}

} // namespace

bool DisplayIsSet() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString NoDisplayLine() {
  return QCoreApplication::translate(
      "StartFailure",
      "Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are "
      "empty).");
}

void WatchPlatformStart() {
  Heard().clear();
  qInstallMessageHandler(ReportFailedStart);
}

void EndPlatformStartWatch() {
  qInstallMessageHandler(nullptr);
  Heard().clear();
}

QString DescribeFailedStart(const QStringList& Messages) {
  static const QRegularExpression Missing(
      QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
  static const QRegularExpression Failed(
      QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\""));
  static const QRegularExpression NoConnection(
      QStringLiteral("could not connect to display|Failed to create wl_display"),
      QRegularExpression::CaseInsensitiveOption);
  bool Unreachable = false;
  for (const QString& Message : Messages) {
    if (NoConnection.match(Message).hasMatch())
      Unreachable = true;
    if (const auto Match = Missing.match(Message); Match.hasMatch())
      return QCoreApplication::translate(
                 "StartFailure",
                 "Quenlith cannot open its window: the display platform plugin \"%1\" is not "
                 "installed.")
          .arg(Match.captured(1));
    if (const auto Match = Failed.match(Message); Match.hasMatch())
      return Unreachable
                 ? UnreachableLine(Match.captured(1))
                 : QCoreApplication::translate(
                       "StartFailure",
                       "Quenlith cannot open its window: the display platform plugin \"%1\" "
                       "failed to load.")
                       .arg(Match.captured(1));
  }
  return QCoreApplication::translate(
      "StartFailure", "Quenlith cannot open its window: no display could be reached.");
}
