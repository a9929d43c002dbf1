// The one table of the texts model/ and sync/ tell the user: a message identifier and its
// arguments become a sentence in the user's language (English when no translation is loaded).
#pragma once

#include <QString>

#include "model/message.h"

namespace horavia {

// The message's text, its %1, %2 ... filled with its arguments and %n with its count.
QString MessageText(const Message& message);
// The messages one below the other, joined by line feeds.
QString MessageText(const MessageLines& lines);
// The same, for text written to standard output or standard error.
std::string MessageUtf8(const MessageLines& lines);

}  // namespace horavia
