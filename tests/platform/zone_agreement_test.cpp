// Agreement of the catalogue's zone time (the zone's history, conversion through the
// computer's own offset) with the system tz database as QTimeZone reads it, for every zone,
// hourly over the current year and one second either side of every change. (QTimeZone misreads
// years from 2038 on; zone_agreement.py checks 1970 to 2100 against Python's zoneinfo.)
#include <gtest/gtest.h>

#include <QDate>
#include <QTimeZone>
#include <algorithm>
#include <map>
#include <set>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_table.h"

namespace horavia {
namespace {

// Offsets of one IANA zone over a span, looked up by binary search.
class OffsetTimeline {
  public:
    OffsetTimeline(const QByteArray& iana, qint64 fromSecs, qint64 toSecs) {
        const QTimeZone tz(iana);
        const QDateTime from = QDateTime::fromSecsSinceEpoch(fromSecs, Qt::UTC);
        const QDateTime to = QDateTime::fromSecsSinceEpoch(toSecs, Qt::UTC);
        initial_ = tz.offsetFromUtc(from);
        for (const auto& t : tz.transitions(from, to)) {
            changes_.push_back({t.atUtc.toSecsSinceEpoch(), t.offsetFromUtc});
        }
    }
    int OffsetAt(qint64 secs) const {
        auto it = std::upper_bound(changes_.begin(), changes_.end(), secs,
                                   [](qint64 s, const auto& c) { return s < c.first; });
        return it == changes_.begin() ? initial_ : std::prev(it)->second;
    }
    std::vector<qint64> ChangeInstants() const {
        std::vector<qint64> out;
        for (const auto& c : changes_) out.push_back(c.first);
        return out;
    }

  private:
    int initial_ = 0;
    std::vector<std::pair<qint64, int>> changes_;
};

DayCount DaysFromSecs(qint64 secs) {
    return DayCountFromUnixMs(secs * 1000);
}

TEST(ZoneAgreement, EveryZoneMatchesTheTzDatabaseForThreeComputerZones) {
    const int year = QDate::currentDate().year();
    const QByteArray tableText = ZoneTableResourceText();
    ASSERT_FALSE(tableText.isEmpty());
    TzZoneSource source(
        std::string_view(tableText.constData(), static_cast<std::size_t>(tableText.size())));
    struct NoMessages : ImmediateMessageBoxes {
        MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
            return MsgAnswer::Ok;
        }
    } messages;
    ZoneCatalogue catalogue;
    ASSERT_TRUE(LoadZoneCatalogue(catalogue, source, year, messages));

    std::map<std::string, std::string> ianaOf;
    for (const auto& row :
         ParseZoneTable(
             std::string_view(tableText.constData(), static_cast<std::size_t>(tableText.size())))
             .rows) {
        ianaOf[row.stdName] = row.ianaId;
    }

    const qint64 yearStart = QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 yearEnd =
        QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 margin = 2 * 86400;

    std::size_t checks = 0;
    std::map<std::string, int> mismatches;
    for (const char* computer : {"UTC", "Australia/Sydney", "America/Los_Angeles"}) {
        const OffsetTimeline local(computer, yearStart - margin, yearEnd + margin);
        for (int i = kFirstRegistryZone; i < catalogue.registryZoneCount + kFirstRegistryZone;
             ++i) {
            const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(i)];
            ASSERT_TRUE(ianaOf.count(zone.StdName)) << zone.StdName;
            const OffsetTimeline truth(QByteArray::fromStdString(ianaOf[zone.StdName]),
                                       yearStart - margin, yearEnd + margin);
            std::set<qint64> instants;
            for (qint64 s = yearStart; s < yearEnd; s += 3600) instants.insert(s);
            for (qint64 change : truth.ChangeInstants()) {
                if (change < yearStart || change >= yearEnd) continue;
                instants.insert(change);  // the new offset from this very instant on
                instants.insert(change - 1);
                instants.insert(change + 1);
            }
            for (qint64 u : instants) {
                // The computer's clock reading and bias at that instant.
                const int localOffset = local.OffsetAt(u);
                const DayCount t = DaysFromSecs(u + localOffset);
                const std::int32_t bias = -localOffset / 60;
                const DayCount shown = ZoneReadingAt(zone, InstantOfLocal(t, bias).value());
                const DayCount expected = DaysFromSecs(u + truth.OffsetAt(u));
                ++checks;
                if (std::llround((shown - expected) * 86400.0) != 0) ++mismatches[zone.StdName];
            }
        }
    }
    std::size_t unexpected = 0;
    std::string report;
    for (const auto& [name, count] : mismatches) {
        report += name + ": " + std::to_string(count) + "\n";
        unexpected += static_cast<std::size_t>(count);
    }
    RecordProperty("checks", static_cast<int>(checks));
    std::printf("zone agreement: %zu checks over %d zones, mismatching zones:\n%s", checks,
                catalogue.registryZoneCount, report.empty() ? "(none)\n" : report.c_str());
    EXPECT_EQ(unexpected, 0u) << report;
}

}  // namespace
}  // namespace horavia
