// Fuzzes the autostart entry's Exec line: any program path written into an entry must read
// back as itself, and any hand-written Exec line or entry must read without a crash.
//
// Input: byte 0 picks the direction; the rest is a program path (round trip) or a whole
// entry file (reading).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/linux/autostart_text.h"
#include "platform/linux/desktop_entry.h"

using namespace horavia;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if ((data[0] & 1) == 0) {
        // Reading whatever a file holds.
        const auto keys = ParseDesktopEntryGroup(text);
        const auto exec = keys.find("Exec");
        if (exec != keys.end()) (void)FirstExecArgument(UnescapeDesktopString(exec->second));
        (void)ReadAutostartRunText(text);
        (void)FirstExecArgument(text);
        return 0;
    }
    // Writing a run text and reading it back. A text naming a program enables the entry; the
    // same text must come back.
    const std::string entry = AutostartEntryText(text, {});
    const auto back = ReadAutostartRunText(entry);
    const bool namesProgram =
        !text.empty() && !(text.size() == 2 && text.front() == '"' && text.back() == '"');
    if (namesProgram && back != text) Fail();
    // The program itself, through the Exec quoting alone.
    const auto program =
        FirstExecArgument(UnescapeDesktopString(EscapeDesktopString(QuoteExecArgument(text))));
    if (program != text) Fail();
    // Disabling keeps the entry's program and gives the empty text.
    const std::string disabled = AutostartEntryText(std::string(), entry);
    if (!ReadAutostartRunText(disabled).empty()) Fail();
    if (namesProgram && AutostartEntryText(std::string(), disabled) != disabled) Fail();
    return 0;
}
