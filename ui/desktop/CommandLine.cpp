// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/CommandLine.h"

#include "ui/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const QString ProgramName = QStringLiteral("quenlith");

// Qt's own options, which QApplication takes out of the arguments after this parse; they
// are ours to accept, not to refuse.
void AcceptQtOptions(QCommandLineParser& Parser) {
  for (const char* Name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "qmljsdebugger", "display",
        "name", "visual", "geometry", "icon", "title"}) {
    QCommandLineOption Option(QString::fromLatin1(Name), QString(), QStringLiteral("value"));
    Option.setFlags(QCommandLineOption::HiddenFromHelp);
    Parser.addOption(Option);
  }
  for (const char* Name : {"reverse", "testability", "widgetcount", "nograb", "dograb"}) {
    QCommandLineOption Option(QString::fromLatin1(Name));
    Option.setFlags(QCommandLineOption::HiddenFromHelp);
    Parser.addOption(Option);
  }
}

// The argument as the player typed it, for the one line that refuses it.
QString TypedOption(const QStringList& Arguments, const QString& Name) {
  for (const QString& Argument : Arguments.mid(1)) {
    QString Bare = Argument.section(QLatin1Char('='), 0, 0);
    while (Bare.startsWith(QLatin1Char('-')))
      Bare.remove(0, 1);
    if (Argument.startsWith(QLatin1Char('-')) && Bare == Name)
      return Argument.section(QLatin1Char('='), 0, 0);
  }
  return (Name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + Name;
}

TCommandLine Refusal(const QString& What) {
  TCommandLine Line;
  Line.ExitStatus = 2;
  Line.AnswerIsError = true;
  Line.Answer =
      QCoreApplication::translate("CommandLine", "%1: %2 Try '%1 --help' for more information.")
          .arg(ProgramName, What);
  return Line;
}

} // namespace

QString KeysHelpText() {
  //: Key names as the keyboard shows them; the descriptions start in the 25th column. No line
  //: longer than 79 columns (a Chinese or Japanese character takes two). The hint marks the
  //: box to play with marks of its own, not with the frame of Ctrl+H; on a lost board it
  //: tells how many moves ago the board was lost, and H again undoes those moves
  const QString Keys = QCoreApplication::translate(
      "CommandLine",
      "Keys:\n"
      "  Space                 Play the current box (when released).\n"
      "  Arrow keys, Home, End, Page Up, Page Down\n"
      "                        Move the current box.\n"
      "  Ctrl+1, Ctrl+2, Ctrl+3\n"
      "                        Easy, medium or hard level.\n"
      "  Ctrl+N                New game with the same board size and colours.\n"
      "  Ctrl+Z                Undo the last move.\n"
      "  Ctrl+Y                Redo the last undone move.\n"
      "  Ctrl+A                Falling animation on or off.\n"
      "  Ctrl+C                Coloured or grey boxes.\n"
      "  Ctrl+H                Frame around the current box: filled, outline or none.\n"
      "  Ctrl+S                Symbols on the boxes on or off.\n"
      "  Ctrl+B                Show the board's code and copy it: --board CODE deals\n"
      "                        the same board again.\n"
      "  H                     A hint: mark the box to play towards an empty board, or\n"
      "                        tell how many moves ago the board was lost; H again\n"
      "                        then goes back there.\n"
      "  Ctrl+D                Deal only boards that can be cleared, or any board.\n"
      "  F2                    The state of the game, told to a screen reader.\n"
      "  F10                   Leave the game.\n");
  return Keys +
         //: Follows the list of keys: the key name as the keyboard shows it, the description
         //: in the 25th column, no line longer than 79 columns (a Chinese or Japanese
         //: character takes two)
         QCoreApplication::translate(
             "CommandLine",
             "  Ctrl+W                Tell a lost game at once, or only when H asks.\n");
}

