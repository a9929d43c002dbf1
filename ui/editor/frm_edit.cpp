#include "ui/editor/frm_edit.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "model/text_helpers.h"
#include "platform/qt_utf8.h"
#include "ui/editor/map_colours.h"
#include "ui/main/twips.h"

namespace horavia {

namespace {

// The client area, in twips: the zone list's right edge plus its left margin, and the buttons'
// bottom plus the same margin.
constexpr int kClientWidth = 5655;
constexpr int kClientHeight = 4935;
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 375;
constexpr int kFieldHeight = 285;
constexpr int kLabelSelectionLength = 255;

}  // namespace

frmEdit::frmEdit(AppState& state, QWidget* parent, QImage mapPicture)
    : QDialog(parent), state_(state), givenPicture_(std::move(mapPicture)) {
    setWindowTitle(QStringLiteral("Horavia"));
    setModal(true);
    CreateControls();
    PlaceControls();
    Form_Load();
    UpdateOkState();
}

void frmEdit::CreateControls() {
    // Created in tab order: label, active, format, zone, OK, Cancel.
    lblLabel = new QLabel(QStringLiteral("&Label"), this);
    txtLabel = new QLineEdit(this);
    lblLabel->setBuddy(txtLabel);
    chkActive = new QCheckBox(QStringLiteral("&Active"), this);
    lblFormat = new QLabel(QStringLiteral("Format"), this);
    txtFormat = new QLineEdit(this);
    lblFormatHint = new QLabel(QStringLiteral("(leave empty to use default)"), this);
    cmbZone = new QComboBox(this);
    cmbZone->setEditable(false);
    cmbZone->setMaxVisibleItems(20);
    picZones = new MapPicture(this);
    picZones->setCursor(Qt::CrossCursor);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);

    txtLabel->installEventFilter(this);
    cmbZone->installEventFilter(this);
    connect(txtLabel, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
    connect(cmbZone, &QComboBox::currentIndexChanged, this, [this] {
        cmbZone_Click();
        UpdateOkState();
    });
    connect(cmbZone, &QComboBox::editTextChanged, this, [this] { cmbZone_Change(); });
    connect(picZones, &MapPicture::MouseDown, this, &frmEdit::picZones_MouseDown);
    connect(cmdOK, &QPushButton::clicked, this, &frmEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEdit::cmdCancel_Click);
}

void frmEdit::PlaceControls() {
    const double perPixelX = TwipsPerPixelAt(logicalDpiX());
    const double perPixelY = TwipsPerPixelAt(logicalDpiY());
    auto px = [&](int twips) { return PixelsFromTwips(twips, perPixelX); };
    auto py = [&](int twips) { return PixelsFromTwips(twips, perPixelY); };
    auto rect = [&](int left, int top, int width, int height) {
        return QRect(px(left), py(top), px(width), py(height));
    };
    auto place = [&](QWidget* w, int left, int top, int width, int height) {
        QRect r = rect(left, top, width, height);
        // Text needs the style's own height at least; the top stays where it is.
        r.setHeight(std::max(r.height(), w->sizeHint().height()));
        w->setGeometry(r);
    };
    place(txtLabel, 960, 240, 1095, kFieldHeight);
    place(chkActive, 2520, 240, 1215, kFieldHeight);
    place(txtFormat, 960, 600, 1095, kFieldHeight);
    place(cmbZone, 120, 960, 5415, kFieldHeight);
    picZones->setGeometry(rect(120, 1440, 5400, 2820));
    place(cmdOK, 3480, 4440, kButtonWidth, kButtonHeight);
    place(cmdCancel, 4560, 4440, kButtonWidth, kButtonHeight);

    // Captions sit at the left of their fields, the hint at the right, centred on the field.
    auto caption = [&](QLabel* label, QWidget* field, int left, int width) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(px(left), field->y(), px(width), field->height());
    };
    caption(lblLabel, txtLabel, 120, 795);
    caption(lblFormat, txtFormat, 120, 795);
    caption(lblFormatHint, txtFormat, 2160, 3375);

    const QSize client(px(kClientWidth), py(kClientHeight));
    setFixedSize(client.expandedTo(
        QSize(cmdCancel->geometry().right() + 1, cmdCancel->geometry().bottom() + 1)));
}

void frmEdit::Form_Load() {
    picZones->SetPicture(givenPicture_.isNull() ? LoadWorldMapPicture() : givenPicture_);
    if (picZones->Picture().isNull()) qWarning("Horavia: the world map picture could not be read");
    givenPicture_ = QImage();
}

void frmEdit::PrepareNew() {
    state_.EditSlot = -1;
    {
        const QSignalBlocker block(cmbZone);
        txtLabel->setText(QString::fromLatin1(kNewClockLabel));
        txtFormat->clear();
        chkActive->setChecked(true);
        cmbZone->setCurrentIndex(-1);
    }
    UpdateMap();
    UpdateOkState();
}

