// Every text the program shows goes through the translation system: under a translator that
// marks whatever it translates, each window, menu, message box and the command line's help
// show nothing but marked texts and the user's own data.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeView>

#include "app/command_line.h"
#include "model/clock_place.h"
#include "platform/loadable_part.h"
#include "program_fixture.h"
#include "ui/main/help_page.h"
#include "ui/main/message_text.h"
#include "ui/main/qt_message_box.h"
#include "ui/setup/server_test_dialog.h"
#include "ui/setup/time_sync_page.h"

namespace horavia {
namespace {

constexpr char16_t kOpen = u'\u27e6';
constexpr char16_t kClose = u'\u27e7';

// Marks every translation: "⟦" + the source with its letters made full-width + "⟧". A text
// with a plain letter left in it was not translated, however deep inside a marked one it sits.
// Placeholders (%1, %n, %L1), markup and entities keep their letters, so they still work.
class PseudoTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (text == QLatin1String("QT_LAYOUT_DIRECTION")) return {};
        QString marked{QChar(kOpen)};
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'%') {
                marked += c;
                while (i + 1 < text.size() &&
                       (text[i + 1] == u'L' || text[i + 1] == u'n' || text[i + 1].isDigit())) {
                    marked += text[++i];
                }
            } else if (c == u'<' || (c == u'&' && text.indexOf(u';', i) > i)) {
                const qsizetype end = text.indexOf(c == u'<' ? u'>' : u';', i);
                const bool entity = c == u'&' && QRegularExpression(QStringLiteral("^&#?\\w+;"))
                                                     .match(text.mid(i, end - i + 1))
                                                     .hasMatch();
                if (c == u'<' || entity) {
                    marked += text.mid(i, end - i + 1);
                    i = end;
                } else {
                    marked += c;
                }
            } else if (c.unicode() < 0x80 && c.isLetter()) {
                marked += QChar(c.unicode() + 0xFEE0);  // full-width Latin
            } else {
                marked += c;
            }
        }
        return marked + QChar(kClose);
    }
    bool isEmpty() const override { return false; }
};

// Why `text` is not all marked, or empty: `data` (labels, times, zone names ...) is taken out
// first; then no plain Latin letter may remain, and outside the marks only figures,
// punctuation and spaces.
QString Unmarked(QString text, const QStringList& data) {
    QStringList longestFirst = data;
    std::sort(longestFirst.begin(), longestFirst.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& d : longestFirst) {
        if (!d.isEmpty()) text.remove(d);
    }
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>|&#?\\w+;")));
    text.remove(QLatin1Char('&'));  // mnemonics
    if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) return text;
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == kOpen) {
            ++depth;
        } else if (c == kClose) {
            --depth;
        } else if (depth == 0) {
            outside += c;
        }
    }
    // Figures, punctuation and glyphs may stand between marked texts; words and signs not.
    const bool plain = std::none_of(outside.begin(), outside.end(), [](QChar c) {
        return c.isLetter() || c == u'+' || c == u'\u2212' || c == u'\u00b1';
    });
    return plain ? QString() : text;
}

// The first server answers at once, so the progress list has a row; the rest never answer.
class FirstAnswersQuery : public TimeQueryPort {
  public:
    bool StartQuery(const std::string&, AnswerHandler done) override {
        if (++asked_ == 1) QTimer::singleShot(0, [done = std::move(done)] { done(TimeAnswer{}); });
        return true;
    }

  private:
    int asked_ = 0;
};

constexpr const char* kPlaces[] = {"35.6895 139.6917 Tokyo, Japan",
                                   "40.7128 -74.006 New York City, United States",
                                   "52.52 13.405 Berlin, Germany"};

