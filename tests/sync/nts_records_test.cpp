// NTS on the wire: the cipher against RFC 5297's vectors, the key-establishment records a
// server may send, and the extension fields of a request and a reply.
#include "sync/nts_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sync/nts_aead.h"

namespace horavia {
namespace {

std::string Hex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

std::string Record(std::uint16_t type, std::string_view body) {
    std::string r;
    r.push_back(static_cast<char>(type >> 8));
    r.push_back(static_cast<char>(type & 0xFF));
    r.push_back(static_cast<char>(body.size() >> 8));
    r.push_back(static_cast<char>(body.size() & 0xFF));
    return r + std::string(body);
}

const std::string kNtpV4 = Record(0x8001, std::string("\0\0", 2));
const std::string kSiv = Record(0x8004, std::string("\0\x0f", 2));
const std::string kEnd = Record(0x8000, "");

TEST(NtsAead, MatchesRfc5297Vectors) {
    // A.1, deterministic: one string of associated data.
    const std::string key1 =
        Hex("fffefdfcfbfaf9f8f7f6f5f4f3f2f1f0f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff");
    const std::string ad1 = Hex("101112131415161718191a1b1c1d1e1f2021222324252627");
    const std::string plain1 = Hex("112233445566778899aabbccddee");
    const auto sealed1 = SivSeal(key1, {ad1}, plain1);
    ASSERT_TRUE(sealed1);
    EXPECT_EQ(*sealed1, Hex("85632d07c6e8f37f950acd320a2ecc9340c02b9690c4dc04daef7f6afe5c"));
    EXPECT_EQ(SivOpen(key1, {ad1}, *sealed1), plain1);

    // A.2, nonce-based: two strings of associated data, then the nonce.
    const std::string key2 =
        Hex("7f7e7d7c7b7a79787776757473727170404142434445464748494a4b4c4d4e4f");
    const std::string adA =
        Hex("00112233445566778899aabbccddeeffdeaddadadeaddadaffeeddccbbaa99887766554433221100");
    const std::string adB = Hex("102030405060708090a0");
    const std::string nonce = Hex("09f911029d74e35bd84156c5635688c0");
    const std::string plain2 = "this is some plaintext to encrypt using SIV-AES";
    const auto sealed2 = SivSeal(key2, {adA, adB, nonce}, plain2);
    ASSERT_TRUE(sealed2);
    EXPECT_EQ(*sealed2, Hex("7bdb6e3b432667eb06f4d14bff2fbd0fcb900f2fddbe4043266019"
                            "65c889bf17dba77ceb094fa663b7a3f748ba8af829ea64ad544a272e"
                            "9c485b62a3fd5c0d"));
    EXPECT_EQ(SivOpen(key2, {adA, adB, nonce}, *sealed2), plain2);

    // Any changed byte, or other associated data, is refused.
    for (std::size_t i = 0; i < sealed2->size(); ++i) {
        std::string forged = *sealed2;
        forged[i] = static_cast<char>(forged[i] ^ 0x01);
        EXPECT_FALSE(SivOpen(key2, {adA, adB, nonce}, forged)) << i;
    }
    EXPECT_FALSE(SivOpen(key2, {adA, nonce}, *sealed2));
    EXPECT_FALSE(SivOpen(key1, {adA, adB, nonce}, *sealed2));
    EXPECT_FALSE(SivSeal("short key", {adA}, plain2));
}

TEST(NtsAead, EmptyPlaintextAsARequestSealsIt) {
    // A request encrypts nothing: its IV alone authenticates the packet and the nonce. The
    // library computes no IV for an empty plaintext, so this one is S2V's own; chronyd accepting
    // such requests (the end-to-end test) pins its value, this pins that it is bound to every
    // input.
    const std::string key(32, '\x42');
    const auto sealed = SivSeal(key, {"packet", "nonce-of-16-bytes"}, "");
    ASSERT_TRUE(sealed);
    EXPECT_EQ(sealed->size(), kSivTagSize);
    EXPECT_EQ(SivOpen(key, {"packet", "nonce-of-16-bytes"}, *sealed), "");
    EXPECT_FALSE(SivOpen(key, {"packet", "nonce-of-16-bytez"}, *sealed));
    EXPECT_FALSE(SivOpen(key, {"packeT", "nonce-of-16-bytes"}, *sealed));
    EXPECT_NE(*sealed, *SivSeal(key, {"packet", "nonce-of-16-bytez"}, ""));
}

TEST(NtsKeRecords, RequestAndExporterContextAreRfc8915s) {
    EXPECT_EQ(BuildNtsKeRequest(), kNtpV4 + kSiv + kEnd);
    EXPECT_EQ(NtsExporterContext(false), std::string("\0\0\0\x0f\0", 5));
    EXPECT_EQ(NtsExporterContext(true), std::string("\0\0\0\x0f\x01", 5));
}

TEST(NtsKeRecords, ResponseGivesCookiesServerAndPort) {
    const std::string response = kNtpV4 + kSiv + Record(5, "cookie-1") + Record(5, "cookie-2") +
                                 Record(0x8006, "ntp.example") + Record(0x8007, "\x04\xd2") +
                                 Record(0x4321, "ignored, not critical") + kEnd +
                                 Record(0x9999, "after the end: never read");
    const NtsKeResponse read = ReadNtsKeResponse(response);
    EXPECT_EQ(read.state, NtsKeResponse::State::Complete) << read.problem;
    EXPECT_EQ(read.cookies, (std::vector<std::string>{"cookie-1", "cookie-2"}));
    EXPECT_EQ(read.ntpServer, "ntp.example");
    EXPECT_EQ(read.ntpPort, 1234);

    // Without server and port records: the key-exchange server on port 123.
    const NtsKeResponse plain = ReadNtsKeResponse(kNtpV4 + kSiv + Record(5, "c") + kEnd);
    EXPECT_EQ(plain.state, NtsKeResponse::State::Complete);
    EXPECT_EQ(plain.ntpServer, "");
    EXPECT_EQ(plain.ntpPort, 123);

    // Cut anywhere before its end, the response is still coming.
    for (std::size_t cut = 0; cut < response.size() - 4 - 28; ++cut) {
        EXPECT_EQ(ReadNtsKeResponse(response.substr(0, cut)).state,
                  NtsKeResponse::State::Incomplete)
            << cut;
    }
}

TEST(NtsKeRecords, ResponsesThatForbidAnAssociationFail) {
    const std::string cookie = Record(5, "cookie");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kNtpV4 + kSiv + Record(0x8002, std::string("\0\x01", 2)) + kEnd, "bad"},
        {kNtpV4 + kSiv + cookie + Record(0x8003, std::string("\0\x07", 2)) + kEnd, "warning"},
        {kNtpV4 + kSiv + cookie + Record(0x8123, "unknown") + kEnd, "critical"},
        {Record(0x8001, "") + kSiv + cookie + kEnd, "NTPv4"},
        {Record(0x8001, std::string("\x80\x01", 2)) + kSiv + cookie + kEnd, "NTPv4"},
        {kNtpV4 + kNtpV4 + kSiv + cookie + kEnd, "NTPv4"},
        {kNtpV4 + Record(0x8004, std::string("\0\x11", 2)) + cookie + kEnd, "AES-SIV"},
        {kNtpV4 + cookie + kEnd, "cipher"},
        {kSiv + cookie + kEnd, "protocol"},
        {kNtpV4 + kSiv + kEnd, "cookies"},
        {kNtpV4 + kSiv + cookie + Record(0x8007, "\x01") + kEnd, "port"},
        {kNtpV4 + kSiv + cookie + Record(0x8006, "bad\nname") + kEnd, "NTP server"},
    };
    for (const auto& [response, says] : cases) {
        const NtsKeResponse read = ReadNtsKeResponse(response);
        EXPECT_EQ(read.state, NtsKeResponse::State::Failed) << says;
        EXPECT_NE(read.problem.find(says), std::string::npos) << read.problem;
        EXPECT_TRUE(read.cookies.empty());
    }
}

