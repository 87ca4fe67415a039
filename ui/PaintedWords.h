// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words on the main window's painted buttons and under its logo, drawn in the player's
// language onto the background picture without words, in the picture's own lettering: white
// bold with a coloured outline and a soft shadow, centred on the button, made smaller (and
// broken into two lines where the language allows) where a word is long.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

struct TPaintedWord {
  QString Text;
  QRectF Face;     // the painted button face, in window pixels
  qreal PixelSize; // the lettering's size in the English picture, in window pixels
  QColor Outline;  // no outline and no shadow when transparent
  QColor Fill = Qt::white;
  bool Bold = true;
  qreal LetterSpacing = 0;
};

struct TWordLayout {
  QPainterPath Path; // the letters' shapes in the picture's pixels
  qreal PixelSize;   // in window pixels
  qreal OutlineWidth;
};

// The family the picture's lettering uses; fontconfig supplies its own for scripts it lacks.
QFont PaintedWordFont(const TPaintedWord& Word, qreal PixelSize);
// Where the letters, outline included, must stay in a picture PixelRatio times the window.
QRectF WordRoom(const TPaintedWord& Word, qreal PixelRatio);
TWordLayout LayOutWord(const TPaintedWord& Word, qreal PixelRatio);
// Draws the words onto a picture of the window at its device pixel ratio.
void PaintWords(QImage& Picture, const std::vector<TPaintedWord>& Words);
