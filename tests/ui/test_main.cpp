// The window tests need an application object; they run without a display (offscreen).
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/model/fake_messages.h"
#include "ui/main/message_text.h"

namespace {

// The offscreen platform reports every window-manager call it cannot make; only those are
// dropped.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support")) ||
        text.contains(QStringLiteral("systemTrayWindowChanged"))) {
        return;
    }
    qt_message_output(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen always; a run may give it options (a screen configuration file).
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("offscreen:"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    // Recorded messages are compared as the user reads them.
    horavia::testing::RecordingMessages::Renderer() = horavia::MessageUtf8;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
