// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line, read before any window or display is touched, so that
// --help, --version and a mistyped option answer on a machine without one.

#include "play/BoardCode.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct TCommandLine {
  bool Symbols = false;  // start with a symbol on every box
  bool Winnable = false; // deal only boards that can be cleared
  bool Warn = false;     // tell a lost game at once
  // The generator's start, so that the same number deals the same boards; the clock without.
  std::optional<std::uint32_t> Seed;
  // The board to start with, from the code the game showed for it.
  std::optional<TBoardCode> Board;
  // Qt's own options that name where the window goes; Qt itself reads them later.
  QString Platform;
  QString Display;
  // Set when the program answers and ends without a window: the text and where it goes.
  std::optional<int> ExitStatus;
  QString Answer;
  bool AnswerIsError = false;

  bool NamesDisplay() const { return !Platform.isEmpty() || !Display.isEmpty(); }
};

// Arguments as the program got them, the program's name first. Qt's own options (-platform,
// -style, -display and the others) are accepted and left for Qt.
TCommandLine ParseCommandLine(const QStringList& Arguments);
TCommandLine ParseCommandLine(int argc, char** argv);

// The keys of the game, one per line, as --help lists them.
QString KeysHelpText();

// Writes the answer, if any, to stdout or stderr.
void PrintAnswer(const TCommandLine& Line);
