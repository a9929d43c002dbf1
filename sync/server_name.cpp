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
    if (!StartsWithNoCase(text, "ntp:")) return {TimeProtocol::Time, server};
    text.remove_prefix(4);
    if (text.substr(0, 2) == "//") text.remove_prefix(2);
    text = TrimBlanks(text);
    if (!text.empty() && text.back() == '/') text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    return {TimeProtocol::Ntp, std::string(text)};
}

std::string ServerPacingKey(const std::string& server) {
    std::string key(TrimBlanks(ParseServerName(server).host));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

}  // namespace horavia
