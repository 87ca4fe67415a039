// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PaintedWords.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

namespace {

// The lettering of the picture's sources: a 2.4-pixel outline under the letters, and a
// shadow blurred by 0.8 pixels, one pixel lower, 70% black.
constexpr qreal OutlineWidth = 2.4;
constexpr qreal ShadowBlur = 0.8;
constexpr qreal ShadowDrop = 1.0;
constexpr qreal ShadowOpacity = 0.7;
// The letters are shaped once at this size and scaled, so every size is exact.
constexpr int ShapingSize = 100;
// A second line only where it makes the letters clearly larger than one line would.
constexpr qreal SecondLineGain = 1.1;

// Each line centred on x = 0, lines one em apart, the first baseline at y = 0.
QPainterPath ShapeLines(const TPaintedWord& Word, const QStringList& Lines) {
  const QFont Font = PaintedWordFont(Word, ShapingSize);
  QPainterPath Shape;
  for (qsizetype Index = 0; Index < Lines.size(); ++Index) {
    QPainterPath Line;
    Line.addText(0, Index * ShapingSize, Font, Lines[Index]);
    Shape.addPath(Line.translated(-Line.boundingRect().center().x(), 0));
  }
  return Shape;
}

// The ways to write the word: on one line, or on two at each place the language may break.
std::vector<QStringList> LineChoices(const QString& Text) {
  std::vector<QStringList> Choices{{Text}};
  QTextBoundaryFinder Breaks(QTextBoundaryFinder::Line, Text);
  for (qsizetype At = Breaks.toNextBoundary(); At > 0 && At < Text.size();
       At = Breaks.toNextBoundary()) {
    const QString First = Text.left(At).trimmed();
    const QString Second = Text.mid(At).trimmed();
    if (!First.isEmpty() && !Second.isEmpty())
      Choices.push_back({First, Second});
  }
  return Choices;
}

struct TFit {
  QPainterPath Shape;
  qreal PixelSize = 0;
  qsizetype LineCount = 1;
};

// The largest size up to the picture's own (and up to Largest) at which the lines, outline
// included, fill the room; two lines keep off its top and bottom. Sizes scale the shapes
// exactly, so one measurement gives it.
TFit Fit(const TPaintedWord& Word, const QStringList& Lines, const QSizeF& Room, qreal Largest) {
  const QPainterPath Shape = ShapeLines(Word, Lines);
  const QRectF Ink = Shape.boundingRect();
  const qreal Outline = Word.Outline.alpha() ? OutlineWidth / Word.PixelSize : 0;
  const qreal PerPixelWidth = Ink.width() / ShapingSize + Outline;
  const qreal PerPixelHeight = Ink.height() / ShapingSize + Outline;
  const qreal Height = Room.height() - (Lines.size() > 1 ? 2 * TwoLineMargin : 0);
  const qreal Size =
      std::min({Word.PixelSize, Largest, Room.width() / PerPixelWidth, Height / PerPixelHeight});
  return {Shape, Size, Lines.size()};
}

// One line, unless two are clearly larger; of two lines of the same size, the more even.
TFit BestFit(const TPaintedWord& Word, const QSizeF& Room, qreal Largest) {
  const std::vector<QStringList> Choices = LineChoices(Word.Text);
  const TFit OneLine = Fit(Word, Choices.front(), Room, Largest);
  std::optional<TFit> TwoLines;
  for (auto Lines = Choices.begin() + 1; Lines != Choices.end(); ++Lines) {
    TFit Candidate = Fit(Word, *Lines, Room, Largest);
    const qreal Gain = TwoLines ? Candidate.PixelSize - TwoLines->PixelSize : 1;
    const bool Narrower =
        TwoLines && Candidate.Shape.boundingRect().width() < TwoLines->Shape.boundingRect().width();
    if (Gain > 0.01 || (Gain > -0.01 && Narrower))
      TwoLines = std::move(Candidate);
  }
  // Held to a group's size, the word takes it on one line where one line reaches it.
  if (Largest < std::numeric_limits<qreal>::max())
    return TwoLines && OneLine.PixelSize < Largest - 0.01 ? *TwoLines : OneLine;
  return TwoLines && TwoLines->PixelSize > OneLine.PixelSize * SecondLineGain ? *TwoLines : OneLine;
}

// Blurs the alpha of a shadow of black, whose colour stays premultiplied black.
void BlurAlpha(QImage& Shadow, qreal Sigma) {
  const int Radius = static_cast<int>(std::ceil(3 * Sigma));
  std::vector<float> Kernel(2 * Radius + 1);
  for (int X = -Radius; X <= Radius; ++X)
    Kernel[X + Radius] = std::exp(-X * X / (2 * Sigma * Sigma));
  const float Total = std::accumulate(Kernel.begin(), Kernel.end(), 0.0f);
  for (float& Weight : Kernel)
    Weight /= Total;
  const int W = Shadow.width();
  const int H = Shadow.height();
  std::vector<float> Alpha(static_cast<std::size_t>(W) * H);
  std::vector<float> Pass(Alpha.size());
  for (int Y = 0; Y < H; ++Y) {
    const auto* Line = reinterpret_cast<const QRgb*>(Shadow.constScanLine(Y));
    for (int X = 0; X < W; ++X)
      Alpha[Y * W + X] = qAlpha(Line[X]);
  }
  const auto Run = [&](const std::vector<float>& From, std::vector<float>& To, int Step, int Span,
                       auto Coordinate) {
    for (std::size_t I = 0; I < From.size(); ++I) {
      float Sum = 0;
      for (int K = -Radius; K <= Radius; ++K) {
        const int At = Coordinate(static_cast<int>(I)) + K;
        if (At >= 0 && At < Span)
          Sum += Kernel[K + Radius] * From[I + K * Step];
      }
      To[I] = Sum;
    }
  };
  Run(Alpha, Pass, 1, W, [W](int I) { return I % W; });
  Run(Pass, Alpha, W, H, [W](int I) { return I / W; });
  for (int Y = 0; Y < H; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Shadow.scanLine(Y));
    for (int X = 0; X < W; ++X)
      Line[X] = qRgba(0, 0, 0, std::clamp(qRound(Alpha[Y * W + X]), 0, 255));
  }
}

