// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardPainter.h"
#include "model/Map.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>
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

// Paints cell (ACol, ARow) at its place on a board-sized image and returns its 16x16 pixels;
// the test fails if anything lands outside the cell.
QImage PaintCell(const TMap& Map, int ACol, int ARow, bool Selected = false, bool ColorMode = true,
                 std::uint8_t HighlightMode = 2) {
  QImage Board(Map.Width() * 16, Map.Height() * 16, QImage::Format_RGB32);
  Board.fill(Untouched);
  const QRect Rect(ACol * 16, ARow * 16, 16, 16);
  {
    QPainter Canvas(&Board);
    PaintBoardCell(Canvas, Map, ACol, ARow, Rect, Selected, ColorMode, HighlightMode, Grey);
  }
  for (int Y = 0; Y < Board.height(); ++Y)
    for (int X = 0; X < Board.width(); ++X)
      if (!Rect.contains(X, Y)) {
        EXPECT_EQ(Board.pixel(X, Y), Untouched) << "spill at " << X << "," << Y;
      }
  return Board.copy(Rect);
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

} // namespace
