// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardPainter.h"
#include "model/Map.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const QRgb Untouched = qRgb(0x12, 0x34, 0x56);
const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);
const TSystemColors Grey{QColor(0xC0, 0xC0, 0xC0), QColor(0xE8, 0xE8, 0xE8),
                         QColor(0x80, 0x80, 0x80), QColor(0xFA, 0xFA, 0xFA)};

// Rows of digits, top row first: "120" is colours 1, 2 and empty.
void Load(TMap& Map, const std::vector<std::string>& Rows) {
  Map.SetWidth(static_cast<int>(Rows[0].size()));
  Map.SetHeight(static_cast<int>(Rows.size()));
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X)
      Map.SetColor(X, Y, static_cast<std::uint8_t>(Rows[Y][X] - '0'));
}

// Paints cell (ACol, ARow) at its place on a board-sized image with Ratio device pixels to a
// pixel and returns its device pixels; the test fails if anything lands outside the cell.
QImage PaintCell(const TMap& Map, int ACol, int ARow, bool Selected = false, bool ColorMode = true,
                 std::uint8_t HighlightMode = 2, bool Symbols = false, int Ratio = 1,
                 const TSystemColors& Colors = Grey, bool Hinted = false) {
  QImage Board(Map.Width() * 16 * Ratio, Map.Height() * 16 * Ratio, QImage::Format_RGB32);
  Board.setDevicePixelRatio(Ratio);
  Board.fill(Untouched);
  {
    QPainter Canvas(&Board);
    PaintBoardCell(Canvas, Map, ACol, ARow, QRect(ACol * 16, ARow * 16, 16, 16), Selected,
                   ColorMode, HighlightMode, Colors, Symbols, Hinted);
  }
  const QRect Device(ACol * 16 * Ratio, ARow * 16 * Ratio, 16 * Ratio, 16 * Ratio);
  for (int Y = 0; Y < Board.height(); ++Y)
    for (int X = 0; X < Board.width(); ++X)
      if (!Device.contains(X, Y)) {
        EXPECT_EQ(Board.pixel(X, Y), Untouched) << "spill at " << X << "," << Y;
      }
  QImage Cell = Board.copy(Device);
  Cell.setDevicePixelRatio(1);
  return Cell;
}

// Colour C alone amid empty cells.
void LoadLone(TMap& Map, int C) {
  Load(Map, {"000", "0" + std::to_string(C) + "0", "000"});
}

// WCAG contrast ratio of two sRGB colours.
double Contrast(QRgb A, QRgb B) {
  auto Luminance = [](QRgb Color) {
    double Sum = 0;
    for (auto [Channel, Weight] :
         {std::pair{qRed(Color), 0.2126}, {qGreen(Color), 0.7152}, {qBlue(Color), 0.0722}}) {
      const double C = Channel / 255.0;
      Sum += Weight * (C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4));
    }
    return Sum + 0.05;
  };
  return std::max(Luminance(A), Luminance(B)) / std::min(Luminance(A), Luminance(B));
}

// Which of the top, left, bottom and right lines are drawn: "T.B." has top and bottom.
std::string Lines(const QImage& Img, QRgb Edge) {
  const QPoint Mid[] = {{8, 0}, {0, 8}, {8, 15}, {15, 8}};
  std::string Result;
  for (int I = 0; I < 4; ++I)
    Result += Img.pixel(Mid[I]) == Edge ? "TLBR"[I] : '.';
  return Result;
}

TEST(BoardPainter, EveryColourUsesItsOwnFillAndEdge) {
  // Entries 4 and 7 pair a fill with an unrelated edge; the edge is never derived.
  const QRgb Fill[] = {0, 0xFF7F7F, 0x7FFF7F, 0x7F7FFF, 0x61C061, 0x74BACB, 0xFFFF7F, 0x7FFFFF};
  const QRgb Edge[] = {0, 0x7F3F3F, 0x3F7F3F, 0x3F3F7F, 0x7F3F7F, 0x3F7F7F, 0x7F7F3F, 0x3F3F3F};
  TMap Map;
  for (int C = 1; C <= 7; ++C) {
    Load(Map, {"000", "0" + std::to_string(C) + "0", "000"});
    const QImage Img = PaintCell(Map, 1, 1);
    EXPECT_EQ(Img.pixel(8, 8), 0xFF000000 | Fill[C]) << "colour " << C;
    EXPECT_EQ(Lines(Img, 0xFF000000 | Edge[C]), "TLBR") << "colour " << C;
  }
}

