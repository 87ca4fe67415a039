// SPDX-License-Identifier: GPL-3.0-or-later
// The words painted on the main window: English shows the picture's own, every other
// language draws its words so that they fit their buttons and can still be read.

#include "tests/ui/GameWindow.h"
#include "ui/PictureBox.h"
#include "ui/desktop/Translation.h"
#include "ui/images/JpegImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>

namespace {

// Below this the outlined letters run together at 1x.
constexpr qreal SmallestLegibleSize = 10;

// The game's translation in force for as long as it lives, as the program entry installs it.
class TInForce {
public:
  TInForce(QTranslator& Translator, const QString& Language) : FTranslator(Translator) {
    QCoreApplication::installTranslator(&Translator);
    SetLanguageInForce(Language);
  }
  ~TInForce() {
    QCoreApplication::removeTranslator(&FTranslator);
    SetLanguageInForce({});
  }

private:
  QTranslator& FTranslator;
};

// A language that keeps the line under the logo as English has it, and translates the rest.
class TKeepsTheTagline : public QTranslator {
public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* Source, const char*, int) const override {
    const QString Text = QString::fromUtf8(Source);
    return Text == QLatin1String("BOX PUZZLE") ? Text : Text.toUpper();
  }
};

QImage Shown(TPictureBox& Picture, qreal PixelRatio) {
  QImage Target((QSizeF(Picture.size()) * PixelRatio).toSize(), QImage::Format_RGB32);
  Target.setDevicePixelRatio(PixelRatio);
  Picture.render(&Target);
  Target.setDevicePixelRatio(1.0);
  return Target;
}

} // namespace

TEST(PaintedWords, EnglishShowsThePicturesOwnWordsAndOthersDrawTheirs) {
  TGameWindow English;
  EXPECT_TRUE(English.Form.PaintedWords().empty());
  EXPECT_EQ(Shown(*English.Form.Image1, 1.0),
            LoadJpegResource(":/background.jpg").convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(Shown(*English.Form.Image1, 2.0),
            LoadJpegResource(":/background@2x.jpg").convertToFormat(QImage::Format_RGB32));

  QTranslator German;
  ASSERT_TRUE(German.load(QStringLiteral("quenlith_de"), QStringLiteral(":/i18n")));
  std::optional<TInForce> InForce(std::in_place, German, German.language());
  TGameWindow Translated;
  InForce.reset();
  const QImage Plain =
      LoadJpegResource(":/background-plain@2x.jpg").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Shown(*Translated.Form.Image1, 2.0), Plain) << "before the first frame";
  Translated.Form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(*Translated.Form.Image1, 2.0) != Plain; }));
}

// Each word inside its room, two lines off the room's top and bottom, and every word of a
// row of alike buttons at one size.
TEST(PaintedWords, EveryLanguagesWordsFitTheirButtonsAtBothDensities) {
  const QStringList Files = QDir(QStringLiteral(":/i18n")).entryList();
  ASSERT_GT(Files.size(), 1);
  for (const QString& File : Files) {
    if (File == QLatin1String("quenlith_en.qm"))
      continue;
    QTranslator Language;
    ASSERT_TRUE(Language.load(File, QStringLiteral(":/i18n")));
    std::optional<TInForce> InForce(std::in_place, Language, Language.language());
    TGameWindow Window;
    InForce.reset();
    const std::vector<TPaintedWord>& Words = Window.Form.PaintedWords();
    EXPECT_EQ(Words.size(), 7U) << qPrintable(File);
    for (const qreal Ratio : {1.0, 2.0}) {
      const std::vector<TWordLayout> Layouts = LayOutWords(Words, Ratio);
      std::map<int, std::set<qreal>> GroupSizes;
      for (std::size_t Index = 0; Index < Words.size(); ++Index) {
        const TPaintedWord& Word = Words[Index];
        const TWordLayout& Layout = Layouts[Index];
        const qreal Half = Layout.OutlineWidth * Ratio / 2;
        const qreal Margin = Layout.LineCount > 1 ? TwoLineMargin * Ratio : 0;
        const QRectF Ink = Layout.Path.boundingRect().adjusted(-Half, -Half, Half, Half);
        const QRectF Room =
            WordRoom(Word, Ratio).adjusted(-0.01, Margin - 0.01, 0.01, 0.01 - Margin);
        EXPECT_TRUE(Room.contains(Ink)) << qPrintable(File + u' ' + Word.Text) << " at " << Ratio;
        EXPECT_GE(Layout.PixelSize, SmallestLegibleSize) << qPrintable(File + u' ' + Word.Text);
        if (Word.SizeGroup != 0)
          GroupSizes[Word.SizeGroup].insert(std::round(Layout.PixelSize * 100) / 100);
      }
      ASSERT_EQ(GroupSizes.size(), 1U) << "the level words are one group";
      EXPECT_EQ(GroupSizes.begin()->second.size(), 1U) << qPrintable(File) << " at " << Ratio;
    }
  }
}

// Whether the window draws its own words follows the language in force, not whether one text
// happens to read as in English.
TEST(PaintedWords, ALanguageThatKeepsTheTaglineStillDrawsItsButtonWords) {
  TKeepsTheTagline Language;
  std::optional<TInForce> InForce(std::in_place, Language, QStringLiteral("xx"));
  TGameWindow Window;
  InForce.reset();
  ASSERT_EQ(Window.Form.PaintedWords().size(), 7U);
  EXPECT_EQ(Window.Form.PaintedWords().back().Text, QStringLiteral("BOX PUZZLE"));
}
