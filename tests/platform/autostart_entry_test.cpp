// The XDG autostart entry and its run text, and the desktop-entry text rules.
#include "platform/linux/autostart_entry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/linux/desktop_entry.h"
#include "platform/qt_settings_store.h"
#include "scoped_env.h"

namespace horavia {
namespace {

std::string FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

class RunText : public ::testing::Test {
  protected:
    QTemporaryDir home_;
    QString folder_ = QDir(home_.path()).filePath("config/autostart");
    AutostartEntry entry_{folder_};
    QString file_ = QDir(folder_).filePath("horavia.desktop");

    std::optional<std::string> Read() const { return entry_.ReadRunText(); }
    bool Write(const std::string& text) { return entry_.WriteRunText(text); }
};

TEST_F(RunText, EnableDisableAndReadBack) {
    EXPECT_EQ(Read(), std::nullopt);  // no entry yet: no value

    ASSERT_TRUE(Write("\"/opt/Horavia Apps/horavia\""));
    std::string content = FileText(file_);
    EXPECT_NE(content.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(content.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(content.find("\nExec=\"/opt/Horavia Apps/horavia\"\n"), std::string::npos);
    EXPECT_NE(content.find("\nHidden=false\n"), std::string::npos);
    EXPECT_EQ(Read(), "\"/opt/Horavia Apps/horavia\"");

    // The empty text removes the entry: nothing starts at log-on, nothing is left behind.
    ASSERT_TRUE(Write(""));
    EXPECT_FALSE(QFile::exists(file_));
    EXPECT_EQ(Read(), std::nullopt);

    // Enabled again with a path that needs no quoting.
    ASSERT_TRUE(Write("/usr/bin/horavia"));
    content = FileText(file_);
    EXPECT_NE(content.find("\nExec=/usr/bin/horavia\n"), std::string::npos);
    EXPECT_NE(content.find("\nHidden=false\n"), std::string::npos);
    EXPECT_EQ(Read(), "/usr/bin/horavia");
}

TEST_F(RunText, DisablingWritesNoEntryAndAnEntryDisabledElsewhereReadsEmpty) {
    ASSERT_TRUE(Write(""));
    EXPECT_FALSE(QFile::exists(file_));
    // Quotes around nothing name no program: no entry either.
    ASSERT_TRUE(Write("\"/usr/bin/horavia\""));
    ASSERT_TRUE(Write("\"\""));
    EXPECT_FALSE(QFile::exists(file_));
    // An entry the desktop's own settings turned off reads as not starting.
    QDir().mkpath(folder_);
    QFile file(file_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nExec=horavia\nHidden=true\n");
    file.close();
    EXPECT_EQ(Read(), "");
}

TEST_F(RunText, ProgramPathsWithReservedCharactersRoundTrip) {
    for (const std::string path :
         {"/home/a b/100%/$HOME/it's \"q\"/back\\slash/horavia", "/tmp/tab\there", " lead"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(Write('"' + path + '"'));
        EXPECT_EQ(Read(), '"' + path + '"');
        const auto keys = ParseDesktopEntryGroup(FileText(file_));
        ASSERT_TRUE(keys.count("Exec"));
        EXPECT_EQ(FirstExecArgument(UnescapeDesktopString(keys.at("Exec"))), path);
    }
    // Unquoted texts come back as written too, blanks at either end included.
    for (const std::string text : {"/opt/trailing blank ", " /opt/both ", "/usr/bin/horavia\t"}) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(Write(text));
        EXPECT_EQ(Read(), text);
    }
}

// The entries as desktops read them: the freedesktop validator accepts every one written.
TEST_F(RunText, WrittenEntriesPassTheDesktopEntryValidator) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed";
    const auto validate = [&] {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {file_});
        EXPECT_TRUE(process.waitForFinished(30000));
        const QString output = QString::fromUtf8(process.readAll());
        EXPECT_EQ(process.exitCode(), 0) << output.toStdString() << FileText(file_);
        EXPECT_EQ(output, QString()) << FileText(file_);  // no warnings either
    };
    for (const std::string text :
         {"\"/usr/bin/horavia\"", "/usr/bin/horavia", "\"/opt/Horavia Apps/horavia\"",
          "\"/home/a b/100%/$HOME/it's \\\"q\\\"/back\\\\slash/horavia\"", "\"/tmp/tab\there\""}) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(Write(text));
        validate();
    }
}

TEST_F(RunText, AnEntryEditedByOtherToolsReadsAsItsQuotedProgram) {
    ASSERT_TRUE(Write("\"/usr/bin/horavia\""));
    QFile file(file_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(
        "# edited\n[Desktop Entry]\nName=Horavia\nExec = /opt/other/horavia --tray\n"
        "X-Horavia-RunText=\"/usr/bin/horavia\"\n[Desktop Action x]\nHidden=true\n");
    file.close();
    EXPECT_EQ(Read(), "\"/opt/other/horavia\"");

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Desktop Entry]\nExec=/usr/bin/horavia\nX-GNOME-Autostart-enabled=false\n");
    file.close();
    EXPECT_EQ(Read(), "");  // disabled the GNOME way
}

TEST_F(RunText, AFailedWriteReportsFailure) {
    // A plain file where the autostart folder should be.
    ASSERT_TRUE(QDir().mkpath(QDir(home_.path()).filePath("config")));
    QFile blocker(folder_);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Write("\"/usr/bin/horavia\""));
    EXPECT_EQ(Read(), std::nullopt);
}

// The settings file and the autostart entry follow the same folder; a relative
// XDG_CONFIG_HOME is ignored for both.
TEST(UserFolders, SettingsAndAutostartFollowTheSameConfigFolder) {
    const struct {
        const char* xdg;  // nullptr: unset
        const char* config;
    } cases[] = {
        {"/srv/cfg", "/srv/cfg"},
        {"/srv/cfg/", "/srv/cfg"},
        {"relative/cfg", "/home/tester/.config"},
        {"", "/home/tester/.config"},
        {nullptr, "/home/tester/.config"},
    };
    const ScopedEnv home("HOME", "/home/tester");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
        const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        EXPECT_EQ(QtSettingsStore::DefaultFolder(), QString(c.config) + "/Horavia");
        EXPECT_EQ(UserAutostartFolder(), QString(c.config) + "/autostart");
    }
}

