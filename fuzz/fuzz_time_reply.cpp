// Fuzzes what a time server's reply goes through: the decoding of the first chunk, the
// difference with the computer's clock, the Test button's text and the synchronisation's
// minutes and question. Any bytes must give a result or a clean failure.
//
// Input: bytes 0..3 the computer's clock (seconds since 1900), byte 4 its bias; the rest is
// the reply's first chunk.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sync/server_test_text.h"
#include "sync/sync_time.h"
#include "sync/time_reply.h"

namespace {

using namespace horavia;

[[noreturn]] void Fail() {
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const std::string_view own(reinterpret_cast<const char*>(data), 4);
    const std::int32_t bias = static_cast<std::int8_t>(data[4]) * 30;
    const std::string_view reply(reinterpret_cast<const char*>(data + 5), size - 5);

    const auto seconds = ReplySeconds(reply);
    const auto decoded = DecodeTimeReply(reply);
    if (seconds.has_value() != (reply.size() >= 4) || decoded.has_value() != seconds.has_value()) {
        Fail();
    }
    if (!decoded) return 0;
    // Day 2 is 1900-01-01; the largest reply is 2036-02-07 06:28:15.
    if (!(*decoded >= 2.0 && *decoded < 2.0 + 4294967296.0 / 86400.0)) Fail();
    const auto back = static_cast<std::uint32_t>(std::llround((*decoded - 2.0) * 86400.0));
    if (back != *seconds) Fail();

    const DayCount nowLocal = *DecodeTimeReply(own) - bias / 1440.0;
    const std::int64_t difference = ServerDifferenceSeconds(*decoded, nowLocal, bias);
    if (difference != static_cast<std::int64_t>(*seconds) - *ReplySeconds(own)) Fail();
    const std::string text = ServerTestText("time.example", 17, difference, "\n");
    if (text.find(std::to_string(difference)) == std::string::npos) Fail();

    std::int32_t minutes = 0;
    if (!DifferenceMinutes(nowLocal, *decoded - bias / 1440.0, minutes) || minutes < 0) Fail();
    (void)SyncQuestionText(minutes);
    return 0;
}
