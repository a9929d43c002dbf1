// Runs the built program with --changes on a frozen clock: Thursday 2026-10-22 12:00 UTC, three
// days before Europe leaves summer time (01:00 UTC on the 25th) and ten before New York does
// (06:00 UTC on 1 November). The instants were worked out with Python's zoneinfo.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "program_run.h"

namespace {

using horavia::testing::ProgramRun;
using horavia::testing::RootLine;
using horavia::testing::WriteIni;

ProgramRun RunFrozen(const QTemporaryDir& config, const QStringList& args) {
    return horavia::testing::RunHoraviaFrozen(config, args, "2026-10-22 12:00:00", "UTC");
}

// New York first in the list, London before Berlin (the same instant), a disabled clock, UTC
// and Tokyo (no changes), Lord Howe (next change in April).
QByteArray Clocks(const char* preferences) {
    return QByteArray("[Settings]\nSVersion=2\nSZoneNum=7\n") + preferences +
           "S0Dis=New York\nS0Zon=Eastern Standard Time\nS0Fmt=hh:nn\nS0Ena=True\n"
           "S1Dis=London\nS1Zon=GMT Standard Time\nS1Fmt=hh:nn\nS1Ena=True\n"
           "S2Dis=Paris off\nS2Zon=Romance Standard Time\nS2Fmt=hh:nn\nS2Ena=False\n"
           "S3Dis=Berlin\nS3Zon=W. Europe Standard Time\nS3Fmt=hh:nn\nS3Ena=True\n"
           "S4Dis=UTC\nS4Zon=0\nS4Fmt=hh:nn\nS4Ena=True\n"
           "S5Dis=Tokyo\nS5Zon=Tokyo Standard Time\nS5Fmt=hh:nn\nS5Ena=True\n"
           "S6Dis=Lord Howe\nS6Zon=Lord Howe Standard Time\nS6Fmt=hh:nn\nS6Ena=True\n";
}

constexpr char kLondon[] =
    "London\t2026-10-25T01:00:00Z\t+01:00\t+00:00\t"
    "Clocks go back 1 h on Sun 25 Oct at 02:00 (in 3 days)\n";
constexpr char kBerlin[] =
    "Berlin\t2026-10-25T01:00:00Z\t+02:00\t+01:00\t"
    "Clocks go back 1 h on Sun 25 Oct at 03:00 (in 3 days)\n";
constexpr char kNewYork[] =
    "New York\t2026-11-01T06:00:00Z\t-04:00\t-05:00\t"
    "Clocks go back 1 h on Sun 1 Nov at 02:00 (in 10 days)\n";
constexpr char kLordHowe[] =
    "Lord Howe\t2027-04-03T15:00:00Z\t+11:00\t+10:30\t"
    "Clocks go back 30 min on Sun 4 Apr at 02:00 (in 164 days)\n";

TEST(ChangesEndToEnd, PrintsTheComingChangesSoonestFirstWithinTheDays) {
    const struct {
        const char* preferences;
        QStringList args;
        int exitCode;
        QString out;
    } cases[] = {
        // Two weeks by default, and when the stored days say never.
        {"", {"--changes"}, 0, QString(kLondon) + kBerlin + kNewYork},
        {"ChangeDays=0\n", {"--changes"}, 0, QString(kLondon) + kBerlin + kNewYork},
        {"ChangeDays=5\n", {"--changes"}, 0, QString(kLondon) + kBerlin},
        {"ChangeDays=5\n",
         {"--changes", "--within", "366"},
         0,
         QString(kLondon) + kBerlin + kNewYork + kLordHowe},
        {"", {"--within", "10", "--changes"}, 0, QString(kLondon) + kBerlin + kNewYork},
        {"", {"--changes", "--within", "2"}, 1, ""},
        // A usage error, told on standard error.
        {"", {"--changes", "--within", "367"}, 2, ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir config;
        ASSERT_TRUE(WriteIni(config, Clocks(c.preferences)));
        const ProgramRun run = RunFrozen(config, c.args);
        const std::string what = (c.preferences + c.args.join(' ')).toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << what;
        if (c.exitCode == 2) {
            EXPECT_TRUE(run.err.contains("--within needs a whole number from 1 to 366")) << what;
        } else {
            EXPECT_EQ(run.err, RootLine()) << what;
        }
    }
}

}  // namespace