// However the bytes are cut, the response reads the same; what it may hold is capped.
TEST(NtsKeRecords, ResponseIsReadAsItComesWithinItsLimits) {
    std::string twenty = kNtpV4 + kSiv;
    for (int i = 0; i < 20; ++i) twenty += Record(5, "cookie " + std::to_string(i));
    twenty += kEnd;
    NtsKeResponseReader byteByByte;
    for (const char c : twenty) byteByByte.Feed(std::string_view(&c, 1));
    for (const NtsKeResponse& read : {byteByByte.Response(), ReadNtsKeResponse(twenty)}) {
        EXPECT_EQ(read.state, NtsKeResponse::State::Complete) << read.problem;
        ASSERT_EQ(read.cookies.size(), kNtsCookiesWanted) << "the first eight are kept";
        EXPECT_EQ(read.cookies.back(), "cookie 7");
    }

    // Filler records (not critical) bring the response to a given size or record count.
    const std::string head = kNtpV4 + kSiv + Record(5, "c");
    const auto sized = [&](std::size_t bytes) {
        std::string response = head;
        while (bytes - response.size() - kEnd.size() > 4 + 0xFFFF) {
            response += Record(0x4321, std::string(0xFFFF, '.'));
        }
        return response +
               Record(0x4321, std::string(bytes - response.size() - kEnd.size() - 4, '.')) + kEnd;
    };
    const auto counted = [&](std::size_t records) {
        std::string response = head;
        for (std::size_t i = 4; i < records; ++i) response += Record(0x4321, "");
        return response + kEnd;
    };
    const std::string kTooLong = "the server sent more than 64 KiB of key-exchange records";
    const std::string kTooMany = "the server sent more than 1024 key-exchange records";
    const std::string kTooLarge = "the server sent a cookie larger than 1024 bytes";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {sized(kNtsKeLargestResponse), ""},
        {sized(kNtsKeLargestResponse + 1), kTooLong},
        {counted(kNtsKeMostRecords), ""},
        {counted(kNtsKeMostRecords + 1), kTooMany},
        {kNtpV4 + kSiv + Record(5, std::string(kNtsLargestCookie, 'c')) + kEnd, ""},
        {kNtpV4 + kSiv + Record(5, std::string(kNtsLargestCookie + 1, 'c')) + kEnd, kTooLarge},
    };
    for (const auto& [response, problem] : cases) {
        const NtsKeResponse read = ReadNtsKeResponse(response);
        EXPECT_EQ(read.problem, problem) << response.size() << " bytes";
        EXPECT_EQ(read.state,
                  problem.empty() ? NtsKeResponse::State::Complete : NtsKeResponse::State::Failed);
    }
}

