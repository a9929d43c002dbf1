// Fuzzes the command line: any arguments must parse into one command or a clean error, and a
// label or time printed for a script must stay on one line whatever it holds.
//
// Input: the arguments separated by NUL bytes, decoded as the program decodes them.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "app/command_line.h"
#include "app/print_line.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace horavia;

// Every such character lies in the Basic Multilingual Plane, so a check of each UTF-16 unit
// finds them (surrogates are none of them).
bool IsLineBreakOrControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments{QStringLiteral("horavia")};
    arguments.reserve(2 + static_cast<qsizetype>(std::count(data, data + size, 0)));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            arguments << QString::fromLocal8Bit(reinterpret_cast<const char*>(data + start),
                                                static_cast<qsizetype>(i - start));
            start = i + 1;
        }
    }
    const ParsedCommand parsed = ParseCommandLine(arguments);
    switch (parsed.command) {
        case Command::Error:
            if (parsed.error.isEmpty()) Fail();
            break;
        case Command::TestServer:
            if (parsed.host.trimmed().isEmpty() || parsed.host.startsWith(QLatin1Char('-'))) Fail();
            break;
        case Command::StartProgram:
            if (arguments.size() != 1) Fail();
            break;
        default:
            break;
    }
    // Every argument as a clock's label: one line, its printable characters kept.
    for (const QString& argument : arguments) {
        const QString line = OneLine(argument);
        if (line.size() != argument.size()) Fail();
        for (const QChar c : line) {
            if (IsLineBreakOrControl(c.unicode())) Fail();
        }
    }
    return 0;
}
