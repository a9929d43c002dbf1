// The dialogs' and the settings file's texts reach the user through the translation system,
// under the contexts the translations hold them in: with a translator installed, every caption,
// tooltip, accessible name and table entry comes out translated, and nothing of the user's data
// or the format language does.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>

#include "platform/qt_settings_store.h"
#include "setup_controls.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/setup/setup_dialog.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::Control;

// Translates every text of the program's own contexts to "context|source", so that a test
// sees both that a text was translated and under which context. Qt's own texts stay.
class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString scope = QString::fromLatin1(context);
        const bool ours = scope.startsWith(QLatin1String("horavia::")) ||
                          scope == QLatin1String("SettingsFile") ||
                          scope == QLatin1String("Message") ||
                          scope == QLatin1String("PosixFileSystem");
        if (!ours) return {};
        return scope + QLatin1Char('|') + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.contains(QLatin1Char('|'));
}

// Every caption, tooltip, accessible name and placeholder of `window`'s own controls that is
// not in `data` (zone names, format letters, what the user typed), one a line. Qt's own parts,
// which Qt's catalogue translates, are skipped.
std::string UntranslatedTexts(const QWidget& window, const QStringList& data = {}) {
    QStringList missed;
    auto check = [&](const QWidget* w, const QString& what, const QString& text) {
        if (text.isEmpty() || Marked(text) || data.contains(text)) return;
        missed << w->objectName() + QLatin1Char(' ') + what + QStringLiteral(": ") + text;
    };
    QList<const QWidget*> widgets{&window};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const bool qtPart = w->objectName().startsWith(QLatin1String("qt_")) ||
                            qobject_cast<const QTabBar*>(w->parentWidget()) != nullptr;
        if (!qtPart) widgets << w;
    }
    for (const QWidget* w : widgets) {
        check(w, QStringLiteral("title"), w->windowTitle());
        check(w, QStringLiteral("accessible name"), w->accessibleName());
        // A zone list's tooltip is the zone's name, shown whole.
        if (!qobject_cast<const QComboBox*>(w)) check(w, QStringLiteral("tooltip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            check(w, QStringLiteral("text"), label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            check(w, QStringLiteral("text"), button->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(w))
            check(w, QStringLiteral("title"), box->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            check(w, QStringLiteral("placeholder"), edit->placeholderText());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(w, QStringLiteral("tab"), tabs->tabText(i));
        }
    }
    return missed.join(QLatin1Char('\n')).toStdString();
}

class DialogTranslation : public ::testing::Test, public testing::TestServices {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        StoreClocks({"Tokyo|Tokyo Standard Time|True"});
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    // The zones' display names, which come from the catalogue untranslated.
    QStringList ZoneNames() const {
        QStringList names;
        for (int index : state.catalogue.order)
            names << QString::fromStdString(ZoneDisplayText(state.catalogue, index));
        return names;
    }

    // The days' names, which come from the locale.
    static QStringList DayNames() {
        QStringList names;
        for (int day = 1; day <= 7; ++day) {
            names << QLocale().dayName(day, QLocale::ShortFormat)
                  << QLocale().dayName(day, QLocale::LongFormat);
        }
        return names;
    }

    MarkingTranslator translator;
};

TEST_F(DialogTranslation, SetupDialogTabsTablesAndQuestion) {
    SetupDialog setup(state);
    EXPECT_EQ(setup.windowTitle(), "horavia::SetupDialog|Horavia Timezones");
    auto* tabs = Control<QTabWidget>(setup, "tabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "horavia::SetupDialog|&Timezones");
    EXPECT_EQ(tabs->tabText(3), "horavia::SetupDialog|Default &Format");

    // Table entries are marked where they are listed and translated where they are shown.
    auto* sort = Control<QComboBox>(setup, "sortCombo");
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(sort->itemText(3), "horavia::SettingsPage|GMT Offset (Down)");
    auto* units = Control<QComboBox>(setup, "intervalUnitCombo");
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->itemText(4), "horavia::TimeSyncPage|Weeks");
    auto* servers = Control<QComboBox>(setup, "serverCombo");
    ASSERT_NE(servers, nullptr);
    EXPECT_EQ(servers->itemText(2), "time.nist.gov") << "server names stay as they are";
    auto* list = testing::ClockList(setup);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->model()->headerData(2, Qt::Horizontal).toString(),
              "horavia::ClockListModel|Timezone");
    EXPECT_EQ(testing::ClockCell(setup, 0, 1).data(Qt::AccessibleTextRole).toString(),
              "horavia::ClockListModel|Active");
    EXPECT_EQ(testing::ClockCell(setup, 0).data().toString(), "Tokyo") << "the user's label stays";
    // The font sample: the size through the plural form, the font's name as it is.
    auto* sample = Control<QLabel>(setup, "fontSample");
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->text(), QStringLiteral("horavia::SettingsPage|%1 %2 pts")
                                  .arg(QString::fromStdString(state.preferences.Values().FontName))
                                  .arg(state.preferences.Values().FontSize));

    const QStringList data = QStringList{"h", "hh", "nn", "ss", "AM/PM", "d", "ddd"} + ZoneNames() +
                             QStringList{sample->text()} + DayNames();
    EXPECT_EQ(UntranslatedTexts(setup, data), "");

    messages.answer = MsgAnswer::No;
    testing::Click(setup, "deleteButton");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Message|Are you sure you want to delete this timezone permanently ?");
}

TEST_F(DialogTranslation, ConverterAndEditorCaptions) {
    ConverterWindow converter(state, messages);
    converter.show();
    EXPECT_EQ(converter.windowTitle(), "horavia::ConverterWindow|Horavia - Convert");
    auto* from = Control<QLabel>(converter, "fromCaption");
    ASSERT_NE(from, nullptr);
    EXPECT_EQ(from->text(), "horavia::ConverterWindow|&From");
    EXPECT_EQ(UntranslatedTexts(converter, ZoneNames() + QStringList{"00:00", "="}), "");

    ClockEditor editor(state, nullptr, testing::TinyMap());
    editor.prepareNewClock();
    auto* label = Control<QLineEdit>(editor, "labelEdit");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "horavia::ClockEditor|(no name)");
    // The program's name is no text to translate.
    EXPECT_EQ(UntranslatedTexts(editor, QStringList{"Horavia"} + DayNames()), "");
}

TEST_F(DialogTranslation, SettingsFileReasons) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Horavia";
    QDir().mkpath(folder + "/Horavia 2.0.ini");  // a folder where the file should be
    QtSettingsStore store{folder};
    store.Save("SZoneNum", "2");
    ASSERT_TRUE(store.Problem());
    EXPECT_EQ(store.Problem()->reason, "PosixFileSystem|it is a folder, not a file");

    QDir(folder).rmdir("Horavia 2.0.ini");
    QFile file(folder + "/Horavia 2.0.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(file.fileName()).constData(), 0444), 0);
    QtSettingsStore readOnly{folder};
    readOnly.Save("SZoneNum", "2");
    ASSERT_TRUE(readOnly.Problem());
    EXPECT_EQ(readOnly.Problem()->reason, "SettingsFile|the file is read-only");
}

}  // namespace
}  // namespace horavia
