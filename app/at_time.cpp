#include "app/at_time.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/print_line.h"
#include "model/date_time_text.h"
#include "model/plan_time.h"
#include "model/zone_model.h"
#include "model/zone_time.h"
#include "platform/place_finder.h"
#include "platform/platform.h"
#include "ui/main/message_text.h"

namespace horavia {

namespace {

// A zone a typed time is read in, with the name the messages give it.
struct NamedZone {
    const ZoneRules* rules = nullptr;  // nullptr: UTC
    std::string label;
    std::shared_ptr<const ZoneRules> owned = {};  // a tz id's own timeline, when read
};

// The computer's own zone is named by its tz id, as the system knows it.
std::string ComputerZoneName() {
    const QByteArray id = QTimeZone::systemTimeZoneId();
    return id.isEmpty() ? std::string("UTC") : id.toStdString();
}

// The best match for a place or tz id, as --find would list it first, with its tz id's own
// timeline (which may differ from the catalogue zone's in years past), else the catalogue
// zone's.
std::optional<NamedZone> FindZone(PlaceFinder& finder, const AppState& state, const QString& text) {
    const std::vector<PlaceMatch> matches = finder.Find(text.toStdString(), state.catalogue, 1);
    if (matches.empty()) return std::nullopt;
    const PlaceMatch& best = matches.front();
    if (std::shared_ptr<const ZoneRules> own = CreatePlatform()->ZoneRulesOfTzId(best.tzId)) {
        const ZoneRules* rules = own.get();
        return NamedZone{rules, best.place, std::move(own)};
    }
    if (!state.catalogue.IsValidIndex(best.zoneIndex)) return std::nullopt;
    const ZoneInfo& zone = state.catalogue.zones[static_cast<std::size_t>(best.zoneIndex)];
    if (!zone.rules) return std::nullopt;
    return NamedZone{zone.rules.get(), best.place};
}

// The zone's clock now, whose date a time alone falls on.
CivilTime TodayIn(const ZoneRules* rules, Instant now) {
    return CivilTimeOn(rules, now).value_or(CivilTime{});
}

void WriteError(const QString& line) {
    std::fprintf(stderr, "horavia: %s\n", OneLine(line).toLocal8Bit().constData());
}

// A time that does not read is told as the other usage errors are, with the help.
AtTime UsageError(const QString& line) {
    std::fprintf(stderr, "horavia: %s\n\n%s", OneLine(line).toLocal8Bit().constData(),
                 UsageText().toLocal8Bit().constData());
    return {std::nullopt, 2};
}

AtTime NotATime(const QString& text) {
    //: A usage error: the time given to --at does not read as a time; %1 is what was typed.
    return UsageError(
        QCoreApplication::translate("CommandLine", "--at: \"%1\" is not a time").arg(text));
}

}  // namespace

AtTime ResolveAtTime(AppState& state, const QString& text) {
    if (const std::optional<Instant> iso = ParseIsoInstant(text.trimmed().toStdString())) {
        return {*iso, 0};
    }
    const Instant now = state.services.clock.NowUtc();
    const QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    PlaceFinder finder;
    bool readsAsTime = false;  // some leading part read, but the rest named no place
    for (qsizetype k = words.size(); k >= 1; --k) {
        const std::string head = words.first(k).join(u' ').toStdString();
        // Read once on the computer's day to see whether it reads at all; the zone decides
        // which day a time alone falls on.
        if (!ParseDateTimeText(head, state.locale, TodayIn(state.computerZone.get(), now))) {
            continue;
        }
        readsAsTime = true;
        const QString rest = words.sliced(k).join(u' ');
        std::optional<NamedZone> zone;
        if (rest.isEmpty()) {
            zone = NamedZone{state.computerZone.get(), ComputerZoneName()};
        } else {
            zone = FindZone(finder, state, rest);
        }
        if (!zone) continue;
        const std::optional<CivilTime> reading =
            ParseDateTimeText(head, state.locale, TodayIn(zone->rules, now));
        if (!reading) continue;
        const PlacedReading placed = PlaceReading(zone->rules, *reading);
        if (const std::optional<Message> note =
                PlacedReadingText(placed, *reading, zone->label, state.locale)) {
            WriteError(QString::fromStdString(MessageUtf8({*note})));
        }
        switch (placed.kind) {
            case PlacedReading::Kind::Unique:
            case PlacedReading::Kind::Repeated:
                return {placed.at, 0};
            case PlacedReading::Kind::Skipped:
                return {std::nullopt, 2};
            case PlacedReading::Kind::OutOfRange:
                break;
        }
        return NotATime(text);  // beyond the calendar
    }
    if (readsAsTime && words.size() > 1) {
        //: A usage error: --at TIME held a time followed by something that names no place;
        //: %1 is what was typed.
        return UsageError(QCoreApplication::translate(
                              "CommandLine", "--at: no place or time zone is named in \"%1\"")
                              .arg(text));
    }
    return NotATime(text);
}

}  // namespace horavia
