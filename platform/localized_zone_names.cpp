#include "platform/localized_zone_names.h"

#include <QFile>
#include <QRegularExpression>

#include "model/text_helpers.h"

// Resources of a static library must be registered by name, outside any namespace.
static void InitZoneNamesResource() {
    Q_INIT_RESOURCE(zone_names);
}

namespace horavia {

LocalizedZoneNames ParseLocalizedZoneNames(std::string_view text) {
    LocalizedZoneNames names;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty() || line.front() == '#') continue;
        const std::size_t first = line.find('\t');
        const std::size_t second =
            first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos || line.find('\t', second + 1) != line.npos) continue;
        const std::string_view key = line.substr(0, first);
        const std::string_view english = line.substr(first + 1, second - first - 1);
        const std::string_view localized = line.substr(second + 1);
        if (key.empty() || english.empty() || localized.empty()) continue;
        names.emplace(std::string(key),
                      LocalizedZoneName{std::string(english), std::string(localized)});
    }
    return names;
}

LocalizedZoneNames CompiledLocalizedZoneNames(const QString& language) {
    // A translation's name ("de", "pt_BR"), never a path.
    static const QRegularExpression name(QStringLiteral("^[A-Za-z]+(_[A-Za-z]+)?$"));
    if (!name.match(language).hasMatch()) return {};
    InitZoneNamesResource();
    QFile table(QStringLiteral(":/zone_names/zone_names_%1.tsv").arg(language));
    if (!table.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = table.readAll();
    return ParseLocalizedZoneNames(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

ZoneEntries LocalizedZoneSource::Entries(int year) {
    ZoneEntries entries = source_.Entries(year);
    for (ZoneEntry& zone : entries.zones) {
        const auto found = names_.find(zone.key);
        if (found == names_.end() || found->second.english != zone.name) continue;
        zone.englishName = std::move(zone.name);
        zone.name = found->second.localized;
    }
    return entries;
}

}  // namespace horavia