class PseudoTranslation : public testing::ProgramTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        StoreClocks({"Tokyo|Tokyo Standard Time|True", "New York|Eastern Standard Time|True",
                     "Berlin|W. Europe Standard Time|True", "Zulu|0|True"});
        for (const char* on : {"ShowOffset", "ChangeLines", "DayNight", "WorkDefault"})
            store.Save(on, "True");
        store.Save("ChangeDays", "366");
        // Places of the user's choosing, named in the day-and-night tooltips.
        for (int i = 0; i < 3; ++i) store.Save("S" + std::to_string(i) + "Plc", kPlaces[i]);
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
    }
    void TearDown() override {
        program.reset();
        QCoreApplication::removeTranslator(&translator);
    }

    // What is the user's or the system's, never a text of the program: the clocks' labels and
    // times, the zones' names (localized elsewhere), the locale's day names, the program's name.
    QStringList Data() const {
        QStringList data{QStringLiteral("Horavia")};
        for (const char* place : kPlaces)
            data << QString::fromStdString(ParseClockPlace(place)->name);
        for (const ClockEntry& clock : state.Clocks()) data << QString::fromStdString(clock.Label);
        for (int index : state.catalogue.order)
            data << QString::fromStdString(ZoneDisplayText(state.catalogue, index));
        for (int day = 1; day <= 7; ++day) {
            data << QLocale().dayName(day, QLocale::ShortFormat)
                 << QLocale().dayName(day, QLocale::LongFormat);
        }
        for (const char* server : kTimeServers) data << QString::fromLatin1(server);
        for (const char* server : kNtpServers) data << QString::fromLatin1(server);
        for (const char* server : kNtsServers) data << QString::fromLatin1(server);
        data << QString::fromStdString(state.preferences.Values().STServer)
             << QString::fromStdString(state.preferences.Values().FontName);

        return data;
    }

    void Check(const QString& where, const QString& text, const QStringList& data) {
        // The format language's letters, the same in every language, as whole texts.
        static const QStringList formatLetters{"h", "hh", "nn", "ss", "AM/PM", "d", "ddd"};
        if (text.isEmpty() || formatLetters.contains(text)) return;
        const QString left = Unmarked(text, data);
        if (!left.isEmpty()) missed << where + QStringLiteral(": ") + text;
    }

    void CheckMenu(const QString& where, const QMenu& menu, const QStringList& data) {
        Check(where + QStringLiteral(" title"), menu.title(), data);
        for (const QAction* action : menu.actions()) {
            Check(where + QStringLiteral(" item"), action->text(), data);
            Check(where + QStringLiteral(" item tooltip"),
                  action->toolTip() == action->text() ? QString() : action->toolTip(), data);
            if (action->menu() != nullptr) CheckMenu(where, *action->menu(), data);
        }
    }

    // Every caption, item, tooltip, placeholder and accessible text of `window` and its controls.
    void CheckWindow(const QWidget& window, const QStringList& extra = {}) {
        const QStringList data = Data() + extra;
        QList<const QWidget*> widgets{&window};
        for (const QWidget* w : window.findChildren<QWidget*>()) widgets << w;
        for (const QWidget* w : widgets) {
            const QString where = window.objectName() + QLatin1Char('/') + w->objectName() +
                                  QLatin1Char(' ') +
                                  QString::fromLatin1(w->metaObject()->className());
            Check(where + QStringLiteral(" title"), w->windowTitle(), data);
            Check(where + QStringLiteral(" tooltip"), w->toolTip(), data);
            Check(where + QStringLiteral(" accessible name"), w->accessibleName(), data);
            Check(where + QStringLiteral(" accessible description"), w->accessibleDescription(),
                  data);
            if (const auto* label = qobject_cast<const QLabel*>(w))
                Check(where, label->text(), data);
            if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                Check(where, button->text(), data);
            if (const auto* box = qobject_cast<const QGroupBox*>(w))
                Check(where, box->title(), data);
            if (const auto* edit = qobject_cast<const QLineEdit*>(w))
                Check(where + QStringLiteral(" placeholder"), edit->placeholderText(), data);
            if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
                for (int i = 0; i < combo->count(); ++i)
                    Check(where + QStringLiteral(" item"), combo->itemText(i), data);
            }
            if (const auto* list = qobject_cast<const QListWidget*>(w)) {
                for (int i = 0; i < list->count(); ++i)
                    Check(where + QStringLiteral(" row"), list->item(i)->text(), data);
            }
            if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Check(where + QStringLiteral(" tab"), tabs->tabText(i), data);
                    Check(where + QStringLiteral(" tab tooltip"), tabs->tabToolTip(i), data);
                }
            }
            if (const auto* view = qobject_cast<const QTreeView*>(w); view && view->model()) {
                for (int c = 0; c < view->model()->columnCount(); ++c) {
                    Check(where + QStringLiteral(" header"),
                          view->model()->headerData(c, Qt::Horizontal).toString(), data);
                }
            }
            if (const auto* menu = qobject_cast<const QMenu*>(w)) CheckMenu(where, *menu, data);
            for (const QAction* action : w->actions()) {
                Check(where + QStringLiteral(" action"), action->text(), data);
                Check(where + QStringLiteral(" action tooltip"),
                      action->toolTip() == action->text() ? QString() : action->toolTip(), data);
            }
        }
    }

    // The clocks' times as the window formats them, which are the user's data.
    QStringList ClockTimes(Instant t) {
        QStringList times;
        for (int index : state.EnabledClocksInOrder()) {
            times << QString::fromStdString(state.ZoneTimeText(index, true, t))
                  << QString::fromStdString(state.ZoneTimeText(index, false, t));
        }
        return times;
    }

    std::string Missed() const { return missed.join(QLatin1Char('\n')).toStdString(); }

    PseudoTranslator translator;
    QStringList missed;
};

