// Runs the built program with --print/--tip --at and --meet on a frozen clock: 07:00 on Sunday
// 2026-03-08 in New York (the computer's zone here; faketime reads the time in it), 11:00 UTC,
// hours after New York moved to daylight time. The expected times were worked out with Python's
// zoneinfo.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "program_run.h"

namespace {

using horavia::testing::ProgramRun;
using horavia::testing::RootLine;
using horavia::testing::WriteIni;

ProgramRun RunFrozen(const QTemporaryDir& config, const QStringList& args) {
    return horavia::testing::RunHoraviaFrozen(config, args, "2026-03-08 07:00:00",
                                              "America/New_York");
}

// UTC, Tokyo with a date, Kathmandu (+05:45).
constexpr char kThreeClocks[] =
    "[Settings]\nSVersion=2\nSZoneNum=3\n"
    "S0Dis=UTC\nS0Zon=0\nS0Fmt=\"yyyy-mm-dd hh:nn:ss\"\nS0Ena=True\n"
    "S1Dis=Tokyo\nS1Zon=Tokyo Standard Time\nS1Fmt=\"yyyy-mm-dd hh:nn\"\nS1Ena=True\n"
    "S2Dis=Kathmandu\nS2Zon=Nepal Standard Time\nS2Fmt=\"hh:nn\"\nS2Ena=True\n";

TEST(PlanEndToEnd, PrintAtATimeShowsEveryClockAtThatInstant) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(config, kThreeClocks));
    struct Case {
        const char* time;
        const char* utc;
        const char* tokyo;
        const char* kathmandu;
        const char* note;  // on standard error, or empty
    };
    const Case cases[] = {
        {"2026-10-14T13:00Z", "2026-10-14 13:00:00", "2026-10-14 22:00", "18:45", ""},
        {"2026-10-14T18:45+05:45", "2026-10-14 13:00:00", "2026-10-14 22:00", "18:45", ""},
        // A time alone is today on the computer's clock, already in daylight time.
        {"15:00", "2026-03-08 19:00:00", "2026-03-09 04:00", "00:45", ""},
        {"15:00 Tokyo", "2026-03-08 06:00:00", "2026-03-08 15:00", "11:45", ""},
        {"2026-10-14 15:00 America/Lima", "2026-10-14 20:00:00", "2026-10-15 05:00", "01:45", ""},
        // Lima's own timeline: it kept summer time in 1994, Bogota (the zone's) did not.
        {"1994-02-01 12:00 Lima", "1994-02-01 16:00:00", "1994-02-02 01:00", "21:45", ""},
        {"3 pm São Paulo", "2026-03-08 18:00:00", "2026-03-09 03:00", "23:45", ""},
        // Kiritimati (+14) is on Monday the 9th already: its today, not the computer's.
        {"15:00 Kiritimati", "2026-03-09 01:00:00", "2026-03-09 10:00", "06:45", ""},
        {"2026-10-25 02:30 Europe/Berlin", "2026-10-25 00:30:00", "2026-10-25 09:30", "06:15",
         "horavia: 02:30 happens twice on"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunFrozen(config, {"--print", "--at", QString::fromUtf8(c.time)});
        EXPECT_EQ(run.exitCode, 0) << c.time << run.err.toStdString();
        EXPECT_EQ(run.out,
                  QString("UTC\t%1\nTokyo\t%2\nKathmandu\t%3\n").arg(c.utc, c.tokyo, c.kathmandu))
            << c.time;
        if (*c.note) {
            EXPECT_TRUE(run.err.startsWith(RootLine() + c.note)) << run.err.toStdString();
        } else {
            EXPECT_EQ(run.err, RootLine()) << c.time;
        }
    }
    const ProgramRun tip = RunFrozen(config, {"--tip", "--at", "15:00 Tokyo"});
    EXPECT_EQ(tip.exitCode, 0);
    EXPECT_EQ(tip.out, "UTC: 06:00 - Tokyo: 15:00 - Kathmandu: 11:45\n");
}

TEST(PlanEndToEnd, ATimeThatIsSkippedOrDoesNotReadEndsWithStatusTwo) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(config, kThreeClocks));
    struct Case {
        const char* time;
        const char* error;
    };
    const Case cases[] = {
        {"2026-03-29 02:30 Europe/Berlin",
         "horavia: 02:30 does not exist on 29 Mar 2026 in Berlin, Germany: clocks went from "
         "02:00 to 03:00\n"},
        {"2026-03-08 02:30", "horavia: 02:30 does not exist on"},  // New York, that very day
        {"teatime", "horavia: --at: \"teatime\" is not a time\n\nUsage: horavia"},
        {"15:00 Atlantis Nowhere", "horavia: --at: no place or time zone is named in"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunFrozen(config, {"--print", "--at", c.time});
        EXPECT_EQ(run.exitCode, 2) << c.time;
        EXPECT_EQ(run.out, "") << c.time;
        EXPECT_TRUE(run.err.startsWith(RootLine() + c.error)) << run.err.toStdString();
    }
}

TEST(PlanEndToEnd, MeetFindsTheFirstCommonSlotOrTheFairestWithWhoIsOutside) {
    struct Case {
        QByteArray clocks;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        // Berlin works 08:00-16:00 UTC in winter, Lima 14:00-22:00: Monday 14:00 UTC.
        {"S0Dis=Berlin\nS0Zon=W. Europe Standard Time\nS0Ena=True\nS0Wrk=09:00-17:00\n"
         "S0Days=12345\nS0Fmt=\"ddd hh:nn\"\n"
         "S1Dis=Lima\nS1Zon=SA Pacific Standard Time\nS1Ena=True\nS1Wrk=09:00-17:00\n"
         "S1Days=12345\nS1Fmt=\"ddd hh:nn\"\n",
         "Berlin\tMon 15:00\nLima\tMon 09:00\n2026-03-09T14:00:00Z\n", ""},
        // Tokyo (00:00-08:00 UTC) and Lima never meet: the middle of the shorter gap.
        {"S0Dis=Lima\nS0Zon=SA Pacific Standard Time\nS0Ena=True\nS0Wrk=09:00-17:00\n"
         "S0Days=12345\nS0Fmt=\"ddd hh:nn\"\n"
         "S1Dis=Tokyo\nS1Zon=Tokyo Standard Time\nS1Ena=True\nS1Wrk=09:00-17:00\n"
         "S1Days=12345\nS1Fmt=\"ddd hh:nn\"\n",
         "Lima\tMon 17:45\nTokyo\tTue 07:45\n2026-03-09T22:45:00Z\n",
         "Lima: 17:45, 1 h 15 min after working hours\n"
         "Tokyo: 07:45, 1 h 15 min before working hours\n"},
    };
    for (const Case& c : cases) {
        QTemporaryDir config;
        ASSERT_TRUE(WriteIni(config, "[Settings]\nSVersion=2\nSZoneNum=2\n" + c.clocks));
        const ProgramRun run = RunFrozen(config, {"--meet"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), c.out);
        EXPECT_EQ(run.err.toStdString(), (RootLine() + c.err).toStdString());
    }
    QTemporaryDir none;
    ASSERT_TRUE(WriteIni(none, kThreeClocks));
    const ProgramRun run = RunFrozen(none, {"--meet", "--within", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, RootLine() + "horavia: no enabled clock has working hours\n");
}

}  // namespace
