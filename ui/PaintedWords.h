// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words on the main window's painted buttons and under its logo, drawn in the player's
// language onto the background picture without words, in the picture's own lettering: white
// bold with a coloured outline and a soft shadow, centred on the button, made smaller (and
// broken into two lines where the language allows) where a word is long. The words of a row
// of alike buttons share one size, so that no button of the row looks more important.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <limits>
#include <vector>

struct TPaintedWord {
  QString Text;
  QRectF Face;     // the painted button face, in window pixels
  qreal PixelSize; // the lettering's size in the English picture, in window pixels
  QColor Outline;  // no outline and no shadow when transparent
  QColor Fill = Qt::white;
  bool Bold = true;
  qreal LetterSpacing = 0;
  int SizeGroup = 0; // the words of one group other than 0 share one type size
};

struct TWordLayout {
  QPainterPath Path; // the letters' shapes in the picture's pixels
  qreal PixelSize;   // in window pixels
  qreal OutlineWidth;
  qsizetype LineCount;
};

// The family the picture's lettering uses; fontconfig supplies its own for scripts it lacks.
QFont PaintedWordFont(const TPaintedWord& Word, qreal PixelSize);
// Where the letters, outline included, must stay in a picture PixelRatio times the window.
QRectF WordRoom(const TPaintedWord& Word, qreal PixelRatio);
// Where a second line leaves the room, it keeps this far, in window pixels, from the room's
// top and bottom, off the button's rim.
inline constexpr qreal TwoLineMargin = 1.5;
// Each word at its own size, no larger than LargestSize.
TWordLayout LayOutWord(const TPaintedWord& Word, qreal PixelRatio,
                       qreal LargestSize = std::numeric_limits<qreal>::max());
// The words in order, each group of them at the smallest size any of its words fits at.
std::vector<TWordLayout> LayOutWords(const std::vector<TPaintedWord>& Words, qreal PixelRatio);
// Draws the words onto a picture of the window at its device pixel ratio.
void PaintWords(QImage& Picture, const std::vector<TPaintedWord>& Words);
