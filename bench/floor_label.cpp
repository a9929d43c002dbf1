// The floor a small always-running Qt program cannot go below: one window holding one label
// whose text is set every second. bench/start_vs_floor.sh measures the program against it, so
// the figures are ratios to what Qt itself costs on the same display in the same run.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Floor"));
    label.setMargin(8);
    const auto showTime = [&label] {
        label.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    };
    showTime();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &label, showTime);
    tick.start(1000);
    label.show();
    return app.exec();
}
