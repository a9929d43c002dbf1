// What this process has used: CPU time and open file descriptors, for the tests and the
// measuring programs of the time queries.
#pragma once

#include <sys/resource.h>

#include <QDir>

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

}  // namespace horavia::test
