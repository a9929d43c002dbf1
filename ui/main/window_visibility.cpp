#include "ui/main/window_visibility.h"

#include <QCoreApplication>
#include <QDir>

namespace horavia {

void ShowMainWindow(AppState& state, VisibilityTargets& targets, bool show) {
    state.prefs.ShowWnd = show;
    targets.SetShowWindowCheck(show);
    targets.SetShowMenuCaption(QString::fromUtf8(show ? kMenuHideCaption : kMenuShowCaption));
    SavePreference(state.prefs, state.services.settings, &Preferences::ShowWnd);
    if (targets.IsEditorVisible()) return;
    targets.SetMainWindowVisible(show);
}

void RegisterStartUp(AppState& state, const std::string& quotedProgramPath) {
    WriteStartUpEntries(state.services.registry, state.prefs.StartUp, quotedProgramPath);
}

std::string QuotedProgramPath() {
    return "\"" + QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString() +
           "\"";
}

}  // namespace horavia
