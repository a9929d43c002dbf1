#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace horavia {
namespace {

class SettingsFile : public ::testing::Test {
  protected:
    QString Path() const { return dir.path() + "/Horavia 2.0.ini"; }
    void WriteRaw(const QByteArray& bytes) {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
    QtSettingsStore store{dir.path()};
};

TEST_F(SettingsFile, EveryTextRoundTripsExactly) {
    const std::vector<std::string> texts{"",
                                         "plain",
                                         "a,b",
                                         " lead and trail ",
                                         "\"quoted\"",
                                         "x=y;z#",
                                         "back\\slash\\",
                                         "tab\there",
                                         "line\nbreak\r",
                                         "Zürich 東京",
                                         ",",
                                         "\"",
                                         "\\",
                                         "  ",
                                         "a, b, c"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        store.Save(kSettingsApp, kSettingsSection, "K" + std::to_string(i), texts[i]);
    }
    QtSettingsStore reopened{dir.path()};  // read back through a fresh object
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(reopened.Read(kSettingsApp, kSettingsSection, "K" + std::to_string(i)), texts[i])
            << i;
    }
    EXPECT_FALSE(reopened.Read(kSettingsApp, kSettingsSection, "Missing"));
    EXPECT_EQ(reopened.Get("Missing", "dflt"), "dflt");
    EXPECT_TRUE(QFile::exists(Path()));
}

TEST_F(SettingsFile, HandEditedValuesReadAsTheirRawText) {
    WriteRaw(
        "; a comment\n[Settings]\nS0Dis=Tokyo, Japan\nFontSize = 12 \nS1Dis=\"\"\n"
        "garbage line\n=no key\n[Other]\nS0Dis=elsewhere\n");
    EXPECT_EQ(store.Read(kSettingsApp, kSettingsSection, "S0Dis"), "Tokyo, Japan");
    EXPECT_EQ(store.Read(kSettingsApp, kSettingsSection, "FontSize"), "12");
    EXPECT_EQ(store.Read(kSettingsApp, kSettingsSection, "S1Dis"), "");
    EXPECT_EQ(store.Read(kSettingsApp, "Other", "S0Dis"), "elsewhere");
}

TEST_F(SettingsFile, SavingKeepsTheOtherKeys) {
    WriteRaw("[Settings]\nA=1\nB=two, three\n");
    store.Save("C", "3");
    EXPECT_EQ(store.Get("A", ""), "1");
    EXPECT_EQ(store.Get("B", ""), "two, three");
    EXPECT_EQ(store.Get("C", ""), "3");
}

TEST(IniValues, EncodingIsReversible) {
    for (const QString& s :
         {QString(), QString("a\\\"b"), QString(QChar(0)) + "x", QString(" ; ")}) {
        EXPECT_EQ(DecodeIniValue(EncodeIniValue(s)), s);
    }
}

}  // namespace
}  // namespace horavia
