#include "model/preferences.h"

#include <cmath>
#include <limits>

#include "model/text_helpers.h"

namespace horavia {

std::string DefaultFormatForStyle(const std::string& current, bool amPm) {
    const char* other = amPm ? kFormat24 : kFormatAmPm;
    return current == other ? (amPm ? kFormatAmPm : kFormat24) : current;
}

namespace {

PreferenceField BoolField(const char* key, const char* def, bool Preferences::*field) {
    PreferenceField f{key, PrefType::Bool, def};
    f.boolField = field;
    return f;
}
PreferenceField IntField(const char* key, PrefType type, const char* def,
                         std::int32_t Preferences::*field) {
    PreferenceField f{key, type, def};
    f.intField = field;
    return f;
}
PreferenceField TextField(const char* key, const char* def, std::string Preferences::*field) {
    PreferenceField f{key, PrefType::Text, def};
    f.textField = field;
    return f;
}

std::int32_t To16Bit(std::int32_t value) {
    return ClampValue<std::int32_t>(value, std::numeric_limits<std::int16_t>::min(),
                                    std::numeric_limits<std::int16_t>::max());
}

void Mend(Preferences& prefs, PrefMend mend) {
    switch (mend) {
        case PrefMend::FontSize:
            prefs.FontSize = ClampValue(prefs.FontSize, kMinFontSize, kMaxFontSize);
            break;
        case PrefMend::Interval:
            // As the unit's list shows it: limited to its entries, seconds to weeks.
            prefs.STIntType = ClampValue<std::int32_t>(prefs.STIntType, 0, 4);
            prefs.STIntNum = NormaliseInterval(prefs.STIntNum, prefs.STIntType);
            break;
        case PrefMend::None:
            break;
    }
}

void SaveField(const Preferences& prefs, SettingsStore& store, const PreferenceField& f) {
    switch (f.type) {
        case PrefType::Bool:
            store.Save(f.key, BoolText(prefs.*f.boolField));
            break;
        case PrefType::Int16:
        case PrefType::Int32:
            store.Save(f.key, std::to_string(prefs.*f.intField));
            break;
        case PrefType::Text:
            store.Save(f.key, prefs.*f.textField);
            break;
        case PrefType::Date:
            // STLast, the one date, has a single writer: the scheduled synchronisation.
            break;
    }
}

}  // namespace

const std::vector<PreferenceField>& PreferenceTable() {
    static const std::vector<PreferenceField> table = [] {
        std::vector<PreferenceField> t;
        t.push_back(BoolField("AlwaysOnTop", "False", &Preferences::AlwaysOnTop));
        t.push_back(BoolField("ShowWnd", "True", &Preferences::ShowWnd));
        t.push_back(BoolField("StartUp", "False", &Preferences::StartUp));
        t.push_back(BoolField("SingleClick", "False", &Preferences::SingleClick));
        t.push_back(IntField("SortBy", PrefType::Int16, "0", &Preferences::SortBy));
        t.back().low = 0;
        t.back().high = 3;
        t.push_back(BoolField("AMPM", "False", &Preferences::AMPM));
        t.push_back(TextField("FontName", "MS Sans Serif", &Preferences::FontName));
        t.push_back(IntField("FontSize", PrefType::Int32, "10", &Preferences::FontSize));
        t.back().mend = PrefMend::FontSize;
        t.push_back(BoolField("STStartUp", "False", &Preferences::STStartUp));
        t.push_back(BoolField("STInt", "False", &Preferences::STInt));
        t.push_back(IntField("STIntNum", PrefType::Int16, "1", &Preferences::STIntNum));
        t.push_back(IntField("STIntType", PrefType::Int16, "2", &Preferences::STIntType));
        t.back().mend = PrefMend::Interval;
        t.back().low = 0;  // beyond the last unit, the list shows weeks
        t.push_back(TextField("STServer", kDefaultServer, &Preferences::STServer));
        PreferenceField last{"STLast", PrefType::Date, "0"};
        last.dateField = &Preferences::STLast;
        t.push_back(last);
        t.push_back(TextField("DefaultFormat", nullptr, &Preferences::DefaultFormat));
        t.push_back(BoolField("ShowOffset", "False", &Preferences::ShowOffset));
        t.push_back(BoolField("WorkDefault", "False", &Preferences::WorkDefault));
        t.push_back(TextField("WorkHours", kDefaultWorkingHoursText, &Preferences::WorkHours));
        t.push_back(TextField("WorkDays", kDefaultWorkingDaysText, &Preferences::WorkDays));
        t.push_back(IntField("MeetLength", PrefType::Int32, "30", &Preferences::MeetLength));
        t.back().low = 15;
        t.back().high = 480;
        t.push_back(IntField("ChangeDays", PrefType::Int32, "14", &Preferences::ChangeDays));
        t.back().low = 0;
        t.back().high = 366;
        t.push_back(BoolField("ChangeLines", "False", &Preferences::ChangeLines));
        t.push_back(BoolField("ChangeNotify", "False", &Preferences::ChangeNotify));
        t.push_back(BoolField("DayNight", "False", &Preferences::DayNight));
        t.push_back(BoolField("ConvMap", "False", &Preferences::ConvMap));
        return t;
    }();
    return table;
}

std::int32_t NormaliseInterval(std::int32_t number, std::int32_t unit) {
    number = ClampValue<std::int32_t>(number, 1, 255);
    if (unit == 0 && number < 30) number = 30;
    return number;
}

void LoadPreferences(Preferences& prefs, SettingReaders& readers) {
    for (const PreferenceField& f : PreferenceTable()) {
        const std::string def =
            f.defaultText ? f.defaultText : (prefs.AMPM ? kFormatAmPm : kFormat24);
        switch (f.type) {
            case PrefType::Bool:
                prefs.*f.boolField = readers.Bool(f.key, def);
                break;
            case PrefType::Int16:
                prefs.*f.intField = To16Bit(readers.Whole(f.key, def, f.low, f.high));
                break;
            case PrefType::Int32:
                prefs.*f.intField = readers.Whole(f.key, def, f.low, f.high);
                break;
            case PrefType::Text:
                prefs.*f.textField = readers.Store().Get(f.key, def);
                break;
            case PrefType::Date:
                prefs.*f.dateField = readers.StoredDayCount(f.key, def);
                break;
        }
        Mend(prefs, f.mend);
    }
}

void SavePreferences(const Preferences& prefs, SettingsStore& store) {
    SettingsBatch batch(store);
    for (const PreferenceField& f : PreferenceTable()) {
        SaveField(prefs, store, f);
    }
}

void SavePreference(const Preferences& prefs, SettingsStore& store, const PreferenceField& field) {
    SaveField(prefs, store, field);
}

WindowPlace LoadWindowPlace(SettingReaders& readers, double twipsPerPixel) {
    const auto pixels = [&](const char* key) {
        return static_cast<double>(readers.Whole(key, "100")) / twipsPerPixel;
    };
    WindowPlace place;
    place.left = pixels("WndLeft");
    place.width = pixels("WndWidth");
    place.top = pixels("WndTop");
    place.height = pixels("WndHeight");
    SettingsStore& store = readers.Store();
    place.leftStored = store.Read(kSettingsApp, kSettingsSection, "WndLeft").has_value();
    place.topStored = store.Read(kSettingsApp, kSettingsSection, "WndTop").has_value();
    return place;
}

void SaveWindowPlace(SettingsStore& store, double twipsPerPixel, std::optional<int> left,
                     std::optional<int> top, int width, int height) {
    const auto twips = [twipsPerPixel](int pixels) {
        return std::to_string(std::lround(static_cast<double>(pixels) * twipsPerPixel));
    };
    SettingsBatch batch(store);
    if (left) store.Save("WndLeft", twips(*left));
    store.Save("WndWidth", twips(width));
    if (top) store.Save("WndTop", twips(*top));
    store.Save("WndHeight", twips(height));
}

std::optional<WorkingHours> DefaultWorkingHours(const Preferences& prefs) {
    if (!prefs.WorkDefault) return std::nullopt;
    WorkingHours hours = ParseWorkingHours(prefs.WorkHours).value_or(WorkingHours{});
    hours.days = ParseWorkingDays(prefs.WorkDays).value_or(kMondayToFriday);
    return hours;
}

}  // namespace horavia
