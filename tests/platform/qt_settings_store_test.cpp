#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "failing_file_system.h"
#include "model/clock_list.h"
#include "model/preferences.h"

namespace horavia {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.SetProblemHandler([this](const SettingsProblem& p) { reported.push_back(p); });
    }
    QString Folder() const { return dir.path() + "/Horavia"; }
    QString Path() const { return Folder() + "/Horavia 2.0.ini"; }
    void WriteRaw(const QByteArray& bytes, const QString& path = {}) {
        QDir().mkpath(Folder());
        QFile f(path.isEmpty() ? Path() : path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Raw() const {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    // Everything in the folder but the settings file.
    QStringList Others() const {
        QStringList names = QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                     QDir::Hidden | QDir::System);
        names.removeAll("Horavia 2.0.ini");
        return names;
    }
    std::string Get(const std::string& key) { return store.Get(key, "<absent>"); }

    QTemporaryDir dir;
    testing::FailingFileSystem fs;
    QtSettingsStore store{Folder(), fs};
    std::vector<SettingsProblem> reported;
};

TEST_F(SettingsFileTest, EveryTextRoundTripsExactly) {
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
                                         "a, b, c",
                                         "[x]",
                                         std::string("n\0l", 3)};
    {
        SettingsBatch batch(store);
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.Save("K" + std::to_string(i), texts[i]);
    }
    QtSettingsStore reopened{Folder()};  // read back through a fresh object
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(reopened.Read(kSettingsApp, kSettingsSection, "K" + std::to_string(i)), texts[i])
            << i;
    }
    EXPECT_FALSE(reopened.Read(kSettingsApp, kSettingsSection, "Missing"));
    EXPECT_EQ(reopened.Get("Missing", "dflt"), "dflt");
    EXPECT_TRUE(Raw().contains("K1=plain\nK2=a,b\n")) << "plain values are written bare";
    EXPECT_TRUE(Others().isEmpty());
}