TEST_F(PseudoTranslation, ClockWindowAndTrayMenu) {
    Start();
    ClockWindow& window = *Main();
    window.stepPlan(PlanStep::HourLater);
    const QStringList times = ClockTimes(*window.plannedInstant());
    const ClockPaintLayout& layout = window.paintLayout();
    ASSERT_GT(layout.rows, 0);
    for (const PlacedText& text : layout.texts)
        Check(QStringLiteral("clock window text"), QString::fromStdString(text.text),
              times + Data());
    for (const PlacedText& note : layout.notes)
        Check(QStringLiteral("clock window note"), QString::fromStdString(note.text),
              times + Data());
    for (int row = 0; row < window.rowCount(); ++row) {
        Check(QStringLiteral("clock window row"), window.rowText(row), times + Data());
        Check(QStringLiteral("clock window row tooltip"), window.rowToolTip(row), times + Data());
    }
    CheckWindow(window, times);
    CheckMenu(QStringLiteral("tray menu"), Menu(), Data());
    // The offset marker showed, and marked.
    EXPECT_TRUE(QString::fromStdString(layout.texts[static_cast<std::size_t>(layout.rows)].text)
                    .contains(QChar(kOpen)));
    EXPECT_EQ(Missed(), "");
}

TEST_F(PseudoTranslation, SetupPagesEditorConverterAndServerTest) {
    Start();
    program->openSetup();
    SetupDialog& setup = *program->setupDialog();
    auto* tabs = testing::Control<QTabWidget>(setup, "tabs");
    ASSERT_NE(tabs, nullptr);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        CheckWindow(setup, {QStringLiteral("time.nist.gov")});
    }
    testing::Click(setup, "newButton");
    ASSERT_NE(program->clockEditor(), nullptr);
    CheckWindow(*program->clockEditor());
    program->clockEditor()->reject();

    emit program->tray().convertRequested();
    ASSERT_NE(program->converter(), nullptr);
    CheckWindow(*program->converter(), ClockTimes(state.services.clock.NowUtc()));

    FirstAnswersQuery query;
    ServerTestDialog test(query, clock, messages);
    test.show();
    test.testServers({"time-a-g.nist.gov", "time-b-g.nist.gov"}, "time.nist.gov");
    QListWidget* progress = testing::Control<QListWidget>(test, "progressList");
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->count() >= 1; }, 2000));
    CheckWindow(test);
    EXPECT_EQ(Missed(), "");
}

TEST_F(PseudoTranslation, MessagesAndMessageBoxes) {
    // Each message the program can tell, with figures for its arguments.
    for (int id = 0; id < kMessageIdCount; ++id) {
        const Message message{static_cast<MessageId>(id), std::vector<std::string>(8, "7"), 2};
        Check(QStringLiteral("message %1").arg(id), MessageText(message), {});
    }
    // The reasons the time queries give, around the parts that are not the program's (a host,
    // the TLS library's words).
    const struct {
        MessageId id;
        std::string reason;
        QString data;
    } reasons[] = {
        {MessageId::TimeQueriesNotLoaded, kPartMissing, {}},
        {MessageId::TimeQueriesNotLoaded, "its path is not absolute", {}},
        {MessageId::NtsKeyExchangeFailed, "could not connect to nts.example.org",
         "nts.example.org"},
        {MessageId::NtsKeyExchangeFailed, "the secure connection failed (unexpected eof)",
         "unexpected eof"},
        {MessageId::NtsKeyExchangeFailed, "the server sent more than 64 key-exchange records", {}},
        {MessageId::NtsKeyExchangeFailed, "the server does not offer AES-SIV-CMAC-256", {}},
    };
    for (const auto& r : reasons) {
        Check(QString::fromStdString(r.reason), MessageText(Message{r.id, {r.reason}}), {r.data});
    }
    // A box as the program opens it, with Qt's buttons.
    QtMessageBoxes boxes;
    boxes.Ask(MessageLines{Message{MessageId::NoZones}}, "Horavia", MsgButtons::YesNo,
              MsgIcon::Question, [](MsgAnswer) {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.OpenBox() != nullptr; }, 2000));
    CheckWindow(*boxes.OpenBox());
    boxes.DismissAll();
    // The help that cannot be opened says so.
    QTemporaryDir dir;
    OpenHelpWith(messages, dir.path(), [](const QUrl&) { return false; });
    static const QRegularExpression path(QStringLiteral("/\\S+"));
    for (const auto& shown : messages.shown) {
        QString text = QString::fromStdString(shown.text);
        Check(QStringLiteral("help box"), text.remove(path), {});
    }
    EXPECT_FALSE(messages.shown.empty());
    EXPECT_EQ(Missed(), "");
}

TEST_F(PseudoTranslation, CommandLineHelpAndUsageErrors) {
    // A translated paragraph spans lines, so the help is checked whole: a line left out of the
    // translation keeps its plain letters.
    Check(QStringLiteral("--help"), UsageText(), {});
    const QStringList mistakes[] = {
        {"--test-server"},    {"--find"},          {"--bogus"},
        {"--print", "--tip"}, {"--print", "--at"}, {"--at", "15:00"},
        {"--within", "3"},    {"--length", "30"},  {"--meet", "--within", "0"},
    };
    for (const QStringList& mistake : mistakes) {
        const ParsedCommand parsed = ParseCommandLine(QStringList{"horavia"} + mistake);
        ASSERT_EQ(parsed.command, Command::Error) << mistake.join(' ').toStdString();
        Check(mistake.join(QLatin1Char(' ')), parsed.error, mistake);
    }
    EXPECT_EQ(Missed(), "");
}

}  // namespace
}  // namespace horavia
