#include "ui/convert/frm_convert.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "model/clock_list.h"
#include "model/time_conversion.h"
#include "platform/qt_utf8.h"
#include "ui/convert/swap_picture.h"

namespace horavia {

namespace {

constexpr int kSelectionLength = 255;

}  // namespace

frmConvert::frmConvert(AppState& app, MessageBoxPort& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      picSwap(new SwapPicture(this)),
      cmbTo(new QComboBox(this)),
      txtTo(new QLineEdit(QStringLiteral("00:00"), this)),
      cmbFrom(new QComboBox(this)),
      txtFrom(new QLineEdit(QStringLiteral("00:00"), this)),
      Label1(new QLabel(QStringLiteral("="), this)),
      app_(app),
      messages_(messages) {
    setWindowTitle(QStringLiteral("Horavia - Convert"));
    picSwap->setObjectName(QStringLiteral("picSwap"));
    cmbTo->setObjectName(QStringLiteral("cmbTo"));
    txtTo->setObjectName(QStringLiteral("txtTo"));
    cmbFrom->setObjectName(QStringLiteral("cmbFrom"));
    txtFrom->setObjectName(QStringLiteral("txtFrom"));
    Label1->setObjectName(QStringLiteral("Label1"));

    txtTo->setReadOnly(true);  // the result: output only
    for (QComboBox* combo : {cmbFrom, cmbTo}) {
        combo->setMinimumContentsLength(44);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    const int timeWidth =
        txtFrom->fontMetrics().horizontalAdvance(QStringLiteral("00 Mmm 0000 00:00 AM"));
    txtFrom->setMinimumWidth(timeWidth + 12);
    txtTo->setMinimumWidth(timeWidth + 12);
    Label1->setAlignment(Qt::AlignCenter);

    // Source on top, "=" between, target below; the swap picture beside both lines.
    auto* grid = new QGridLayout(this);
    grid->addWidget(cmbFrom, 0, 0);
    grid->addWidget(txtFrom, 0, 1);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(cmbTo, 2, 0);
    grid->addWidget(txtTo, 2, 1);
    grid->addWidget(picSwap, 0, 2, 3, 1, Qt::AlignCenter);
    grid->setColumnStretch(0, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmbFrom, &QComboBox::currentIndexChanged, this, [this] { cmbFrom_Click(); });
    connect(cmbTo, &QComboBox::currentIndexChanged, this, [this] { cmbTo_Click(); });
    connect(txtFrom, &QLineEdit::textChanged, this, [this] { txtFrom_Change(); });
    connect(picSwap, &SwapPicture::clicked, this, [this] { picSwap_Click(); });
    txtFrom->installEventFilter(this);
    txtTo->installEventFilter(this);
}

void frmConvert::showEvent(QShowEvent* event) {
    if (!loaded_) Form_Load();
    QWidget::showEvent(event);
}

void frmConvert::Form_Load() {
    if (loaded_) return;
    loaded_ = true;
    const ZoneCatalogue& catalogue = app_.catalogue;
    {
        const QSignalBlocker blockFrom(cmbFrom);
        const QSignalBlocker blockTo(cmbTo);
        for (int index : catalogue.order) {
            if (!catalogue.IsValidIndex(index)) continue;
            const QString text = Utf8(ZoneDisplayText(catalogue, index));
            if (catalogue.IsRegistryZone(index)) cmbFrom->addItem(text, index);
            cmbTo->addItem(text, index);
        }
        cmbFrom->setCurrentIndex(-1);
        cmbTo->setCurrentIndex(-1);
    }
    // The long zone names are read in full in the open list.
    for (QComboBox* combo : {cmbFrom, cmbTo}) {
        combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    }
    cmbFrom->setCurrentIndex(cmbFrom->count() > 0 ? 0 : -1);
    cmbTo->setCurrentIndex(cmbTo->count() > 0 ? 0 : -1);
}

int frmConvert::ZoneOf(const QComboBox* combo) {
    const QVariant data = combo->currentData();
    return data.isValid() ? data.toInt() : -1;
}

void frmConvert::UpdateResult() {
    const DayCount moment =
        SourceMoment(txtFrom->text().toStdString(), app_.locale, app_.services.clock.NowLocal());
    txtTo->setText(QString::fromStdString(
        ConvertZoneTime(app_.catalogue, ZoneOf(cmbFrom), ZoneOf(cmbTo), moment, app_.locale)));
}

void frmConvert::picSwap_Click() {
    const int source = ZoneOf(cmbFrom);
    const int found = cmbFrom->findData(ZoneOf(cmbTo));
    if (found >= 0) cmbFrom->setCurrentIndex(found);
    if (ZoneOf(cmbFrom) != ZoneOf(cmbTo)) {
        messages_.Show("Timezone '" + cmbTo->currentText().toStdString() +
                           "' can not be used to convert from.",
                       kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const int back = cmbTo->findData(source);
    if (back >= 0) cmbTo->setCurrentIndex(back);
}

void frmConvert::SelectAllText(QLineEdit* box) {
    box->setSelection(0, std::min(static_cast<int>(box->text().size()), kSelectionLength));
}

bool frmConvert::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFrom || watched == txtTo) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            box == txtFrom ? txtFrom_GotFocus() : txtTo_GotFocus();
            // A click would place the cursor after this; select again once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
                QTimer::singleShot(0, box, [box] { SelectAllText(box); });
            }
        } else if (event->type() == QEvent::FocusOut && box == txtFrom) {
            txtFrom_LostFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmConvert::Form_QueryUnload(UnloadMode mode) {
    if (mode != UnloadMode::CloseBox) return false;
    hide();
    return true;
}

void frmConvert::closeEvent(QCloseEvent* event) {
    const UnloadMode mode = event->spontaneous() ? UnloadMode::CloseBox : UnloadMode::Program;
    event->setAccepted(!Form_QueryUnload(mode));
}

}  // namespace horavia
