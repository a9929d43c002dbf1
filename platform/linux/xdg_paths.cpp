#include "platform/linux/xdg_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <vector>

namespace horavia {
namespace {

QString PasswordDatabaseHome() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return QFile::decodeName(found->pw_dir);
}

}  // namespace

QString UserHomeFolder() {
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) home = PasswordDatabaseHome();
    return home.isEmpty() ? QDir::rootPath() : home;
}

QString UserConfigFolder() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.isEmpty() && QDir::isAbsolutePath(config)) return QDir::cleanPath(config);
    return QDir::cleanPath(UserHomeFolder() + QStringLiteral("/.config"));
}

}  // namespace horavia
