#include "platform/place_finder.h"

#include <QFile>
#include <map>
#include <string>

#include "model/search_text.h"

// Resources of a static library must be registered by name, outside any namespace.
static void InitPlaceTableResource() {
    Q_INIT_RESOURCE(places);
}

namespace horavia {

QByteArray PlaceTableResourceText() {
    InitPlaceTableResource();
    QFile table(QStringLiteral(":/places.tsv"));
    return table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
}

// One parsed copy for the whole run: place search and the clocks' places share it.
static std::shared_ptr<const PlaceTable> SharedCompiledPlaceTable() {
    static const std::shared_ptr<const PlaceTable> table = [] {
        const QByteArray bytes = PlaceTableResourceText();
        return std::make_shared<const PlaceTable>(ParsePlaceTable(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    }();
    return table;
}

const PlaceTable& CompiledPlaceTable() {
    return *SharedCompiledPlaceTable();
}

namespace {

QString& ProgramLanguage() {
    static QString language;
    return language;
}

}  // namespace

void SetPlaceNamesLanguage(const QString& language) {
    ProgramLanguage() = language;
}

QByteArray PlaceNamesResourceText(const QString& language) {
    // Only names a translation ships: no path built from an arbitrary text.
    static const QStringList known{"de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ar"};
    if (!known.contains(language)) return {};
    InitPlaceTableResource();
    QFile names(QStringLiteral(":/place_names_%1.tsv").arg(language));
    return names.open(QIODevice::ReadOnly) ? names.readAll() : QByteArray();
}

// One parsed copy per language, read on its first search.
static std::shared_ptr<const PlaceNames> SharedCompiledPlaceNames(const QString& language) {
    static std::map<QString, std::shared_ptr<const PlaceNames>> byLanguage;
    auto found = byLanguage.find(language);
    if (found != byLanguage.end()) return found->second;
    const QByteArray bytes = PlaceNamesResourceText(language);
    std::shared_ptr<const PlaceNames> names;
    if (!bytes.isEmpty()) {
        names = std::make_shared<const PlaceNames>(ParsePlaceNames(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            CompiledPlaceTable()));
    }
    return byLanguage.emplace(language, names).first->second;
}

const PlaceNames* CompiledPlaceNames() {
    return SharedCompiledPlaceNames(ProgramLanguage()).get();
}

PlaceFinder::PlaceFinder() = default;
PlaceFinder::PlaceFinder(const QString& language) : language_(language) {}
PlaceFinder::~PlaceFinder() = default;

std::vector<PlaceMatch> PlaceFinder::Find(std::string_view text, const ZoneCatalogue& catalogue,
                                          std::size_t limit) {
    if (FoldSearchText(text).empty()) return {};
    if (!search_) {
        search_ = std::make_unique<PlaceSearch>(
            SharedCompiledPlaceTable(),
            SharedCompiledPlaceNames(language_.value_or(ProgramLanguage())));
    }
    return search_->Find(text, catalogue, limit);
}

}  // namespace horavia
