// The editor tests need a widget application; they run without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/model/fake_messages.h"
#include "ui/main/message_text.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Recorded messages are compared as the user reads them.
    horavia::testing::RecordingMessages::Renderer() = horavia::MessageUtf8;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
