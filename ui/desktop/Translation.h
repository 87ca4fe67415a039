// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's texts in the desktop's language: the first of the player's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game has a translation for, and Qt's own
// texts in the same language where they are installed. English is the language of the
// sources; it only gives the singular of the texts with a count.

#include <QString>
#include <QStringList>

// Installs the translators on the application; call once, before the first window exists.
// Returns the language in force, e.g. "de" or "pt_BR", or an empty string for English.
QString InstallTranslations();

// The language whose translation of the game is in force, empty for English: the windows ask
// it before they draw words of their own. InstallTranslations sets it; whoever installs a
// translation of the game otherwise sets it too.
QString LanguageInForce();
void SetLanguageInForce(const QString& Language);

// The translation files to try for one of the player's languages, most specific first:
// "de-AT" gives {"de_AT", "de"}. Empty for English, which ends the search.
QStringList TranslationCandidates(const QString& UiLanguage);
