// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardPainter.h"

#include "model/Map.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

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

// The line inside the white frame that keeps it visible on fills close to white.
void PaintFrameLining(QPainter& Canvas, const QRect& Rect) {
  const QRect Lining = Rect.adjusted(2, 2, -2, -2);
  HLine(Canvas, Lining.left(), Lining.right() + 1, Lining.top(), Black);
  VLine(Canvas, Lining.left(), Lining.top(), Lining.bottom() + 1, Black);
  HLine(Canvas, Lining.left(), Lining.right() + 1, Lining.bottom(), Black);
  VLine(Canvas, Lining.right(), Lining.top(), Lining.bottom() + 1, Black);
}

// Shapes in a square of side 2 centred on the origin, y pointing down. They differ in
// outline, not only in size, so each stays recognisable at 8 pixels across.
using TShape = bool (*)(double U, double V);

bool Disc(double U, double V) {
  return U * U + V * V <= 1.0;
}
bool Triangle(double U, double V) {
  return std::abs(U) <= (V + 1.25) / 2;
}
bool Square(double U, double V) {
  return std::abs(U) <= 0.8 && std::abs(V) <= 0.8;
}
bool Diamond(double U, double V) {
  return std::abs(U) + std::abs(V) <= 1.0;
}
bool Plus(double U, double V) {
  return std::abs(U) <= 0.3 || std::abs(V) <= 0.3;
}
bool Saltire(double U, double V) {
  return std::abs(std::abs(U) - std::abs(V)) <= 0.2;
}
bool Ring(double U, double V) {
  const double R = U * U + V * V;
  return R >= 0.45 && R <= 1.0;
}

// Indexed like Palette; the empty cell has none. The colours that colour-blind eyes confuse
// most (red with dark green, dark green with teal, light green with yellow) get the shapes
// that differ most.
constexpr std::array<TShape, 8> Shapes{nullptr, Disc,    Triangle, Square,
                                       Plus,    Diamond, Saltire,  Ring};