// A server's reply as RFC 8915 lays it out: the header, the echoed identifier, then the
// authenticator sealing the new cookies.
std::string Reply(std::string_view uniqueId, const std::vector<std::string>& cookies,
                  std::string_view s2cKey) {
    const auto field = [](std::uint16_t type, std::string_view body) {
        std::string f;
        const std::size_t size = (4 + body.size() + 3) / 4 * 4;
        f.push_back(static_cast<char>(type >> 8));
        f.push_back(static_cast<char>(type & 0xFF));
        f.push_back(static_cast<char>(size >> 8));
        f.push_back(static_cast<char>(size & 0xFF));
        return f + std::string(body) + std::string(size - 4 - body.size(), '\0');
    };
    std::string packet(48, '\0');
    packet[0] = 0x24;
    packet += field(0x0104, uniqueId);
    std::string plaintext;
    for (const std::string& c : cookies) plaintext += field(0x0204, c);
    const std::string nonce(16, 'n');
    const std::string sealed = *SivSeal(s2cKey, {packet, nonce}, plaintext);
    std::string body = std::string("\0\x10", 2);
    body.push_back(static_cast<char>(sealed.size() >> 8));
    body.push_back(static_cast<char>(sealed.size() & 0xFF));
    return packet + field(0x0404, body + nonce + sealed);
}

