#include "model/zone_model.h"

#include <cmath>

#include "model/format_zone_time.h"
#include "model/text_helpers.h"

namespace horavia {

AppState::AppState(Services s, LocaleInfo l)
    : services(s),
      locale(std::move(l)),
      readers(s.settings, s.messages,
              locale.decimalSeparator.empty() ? '.' : locale.decimalSeparator[0],
              locale.groupSeparator.empty() ? ',' : locale.groupSeparator[0]) {}

void AppState::RefreshLocalZone() {
    if (auto rules = services.localZone.Rules()) computerZone = std::move(rules);
}

void AppState::LoadSettings() {
    SettingsBatch batch(services.settings);
    preferences.Load(readers);
}

void AppState::SaveSettings() {
    preferences.SaveAll();
}

bool AppState::LoadCatalogue(const std::function<void()>& sortList) {
    const DayCount now = services.clock.NowLocal();
    const int year = ToCivil(now).value_or(CivilTime{}).year;
    const bool loaded =
        services.zones != nullptr
            ? LoadZoneCatalogue(catalogue, *services.zones, year, services.messages)
            : LoadZoneCatalogue(catalogue, services.registry, year, services.messages);
    if (!loaded) return false;
    RefreshLocalZone();
    if (sortList) {
        sortList();
    } else {
        SortZoneOrder(catalogue, preferences.Values().SortBy);
    }
    clockListOverLimit = LoadClockList(clocks_, catalogue, readers);
    book.Reset();
    return true;
}

std::string AppState::ZoneTimeText(int clockIndex, bool full, Instant t,
                                   std::size_t formatLimit) const {
    if (clockIndex < 0 || static_cast<std::size_t>(clockIndex) >= clocks_.size()) return {};
    const ClockEntry& clock = clocks_[static_cast<std::size_t>(clockIndex)];
    std::string format(
        full ? Utf8Prefix(clock.Format.empty() ? preferences.Values().DefaultFormat : clock.Format,
                          formatLimit)
             : std::string_view(kShortFormat));
    return FormatZoneTimeAt(catalogue, clock.Zone, t, ReadingOn(computerZone.get(), t), format,
                            locale);
}

std::vector<int> AppState::EnabledClocksInOrder() const {
    return book.EnabledInOrder();
}

AppState::ClocksAtWork AppState::EnabledClocksAtWork() const {
    const std::optional<WorkingHours> defaults = DefaultWorkingHours(preferences.Values());
    ClocksAtWork atWork;
    for (int index : EnabledClocksInOrder()) {
        const ClockEntry& clock = clocks_[static_cast<std::size_t>(index)];
        if (const std::optional<WorkingHours> hours = ClockWorkingHours(clock, defaults)) {
            atWork.clocks.push_back({catalogue.RulesOf(clock.Zone), *hours});
            atWork.indices.push_back(index);
        }
    }
    return atWork;
}

std::string AppState::TipText() {
    return TipText(services.clock.NowUtc());
}

std::string AppState::TipText(Instant t) {
    std::string text;
    std::string accepted;
    for (int index : EnabledClocksInOrder()) {
        if (!text.empty()) text += " - ";
        // A label of kTipBudget characters or more ends the tip whatever follows, so no more
        // of it is needed (a character takes at most four bytes).
        text += Utf8Prefix(clocks_[static_cast<std::size_t>(index)].Label, 4 * kTipBudget);
        text += ": " + ZoneTimeText(index, false, t);
        if (TextLength(text) < kTipBudget) {
            accepted = text;
        } else {
            accepted += " - ...";
            break;
        }
    }
    return accepted.empty() ? kAppTitle : accepted;
}

void AppState::SaveClockList() {
    if (clockListOverLimit) return;
    horavia::SaveClockList(services.settings, clocks_, catalogue, book.RowKeys());
}

std::size_t TextLength(const std::string& utf8) {
    std::size_t n = 0;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

}  // namespace horavia
