#include "ui/main/change_texts.h"

namespace horavia {

QString ChangeSentence(const OffsetChange&, Instant) {
    return {};
}

QString ChangeDifferenceText(const OffsetChange&, const ZoneRules*) {
    return {};
}

std::string IsoOffsetText(std::int32_t) {
    return {};
}

}  // namespace horavia
