#include "platform/qt_settings_store.h"

#include <QDir>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>

namespace horavia {
namespace {

// Our own INI reader and writer for QSettings: QSettings keeps the atomic save and the
// locking, while we keep every value a plain string.
bool ReadIni(QIODevice& device, QSettings::SettingsMap& map) {
    QString group;
    const QString all = QString::fromUtf8(device.readAll());
    for (const QString& raw : all.split(QLatin1Char('\n'))) {
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            group = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;  // not a key line: ignored, never fatal
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty()) continue;
        map.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key,
                   DecodeIniValue(line.mid(eq + 1)));
    }
    return true;
}

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map) {
    QMap<QString, QStringList> groups;  // group -> "key=value" lines
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const auto slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        groups[group].append(key + QLatin1Char('=') + EncodeIniValue(it.value().toString()));
    }
    QByteArray out;
    for (auto it = groups.constBegin(); it != groups.constEnd(); ++it) {
        if (!it.key().isEmpty()) out += "[" + it.key().toUtf8() + "]\n";
        for (const QString& line : it.value()) out += line.toUtf8() + "\n";
        out += "\n";
    }
    return device.write(out) == out.size();
}

QSettings::Format IniFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadIni, WriteIni);
    return format;
}

}  // namespace

QString EncodeIniValue(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '"':
                out += QLatin1String("\\\"");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            case 0:
                out += QLatin1String("\\0");
                break;
            default:
                out += c;
        }
    }
    // Quotes keep surrounding blanks and the comment characters safe.
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString DecodeIniValue(const QString& stored) {
    const QString value = stored.trimmed();
    if (value.size() < 2 || !value.startsWith(QLatin1Char('"')) ||
        !value.endsWith(QLatin1Char('"'))) {
        return value;  // hand-edited: the raw text
    }
    QString out;
    const QString body = value.mid(1, value.size() - 2);
    for (qsizetype i = 0; i < body.size(); ++i) {
        QChar c = body[i];
        if (c == QLatin1Char('\\') && i + 1 < body.size()) {
            const QChar n = body[++i];
            switch (n.unicode()) {
                case 'n':
                    c = QLatin1Char('\n');
                    break;
                case 'r':
                    c = QLatin1Char('\r');
                    break;
                case 't':
                    c = QLatin1Char('\t');
                    break;
                case '0':
                    c = QChar(0);
                    break;
                default:
                    c = n;
            }
        }
        out += c;
    }
    return out;
}

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {}

QString QtSettingsStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Horavia");
}

QString QtSettingsStore::FilePath(const std::string& app) const {
    return folder_ + QLatin1Char('/') + QString::fromStdString(app) + QStringLiteral(".ini");
}

std::optional<std::string> QtSettingsStore::Read(const std::string& app, const std::string& section,
                                                 const std::string& key) {
    QSettings settings(FilePath(app), IniFormat());
    const QString name =
        QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
    const QVariant value = settings.value(name);
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Save(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& text) {
    QDir().mkpath(folder_);
    QSettings settings(FilePath(app), IniFormat());
    settings.setValue(
        QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key),
        QString::fromStdString(text));
    settings.sync();
}

}  // namespace horavia
