#include "model/preference_book.h"

#include <type_traits>
#include <utility>

namespace horavia {

namespace {

template <class Value>
bool IsField(const PreferenceField& f, Value Preferences::*field) {
    if constexpr (std::is_same_v<Value, bool>) {
        return f.boolField == field;
    } else if constexpr (std::is_same_v<Value, std::int32_t>) {
        return f.intField == field;
    } else {
        return f.textField == field;
    }
}

template <class Value>
const PreferenceField* EntryOf(Value Preferences::*field) {
    for (const PreferenceField& f : PreferenceTable()) {
        if (IsField(f, field)) return &f;
    }
    return nullptr;
}

template <class Value>
bool TouchesField(const PreferenceChange& change, Value Preferences::*field) {
    for (const PreferenceField* f : change.fields) {
        if (IsField(*f, field)) return true;
    }
    return false;
}

bool SameValue(const Preferences& a, const Preferences& b, const PreferenceField& f) {
    if (f.boolField) return a.*f.boolField == b.*f.boolField;
    if (f.intField) return a.*f.intField == b.*f.intField;
    if (f.textField) return a.*f.textField == b.*f.textField;
    return true;  // STLast: never taken from a choice
}

}  // namespace

bool PreferenceChange::Touches(bool Preferences::*field) const {
    return TouchesField(*this, field);
}
bool PreferenceChange::Touches(std::int32_t Preferences::*field) const {
    return TouchesField(*this, field);
}
bool PreferenceChange::Touches(std::string Preferences::*field) const {
    return TouchesField(*this, field);
}

void PreferenceBook::Load(SettingReaders& readers) {
    LoadPreferences(values_, readers);
}

void PreferenceBook::SaveAll() const {
    SavePreferences(values_, store_);
}

bool PreferenceBook::Set(bool Preferences::*field, bool value) {
    Preferences next = values_;
    next.*field = value;
    return Take(next, {EntryOf(field)}, Told::Changed);
}

bool PreferenceBook::Set(std::int32_t Preferences::*field, std::int32_t value) {
    Preferences next = values_;
    next.*field = value;
    return Take(next, {EntryOf(field)}, Told::Changed);
}

bool PreferenceBook::Set(std::string Preferences::*field, std::string value) {
    Preferences next = values_;
    next.*field = std::move(value);
    return Take(next, {EntryOf(field)}, Told::Changed);
}

bool PreferenceBook::SetFont(std::string name, std::int32_t points) {
    Preferences next = values_;
    next.FontName = std::move(name);
    next.FontSize = points;
    return Take(next, {}, Told::Changed);
}

void PreferenceBook::Apply(const Preferences& chosen) {
    std::vector<const PreferenceField*> all;
    for (const PreferenceField& f : PreferenceTable()) {
        if (f.dateField == nullptr) all.push_back(&f);
    }
    Preferences next = chosen;
    next.STLast = values_.STLast;
    Take(next, all, Told::Written);
}

bool PreferenceBook::Take(const Preferences& next,
                          const std::vector<const PreferenceField*>& written, Told told) {
    PreferenceChange change;
    bool changed = false;
    for (const PreferenceField& f : PreferenceTable()) {
        const bool same = SameValue(values_, next, f);
        changed = changed || !same;
        if (!same && told == Told::Changed) change.fields.push_back(&f);
    }
    if (told == Told::Written) change.fields = written;
    values_ = next;
    {
        SettingsBatch batch(store_);
        for (const PreferenceField* f : written) {
            if (f != nullptr) SavePreference(values_, store_, *f);
        }
    }
    if (!change.fields.empty()) listeners_.Announce(change);
    return changed;
}

int PreferenceBook::Subscribe(Listener listener) {
    return listeners_.Subscribe(std::move(listener));
}

void PreferenceBook::Unsubscribe(int id) {
    listeners_.Unsubscribe(id);
}

}  // namespace horavia
