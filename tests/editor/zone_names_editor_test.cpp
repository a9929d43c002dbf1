// The editor's zone list over the system's zones shows them in the user-interface language.
#include <gtest/gtest.h>

#include <QComboBox>

#include "model/zone_model.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/localized_zone_names.h"
#include "tests/model/fake_messages.h"
#include "translations/program_translations.h"
#include "ui/editor/clock_editor.h"

namespace horavia::testing {
namespace {

TEST(ZoneNamesInEditor, AGermanUserReadsTheZonesInGerman) {
    ProgramTranslations translations;
    const LoadedTranslations german = translations.install({QStringLiteral("de-DE")});
    ASSERT_EQ(german.language, QStringLiteral("de"));
    const auto system = MakeSystemTzZoneSource();
    LocalizedZoneSource zones(*system, CompiledLocalizedZoneNames(german.language));

    MemoryRegistry registry;
    MemorySettingsStore store;
    RecordingMessages messages;
    FixedLocalZone localZone{3600};
    FixedClock clock{FromCivil(2026, 7, 1, 12, 0, 0), -60};
    AppState state{Services{store, registry, messages, localZone, clock, &zones},
                   EnglishUnitedStates()};
    ClockEditor editor(state);
    state.LoadSettings();
    ASSERT_TRUE(state.LoadCatalogue([&editor] { editor.sortZoneList(); }));

    const auto* list = editor.findChild<QComboBox*>(QStringLiteral("zoneCombo"));
    ASSERT_NE(list, nullptr);
    EXPECT_GE(
        list->findText(QStringLiteral("(UTC+01:00) Amsterdam, Berlin, Bern, Rom, Stockholm, Wien")),
        0);
    EXPECT_GE(list->findText(QStringLiteral("(UTC+09:00) Osaka, Sapporo, Tokio")), 0);
    EXPECT_EQ(list->findText(
                  QStringLiteral("(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna")),
              -1);
}

}  // namespace
}  // namespace horavia::testing
