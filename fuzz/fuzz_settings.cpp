// Fuzzes the settings readers and the clock-list loading: the input is split into values for
// the program's keys, loaded as at start-up, and every clock is written once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/quiet_messages.h"
#include "model/registry_zone_source.h"
#include "model/zone_model.h"

namespace {

using namespace horavia;

std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (const auto& f : PreferenceTable()) keys.push_back(f.key);
    keys.insert(keys.end(), {"SZoneNum", "SVersion"});
    for (int n = 0; n < 4; ++n) {
        for (const char* s : {"Dis", "Fmt", "Zon", "Ena"})
            keys.push_back("S" + std::to_string(n) + s);
    }
    return keys;
}

// The zones as a zone source gives them, read once per process from one registry zone with
// daylight time: they do not depend on the input. Each input still builds its catalogue from
// them, as the program does at start-up.
class FixedZones : public ZoneSource {
  public:
    FixedZones() {
        MemoryRegistry registry;
        const std::string path = std::string(kZoneKeyPathNt) + "\\Zone Standard Time";
        RegWriteString(registry, RegRoot::LocalMachine, path, "Display", "(UTC+01:00) Zone");
        RegWriteString(registry, RegRoot::LocalMachine, path, "Std", "Zone Standard Time");
        registry.SetValue(
            RegRoot::LocalMachine, path, "TZI",
            std::string("\xC4\xFF\xFF\xFF\0\0\0\0\xC4\xFF\xFF\xFF\0\0\x0A\0\0\0\x05\0\x03"
                        "\0\0\0\0\0\0\0\0\0\x03\0\0\0\x05\0\x02\0\0\0\0\0\0\0",
                        44));
        entries_ = RegistryZoneSource(registry).Entries(0);  // the record holds its own rules
    }
    ZoneEntries Entries(int) override { return entries_; }

  private:
    ZoneEntries entries_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string> keys = Keys();
    MemorySettingsStore store;
    // Values are separated by 0x1F; each goes to the next key in turn.
    std::string value;
    std::size_t key = 0;
    for (std::size_t i = 0; i <= size && key < keys.size(); ++i) {
        if (i == size || data[i] == 0x1F) {
            store.Save(keys[key++], value);
            value.clear();
        } else {
            value += static_cast<char>(data[i]);
        }
    }
    static FixedZones* const zones = new FixedZones;
    MemoryRegistry registry;  // not read: the zones come from the source
    QuietMessages messages;
    FixedLocalZone localZone(3600);
    FixedClock clock(46364.5, -60);
    AppState state(Services{store, registry, messages, localZone, clock, zones},
                   EnglishUnitedStates());
    state.LoadSettings();
    if (!state.LoadCatalogue()) return 0;
    for (std::size_t n = 0; n < state.Clocks().size() && n < 64; ++n) {
        state.ZoneTimeText(static_cast<int>(n), true, clock.NowUtc());
    }
    state.TipText();
    state.SaveSettings();
    state.SaveClockList();
    return 0;
}
