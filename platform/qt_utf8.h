// The program keeps its text as UTF-8 in standard strings; Qt's widgets take QString.
#pragma once

#include <QString>
#include <string_view>

namespace horavia {

// Qt's string of a UTF-8 text; embedded NULs are kept, invalid bytes become U+FFFD.
inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace horavia
