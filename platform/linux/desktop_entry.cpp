#include "platform/linux/desktop_entry.h"

#include "model/text_helpers.h"

namespace horavia {
namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// "%%" stands for a literal "%"; other field codes (%f, %u, ...) are not part of a path.
std::string UndoPercent(const std::string& arg) {
    std::string out;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (arg[i] == '%' && i + 1 < arg.size()) {
            if (arg[i + 1] == '%') out.push_back('%');
            ++i;
        } else {
            out.push_back(arg[i]);
        }
    }
    return out;
}

}  // namespace

std::map<std::string, std::string> ParseDesktopEntryGroup(std::string_view text) {
    std::map<std::string, std::string> keys;
    bool inGroup = false;
    for (std::string_view line : SplitLines(text)) {
        line = TrimBlanks(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto eq = line.find('=');
        if (!inGroup || eq == std::string_view::npos) continue;
        const std::string key(TrimBlanks(line.substr(0, eq)));
        if (!key.empty() && keys.find(key) == keys.end()) {
            keys.emplace(key, std::string(TrimBlanks(line.substr(eq + 1))));
        }
    }
    return keys;
}

std::string EscapeDesktopString(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case ' ':
                // Blanks at either end would be taken for the blanks around the value.
                out += i == 0 || i + 1 == text.size() ? "\\s" : " ";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string UnescapeDesktopString(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        switch (value[++i]) {
            case 's':
                out.push_back(' ');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case '\\':
                out.push_back('\\');
                break;
            default:  // not an escape: keep both characters
                out.push_back('\\');
                out.push_back(value[i]);
        }
    }
    return out;
}

std::string QuoteExecArgument(std::string_view argument) {
    const bool quote =
        argument.empty() || argument.find_first_of(kReservedInExec) != std::string_view::npos;
    std::string out;
    if (quote) out.push_back('"');
    for (char c : argument) {
        if (c == '%') {
            out += "%%";
            continue;
        }
        if (quote && kEscapedInQuotes.find(c) != std::string_view::npos) out.push_back('\\');
        out.push_back(c);
    }
    if (quote) out.push_back('"');
    return out;
}

std::optional<std::string> FirstExecArgument(std::string_view exec) {
    std::size_t i = 0;
    while (i < exec.size() && IsBlank(exec[i])) ++i;
    if (i == exec.size()) return std::nullopt;
    std::string arg;
    if (exec[i] != '"') {
        while (i < exec.size() && !IsBlank(exec[i])) arg.push_back(exec[i++]);
        return UndoPercent(arg);
    }
    for (++i; i < exec.size(); ++i) {
        if (exec[i] == '"') return UndoPercent(arg);
        if (exec[i] == '\\' && i + 1 < exec.size() &&
            kEscapedInQuotes.find(exec[i + 1]) != std::string_view::npos) {
            ++i;
        }
        arg.push_back(exec[i]);
    }
    return std::nullopt;  // no closing quote
}

}  // namespace horavia
