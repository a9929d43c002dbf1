#include "translations/program_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace horavia {

namespace {

// "zh-Hans-CN" → "zh_Hans_CN", "zh_CN", "zh": the names a translation file may have, the most
// particular first. The script is left out as well, since translations are named language_COUNTRY.
QStringList CandidateNames(const QString& language) {
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);  // "de_DE.UTF-8"
    QStringList names;
    for (QString part = name; !part.isEmpty(); part = part.section(QLatin1Char('_'), 0, -2)) {
        names << part;
        if (!part.contains(QLatin1Char('_'))) break;
    }
    const QString localeName = QLocale(name).name();  // the script dropped: "zh_CN"
    if (localeName != QLatin1String("C") && !names.contains(localeName)) {
        names.insert(names.size() - 1, localeName);
    }
    return names;
}

// Exactly this file: QTranslator::load would also try shorter names by itself.
bool LoadExactly(QTranslator& translator, const QString& folder, const QString& baseName) {
    const QString path = QDir(folder).filePath(baseName + QStringLiteral(".qm"));
    return QFile::exists(path) && translator.load(path);
}

bool IsEnglish(const QString& language) {
    return language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0) ==
           QLatin1String("en");
}

}  // namespace

ProgramTranslations::~ProgramTranslations() {
    remove();
}

QString ProgramTranslations::programFolder() {
    return QStringLiteral(":/i18n");
}

QString ProgramTranslations::qtFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

LoadedTranslations ProgramTranslations::install(const QStringList& languages) {
    remove();
    for (const QString& language : languages) {
        if (IsEnglish(language)) break;  // preferred to any translation further down
        for (const QString& name : CandidateNames(language)) {
            auto program = std::make_unique<QTranslator>();
            if (!LoadExactly(*program, programFolder(), QStringLiteral("horavia_") + name)) {
                continue;
            }
            LoadedTranslations loaded{name, true, false};
            // Qt's own for the same translation: "qtbase_pt_BR", or else "qtbase_pt".
            auto qt = std::make_unique<QTranslator>();
            for (const QString& qtName : CandidateNames(name)) {
                if (LoadExactly(*qt, qtFolder(), QStringLiteral("qtbase_") + qtName)) {
                    loaded.qt = true;
                    break;
                }
            }
            // Qt's first, then the program's, which is asked first: the program's own words win.
            // (installTranslator says false for a translation without a text yet, but installs
            // it all the same.)
            if (loaded.qt) {
                qt_ = std::move(qt);
                QCoreApplication::installTranslator(qt_.get());
            }
            program_ = std::move(program);
            QCoreApplication::installTranslator(program_.get());
            return loaded;
        }
    }
    return {};
}

void ProgramTranslations::remove() {
    if (program_) QCoreApplication::removeTranslator(program_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    program_.reset();
    qt_.reset();
}

QStringList UserLanguages() {
    return QLocale().uiLanguages();
}

}  // namespace horavia
