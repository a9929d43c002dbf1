// The computer's clock and zone on Linux, in the zone TZ names.
#include "platform/system_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

namespace horavia {
namespace {

class Berlin : public testing::Test {
  protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
        setenv("TZ", "Europe/Berlin", 1);
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
    }

    static std::int64_t Ms(Instant t) { return UnixMsOf(t); }

    SystemLocalZone zone;

  private:
    std::optional<std::string> saved_;
};

// The instants of local wall times as Python's zoneinfo has them: for 2026-03-29 02:30
// and 2026-10-25 02:30 in Europe/Berlin, datetime(..., tzinfo=ZoneInfo("Europe/Berlin"),
// fold=0 / fold=1).timestamp() * 1000.
TEST_F(Berlin, LookUpTellsUniqueSkippedAndRepeatedWallTimes) {
    const auto skipped = zone.LookUp(FromCivil(2026, 3, 29, 2, 30));
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->kind, LocalTimeLookup::Kind::Skipped);
    EXPECT_EQ(Ms(skipped->pre), 1774747800000);   // fold=0: +01:00, 01:30 UTC
    EXPECT_EQ(Ms(skipped->post), 1774744200000);  // fold=1: +02:00, 00:30 UTC

    const auto repeated = zone.LookUp(FromCivil(2026, 10, 25, 2, 30));
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->kind, LocalTimeLookup::Kind::Repeated);
    EXPECT_EQ(Ms(repeated->pre), 1792888200000);   // fold=0: +02:00, 00:30 UTC
    EXPECT_EQ(Ms(repeated->post), 1792891800000);  // fold=1: +01:00, 01:30 UTC

    // Either side of both changes, and to the millisecond, the reading is unique.
    const struct {
        DayCount local;
        std::int64_t ms;
    } unique[] = {
        {FromCivil(2026, 3, 29, 1, 59, 59, 999), 1774745999999},
        {FromCivil(2026, 3, 29, 3, 0), 1774746000000},
        {FromCivil(2026, 10, 25, 1, 59, 59, 999), 1792886399999},
        {FromCivil(2026, 10, 25, 3, 0), 1792893600000},
        {FromCivil(1895, 7, 1, 12, 0, 0, 250), -2351077199750},  // before 1899: a negative count
    };
    for (const auto& u : unique) {
        const auto found = zone.LookUp(u.local);
        ASSERT_TRUE(found) << u.local;
        EXPECT_EQ(found->kind, LocalTimeLookup::Kind::Unique) << u.local;
        EXPECT_EQ(Ms(found->pre), u.ms) << u.local;
        EXPECT_EQ(found->post, found->pre) << u.local;
    }
    EXPECT_FALSE(zone.LookUp(std::numeric_limits<double>::quiet_NaN()));
}

TEST_F(Berlin, ZoneAtAnInstantAndNowAgree) {
    const auto rules = zone.Rules();
    const ZoneState summer = StateOn(rules.get(), InstantFromUnixMs(1792889999999));
    EXPECT_EQ(summer.offset, 7200);
    EXPECT_TRUE(summer.isDst);
    const ZoneState winter = StateOn(rules.get(), InstantFromUnixMs(1792890000000));
    EXPECT_EQ(winter.offset, 3600);
    EXPECT_FALSE(winter.isDst);

    SystemClock clock;
    const Instant utc = clock.NowUtc();
    const DayCount local = clock.NowLocal();
    EXPECT_NEAR(local, zone.ReadingAt(utc), 2.0 / 86400.0);
}

// The computer's zone follows TZ as the C library reads it (file, zone id, rule string, or
// UTC for anything else), and a change of TZ is followed at the next question.
TEST_F(Berlin, EveryFormOfTzGivesTheZoneTheCLibraryGives) {
    const char* forms[] = {"Europe/Berlin",
                           ":America/New_York",
                           "/usr/share/zoneinfo/Asia/Tokyo",
                           "EST5EDT,M3.2.0,M11.1.0",
                           "<+0530>-5:30",
                           "",
                           "Not/AZone",
                           "../etc"};
    const std::int64_t instants[] = {
        100'000'000, 0, 1'774'745'999, 1'774'746'000, 1'792'889'999, 1'792'890'000, 4'102'444'800};
    for (const char* tz : forms) {
        setenv("TZ", tz, 1);
        tzset();
        const auto rules = zone.Rules();
        for (const std::int64_t t : instants) {
            const std::time_t seconds = t;
            std::tm tm{};
            localtime_r(&seconds, &tm);
            const ZoneState state = StateOn(rules.get(), InstantFromUnixMs(t * 1000));
            EXPECT_EQ(state.offset, tm.tm_gmtoff) << tz << " at " << t;
            EXPECT_EQ(state.isDst, tm.tm_isdst > 0) << tz << " at " << t;
        }
    }
}

}  // namespace
}  // namespace horavia