void PaintShadow(QPainter& Canvas, const QPainterPath& Path, const QPen& Outline,
                 qreal PixelRatio) {
  const qreal Sigma = ShadowBlur * PixelRatio;
  const QRect Bounds =
      Path.boundingRect()
          .adjusted(-Outline.widthF(), -Outline.widthF(), Outline.widthF(), Outline.widthF())
          .adjusted(-3 * Sigma, -3 * Sigma, 3 * Sigma, 3 * Sigma)
          .toAlignedRect();
  QImage Shadow(Bounds.size(), QImage::Format_ARGB32_Premultiplied);
  Shadow.fill(Qt::transparent);
  {
    QPainter Shape(&Shadow);
    Shape.setRenderHint(QPainter::Antialiasing);
    Shape.translate(-Bounds.topLeft());
    QPen Black = Outline;
    Black.setColor(Qt::black);
    Shape.strokePath(Path, Black);
    Shape.fillPath(Path, Qt::black);
  }
  BlurAlpha(Shadow, Sigma);
  Canvas.save();
  Canvas.setOpacity(ShadowOpacity);
  Canvas.drawImage(QPointF(Bounds.topLeft()) + QPointF(0, ShadowDrop * PixelRatio), Shadow);
  Canvas.restore();
}

void PaintWord(QPainter& Canvas, const TPaintedWord& Word, const TWordLayout& Layout,
               qreal PixelRatio) {
  if (Word.Outline.alpha() == 0) {
    Canvas.fillPath(Layout.Path, Word.Fill);
    return;
  }
  QPen Outline(Word.Outline, Layout.OutlineWidth * PixelRatio);
  Outline.setJoinStyle(Qt::RoundJoin);
  PaintShadow(Canvas, Layout.Path, Outline, PixelRatio);
  Canvas.strokePath(Layout.Path, Outline);
  Canvas.fillPath(Layout.Path, Word.Fill);
}

} // namespace

