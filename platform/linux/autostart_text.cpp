#include "platform/linux/autostart_text.h"

#include <map>
#include <optional>

#include "platform/linux/desktop_entry.h"

namespace horavia {
namespace {

// Keeps the exact text written, so that reading the value gives it back.
constexpr char kRunTextKey[] = "X-Horavia-RunText";

std::string Value(const std::map<std::string, std::string>& keys, const std::string& key) {
    const auto it = keys.find(key);
    return it == keys.end() ? std::string() : UnescapeDesktopString(it->second);
}

}  // namespace

std::string ProgramOfRunText(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string AutostartEntryText(const std::string& runText, std::string_view previousEntry) {
    std::string program = ProgramOfRunText(runText);
    std::string keptRunText = runText;
    const bool enable = !program.empty();
    if (!enable) {
        // Disabling keeps the program of the entry so that the file stays a complete entry.
        const auto keys = ParseDesktopEntryGroup(previousEntry);
        program = FirstExecArgument(Value(keys, "Exec")).value_or(std::string());
        keptRunText = Value(keys, kRunTextKey);
    }
    std::string content = "[Desktop Entry]\nType=Application\nName=Horavia\n";
    if (!program.empty()) {
        content += "Exec=" + EscapeDesktopString(QuoteExecArgument(program)) + "\n";
        content += std::string(kRunTextKey) + "=" + EscapeDesktopString(keptRunText) + "\n";
    }
    content += enable ? "Hidden=false\nX-GNOME-Autostart-enabled=true\n"
                      : "Hidden=true\nX-GNOME-Autostart-enabled=false\n";
    return content;
}

std::string ReadAutostartRunText(std::string_view entry) {
    const auto keys = ParseDesktopEntryGroup(entry);
    if (Value(keys, "Hidden") == "true" || Value(keys, "X-GNOME-Autostart-enabled") == "false") {
        return std::string();
    }
    const auto program = FirstExecArgument(Value(keys, "Exec"));
    if (!program || program->empty()) return std::string();
    const std::string written = Value(keys, kRunTextKey);
    if (!written.empty() && ProgramOfRunText(written) == *program) return written;
    return '"' + *program + '"';
}

}  // namespace horavia
