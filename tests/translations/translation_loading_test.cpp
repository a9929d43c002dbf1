// The translations as the program installs them at start-up, in a real application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "translations/program_translations.h"

namespace horavia {
namespace {

QString CancelText() {
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text();
}

TEST(TranslationLoading, GermanInstallsTheProgramsAndQtsTranslatorsAndRemovesThem) {
    {
        ProgramTranslations translations;
        const LoadedTranslations loaded = translations.install({QStringLiteral("de")});
        EXPECT_EQ(loaded.language, QStringLiteral("de"));
        EXPECT_TRUE(loaded.program);
        EXPECT_TRUE(loaded.qt);
        EXPECT_EQ(CancelText(), QStringLiteral("Abbrechen"));  // Qt's own German
    }
    EXPECT_EQ(CancelText(), QStringLiteral("Cancel"));  // taken out with the object
}

TEST(TranslationLoading, TheFirstTranslatedLanguageWinsAndEnglishStops) {
    ProgramTranslations translations;
    struct Case {
        QStringList languages;
        QString chosen;  // empty: English, nothing installed
    };
    const Case cases[] = {
        {{QStringLiteral("de-AT")}, QStringLiteral("de")},  // country dropped; Qt's "de" too
        {{QStringLiteral("eo"), QStringLiteral("fr-CA"), QStringLiteral("de")},
         QStringLiteral("fr")},
        {{QStringLiteral("pt-BR")}, QStringLiteral("pt_BR")},
        {{QStringLiteral("zh-Hans-CN")}, QStringLiteral("zh_CN")},
        {{QStringLiteral("ja_JP.UTF-8")}, QStringLiteral("ja")},
        {{QStringLiteral("en-GB"), QStringLiteral("de")}, {}},
        {{QStringLiteral("en"), QStringLiteral("ru")}, {}},
        {{QStringLiteral("ko"), QStringLiteral("it")}, {}},
        {{QStringLiteral("pt-PT")}, {}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        const LoadedTranslations loaded = translations.install(c.languages);
        const QString what = c.languages.join(QLatin1Char(' '));
        EXPECT_EQ(loaded.language, c.chosen) << what.toStdString();
        EXPECT_EQ(loaded.program, !c.chosen.isEmpty()) << what.toStdString();
        EXPECT_EQ(loaded.qt, !c.chosen.isEmpty()) << what.toStdString();
        if (c.chosen.isEmpty()) {
            EXPECT_EQ(CancelText(), QStringLiteral("Cancel")) << what.toStdString();
        } else {
            EXPECT_NE(CancelText(), QStringLiteral("Cancel")) << what.toStdString();
        }
    }
}

TEST(TranslationLoading, ArabicTurnsTheWindowsRightToLeft) {
    {
        ProgramTranslations translations;
        ASSERT_TRUE(translations.install({QStringLiteral("ar-EG")}).program);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QWidget window;
        EXPECT_TRUE(window.isRightToLeft());
        // Installing another language turns them back.
        translations.install({QStringLiteral("de")});
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        translations.install({QStringLiteral("ar")});
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    }
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

}  // namespace
}  // namespace horavia

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
