#include "ui/convert/frm_convert.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <memory>

#include "convert_zones.h"
#include "tests/model/fake_messages.h"
#include "ui/convert/swap_picture.h"

namespace horavia {
namespace {

class Converter : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::AddConverterZones(registry);
        app = std::make_unique<AppState>(
            Services{settings, registry, appMessages, localZone, clock}, EnglishUnitedStates());
        ASSERT_TRUE(app->LoadCatalogue());
        window = std::make_unique<frmConvert>(*app, messages);
        window->show();
    }

    int Zone(const std::string& key) const {
        const auto& zones = app->catalogue.zones;
        for (std::size_t i = 0; i < zones.size(); ++i)
            if (zones[i].StdName == key) return static_cast<int>(i);
        return -1;
    }
    static int Selected(const QComboBox* combo) { return combo->currentData().toInt(); }
    static void Select(QComboBox* combo, int zone) {
        const int row = combo->findData(zone);
        ASSERT_GE(row, 0) << "zone " << zone << " not listed";
        combo->setCurrentIndex(row);
    }
    void Pick(const std::string& from, const std::string& to) {
        Select(window->cmbFrom, Zone(from));
        Select(window->cmbTo, Zone(to));
    }
    std::string Result() const { return window->txtTo->text().toStdString(); }

    MemoryRegistry registry;
    MemorySettingsStore settings;
    testing::RecordingMessages appMessages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 1, 15, 9, 41)};  // winter in both hemispheres' north
    std::unique_ptr<AppState> app;
    testing::RecordingMessages messages;
    std::unique_ptr<frmConvert> window;
};

TEST_F(Converter, LoadFillsDatabaseZonesAsSourcesAndEveryZoneAsTarget) {
    EXPECT_EQ(window->windowTitle(), "Horavia - Convert");
    const ZoneCatalogue& catalogue = app->catalogue;
    std::vector<int> sources;
    std::vector<int> targets;
    for (int index : catalogue.order) {
        if (index >= kFirstRegistryZone) sources.push_back(index);
        targets.push_back(index);
    }
    ASSERT_EQ(window->cmbFrom->count(), static_cast<int>(sources.size()));
    ASSERT_EQ(window->cmbTo->count(), static_cast<int>(targets.size()));
    for (int row = 0; row < window->cmbTo->count(); ++row) {
        const int index = targets[static_cast<std::size_t>(row)];
        const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(index)];
        EXPECT_EQ(window->cmbTo->itemData(row).toInt(), index);
        EXPECT_EQ(window->cmbTo->itemText(row).toStdString(), zone.Prefix + zone.Name);
    }
    for (int row = 0; row < window->cmbFrom->count(); ++row) {
        EXPECT_EQ(window->cmbFrom->itemData(row).toInt(), sources[static_cast<std::size_t>(row)]);
    }
    // The first database zone as source, the first zone of all (perhaps a pseudo-zone) as target.
    EXPECT_EQ(Selected(window->cmbFrom), sources.front());
    EXPECT_EQ(Selected(window->cmbTo), targets.front());
    EXPECT_EQ(window->txtFrom->text(), "00:00");
    EXPECT_NE(window->txtTo->text(), "");
}

TEST_F(Converter, ResultFollowsEveryChange) {
    Pick("Plain East", "Plain West");
    window->txtFrom->setText("12:00");
    EXPECT_EQ(Result(), "06:00");
    window->txtFrom->setText("3:15 PM");
    EXPECT_EQ(Result(), "09:15");
    Select(window->cmbTo, Zone("Plain East"));
    EXPECT_EQ(Result(), "15:15");
    Select(window->cmbFrom, Zone("Plain West"));
    EXPECT_EQ(Result(), "21:15");
}

