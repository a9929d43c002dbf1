// The marker after a clock's time in English, exactly as it always read.
#include "ui/main/relative_offset_text.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

TEST(RelativeOffsetText, EnglishHoursMinutesAndDay) {
    const struct {
        RelativeOffset offset;
        const char* text;
    } cases[] = {
        {{9 * 60, 0}, "+9 h"},
        {{-(3 * 60 + 30), 0}, "\u22123 h 30"},
        {{0, 0}, "\u00b10"},
        {{9 * 60, 1}, "+9 h tomorrow"},
        {{-60, -1}, "\u22121 h yesterday"},
        {{30, 0}, "+0 h 30"},
        {{-(12 * 60 + 45), 1}, "\u221212 h 45 tomorrow"},
        {{0, -1}, "\u00b10 yesterday"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RelativeOffsetText(c.offset).toStdString(), c.text)
            << c.offset.minutes << " min, day " << c.offset.dayShift;
    }
}

}  // namespace
}  // namespace horavia