TCommandLine ParseCommandLine(const QStringList& Arguments) {
  QCommandLineParser Parser;
  // Qt's options are single-dash words (-platform), not clusters of letters.
  Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  Parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Clear a board of coloured boxes, group by group."));
  const QCommandLineOption Help(
      {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer)
      QCoreApplication::translate("CommandLine",
                                  "Show this help with the game's keys, then exit."));
  const QCommandLineOption Version(
      {QStringLiteral("v"), QStringLiteral("version")},
      QCoreApplication::translate("CommandLine", "Show the version, then exit."));
  const QCommandLineOption Symbols(
      QStringLiteral("symbols"),
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer)
      QCoreApplication::translate(
          "CommandLine",
          "Start with a symbol on every box, one shape for each colour (Ctrl+S switches)."));
  const QCommandLineOption Seed(
      QStringLiteral("seed"),
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer)
      QCoreApplication::translate(
          "CommandLine",
          "Deal the boards from the number N (0 to 4294967295): the same number deals the same "
          "boards, to replay or share them."),
      QStringLiteral("N"));
  Parser.addOption(Help);
  Parser.addOption(Version);
  Parser.addOption(Symbols);
  const QCommandLineOption Winnable(
      QStringLiteral("winnable"),
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer)
      QCoreApplication::translate("CommandLine",
                                  "Deal only boards that can be cleared (Ctrl+D switches)."));
  const QCommandLineOption Board(
      QStringLiteral("board"),
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is
      //: the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D
      QCoreApplication::translate("CommandLine",
                                  "Start with the board of this code (Ctrl+B shows it)."),
      QStringLiteral("CODE"));
  const QCommandLineOption Warn(
      QStringLiteral("warn"),
      //: Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier;
      //: Chinese and Japanese break theirs with line feeds (30 characters or fewer)
      QCoreApplication::translate(
          "CommandLine",
          "Tell at once, with the way back, when a move has lost the game (Ctrl+W switches)."));
  Parser.addOption(Seed);
  Parser.addOption(Board);
  Parser.addOption(Winnable);
  Parser.addOption(Warn);
  AcceptQtOptions(Parser);

  if (!Parser.parse(Arguments)) {
    const QStringList Unknown = Parser.unknownOptionNames();
    if (!Unknown.isEmpty())
      return Refusal(QCoreApplication::translate("CommandLine", "unknown option '%1'.")
                         .arg(TypedOption(Arguments, Unknown.first())));
    return Refusal(Parser.errorText());
  }
  TCommandLine Line;
  if (Parser.isSet(Help)) {
    Line.ExitStatus = 0;
    // Parsed before there is an application object, which would name the program.
    Line.Answer = Parser.helpText().replace(QStringLiteral("<executable_name>"), ProgramName) +
                  //: No line longer than 79 columns (a Chinese or Japanese character takes two)
                  QCoreApplication::translate(
                      "CommandLine", "\nQt's own options, such as -platform NAME or -style NAME, "
                                     "work as in every\nQt program.\n\n") +
                  KeysHelpText();
    return Line;
  }
  if (Parser.isSet(Version)) {
    Line.ExitStatus = 0;
    Line.Answer = QStringLiteral("%1 %2\n").arg(ProgramName, QString::fromLatin1(QuenlithVersion));
    return Line;
  }
  if (!Parser.positionalArguments().isEmpty())
    return Refusal(QCoreApplication::translate("CommandLine", "unexpected argument '%1'.")
                       .arg(Parser.positionalArguments().first()));
  if (Parser.isSet(Seed)) {
    bool Number = false;
    const QString Value = Parser.value(Seed);
    const qulonglong Parsed = Value.toULongLong(&Number);
    if (!Number || Parsed > 0xFFFFFFFFull)
      return Refusal(QCoreApplication::translate(
                         "CommandLine", "the seed '%1' is not a number from 0 to 4294967295.")
                         .arg(Value));
    Line.Seed = static_cast<std::uint32_t>(Parsed);
  }
  if (Parser.isSet(Board)) {
    Line.Board = DecodeBoardCode(Parser.value(Board));
    if (!Line.Board)
      //: %1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D
      return Refusal(QCoreApplication::translate(
                         "CommandLine", "'%1' is not a board code of this version of the game.")
                         .arg(Parser.value(Board)));
  }
  Line.Symbols = Parser.isSet(Symbols);
  Line.Winnable = Parser.isSet(Winnable);
  Line.Warn = Parser.isSet(Warn);
  Line.Platform = Parser.value(QStringLiteral("platform"));
  Line.Display = Parser.value(QStringLiteral("display"));
  return Line;
}

TCommandLine ParseCommandLine(int argc, char** argv) {
  QStringList Arguments;
  for (int Index = 0; Index < argc; ++Index)
    Arguments.append(QString::fromLocal8Bit(argv[Index]));
  return ParseCommandLine(Arguments);
}

void PrintAnswer(const TCommandLine& Line) {
  if (Line.Answer.isEmpty())
    return;
  const QByteArray Text = Line.Answer.toLocal8Bit();
  std::FILE* Stream = Line.AnswerIsError ? stderr : stdout;
  std::fputs(Text.constData(), Stream);
  if (!Text.endsWith('\n'))
    std::fputc('\n', Stream);
}
