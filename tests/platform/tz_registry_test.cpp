// The time-zone database as the registry presents it, built from the compiled-in zone table.
#include "platform/linux/tz_registry.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>
#include <algorithm>

#include "model/time_conversion.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tzi_record.h"
#include "platform/linux/zone_table.h"
#include "tzi_reader.h"

namespace horavia {
namespace {

using testing::UnpackTzi;

constexpr RegRoot kHklm = RegRoot::LocalMachine;

std::string ZonePath(const std::string& key) {
    return std::string(kTimeZonesKeyPath) + '\\' + key;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class ZoneDatabase : public ::testing::Test {
  protected:
    static std::string TableText() { return ZoneTableResourceText().toStdString(); }

    TzRegistry& Registry(int year) {
        registry_ = std::make_unique<TzRegistry>(TableText(), year, temp_.path());
        return *registry_;
    }
    TziRecord Tzi(const std::string& key) {
        const auto bytes = registry_->QueryValue(kHklm, ZonePath(key), "TZI");
        EXPECT_TRUE(bytes.has_value()) << key;
        EXPECT_EQ(bytes.value_or("").size(), kTziBytes) << key;
        return UnpackTzi(bytes.value_or(""));
    }
    std::string Text(const std::string& key, const std::string& value) {
        std::string text;
        EXPECT_TRUE(RegReadString(*registry_, kHklm, ZonePath(key), value, text)) << key;
        return text;
    }

    const int year_ = QDate::currentDate().year();
    QTemporaryDir temp_;
    std::unique_ptr<TzRegistry> registry_;
};

SystemTime Rule(int month, int dayOfWeek, int week, int hour) {
    return SystemTime{0,
                      static_cast<std::uint16_t>(month),
                      static_cast<std::uint16_t>(dayOfWeek),
                      static_cast<std::uint16_t>(week),
                      static_cast<std::uint16_t>(hour),
                      0,
                      0,
                      0};
}

TEST_F(ZoneDatabase, TziOfKnownZonesThisYear) {
    Registry(year_);

    const TziRecord pacific = Tzi("Pacific Standard Time");
    EXPECT_EQ(pacific.bias, 480);
    EXPECT_EQ(pacific.standardBias, 0);
    EXPECT_EQ(pacific.daylightBias, -60);
    EXPECT_EQ(pacific.daylightDate, Rule(3, 0, 2, 2));
    EXPECT_EQ(pacific.standardDate, Rule(11, 0, 1, 2));

    const TziRecord sydney = Tzi("AUS Eastern Standard Time");
    EXPECT_EQ(sydney.bias, -600);
    EXPECT_EQ(sydney.daylightBias, -60);
    EXPECT_EQ(sydney.daylightDate, Rule(10, 0, 1, 2));
    EXPECT_EQ(sydney.standardDate, Rule(4, 0, 1, 3));

    const TziRecord berlin = Tzi("W. Europe Standard Time");
    EXPECT_EQ(berlin.bias, -60);
    EXPECT_EQ(berlin.daylightBias, -60);
    EXPECT_EQ(berlin.daylightDate, Rule(3, 0, 5, 2));
    EXPECT_EQ(berlin.standardDate, Rule(10, 0, 5, 3));

    const TziRecord london = Tzi("GMT Standard Time");
    EXPECT_EQ(london.bias, 0);
    EXPECT_EQ(london.daylightDate, Rule(3, 0, 5, 1));
    EXPECT_EQ(london.standardDate, Rule(10, 0, 5, 2));

    // Zones without daylight saving time: dates and daylight bias all zero.
    for (const char* key : {"China Standard Time", "UTC", "India Standard Time", "UTC-11"}) {
        SCOPED_TRACE(key);
        const TziRecord none = Tzi(key);
        EXPECT_EQ(none.daylightBias, 0);
        EXPECT_EQ(none.standardDate, SystemTime{});
        EXPECT_EQ(none.daylightDate, SystemTime{});
    }
    EXPECT_EQ(Tzi("China Standard Time").bias, -480);
    EXPECT_EQ(Tzi("India Standard Time").bias, -330);
    EXPECT_EQ(Tzi("UTC-11").bias, 660);
}

TEST_F(ZoneDatabase, DisplayPrefixesAndNames) {
    Registry(year_);
    EXPECT_EQ(Text("UTC", "Display"), "(UTC) Coordinated Universal Time");
    EXPECT_EQ(Text("GMT Standard Time", "Display"),
              "(UTC+00:00) Dublin, Edinburgh, Lisbon, London");
    EXPECT_EQ(Text("UTC-11", "Display"), "(UTC-11:00) Coordinated Universal Time-11");
    EXPECT_EQ(Text("Pacific Standard Time", "Display"), "(UTC-08:00) Pacific Time (US & Canada)");
    EXPECT_EQ(Text("Newfoundland Standard Time", "Display"), "(UTC-03:30) Newfoundland");
    EXPECT_EQ(Text("Nepal Standard Time", "Display"), "(UTC+05:45) Kathmandu");
    EXPECT_EQ(Text("Pacific Standard Time", "Std"), "Pacific Standard Time");
    EXPECT_EQ(Text("Pacific Standard Time", "Dlt"), "Pacific Daylight Time");
    EXPECT_EQ(Text("UTC-11", "Dlt"), "UTC-11");
    // MapID holds the table's two map numbers.
    for (const ZoneTableRow& row : ParseZoneTable(TableText()).rows) {
        EXPECT_EQ(Text(row.key, "MapID"),
                  std::to_string(row.mapId1) + "," + std::to_string(row.mapId2));
    }
}

TEST_F(ZoneDatabase, EveryZoneHasEveryValueStoredAsTheRegistryHoldsIt) {
    TzRegistry& reg = Registry(year_);
    EXPECT_EQ(reg.SkippedTableLines(), 0);
    std::vector<std::string> names;
    ASSERT_EQ(RegEnumSubKeys(reg, kHklm, kTimeZonesKeyPath, names), 139u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        for (const char* value : {"Display", "Std", "Dlt", "MapID"}) {
            const auto bytes = reg.QueryValue(kHklm, ZonePath(name), value);
            ASSERT_TRUE(bytes.has_value()) << value;
            ASSERT_FALSE(bytes->empty());
            EXPECT_EQ(bytes->back(), '\0') << value;
            EXPECT_EQ(bytes->find('\0'), bytes->size() - 1) << value;
        }
        const std::string display = Text(name, "Display");
        EXPECT_EQ(display.rfind("(UTC", 0), 0u) << display;
        const TziRecord tzi = UnpackTzi(*reg.QueryValue(kHklm, ZonePath(name), "TZI"));
        // The prefix follows the standard offset of the record.
        EXPECT_EQ(display.substr(0, display.find(' ') + 1), DisplayPrefix(tzi.bias, name == "UTC"));
        EXPECT_LE(tzi.daylightBias, 0);
        EXPECT_EQ(tzi.daylightDate.month == 0, tzi.standardDate.month == 0);
        EXPECT_EQ(tzi.daylightBias == 0, tzi.daylightDate.month == 0);
        EXPECT_EQ(reg.SubKeys(kHklm, ZonePath(name)), std::vector<std::string>{});
    }
}

TEST_F(ZoneDatabase, SubKeysEnumerateInCaseInsensitiveOrder) {
    TzRegistry& reg = Registry(year_);
    std::vector<std::string> names;
    RegEnumSubKeys(reg, kHklm, kTimeZonesKeyPath, names);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                               [](const auto& a, const auto& b) { return Lower(a) < Lower(b); }));
    // Byte order would put "UTC" before "Ulaanbaatar Standard Time".
    const auto at = [&](const std::string& key) {
        return std::find(names.begin(), names.end(), key) - names.begin();
    };
    EXPECT_LT(at("Ulaanbaatar Standard Time"), at("UTC"));
    EXPECT_EQ(names.front(), "Afghanistan Standard Time");
    // The key path itself is matched in any case.
    EXPECT_EQ(RegEnumSubKeys(reg, kHklm, Lower(kTimeZonesKeyPath), names), 139u);
}

TEST_F(ZoneDatabase, OnlyTheWindowsNtKeyExistsAndTheMachineIsReadOnly) {
    TzRegistry& reg = Registry(year_);
    const std::string oldKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Time Zones";
    EXPECT_EQ(reg.SubKeys(kHklm, oldKey), std::nullopt);
    std::vector<std::string> names{"untouched"};
    EXPECT_EQ(RegEnumSubKeys(reg, kHklm, oldKey, names), 0u);
    EXPECT_EQ(names, std::vector<std::string>{"untouched"});

    EXPECT_FALSE(RegWriteString(reg, kHklm, ZonePath("UTC"), "Display", "changed"));
    EXPECT_FALSE(RegWriteString(reg, kHklm, oldKey + "\\New", "Display", "x"));
    EXPECT_EQ(Text("UTC", "Display"), "(UTC) Coordinated Universal Time");
    EXPECT_EQ(reg.SubKeys(kHklm, oldKey), std::nullopt);
}

TEST_F(ZoneDatabase, ZonesWithSeveralDaylightPeriodsKeepTheLongest) {
    // 2014: Egypt and Morocco suspended summer time for Ramadan.
    TzRegistry& reg2014 = Registry(2014);
    EXPECT_EQ(reg2014.ZonesWithSeveralDaylightPeriods(),
              (std::vector<std::string>{"Morocco Standard Time", "Egypt Standard Time"}));
    // Cairo: 15 May - 26 June and 31 July - 25 September; the second is longer. The changes
    // fall at midnight, so the clock reads 00:00 on Friday.
    const TziRecord cairo = Tzi("Egypt Standard Time");
    EXPECT_EQ(cairo.bias, -120);
    EXPECT_EQ(cairo.daylightBias, -60);
    EXPECT_EQ(cairo.daylightDate, Rule(8, 5, 1, 0));
    EXPECT_EQ(cairo.standardDate, Rule(9, 5, 5, 0));

    // 2029: Morocco (whose standard time is now the summer one, with an hour less during
    // Ramadan) has Ramadan both in January and at the very end of the year.
    TzRegistry& reg2029 = Registry(2029);
    EXPECT_EQ(reg2029.ZonesWithSeveralDaylightPeriods(),
              std::vector<std::string>{"Morocco Standard Time"});
    const TziRecord morocco = Tzi("Morocco Standard Time");
    EXPECT_EQ(morocco.bias, 0);
    EXPECT_EQ(morocco.daylightBias, -60);
    EXPECT_EQ(morocco.daylightDate, Rule(2, 0, 3, 2));
    EXPECT_EQ(morocco.standardDate, Rule(12, 0, 5, 3));
}

TEST_F(ZoneDatabase, RecordsOfYearsAfterTheTablesEndFollowTheFooterRule) {
    // Qt 6.4 reads these years from a change that changes nothing at 2038-01-19 03:14:07 UTC.
    Registry(2038);
    const TziRecord miquelon = Tzi("Saint Pierre Standard Time");
    EXPECT_EQ(miquelon.bias, 180);
    EXPECT_EQ(miquelon.daylightBias, -60);
    EXPECT_EQ(miquelon.daylightDate, Rule(3, 0, 2, 2));
    EXPECT_EQ(miquelon.standardDate, Rule(11, 0, 1, 2));
    const TziRecord lordHowe = Tzi("Lord Howe Standard Time");
    EXPECT_EQ(lordHowe.daylightBias, -30);
    EXPECT_EQ(lordHowe.standardDate, Rule(4, 0, 1, 2));
}

TEST_F(ZoneDatabase, EveryZoneHasAHistoryAndTheConverterReachesEveryYear) {
    struct NoMessages : ImmediateMessageBoxes {
        MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
            return MsgAnswer::Ok;
        }
    } messages;
    ZoneCatalogue catalogue;
    ASSERT_TRUE(LoadZoneCatalogue(catalogue, Registry(year_), year_, messages));
    const int first = kFirstRegistryZone;
    const int last = first + catalogue.registryZoneCount - 1;
    const std::vector<DayCount> times{FromCivil(100, 1, 1, 0, 10),    FromCivil(100, 6, 1, 12),
                                      FromCivil(1000, 3, 1, 2, 30),   FromCivil(1969, 12, 31, 23),
                                      FromCivil(2038, 1, 19, 3, 14),  FromCivil(5000, 7, 1, 12),
                                      FromCivil(9999, 12, 31, 23, 59)};
    for (int from = first; from <= last; ++from) {
        EXPECT_TRUE(catalogue.zones[static_cast<std::size_t>(from)].rules)
            << catalogue.zones[static_cast<std::size_t>(from)].StdName;
        const int to = from == last ? first : from + 1;
        for (DayCount t : times) {
            const std::string text = ConvertZoneTime(catalogue, from, to, t, EnglishUnitedStates());
            const bool isTime = text.size() == 5 && text[2] == ':';
            EXPECT_TRUE(isTime || text == "Invalid Format!!") << text;
        }
    }
    // Times before 1900 move along the time line (Paris kept local mean time, +0:09:21, read
    // as 9 minutes); beyond the years a date can have, the program's message.
    auto zone = [&](const char* stdName) {
        for (int i = first; i <= last; ++i)
            if (catalogue.zones[static_cast<std::size_t>(i)].StdName == stdName) return i;
        return -1;
    };
    const int paris = zone("Romance Standard Time");
    const struct {
        int from;
        int to;
        DayCount t;
        const char* text;
    } cases[] = {
        {paris, kZoneUtc, FromCivil(100, 1, 1, 0, 10), "00:01"},
        {paris, kZoneUtc, FromCivil(1850, 6, 1, 12), "11:51"},
        {paris, kZoneUtc, FromCivil(5000, 7, 1, 12), "10:00"},
        {paris, zone("Dateline Standard Time"), FromCivil(100, 1, 1, 0, 10), "Invalid Format!!"},
        {paris, zone("Line Islands Standard Time"), FromCivil(9999, 12, 31, 23),
         "Invalid Format!!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertZoneTime(catalogue, c.from, c.to, c.t, EnglishUnitedStates()), c.text);
    }
}

TEST_F(ZoneDatabase, MalformedAndUnknownTableLinesAreSkipped) {
    const std::string table =
        "Alpha Standard Time\tAlpha\tAlpha Standard Time\tAlpha Daylight Time\tEurope/Paris\t5\t6\n"
        "alpha standard time\tRepeated\tx\tx\tEtc/UTC\t-1\t-1\n"
        "Nowhere Standard Time\tNowhere\tx\tx\tNo/Such_Zone\t-1\t-1\n"
        "Broken\tline\n"
        "Irish Standard Time\tDublin\tIrish Standard Time\tIrish Summer "
        "Time\tEurope/Dublin\t1\t2\n";
    TzRegistry reg(table, 2026, temp_.path());
    EXPECT_EQ(reg.SkippedTableLines(), 3);
    std::vector<std::string> names;
    ASSERT_EQ(RegEnumSubKeys(reg, kHklm, kTimeZonesKeyPath, names), 2u);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha Standard Time", "Irish Standard Time"}));
    std::string text;
    ASSERT_TRUE(RegReadString(reg, kHklm, ZonePath("ALPHA STANDARD TIME"), "Display", text));
    EXPECT_EQ(text, "(UTC+01:00) Alpha");
    ASSERT_TRUE(RegReadString(reg, kHklm, ZonePath("Alpha Standard Time"), "MapID", text));
    EXPECT_EQ(text, "5,6");
    ASSERT_TRUE(RegReadString(reg, kHklm, ZonePath("Irish Standard Time"), "Display", text));
    EXPECT_EQ(text, "(UTC+00:00) Dublin");

    // Nothing usable at all: an empty database, which the catalogue reports to the user.
    TzRegistry empty("\x01\x02\tgarbage\n\n#\n", 2026, temp_.path());
    EXPECT_EQ(RegEnumSubKeys(empty, kHklm, kTimeZonesKeyPath, names), 0u);
}

}  // namespace
}  // namespace horavia