TEST(NtsExtensionFields, RequestCarriesIdCookiePlaceholdersAndAuthenticator) {
    NtsRequestParts parts;
    parts.transmit = 0x0102030405060708u;
    parts.uniqueId = std::string(32, 'u');
    parts.cookie = std::string(100, 'c');
    parts.placeholders = 2;
    parts.c2sKey = std::string(32, 'k');
    parts.nonce = std::string(16, 'n');
    const auto request = BuildNtsRequest(parts);
    ASSERT_TRUE(request);
    // 48 header + 36 id + 104 cookie + 2 x 104 placeholders + 40 authenticator.
    ASSERT_EQ(request->size(), 48u + 36 + 104 + 2 * 104 + 40);
    EXPECT_EQ(request->substr(0, 48), BuildSntpRequest(parts.transmit));
    EXPECT_EQ(request->substr(48, 4), std::string("\x01\x04\0\x24", 4));
    EXPECT_EQ(request->substr(52, 32), parts.uniqueId);
    EXPECT_EQ(request->substr(84, 4), std::string("\x02\x04\0\x68", 4));
    EXPECT_EQ(request->substr(88, 100), parts.cookie);
    EXPECT_EQ(request->substr(188, 4), std::string("\x03\x04\0\x68", 4));
    EXPECT_EQ(request->substr(192, 100), std::string(100, '\0'));
    const std::size_t auth = 48 + 36 + 104 + 2 * 104;
    EXPECT_EQ(request->substr(auth, 8), std::string("\x04\x04\0\x28\0\x10\0\x10", 8));
    EXPECT_EQ(request->substr(auth + 8, 16), parts.nonce);
    // The IV seals everything before the authenticator, with the nonce.
    EXPECT_EQ(SivOpen(parts.c2sKey, {request->substr(0, auth), parts.nonce},
                      request->substr(auth + 24, 16)),
              "");
}

TEST(NtsExtensionFields, OnlyAnAuthenticReplyToThisRequestOpens) {
    const std::string id(32, 'u');
    const std::string key(32, 's');
    const std::string reply = Reply(id, {"new-cookie-1", "new-cookie-2"}, key);
    const auto cookies = OpenNtsReply(reply, id, key);
    ASSERT_TRUE(cookies);
    EXPECT_EQ(*cookies, (std::vector<std::string>{"new-cookie-1", "new-cookie-2"}));

    EXPECT_FALSE(OpenNtsReply(reply, std::string(32, 'v'), key)) << "another request's";
    EXPECT_FALSE(OpenNtsReply(reply, id, std::string(32, 't'))) << "another key";
    EXPECT_FALSE(OpenNtsReply(reply.substr(0, 48), id, key)) << "no fields";
    EXPECT_FALSE(OpenNtsReply(reply.substr(0, reply.size() - 4), id, key)) << "cut short";
    for (std::size_t i = 0; i < reply.size(); ++i) {
        std::string tampered = reply;
        tampered[i] = static_cast<char>(tampered[i] ^ 0x20);
        EXPECT_FALSE(OpenNtsReply(tampered, id, key)) << "byte " << i;
    }
    // A field after the authenticator is not vouched for, and an identifier there counts for
    // nothing.
    std::string unsigned1 = Reply(std::string(32, 'x'), {"c"}, key);
    unsigned1 += std::string("\x01\x04\0\x24", 4) + id;
    EXPECT_FALSE(OpenNtsReply(unsigned1, id, key));
}

TEST(NtsExtensionFields, NtsNakNeedsTheIdentifier) {
    const std::string id(32, 'u');
    std::string nak(48, '\0');
    nak[0] = 0x24;
    nak.replace(12, 4, "NTSN");
    const std::string withId = nak + std::string("\x01\x04\0\x24", 4) + id;
    EXPECT_TRUE(IsNtsNak(withId, id));
    EXPECT_FALSE(IsNtsNak(nak, id));
    EXPECT_FALSE(IsNtsNak(withId, std::string(32, 'v')));
    std::string rate = withId;
    rate.replace(12, 4, "RATE");
    EXPECT_FALSE(IsNtsNak(rate, id));
}

}  // namespace
}  // namespace horavia
