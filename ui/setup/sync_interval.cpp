#include "ui/setup/sync_interval.h"

#include "model/preferences.h"
#include "model/text_helpers.h"

namespace horavia {

std::int32_t IntervalFromText(const std::string& text, std::int32_t unit) {
    const double limited = ClampValue(LeadingNumber(text), 1.0, 255.0);
    return NormaliseInterval(RoundToInt32(limited).value_or(1), unit);
}

}  // namespace horavia
