// Runs the built program with --print and --tip on a temporary settings folder.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

#include "program_run.h"

namespace {

using horavia::testing::IniPath;
using horavia::testing::ProgramRun;
using horavia::testing::RootLine;
using horavia::testing::RunHoravia;
using horavia::testing::WriteIni;

TEST(PrintEndToEnd, FirstStartPrintsTheDefaultClocksAndWritesThem) {
    QTemporaryDir config;
    const ProgramRun run = RunHoravia(config, {"--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(QRegularExpression("^Zulu\\t\\d\\d:\\d\\d:\\d\\d$").match(lines[0]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^Swatch\\t@\\d\\d\\d$").match(lines[1]).hasMatch());
    // The Zulu clock shows UTC (the computer's zone is New York).
    const QTime shown = QTime::fromString(lines[0].mid(5), "hh:mm:ss");
    const int off = QDateTime::currentDateTimeUtc().time().secsTo(shown);
    EXPECT_TRUE(std::abs(off) <= 2 || std::abs(off) >= 86398) << off;
    QFile ini(IniPath(config));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains("\nSVersion=2\n"));
    EXPECT_TRUE(text.contains("\nS1Zon=8\n"));
}

TEST(PrintEndToEnd, StoredClocksInOrderWithTheirFormatsAndTheTip) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(config,
                         "[Settings]\n"
                         "SVersion=2\n"
                         "SZoneNum=4\n"
                         "S0Dis=Tokyo, Japan\n"
                         "S0Zon=Tokyo Standard Time\n"
                         "S0Fmt=\"yyyy-mm-dd hh:nn\"\n"
                         "S0Ena=True\n"
                         "S1Dis=Off\n"
                         "S1Zon=0\n"
                         "S1Ena=False\n"
                         "S2Dis=Unix\n"
                         "S2Zon=7\n"
                         "S2Ena=true\n"
                         "S3Dis=Gone\n"
                         "S3Zon=Atlantis Standard Time\n"
                         "S3Ena=1\n"));
    const ProgramRun run = RunHoravia(config, {"--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    const QString tokyo = QDateTime::currentDateTimeUtc().addSecs(9 * 3600).toString("yyyy-MM-dd");
    EXPECT_TRUE(lines[0].startsWith("Tokyo, Japan\t" + tokyo + " ")) << lines[0].toStdString();
    const qint64 unix = lines[1].section('\t', 1).toLongLong();
    EXPECT_NEAR(static_cast<double>(unix), static_cast<double>(QDateTime::currentSecsSinceEpoch()),
                3.0);
    EXPECT_TRUE(lines[2].startsWith("Gone\t"));  // an unknown zone still shows a time

    const ProgramRun tip = RunHoravia(config, {"--tip"});
    ASSERT_EQ(tip.exitCode, 0);
    EXPECT_TRUE(QRegularExpression("^Tokyo, Japan: \\d\\d:\\d\\d - Unix: \\d+ - Gone: "
                                   "\\d\\d:\\d\\d\\n$")
                    .match(tip.out)
                    .hasMatch())
        << tip.out.toStdString();
}

TEST(PrintEndToEnd, BadSettingsAreReportedOnStandardErrorAndNoClockGivesTheProgramName) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(
        config, "[Settings]\nSVersion=2\nSZoneNum=1\nS0Dis=A\nS0Ena=perhaps\nFontSize=huge\n"));
    const ProgramRun tip = RunHoravia(config, {"--tip"});
    EXPECT_EQ(tip.exitCode, 0);
    EXPECT_EQ(tip.out, "Horavia\n");
    EXPECT_TRUE(tip.err.contains("GetSettingBool(Horavia 2.0, Settings, S0Ena, False) = perhaps"));
    EXPECT_TRUE(tip.err.contains("GetSettingLng(Horavia 2.0, Settings, FontSize, 10) = huge"));
}

