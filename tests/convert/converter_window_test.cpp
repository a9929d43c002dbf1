#include "ui/convert/converter_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "convert_zones.h"
#include "tests/model/fake_messages.h"
#include "ui/convert/map_strip.h"
#include "ui/editor/map_colours.h"

namespace horavia {
namespace {

class Converter : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::AddConverterZones(registry);
        app = std::make_unique<AppState>(
            Services{settings, registry, appMessages, localZone, clock}, EnglishUnitedStates());
        ASSERT_TRUE(app->LoadCatalogue());
        window = std::make_unique<ConverterWindow>(*app, messages);
        window->show();
    }
    int Zone(const std::string& key) const {
        const auto& zones = app->catalogue.zones;
        for (std::size_t i = 0; i < zones.size(); ++i)
            if (zones[i].StdName == key) return static_cast<int>(i);
        return -1;
    }
    // The window's controls, as a user finds them.
    template <class Control>
    Control* Part(const char* name) const {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* FromZone() const { return Part<QComboBox>("fromZoneCombo"); }
    QComboBox* ToZone() const { return Part<QComboBox>("toZoneCombo"); }
    QLineEdit* FromTime() const { return Part<QLineEdit>("fromTimeEdit"); }
    void Swap() const { QTest::mouseClick(Part<QWidget>("swapButton"), Qt::LeftButton); }
    // Replaces the source time by typing `text` over it.
    void Type(const QString& text) const {
        FromTime()->selectAll();
        if (text.isEmpty()) QTest::keyClick(FromTime(), Qt::Key_Backspace);
        QTest::keyClicks(FromTime(), text);
    }

    static int Selected(const QComboBox* combo) { return combo->currentData().toInt(); }
    void Pick(int from, int to) {
        FromZone()->setCurrentIndex(FromZone()->findData(from));
        ToZone()->setCurrentIndex(ToZone()->findData(to));
    }
    std::string Result() const { return Part<QLineEdit>("toTimeEdit")->text().toStdString(); }

    MemoryRegistry registry;
    MemorySettingsStore settings;
    testing::RecordingMessages appMessages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 1, 15, 9, 41)};  // winter
    std::unique_ptr<AppState> app;
    testing::RecordingMessages messages;
    std::unique_ptr<ConverterWindow> window;
};

TEST_F(Converter, LoadListsDatabaseZonesAsSourcesAndEveryZoneAsTarget) {
    std::vector<int> sources;
    for (int index : app->catalogue.order)
        if (index >= kFirstRegistryZone) sources.push_back(index);
    const auto& order = app->catalogue.order;
    ASSERT_EQ(FromZone()->count(), static_cast<int>(sources.size()));
    ASSERT_EQ(ToZone()->count(), static_cast<int>(order.size()));
    for (int row = 0; row < ToZone()->count(); ++row) {
        const int index = order[static_cast<std::size_t>(row)];
        const ZoneInfo& zone = app->catalogue.zones[static_cast<std::size_t>(index)];
        EXPECT_EQ(ToZone()->itemData(row).toInt(), index);
        EXPECT_EQ(ToZone()->itemText(row).toStdString(), zone.Prefix + zone.Name);
    }
    for (int row = 0; row < FromZone()->count(); ++row)
        EXPECT_EQ(FromZone()->itemData(row).toInt(), sources[static_cast<std::size_t>(row)]);
    EXPECT_EQ(Selected(FromZone()), sources.front());
    EXPECT_EQ(Selected(ToZone()), order.front());
}

TEST_F(Converter, ResultFollowsTextAndZones) {
    Pick(Zone("Plain East"), Zone("Plain West"));
    Type("12:00");
    EXPECT_EQ(Result(), "06:00");
    ToZone()->setCurrentIndex(ToZone()->findData(Zone("Plain East")));
    EXPECT_EQ(Result(), "12:00");
    // A typed July date converts with July's offsets although it is January now.
    Pick(Zone("Central Europe"), Zone("US Eastern"));
    Type("2026-07-01 12:00");
    EXPECT_EQ(Result(), "06:00");
    // Unreadable text is said to be unreadable, never converted as midnight, and stays as
    // typed; an empty field is 00:00 and an hour alone is that hour.
    Pick(Zone("Plain East"), Zone("Plain West"));
    for (const char* unreadable : {"noon", "25:00", "nine", "9 o'clock"}) {
        Type(unreadable);
        EXPECT_EQ(Result(), "Invalid Format!!") << unreadable;
        EXPECT_EQ(FromTime()->text(), unreadable);
    }
    Type("");
    EXPECT_EQ(Result(), "18:00");
    Type(" 9 ");
    EXPECT_EQ(Result(), "03:00");
    Type("21");
    EXPECT_EQ(Result(), "15:00");
}

