// The setup dialog's "Settings" tab: the main window, the tray icon, the zone-list order,
// 12/24 hours, the main window's font, the default working hours, the meeting length and
// what is told of the clocks' coming changes. It shows
// the preferences it is created with; the dialog's Close reads the choices back, except the font,
// which Choose stores at once.
#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/preferences.h"
#include "ui/main/window_limits.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace horavia {

class WorkingHoursBox;

// Beside "Always on top" where the desktop ignores it.
inline constexpr const char* kOnTopUnavailableNote = QT_TRANSLATE_NOOP(
    "horavia::SettingsPage", "This desktop does not let programs keep windows on top.");

// The zone-list orders, in the order of the SortBy numbers.
inline constexpr std::array<const char*, 4> kSortEntries{
    QT_TRANSLATE_NOOP("horavia::SettingsPage", "Name (Up)"),
    QT_TRANSLATE_NOOP("horavia::SettingsPage", "Name (Down)"),
    QT_TRANSLATE_NOOP("horavia::SettingsPage", "GMT Offset (Up)"),
    QT_TRANSLATE_NOOP("horavia::SettingsPage", "GMT Offset (Down)")};

// The font sample's caption: name, a blank, the size, " pts" (in English).
QString FontSampleText(const std::string& name, std::int32_t points);

class SettingsPage : public QWidget {
    Q_OBJECT

  public:
    // The chosen font once the font dialog has closed; empty when it was cancelled.
    using FontChosen = std::function<void(std::optional<QFont> font)>;
    // The font dialog: opened preset to a font, returning at once; `chosen` follows.
    using FontChooser =
        std::function<void(const QFont& preset, QWidget* parent, FontChosen chosen)>;

    // limits: whether "Always on top" can have an effect here; where not, a note says so.
    explicit SettingsPage(const Preferences& prefs, QWidget* parent = nullptr,
                          WindowLimits limits = CurrentWindowLimits());

    void setFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }
    void setShowWindowChecked(bool checked);

    // The choices as the controls show them; any state of a check box but unticked is ticked.
    bool showWindow() const;
    bool startUp() const;
    bool alwaysOnTop() const;
    bool singleClick() const;
    bool showOffset() const;
    bool dayNight() const;
    std::int32_t sortOrder() const;
    bool amPm() const;
    // The default working hours: whether clocks without their own get them, and the texts
    // stored for them. A field left without a valid shift keeps the text it had.
    bool workDefault() const;
    std::string workHoursText() const;
    std::string workDaysText() const;
    std::int32_t meetLength() const;
    // The clocks' coming changes: lines in the window, how many days ahead, the notification.
    bool changeLines() const;
    std::int32_t changeDays() const;
    bool changeNotify() const;

  signals:
    // A font was chosen in the font dialog (the face, whole points).
    void fontChosen(const QString& name, int points);
    // The user picked "AM/PM" (true) or "24 h" (false).
    void clockStyleChosen(bool amPm);

  private slots:
    // Opens the font dialog; cancelled, nothing changes.
    void chooseFont();

  private:
    static void chooseWithFontDialog(const QFont& preset, QWidget* parent, FontChosen chosen);
    // Takes the chosen font, tells it and shows it.
    void takeFont(const QFont& chosen);
    void showFontSample(const std::string& name, std::int32_t points);

    std::string fontName_;
    std::string workHours_;  // as the preferences held them
    std::string workDays_;
    std::int32_t fontSize_;
    FontChooser fontChooser_ = &SettingsPage::chooseWithFontDialog;
    QCheckBox* showWindowCheck_;
    QCheckBox* startUpCheck_;
    QCheckBox* alwaysOnTopCheck_;
    QCheckBox* singleClickCheck_;
    QCheckBox* showOffsetCheck_;
    QCheckBox* dayNightCheck_;
    QComboBox* sortCombo_;
    QRadioButton* amPmRadio_;
    QRadioButton* hours24Radio_;
    QLabel* fontSample_;
    QPushButton* fontButton_;
    WorkingHoursBox* workBox_;
    QComboBox* meetCombo_;
    QCheckBox* changeLinesCheck_;
    QSpinBox* changeDaysSpin_;
    QCheckBox* changeNotifyCheck_;
};

}  // namespace horavia
