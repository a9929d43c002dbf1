#include "model/preferences.h"

#include <limits>

#include "model/text_helpers.h"

namespace horavia {

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

}  // namespace

const std::vector<PreferenceField>& PreferenceTable() {
    static const std::vector<PreferenceField> table = [] {
        std::vector<PreferenceField> t;
        t.push_back(BoolField("AlwaysOnTop", "False", &Preferences::AlwaysOnTop));
        t.push_back(BoolField("ShowWnd", "True", &Preferences::ShowWnd));
        t.push_back(BoolField("StartUp", "False", &Preferences::StartUp));
        t.push_back(BoolField("SingleClick", "False", &Preferences::SingleClick));
        t.push_back(IntField("SortBy", PrefType::Int16, "0", &Preferences::SortBy));
        t.push_back(BoolField("AMPM", "False", &Preferences::AMPM));
        t.push_back(TextField("FontName", "MS Sans Serif", &Preferences::FontName));
        t.push_back(IntField("FontSize", PrefType::Int32, "10", &Preferences::FontSize));
        t.push_back(BoolField("STStartUp", "False", &Preferences::STStartUp));
        t.push_back(BoolField("STInt", "False", &Preferences::STInt));
        t.push_back(IntField("STIntNum", PrefType::Int16, "1", &Preferences::STIntNum));
        t.push_back(IntField("STIntType", PrefType::Int16, "2", &Preferences::STIntType));
        t.push_back(TextField("STServer", kDefaultServer, &Preferences::STServer));
        PreferenceField last{"STLast", PrefType::Date, "0"};
        last.dateField = &Preferences::STLast;
        last.saved = false;
        t.push_back(last);
        t.push_back(TextField("DefaultFormat", nullptr, &Preferences::DefaultFormat));
        return t;
    }();
    return table;
}

std::int32_t NormaliseInterval(std::int32_t number, std::int32_t unit) {
    number = ClampValue<std::int32_t>(number, 1, 255);
    if (unit == 0 && number < 30) number = 30;
    return number;
}

void LoadPreferences(Preferences& prefs, SettingReaders& readers, PreferencesView& view) {
    for (const PreferenceField& f : PreferenceTable()) {
        const std::string def =
            f.defaultText ? f.defaultText : (prefs.AMPM ? kFormatAmPm : kFormat24);
        switch (f.type) {
            case PrefType::Bool:
                prefs.*f.boolField = readers.Bool(f.key, def);
                break;
            case PrefType::Int16:
                prefs.*f.intField = To16Bit(readers.Lng(f.key, def));
                break;
            case PrefType::Int32:
                prefs.*f.intField = readers.Lng(f.key, def);
                break;
            case PrefType::Text:
                prefs.*f.textField = readers.Store().Get(f.key, def);
                break;
            case PrefType::Date:
                prefs.*f.dateField = readers.Dbl(f.key, def);
                break;
        }
        const std::string key = f.key;
        if (key == "SortBy" && (prefs.SortBy < 0 || prefs.SortBy > 3)) prefs.SortBy = 0;
        if (key == "STIntType") prefs.STIntNum = NormaliseInterval(prefs.STIntNum, prefs.STIntType);
        if (key == "FontSize") {
            prefs.FontSize = ClampValue(prefs.FontSize, kMinFontSize, kMaxFontSize);
            view.ApplyWindowPreferences(prefs);
        }
        if (key == "STLast") view.ApplySyncPreferences(prefs);
    }
    view.ApplyDefaultFormat(prefs);
}

void SavePreferences(const Preferences& prefs, SettingsStore& store) {
    SettingsBatch batch(store);
    for (const PreferenceField& f : PreferenceTable()) {
        if (!f.saved) continue;
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
                store.Save(f.key, FormatDayCount(prefs.*f.dateField));
                break;
        }
    }
}

}  // namespace horavia
