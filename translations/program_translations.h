// The translations the program shows itself in: its own and Qt's (the standard buttons, the
// font dialog), chosen from the user's languages.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace horavia {

struct LoadedTranslations {
    QString language;  // the translation's name, e.g. "de" or "pt_BR"; empty: English
    bool program = false;
    bool qt = false;
};

// Installs the translators into the running application and takes them out again when it
// ends. The English texts are the sources, so English needs no translator at all.
class ProgramTranslations {
  public:
    ProgramTranslations() = default;
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;
    ~ProgramTranslations();

    // Goes through the languages in the user's order (QLocale::uiLanguages(), "de-CH", "pt_BR",
    // ...): the first one the program is translated into is installed; English, or none of
    // them, leaves the program in English. Replaces what an earlier call installed.
    LoadedTranslations install(const QStringList& languages);
    void remove();

    // Where the program's own .qm files are: compiled in as resources.
    static QString programFolder();
    // Where Qt keeps its own translations (qtbase_XX.qm).
    static QString qtFolder();

  private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

// The languages the user reads, most wanted first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QStringList UserLanguages();

}  // namespace horavia
