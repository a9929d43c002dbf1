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

}  // namespace
}  // namespace horavia
