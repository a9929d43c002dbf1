#include "app/command_line.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

ParsedCommand Parse(QStringList args) {
    args.prepend(QStringLiteral("horavia"));
    return ParseCommandLine(args);
}

TEST(CommandLine, RecognisesEachOption) {
    EXPECT_EQ(Parse({}).command, Command::StartProgram);
    EXPECT_EQ(Parse({"--print"}).command, Command::Print);
    EXPECT_EQ(Parse({"--tip"}).command, Command::Tip);
    EXPECT_EQ(Parse({"--changes"}).command, Command::Changes);
    EXPECT_EQ(Parse({"--help"}).command, Command::Help);
    EXPECT_EQ(Parse({"-v"}).command, Command::Version);
    const ParsedCommand test = Parse({"--test-server", "time.example"});
    EXPECT_EQ(test.command, Command::TestServer);
    EXPECT_EQ(test.host, "time.example");
    const ParsedCommand find = Parse({"--find", "-sao paulo"});
    EXPECT_EQ(find.command, Command::Find);
    EXPECT_EQ(find.text, "-sao paulo");
}

TEST(CommandLine, HelpWinsAndMistakesAreReported) {
    EXPECT_EQ(Parse({"--print", "--help"}).command, Command::Help);
    EXPECT_EQ(Parse({"--print", "--print"}).command, Command::Print);
    EXPECT_EQ(Parse({"--print", "--tip"}).command, Command::Error);
    EXPECT_EQ(Parse({"--test-server"}).command, Command::Error);
    EXPECT_EQ(Parse({"--test-server", "--print"}).command, Command::Error);
    EXPECT_EQ(Parse({"--test-server", ""}).error, "--test-server needs a host name");
    EXPECT_EQ(Parse({"--test-server", "  "}).command, Command::Error);
    EXPECT_EQ(Parse({"--find"}).error, "--find needs a text");
    EXPECT_EQ(Parse({"--find", "x", "--print"}).command, Command::Error);
    EXPECT_EQ(Parse({"--find", "x", "--help"}).command, Command::Help);
    const ParsedCommand bad = Parse({"--frobnicate"});
    EXPECT_EQ(bad.command, Command::Error);
    EXPECT_TRUE(bad.error.contains("--frobnicate"));
}

TEST(CommandLine, PlanningOptionsGoWithTheirCommandsAndKeepToTheirRanges) {
    const char* const within = "--within needs a whole number from 1 to 366";
    const char* const length = "--length needs a whole number from 15 to 1440";
    const struct {
        QStringList args;
        Command command;
        const char* atOrError;  // --at's text, or the error
        int within = 0;
        int length = 0;
    } cases[] = {
        {{"--print", "--at", "15:00 Tokyo"}, Command::Print, "15:00 Tokyo"},
        {{"--at", "-05:00", "--tip"}, Command::Tip, "-05:00"},
        {{"--within", "1", "--meet", "--length", "1440"}, Command::Meet, "", 1, 1440},
        {{"--meet", "--within", "366", "--length", "15"}, Command::Meet, "", 366, 15},
        {{"--at", "x", "--version"}, Command::Version, "x"},
        {{"--meet", "--at", "15:00"}, Command::Error, "--at goes with --print or --tip"},
        {{"--at", "--print"}, Command::Error, "--at needs a time"},
        {{"--print", "--length", "30"}, Command::Error, "--length goes with --meet"},
        {{"--changes", "--within", "7"}, Command::Changes, "", 7},
        {{"--within", "366", "--changes"}, Command::Changes, "", 366},
        {{"--changes", "--length", "30"}, Command::Error, "--length goes with --meet"},
        {{"--tip", "--within", "3"}, Command::Error, "--within goes with --meet or --changes"},
        {{"--changes", "--within", "367"}, Command::Error, within},
        {{"--changes", "--meet"},
         Command::Error,
         "choose one of --print, --tip, --meet, --changes, --test-server and --find"},
        {{"--meet", "--within", "0"}, Command::Error, within},
        {{"--meet", "--within", "367"}, Command::Error, within},
        {{"--meet", "--length", "14"}, Command::Error, length},
        {{"--meet", "--length", "30m"}, Command::Error, length},
        {{"--meet", "--length"}, Command::Error, length},
    };
    for (const auto& c : cases) {
        const ParsedCommand parsed = Parse(c.args);
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(parsed.command, c.command) << args;
        EXPECT_EQ(c.command == Command::Error ? parsed.error : parsed.at, c.atOrError) << args;
        EXPECT_EQ(parsed.withinDays, c.within) << args;
        EXPECT_EQ(parsed.lengthMinutes, c.length) << args;
    }
}

TEST(CommandLine, QtsOwnOptionsArePassedOverWithTheirValues) {
    EXPECT_EQ(Parse({"-style", "Fusion"}).command, Command::StartProgram);
    EXPECT_EQ(Parse({"-style", "Fusion", "--print"}).command, Command::Print);
    EXPECT_EQ(Parse({"--print", "-reverse"}).command, Command::Print);
    EXPECT_EQ(Parse({"-style=Fusion", "--stylesheet=a.qss", "--tip"}).command, Command::Tip);
    EXPECT_EQ(Parse({"-platform", "xcb", "-display", ":1", "-qwindowgeometry", "100x50+0+0",
                     "-session", "1a2b", "-widgetcount"})
                  .command,
              Command::StartProgram);
    // A value that looks like one of ours is still the Qt option's.
    EXPECT_EQ(Parse({"-qwindowtitle", "--print"}).command, Command::StartProgram);
    const ParsedCommand test = Parse({"--test-server", "time.example", "-platform", "offscreen"});
    EXPECT_EQ(test.command, Command::TestServer);
    EXPECT_EQ(test.host, "time.example");
}

TEST(CommandLine, LookalikesOfQtOptionsAreStillUnknown) {
    // Qt leaves these in place, so they are mistakes here too.
    EXPECT_EQ(Parse({"-style"}).error, "unknown option: -style");
    EXPECT_EQ(Parse({"-platform=xcb"}).error, "unknown option: -platform=xcb");
    EXPECT_EQ(Parse({"-styles", "Fusion"}).error, "unknown option: -styles");
    EXPECT_EQ(Parse({"---reverse"}).error, "unknown option: ---reverse");
    EXPECT_EQ(Parse({"Fusion"}).error, "unknown option: Fusion");
}

}  // namespace
}  // namespace horavia