// Another INI reader (Python's configparser) sees the values of a typical file as the program
// wrote them: no quotes around them.
TEST_F(SettingsFileTest, OtherIniReadersSeeTheValuesOfATypicalFileAsWritten) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is missing";
    Preferences prefs;
    prefs.AMPM = true;
    prefs.DefaultFormat = "hh:nn:ss AM/PM";
    prefs.STServer = "time.example.org";
    SavePreferences(prefs, store);
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone + 1);
    catalogue.registryZoneCount = 1;
    catalogue.zones[kFirstRegistryZone].StdName = "W. Europe Standard Time";
    ClockList clocks{{"Zulu", "", 0, true},
                     {"Tokyo, Japan", "ddd hh:nn", kFirstRegistryZone, false},
                     {"Zürich (home)", "yyyy-mm-dd", 8, true}};
    clocks[1].Hours = WorkingHours{22 * 60, 6 * 60, 0x30};
    SaveClockList(store, clocks, catalogue, {"K0000", "K0001", "K0002"});
    store.Save("STLast", "46204.51892361111");

    QProcess p;
    p.start(python, {"-c",
                     "import configparser, json, sys\n"
                     "cp = configparser.ConfigParser(interpolation=None)\n"
                     "cp.optionxform = str\n"
                     "cp.read(sys.argv[1], encoding='utf-8')\n"
                     "print(json.dumps(dict(cp['Settings'])))\n",
                     Path()});
    ASSERT_TRUE(p.waitForFinished(20000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject seen = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    QtSettingsStore reopened{Folder()};
    // Preferences, count, three clocks, one's working hours, STLast.
    ASSERT_EQ(seen.size(), 24 + 1 + 12 + 2 + 1);
    for (auto it = seen.begin(); it != seen.end(); ++it) {
        const std::string key = it.key().toStdString();
        EXPECT_EQ(it.value().toString().toStdString(), reopened.Get(key, "<absent>")) << key;
    }
    EXPECT_EQ(seen["S2Dis"].toString(), QString::fromUtf8("Zürich (home)"));
    EXPECT_EQ(seen["S1Zon"].toString(), "W. Europe Standard Time");
    EXPECT_EQ(seen["S0Fmt"].toString(), "");
    EXPECT_EQ(seen["DefaultFormat"].toString(), "hh:nn:ss AM/PM");
}

TEST_F(SettingsFileTest, HandEditedFilesReadAsWrittenAndKeepTheirBytes) {
    const QByteArray original =
        "; a comment\n[Settings]\nS0Dis=Tokyo, Japan\nfontsize = 12 \nS1Dis=\"\"\n"
        "S2Dis=Z\xFCrich\ngarbage line\n=no key\n[Other]\nS0Dis=elsewhere\n";
    WriteRaw(original);
    EXPECT_EQ(Get("S0Dis"), "Tokyo, Japan");
    EXPECT_EQ(Get("FontSize"), "12");
    EXPECT_EQ(Get("S1Dis"), "");
    EXPECT_EQ(Get("S2Dis"), "Zürich");
    EXPECT_EQ(store.Read(kSettingsApp, "other", "s0dis"), "elsewhere");
    store.Save("S2Dis", "Zürich");  // unchanged: not even written
    EXPECT_EQ(store.WriteCount(), 0u);
    store.Save("FontSize", "14");
    EXPECT_EQ(Raw(), QByteArray("; a comment\n[Settings]\nS0Dis=Tokyo, Japan\nFontSize=14\n"
                                "S1Dis=\"\"\nS2Dis=Z\xFCrich\ngarbage line\n=no key\n[Other]\n"
                                "S0Dis=elsewhere\n"));
}

TEST_F(SettingsFileTest, ABatchIsOneWriteAndUnchangedValuesNone) {
    {
        SettingsBatch batch(store);
        for (int i = 0; i < 100; ++i) store.Save("S" + std::to_string(i) + "Dis", "x");
        SettingsBatch inner(store);
        store.Save("SZoneNum", "100");
    }
    EXPECT_EQ(store.WriteCount(), 1u);
    {
        SettingsBatch batch(store);
        store.Save("SZoneNum", "100");
    }
    EXPECT_EQ(store.WriteCount(), 1u);
    store.Save("ShowWnd", "False");
    store.Save("STLast", "46000.5");
    EXPECT_EQ(store.WriteCount(), 3u);
    EXPECT_EQ(QtSettingsStore(Folder()).Get("S99Dis", ""), "x");
}

// A failure at any step of a save: the old file stays whole (the new one when only the
// folder's flush failed), no temporary file stays, the user hears of it once, and the next
// save writes everything.
TEST_F(SettingsFileTest, AFailedStepLeavesTheFileWholeAndTheNextSaveWritesAll) {
    for (const std::string step : {"MakeFolder", "Lock", "Stamp", "CreateTemp", "Write", "Sync",
                                   "Close", "Rename", "SyncFolder"}) {
        SCOPED_TRACE(step);
        QDir(Folder()).removeRecursively();
        WriteRaw("[Settings]\nA=1\n");
        QtSettingsStore s{Folder(), fs};
        std::vector<SettingsProblem> seen;
        s.SetProblemHandler([&](const SettingsProblem& p) { seen.push_back(p); });
        EXPECT_EQ(s.Get("A", ""), "1");

        fs.failStep = step;
        s.Save("A", "2");
        {
            SettingsBatch batch(s);
            s.Save("B", "x");
        }
        ASSERT_EQ(seen.size(), 1u) << "told once";
        EXPECT_EQ(seen[0].kind, SettingsProblem::Kind::Write);
        EXPECT_EQ(seen[0].path, Path().toStdString());
        EXPECT_NE(seen[0].reason.find("Injected failure"), std::string::npos) << seen[0].reason;
        ASSERT_TRUE(s.Problem());
        if (step == "SyncFolder") {
            EXPECT_EQ(Raw(), "[Settings]\nA=2\nB=x\n");
        } else {
            EXPECT_EQ(Raw(), "[Settings]\nA=1\n");
        }
        EXPECT_TRUE(Others().isEmpty()) << Others().join(", ").toStdString();
        EXPECT_EQ(s.Get("A", ""), "2") << "working on with what is in memory";

        fs.failStep.clear();
        s.Save("C", "y");
        EXPECT_EQ(Raw(), "[Settings]\nA=2\nB=x\nC=y\n");
        EXPECT_FALSE(s.Problem());
        fs.failStep = step;
        s.Save("C", "z");
        EXPECT_EQ(seen.size(), 2u) << "a new failure after a success is told again";
        fs.failStep.clear();
    }
}

// What cannot be read is never replaced: not by the defaults of a first start, not later.
TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNeverWritten) {
    WriteRaw("[Settings]\nSZoneNum=5\n");
    fs.failStep = "Read";
    EXPECT_EQ(Get("SZoneNum"), "<absent>");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].kind, SettingsProblem::Kind::Read);
    store.Save("SZoneNum", "2");
    fs.failStep.clear();
    store.Save("S0Dis", "Zulu");
    EXPECT_EQ(Get("SZoneNum"), "2") << "in memory";
    EXPECT_EQ(Raw(), "[Settings]\nSZoneNum=5\n");
    EXPECT_EQ(reported.size(), 1u);

    // A folder in place of the file.
    QtSettingsStore other{dir.path() + "/Other"};
    QDir().mkpath(dir.path() + "/Other/Horavia 2.0.ini");
    EXPECT_FALSE(other.Read(kSettingsApp, kSettingsSection, "SZoneNum"));
    other.Save("SZoneNum", "2");
    ASSERT_TRUE(other.Problem());
    EXPECT_EQ(other.Problem()->reason, "it is a folder, not a file");
    EXPECT_TRUE(QFileInfo(dir.path() + "/Other/Horavia 2.0.ini").isDir());
}