TEST(BoardPainter, LinesOnlyWhereTheNeighbourDiffersOrTheBoardEnds) {
  struct TCase {
    std::vector<std::string> Rows;
    int Col, Row;
    const char* Expected;
  };
  const TCase Cases[] = {
      {{"222", "222", "222"}, 1, 1, "...."}, {{"232", "222", "222"}, 1, 1, "T..."},
      {{"222", "022", "222"}, 1, 1, ".L.."}, {{"222", "222", "212"}, 1, 1, "..B."},
      {{"222", "227", "222"}, 1, 1, "...R"}, {{"222", "222", "222"}, 0, 0, "TL.."},
      {{"222", "222", "222"}, 2, 2, "..BR"}, {{"122", "122", "222"}, 0, 0, "TL.R"},
  };
  TMap Map;
  for (const TCase& C : Cases) {
    Load(Map, C.Rows);
    const std::uint8_t Colour = Map.GetColor(C.Col, C.Row);
    const QImage Img = PaintCell(Map, C.Col, C.Row);
    EXPECT_EQ(Lines(Img, Palette[Colour].Edge), C.Expected)
        << C.Rows[0] << "/" << C.Rows[1] << "/" << C.Rows[2] << " at " << C.Col << "," << C.Row;
    EXPECT_EQ(Img.pixel(8, 8), Palette[Colour].Fill);
  }
}

TEST(BoardPainter, LinesCoverWholeSidesAndLaterLinesWinTheCorners) {
  TMap Map;
  // The right line alone reaches the top row; the bottom line alone the left column.
  Load(Map, {"111", "112", "121"});
  QImage Img = PaintCell(Map, 1, 1);
  EXPECT_EQ(Img.pixel(15, 0), Palette[1].Edge);
  EXPECT_EQ(Img.pixel(14, 0), Palette[1].Fill);
  EXPECT_EQ(Img.pixel(0, 15), Palette[1].Edge);
  EXPECT_EQ(Img.pixel(0, 14), Palette[1].Fill);

  // Grey boxes look raised: light top and left, dark bottom and right, dark corners shared.
  Load(Map, {"121", "232", "121"});
  Img = PaintCell(Map, 1, 1, false, false);
  const QRgb Light = Grey.BtnHighlight.rgb(), Dark = Grey.BtnShadow.rgb();
  EXPECT_EQ(Img.pixel(8, 8), Grey.BtnFace.rgb());
  EXPECT_EQ(Lines(Img, Light), "TL..");
  EXPECT_EQ(Lines(Img, Dark), "..BR");
  EXPECT_EQ(Img.pixel(0, 0), Light);
  EXPECT_EQ(Img.pixel(15, 0), Dark) << "top-right belongs to the right line";
  EXPECT_EQ(Img.pixel(0, 15), Dark) << "bottom-left belongs to the bottom line";
}

TEST(BoardPainter, CurrentCellFrameFollowsModeAndColourMode) {
  TMap Map;
  Load(Map, {"555", "545", "555"});
  const QRgb Fill = Palette[4].Fill, Face = Grey.BtnFace.rgb();
  struct TCase {
    bool Selected, ColorMode;
    std::uint8_t Mode;
    QRgb Ring, Inside;
  };
  const TCase Cases[] = {
      {true, true, 0, White, Fill}, {true, true, 1, White, Fill},  {true, true, 2, Fill, Fill},
      {false, true, 0, Fill, Fill}, {true, false, 0, White, Fill}, {true, false, 1, White, Face},
      {true, false, 2, Face, Face},
  };
  for (const TCase& C : Cases) {
    const QImage Img = PaintCell(Map, 1, 1, C.Selected, C.ColorMode, C.Mode);
    const std::string Where = "colour " + std::to_string(C.ColorMode) + " mode " +
                              std::to_string(C.Mode) + " selected " + std::to_string(C.Selected);
    for (QPoint P : {QPoint(1, 1), QPoint(14, 1), QPoint(1, 14), QPoint(14, 14), QPoint(8, 1)})
      EXPECT_EQ(Img.pixel(P), C.Ring) << Where;
    EXPECT_EQ(Img.pixel(2, 2), C.Inside) << Where;
    EXPECT_EQ(Img.pixel(13, 13), C.Inside) << Where;
    EXPECT_EQ(Img.pixel(15, 15), C.ColorMode ? Palette[4].Edge : Grey.BtnShadow.rgb()) << Where;
  }
}

