// The program's help: an HTML page compiled into the program, opened in the user's browser.
#pragma once

#include <QString>
#include <QUrl>

namespace horavia {

// Writes the page out of the program's resources into the user's cache folder (rewritten
// only when it differs) and returns its path; empty when it cannot be written.
QString WriteHelpPage(const QString& folder);

// The page, at its table of contents; empty when the page cannot be written.
QUrl HelpContentsUrl();

// Opens the help at its contents. Failure is the browser's to report.
void OpenHelp();

}  // namespace horavia
