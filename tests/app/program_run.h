// Runs the built program with options and a private settings folder.
#pragma once

#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace horavia::testing {

struct ProgramRun {
    bool started = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// The user a run takes: the tester's own, or "nobody" so that file permissions hold even when
// the tests run as root (through setpriv).
enum class RunAs { Self, Nobody };

inline bool CanRunAsNobody() {
    return ::geteuid() != 0 || !QStandardPaths::findExecutable("setpriv").isEmpty();
}

// language: the user's language (LANGUAGE); English unless a test asks for another, whatever
// the language of the one running the tests. environment: NAME=value pairs set on top.
inline ProgramRun RunHoravia(const QTemporaryDir& config, const QStringList& args,
                             RunAs user = RunAs::Self, const QString& language = "en",
                             const QStringList& environment = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("LANGUAGE", language);
    env.insert("TZ", "America/New_York");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    for (const QString& pair : environment) {
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    }
    p.setProcessEnvironment(env);
    if (user == RunAs::Nobody && ::geteuid() == 0) {
        p.start("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                                       QStringLiteral(HORAVIA_EXE)} +
                               args);
    } else {
        p.start(QStringLiteral(HORAVIA_EXE), args);
    }
    ProgramRun run;
    run.started = p.waitForStarted(20000);
    p.waitForFinished(20000);
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

// The line a run as root starts its standard error with; nothing for any other user.
// Runs the program on a clock frozen at `localTime` in zone `tz` (faketime reads the time
// there). Under AddressSanitizer the preloaded clock comes before the sanitizer's runtime, which
// it would refuse; the sanitizer's other options stay as the run set them.
inline ProgramRun RunHoraviaFrozen(const QTemporaryDir& config, const QStringList& args,
                                   const QString& localTime, const QString& tz) {
    const QString sanitizer = qEnvironmentVariable("ASAN_OPTIONS");
    const QStringList frozenClock = {
        "LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
        "FAKETIME=@" + localTime + " x0.000001", "TZ=" + tz,
        "ASAN_OPTIONS=" + sanitizer + (sanitizer.isEmpty() ? "" : ":") +
            "verify_asan_link_order=0"};
    return RunHoravia(config, args, RunAs::Self, "en", frozenClock);
}

inline QString RootLine() {
    return ::geteuid() == 0 ? QStringLiteral(
                                  "horavia: running as root: symbolic links to the settings are "
                                  "followed only when root owns them\n")
                            : QString();
}

inline QString IniPath(const QTemporaryDir& config) {
    return config.path() + "/Horavia/Horavia 2.0.ini";
}

// Writes a settings file into a private configuration folder; false when it cannot.
inline bool WriteIni(const QTemporaryDir& config, const QByteArray& text) {
    QDir().mkpath(config.path() + "/Horavia");
    QFile ini(IniPath(config));
    return ini.open(QIODevice::WriteOnly) && ini.write(text) == text.size();
}

}  // namespace horavia::testing
