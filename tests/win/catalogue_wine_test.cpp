// The zone catalogue built from the real "Time Zones" key (Wine's, in the tests' prefix).
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/win/win_registry.h"
#include "tests/model/fake_messages.h"
#include "tests/win/raw_registry.h"
#include "tests/win/wine_zones.h"

namespace horavia {
namespace {

using namespace wintest;

class WineCatalogue : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        raw_ = new std::vector<RawZone>(ReadRawZones());
        catalogue_ = new ZoneCatalogue;
        WinRegistry reg;
        testing::RecordingMessages messages;
        loaded_ = LoadZoneCatalogue(*catalogue_, reg, 2026, messages);
        std::printf("Wine's registry holds %zu zones\n", raw_->size());
    }
    static void TearDownTestSuite() {
        delete raw_;
        delete catalogue_;
    }
    static const ZoneInfo& Zone(std::size_t k) { return catalogue_->zones[k + kFirstRegistryZone]; }

    static inline std::vector<RawZone>* raw_ = nullptr;
    static inline ZoneCatalogue* catalogue_ = nullptr;
    static inline bool loaded_ = false;
};

TEST_F(WineCatalogue, ListsEveryZoneOfTheKeyInItsOrderThenThePseudoZones) {
    ASSERT_TRUE(loaded_);
    ASSERT_GT(raw_->size(), 100u);
    ASSERT_EQ(catalogue_->registryZoneCount, static_cast<int>(raw_->size()));
    ASSERT_EQ(catalogue_->zones.size(), raw_->size() + 10);
    // Wine links the older key path to the newer one, so the first path is the one used.
    EXPECT_EQ(catalogue_->zoneKeyPath, kZoneKeyPath);
    EXPECT_EQ(catalogue_->runKeyPath, kRunKeyPath);
    std::vector<int> order;
    for (std::size_t k = 0; k < raw_->size(); ++k) order.push_back(static_cast<int>(k) + 10);
    for (int pseudo : {0, 2, 3, 4, 5, 6, 7, 8, 9}) order.push_back(pseudo);
    EXPECT_EQ(catalogue_->order, order);
    EXPECT_EQ(catalogue_->zones[kZoneUtc].Prefix, "(UTC) ");
    EXPECT_EQ(catalogue_->zones[kZoneUnknown].Name, "??? Unknown ???");
    EXPECT_TRUE(catalogue_->zones[kZoneEmpty].Name.empty());
}

TEST_F(WineCatalogue, EachZoneHasItsNamesOffsetsAndTheQuirksOfMissingValues) {
    std::set<std::string> stdNames;
    for (std::size_t k = 0; k < raw_->size(); ++k) {
        const RawZone& raw = (*raw_)[k];
        const ZoneInfo& zone = Zone(k);
        SCOPED_TRACE(Utf8(raw.key));
        EXPECT_EQ(raw.tziBytes, 44u);
        // The display text splits after the ")" and the one character that follows it.
        const std::string display = Utf8(raw.display);
        const auto paren = display.find(')');
        ASSERT_NE(paren, std::string::npos);
        EXPECT_EQ(zone.Prefix, display.substr(0, paren + 2));
        EXPECT_EQ(zone.Prefix.rfind("(UTC", 0), 0u);
        EXPECT_EQ(zone.Name, display.substr(paren + 2));
        EXPECT_FALSE(zone.Name.empty());
        EXPECT_EQ(zone.StdName, Utf8(raw.std));
        EXPECT_EQ(zone.DltName, Utf8(raw.dlt));
        stdNames.insert(zone.StdName);
        // Offsets as the record gives them (zones with records of single years are checked
        // against the system's own conversion elsewhere); no daylight time without dates.
        if (!raw.hasYears) {
            EXPECT_EQ(zone.standardOffset, -raw.tzi.Bias * 60);
            const bool daylight =
                raw.tzi.StandardDate.wMonth != 0 || raw.tzi.DaylightDate.wMonth != 0;
            std::set<std::int32_t> biases;
            for (int month = 1; month <= 12; ++month) {
                biases.insert(
                    -ZoneOffsetAt(zone, InstantOfLocal(FromCivil(2026, month, 1), 0).value()) / 60);
            }
            const std::set<std::int32_t> expected =
                daylight ? std::set<std::int32_t>{raw.tzi.Bias, raw.tzi.Bias + raw.tzi.DaylightBias}
                         : std::set<std::int32_t>{raw.tzi.Bias};
            EXPECT_EQ(biases, expected);
        }
        // Wine has no "MapID": both numbers -1.
        EXPECT_EQ(zone.MapId1, -1);
        EXPECT_EQ(zone.MapId2, -1);
    }
    // The standard name is a clock's stored key: it must tell the zones apart.
    EXPECT_EQ(stdNames.size(), raw_->size());
    for (std::int32_t flag : catalogue_->mapIndexKind) EXPECT_EQ(flag, 0);
}

}  // namespace
}  // namespace horavia
