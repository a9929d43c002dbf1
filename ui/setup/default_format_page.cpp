#include "ui/setup/default_format_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace horavia {

DefaultFormatPage::DefaultFormatPage(const Preferences& prefs, QWidget* parent)
    : QWidget(parent),
      formatEdit_(new QLineEdit(QString::fromStdString(prefs.DefaultFormat), this)) {
    formatEdit_->setObjectName(QStringLiteral("defaultFormatEdit"));
    formatEdit_->setAccessibleName(tr("Default format"));

    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(10);
    legend->setVerticalSpacing(1);
    int row = 0;
    for (const FormatLegendLine& line : kFormatLegend) {
        auto* letters = new QLabel(QString::fromUtf8(line.letters), this);
        QFont bold = letters->font();
        bold.setBold(true);
        letters->setFont(bold);
        legend->addWidget(letters, row, 0);
        legend->addWidget(new QLabel(tr(line.meaning), this), row, 1);
        ++row;
    }
    legend->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(formatEdit_);
    layout->addLayout(legend);
    layout->addStretch(1);
}

std::string DefaultFormatPage::defaultFormat() const {
    return formatEdit_->text().toStdString();
}

void DefaultFormatPage::followClockStyle(bool amPm) {
    const std::string followed = DefaultFormatForStyle(defaultFormat(), amPm);
    if (followed != defaultFormat()) formatEdit_->setText(QString::fromStdString(followed));
}

}  // namespace horavia
