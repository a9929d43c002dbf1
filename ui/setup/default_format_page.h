// The setup dialog's "Default Format" tab: the format of clocks without their own, and a
// legend of the format letters.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "model/preferences.h"

class QLineEdit;

namespace horavia {

struct FormatLegendLine {
    const char* letters;
    const char* meaning;
};
inline constexpr std::array<FormatLegendLine, 7> kFormatLegend{{
    // The letters are the format language's own and stay as they are in every language.
    {"h", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Hours (0-23)")},
    {"hh", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Hours with leading zeros (00-23)")},
    {"nn", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Minutes (0-59)")},
    {"ss", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Seconds (0-59)")},
    {"AM/PM",
     QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "AM or PM, if used then hours will be 0-12")},
    {"d", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Day of the month (1-31)")},
    {"ddd", QT_TRANSLATE_NOOP("horavia::DefaultFormatPage", "Day of the week (Mon-Sun)")},
}};

class DefaultFormatPage : public QWidget {
    Q_OBJECT

  public:
    // Shows DefaultFormat of `prefs`.
    explicit DefaultFormatPage(const Preferences& prefs, QWidget* parent = nullptr);

    // The format as typed.
    std::string defaultFormat() const;
    // Follows a new clock style where the field holds the other style's default.
    void followClockStyle(bool amPm);

  private:
    QLineEdit* formatEdit_;
};

}  // namespace horavia
