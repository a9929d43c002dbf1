#include "sync/server_name.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "model/text_helpers.h"

namespace horavia {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

}  // namespace

ServerAddress ParseServerName(const std::string& server) {
    std::string_view text = TrimBlanks(server);
    const bool nts = StartsWithNoCase(text, "nts:");
    if (!nts && !StartsWithNoCase(text, "ntp:")) return {TimeProtocol::Time, server};
    text.remove_prefix(4);
    if (text.substr(0, 2) == "//") text.remove_prefix(2);
    text = TrimBlanks(text);
    if (!text.empty() && text.back() == '/') text.remove_suffix(1);
    ServerAddress address{nts ? TimeProtocol::Nts : TimeProtocol::Ntp, {}};
    if (nts) {
        // The port after the last colon, unless that colon is inside an IPv6 address.
        const std::size_t colon = text.rfind(':');
        const std::size_t bracket = text.rfind(']');
        const bool bracketed = !text.empty() && text.front() == '[';
        if (colon != std::string_view::npos &&
            (bracketed ? bracket != std::string_view::npos && colon > bracket
                       : text.find(':') == colon)) {
            const std::string_view digits = text.substr(colon + 1);
            unsigned long port = 0;
            bool valid = !digits.empty() && digits.size() <= 5;
            for (const char c : digits) {
                valid = valid && c >= '0' && c <= '9';
                if (valid) port = port * 10 + static_cast<unsigned long>(c - '0');
            }
            if (valid && port > 0 && port <= 65535) {
                address.port = static_cast<std::uint16_t>(port);
                text = text.substr(0, colon);
            }
        }
    }
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    address.host = std::string(text);
    return address;
}

std::string ServerPacingKey(const std::string& server) {
    std::string key(TrimBlanks(ParseServerName(server).host));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

}  // namespace horavia
