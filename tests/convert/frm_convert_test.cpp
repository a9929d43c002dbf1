#include "ui/convert/frm_convert.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <memory>

#include "convert_zones.h"
#include "tests/model/fake_messages.h"

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
    void Pick(int from, int to) {
        window->cmbFrom->setCurrentIndex(window->cmbFrom->findData(from));
        window->cmbTo->setCurrentIndex(window->cmbTo->findData(to));
    }
    std::string Result() const { return window->txtTo->text().toStdString(); }

    MemoryRegistry registry;
    MemorySettingsStore settings;
    testing::RecordingMessages appMessages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 1, 15, 9, 41)};  // winter
    std::unique_ptr<AppState> app;
    testing::RecordingMessages messages;
    std::unique_ptr<frmConvert> window;
};

TEST_F(Converter, LoadListsDatabaseZonesAsSourcesAndEveryZoneAsTarget) {
    std::vector<int> sources;
    for (int index : app->catalogue.order)
        if (index >= kFirstRegistryZone) sources.push_back(index);
    const auto& order = app->catalogue.order;
    ASSERT_EQ(window->cmbFrom->count(), static_cast<int>(sources.size()));
    ASSERT_EQ(window->cmbTo->count(), static_cast<int>(order.size()));
    for (int row = 0; row < window->cmbTo->count(); ++row) {
        const int index = order[static_cast<std::size_t>(row)];
        const ZoneInfo& zone = app->catalogue.zones[static_cast<std::size_t>(index)];
        EXPECT_EQ(window->cmbTo->itemData(row).toInt(), index);
        EXPECT_EQ(window->cmbTo->itemText(row).toStdString(), zone.Prefix + zone.Name);
    }
    for (int row = 0; row < window->cmbFrom->count(); ++row)
        EXPECT_EQ(window->cmbFrom->itemData(row).toInt(), sources[static_cast<std::size_t>(row)]);
    EXPECT_EQ(Selected(window->cmbFrom), sources.front());
    EXPECT_EQ(Selected(window->cmbTo), order.front());
}

TEST_F(Converter, ResultFollowsTextAndZones) {
    Pick(Zone("Plain East"), Zone("Plain West"));
    window->txtFrom->setText("12:00");
    EXPECT_EQ(Result(), "06:00");
    window->cmbTo->setCurrentIndex(window->cmbTo->findData(Zone("Plain East")));
    EXPECT_EQ(Result(), "12:00");
    // A typed July date converts with July's offsets although it is January now.
    Pick(Zone("Central Europe"), Zone("US Eastern"));
    window->txtFrom->setText("2026-07-01 12:00");
    EXPECT_EQ(Result(), "06:00");
    // Unreadable text gives the result for 00:00 and stays as typed.
    Pick(Zone("Plain East"), Zone("Plain West"));
    window->txtFrom->setText("noon");
    EXPECT_EQ(Result(), "18:00");
    EXPECT_EQ(window->txtFrom->text(), "noon");
}

TEST_F(Converter, SwappingTwiceReturnsToTheStart) {
    Pick(Zone("Plain East"), Zone("US Eastern"));
    window->txtFrom->setText("12:00");
    window->picSwap_Click();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("US Eastern"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("Plain East"));
    EXPECT_EQ(window->txtFrom->text(), "12:00");  // the texts are not exchanged
    EXPECT_EQ(Result(), "18:00");
    window->picSwap_Click();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Plain East"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("US Eastern"));
    EXPECT_EQ(Result(), "06:00");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Converter, PseudoZoneTargetRefusesTheSwap) {
    Pick(Zone("Plain East"), kZoneUtc);
    window->txtFrom->setText("12:00");
    window->picSwap_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Timezone '" + window->cmbTo->currentText().toStdString() +
                                          "' can not be used to convert from.");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Plain East"));
    EXPECT_EQ(Selected(window->cmbTo), kZoneUtc);
    EXPECT_EQ(Result(), "11:00");
}

TEST_F(Converter, CloseBoxHidesAndKeepsZonesAndText) {
    Pick(Zone("Central Europe"), Zone("US Eastern"));
    window->txtFrom->setText("7/1/2026 9:30 AM");
    EXPECT_TRUE(window->Form_QueryUnload(frmConvert::UnloadMode::CloseBox));
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(Selected(window->cmbFrom), Zone("Central Europe"));
    EXPECT_EQ(Selected(window->cmbTo), Zone("US Eastern"));
    EXPECT_EQ(window->txtFrom->text(), "7/1/2026 9:30 AM");
    EXPECT_EQ(window->cmbTo->count(), static_cast<int>(app->catalogue.order.size()));
    // The program's own close is no close box.
    EXPECT_FALSE(window->Form_QueryUnload(frmConvert::UnloadMode::Program));
    EXPECT_TRUE(window->close());
}

TEST_F(Converter, EnteringATextBoxSelectsItsText) {
    window->txtFrom->setText("2026-07-01 12:00");
    window->txtFrom->deselect();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(window->txtFrom, &focusIn);
    QApplication::processEvents();  // selected again after the click
    EXPECT_EQ(window->txtFrom->selectedText(), "2026-07-01 12:00");
}

}  // namespace
}  // namespace horavia
