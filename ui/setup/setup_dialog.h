// The setup dialog: the program's clocks in display order on its first tab, the preferences on
// the others. It shows the program's state as it is when created and follows the clock list
// from then on; Close saves the clock list and hands every choice to the preferences' owner,
// which stores them and announces them to whoever applies them.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/zone_model.h"
#include "ui/setup/settings_page.h"

class QPushButton;
class QTabWidget;

namespace horavia {

class ClockListPage;
class DefaultFormatPage;
class TimeService;
class TimeSyncPage;

inline constexpr const char* kSetupCaption =
    QT_TRANSLATE_NOOP("horavia::SetupDialog", "Horavia Timezones");
// The dialog's usual outer size, frame included, in pixels.
inline constexpr int kSetupWidth = 350;
inline constexpr int kSetupHeight = 282;

class SetupDialog : public QDialog {
    Q_OBJECT

  public:
    using FontChooser = SettingsPage::FontChooser;

    explicit SetupDialog(AppState& state, QWidget* parent = nullptr);

    // The program's time service, which Test and Auto use. Without one they do nothing.
    void setTimeService(TimeService* time);
    void setFontChooser(FontChooser chooser);
    // The "Show window" check box follows the choice wherever it is made.
    void setShowWindowChecked(bool checked);
    // The program ending: closes a running server test, then the dialog, without saving.
    void closeForShutDown();
    // The clock list's rows, top to bottom, as their clocks' ClockKeys.
    std::vector<std::string> rowKeys() const;

  signals:
    // New, Edit or a double click on a clock: the clock editor is to open.
    void newClockRequested();
    void editClockRequested(int slot);

  public slots:
    // Esc runs Close.
    void reject() override;

  protected:
    // The close box runs Close and keeps the dialog; the program ending closes it.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private slots:
    // Close: saves the clock list, hides the dialog and hands every choice to the preferences,
    // all in one write of the settings file.
    void saveAndHide();
    void openHelp();

  private:
    // The dialog's usual size (frame included, as far as the frame is known), or the layout's
    // minimum where the font needs more.
    QSize startingSize() const;

    AppState& state_;
    QTabWidget* tabs_;
    ClockListPage* clockListPage_;
    SettingsPage* settingsPage_;
    TimeSyncPage* timeSyncPage_;
    DefaultFormatPage* defaultFormatPage_;
    QPushButton* closeButton_;
    QPushButton* helpButton_;
    bool closingForShutDown_ = false;
    bool firstShowDone_ = false;
};

}  // namespace horavia
