#include "app/time_query_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "sync/module/time_query_entry.h"

namespace horavia {

namespace {

// Only folders that the program's installer or its builder own, found from the program's
// own place: beside it in a build tree, its library folder once installed. Never the current
// folder or one named by the environment.
QStringList ModuleFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral(HORAVIA_MODULE_DIR))};
}

MakeServerQueryFunction LoadEntry() {
    QString why;
    for (const QString& folder : ModuleFolders()) {
        QLibrary part(QDir(folder).filePath(QStringLiteral(HORAVIA_TIME_QUERY_MODULE)));
        if (!part.load()) {  // stays loaded for the program's life: queries come from it
            if (why.isEmpty() || QFileInfo::exists(part.fileName())) why = part.errorString();
            continue;
        }
        if (auto entry = reinterpret_cast<MakeServerQueryFunction>(
                part.resolve(kMakeServerQueryEntry))) {
            return entry;
        }
        why = part.errorString();
    }
    std::fprintf(stderr, "horavia: the time queries could not be loaded: %s\n",
                 why.toLocal8Bit().constData());
    return nullptr;
}

}  // namespace

ServerQueryFactory ServerQueriesFromModule() {
    return [](const QuerySetup& setup) -> std::unique_ptr<ServerQueryPort> {
        static const MakeServerQueryFunction entry = LoadEntry();
        if (entry == nullptr) return nullptr;
        return std::unique_ptr<ServerQueryPort>(entry(setup));
    };
}

}  // namespace horavia
