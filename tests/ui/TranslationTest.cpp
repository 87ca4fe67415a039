// SPDX-License-Identifier: GPL-3.0-or-later
// Which translation a player's language setting leads to: a regional variant falls back to
// the language, English anywhere before a translated language keeps the sources' texts. And
// what each language says fits where it is shown.

#include "ui/desktop/Translation.h"
#include "tests/ui/GameWindow.h"
#include "ui/Main.h"
#include "ui/MessageLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

TEST(Translation, RegionalVariantsFallBackToTheLanguageAndEnglishEndsTheSearch) {
  EXPECT_EQ(TranslationCandidates(QStringLiteral("de-AT")),
            (QStringList{QStringLiteral("de_AT"), QStringLiteral("de")}));
  EXPECT_EQ(TranslationCandidates(QStringLiteral("pt_BR.UTF-8")),
            (QStringList{QStringLiteral("pt_BR"), QStringLiteral("pt")}));
  EXPECT_EQ(
      TranslationCandidates(QStringLiteral("zh-Hans-CN")),
      (QStringList{QStringLiteral("zh_CN"), QStringLiteral("zh_Hans"), QStringLiteral("zh")}));
  EXPECT_EQ(TranslationCandidates(QStringLiteral("sr_RS@latin")),
            (QStringList{QStringLiteral("sr_RS"), QStringLiteral("sr")}));
  for (const char* English : {"en", "en-GB", "en_US.UTF-8", "C", "POSIX"})
    EXPECT_TRUE(TranslationCandidates(QString::fromLatin1(English)).isEmpty()) << English;
}

namespace {

// The widest the message line can draw Text: its own font, and for the characters that font
// lacks each installed font that has them all, since which one fontconfig picks differs from
// machine to machine. -1 when no installed font has them.
int WidestDrawing(const QString& Text, const QFont& Font) {
  const QRawFont Own = QRawFont::fromFont(Font);
  QList<char32_t> Lacking;
  for (const char32_t Character : Text.toUcs4())
    if (!Own.supportsCharacter(Character))
      Lacking << Character;
  int Widest = QFontMetrics(Font).horizontalAdvance(Text);
  if (Lacking.isEmpty())
    return Widest;
  bool Drawn = false;
  for (const QString& Family : QFontDatabase::families()) {
    const QRawFont Fallback = QRawFont::fromFont(QFont(Family));
    if (!std::all_of(Lacking.cbegin(), Lacking.cend(),
                     [&](char32_t C) { return Fallback.supportsCharacter(C); }))
      continue;
    QFont Drawing(Font);
    Drawing.setFamilies({Font.family(), Family});
    Widest = std::max(Widest, QFontMetrics(Drawing).horizontalAdvance(Text));
    Drawn = true;
  }
  return Drawn ? Widest : -1;
}

} // namespace

// Ukrainian has three plural forms, and 21 takes the form of 1 but 22 that of 2.
TEST(Translation, UkrainianCountsTakeTheirPluralForm) {
  QTranslator Ukrainian;
  ASSERT_TRUE(Ukrainian.load(QStringLiteral("quenlith_uk"), QStringLiteral(":/i18n")));
  QCoreApplication::installTranslator(&Ukrainian);
  const std::map<int, QString> Forms = {{1, QStringLiteral("кубик")},
                                        {2, QStringLiteral("кубики")},
                                        {5, QStringLiteral("кубиків")},
                                        {21, QStringLiteral("кубик")},
                                        {22, QStringLiteral("кубики")}};
  for (const auto& [Count, Form] : Forms) {
    const QString Said =
        QCoreApplication::translate("Board", "Can be played, a group of %n boxes", nullptr, Count);
    EXPECT_TRUE(Said.endsWith(QStringLiteral(" %1 %2").arg(Count).arg(Form)))
        << Count << ": " << qPrintable(Said);
  }
  QCoreApplication::removeTranslator(&Ukrainian);
}

// The message line is one line: a message too long for it in some language would be cut off at
// both ends.
TEST(Translation, EveryLanguagesMessagesFitTheMessageLine) {
  TGameWindow Window;
  TMainForm& Form = Window.Form;
  const QStringList Files = QDir(QStringLiteral(":/i18n")).entryList();
  ASSERT_FALSE(Files.isEmpty());
  for (const QString& File : Files) {
    // English's file holds plural forms only: its messages are the sources.
    const bool English = File == QLatin1String("quenlith_en.qm");
    QTranslator Translator;
    ASSERT_TRUE(Translator.load(File, QStringLiteral(":/i18n")));
    for (const char* Message : {"Congratulation! You win",
                                "You lose! Tvy again.",
                                "New boards can all be cleared.",
                                "New boards are dealt at random.",
                                "Looking for a way to clear the board...",
                                "The board can be cleared: play the marked box.",
                                "Looking through the earlier boards...",
                                "Lost %n moves ago: press H to go back.",
                                "This game cannot be won: start a new game.",
                                "No way back found in time: start a new game.",
                                "Not found in time: still looking.",
                                "Still clearable %n moves ago: press H to go back.",
                                "Back %n moves: play the marked box.",
                                "A board is being dealt: please wait.",
                                "Dealing a board that can be cleared...",
                                "Board %1: copied.",
                                "This board has no code.",
                                "Animation on.",
                                "Animation off.",
                                "Boxes in colour.",
                                "Boxes in grey.",
                                "Filled frame on the current box.",
                                "Outline on the current box.",
                                "No frame on the current box.",
                                "Symbols on.",
                                "Symbols off.",
                                "Loss warning on.",
                                "Loss warning off."}) {
      // Only a count's text has an English translation.
      const int Count = QByteArray(Message).contains("%n") ? 3 : -1;
      QString Text = Translator.translate("TMainForm", Message, nullptr, Count);
      if (Text.isEmpty() && English)
        Text = QString::fromUtf8(Message);
      Text.replace(QStringLiteral("%n"), QStringLiteral("3"));
      Text.replace(QStringLiteral("%1"), QStringLiteral("2VNW-NCXW-A7XB"));
      EXPECT_FALSE(Text.isEmpty()) << qPrintable(File) << ": " << Message;
      const int Width = WidestDrawing(Text, Form.Label1->font());
      EXPECT_NE(Width, -1) << qPrintable(File) << ": no installed font draws " << qPrintable(Text);
      EXPECT_LE(Width, Form.Label1->contentsRect().width())
          << qPrintable(File) << ": " << qPrintable(Text);
    }
  }
}
