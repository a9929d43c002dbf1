#include "ui/main/log_on_start.h"

#include <QCoreApplication>
#include <QDir>

namespace horavia {

void RegisterStartUp(AppState& state, const std::string& quotedProgramPath) {
    WriteStartUpEntries(state.services.registry, state.prefs.StartUp, quotedProgramPath);
}

std::string QuotedProgramPath() {
    return "\"" + QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString() +
           "\"";
}

}  // namespace horavia
