// What this process has used: CPU time, open file descriptors and memory, for the tests and
// the measuring programs of the time queries.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdint>

namespace horavia::test {

// User and system CPU of the whole process, in seconds.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

inline int OpenDescriptors() {
    return static_cast<int>(
        QDir("/proc/self/fd").entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size());
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when unreadable.
inline std::int64_t StatusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// Lowers the peak resident memory (VmHWM) to what the process holds now, so that the next
// reading of it is the peak of what follows. False where the kernel does not allow it.
inline bool ResetPeakMemory() {
    const int clear = open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
    if (clear < 0) return false;
    const bool done = write(clear, "5", 1) == 1;
    close(clear);
    return done;
}

}  // namespace horavia::test
