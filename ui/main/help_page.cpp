#include "ui/main/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "ui/main/program_icon.h"

namespace horavia {

namespace {

constexpr const char* kHelpResource = ":/help/horavia.html";
constexpr const char* kHelpFileName = "horavia-help.html";

QUrl ContentsUrlOf(const QString& path) {
    if (path.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QStringLiteral("contents"));
    return url;
}

QString HelpFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder;
}

}  // namespace

QString WriteHelpPage(const QString& folder) {
    EnsureProgramResources();
    QFile source(QString::fromUtf8(kHelpResource));
    if (!source.open(QIODevice::ReadOnly)) return {};
    const QByteArray page = source.readAll();
    if (!QDir().mkpath(folder)) return {};
    const QString path = QDir(folder).filePath(QString::fromUtf8(kHelpFileName));
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == page) return path;
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(page) != page.size() || !out.commit()) {
        return {};
    }
    return path;
}

bool OpenHelpWith(MessageBoxPort& messages, const QString& folder,
                  const std::function<bool(const QUrl&)>& openUrl) {
    const QString path = WriteHelpPage(folder);
    if (path.isEmpty()) {
        messages.Tell(
            Message{MessageId::HelpNotWritten, {QDir::toNativeSeparators(folder).toStdString()}},
            kAppTitle, MsgIcon::Exclamation);
        return false;
    }
    if (openUrl(ContentsUrlOf(path))) return true;
    messages.Tell(
        Message{MessageId::NoBrowserForHelp, {QDir::toNativeSeparators(path).toStdString()}},
        kAppTitle, MsgIcon::Exclamation);
    return false;
}

void OpenHelp(MessageBoxPort& messages) {
    OpenHelpWith(messages, HelpFolder(),
                 [](const QUrl& url) { return QDesktopServices::openUrl(url); });
}

}  // namespace horavia
