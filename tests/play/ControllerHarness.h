// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Boards written as text, put into the game through the controller's own command, and the
// settling timer driven by hand.

#include "play/GameController.h"
#include "tests/BoardText.h"

#include <QTimer>
#include <stdexcept>

inline void LoadBoard(TGameController& Controller, const TRows& Rows) {
  std::vector<std::uint8_t> Colors;
  for (const std::string& Row : Rows)
    for (const char C : Row)
      Colors.push_back(static_cast<std::uint8_t>(C == '.' ? 0 : C - '0'));
  const int Width = Rows.empty() ? 0 : static_cast<int>(Rows.front().size());
  if (!Controller.LoadBoard(Width, static_cast<int>(Rows.size()), Colors))
    throw std::invalid_argument("board text is not a 3x3..16x16 rectangle");
}

// One tick of the settling timer, as the running timer would give it.
inline void Tick(const TGameController& Controller) {
  QMetaObject::invokeMethod(const_cast<QTimer*>(Controller.Timer()), "timeout");
}