TEST(DesktopEntry, StringEscapesRoundTrip) {
    const std::string text = " a\\b\nc\td\re ";
    EXPECT_EQ(EscapeDesktopString(text), "\\sa\\\\b\\nc\\td\\re\\s");
    EXPECT_EQ(UnescapeDesktopString(EscapeDesktopString(text)), text);
    EXPECT_EQ(UnescapeDesktopString("a\\qb\\"), "a\\qb\\");  // unknown escapes kept
}

TEST(DesktopEntry, ExecArgumentsAreQuotedOnlyWhenNeeded) {
    EXPECT_EQ(QuoteExecArgument("/usr/bin/horavia"), "/usr/bin/horavia");
    EXPECT_EQ(QuoteExecArgument("/a b/c"), "\"/a b/c\"");
    EXPECT_EQ(QuoteExecArgument("/a$b"), "\"/a\\$b\"");
    EXPECT_EQ(QuoteExecArgument("/100%"), "/100%%");
    EXPECT_EQ(FirstExecArgument("  \"/a b/c\" --x"), "/a b/c");
    EXPECT_EQ(FirstExecArgument("/usr/bin/horavia %U"), "/usr/bin/horavia");
    EXPECT_EQ(FirstExecArgument("/100%%"), "/100%");
    EXPECT_EQ(FirstExecArgument("\"/unbalanced"), std::nullopt);
    EXPECT_EQ(FirstExecArgument("   "), std::nullopt);
}

}  // namespace
}  // namespace horavia
