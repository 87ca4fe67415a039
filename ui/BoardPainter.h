// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints one cell of the board: a box filled from the palette, edge lines only where the
// group ends, the optional white frame of the current cell, and on request a symbol that
// tells the colours apart without colour.

#include <QColor>
#include <QRect>
#include <array>
#include <cstdint>

class QPainter;
class QPalette;
class TMap;

struct TPaletteEntry {
  QRgb Fill;
  QRgb Edge;
};

// Indexed by a cell's colour byte; 0 is the empty cell.
inline constexpr std::array<TPaletteEntry, 8> Palette{{
    {qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x00)},
    {qRgb(0xFF, 0x7F, 0x7F), qRgb(0x7F, 0x3F, 0x3F)},
    {qRgb(0x7F, 0xFF, 0x7F), qRgb(0x3F, 0x7F, 0x3F)},
    {qRgb(0x7F, 0x7F, 0xFF), qRgb(0x3F, 0x3F, 0x7F)},
    {qRgb(0x61, 0xC0, 0x61), qRgb(0x7F, 0x3F, 0x7F)},
    {qRgb(0x74, 0xBA, 0xCB), qRgb(0x3F, 0x7F, 0x7F)},
    {qRgb(0xFF, 0xFF, 0x7F), qRgb(0x7F, 0x7F, 0x3F)},
    {qRgb(0x7F, 0xFF, 0xFF), qRgb(0x3F, 0x3F, 0x3F)},
}};

// The desktop colours that grey mode and the grid's spare strip are painted with.
struct TSystemColors {
  QColor BtnFace;
  QColor BtnHighlight;
  QColor BtnShadow;
  QColor Window;

  // The desktop's button colours where they give grey boxes a visible raised look,
  // otherwise the classic light grey with white and mid-grey shades.
  static TSystemColors FromPalette(const QPalette& Source);
  bool GivesRaisedLook() const;
};

// The core of the hint's corner marks: a vivid magenta, a hue no box has.
inline constexpr QRgb HintMarkCore = qRgb(0xFF, 0x00, 0xFF);

// Symbols lie this many pixels inside the cell, clear of the edge lines and the frame.
inline constexpr int SymbolInset = 4;

// Paints cell (ACol, ARow) of Map into Rect. HighlightMode: 0 filled frame, 1 outline frame,
// 2 none; the frame is drawn only when Selected. A cell outside the map is painted black.
// With Symbols every box carries its colour's shape, black or white against what lies under
// it, and the frame gets a black line inside the white one, so that it shows on light fills.
// A Hinted cell gets corner marks over all that, whatever the highlight mode.
void PaintBoardCell(QPainter& Canvas, const TMap& Map, int ACol, int ARow, const QRect& Rect,
                    bool Selected, bool ColorMode, std::uint8_t HighlightMode,
                    const TSystemColors& Colors, bool Symbols = false, bool Hinted = false);
