#include "platform/place_finder.h"

#include <QFile>

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

PlaceFinder::PlaceFinder() = default;
PlaceFinder::~PlaceFinder() = default;

std::vector<PlaceMatch> PlaceFinder::Find(std::string_view text, const ZoneCatalogue& catalogue,
                                          std::size_t limit) {
    if (FoldSearchText(text).empty()) return {};
    if (!search_) search_ = std::make_unique<PlaceSearch>(SharedCompiledPlaceTable());
    return search_->Find(text, catalogue, limit);
}

}  // namespace horavia
