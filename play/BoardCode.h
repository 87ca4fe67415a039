// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board's short code: what a player copies to deal the same board on another machine.
// It names how the board was dealt (size, colours, random or winnable, and the seed of its
// generator) rather than its boxes, which keeps it to twelve letters whatever the size.

#include <QString>
#include <cstdint>
#include <optional>

struct TBoardCode {
  bool Winnable = false; // dealt by DealWinnable from Seed, else filled by TRandom(Seed)
  int Width = 8;
  int Height = 8;
  std::uint8_t Colors = 3;
  std::uint32_t Seed = 0;

  bool operator==(const TBoardCode&) const = default;
};

// Three groups of four letters and digits, such as "1C8M-Q2ZR-7K4D".
QString EncodeBoardCode(const TBoardCode& Code);
// Letters in either case, with or without the dashes; nothing for a code this version
// cannot deal (wrong letters, length, check, format or an out-of-range size or colours).
std::optional<TBoardCode> DecodeBoardCode(const QString& Text);
