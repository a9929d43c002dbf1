// A small zone catalogue, a clock list and its recorded changes around one clock editor.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "model/text_helpers.h"
#include "model/zone_model.h"
#include "tests/model/fake_messages.h"
#include "tests/model/tzi_builder.h"
#include "ui/editor/clock_editor.h"
#include "ui/editor/world_map_view.h"

namespace horavia::testing {

// Every change the clock list announces, as "added|changed key|label|X|zone" texts.
class RecordingRows {
  public:
    explicit RecordingRows(ClockBook& book, const ZoneCatalogue& catalogue)
        : book_(book), catalogue_(catalogue) {}
    ~RecordingRows() { book_.Unsubscribe(id_); }
    void Start() {
        id_ = book_.Subscribe([this](const ClockChange& change) {
            const ClockEntry* c = book_.Clock(change.slot);
            const std::string kind = change.kind == ClockChange::Kind::Added     ? "added "
                                     : change.kind == ClockChange::Kind::Changed ? "changed "
                                                                                 : "other ";
            calls.push_back(c == nullptr ? kind
                                         : kind + ClockKey(change.slot) + "|" + c->Label + "|" +
                                               (c->Enabled ? "X" : "") + "|" +
                                               ZoneDisplayText(catalogue_, c->Zone));
        });
    }
    std::vector<std::string> RowKeys() const { return book_.RowKeys(); }
    std::vector<std::string> calls;

  private:
    ClockBook& book_;
    const ZoneCatalogue& catalogue_;
    int id_ = -1;
};

// Registry zones by catalogue index: Alpha map ids 7,19; Beta 3,20; Delta 3,21; Gamma none.
inline constexpr int kAlpha = 10, kBeta = 11, kDelta = 12, kGamma = 13;

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AddZone(registry, "Alpha Zone", "(UTC+13:00) Zulu Islands", MakeTzi(-780), "7,19");
        AddZone(registry, "Beta Zone", "(UTC-12:00) dateline west", MakeTzi(720), "3,20");
        AddZone(registry, "Delta Zone", "(UTC+01:00) Middle Europe", MakeTzi(-60), "3,21");
        AddZone(registry, "Gamma Zone", "(UTC) Greenwich", MakeTzi(0), "");
        editor = std::make_unique<ClockEditor>(state, nullptr, MapPictureForTest());
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue([this] { editor->sortZoneList(); }));
        // Slots: 0 " Tokyo " (disabled, own format), 1 empty, 2 "Berlin".
        state.book.Replace({{" Tokyo ", "hh:nn", kAlpha, false}, {}, {"Berlin", "", kDelta, true}});
        rows.Start();
    }

    // The editor's controls, as a user finds them.
    template <class Control>
    static Control* Part(const ClockEditor& e, const char* name) {
        auto* control = e.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* LabelEdit() const { return Part<QLineEdit>(*editor, "labelEdit"); }
    QLineEdit* FormatEdit() const { return Part<QLineEdit>(*editor, "formatEdit"); }
    QCheckBox* EnabledCheck() const { return Part<QCheckBox>(*editor, "enabledCheck"); }
    QComboBox* ZoneCombo() const { return Part<QComboBox>(*editor, "zoneCombo"); }
    WorldMapView* MapView() const { return Part<WorldMapView>(*editor, "worldMap"); }
    QPushButton* OkButton() const { return Part<QPushButton>(*editor, "okButton"); }
    QPushButton* CancelButton() const { return Part<QPushButton>(*editor, "cancelButton"); }

    // Picks the entry of catalogue zone `zone` in the editor's list, if the list offers it.
    static void ChooseZone(const ClockEditor& e, int zone) {
        QComboBox* combo = Part<QComboBox>(e, "zoneCombo");
        const int row = combo->findData(zone);
        if (row >= 0) combo->setCurrentIndex(row);
    }
    void ChooseZone(int zone) const { ChooseZone(*editor, zone); }
    // A left click on the map at picture pixel `pixel` (which may lie outside the picture).
    static void ClickMap(const ClockEditor& e, QPoint pixel,
                         Qt::MouseButton button = Qt::LeftButton) {
        WorldMapView* map = Part<WorldMapView>(e, "worldMap");
        QTest::mouseClick(map, button, {}, map->contentsRect().topLeft() + pixel);
    }
    // Presses OK; a disabled button takes no click.
    void PressOk() const { QTest::mouseClick(OkButton(), Qt::LeftButton); }

    int SelectedZone() const {
        return ZoneCombo()->currentIndex() < 0 ? -1 : ZoneCombo()->currentData().toInt();
    }
    QRgb AreaColour(int area) const { return MapView()->picture().colorTable().value(area); }

    // 6 x 4 pixels of area numbers; 99 and 0 belong to no zone.
    static QImage MapPictureForTest() {
        static const uint areas[4][6] = {{7, 7, 19, 19, 3, 3},
                                         {20, 20, 21, 21, 99, 99},
                                         {0, 0, 0, 0, 0, 0},
                                         {21, 3, 7, 19, 20, 99}};
        QImage picture(6, 4, QImage::Format_Indexed8);
        picture.setColorCount(256);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x) picture.setPixel(x, y, areas[y][x]);
        return picture;
    }

    MemoryRegistry registry;
    MemorySettingsStore store;
    RecordingMessages messages;
    FixedLocalZone localZone{3600};
    FixedClock clock{FromCivil(2026, 7, 1, 12, 0, 0), -60};
    AppState state{Services{store, registry, messages, localZone, clock}, EnglishUnitedStates()};
    RecordingRows rows{state.book, state.catalogue};
    std::unique_ptr<ClockEditor> editor;
};

}  // namespace horavia::testing