TEST_F(Converter, TypedDateInTheOtherHalfOfTheYearUsesThatDatesOffsets) {
    // Now is January; the typed July date is in daylight time on both sides.
    Pick("Central Europe", "US Eastern");
    window->txtFrom->setText("2026-07-01 12:00");
    EXPECT_EQ(Result(), "06:00");
    Select(window->cmbTo, Zone("Plain West"));
    EXPECT_EQ(Result(), "05:00");
    // And the other way round in summer.
    clock.Set(FromCivil(2026, 7, 10, 8, 0));
    window->txtFrom->setText("1/15/2026 12:00");
    EXPECT_EQ(Result(), "06:00");
}

TEST_F(Converter, UnreadableTextGivesTheResultForMidnight) {
    Pick("Plain East", "Plain West");
    window->txtFrom->setText("00:00");
    const std::string midnight = Result();
    EXPECT_EQ(midnight, "18:00");
    for (const char* text : {"", "noon", "12:77", "7/45/2026"}) {
        window->txtFrom->setText("12:00");
        window->txtFrom->setText(text);
        EXPECT_EQ(Result(), midnight) << '"' << text << '"';
        EXPECT_EQ(window->txtFrom->text().toStdString(), text);  // the typed text stays
    }
}

TEST_F(Converter, SwappingTwiceReturnsToTheStart) {
    Pick("Plain East", "US Eastern");
    window->txtFrom->setText("12:00");
    EXPECT_EQ(Result(), "06:00");
    window->picSwap_Click();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("US Eastern"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("Plain East"));
    EXPECT_EQ(window->txtFrom->text(), "12:00");  // the texts are not exchanged
    EXPECT_EQ(Result(), "18:00");
    emit window->picSwap->clicked();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Plain East"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("US Eastern"));
    EXPECT_EQ(Result(), "06:00");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Converter, PseudoZoneTargetRefusesTheSwap) {
    Select(window->cmbFrom, Zone("Plain East"));
    Select(window->cmbTo, kZoneUtc);
    window->txtFrom->setText("12:00");
    const QString target = window->cmbTo->currentText();
    window->picSwap_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Timezone '" + target.toStdString() + "' can not be used to convert from.");
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Plain East"));
    EXPECT_EQ(Selected(window->cmbTo), kZoneUtc);
    EXPECT_EQ(Result(), "11:00");
}

TEST_F(Converter, CloseBoxHidesAndKeepsZonesAndText) {
    Pick("Central Europe", "US Eastern");
    window->txtFrom->setText("7/1/2026 9:30 AM");
    const std::string result = Result();
    EXPECT_TRUE(window->Form_QueryUnload(frmConvert::UnloadMode::CloseBox));
    EXPECT_FALSE(window->isVisible());

    window->show();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Central Europe"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("US Eastern"));
    EXPECT_EQ(window->txtFrom->text(), "7/1/2026 9:30 AM");
    EXPECT_EQ(Result(), result);
    // Loaded once: the lists did not grow.
    EXPECT_EQ(window->cmbTo->count(), static_cast<int>(app->catalogue.order.size()));
}

TEST_F(Converter, ProgramCloseUnloads) {
    EXPECT_FALSE(window->Form_QueryUnload(frmConvert::UnloadMode::Program));
    EXPECT_TRUE(window->close());  // the program's own close is not the close box
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Converter, EnteringATextBoxSelectsItsText) {
    window->txtFrom->setText("2026-07-01 12:00");
    window->txtFrom->deselect();
    QFocusEvent focusFrom(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(window->txtFrom, &focusFrom);
    EXPECT_EQ(window->txtFrom->selectedText(), "2026-07-01 12:00");
    window->txtTo->deselect();
    QFocusEvent focusTo(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(window->txtTo, &focusTo);
    QApplication::processEvents();  // the selection made again after the click
    EXPECT_EQ(window->txtTo->selectedText(), window->txtTo->text());
    EXPECT_TRUE(window->txtTo->isReadOnly());
}

}  // namespace
}  // namespace horavia