bool frmEdit::PrepareEdit(int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= state_.clocks.size()) return false;
    const ClockEntry& clock = state_.clocks[static_cast<std::size_t>(slot)];
    if (clock.Label.empty()) return false;  // an empty slot has no row to edit
    state_.EditSlot = slot;
    txtLabel->setText(Utf8(clock.Label));
    txtFormat->setText(Utf8(clock.Format));
    chkActive->setChecked(clock.Enabled);
    cmbZone_Set(clock.Zone);
    UpdateMap();
    UpdateOkState();
    return true;
}

int frmEdit::ShowNew() {
    PrepareNew();
    return exec();
}

int frmEdit::ShowEdit(int slot) {
    if (!PrepareEdit(slot)) return QDialog::Rejected;
    return exec();
}

void frmEdit::SortList() {
    SortZoneOrder(state_.catalogue, state_.prefs.SortBy);
    {
        // Refilling is not a choice of the user's: no Click, and the map keeps its colours.
        const QSignalBlocker block(cmbZone);
        cmbZone->clear();
        FillList();
        cmbZone->setCurrentIndex(-1);
    }
    UpdateOkState();
}

void frmEdit::FillList() {
    const QSignalBlocker block(cmbZone);
    for (const int index : state_.catalogue.order) {
        if (!state_.catalogue.IsValidIndex(index)) continue;
        cmbZone->addItem(Utf8(ZoneDisplayText(state_.catalogue, index)), index);
    }
    // A list box starts without a selection; the combo box would pick its first entry.
    cmbZone->setCurrentIndex(-1);
}

void frmEdit::cmbZone_Set(int index) {
    for (int i = 0; i < cmbZone->count(); ++i) {
        if (cmbZone->itemData(i).toInt() == index) cmbZone->setCurrentIndex(i);
    }
}

void frmEdit::cmbZone_Click() {
    UpdateMap();
}

void frmEdit::cmbZone_KeyPress() {
    UpdateMap();
}

void frmEdit::cmbZone_Change() {
    UpdateMap();
}

void frmEdit::txtLabel_GotFocus() {
    txtLabel->setSelection(
        0, std::min<int>(kLabelSelectionLength, static_cast<int>(txtLabel->text().size())));
}

bool frmEdit::CanStore() const {
    if (cmbZone->currentIndex() < 0) return false;
    if (!state_.catalogue.IsValidIndex(cmbZone->currentData().toInt())) return false;
    return !Trim(txtLabel->text().toStdString()).empty();
}

void frmEdit::UpdateOkState() {
    const bool ok = CanStore();
    cmdOK->setEnabled(ok);
    cmdOK->setToolTip(ok ? QString() : QStringLiteral("Type a label and choose a zone"));
}

void frmEdit::cmdOK_Click() {
    if (!CanStore()) return;  // the editor stays open until the clock can be stored
    if (state_.EditSlot == -1) {
        state_.EditSlot = state_.book.Add(EnteredClock());
    } else {
        state_.book.Edit(state_.EditSlot, EnteredClock());
    }
    txtLabel->setFocus();
    QDialog::accept();
}

ClockEntry frmEdit::EnteredClock() const {
    ClockEntry clock;
    clock.Enabled = chkActive->checkState() != Qt::Unchecked;
    clock.Label = txtLabel->text().toStdString();
    clock.Format = txtFormat->text().toStdString();
    clock.Zone = cmbZone->currentData().toInt();
    return clock;
}

void frmEdit::cmdCancel_Click() {
    txtLabel->setFocus();
    QDialog::reject();
}

void frmEdit::reject() {
    cmdCancel_Click();
}

void frmEdit::UpdateMap() {
    int zone = 0;  // no selection: Coordinated Universal Time, which owns no area
    if (cmbZone->currentIndex() >= 0) {
        zone = cmbZone->currentData().toInt();
        if (mapZone_ == zone) return;  // the map is already right
    }
    mapZone_ = zone;
    picZones->SetColourTable(MapColourTable(state_.catalogue, zone));
}

void frmEdit::picZones_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    const QImage& picture = picZones->Picture();
    if (x < 0 || x >= picture.width() || y < 0 || y >= picture.height()) return;
    const int zone = FirstZoneOwningArea(state_.catalogue, picture.pixelIndex(x, y));
    if (zone >= 0) cmbZone_Set(zone);
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtLabel && event->type() == QEvent::FocusIn) txtLabel_GotFocus();
    if (watched == cmbZone && event->type() == QEvent::KeyPress) cmbZone_KeyPress();
    return QDialog::eventFilter(watched, event);
}

}  // namespace horavia