// A count that is no count (it once aborted every start) is told, and the stored clocks are
// read from their own keys, never written over with the first start's defaults.
TEST(PrintEndToEnd, ACountBelowZeroIsToldAndTheStoredClocksStay) {
    for (const char* count : {"-0.5", "-5e-1"}) {
        QTemporaryDir config;
        ASSERT_TRUE(WriteIni(config, QByteArray("[Settings]\nSVersion=2\nSZoneNum=") + count +
                                         "\nS0Dis=Here\nS0Zon=7\nS0Ena=True\n"));
        const ProgramRun run = RunHoravia(config, {"--print"});
        EXPECT_EQ(run.exitCode, 0) << count;
        EXPECT_TRUE(QRegularExpression("^Here\\t\\d+\\n$").match(run.out).hasMatch()) << count;
        EXPECT_EQ(run.err.count("GetSettingLng(Horavia 2.0, Settings, SZoneNum, 0) = "), 1)
            << count;
    }
}

TEST(PrintEndToEnd, MoreClocksThanTheLimitAreToldAndTheFileIsLeftAsItIs) {
    QTemporaryDir config;
    QByteArray ini = "[Settings]\nSZoneNum=10001\n";  // version 1: would be migrated
    for (int n = 0; n <= 10000; ++n) ini += "S" + QByteArray::number(n) + "Dis=C\n";
    ASSERT_TRUE(WriteIni(config, ini));
    const ProgramRun print = RunHoravia(config, {"--print"});
    EXPECT_EQ(print.exitCode, 0);
    EXPECT_EQ(print.out.count('\n'), 0) << "no clock is enabled";
    EXPECT_EQ(print.err, RootLine() +
                             "horavia: more than 10000 clocks are stored; only the first "
                             "10000 are read\n");
    QFile file(IniPath(config));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ini) << "neither migrated nor renumbered";
}

// A label or format holding line breaks or other controls must not break or forge a line.
TEST(PrintEndToEnd, ControlCharactersPrintAsSpacesSoEveryClockIsOneLine) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(config,
                         "[Settings]\n"
                         "SVersion=2\n"
                         "SZoneNum=2\n"
                         "S0Dis=\"Forged\\nS0Dis=x\\0end\\r\"\n"
                         "S0Fmt=\"\\\"a\\tb\\rc\\\" hh\"\n"
                         "S0Zon=0\n"
                         "S0Ena=True\n"
                         "S1Dis=Esc\x1b[0mDel\x7f"
                         "Nel\xc2\x85"
                         "Sep\xe2\x80\xa8"
                         "End\n"
                         "S1Fmt=\"nn\"\n"
                         "S1Zon=0\n"
                         "S1Ena=True\n"));

    const ProgramRun run = RunHoravia(config, {"--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();  // two lines and the final break
    EXPECT_TRUE(
        QRegularExpression("^Forged S0Dis=x end \\ta b c \\d\\d$").match(lines[0]).hasMatch())
        << lines[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression("^Esc \\[0mDel Nel Sep End\\t\\d\\d$").match(lines[1]).hasMatch())
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], "");

    const ProgramRun tip = RunHoravia(config, {"--tip"});
    ASSERT_EQ(tip.exitCode, 0) << tip.err.toStdString();
    EXPECT_TRUE(
        QRegularExpression("^Forged S0Dis=x end : \\d\\d:\\d\\d - Esc \\[0mDel Nel Sep End: "
                           "\\d\\d:\\d\\d\\n$")
            .match(tip.out)
            .hasMatch())
        << tip.out.toStdString();
}

