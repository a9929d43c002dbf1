// The sentences that tell a coming change of offset, in English, for changes the zone database
// holds (worked out with Python's zoneinfo): back, forward, by 30 minutes, a zone whose
// daylight flag is set in winter, and a change of the law for good.
#include "ui/main/change_texts.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "model/offset_changes.h"
#include "model/plan_time.h"
#include "tests/model/system_zone.h"

namespace horavia {
namespace {

using testing::SystemZone;

Instant At(const char* iso) {
    return ParseIsoInstant(iso).value();
}

class ChangeTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
};

TEST_F(ChangeTexts, SentenceTellsTheAmountTheOldWallClockAndHowFarAway) {
    const struct {
        const char* zone;
        const char* now;
        const char* sentence;
    } cases[] = {
        {"Europe/Berlin", "2026-10-22T12:00Z",
         "Clocks go back 1 h on Sun 25 Oct at 03:00 (in 3 days)"},
        {"America/New_York", "2026-03-07T12:00Z",
         "Clocks go forward 1 h on Sun 8 Mar at 02:00 (tomorrow)"},
        // The zone's own calendar: 03:30 on Sunday in New York is still Saturday evening there.
        {"America/New_York", "2026-03-08T03:30Z",
         "Clocks go forward 1 h on Sun 8 Mar at 02:00 (tomorrow)"},
        {"America/New_York", "2026-03-08T05:00Z",
         "Clocks go forward 1 h on Sun 8 Mar at 02:00 (in 2 h)"},
        {"Australia/Lord_Howe", "2026-10-03T14:50Z",
         "Clocks go forward 30 min on Sun 4 Oct at 02:00 (in 40 min)"},
        {"Australia/Lord_Howe", "2027-04-03T13:29:30Z",
         "Clocks go back 30 min on Sun 4 Apr at 02:00 (in 1 h 31 min)"},
        // Dublin's winter time carries the daylight flag: only the offset's way counts.
        {"Europe/Dublin", "2026-10-24T20:00Z",
         "Clocks go back 1 h on Sun 25 Oct at 02:00 (tomorrow)"},
        {"Europe/Dublin", "2026-03-20T12:00Z",
         "Clocks go forward 1 h on Sun 29 Mar at 01:00 (in 9 days)"},
        // Kazakhstan's one offset from 1 March 2024, and Mexico's last change of the clocks.
        {"Asia/Almaty", "2024-02-20T00:00Z",
         "Clocks go back 1 h on Fri 1 Mar at 00:00 (in 10 days)"},
        {"America/Mexico_City", "2022-10-29T12:00Z",
         "Clocks go back 1 h on Sun 30 Oct at 02:00 (tomorrow)"},
    };
    for (const auto& c : cases) {
        const ZoneRules* zone = SystemZone(c.zone);
        ASSERT_TRUE(zone) << c.zone;
        const std::optional<OffsetChange> change = NextChangeWithin(*zone, At(c.now), 14);
        ASSERT_TRUE(change) << c.zone << ' ' << c.now;
        EXPECT_EQ(ChangeSentence(*change, At(c.now)).toStdString(), c.sentence)
            << c.zone << ' ' << c.now;
    }
}

TEST_F(ChangeTexts, DifferenceFromTheComputerIsToldOnlyWhenItChanges) {
    const struct {
        const char* zone;
        const char* from;
        const char* computer;  // empty: UTC
        const char* text;
    } cases[] = {
        // New York moves three weeks before Berlin.
        {"America/New_York", "2026-03-01T00:00Z", "Europe/Berlin",
         "then 5 h behind you instead of 6 h"},
        {"Europe/Berlin", "2026-03-20T00:00Z", "America/New_York",
         "then 6 h ahead of you instead of 5 h"},
        {"Europe/London", "2026-10-20T00:00Z", "",
         "then the same time as you instead of 1 h ahead"},
        {"Europe/London", "2026-03-20T00:00Z", "",
         "then 1 h ahead of you instead of the same time"},
        {"Europe/Dublin", "2026-03-20T00:00Z", "Europe/London", ""},
        {"Europe/London", "2026-10-20T00:00Z", "Europe/Berlin", ""},
        // Lord Howe moves half an hour, eleven hours before Sydney moves one.
        {"Australia/Lord_Howe", "2026-09-30T00:00Z", "Australia/Sydney",
         "then 1 h ahead of you instead of 30 min"},
        {"America/New_York", "2026-03-01T00:00Z", "America/Sao_Paulo",
         "then 1 h behind you instead of 2 h"},
        {"America/New_York", "2026-10-28T00:00Z", "America/Sao_Paulo",
         "then 2 h behind you instead of 1 h"},
    };
    for (const auto& c : cases) {
        const ZoneRules* zone = SystemZone(c.zone);
        const ZoneRules* computer = *c.computer ? SystemZone(c.computer) : nullptr;
        ASSERT_TRUE(zone && (computer || !*c.computer)) << c.zone << ' ' << c.computer;
        const std::optional<OffsetChange> change = NextChangeWithin(*zone, At(c.from), 30);
        ASSERT_TRUE(change) << c.zone << ' ' << c.from;
        EXPECT_EQ(ChangeDifferenceText(*change, computer).toStdString(), c.text)
            << c.zone << " for " << (*c.computer ? c.computer : "UTC");
    }
    // Across the computer's own offset: from half an hour behind to half an hour ahead.
    EXPECT_EQ(ChangeDifferenceText({0, -1800, 1800}, nullptr).toStdString(),
              "then 30 min ahead of you instead of 30 min behind");
    EXPECT_EQ(ChangeDifferenceText({0, 0, -3600}, nullptr).toStdString(),
              "then 1 h behind you instead of the same time");
}

TEST_F(ChangeTexts, IsoOffsetsAreSignedHoursAndMinutes) {
    const struct {
        std::int32_t seconds;
        const char* text;
    } cases[] = {{3600, "+01:00"},  {-12600, "-03:30"}, {0, "+00:00"},     {20700, "+05:45"},
                 {50400, "+14:00"}, {-39600, "-11:00"}, {-17762, "-04:56"}};
    for (const auto& c : cases) EXPECT_EQ(IsoOffsetText(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace horavia
