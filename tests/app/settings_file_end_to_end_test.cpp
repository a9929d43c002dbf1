// --print and --tip over settings files that are odd, locked, or out of reach: what they say,
// how they end, and that nothing that was there is lost. Permissions are tested as the user
// "nobody" (through setpriv) when the tests run as root, for whom they would not hold.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "program_run.h"

namespace {

using horavia::testing::IniPath;
using horavia::testing::ProgramRun;
using horavia::testing::RunAs;
using horavia::testing::RunHoravia;

QString Folder(const QTemporaryDir& config) {
    return config.path() + "/Horavia";
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void SetMode(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// A folder the user "nobody" can enter but not change.
void OpenToOthers(const QTemporaryDir& config) {
    QDir().mkpath(Folder(config));
    SetMode(config.path(), 0755);
    SetMode(Folder(config), 0555);
}

TEST(SettingsFileEndToEnd, HandEditedKeysInAnyCaseAndTheirBytesSurviveAMigration) {
    QTemporaryDir config;
    Write(IniPath(config),
          "; my clocks\n[settings]\nszonenum=1\ns0dis=Z\xFCrich\ns0zon=0\ns0ena=true\n"
          "S0Fmt=\"hh\\:nn\"\n");
    const ProgramRun run = RunHoravia(config, {"--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QString::fromUtf8("Zürich\t"))) << run.out.toStdString();
    // The migration rewrote what changed and kept every other line as it was.
    EXPECT_EQ(Read(IniPath(config)),
              "; my clocks\n[settings]\nszonenum=1\ns0dis=Z\xFCrich\ns0zon=0\nS0Ena=True\n"
              "S0Fmt=\"hh\\:nn\"\nSVersion=2\n");
}

TEST(SettingsFileEndToEnd, StaleLockFilesNeverBlockAndNoTemporaryFileStays) {
    QTemporaryDir config;
    Write(Folder(config) + "/Horavia 2.0.ini.lock", "");  // a crash before the PID was written
    Write(Folder(config) + "/Horavia 2.0.ini.tmp-Ab12Cd34", "[Settings]\nSZoneNum=");
    const ProgramRun run = RunHoravia(config, {"--tip"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Zulu: "));
    EXPECT_TRUE(Read(IniPath(config)).contains("\nSVersion=2\n"));
    EXPECT_EQ(QDir(Folder(config)).entryList(QDir::Files),
              (QStringList{"Horavia 2.0.ini", "Horavia 2.0.ini.lock"}));
}

TEST(SettingsFileEndToEnd, AFolderInPlaceOfTheFileIsReportedAndLeftAlone) {
    QTemporaryDir config;
    QDir().mkpath(IniPath(config));
    const ProgramRun run = RunHoravia(config, {"--print"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "") << "no clocks made up from the defaults";
    EXPECT_TRUE(run.err.contains("horavia: cannot read the settings file \"" + IniPath(config) +
                                 "\": it is a folder, not a file"))
        << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(IniPath(config)).isDir());
    EXPECT_TRUE(QDir(IniPath(config)).isEmpty());
}

TEST(SettingsFileEndToEnd, AnUnreadableFileIsReportedAndNeverOverwritten) {
    if (!horavia::testing::CanRunAsNobody()) GTEST_SKIP() << "setpriv is missing";
    QTemporaryDir config;
    const QByteArray clocks = "[Settings]\nSZoneNum=1\nS0Dis=Mine\nS0Zon=0\nS0Ena=True\n";
    Write(IniPath(config), clocks);
    OpenToOthers(config);
    SetMode(Folder(config), 0777);  // even where it could write, it must not
    SetMode(IniPath(config), 0200);
    for (const char* option : {"--print", "--tip"}) {
        const ProgramRun run = RunHoravia(config, {option}, RunAs::Nobody);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, 1) << option;
        EXPECT_EQ(run.out, "") << option;
        EXPECT_TRUE(run.err.contains("cannot read the settings file \"" + IniPath(config) +
                                     "\": Permission denied"))
            << run.err.toStdString();
    }
    EXPECT_EQ(Read(IniPath(config)), clocks);
    EXPECT_EQ(QDir(Folder(config)).entryList(QDir::Files), QStringList{"Horavia 2.0.ini"});
}

TEST(SettingsFileEndToEnd, AReadOnlyFolderPrintsTheClocksButReportsTheFailedSave) {
    if (!horavia::testing::CanRunAsNobody()) GTEST_SKIP() << "setpriv is missing";
    QTemporaryDir config;
    OpenToOthers(config);  // a first start: the defaults cannot be written
    const ProgramRun first = RunHoravia(config, {"--print"}, RunAs::Nobody);
    ASSERT_TRUE(first.started);
    EXPECT_EQ(first.exitCode, 1);
    EXPECT_TRUE(first.out.startsWith("Zulu\t")) << first.out.toStdString();
    EXPECT_TRUE(first.err.contains("horavia: cannot save the settings file \"" + IniPath(config) +
                                   "\": creating a temporary file: Permission denied"))
        << first.err.toStdString();
    EXPECT_TRUE(QDir(Folder(config)).isEmpty());

    // A file of the current layout needs no write: the clocks print as usual.
    SetMode(Folder(config), 0755);
    Write(IniPath(config), "[Settings]\nSVersion=2\nSZoneNum=1\nS0Dis=Here\nS0Ena=True\n");
    SetMode(IniPath(config), 0444);
    SetMode(Folder(config), 0555);
    const ProgramRun current = RunHoravia(config, {"--print"}, RunAs::Nobody);
    EXPECT_EQ(current.exitCode, 0) << current.err.toStdString();
    EXPECT_TRUE(current.out.startsWith("Here\t"));
}

}  // namespace
