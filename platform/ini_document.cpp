#include "platform/ini_document.h"

#include <algorithm>
#include <cstdint>

#include "model/text_helpers.h"

namespace horavia {

namespace {

// The code point that starts at `at` and its length in bytes; length 0 when the bytes there
// are not well-formed UTF-8.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(at);
    if (b0 < 0x80) return {b0, 1};
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, cp = b0 & 0x1Fu, minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, cp = b0 & 0x0Fu, minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, cp = b0 & 0x07u, minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (at + length > s.size()) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {0, 0};
        cp = (cp << 6) | (byte(at + i) & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
    return {cp, length};
}

// White space as Unicode counts it (and as INI readers elsewhere strip it).
bool IsSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Length of the white space that starts the text.
std::size_t LeadingSpace(std::string_view s) {
    std::size_t at = 0;
    while (at < s.size()) {
        const auto [cp, length] = CodePointAt(s, at);
        if (length == 0 || !IsSpace(cp)) break;
        at += length;
    }
    return at;
}

// Length of the white space that ends the text.
std::size_t TrailingSpace(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0) {
        // Step back over continuation bytes to the start of the last code point.
        std::size_t start = end - 1;
        while (start > 0 && end - start < 4 &&
               (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) {
            --start;
        }
        const auto [cp, length] = CodePointAt(s, start);
        if (length != end - start || !IsSpace(cp)) break;
        end = start;
    }
    return s.size() - end;
}

std::string_view TrimSpace(std::string_view s) {
    s.remove_prefix(LeadingSpace(s));
    s.remove_suffix(TrailingSpace(s));
    return s;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// The bytes a stored value stands for: a quoted value without its quotes and escapes, any
// other value as it stands (both without surrounding white space).
std::string StoredBytes(std::string_view stored) {
    const std::string_view value = TrimSpace(stored);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::string(value);
    const std::string_view body = value.substr(1, value.size() - 2);
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\\' && i + 1 < body.size()) {
            const char n = body[i + 1];
            char escaped = 0;
            bool known = true;
            switch (n) {
                case '\\':
                case '"':
                    escaped = n;
                    break;
                case 'n':
                    escaped = '\n';
                    break;
                case 'r':
                    escaped = '\r';
                    break;
                case 't':
                    escaped = '\t';
                    break;
                case '0':
                    escaped = '\0';
                    break;
                default:
                    known = false;  // not an escape: the backslash stays
            }
            if (known) {
                out += escaped;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool NeedsQuotes(std::string_view text) {
    if (text.empty()) return false;
    if (text.front() == '[') return true;
    if (LeadingSpace(text) != 0 || TrailingSpace(text) != 0) return true;
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b == 0x7F || ch == '"' || ch == '\\' || ch == ';' || ch == '#') {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = CodePointAt(bytes, at).second;
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string DecodeIniValue(std::string_view stored) {
    std::string bytes = StoredBytes(stored);
    return IsUtf8(bytes) ? bytes : Latin1ToUtf8(bytes);
}

std::string EncodeIniValue(std::string_view text) {
    if (!NeedsQuotes(text)) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += c;
        }
    }
    return out + '"';
}

namespace {

// Line ends with static storage, so that each line refers to one instead of copying it.
std::string_view LineEnd(std::string_view ending) {
    for (std::string_view known : {"\n", "\r\n", "\r", ""}) {
        if (ending == known) return known;
    }
    return "\n";
}

}  // namespace

IniDocument::IniDocument() : lines_(1), sections_(1) {
    sectionIndex_[""] = 0;
    sectionEnds_[""] = 0;  // keys outside any section go first
}

IniDocument::IniDocument(std::string_view bytes) : IniDocument() {
    lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 2);
    std::size_t section = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t lf = bytes.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::size_t textEnd = end;
        if (textEnd > pos && bytes[textEnd - 1] == '\r') --textEnd;
        const std::size_t next = lf == std::string_view::npos ? bytes.size() : lf + 1;
        if (pos == 0 && bytes.substr(textEnd, next - textEnd) == "\r\n") newline_ = "\r\n";
        AddParsedLine(bytes.substr(pos, textEnd - pos), bytes.substr(textEnd, next - textEnd),
                      section);
        pos = next;
    }
}

std::size_t IniDocument::SectionIndex(std::string_view section) {
    const auto [it, added] = sectionIndex_.emplace(section, sections_.size());
    if (added) sections_.emplace_back(section);
    return it->second;
}

void IniDocument::AddParsedLine(std::string_view text, std::string_view ending,
                                std::size_t& section) {
    const std::size_t at = InsertAfter(last_, std::string(text));
    lines_[at].ending = LineEnd(ending);
    const std::string_view trimmed = TrimSpace(text);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return;
    if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() >= 2) {
        section = SectionIndex(TrimSpace(trimmed.substr(1, trimmed.size() - 2)));
        sectionEnds_[ToLowerAscii(sections_[section])] = at;
        return;
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view key = TrimSpace(text.substr(0, eq));
    if (key.empty()) return;
    Line& line = lines_[at];
    line.section = section;
    line.key = std::string(key);
    const std::string_view stored = text.substr(eq + 1);
    const std::string bytes = StoredBytes(stored);
    if (IsUtf8(bytes)) {
        line.value = bytes;
    } else {
        line.value = Latin1ToUtf8(bytes);
        legacyBytes_[line.value] = std::string(TrimSpace(stored));
    }
    keys_[IndexKey(sections_[section], key)] = at;
    sectionEnds_[ToLowerAscii(sections_[section])] = at;
}

std::size_t IniDocument::InsertAfter(std::size_t at, std::string text) {
    Line line;
    line.text = std::move(text);
    line.ending = newline_;
    line.next = lines_[at].next;
    if (at != 0 && (lines_[at].ending.empty() || lines_[at].ending.back() != '\n')) {
        // A last line without its line end gets one.
        lines_[at].ending = lines_[at].ending.empty() ? newline_ : std::string_view("\r\n");
    }
    const std::size_t index = lines_.size();
    lines_.push_back(std::move(line));
    lines_[at].next = index;
    if (at == last_) last_ = index;
    return index;
}

std::string IniDocument::IndexKey(std::string_view section, std::string_view key) {
    return ToLowerAscii(std::string(section)) + '\n' + ToLowerAscii(std::string(key));
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto it = keys_.find(IndexKey(section, key));
    if (it == keys_.end()) return std::nullopt;
    return lines_[it->second].value;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view text) {
    if (!IsValidSection(section) || !IsValidKey(key)) return false;
    const auto legacy = legacyBytes_.find(std::string(text));
    std::string lineText = std::string(key) + '=' +
                           (legacy != legacyBytes_.end() ? legacy->second : EncodeIniValue(text));
    const std::string indexKey = IndexKey(section, key);
    if (const auto it = keys_.find(indexKey); it != keys_.end()) {
        Line& line = lines_[it->second];
        if (line.value == text) return true;
        line.text = std::move(lineText);
        line.key = std::string(key);
        line.value = std::string(text);
        return true;
    }
    const std::string sectionKey = ToLowerAscii(std::string(section));
    auto end = sectionEnds_.find(sectionKey);
    if (end == sectionEnds_.end()) {
        // A new section at the end of the file, after a blank line.
        if (last_ != 0 && !TrimSpace(lines_[last_].text).empty()) InsertAfter(last_, "");
        const std::size_t header = InsertAfter(last_, '[' + std::string(section) + ']');
        end = sectionEnds_.emplace(sectionKey, header).first;
    }
    const std::size_t at = InsertAfter(end->second, std::move(lineText));
    Line& line = lines_[at];
    line.section = SectionIndex(section);
    line.key = std::string(key);
    line.value = std::string(text);
    keys_[indexKey] = at;
    end->second = at;
    return true;
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (std::size_t i = lines_[0].next; i != 0; i = lines_[i].next) {
        size += lines_[i].text.size() + lines_[i].ending.size();
    }
    std::string out;
    out.reserve(size);
    for (std::size_t i = lines_[0].next; i != 0; i = lines_[i].next) {
        out += lines_[i].text;
        out += lines_[i].ending;
    }
    return out;
}

std::vector<IniDocument::Entry> IniDocument::Entries() const {
    std::vector<Entry> entries;
    for (std::size_t i = lines_[0].next; i != 0; i = lines_[i].next) {
        const Line& line = lines_[i];
        if (line.key.empty()) continue;
        const std::string& section = sections_[line.section];
        const auto it = keys_.find(IndexKey(section, line.key));
        if (it != keys_.end() && it->second == i)
            entries.push_back({section, line.key, line.value});
    }
    return entries;
}

bool IniDocument::IsValidSection(std::string_view section) {
    return section.find_first_of("\r\n") == std::string_view::npos &&
           TrimSpace(section).size() == section.size();
}

bool IniDocument::IsValidKey(std::string_view key) {
    return !key.empty() && key.find_first_of("=\r\n") == std::string_view::npos &&
           TrimSpace(key).size() == key.size() && key.front() != ';' && key.front() != '#' &&
           key.front() != '[';
}

}  // namespace horavia