QFont PaintedWordFont(const TPaintedWord& Word, qreal PixelSize) {
  QFont Font(QStringLiteral("Liberation Sans"));
  Font.setPixelSize(std::max(1, qRound(PixelSize)));
  Font.setBold(Word.Bold);
  Font.setHintingPreference(QFont::PreferNoHinting);
  Font.setLetterSpacing(QFont::AbsoluteSpacing, Word.LetterSpacing * PixelSize / Word.PixelSize);
  return Font;
}

QRectF WordRoom(const TPaintedWord& Word, qreal PixelRatio) {
  // Clear of the button's round ends and its rim.
  const QRectF Room = Word.Outline.alpha() ? Word.Face.adjusted(6, 1.5, -6, -1.5) : Word.Face;
  return {Room.topLeft() * PixelRatio, Room.size() * PixelRatio};
}

TWordLayout LayOutWord(const TPaintedWord& Word, qreal PixelRatio, qreal LargestSize) {
  const QRectF Room = WordRoom(Word, PixelRatio);
  const TFit Best = BestFit(Word, Room.size() / PixelRatio, LargestSize);
  const qreal Scale = Best.PixelSize * PixelRatio / ShapingSize;
  // The block of lines is centred on the face by its capitals, as the picture's words are.
  const qreal CapHeight = QFontMetricsF(PaintedWordFont(Word, ShapingSize)).capHeight() * Scale;
  const qreal LineDistance = ShapingSize * Scale;
  const qreal FirstBaseline =
      Room.center().y() + CapHeight / 2 - (Best.LineCount - 1) * LineDistance / 2;
  QTransform Place;
  Place.translate(Room.center().x(), FirstBaseline);
  Place.scale(Scale, Scale);
  const qreal Outline = Word.Outline.alpha() ? OutlineWidth * Best.PixelSize / Word.PixelSize : 0;
  QPainterPath Path = Place.map(Best.Shape);
  // Letters deeper than capitals, as in Chinese and Japanese, are moved back into the room,
  // and two lines back off its top and bottom.
  const qreal Margin = Best.LineCount > 1 ? TwoLineMargin * PixelRatio : 0;
  const QRectF Inside = Room.adjusted(0, Margin, 0, -Margin);
  const qreal Half = Outline * PixelRatio / 2;
  const QRectF Ink = Path.boundingRect().adjusted(-Half, -Half, Half, Half);
  Path.translate(0, std::max(Inside.top() - Ink.top(), 0.0) -
                        std::max(Ink.bottom() - Inside.bottom(), 0.0));
  return {Path, Best.PixelSize, Outline, Best.LineCount};
}

std::vector<TWordLayout> LayOutWords(const std::vector<TPaintedWord>& Words, qreal PixelRatio) {
  std::vector<TWordLayout> Layouts;
  for (const TPaintedWord& Word : Words)
    Layouts.push_back(LayOutWord(Word, PixelRatio));
  // A group's words are laid out again at the size of its smallest; at that size each one
  // fits, and may now fit on one line.
  std::map<int, qreal> Smallest;
  for (std::size_t Index = 0; Index < Words.size(); ++Index)
    if (const int Group = Words[Index].SizeGroup; Group != 0) {
      const auto Found = Smallest.find(Group);
      Smallest[Group] = Found == Smallest.end() ? Layouts[Index].PixelSize
                                                : std::min(Found->second, Layouts[Index].PixelSize);
    }
  for (std::size_t Index = 0; Index < Words.size(); ++Index)
    if (const int Group = Words[Index].SizeGroup; Group != 0)
      Layouts[Index] = LayOutWord(Words[Index], PixelRatio, Smallest[Group]);
  return Layouts;
}

void PaintWords(QImage& Picture, const std::vector<TPaintedWord>& Words) {
  const qreal PixelRatio = Picture.devicePixelRatio();
  Picture.setDevicePixelRatio(1.0);
  {
    const std::vector<TWordLayout> Layouts = LayOutWords(Words, PixelRatio);
    QPainter Canvas(&Picture);
    Canvas.setRenderHint(QPainter::Antialiasing);
    for (std::size_t Index = 0; Index < Words.size(); ++Index)
      PaintWord(Canvas, Words[Index], Layouts[Index], PixelRatio);
  }
  Picture.setDevicePixelRatio(PixelRatio);
}
