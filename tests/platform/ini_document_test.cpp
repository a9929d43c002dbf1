#include "platform/ini_document.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

// Each kind of text, how it is written, and that it reads back exactly.
TEST(IniValues, BareWhenThatReadsBackTheSameElseQuoted) {
    const struct {
        std::string text;
        std::string stored;
    } cases[] = {
        {"", ""},
        {"Zulu", "Zulu"},
        {"hh:nn:ss AM/PM", "hh:nn:ss AM/PM"},
        {"Tokyo, Japan", "Tokyo, Japan"},
        {"x=y", "x=y"},
        {"a]", "a]"},
        {"Zürich 東京", "Zürich 東京"},
        {"in the middle \"q\"", "\"in the middle \\\"q\\\"\""},
        {" lead", "\" lead\""},
        {"trail ", "\"trail \""},
        {"\u00A0no-break\u3000", "\"\u00A0no-break\u3000\""},
        {"  ", "\"  \""},
        {"a;b", "\"a;b\""},
        {"#1", "\"#1\""},
        {"[bracket", "\"[bracket\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"tab\there", "\"tab\\there\""},
        {"line\nbreak\r", "\"line\\nbreak\\r\""},
        {std::string("nul\0x", 5), "\"nul\\0x\""},
        {"bell\x07", "\"bell\x07\""},
        {"\"", "\"\\\"\""},
        {"\"both\"", "\"\\\"both\\\"\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeIniValue(c.text), c.stored) << c.text;
        EXPECT_EQ(DecodeIniValue(c.stored), c.text) << c.stored;
        EXPECT_EQ(DecodeIniValue(" \t" + c.stored + " \t"), c.text) << "blanks around: " << c.text;
    }
}

// Earlier versions wrote every value quoted; such files read as they always did. Only a
// backslash before a character that is no escape now stays (it used to vanish).
TEST(IniValues, QuotedValuesOfEarlierFilesAndHandTypedBackslashes) {
    const struct {
        std::string stored;
        std::string text;
    } cases[] = {
        {"\"2\"", "2"},
        {"\"\"", ""},
        {"\" a, b \"", " a, b "},
        {"\"x=y;z#\"", "x=y;z#"},
        {"\"back\\\\slash\\\\\"", "back\\slash\\"},
        {"\"say \\\"hi\\\"\"", "say \"hi\""},
        {"\"a\\nb\\rc\\td\\0e\"", std::string("a\nb\rc\td\0e", 9)},
        {"\"C:\\Users\\q\"", "C:\\Users\\q"},
        {"\"dd\\.mm\"", "dd\\.mm"},
        {"\"end\\\"", "end\\"},
        {"\"", "\""},
        {"\"a\" b\"", "a\" b"},
        {"bare \\n stays", "bare \\n stays"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeIniValue(c.stored), c.text) << c.stored;
}

TEST(IniValues, BytesThatAreNotUtf8ReadAsLatin1) {
    EXPECT_EQ(DecodeIniValue("Z\xFCrich"), "Zürich");
    EXPECT_EQ(DecodeIniValue("\"caf\xE9\""), "café");
    EXPECT_EQ(DecodeIniValue("\xC3"), "Ã");  // a cut-off UTF-8 sequence
    EXPECT_TRUE(IsUtf8("Zürich 東京 😀"));
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));      // overlong
}

TEST(IniDocument, ReadsSectionsKeysAndCommentsWhateverTheLetterCase) {
    const IniDocument doc(
        "; comment\r\n"
        "Top=level\r\n"
        "[settings]\r\n"
        "  szonenum = 3 \r\n"
        "S0Dis=first\r\n"
        "s0dis=second\r\n"
        "# S1Dis=commented\r\n"
        "garbage line\r\n"
        "=no key\r\n"
        "[Other]\r\n"
        "S0Dis=elsewhere\r\n"
        "[ SETTINGS ]\r\n"
        "Late=yes");
    EXPECT_EQ(doc.Get("Settings", "SZoneNum"), "3");
    EXPECT_EQ(doc.Get("Settings", "S0Dis"), "second") << "the last line wins";
    EXPECT_EQ(doc.Get("Settings", "Late"), "yes") << "a section may come back";
    EXPECT_EQ(doc.Get("Other", "s0dis"), "elsewhere");
    EXPECT_EQ(doc.Get("", "top"), "level");
    EXPECT_FALSE(doc.Get("Settings", "S1Dis"));
    EXPECT_FALSE(doc.Get("Settings", "garbage line"));
    EXPECT_EQ(doc.Entries().size(), 5u);
}

TEST(IniDocument, SettingOneKeyChangesOnlyItsLine) {
    const std::string original =
        "; kept\n[Settings]\nFontName = Arial \nS0Dis=Z\xFCrich\nAMPM=\"True\"\nodd line\n\n"
        "[Other]\nX=1";
    IniDocument doc(original);
    EXPECT_EQ(doc.Serialize(), original) << "nothing set: the same bytes";

    EXPECT_TRUE(doc.Set("Settings", "S0Dis", "Zürich"));  // the value it already has
    EXPECT_TRUE(doc.Set("SETTINGS", "ampm", "True"));
    EXPECT_EQ(doc.Serialize(), original);

    EXPECT_TRUE(doc.Set("Settings", "AMPM", "False"));
    EXPECT_TRUE(doc.Set("Settings", "New", "v"));
    EXPECT_TRUE(doc.Set("Other", "Y", " 2"));
    EXPECT_TRUE(doc.Set("Third", "Z", "3"));
    EXPECT_EQ(doc.Serialize(),
              "; kept\n[Settings]\nFontName = Arial \nS0Dis=Z\xFCrich\nAMPM=False\nNew=v\n"
              "odd line\n\n[Other]\nX=1\nY=\" 2\"\n\n[Third]\nZ=3\n");

    // A text first read from Latin-1 bytes is written as those bytes wherever it goes.
    EXPECT_TRUE(doc.Set("Settings", "S1Dis", "Zürich"));
    EXPECT_EQ(IniDocument(doc.Serialize()).Get("Settings", "S1Dis"), "Zürich");
    EXPECT_NE(doc.Serialize().find("S1Dis=Z\xFCrich\n"), std::string::npos);
}

TEST(IniDocument, RewrittenLinesTakeTheProgramsSpellingAndKeepTheLineEnds) {
    IniDocument doc("[SETTINGS]\r\nszonenum=3\r\n");
    EXPECT_TRUE(doc.Set("Settings", "SZoneNum", "4"));
    EXPECT_TRUE(doc.Set("Settings", "SVersion", "2"));
    EXPECT_EQ(doc.Serialize(), "[SETTINGS]\r\nSZoneNum=4\r\nSVersion=2\r\n");

    IniDocument empty;
    EXPECT_TRUE(empty.Set("Settings", "A", "1"));
    EXPECT_EQ(empty.Serialize(), "[Settings]\nA=1\n");
}

TEST(IniDocument, NamesNoLineCanHoldAreRefused) {
    IniDocument doc("[Settings]\nA=1\n");
    for (const std::string key : {"", "a=b", "line\nbreak", " lead", "[x", ";c", "#c"}) {
        EXPECT_FALSE(doc.Set("Settings", key, "v")) << key;
    }
    EXPECT_FALSE(doc.Set("two\nlines", "K", "v"));
    EXPECT_FALSE(doc.Set(" padded", "K", "v"));
    EXPECT_EQ(doc.Serialize(), "[Settings]\nA=1\n");
}

}  // namespace
}  // namespace horavia
