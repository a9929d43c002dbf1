#include "platform/qt_settings_store.h"

#include <QFile>

#include "platform/config_folder.h"

namespace horavia {

QtSettingsStore::QtSettingsStore(QString folder)
    : folder_(std::move(folder)),
      ownFileSystem_(MakePlatformFileSystem()),
      fileSystem_(*ownFileSystem_) {}

QtSettingsStore::QtSettingsStore(QString folder, SettingsFileSystem& fileSystem)
    : folder_(std::move(folder)), fileSystem_(fileSystem) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::DefaultFolder() {
    return UserConfigFolder() + QStringLiteral("/Horavia");
}

QString QtSettingsStore::FilePath(const std::string& app) const {
    return folder_ + QLatin1Char('/') + QString::fromStdString(app) + QStringLiteral(".ini");
}

SettingsFile& QtSettingsStore::FileFor(const std::string& app) {
    auto it = files_.find(app);
    if (it == files_.end()) {
        const QByteArray path = QFile::encodeName(FilePath(app));
        it = files_
                 .emplace(app, std::make_unique<SettingsFile>(
                                   fileSystem_, std::string(path.constData(),
                                                            static_cast<std::size_t>(path.size()))))
                 .first;
    }
    return *it->second;
}

std::optional<std::string> QtSettingsStore::Read(const std::string& app, const std::string& section,
                                                 const std::string& key) {
    SettingsFile& file = FileFor(app);
    // Inside a batch the file was looked at when the batch began.
    if (depth_ == 0) file.Refresh();
    std::optional<std::string> value = file.Get(section, key);
    ReportNewProblems();
    return value;
}

void QtSettingsStore::Save(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& text) {
    SettingsFile& file = FileFor(app);
    file.Set(section, key, text);
    if (depth_ == 0) file.Flush();
    ReportNewProblems();
}

void QtSettingsStore::BeginBatch() {
    if (depth_++ == 0) {
        for (auto& [app, file] : files_) file->Refresh();
    }
}

void QtSettingsStore::EndBatch() {
    if (depth_ == 0 || --depth_ != 0) return;
    // Every batch tries again to write what an earlier failure left unwritten.
    for (auto& [app, file] : files_) file->Flush();
    ReportNewProblems();
}

std::optional<SettingsProblem> QtSettingsStore::Problem() const {
    for (const auto& [app, file] : files_) {
        if (file->Problem()) return file->Problem();
    }
    return std::nullopt;
}

void QtSettingsStore::SetProblemHandler(std::function<void(const SettingsProblem&)> handler) {
    handler_ = std::move(handler);
}

void QtSettingsStore::ReportNewProblems() {
    for (auto& [app, file] : files_) {
        if (auto problem = file->TakeNewProblem(); problem && handler_) handler_(*problem);
    }
}

std::size_t QtSettingsStore::WriteCount(const std::string& app) {
    return FileFor(app).WriteCount();
}

}  // namespace horavia
