#include "ui/main/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "ui/main/icon_pixels.h"

// The resource initialiser must be called from outside any namespace.
static void InitProgramResources() {
    Q_INIT_RESOURCE(resources);
}

namespace horavia {

void EnsureProgramResources() {
    static const bool done = (InitProgramResources(), true);
    (void)done;
}

QIcon CompiledIcon(const QString& name, int largest) {
    QIcon icon;
    for (const IconPixels& p : CompiledIconPixels()) {
        if (name != QLatin1String(p.name) || p.width > largest) continue;
        const QImage image(reinterpret_cast<const uchar*>(p.argb), p.width, p.height,
                           static_cast<qsizetype>(p.width) * 4,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon ProgramIcon() {
    return CompiledIcon(QStringLiteral("horavia"));
}

QIcon TitleBarIcon() {
    return CompiledIcon(QStringLiteral("horavia"), 48);
}

}  // namespace horavia
