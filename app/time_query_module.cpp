#include "app/time_query_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/loadable_part.h"
#include "sync/module/time_query_entry.h"
#include "sync/no_server_query.h"
#include "ui/main/message_text.h"

namespace horavia {

namespace {

// Only files that the program's installer or its builder own, found from the program's own
// place: beside it in a build tree, its library folder once installed. Never the current
// folder, a search path or one named by the environment.
std::vector<std::string> PartPaths() {
    const QDir program(QCoreApplication::applicationDirPath());
    std::vector<std::string> paths;
    for (const QString& folder :
         {program.path(), QDir::cleanPath(program.filePath(QStringLiteral(HORAVIA_MODULE_DIR)))}) {
        const QString path = QDir(folder).filePath(QStringLiteral(HORAVIA_TIME_QUERY_MODULE));
        if (QDir::isAbsolutePath(path)) paths.push_back(QFile::encodeName(path).toStdString());
    }
    return paths;
}

// The interface a part names, as told: "horavia.time-queries 1", or "none". A name that is
// not short printable text is not repeated.
std::string InterfaceName(const TimeQueryPartDescriptor* descriptor) {
    if (descriptor == nullptr || descriptor->id == nullptr) return "none";
    constexpr std::size_t kLongest = 64;
    const std::size_t length = strnlen(descriptor->id, kLongest + 1);
    std::string id = length <= kLongest ? std::string(descriptor->id, length) : std::string();
    for (const char c : id) {
        if (c <= ' ' || c > '~') id.clear();
    }
    return (id.empty() ? std::string("unreadable") : id) + " " +
           std::to_string(descriptor->version);
}

// The part's entry, once the part says it has the interface this program was built with.
struct LoadedEntry {
    MakeServerQueryFunction entry = nullptr;
    std::string problem;
    LoadedPart* part = nullptr;  // never unloaded: the queries and their code come from it
};

LoadedEntry EntryOf(LoadedPart& part) {
    const auto describe =
        reinterpret_cast<DescribeTimeQueryPartFunction>(part.Symbol(kDescribeTimeQueryPartEntry));
    const TimeQueryPartDescriptor* descriptor = describe != nullptr ? describe() : nullptr;
    if (descriptor == nullptr || descriptor->id == nullptr ||
        std::strcmp(descriptor->id, kTimeQueryPartId) != 0 ||
        descriptor->version != kTimeQueryPartVersion) {
        return {nullptr, "it is not a loadable part for this program (interface " +
                             InterfaceName(descriptor) + ", needs " + kTimeQueryPartId + " " +
                             std::to_string(kTimeQueryPartVersion) + ")"};
    }
    const auto entry =
        reinterpret_cast<MakeServerQueryFunction>(part.Symbol(kMakeServerQueryEntry));
    return {entry, entry != nullptr ? std::string() : part.Problem()};
}

LoadedEntry LoadEntry() {
    LoadedEntry loaded{nullptr, kPartMissing};
    for (const std::string& path : PartPaths()) {
        PartLoad load = LoadPart(path);
        LoadedEntry found =
            load.part ? EntryOf(*load.part) : LoadedEntry{nullptr, std::move(load.problem)};
        if (found.entry != nullptr) {
            found.part = load.part.release();
            return found;
        }
        // A part that is there but unusable says more than one missing elsewhere.
        if (loaded.problem == kPartMissing) loaded.problem = std::move(found.problem);
    }
    const QByteArray told =
        MessageText(Message{MessageId::TimeQueriesNotLoaded, {loaded.problem}}).toLocal8Bit();
    std::fprintf(stderr, "horavia: %s\n", told.constData());
    return loaded;
}

}  // namespace

ServerQueryFactory ServerQueriesFromModule() {
    return [](const QuerySetup& setup) -> std::unique_ptr<ServerQueryPort> {
        static const LoadedEntry loaded = LoadEntry();
        if (loaded.entry == nullptr) return std::make_unique<NoServerQuery>(loaded.problem);
        return std::unique_ptr<ServerQueryPort>(loaded.entry(setup));
    };
}

}  // namespace horavia
