#include "model/date_time_text.h"

#include <array>
#include <cctype>
#include <vector>

#include "model/day_count.h"
#include "model/text_helpers.h"

namespace horavia {

namespace {

struct Number {
    int value = 0;
    int digits = 0;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A cursor over the text; every Take leaves the position unchanged when it fails.
class Scanner {
  public:
    explicit Scanner(const std::string& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

    bool SkipBlanks() {
        const std::size_t start = pos_;
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        return pos_ != start;
    }

    std::optional<Number> TakeNumber(int maxDigits) {
        Number n;
        std::size_t p = pos_;
        while (p < text_.size() && std::isdigit(static_cast<unsigned char>(text_[p]))) {
            if (++n.digits > maxDigits) return std::nullopt;
            n.value = n.value * 10 + (text_[p] - '0');
            ++p;
        }
        if (n.digits == 0) return std::nullopt;
        pos_ = p;
        return n;
    }

    // Case-insensitive for ASCII letters; other bytes must match exactly.
    bool Take(const std::string& literal) {
        if (literal.empty() || text_.size() - pos_ < literal.size()) return false;
        for (std::size_t i = 0; i < literal.size(); ++i) {
            const auto a = static_cast<unsigned char>(text_[pos_ + i]);
            const auto b = static_cast<unsigned char>(literal[i]);
            if (std::tolower(a) != std::tolower(b)) return false;
        }
        pos_ += literal.size();
        return true;
    }

  private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

enum class Field { Day, Month, Year };

// The order of day, month and year in the locale's short date pattern (month first when the
// pattern does not name all three).
std::array<Field, 3> DateFieldOrder(const std::string& pattern) {
    std::vector<Field> order;
    auto add = [&order](Field f) {
        for (Field seen : order)
            if (seen == f) return;
        order.push_back(f);
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (c == '\\') {
            ++i;  // an escaped literal
        } else if (c == '"') {
            while (++i < pattern.size() && pattern[i] != '"') {
            }
        } else if (c == 'd') {
            std::size_t run = 1;
            while (i + run < pattern.size() &&
                   std::tolower(static_cast<unsigned char>(pattern[i + run])) == 'd')
                ++run;
            if (run <= 2) add(Field::Day);  // longer runs are weekday names
            i += run - 1;
        } else if (c == 'm') {
            add(Field::Month);
        } else if (c == 'y') {
            add(Field::Year);
        }
    }
    if (order.size() != 3) return {Field::Month, Field::Day, Field::Year};
    return {order[0], order[1], order[2]};
}

int FullYear(const Number& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

bool IsValidDate(const Date& d) {
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

bool TakeDateSeparator(Scanner& in, const LocaleInfo& locale) {
    return in.Take(locale.dateSeparator) || in.Take("/") || in.Take("-") || in.Take(".");
}

std::optional<Date> TakeNumericDate(Scanner& in, const LocaleInfo& locale, int thisYear) {
    const std::size_t start = in.Position();
    auto fail = [&in, start]() -> std::optional<Date> {
        in.Rewind(start);
        return std::nullopt;
    };
    std::vector<Number> fields;
    while (fields.size() < 3) {
        if (!fields.empty() && !TakeDateSeparator(in, locale)) break;
        const auto n = in.TakeNumber(4);
        if (!n) return fail();
        fields.push_back(*n);
    }
    if (fields.size() < 2) return fail();

    Date date;
    if (fields[0].digits > 2) {
        // Year first, as ISO writes it.
        if (fields.size() != 3) return fail();
        date = {fields[0].value, fields[1].value, fields[2].value};
        if (fields[1].digits > 2 || fields[2].digits > 2) return fail();
    } else {
        date.year = thisYear;
        std::size_t next = 0;
        for (Field f : DateFieldOrder(locale.shortDatePattern)) {
            if (f == Field::Year && fields.size() == 2) continue;  // no year typed
            const Number& n = fields[next++];
            if (f == Field::Year) {
                date.year = FullYear(n);
            } else if (n.digits > 2) {
                return fail();
            } else if (f == Field::Month) {
                date.month = n.value;
            } else {
                date.day = n.value;
            }
        }
    }
    if (!IsValidDate(date)) return fail();
    return date;
}

// Blanks and punctuation between the parts of a date written with a month name.
void SkipNameSeparators(Scanner& in) {
    while (in.SkipBlanks() || in.Take(".") || in.Take(",") || in.Take("-") || in.Take("/")) {
    }
}

// The month (1..12) whose full or abbreviated name, in the locale or in English, starts here;
// the longest name wins, and it must not run on into more letters.
std::optional<int> TakeMonthName(Scanner& in, const std::string& text, const LocaleInfo& locale) {
    static const LocaleInfo english = EnglishUnitedStates();
    const std::size_t start = in.Position();
    std::size_t bestEnd = start;
    int bestMonth = 0;
    for (const LocaleInfo* names : {&locale, &english}) {
        for (int m = 0; m < 12; ++m) {
            const auto index = static_cast<std::size_t>(m);
            for (const std::string* name :
                 {&names->monthNames[index], &names->monthAbbrevs[index]}) {
                in.Rewind(start);
                if (!in.Take(*name)) continue;
                const std::size_t end = in.Position();
                const bool runsOn =
                    end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]));
                if (!runsOn && end > bestEnd) {
                    bestEnd = end;
                    bestMonth = m + 1;
                }
            }
        }
    }
    in.Rewind(bestEnd);
    if (bestMonth == 0) return std::nullopt;
    return bestMonth;
}

// An optional year after a named date; a number followed by a time separator is the hour.
std::optional<Number> TakeTrailingYear(Scanner& in, const std::string& text,
                                       const LocaleInfo& locale) {
    const std::size_t start = in.Position();
    SkipNameSeparators(in);
    const auto year = in.TakeNumber(4);
    const std::size_t end = in.Position();
    const bool isHour = end < text.size() &&
                        (text[end] == ':' ||
                         text.compare(end, locale.timeSeparator.size(), locale.timeSeparator) == 0);
    if (!year || year->digits == 3 || isHour) {
        in.Rewind(start);
        return std::nullopt;
    }
    return year;
}

// "15 Jan 2026", "15. Januar", "Jan 15, 2026": a month name with a day and perhaps a year.
std::optional<Date> TakeNamedDate(Scanner& in, const std::string& text, const LocaleInfo& locale,
                                  int thisYear) {
    const std::size_t start = in.Position();
    Date date{thisYear, 0, 0};
    if (const auto day = in.TakeNumber(2)) {
        SkipNameSeparators(in);
        const auto month = TakeMonthName(in, text, locale);
        if (!month) {
            in.Rewind(start);
            return std::nullopt;
        }
        date.day = day->value;
        date.month = *month;
    } else if (const auto month = TakeMonthName(in, text, locale)) {
        SkipNameSeparators(in);
        const auto dayAfter = in.TakeNumber(2);
        if (!dayAfter) {
            in.Rewind(start);
            return std::nullopt;
        }
        date.month = *month;
        date.day = dayAfter->value;
    } else {
        return std::nullopt;
    }
    if (const auto year = TakeTrailingYear(in, text, locale)) date.year = FullYear(*year);
    if (!IsValidDate(date)) {
        in.Rewind(start);
        return std::nullopt;
    }
    return date;
}

std::optional<Date> TakeDate(Scanner& in, const std::string& text, const LocaleInfo& locale,
                             int thisYear) {
    if (auto date = TakeNumericDate(in, locale, thisYear)) return date;
    return TakeNamedDate(in, text, locale, thisYear);
}

// Seconds since midnight.
std::optional<int> TakeTime(Scanner& in, const LocaleInfo& locale) {
    const std::size_t start = in.Position();
    auto fail = [&in, start]() -> std::optional<int> {
        in.Rewind(start);
        return std::nullopt;
    };
    auto takeSeparator = [&] { return in.Take(":") || in.Take(locale.timeSeparator); };

    const auto hour = in.TakeNumber(2);
    if (!hour) return fail();
    std::optional<Number> minute;
    std::optional<Number> second;
    if (takeSeparator()) {
        minute = in.TakeNumber(2);
        if (!minute) return fail();
        if (takeSeparator()) {
            second = in.TakeNumber(2);
            if (!second) return fail();
        }
    }

    // AM/PM marker, possibly after blanks; the longer forms are tried first.
    const std::size_t beforeMarker = in.Position();
    in.SkipBlanks();
    int half = -1;  // 0 = AM, 1 = PM
    if (in.Take(locale.amMarker) || in.Take("a.m.") || in.Take("am") || in.Take("a")) {
        half = 0;
    } else if (in.Take(locale.pmMarker) || in.Take("p.m.") || in.Take("pm") || in.Take("p")) {
        half = 1;
    } else {
        in.Rewind(beforeMarker);
    }
    if (!minute && half < 0) return fail();  // a bare number is no time

    int h = hour->value;
    if (half >= 0) {
        if (h > 12) return fail();
        if (h == 12) h = 0;
        h += half * 12;
    }
    const int n = minute ? minute->value : 0;
    const int s = second ? second->value : 0;
    if (h > 23 || n > 59 || s > 59) return fail();
    return (h * 60 + n) * 60 + s;
}

// Between a date and a time: blanks, or the ISO "T".
bool TakeDateTimeSeparator(Scanner& in) {
    if (in.SkipBlanks()) return true;
    return in.Take("T");
}

}  // namespace

std::optional<CivilTime> ParseDateTimeText(const std::string& text, const LocaleInfo& locale,
                                           const CivilTime& today) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    const Date todayDate{today.year, today.month, today.day};
    const int thisYear = today.year;
    auto at = [](const Date& d, int seconds) {
        return CivilTime{d.year, d.month, d.day, seconds / 3600, seconds / 60 % 60, seconds % 60};
    };

    Scanner in(trimmed);
    // A date, optionally followed by a time.
    if (const auto date = TakeDate(in, trimmed, locale, thisYear)) {
        if (in.AtEnd()) return at(*date, 0);
        if (TakeDateTimeSeparator(in)) {
            in.SkipBlanks();
            if (const auto time = TakeTime(in, locale)) {
                if (in.AtEnd()) return at(*date, *time);
            }
        }
        in.Rewind(0);
    }
    // A time, optionally followed by a date.
    const auto time = TakeTime(in, locale);
    if (!time) return std::nullopt;
    if (in.AtEnd()) return at(todayDate, *time);
    if (!in.SkipBlanks()) return std::nullopt;
    const auto date = TakeDate(in, trimmed, locale, thisYear);
    if (!date || !in.AtEnd()) return std::nullopt;
    return at(*date, *time);
}

}  // namespace horavia