TEST_F(Converter, SwappingTwiceReturnsToTheStart) {
    Pick(Zone("Plain East"), Zone("US Eastern"));
    Type("12:00");
    Swap();
    EXPECT_EQ(Selected(FromZone()), Zone("US Eastern"));
    EXPECT_EQ(Selected(ToZone()), Zone("Plain East"));
    EXPECT_EQ(FromTime()->text(), "12:00");  // the texts are not exchanged
    EXPECT_EQ(Result(), "18:00");
    Swap();
    EXPECT_EQ(Selected(FromZone()), Zone("Plain East"));
    EXPECT_EQ(Selected(ToZone()), Zone("US Eastern"));
    EXPECT_EQ(Result(), "06:00");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Converter, PseudoZoneTargetRefusesTheSwap) {
    Pick(Zone("Plain East"), kZoneUtc);
    Type("12:00");
    Swap();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Timezone '" + ToZone()->currentText().toStdString() +
                                          "' can not be used to convert from.");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Selected(FromZone()), Zone("Plain East"));
    EXPECT_EQ(Selected(ToZone()), kZoneUtc);
    EXPECT_EQ(Result(), "11:00");
}

TEST_F(Converter, CloseBoxHidesAndKeepsZonesAndText) {
    Pick(Zone("Central Europe"), Zone("US Eastern"));
    Type("7/1/2026 9:30 AM");
    EXPECT_FALSE(window->close()) << "the close box only hides";
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(Selected(FromZone()), Zone("Central Europe"));
    EXPECT_EQ(Selected(ToZone()), Zone("US Eastern"));
    EXPECT_EQ(FromTime()->text(), "7/1/2026 9:30 AM");
    EXPECT_EQ(ToZone()->count(), static_cast<int>(app->catalogue.order.size()));
    // The program's shut-down is no close box.
    window->closeForShutDown();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->close());
}

TEST_F(Converter, EscapeHidesAndTheSwapIsAButtonForKeysAndReaders) {
    Pick(Zone("Plain East"), Zone("US Eastern"));
    QApplication::setActiveWindow(window.get());  // shortcuts act in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* swap = Part<QAbstractButton>("swapButton");
    ASSERT_NE(swap, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(swap)->role(), QAccessible::Button);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(swap)->text(QAccessible::Name),
              QStringLiteral("Swap zones"));
    EXPECT_NE(swap->focusPolicy() & Qt::TabFocus, 0);
    QTest::keyClick(swap, Qt::Key_Space);
    EXPECT_EQ(Selected(FromZone()), Zone("US Eastern"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    // A button's key presses it visibly, then acts.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Selected(FromZone()) == Zone("Plain East"); }, 2000))
        << "Alt+S swaps back";
    // The captions' keys reach the zone lists.
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(ToZone()->hasFocus());

    Type("12:00");
    QTest::keyClick(FromTime(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Escape puts the window away";
    window->show();
    EXPECT_EQ(FromTime()->text(), "12:00") << "as the close box does, nothing is lost";
}

TEST_F(Converter, OpensOnTheTimeAndTabReadsTheWindowTopToBottom) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), FromTime());
    // The source line, the target line, the swap beside them, the result, the map's box.
    const QStringList order = {"toPlaceSearch", "toZoneCombo",     "swapButton",    "toTimeEdit",
                               "mapCheck",      "fromPlaceSearch", "fromZoneCombo", "fromTimeEdit"};
    QStringList forward;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(forward, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), FromZone()) << "Shift+Tab walks back";

    // Enter is nobody's default here: not on the swap, nor in the time field.
    for (auto* button : window->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->autoDefault() || button->isDefault())
            << button->objectName().toStdString();
    }
    Pick(Zone("Plain East"), Zone("US Eastern"));
    for (QWidget* at : {Part<QWidget>("swapButton"), static_cast<QWidget*>(FromTime())}) {
        at->setFocus();
        QTest::keyClick(at, Qt::Key_Return);
        EXPECT_EQ(Selected(FromZone()), Zone("Plain East")) << at->objectName().toStdString();
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Converter, EnteringATextBoxSelectsItsText) {
    Type("2026-07-01 12:00");
    FromTime()->deselect();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(FromTime(), &focusIn);
    QApplication::processEvents();  // selected again after the click
    EXPECT_EQ(FromTime()->selectedText(), "2026-07-01 12:00");
}

