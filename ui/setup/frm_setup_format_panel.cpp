// The setup dialog's "Default Format" panel: the format of clocks without their own, and a
// legend of the format letters.
#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/setup/frm_setup.h"

namespace horavia {

void frmSetup::CreateFormatPanel(QWidget* panel) {
    txtDefaultFormat = new QLineEdit(panel);

    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(10);
    legend->setVerticalSpacing(1);
    int row = 0;
    for (const FormatLegendLine& line : kFormatLegend) {
        auto* letters = new QLabel(QString::fromUtf8(line.letters), panel);
        QFont bold = letters->font();
        bold.setBold(true);
        letters->setFont(bold);
        legend->addWidget(letters, row, 0);
        legend->addWidget(new QLabel(QString::fromUtf8(line.meaning), panel), row, 1);
        ++row;
    }
    legend->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(txtDefaultFormat);
    layout->addLayout(legend);
    layout->addStretch(1);
}

void frmSetup::ApplyDefaultFormat(const Preferences& prefs) {
    txtDefaultFormat->setText(QString::fromStdString(prefs.DefaultFormat));
}

}  // namespace horavia
