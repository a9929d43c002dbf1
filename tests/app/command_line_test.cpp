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
