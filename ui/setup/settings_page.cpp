#include "ui/setup/settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/setting_readers.h"
#include "model/text_helpers.h"
#include "ui/editor/working_hours_box.h"

namespace horavia {

namespace {

bool Ticked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

QCheckBox* MakeCheck(const QString& caption, const char* name, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

// Under the check box's text, where the desktop ignores the choice.
QLabel* MakeOnTopNote(QWidget* parent) {
    auto* note = new QLabel(SettingsPage::tr(kOnTopUnavailableNote), parent);
    note->setObjectName(QStringLiteral("onTopNote"));
    note->setWordWrap(true);
    const QStyle* style = parent->style();
    note->setIndent(style->pixelMetric(QStyle::PM_IndicatorWidth) +
                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    return note;
}

// The meeting lengths offered, in minutes; a stored other length is offered beside them.
constexpr std::array<std::int32_t, 2> kMeetLengths{30, 60};

}  // namespace

QString FontSampleText(const std::string& name, std::int32_t points) {
    //: The font sample: %1 is the font's name, %n its size in points.
    return QCoreApplication::translate("horavia::SettingsPage", "%1 %n pts", nullptr, points)
        .arg(QString::fromStdString(name));
}

void SettingsPage::chooseWithFontDialog(const QFont& preset, QWidget* parent, FontChosen chosen) {
    auto* dialog = new QFontDialog(preset, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Blocking every window of the program, as the font dialog always has; open() would block
    // only its parent.
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, chosen = std::move(chosen)](int result) {
                         if (!chosen) return;
                         if (result != QDialog::Accepted) return chosen(std::nullopt);
                         chosen(dialog->selectedFont());
                     });
    dialog->show();
}

SettingsPage::SettingsPage(const Preferences& prefs, QWidget* parent, WindowLimits limits)
    : QWidget(parent),
      fontName_(prefs.FontName),
      workHours_(prefs.WorkHours),
      workDays_(prefs.WorkDays),
      fontSize_(prefs.FontSize) {
    showWindowCheck_ = MakeCheck(tr("Show &window"), "showWindowCheck", prefs.ShowWnd, this);
    startUpCheck_ = MakeCheck(tr("&Load on startup"), "startUpCheck", prefs.StartUp, this);
    alwaysOnTopCheck_ =
        MakeCheck(tr("&Always on top"), "alwaysOnTopCheck", prefs.AlwaysOnTop, this);
    singleClickCheck_ = MakeCheck(tr("Single click on tray &icon shows/hides window"),
                                  "singleClickCheck", prefs.SingleClick, this);
    showOffsetCheck_ = MakeCheck(tr("Show each clock's &offset from this computer's time"),
                                 "showOffsetCheck", prefs.ShowOffset, this);
    //: Marks each clock with day, twilight or night at its place.
    dayNightCheck_ =
        MakeCheck(tr("Show day and ni&ght at each clock"), "dayNightCheck", prefs.DayNight, this);

    auto* sortLabel = new QLabel(tr("Sort timezones &by"), this);
    sortCombo_ = new QComboBox(this);
    sortCombo_->setObjectName(QStringLiteral("sortCombo"));
    // Named before anything can ask for its interface, which is kept once made.
    sortCombo_->setAccessibleName(tr("Sort timezones by"));
    for (const char* entry : kSortEntries) sortCombo_->addItem(tr(entry));
    // A sort order without an entry reads as the first.
    const bool known = prefs.SortBy >= 0 && prefs.SortBy < sortCombo_->count();
    sortCombo_->setCurrentIndex(known ? prefs.SortBy : 0);
    sortLabel->setBuddy(sortCombo_);

    auto* hoursFrame = new QWidget(this);  // borderless, holds the two option buttons
    //: The 12-hour clock.
    amPmRadio_ = new QRadioButton(tr("AM/&PM"), hoursFrame);
    //: The 24-hour clock.
    hours24Radio_ = new QRadioButton(tr("2&4 h"), hoursFrame);
    amPmRadio_->setObjectName(QStringLiteral("amPmRadio"));
    hours24Radio_->setObjectName(QStringLiteral("hours24Radio"));
    (prefs.AMPM ? amPmRadio_ : hours24Radio_)->setChecked(true);
    connect(amPmRadio_, &QRadioButton::toggled, this, &SettingsPage::clockStyleChosen);

    auto* fontTitle = new QLabel(tr("Font"), this);
    fontSample_ = new QLabel(this);
    fontSample_->setObjectName(QStringLiteral("fontSample"));
    fontSample_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    fontSample_->setMinimumWidth(1);  // a long font name is cut, never widens the dialog
    //: Opens the font dialog.
    fontButton_ = new QPushButton(tr("Choose"), this);
    fontButton_->setObjectName(QStringLiteral("fontButton"));
    fontButton_->setAutoDefault(false);
    connect(fontButton_, &QPushButton::clicked, this, &SettingsPage::chooseFont);
    showFontSample(prefs.FontName, prefs.FontSize);

    //: The box of working hours used for every clock that has none of its own.
    workBox_ = new WorkingHoursBox(tr("Default wor&king hours for clocks without their own"), this);
    workBox_->setObjectName(QStringLiteral("workDefaultBox"));
    {
        Preferences shown = prefs;
        shown.WorkDefault = true;  // the stored hours show even while they are not used
        if (const std::optional<WorkingHours> hours = DefaultWorkingHours(shown)) {
            workBox_->setShownHours(*hours);
        }
    }
    workBox_->setChecked(prefs.WorkDefault);
    //: How long a meeting the planner looks for is.
    auto* meetLabel = new QLabel(tr("&Meeting length"), this);
    meetCombo_ = new QComboBox(this);
    meetCombo_->setObjectName(QStringLiteral("meetCombo"));
    meetCombo_->setAccessibleName(tr("Meeting length"));
    std::vector<std::int32_t> lengths(kMeetLengths.begin(), kMeetLengths.end());
    if (std::find(lengths.begin(), lengths.end(), prefs.MeetLength) == lengths.end()) {
        lengths.insert(std::upper_bound(lengths.begin(), lengths.end(), prefs.MeetLength),
                       prefs.MeetLength);
    }
    for (const std::int32_t minutes : lengths) {
        //: A meeting's length in minutes.
        meetCombo_->addItem(tr("%n min", nullptr, minutes), minutes);
    }
    meetCombo_->setCurrentIndex(meetCombo_->findData(prefs.MeetLength));
    meetLabel->setBuddy(meetCombo_);

    changeLinesCheck_ = MakeCheck(tr("Show clock changes ahead &under the clocks in the window"),
                                  "changeLinesCheck", prefs.ChangeLines, this);
    //: Before a spin box of days: "Tell changes up to [14 days] ahead".
    auto* changeDaysLabel = new QLabel(tr("Tell changes up to"), this);
    changeDaysSpin_ = new QSpinBox(this);
    changeDaysSpin_->setObjectName(QStringLiteral("changeDaysSpin"));
    changeDaysSpin_->setRange(0, 366);
    //: The number of days ahead set to 0: no change is told.
    changeDaysSpin_->setSpecialValueText(tr("never"));
    changeDaysSpin_->setAccessibleName(tr("Tell changes up to, days ahead"));
    const auto showDays = [this](int days) {
        // English reads "1 day" without a translation; the counted text serves every other number.
        if (days == 1) {
            //: After the spin box's 1: "Tell changes up to 1 day ahead".
            changeDaysSpin_->setSuffix(tr(" day ahead"));
        } else {
            //: After the spin box's number: "Tell changes up to 14 days ahead".
            changeDaysSpin_->setSuffix(tr(" days ahead", nullptr, days));
        }
    };
    connect(changeDaysSpin_, &QSpinBox::valueChanged, this, showDays);
    changeDaysSpin_->setValue(std::clamp<std::int32_t>(prefs.ChangeDays, 0, 366));
    showDays(changeDaysSpin_->value());
    changeDaysLabel->setBuddy(changeDaysSpin_);
    changeNotifyCheck_ = MakeCheck(tr("Tell me the day before a clock's ne&xt change"),
                                   "changeNotifyCheck", prefs.ChangeNotify, this);

    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(sortLabel);
    sortRow->addWidget(sortCombo_, 1);
    auto* options = new QHBoxLayout(hoursFrame);
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(amPmRadio_);
    options->addWidget(hours24Radio_);
    options->addStretch(1);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontTitle);
    fontRow->addWidget(fontSample_, 1);
    fontRow->addWidget(fontButton_);
    auto* meetRow = new QHBoxLayout;
    meetRow->addWidget(meetLabel);
    meetRow->addWidget(meetCombo_);
    meetRow->addStretch(1);
    auto* changeDaysRow = new QHBoxLayout;
    changeDaysRow->addWidget(changeDaysLabel);
    changeDaysRow->addWidget(changeDaysSpin_);
    changeDaysRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (QCheckBox* box : {showWindowCheck_, startUpCheck_, alwaysOnTopCheck_, singleClickCheck_,
                           showOffsetCheck_, dayNightCheck_}) {
        layout->addWidget(box);
    }
    // The choice is still stored where it has no effect: the same settings may serve another
    // desktop.
    if (!limits.keepsOnTop) {
        layout->insertWidget(layout->indexOf(alwaysOnTopCheck_) + 1, MakeOnTopNote(this));
    }
    layout->addSpacing(2);
    layout->addLayout(sortRow);
    layout->addWidget(hoursFrame);
    layout->addLayout(fontRow);
    layout->addSpacing(2);
    layout->addWidget(workBox_);
    layout->addLayout(meetRow);
    layout->addWidget(changeLinesCheck_);
    layout->addLayout(changeDaysRow);
    layout->addWidget(changeNotifyCheck_);
    layout->addStretch(1);
}

void SettingsPage::showFontSample(const std::string& name, std::int32_t points) {
    fontSample_->setText(FontSampleText(name, points));
    fontSample_->setToolTip(fontSample_->text());  // a long name may be cut
    // The sample shows the face; the dialog's own size keeps it inside the tab.
    QFont sample = font();
    sample.setFamily(QString::fromStdString(name));
    fontSample_->setFont(sample);
}

void SettingsPage::setShowWindowChecked(bool checked) {
    showWindowCheck_->setChecked(checked);
}

bool SettingsPage::showWindow() const {
    return Ticked(showWindowCheck_);
}

bool SettingsPage::showOffset() const {
    return Ticked(showOffsetCheck_);
}

bool SettingsPage::dayNight() const {
    return Ticked(dayNightCheck_);
}

bool SettingsPage::startUp() const {
    return Ticked(startUpCheck_);
}

bool SettingsPage::alwaysOnTop() const {
    return Ticked(alwaysOnTopCheck_);
}

bool SettingsPage::singleClick() const {
    return Ticked(singleClickCheck_);
}

std::int32_t SettingsPage::sortOrder() const {
    return std::max(0, sortCombo_->currentIndex());
}

bool SettingsPage::amPm() const {
    return amPmRadio_->isChecked();
}

bool SettingsPage::workDefault() const {
    return workBox_->isChecked();
}

std::string SettingsPage::workHoursText() const {
    const WorkingHours shown = workBox_->shownHours();
    if (shown.from == shown.to) return workHours_;
    return WorkingHoursText(shown);
}

std::string SettingsPage::workDaysText() const {
    const WorkingHours shown = workBox_->shownHours();
    if (shown.days == 0) return workDays_;
    return WorkingDaysText(shown.days);
}

std::int32_t SettingsPage::meetLength() const {
    const QVariant minutes = meetCombo_->currentData();
    return minutes.isValid() ? minutes.toInt() : kMeetLengths.front();
}

bool SettingsPage::changeLines() const {
    return Ticked(changeLinesCheck_);
}

std::int32_t SettingsPage::changeDays() const {
    return changeDaysSpin_->value();
}

bool SettingsPage::changeNotify() const {
    return Ticked(changeNotifyCheck_);
}

void SettingsPage::chooseFont() {
    if (!fontChooser_) return;
    QFont preset(QString::fromStdString(fontName_));
    if (fontSize_ > 0) preset.setPointSize(fontSize_);
    fontChooser_(preset, window(),
                 [page = QPointer<SettingsPage>(this)](std::optional<QFont> chosen) {
                     // The page may have gone with the setup dialog meanwhile.
                     if (page && chosen) page->takeFont(*chosen);
                 });
}

void SettingsPage::takeFont(const QFont& chosen) {
    fontName_ = chosen.family().toStdString();
    // Whole points, halves to the even neighbour; a font given in pixels keeps the old size.
    if (chosen.pointSizeF() > 0) {
        fontSize_ = MaxOf<std::int32_t>(1, RoundToInt32(chosen.pointSizeF()).value_or(fontSize_));
    }
    emit fontChosen(QString::fromStdString(fontName_), fontSize_);
    showFontSample(fontName_, fontSize_);
}

}  // namespace horavia
