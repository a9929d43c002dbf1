// The program's help: an HTML page compiled into the program, opened in the user's browser.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "model/services.h"

namespace horavia {

// Writes the page out of the program's resources into the user's cache folder (rewritten
// only when it differs) and returns its path; empty when it cannot be written.
QString WriteHelpPage(const QString& folder);

// Opens the help at its contents with openUrl. When the page cannot be written or no browser
// can be started, a message box says so and names the help file. True when it was opened.
bool OpenHelpWith(MessageBoxPort& messages, const QString& folder,
                  const std::function<bool(const QUrl&)>& openUrl);

// The same in the user's browser, with the page in the user's cache folder.
void OpenHelp(MessageBoxPort& messages);

}  // namespace horavia
