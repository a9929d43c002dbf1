// The time queries' part is opened by its absolute path only, and checked before it is
// mapped: a cut or empty copy, a folder or a part of another interface id or version is told,
// never a crash, and no copy where a library search would look (the loader's
// hardware-capability folders, the library path, the current folder) is ever loaded. Each case
// runs the program from a folder of its own, laid out as installed (bin/horavia, the part in
// lib/<arch>/horavia).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>

#include "sync/module/time_query_interface.h"

namespace {

const QString kPartName = QFileInfo(QStringLiteral(TIME_QUERY_PART)).fileName();

struct Install {
    QTemporaryDir root{QStringLiteral(WORK_DIR "/time-query-part-XXXXXX")};
    QString Bin() const { return root.filePath(QStringLiteral("bin")); }
    QString Installed() const {
        return QDir::cleanPath(QDir(Bin()).filePath(QStringLiteral(MODULE_DIR)));
    }
    QString Elsewhere() const { return root.filePath(QStringLiteral("elsewhere")); }
    QString Marker() const { return root.filePath(QStringLiteral("decoy-loaded")); }
};

bool Place(const QString& from, const QString& folder, qint64 keep = -1) {
    QFile source(from);
    QFile target(QDir(folder).filePath(kPartName));
    if (!QDir().mkpath(folder) || !source.open(QIODevice::ReadOnly) ||
        !target.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = source.readAll();
    return target.write(keep < 0 ? bytes : bytes.left(keep)) == (keep < 0 ? bytes.size() : keep);
}

// The program (a hard link where the file system allows, so that nothing large is copied),
// and decoys in every folder a search for the part's bare name would try.
bool Lay(const Install& install) {
    namespace fs = std::filesystem;
    const fs::path program = fs::path(install.Bin().toStdString()) / "horavia";
    std::error_code error;
    fs::create_directories(program.parent_path(), error);
    fs::create_hard_link(HORAVIA_EXE, program, error);
    if (error && !fs::copy_file(HORAVIA_EXE, program, error)) return false;
    for (const QString& folder :
         {install.Bin() + "/haswell", install.Bin() + "/x86_64", install.Bin() + "/tls",
          install.Bin() + "/glibc-hwcaps/x86-64-v2", install.Bin() + "/glibc-hwcaps/x86-64-v3",
          install.Elsewhere(), install.Elsewhere() + "/haswell"}) {
        if (!Place(QStringLiteral(DECOY_PART), folder)) return false;
    }
    return true;
}

TEST(TimeQueryPart, OnlyTheRealPartAtItsPlaceIsLoaded) {
    const qint64 partSize = QFileInfo(QStringLiteral(TIME_QUERY_PART)).size();
    ASSERT_GT(partSize, 0);
    const auto cutTo = [](qint64 bytes) {
        return [bytes](const Install& i) {
            return Place(QStringLiteral(TIME_QUERY_PART), i.Installed(), bytes);
        };
    };
    const auto placeAs = [](const QString& part) {
        return [part](const Install& i) { return Place(part, i.Installed()); };
    };
    const std::string interface = std::string(horavia::kTimeQueryPartId) + " ";
    const auto refused = [&interface](const std::string& named) {
        return "it is not a loadable part for this program (interface " + named + ", needs " +
               interface + std::to_string(horavia::kTimeQueryPartVersion) + ")";
    };
    const struct {
        const char* what;
        std::function<bool(const Install&)> place;
        std::string told;  // empty: the part was loaded, and the query failed as usual
    } cases[] = {
        {"the real part", cutTo(-1), ""},
        {"beside the program in a build tree",
         [](const Install& i) { return Place(QStringLiteral(TIME_QUERY_PART), i.Bin()); }, ""},
        {"missing", [](const Install&) { return true; }, "the file is missing"},
        {"cut in half", cutTo(partSize / 2), "the file is truncated"},
        {"cut by its last byte", cutTo(partSize - 1), "the file is truncated"},
        {"cut within its header", cutTo(40), "the file is truncated"},
        {"empty", cutTo(0), "the file is empty"},
        {"a folder",
         [](const Install& i) { return QDir().mkpath(QDir(i.Installed()).filePath(kPartName)); },
         "it is a folder"},
        // Another interface is refused as a missing part is, naming what it is instead.
        {"of the next interface version", placeAs(QStringLiteral(FOREIGN_PART)),
         refused(interface + std::to_string(horavia::kTimeQueryPartVersion + 1))},
        {"of the previous interface version", placeAs(QStringLiteral(OLDER_PART)),
         refused(interface + std::to_string(horavia::kTimeQueryPartVersion - 1))},
        {"of another interface id", placeAs(QStringLiteral(OTHER_ID_PART)),
         refused("other.time-queries " + std::to_string(horavia::kTimeQueryPartVersion))},
        {"of an id differing in letter case", placeAs(QStringLiteral(OTHER_CASE_PART)),
         refused("Horavia.Time-Queries " + std::to_string(horavia::kTimeQueryPartVersion))},
        {"naming no interface", placeAs(QStringLiteral(UNDESCRIBED_PART)), refused("none")},
    };
    for (const auto& c : cases) {
        Install install;
        ASSERT_TRUE(install.root.isValid());
        ASSERT_TRUE(Lay(install) && c.place(install)) << c.what;

        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", "en");
        env.insert("LD_LIBRARY_PATH", install.Elsewhere());
        env.insert("HORAVIA_DECOY_MARKER", install.Marker());
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(install.Elsewhere());
        // Port 1 of this computer: nothing answers there.
        run.start(QDir(install.Bin()).filePath("horavia"), {"--test-server", "127.0.0.1:1"});
        ASSERT_TRUE(run.waitForFinished(20'000)) << c.what;
        const std::string out = run.readAllStandardOutput().toStdString();
        const QString err = QString::fromUtf8(run.readAllStandardError());

        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << c.what << ": crashed\n"
                                                          << err.toStdString();
        EXPECT_EQ(run.exitCode(), 1) << c.what;
        const std::string told = "The time queries could not be loaded: " + c.told;
        EXPECT_EQ(out, (c.told.empty() ? "Connection failed!" : told) + "\n") << c.what;
        EXPECT_EQ(err.count(QString::fromStdString(told)), c.told.empty() ? 0 : 1)
            << c.what << ": " << err.toStdString();
        EXPECT_FALSE(QFile::exists(install.Marker())) << c.what << ": a decoy was loaded";
    }
}

}  // namespace
