// The setup dialog's "Settings" panel: the main window, the tray icon, the zone-list order,
// 12/24 hours and the main window's font.
#include <QFontDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/setting_readers.h"
#include "model/text_helpers.h"
#include "ui/setup/frm_setup.h"

namespace horavia {

QString FontSampleText(const std::string& name, std::int32_t points) {
    return QString::fromStdString(name + " " + std::to_string(points) + " pts");
}

std::optional<QFont> frmSetup::ChooseWithFontDialog(const QFont& preset, QWidget* parent) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, preset, parent);
    if (!ok) return std::nullopt;
    return chosen;
}

void frmSetup::CreateSettingsPanel(QWidget* panel) {
    chkSWnd = new QCheckBox(QStringLiteral("Show window"), panel);
    chkStartUp = new QCheckBox(QStringLiteral("Load on startup"), panel);
    chkAOT = new QCheckBox(QStringLiteral("Always on top"), panel);
    chkSingleClick =
        new QCheckBox(QStringLiteral("Single click on tray icon shows/hides window"), panel);

    lblSort = new QLabel(QStringLiteral("Sort timezones by"), panel);
    cmbSort = new QComboBox(panel);
    for (const char* entry : kSortEntries) cmbSort->addItem(QString::fromUtf8(entry));
    cmbSort->setCurrentIndex(0);
    lblSort->setBuddy(cmbSort);

    Frame1 = new QWidget(panel);
    optAMPM = new QRadioButton(QStringLiteral("AM/PM"), Frame1);
    opt24 = new QRadioButton(QStringLiteral("24 h"), Frame1);
    opt24->setChecked(true);

    lblFontTitle = new QLabel(QStringLiteral("Font"), panel);
    lblFont = new QLabel(panel);
    lblFont->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblFont->setMinimumWidth(1);  // a long font name is cut, never widens the dialog
    cmdFont = new QPushButton(QStringLiteral("Choose"), panel);
    cmdFont->setAutoDefault(false);
    connect(cmdFont, &QPushButton::clicked, this, &frmSetup::cmdFont_Click);
    ShowFontSample(state_.prefs.FontName, state_.prefs.FontSize);

    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(lblSort);
    sortRow->addWidget(cmbSort, 1);
    auto* options = new QHBoxLayout(Frame1);
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(optAMPM);
    options->addWidget(opt24);
    options->addStretch(1);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(lblFontTitle);
    fontRow->addWidget(lblFont, 1);
    fontRow->addWidget(cmdFont);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (QCheckBox* box : {chkSWnd, chkStartUp, chkAOT, chkSingleClick}) layout->addWidget(box);
    layout->addSpacing(2);
    layout->addLayout(sortRow);
    layout->addWidget(Frame1);
    layout->addLayout(fontRow);
    layout->addStretch(1);
}

void frmSetup::ShowFontSample(const std::string& name, std::int32_t points) {
    lblFont->setText(FontSampleText(name, points));
    // The sample shows the face; the dialog's own size keeps it inside the panel.
    QFont sample = font();
    sample.setFamily(QString::fromStdString(name));
    lblFont->setFont(sample);
}

void frmSetup::SetShowWindowCheck(bool checked) {
    chkSWnd->setChecked(checked);
}

void frmSetup::ApplyWindowPreferences(const Preferences& prefs) {
    chkSWnd->setChecked(prefs.ShowWnd);
    chkAOT->setChecked(prefs.AlwaysOnTop);
    chkStartUp->setChecked(prefs.StartUp);
    chkSingleClick->setChecked(prefs.SingleClick);
    // A sort order without an entry reads as the first.
    const bool known = prefs.SortBy >= 0 && prefs.SortBy < cmbSort->count();
    cmbSort->setCurrentIndex(known ? prefs.SortBy : 0);
    (prefs.AMPM ? optAMPM : opt24)->setChecked(true);
    ShowFontSample(prefs.FontName, prefs.FontSize);
}

void frmSetup::cmdFont_Click() {
    Preferences& p = state_.prefs;
    QFont preset(QString::fromStdString(p.FontName));
    if (p.FontSize > 0) preset.setPointSize(p.FontSize);
    const std::optional<QFont> chosen = fontChooser_ ? fontChooser_(preset, this) : std::nullopt;
    if (!chosen) return;  // cancelled: nothing changes

    p.FontName = chosen->family().toStdString();
    // Whole points, halves to the even neighbour; a font given in pixels keeps the old size.
    if (chosen->pointSizeF() > 0) {
        p.FontSize =
            MaxOf<std::int32_t>(1, RoundToInt32(chosen->pointSizeF()).value_or(p.FontSize));
    }
    if (host_) host_->ApplyMainWindowFont(p.FontName, p.FontSize);
    ShowFontSample(p.FontName, p.FontSize);
}

}  // namespace horavia