// Relative luminance of an sRGB colour, as contrast ratios are defined on it.
double Luminance(const QColor& Color) {
  auto Linear = [](int Channel) {
    const double C = Channel / 255.0;
    return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Linear(Color.red()) + 0.7152 * Linear(Color.green()) +
         0.0722 * Linear(Color.blue());
}

// Black or white, whichever stands out more from Ground: luminance survives every kind of
// colour blindness and grey mode alike.
const QColor& InkFor(const QColor& Ground) {
  // Above it black contrasts more than white: (L + 0.05) / 0.05 > 1.05 / (L + 0.05).
  constexpr double EqualContrast = 0.179;
  return Luminance(Ground) > EqualContrast ? Black : White;
}

// Decides every device pixel of the box by its centre and fills runs of whole device pixels:
// sharp at any scale, and finer, not blockier, on a high-density screen.
void PaintSymbol(QPainter& Canvas, const QRect& Box, TShape Inside, const QColor& Ink) {
  const QPaintDevice* Device = Canvas.device();
  const double Ratio = Device ? Device->devicePixelRatioF() : 1.0;
  const int Across = std::max(1, static_cast<int>(std::lround(Box.width() * Ratio)));
  const double Pixel = static_cast<double>(Box.width()) / Across; // in logical units
  auto Centre = [Across](int Index) { return (Index + 0.5) / Across * 2 - 1; };
  // Whole device pixels, never blended ones.
  const bool Smooth = Canvas.testRenderHint(QPainter::Antialiasing);
  Canvas.setRenderHint(QPainter::Antialiasing, false);
  for (int Y = 0; Y < Across; ++Y) {
    int RunStart = -1;
    for (int X = 0; X <= Across; ++X) {
      const bool In = X < Across && Inside(Centre(X), Centre(Y));
      if (In && RunStart < 0)
        RunStart = X;
      if (!In && RunStart >= 0) {
        Canvas.fillRect(QRectF(Box.left() + RunStart * Pixel, Box.top() + Y * Pixel,
                               (X - RunStart) * Pixel, Pixel),
                        Ink);
        RunStart = -1;
      }
    }
  }
  Canvas.setRenderHint(QPainter::Antialiasing, Smooth);
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

// Four thick corner brackets, black on both sides of a vivid core. Corners, not a ring, so it
// never reads as the current-cell frame or as a group's outline; the black gives it contrast on
// every pale fill and on grey, the core on dark desktops and to the eye looking for it.
//
// With symbols, thick black would hem in the symbol and blend with it: the brackets then keep
// to the outer ring the symbol never reaches: the core outside, where the box's edge is dark,
// black for the pale fills, and white between it and the symbol.
void PaintHintMark(QPainter& Canvas, const QRect& Rect, bool Symbols) {
  const int Arm = 6, Thick = Symbols ? SymbolInset - 1 : 4;
  const QColor Core(HintMarkCore);
  for (bool Right : {false, true})
    for (bool Bottom : {false, true}) {
      // Laid out for the top-left corner and mirrored into the others.
      auto Place = [&](int X, int Y, int W, int H, const QColor& Color) {
        const int Left = Right ? Rect.right() + 1 - X - W : Rect.left() + X;
        const int Top = Bottom ? Rect.bottom() + 1 - Y - H : Rect.top() + Y;
        Canvas.fillRect(QRect(Left, Top, W, H), Color);
      };
      if (Symbols) {
        Place(0, 0, Arm, Thick, White);
        Place(0, 0, Thick, Arm, White);
        Place(0, 0, Arm, Thick - 1, Black);
        Place(0, 0, Thick - 1, Arm, Black);
        Place(0, 0, Arm, 1, Core);
        Place(0, 0, 1, Arm, Core);
        continue;
      }
      Place(0, 0, Arm, Thick, Black);
      Place(0, 0, Thick, Arm, Black);
      Place(1, 1, Arm - 2, Thick - 2, Core);
      Place(1, 1, Thick - 2, Arm - 2, Core);
    }
}

} // namespace

// Grey boxes look raised only when the desktop's highlight is clearly lighter than its button
// face, its shadow clearly darker, and the white current-cell frame stands out on the face.
// "Clearly" is a grey-level step of at least MinContrast (1/8 of the range); today's flat
// schemes (face #efefef under a white highlight) fail it and get the classic greys instead.
bool TSystemColors::GivesRaisedLook() const {
  constexpr int MinContrast = 32;
  const int Face = qGray(BtnFace.rgb());
  return qGray(BtnHighlight.rgb()) - Face >= MinContrast &&
         Face - qGray(BtnShadow.rgb()) >= MinContrast && 255 - Face >= MinContrast;
}

TSystemColors TSystemColors::FromPalette(const QPalette& Source) {
  TSystemColors Colors{Source.color(QPalette::Button), Source.color(QPalette::Light),
                       Source.color(QPalette::Dark), Source.color(QPalette::Base)};
  if (!Colors.GivesRaisedLook()) {
    Colors.BtnFace = QColor(0xC0, 0xC0, 0xC0);
    Colors.BtnHighlight = QColor(0xFF, 0xFF, 0xFF);
    Colors.BtnShadow = QColor(0x80, 0x80, 0x80);
  }
  return Colors;
}

void PaintBoardCell(QPainter& Canvas, const TMap& Map, int ACol, int ARow, const QRect& Rect,
                    bool Selected, bool ColorMode, std::uint8_t HighlightMode,
                    const TSystemColors& Colors, bool Symbols, bool Hinted) {
  if (!Map.Contains(ACol, ARow)) {
    Canvas.fillRect(Rect, QColor(Palette[0].Fill));
    return;
  }
  const std::uint8_t C = Map.GetColor(ACol, ARow);
  const QColor TrueFill(EntryOf(C).Fill);
  const QColor& Fill = ColorMode || C == 0 ? TrueFill : Colors.BtnFace;
  Canvas.fillRect(Rect, Fill);

  const bool Framed = Selected && HighlightMode != 2;
  // Grey mode's filled frame is the only place a grey box shows its real colour.
  const bool Filled = Framed && !ColorMode && HighlightMode == 0;
  if (Framed) {
    PaintCurrentFrame(Canvas, Rect, Filled ? &TrueFill : nullptr);
    if (Symbols)
      PaintFrameLining(Canvas, Rect);
  }
  if (Symbols && C < Shapes.size() && Shapes[C]) {
    const QRect Box = Rect.adjusted(SymbolInset, SymbolInset, -SymbolInset, -SymbolInset);
    PaintSymbol(Canvas, Box, Shapes[C], InkFor(Filled ? TrueFill : Fill));
  }
  if (C != 0)
    PaintEdges(Canvas, Map, ACol, ARow, Rect, ColorMode, Colors);
  if (Hinted)
    PaintHintMark(Canvas, Rect, Symbols);
}