TEST_F(SettingsFileTest, AReadOnlyFileIsNeverReplacedAndTheUserIsTold) {
    WriteRaw("[Settings]\nA=1\n");
    ASSERT_EQ(::chmod(Path().toLocal8Bit().constData(), 0444), 0);
    store.Save("A", "2");
    store.Save("B", "3");
    EXPECT_EQ(Raw(), "[Settings]\nA=1\n");
    EXPECT_EQ(Get("A"), "2") << "kept in memory";
    ASSERT_EQ(reported.size(), 1u) << "told once";
    EXPECT_EQ(reported[0].kind, SettingsProblem::Kind::Write);
    EXPECT_EQ(reported[0].reason, "the file is read-only");
    EXPECT_TRUE(Others().isEmpty()) << "no temporary file left";

    ASSERT_EQ(::chmod(Path().toLocal8Bit().constData(), 0644), 0);  // the user allows it again
    store.Save("C", "4");
    EXPECT_EQ(Raw(), "[Settings]\nA=2\nB=3\nC=4\n");
    EXPECT_FALSE(store.Problem());
}

// Someone edits the file while the program runs: the program's next save keeps the edit,
// except for a key the program itself changes.
TEST_F(SettingsFileTest, AHandEditDuringTheRunSurvivesUnrelatedSaves) {
    WriteRaw("[Settings]\nA=1\nB=1\nC=1\n");
    for (const char* key : {"A", "B", "C"}) Get(key);
    WriteRaw("[Settings]\n; edited\nA=hand\nB=1\nC=hand\nD=new\n");
    {
        SettingsBatch batch(store);  // as the preferences are saved: every key again
        store.Save("A", "1");
        store.Save("B", "2");
        store.Save("C", "program");
    }
    EXPECT_EQ(Raw(), "[Settings]\n; edited\nA=hand\nB=2\nC=program\nD=new\n");
    EXPECT_EQ(Get("A"), "hand");
    EXPECT_EQ(Get("D"), "new");
}

TEST_F(SettingsFileTest, LeftoversAndStaleLocksNeverBlockAndAreCleared) {
    WriteRaw("[Settings]\nA=1\n");
    WriteRaw("", Folder() + "/Horavia 2.0.ini.lock");  // an empty lock of earlier versions
    WriteRaw("[Settings]\nA=half", Folder() + "/Horavia 2.0.ini.tmp-AbCd1234");
    store.Save("A", "2");
    EXPECT_EQ(Raw(), "[Settings]\nA=2\n");
    EXPECT_EQ(Others(), QStringList{"Horavia 2.0.ini.lock"}) << "not ours to remove";

    // A save of another process under way: this one waits for it.
    const int held = ::open(Folder().toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::close(held);
    });
    store.Save("A", "3");
    release.join();
    EXPECT_EQ(Raw(), "[Settings]\nA=3\n");
    EXPECT_FALSE(store.Problem());
}

TEST_F(SettingsFileTest, ALinkedFileIsWrittenWhereTheLinkPointsWithItsPermissions) {
    QDir().mkpath(dir.path() + "/dotfiles");
    const QString target = dir.path() + "/dotfiles/horavia.ini";
    WriteRaw("[Settings]\nA=1\n", target);
    ASSERT_EQ(::chmod(target.toLocal8Bit().constData(), 0640), 0);
    ASSERT_TRUE(QFile::link("../dotfiles/horavia.ini", Path()));
    store.Save("A", "2");
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    EXPECT_EQ(Raw(), "[Settings]\nA=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(target.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_TRUE(QDir(dir.path() + "/dotfiles").entryList(QDir::Files).size() == 1);
}

}  // namespace
}  // namespace horavia
