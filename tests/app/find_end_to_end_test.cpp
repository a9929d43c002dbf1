// Runs the built program with --find: lines for scripts, the exit status saying whether
// anything matched, and no settings touched.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "program_run.h"

namespace {

using horavia::testing::RunHoravia;

TEST(FindEndToEnd, PrintsPlaceTzIdAndZoneBestFirst) {
    QTemporaryDir config;
    const auto run = RunHoravia(config, {"--find", "sao paulo"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0],
              QString::fromUtf8("São Paulo, Brazil\tAmerica/Sao_Paulo\t(UTC-03:00) Brasilia"));
    const QRegularExpression line("^[^\\t]+\\t[A-Za-z_+\\-/0-9]+\\t\\(UTC[^)]*\\) [^\\t]+$");
    for (const QString& l : lines) EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    // Only what was asked: no settings folder was made.
    EXPECT_FALSE(QDir(config.path() + "/Horavia").exists());
}

TEST(FindEndToEnd, AtMostTwentyLinesAndStatusOneForNothing) {
    QTemporaryDir config;
    const auto many = RunHoravia(config, {"--find", "an"});
    EXPECT_EQ(many.exitCode, 0);
    EXPECT_EQ(many.out.count('\n'), 20);
    const auto tz = RunHoravia(config, {"--find", "ETC/GMT+12"});
    EXPECT_EQ(tz.exitCode, 0);
    EXPECT_TRUE(tz.out.startsWith("Baker Island")) << tz.out.toStdString();
    EXPECT_TRUE(tz.out.contains("\tEtc/GMT+12\t(UTC-12:00) International Date Line West\n"));
    const auto none = RunHoravia(config, {"--find", "qxzqxz"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.isEmpty());
    const auto blank = RunHoravia(config, {"--find", "  "});
    EXPECT_EQ(blank.exitCode, 2);
    EXPECT_TRUE(blank.err.contains("--find needs a text")) << blank.err.toStdString();
}

}  // namespace