TEST(BoardPainter, EmptyCellIsBlackWithoutLinesButTakesTheFrame) {
  TMap Map;
  Load(Map, {"011", "111", "111"});
  for (bool ColorMode : {true, false}) {
    EXPECT_EQ(PaintCell(Map, 0, 0, false, ColorMode), PaintCell(Map, 0, 0, true, true, 2));
    EXPECT_EQ(PaintCell(Map, 0, 0, false, ColorMode).pixel(0, 0), Black);
    const QImage Framed = PaintCell(Map, 0, 0, true, ColorMode, 0);
    EXPECT_EQ(Framed.pixel(1, 1), White);
    EXPECT_EQ(Framed.pixel(2, 2), Black);
    EXPECT_EQ(Framed.pixel(15, 15), Black);
  }
}

TEST(BoardPainter, CellsOutsideTheMapPaintBlackWithoutThrowing) {
  TMap Map;
  Load(Map, {"1234", "5670", "1111"});
  QImage Img(16, 16, QImage::Format_RGB32);
  QPainter Canvas(&Img);
  for (QPoint P : {QPoint(4, 0), QPoint(0, 3), QPoint(-1, 0), QPoint(0, -1)}) {
    Img.fill(Untouched);
    EXPECT_NO_THROW(PaintBoardCell(Canvas, Map, P.x(), P.y(), Img.rect(), true, true, 0, Grey));
    EXPECT_EQ(Img.pixel(8, 8), Black);
  }
}

TEST(BoardPainter, LinesStayCrispOnAScaledScreen) {
  TMap Map;
  Load(Map, {"111", "121", "111"});
  QImage Board(32, 32, QImage::Format_RGB32);
  Board.setDevicePixelRatio(2);
  {
    QPainter Canvas(&Board);
    PaintBoardCell(Canvas, Map, 1, 1, QRect(0, 0, 16, 16), true, true, 1, Grey);
  }
  // Each logical pixel is two device pixels of exactly the line's colour.
  const QRgb Column[] = {Palette[2].Edge, Palette[2].Edge, White, White, Palette[2].Fill};
  for (int Y = 0; Y < 5; ++Y)
    EXPECT_EQ(Board.pixel(16, Y), Column[Y]) << "device row " << Y;
}

// Grey boxes need a highlight clearly lighter and a shadow clearly darker than the face, and a
// face the white frame stands out on; otherwise the classic greys replace the desktop's.
TEST(BoardPainter, GreyModeKeepsDesktopColoursOnlyWhereTheyLookRaised) {
  auto Scheme = [](QRgb Face, QRgb Light, QRgb Dark) {
    QPalette Colors;
    Colors.setColor(QPalette::Button, QColor(Face));
    Colors.setColor(QPalette::Light, QColor(Light));
    Colors.setColor(QPalette::Dark, QColor(Dark));
    const TSystemColors Used = TSystemColors::FromPalette(Colors);
    return std::vector<QRgb>{Used.BtnFace.rgb(), Used.BtnHighlight.rgb(), Used.BtnShadow.rgb()};
  };
  const std::vector<QRgb> Classic{qRgb(0xC0, 0xC0, 0xC0), qRgb(0xFF, 0xFF, 0xFF),
                                  qRgb(0x80, 0x80, 0x80)};
  EXPECT_EQ(Scheme(qRgb(0xEF, 0xEF, 0xEF), qRgb(0xFF, 0xFF, 0xFF), qRgb(0x9F, 0x9F, 0x9F)), Classic)
      << "light and flat: the highlight vanishes on the face";
  EXPECT_EQ(Scheme(qRgb(0x35, 0x35, 0x35), qRgb(0x42, 0x42, 0x42), qRgb(0x23, 0x23, 0x23)), Classic)
      << "dark and flat";
  const std::vector<QRgb> Dark{qRgb(0x40, 0x40, 0x48), qRgb(0x70, 0x70, 0x78),
                               qRgb(0x18, 0x18, 0x20)};
  EXPECT_EQ(Scheme(Dark[0], Dark[1], Dark[2]), Dark) << "dark with a clear raised look: kept";
}

