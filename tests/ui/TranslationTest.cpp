// SPDX-License-Identifier: GPL-3.0-or-later
// Which translation a player's language setting leads to: a regional variant falls back to
// the language, English anywhere before a translated language keeps the sources' texts. And
// what each language says fits where it is shown.

#include "ui/desktop/Translation.h"
#include "tests/ui/GameWindow.h"
#include "ui/Main.h"
#include "ui/MessageLine.h"

#include <QDir>
#include <QFontMetrics>
#include <QTranslator>
#include <gtest/gtest.h>

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

// The message line is one line: a game-over message too long for it in some language would be
// cut off at both ends.
TEST(Translation, EveryLanguagesGameOverMessagesFitTheMessageLine) {
  TGameWindow Window;
  TMainForm& Form = Window.Form;
  const QFontMetrics Metrics(Form.Label1->font());
  const QStringList Files = QDir(QStringLiteral(":/i18n")).entryList();
  ASSERT_FALSE(Files.isEmpty());
  for (const QString& File : Files) {
    if (File == QLatin1String("quenlith_en.qm"))
      continue; // English's plural forms only
    QTranslator Translator;
    ASSERT_TRUE(Translator.load(File, QStringLiteral(":/i18n")));
    for (const char* Message : {"Congratulation! You win", "You lose! Tvy again."}) {
      const QString Text = Translator.translate("TMainForm", Message);
      EXPECT_FALSE(Text.isEmpty()) << qPrintable(File) << ": " << Message;
      EXPECT_LE(Metrics.horizontalAdvance(Text), Form.Label1->contentsRect().width())
          << qPrintable(File) << ": " << qPrintable(Text);
    }
  }
}
