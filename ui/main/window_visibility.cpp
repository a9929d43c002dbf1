#include "ui/main/window_visibility.h"

#include <QCoreApplication>

namespace horavia {

void ShowMainWindow(AppState& state, VisibilityTargets& targets, bool show) {
    state.prefs.ShowWnd = show;
    targets.SetShowWindowCheck(show);
    targets.SetShowMenuCaption(QString::fromUtf8(show ? kMenuHideCaption : kMenuShowCaption));
    state.services.settings.Save("ShowWnd", BoolText(show));
    if (targets.IsEditorVisible()) return;
    targets.SetMainWindowVisible(show);
}

void RegisterStartUp(AppState& state, const std::string& quotedProgramPath) {
    RegistryBackend& reg = state.services.registry;
    RegWriteString(reg, RegRoot::CurrentUser, kRunKeyPath, kRunValue, "");
    RegWriteString(reg, RegRoot::CurrentUser, kRunKeyPathNt, kRunValue, "");
    RegWriteString(reg, RegRoot::LocalMachine, kRunKeyPath, kRunValue, "");
    RegWriteString(reg, RegRoot::LocalMachine, kRunKeyPathNt, kRunValue, "");
    RegWriteString(reg, RegRoot::CurrentUser, kRunKeyPath, kRunValue,
                   state.prefs.StartUp ? quotedProgramPath : std::string());
}

std::string QuotedProgramPath() {
    return "\"" + QCoreApplication::applicationFilePath().toStdString() + "\"";
}

}  // namespace horavia
