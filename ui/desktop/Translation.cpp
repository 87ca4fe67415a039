// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace {

// Built into the program, so an installed or a freshly built game finds them alike.
const QString BuiltInFolder = QStringLiteral(":/i18n");
// A translation in the player's data folders (~/.local/share/quenlith/translations) comes
// first, so a translator can try a new one without building the game.
const QString DataSubfolder = QStringLiteral("quenlith/translations");

QString& Language() {
  static QString InForce;
  return InForce;
}

QStringList TranslationFolders() {
  QStringList Folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                  DataSubfolder, QStandardPaths::LocateDirectory);
  Folders << BuiltInFolder;
  return Folders;
}

// Loads the first file named Base + candidate found in one of the folders.
bool LoadFirst(QTranslator& Translator, const QString& Base, const QStringList& Candidates,
               const QStringList& Folders) {
  for (const QString& Candidate : Candidates)
    for (const QString& Folder : Folders)
      if (Translator.load(Base + Candidate, Folder))
        return true;
  return false;
}

} // namespace

QStringList TranslationCandidates(const QString& UiLanguage) {
  QString Name = UiLanguage;
  Name.replace(QLatin1Char('-'), QLatin1Char('_'));
  // Drop an encoding or a modifier: "de_DE.UTF-8", "sr_RS@latin".
  Name = Name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  const QString Language = Name.section(QLatin1Char('_'), 0, 0).toLower();
  if (Language.isEmpty() || Language == QLatin1String("en") || Language == QLatin1String("c") ||
      Language == QLatin1String("posix"))
    return {};
  QStringList Candidates;
  // "zh_Hans_CN" names its script too; the files are named language_TERRITORY.
  const QStringList Parts = Name.split(QLatin1Char('_'));
  if (Parts.size() > 2)
    Candidates << Language + QLatin1Char('_') + Parts.last();
  if (Parts.size() > 1)
    Candidates << Language + QLatin1Char('_') + Parts[1];
  Candidates << Language;
  Candidates.removeDuplicates();
  return Candidates;
}

QString InstallTranslations() {
  // A count has one source text ("%n boxes"); English gives its singular. Installed first,
  // so that the player's language, installed after it, is asked first.
  // Parented to the application, as the others, so all live as long as the texts they
  // answer for.
  auto* English = new QTranslator(QCoreApplication::instance());
  if (English->load(QStringLiteral("quenlith_en"), BuiltInFolder))
    QCoreApplication::installTranslator(English);
  else
    delete English;
  auto* Game = new QTranslator(QCoreApplication::instance());
  QStringList Folders; // looked for once a language other than English comes up
  for (const QString& UiLanguage : QLocale::system().uiLanguages()) {
    const QStringList Candidates = TranslationCandidates(UiLanguage);
    // English, or the C locale, before any translated language: the sources' texts.
    if (Candidates.isEmpty())
      break;
    if (Folders.isEmpty())
      Folders = TranslationFolders();
    if (!LoadFirst(*Game, QStringLiteral("quenlith_"), Candidates, Folders))
      continue;
    QCoreApplication::installTranslator(Game);
    auto* Qt = new QTranslator(QCoreApplication::instance());
    if (LoadFirst(*Qt, QStringLiteral("qtbase_"), Candidates,
                  {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}))
      QCoreApplication::installTranslator(Qt);
    SetLanguageInForce(Game->language());
    return LanguageInForce();
  }
  delete Game;
  SetLanguageInForce({});
  return {};
}

QString LanguageInForce() {
  return Language();
}

void SetLanguageInForce(const QString& Value) {
  Language() = Value;
}
