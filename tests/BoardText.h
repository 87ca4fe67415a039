// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Boards written as text, one string per row: '.' is empty, '1'..'7' a box colour.

#include "model/Game.h"

#include <stdexcept>
#include <string>
#include <vector>

using TRows = std::vector<std::string>;

// Sizes the game to the rows (starting a new game) and puts them into its current map.
// Boards narrower or lower than 3 cells cannot exist, so rows must be at least that.
inline void LoadBoard(TGame& Game, const TRows& Rows) {
  for (const std::string& Row : Rows)
    if (Row.size() != Rows.front().size() || Row.size() < 3 || Rows.size() < 3)
      throw std::invalid_argument("board text is not a 3x3..16x16 rectangle");
  Game.SetWidth(static_cast<int>(Rows.front().size()));
  Game.SetHeight(static_cast<int>(Rows.size()));
  TGameMap& Map = Game.CurrentMap();
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X) {
      const char C = Rows[static_cast<std::size_t>(Y)][static_cast<std::size_t>(X)];
      Map.SetColor(X, Y, static_cast<std::uint8_t>(C == '.' ? 0 : C - '0'));
    }
  Game.Recount();
}

inline TRows BoardRows(const TMap& Map) {
  TRows Rows;
  for (int Y = 0; Y < Map.Height(); ++Y) {
    std::string Row;
    for (int X = 0; X < Map.Width(); ++X) {
      const int C = Map.GetColor(X, Y);
      Row += C == 0 ? '.' : static_cast<char>('0' + C);
    }
    Rows.push_back(Row);
  }
  return Rows;
}

inline bool AllMarksZero(const TMap& Map) {
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X)
      if (Map.GetMark(X, Y) != 0)
        return false;
  return true;
}
