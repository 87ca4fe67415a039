// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardPainter.h"

#include "model/Map.h"

#include <QPainter>
#include <QPalette>

namespace {

const QColor White(255, 255, 255);

// A stray colour byte beyond the table paints like an empty cell rather than reading past it.
const TPaletteEntry& EntryOf(std::uint8_t Color) {
  return Palette[Color < Palette.size() ? Color : 0];
}

// One-pixel rectangles instead of pen lines: exact pixels, crisp at any device pixel ratio.
void HLine(QPainter& Canvas, int Left, int Right, int Y, const QColor& Color) {
  Canvas.fillRect(QRect(Left, Y, Right - Left, 1), Color);
}

void VLine(QPainter& Canvas, int X, int Top, int Bottom, const QColor& Color) {
  Canvas.fillRect(QRect(X, Top, 1, Bottom - Top), Color);
}

// The 14 by 14 white square one pixel inside the cell, optionally filled inside.
void PaintCurrentFrame(QPainter& Canvas, const QRect& Rect, const QColor* Interior) {
  const QRect Frame = Rect.adjusted(1, 1, -1, -1);
  if (Interior)
    Canvas.fillRect(Frame.adjusted(1, 1, -1, -1), *Interior);
  HLine(Canvas, Frame.left(), Frame.right() + 1, Frame.top(), White);
  VLine(Canvas, Frame.left(), Frame.top(), Frame.bottom() + 1, White);
  HLine(Canvas, Frame.left(), Frame.right() + 1, Frame.bottom(), White);
  VLine(Canvas, Frame.right(), Frame.top(), Frame.bottom() + 1, White);
}

// Lines on the outer ring where the neighbour differs or the board ends; the later line wins
// the shared corner, which gives grey boxes their raised look.
void PaintEdges(QPainter& Canvas, const TMap& Map, int ACol, int ARow, const QRect& Rect,
                bool ColorMode, const TSystemColors& Colors) {
  const std::uint8_t C = Map.GetColor(ACol, ARow);
  const QColor Edge(EntryOf(C).Edge);
  const QColor& Light = ColorMode ? Edge : Colors.BtnHighlight;
  const QColor& Dark = ColorMode ? Edge : Colors.BtnShadow;
  const int L = Rect.left(), T = Rect.top(), R = Rect.right() + 1, B = Rect.bottom() + 1;

  if (ARow == 0 || Map.GetColor(ACol, ARow - 1) != C)
    HLine(Canvas, L, R, T, Light);
  if (ACol == 0 || Map.GetColor(ACol - 1, ARow) != C)
    VLine(Canvas, L, T, B, Light);
  if (ARow == Map.Height() - 1 || Map.GetColor(ACol, ARow + 1) != C)
    HLine(Canvas, L, R, B - 1, Dark);
  if (ACol == Map.Width() - 1 || Map.GetColor(ACol + 1, ARow) != C)
    VLine(Canvas, R - 1, T, B, Dark);
}

} // namespace

TSystemColors TSystemColors::FromPalette(const QPalette& Source) {
  return {Source.color(QPalette::Button), Source.color(QPalette::Light),
          Source.color(QPalette::Dark), Source.color(QPalette::Base)};
}

void PaintBoardCell(QPainter& Canvas, const TMap& Map, int ACol, int ARow, const QRect& Rect,
                    bool Selected, bool ColorMode, std::uint8_t HighlightMode,
                    const TSystemColors& Colors) {
  if (!Map.Contains(ACol, ARow)) {
    Canvas.fillRect(Rect, QColor(Palette[0].Fill));
    return;
  }
  const std::uint8_t C = Map.GetColor(ACol, ARow);
  const QColor TrueFill(EntryOf(C).Fill);
  Canvas.fillRect(Rect, ColorMode || C == 0 ? TrueFill : Colors.BtnFace);

  if (Selected && HighlightMode != 2) {
    // Grey mode's filled frame is the only place a grey box shows its real colour.
    const bool Filled = !ColorMode && HighlightMode == 0;
    PaintCurrentFrame(Canvas, Rect, Filled ? &TrueFill : nullptr);
  }
  if (C != 0)
    PaintEdges(Canvas, Map, ACol, ARow, Rect, ColorMode, Colors);
}
