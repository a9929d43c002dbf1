#include "ui/main/program_icon.h"

// The resource initialiser must be called from outside any namespace.
static void InitProgramResources() {
    Q_INIT_RESOURCE(resources);
}

namespace horavia {

void EnsureProgramResources() {
    static const bool done = (InitProgramResources(), true);
    (void)done;
}

QIcon ProgramIcon() {
    EnsureProgramResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/horavia-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace horavia
