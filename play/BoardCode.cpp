// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/BoardCode.h"

#include "model/Game.h"
#include "model/Map.h"

#include <string>

namespace {

// Digits and capitals without I, L, O and U, which read as 1, 0 or V.
constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int Letters = 12;
constexpr int CheckBits = 12;
// Bumped when the way a code deals its board changes, so an old code is refused, not misdealt.
constexpr std::uint64_t Format = 1;

// A 12-bit check of the 48 bits of data: a mistyped letter passes one time in 4096.
std::uint64_t Check(std::uint64_t Data) {
  return (Data * 0x9E3779B97F4A7C15ull) >> (64 - CheckBits);
}

} // namespace

// Bits from the top: format 4, winnable 1, width-3 4, height-3 4, colours-2 3, seed 32, check.
QString EncodeBoardCode(const TBoardCode& Code) {
  std::uint64_t Data = Format;
  Data = Data << 1 | (Code.Winnable ? 1u : 0u);
  Data = Data << 4 | static_cast<std::uint64_t>(Code.Width - TMap::MinSize);
  Data = Data << 4 | static_cast<std::uint64_t>(Code.Height - TMap::MinSize);
  Data = Data << 3 | static_cast<std::uint64_t>(Code.Colors - TGame::MinColors);
  Data = Data << 32 | Code.Seed;
  const std::uint64_t All = Data << CheckBits | Check(Data);
  QString Text;
  for (int Index = Letters - 1; Index >= 0; --Index) {
    Text += QLatin1Char(Alphabet[(All >> (5 * Index)) & 31]);
    if (Index % 4 == 0 && Index != 0)
      Text += QLatin1Char('-');
  }
  return Text;
}

std::optional<TBoardCode> DecodeBoardCode(const QString& Text) {
  std::uint64_t All = 0;
  int Count = 0;
  for (const QChar Char : Text) {
    if (Char == QLatin1Char('-'))
      continue;
    const char Upper = Char.toUpper().toLatin1();
    const char* Found = Upper ? std::char_traits<char>::find(Alphabet, 32, Upper) : nullptr;
    if (!Found || ++Count > Letters)
      return std::nullopt;
    All = All << 5 | static_cast<std::uint64_t>(Found - Alphabet);
  }
  const std::uint64_t Data = All >> CheckBits;
  if (Count != Letters || Check(Data) != (All & ((1u << CheckBits) - 1)) || Data >> 44 != Format)
    return std::nullopt;
  TBoardCode Code;
  Code.Seed = static_cast<std::uint32_t>(Data);
  Code.Colors = static_cast<std::uint8_t>((Data >> 32 & 7) + TGame::MinColors);
  Code.Height = static_cast<int>(Data >> 35 & 15) + TMap::MinSize;
  Code.Width = static_cast<int>(Data >> 39 & 15) + TMap::MinSize;
  Code.Winnable = (Data >> 43 & 1) != 0;
  if (Code.Width > TMap::MaxSize || Code.Height > TMap::MaxSize || Code.Colors > TGame::MaxColors)
    return std::nullopt;
  return Code;
}
