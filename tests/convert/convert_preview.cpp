// Shows the converter with this computer's zone database, for looking at it (screenshots):
//   convert_preview [SOURCE-NAME-PART [TARGET-NAME-PART [TEXT]]]
// Runs until the window is closed by the program (Ctrl+C); the close box only hides it.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <cstdio>

#include "model/registry.h"
#include "model/zone_model.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/qt_locale.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "ui/convert/converter_window.h"

namespace {

void SelectByName(QComboBox* combo, const QString& part) {
    const int row = combo->findText(part, Qt::MatchContains);
    if (row >= 0) combo->setCurrentIndex(row);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    using namespace horavia;
    MemorySettingsStore settings;
    MemoryRegistry registry;  // not read: the zones come from the zone source
    auto zones = MakeSystemTzZoneSource();
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock clock;
    AppState app(Services{settings, registry, messages, localZone, clock, zones.get()},
                 LocaleFromQt());
    if (!app.LoadCatalogue()) return 1;

    ConverterWindow window(app, messages);
    window.show();
    const QStringList args = QApplication::arguments();
    auto* from = window.findChild<QComboBox*>(QStringLiteral("fromZoneCombo"));
    auto* to = window.findChild<QComboBox*>(QStringLiteral("toZoneCombo"));
    auto* fromTime = window.findChild<QLineEdit*>(QStringLiteral("fromTimeEdit"));
    auto* toTime = window.findChild<QLineEdit*>(QStringLiteral("toTimeEdit"));
    if (from == nullptr || to == nullptr || fromTime == nullptr || toTime == nullptr) return 1;
    if (args.size() > 1) SelectByName(from, args[1]);
    if (args.size() > 2) SelectByName(to, args[2]);
    if (args.size() > 3) fromTime->setText(args[3]);
    std::printf("%d source zones, %d target zones; result %s\n", from->count(), to->count(),
                toTime->text().toStdString().c_str());
    std::fflush(stdout);
    return QApplication::exec();
}
