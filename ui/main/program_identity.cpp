#include "ui/main/program_identity.h"

#include <QApplication>

#include "ui/main/program_icon.h"

namespace horavia {

void IdentifyProgram() {
    // The display name is left to default to the application name: set explicitly, Qt would
    // append it to every other window's caption.
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace horavia
