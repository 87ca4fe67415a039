// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/StartFailure.h"

#include "ui/desktop/Translation.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QRegularExpression>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

// What the platform layer says while it starts. Only the lines the failure line is made
// from are held back (the player reads one line, not Qt's); everything else passes on at
// once. Qt's X event thread may log meanwhile, hence the lock and the atomic handler: a
// message that comes before the previous handler is known, or while the watch ends, is
// held and passed on when it ends, never lost nor handed to a stale handler.
struct TStartWatch {
  std::atomic<QtMessageHandler> Previous{nullptr};
  QMutex Lock;
  bool Watching = false; // under Lock
  struct THeld {
    QtMsgType Type;
    QByteArray Category;
    QString Message;
  };
  QList<THeld> Held;
};

TStartWatch& Watch() {
  static TStartWatch Instance;
  return Instance;
}

bool TellsWhyStartFailed(const QString& Message) {
  static const QRegularExpression Pattern(
      QStringLiteral("Qt platform plugin|could not connect to display|Failed to create wl_display"),
      QRegularExpression::CaseInsensitiveOption);
  return Pattern.match(Message).hasMatch();
}

// Qt ends the process with abort() when no platform can be opened; what it logged before
// says why, and becomes the one line the player reads instead of a crash.
void ReportFailedStart(QtMsgType Type, const QMessageLogContext& Context, const QString& Message) {
  TStartWatch& W = Watch();
  if (Type == QtFatalMsg) {
    QStringList Reasons;
    {
      const QMutexLocker Locker(&W.Lock);
      for (const TStartWatch::THeld& Line : W.Held)
        Reasons.append(Line.Message);
    }
    // The application object exists by now, but nothing has installed its translators yet.
    InstallTranslations();
    std::fprintf(stderr, "%s\n", qPrintable(DescribeFailedStart(Reasons)));
    std::_Exit(1);
  }
  const QtMessageHandler Previous = W.Previous.load();
  {
    const QMutexLocker Locker(&W.Lock);
    if (W.Watching && (!Previous || TellsWhyStartFailed(Message))) {
      W.Held.append({Type, QByteArray(Context.category), Message});
      return;
    }
  }
  if (Previous)
    Previous(Type, Context, Message);
  else
    qt_message_output(Type, Context, Message); // the watch has ended: Qt's default handler
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
  TStartWatch& W = Watch();
  {
    const QMutexLocker Locker(&W.Lock);
    W.Held.clear();
    W.Watching = true;
  }
  W.Previous.store(nullptr);
  W.Previous.store(qInstallMessageHandler(ReportFailedStart));
}

void EndPlatformStartWatch() {
  TStartWatch& W = Watch();
  QList<TStartWatch::THeld> Held;
  {
    const QMutexLocker Locker(&W.Lock);
    W.Watching = false;
    Held.swap(W.Held);
  }
  const QtMessageHandler Previous = W.Previous.load();
  qInstallMessageHandler(Previous);
  // The platform started after all (a fallback platform, say): what was held back is said now.
  for (const TStartWatch::THeld& Line : Held) {
    const QMessageLogContext Context(nullptr, 0, nullptr, Line.Category.constData());
    if (Previous)
      Previous(Line.Type, Context, Line.Message);
    else
      qt_message_output(Line.Type, Context, Line.Message);
  }
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