// A right-to-left override in a label would show the rest of the line backwards on a terminal;
// embeddings, isolates and marks steer the order as well. Letters of right-to-left scripts stay.
TEST(PrintEndToEnd, BidirectionalControlsPrintAsSpaces) {
    QTemporaryDir config;
    ASSERT_TRUE(WriteIni(config,
                         "[Settings]\n"
                         "SVersion=2\n"
                         "SZoneNum=2\n"
                         "S0Dis=Over\xe2\x80\xaersion\n"          // U+202E
                         "S0Fmt=\"\\\"x\xe2\x81\xa6y\\\" nn\"\n"  // U+2066 in the format
                         "S0Zon=0\n"
                         "S0Ena=True\n"
                         "S1Dis=a\xe2\x80\xaa"  // U+202A .. U+202D, U+2067 .. U+2069
                         "b\xe2\x80\xab"
                         "c\xe2\x80\xac"
                         "d\xe2\x80\xad"
                         "e\xe2\x81\xa7"
                         "f\xe2\x81\xa8"
                         "g\xe2\x81\xa9"
                         "h\xe2\x80\x8e"  // U+200E, U+200F, U+061C
                         "i\xe2\x80\x8f"
                         "j\xd8\x9c"
                         "k\xd7\x90\n"  // a Hebrew letter, which stays
                         "S1Fmt=\"nn\"\n"
                         "S1Zon=0\n"
                         "S1Ena=True\n"));

    const ProgramRun run = RunHoravia(config, {"--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    EXPECT_TRUE(QRegularExpression("^Over rsion\\tx y \\d\\d$").match(lines[0]).hasMatch())
        << lines[0].toStdString();
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("^a b c d e f g h i j k\u05d0\\t\\d\\d$"))
                    .match(lines[1])
                    .hasMatch())
        << lines[1].toStdString();

    const ProgramRun tip = RunHoravia(config, {"--tip"});
    ASSERT_EQ(tip.exitCode, 0) << tip.err.toStdString();
    EXPECT_TRUE(QRegularExpression(
                    QString::fromUtf8("^Over rsion: \\d\\d:\\d\\d - a b c d e f g h i j k\u05d0: "
                                      "\\d\\d:\\d\\d\\n$"))
                    .match(tip.out)
                    .hasMatch())
        << tip.out.toStdString();
    for (const QString& out : {run.out, tip.out}) {
        for (const char16_t control :
             {u'\u202a', u'\u202e', u'\u2066', u'\u2069', u'\u200e', u'\u200f', u'\u061c'}) {
            EXPECT_FALSE(out.contains(QChar(control))) << out.toStdString();
        }
    }
}

TEST(PrintEndToEnd, HelpVersionAndUnknownOptions) {
    QTemporaryDir config;
    EXPECT_TRUE(RunHoravia(config, {"--help"}).out.contains("--print"));
    EXPECT_TRUE(RunHoravia(config, {"--version"}).out.startsWith("Horavia "));
    const ProgramRun bad = RunHoravia(config, {"--nonsense"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("unknown option"));
    EXPECT_TRUE(bad.err.startsWith("horavia: unknown option: --nonsense\n\nUsage: horavia"))
        << bad.err.toStdString();
    EXPECT_TRUE(bad.out.isEmpty());

    // In the user's language: the help and the usage error, not the clocks.
    const ProgramRun german = RunHoravia(config, {"--help"}, horavia::testing::RunAs::Self, "de");
    EXPECT_TRUE(german.out.startsWith("Aufruf: horavia [Option]\n")) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("--print"));
    EXPECT_TRUE(RunHoravia(config, {"--nonsense"}, horavia::testing::RunAs::Self, "de")
                    .err.startsWith("horavia: unbekannte Option: --nonsense"));
}

TEST(PrintEndToEnd, QtsStandardOptionsNeedNoDisplayForACommand) {
    QTemporaryDir config;
    for (const QStringList& args :
         {QStringList{"-style", "Fusion", "--print"}, QStringList{"-reverse", "--print"},
          QStringList{"--tip", "-platform", "xcb", "-display", ":99"}}) {
        const ProgramRun run = RunHoravia(config, args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.err, RootLine()) << "nothing else";
        EXPECT_TRUE(run.out.contains("Zulu")) << run.out.toStdString();
    }
}

}  // namespace
