#include "ui/main/program_icon.h"

#include <QImageReader>
#include <QPixmap>

// The resource initialiser must be called from outside any namespace.
static void InitProgramResources() {
    Q_INIT_RESOURCE(resources);
}

namespace horavia {

void EnsureProgramResources() {
    static const bool done = (InitProgramResources(), true);
    (void)done;
}

QIcon CompiledIcon(const QString& name, std::initializer_list<int> sizes) {
    EnsureProgramResources();
    QIcon icon;
    for (int size : sizes) {
        QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QIcon ProgramIcon() {
    return CompiledIcon(QStringLiteral("horavia"), {16, 22, 24, 32, 48, 64, 128});
}

}  // namespace horavia