// Each colour's symbol has its own outline when seen by luminance alone, in colour and grey,
// at 1x and 2x; it stays in its box and leaves the fill, the edges and the raised look alone.
TEST(BoardPainter, SymbolsTellEveryColourApartWithoutColour) {
  TMap Map;
  for (int Ratio : {1, 2})
    for (bool ColorMode : {true, false}) {
      SCOPED_TRACE("ratio " + std::to_string(Ratio) + " colour mode " + std::to_string(ColorMode));
      const int Inset = SymbolInset * Ratio;
      const QRect Box = QRect(0, 0, 16 * Ratio, 16 * Ratio).adjusted(Inset, Inset, -Inset, -Inset);
      std::vector<std::vector<bool>> Masks;
      for (int C = 1; C <= 7; ++C) {
        LoadLone(Map, C);
        const QImage Plain = PaintCell(Map, 1, 1, false, ColorMode, 2, false, Ratio);
        const QImage Marked = PaintCell(Map, 1, 1, false, ColorMode, 2, true, Ratio);
        const QRgb Ground = Plain.pixel(Box.center());
        std::vector<bool> Mask;
        for (int Y = 0; Y < Plain.height(); ++Y)
          for (int X = 0; X < Plain.width(); ++X)
            if (!Box.contains(X, Y)) {
              ASSERT_EQ(Marked.pixel(X, Y), Plain.pixel(X, Y)) << C << " outside the box";
            } else {
              ASSERT_EQ(Plain.pixel(X, Y), Ground) << C << " has a symbol while they are off";
              Mask.push_back((qGray(Marked.pixel(X, Y)) >= 128) != (qGray(Ground) >= 128));
            }
        Masks.push_back(Mask);
      }
      // Apart by at least four pixels, not a stray one.
      for (std::size_t A = 0; A < Masks.size(); ++A)
        for (std::size_t B = A + 1; B < Masks.size(); ++B) {
          int Differ = 0;
          for (std::size_t I = 0; I < Masks[A].size(); ++I)
            Differ += Masks[A][I] != Masks[B][I];
          EXPECT_GE(Differ, 4 * Ratio * Ratio) << "colours " << A + 1 << " and " << B + 1;
        }
    }
}

// While symbols are on, the current-cell frame and the symbol reach 3:1 against every fill
// and against the desktop's grey, light or dark.
TEST(BoardPainter, FrameAndSymbolStandOutOnEveryFill) {
  const TSystemColors DarkGrey{QColor(0x40, 0x40, 0x48), QColor(0x70, 0x70, 0x78),
                               QColor(0x18, 0x18, 0x20), QColor(0x20, 0x20, 0x20)};
  TMap Map;
  for (const TSystemColors& Colors : {Grey, DarkGrey})
    for (bool ColorMode : {true, false})
      for (std::uint8_t Mode : {0, 1})
        for (int C = 0; C <= 7; ++C) {
          SCOPED_TRACE("colour " + std::to_string(C) + " mode " + std::to_string(Mode) +
                       " colour mode " + std::to_string(ColorMode));
          LoadLone(Map, C);
          const QImage Img = PaintCell(Map, 1, 1, true, ColorMode, Mode, true, 1, Colors);
          const QRgb Fill = ColorMode || C == 0 ? Palette[C].Fill : Colors.BtnFace.rgb();
          // One of the two lines stands out from the box, and one from what the frame holds.
          for (QRgb Ground : {Fill, Img.pixel(3, 3)})
            EXPECT_GE(
                std::max(Contrast(Img.pixel(1, 8), Ground), Contrast(Img.pixel(2, 8), Ground)),
                3.0);
          std::set<QRgb> Inks;
          for (int I = SymbolInset; I < 16 - SymbolInset; ++I)
            for (int J = SymbolInset; J < 16 - SymbolInset; ++J)
              Inks.insert(Img.pixel(I, J));
          if (C != 0) {
            EXPECT_GE(Contrast(*Inks.begin(), *Inks.rbegin()), 3.0) << "symbol";
          }
        }
}

// On every fill, in colour and grey, with and without symbols, an eighth of the hinted cell
// stands out at 3:1 both from the box unmarked and from the current-cell frame.
TEST(BoardPainter, HintMarkStandsOutFromTheBoxAndFromTheFrame) {
  TMap Map;
  for (int Look = 0; Look < 56; ++Look) { // colour, colour mode, symbols, unmarked or framed
    LoadLone(Map, Look % 7 + 1);
    const auto Paint = [&](bool Selected, bool Hint) {
      return PaintCell(Map, 1, 1, Selected, Look / 7 % 2, 1, Look / 14 % 2, 1, Grey, Hint);
    };
    const QImage Hinted = Paint(false, true), Other = Paint(Look >= 28, false);
    int Out = 0;
    for (int I = 0; I < 256; ++I)
      Out += Contrast(Hinted.pixel(I % 16, I / 16), Other.pixel(I % 16, I / 16)) >= 3;
    EXPECT_GE(Out, 32) << "look " << Look;
  }
}

} // namespace
