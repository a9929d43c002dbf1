// SNTP version 4 (RFC 4330): the client's request, and the checks and arithmetic of the
// server's reply. Timestamps are 32.32 fixed-point seconds since 1900 whose era number is not
// sent; differences taken modulo 2^64 and read as signed are right across the 2036 wrap as long
// as the two clocks are less than 68 years apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sync/query_failure.h"

namespace horavia {

using NtpTimestamp = std::uint64_t;

inline constexpr std::uint16_t kNtpPort = 123;
inline constexpr std::size_t kNtpPacketSize = 48;

// A UTC moment in microseconds since 1970 as an NTP timestamp.
NtpTimestamp NtpTimestampFromUnixMicros(std::int64_t micros);
// The timestamp moved on by a number of microseconds.
NtpTimestamp AddMicros(NtpTimestamp t, std::int64_t micros);
// a - b in seconds, the shorter way round the era.
double NtpSecondsBetween(NtpTimestamp a, NtpTimestamp b);

// The request's transmit timestamp: the send time with its lowest 22 bits (less than a
// millisecond) replaced by random ones, so that only the real server can echo it back.
NtpTimestamp WithNonce(NtpTimestamp sendTime, std::uint32_t random);

// A client request (LI 0, version 4, mode 3) carrying only its transmit timestamp.
std::string BuildSntpRequest(NtpTimestamp transmit);

enum class SntpVerdict {
    NotOurs,  // too short, not a server's reply, or not an answer to this request: ignored
    Refused,  // the server answered but gives no time: kiss-o'-death, unsynchronised, ...
    Answer,   // a time to use
};

struct SntpReply {
    SntpVerdict verdict = SntpVerdict::NotOurs;
    double offsetSeconds = 0;  // the server's clock minus this computer's
    double delaySeconds = 0;   // the round trip, less the time the server held the request
    int stratum = 0;
    std::string kissCode;  // the four letters of a kiss-o'-death ("RATE", "DENY", ...)
    QueryFailure refusal = QueryFailure::NoAnswer;  // why a Refused reply gives no time
};

// Checks a datagram against the request whose transmit timestamp was `sent`, and computes
// offset and delay from when the request truly left (t1) and the reply arrived (t4), both on
// this computer's clock.
SntpReply ReadSntpReply(std::string_view packet, NtpTimestamp sent, NtpTimestamp t1,
                        NtpTimestamp t4);

}  // namespace horavia