TEST_F(Converter, MapStripFollowsThePreferenceAndShowsTheConvertersMoment) {
    auto* strip = Part<MapStrip>("mapStrip");
    auto* check = Part<QCheckBox>("mapCheck");
    EXPECT_TRUE(strip->isHidden()) << "off by default";
    check->click();
    EXPECT_TRUE(app->preferences.Values().ConvMap) << "the tick is the preference";
    EXPECT_FALSE(strip->isHidden());
    app->preferences.Set(&Preferences::ConvMap, false);  // changed elsewhere: followed here
    EXPECT_TRUE(strip->isHidden());
    EXPECT_FALSE(check->isChecked());
    app->preferences.Set(&Preferences::ConvMap, true);
    EXPECT_TRUE(check->isChecked());
    QCoreApplication::processEvents();
    EXPECT_EQ(strip->picture().size(), QSize(356, 184));
    EXPECT_GT(strip->height(), 0);
    EXPECT_EQ(strip->mapRect().size(), QSizeF(356, 184)) << "the map's own size, no larger";

    const int east = Zone("Plain East");
    const int west = Zone("Plain West");
    app->catalogue.zones[static_cast<std::size_t>(east)].MapId1 = 5;
    app->catalogue.zones[static_cast<std::size_t>(east)].MapId2 = 6;
    app->catalogue.zones[static_cast<std::size_t>(west)].MapId1 = 9;
    struct Case {
        int from;
        int to;
        const char* typed;
        std::int64_t nightUnixSeconds;  // 0: the clock's now
    };
    for (const Case& c : {Case{east, west, "12:00", 1'768'474'800},  // 2026-01-15 11:00 UTC
                          Case{west, east, "12:00", 1'768'496'400},  // 17:00 UTC
                          Case{east, west, "no time", 0}}) {
        Pick(c.from, c.to);
        Type(QString::fromLatin1(c.typed));
        const Instant expected =
            c.nightUnixSeconds != 0 ? InstantFromUnixMs(c.nightUnixSeconds * 1000) : clock.NowUtc();
        EXPECT_EQ(strip->night(), expected) << c.typed;
        // Both zones lit as the editor lights one.
        const QVector<QRgb> colours = strip->picture().colorTable();
        EXPECT_EQ(colours.value(5), kSelectedMainArea) << c.typed;
        EXPECT_EQ(colours.value(6), kSelectedSeaArea) << c.typed;
        EXPECT_EQ(colours.value(9), kSelectedMainArea) << c.typed;
        EXPECT_EQ(colours.value(10), kOtherArea) << c.typed;
    }
}

// Where the work area is too narrow for the rows side by side, each time goes below its zone
// list and the window fits the area; with room again they are side by side.
TEST_F(Converter, RowsStackWhereTheWorkAreaIsTooNarrowForThemSideBySide) {
    QScreen* screen = window->screen();
    ASSERT_NE(screen, nullptr);
    const QRect whole = screen->availableGeometry();
    const auto sideBySide = [&] {
        return std::abs(FromTime()->geometry().center().y() - FromZone()->geometry().center().y()) <
               FromZone()->height();
    };
    ASSERT_LT(window->frameGeometry().width() + 16, whole.width()) << "room at the start";
    EXPECT_TRUE(sideBySide());
    const QRect narrow(whole.topLeft(),
                       QSize(window->frameGeometry().width() - 40, whole.height()));
    emit screen->availableGeometryChanged(narrow);
    QCoreApplication::processEvents();
    EXPECT_FALSE(sideBySide());
    EXPECT_GT(FromTime()->y(), FromZone()->y()) << "the time below its zone list";
    EXPECT_LE(window->frameGeometry().width(), narrow.width());
    const QWidget* swap = Part<QWidget>("swapButton");
    EXPECT_TRUE(
        window->rect().contains(QRect(swap->mapTo(window.get(), QPoint(0, 0)), swap->size())))
        << "the swap button inside the window";
    emit screen->availableGeometryChanged(whole);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sideBySide());
}

}  // namespace
}  // namespace horavia
