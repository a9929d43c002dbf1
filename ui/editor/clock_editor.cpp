#include "ui/editor/clock_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "model/text_helpers.h"
#include "platform/qt_utf8.h"
#include "ui/editor/map_colours.h"
#include "ui/editor/world_map_view.h"
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

ClockEditor::ClockEditor(AppState& state, QWidget* parent, QImage mapPicture)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("Horavia"));
    setModal(true);
    createControls();
    placeControls();
    worldMap_->setPicture(mapPicture.isNull() ? LoadWorldMapPicture() : std::move(mapPicture));
    if (worldMap_->picture().isNull()) qWarning("Horavia: the world map picture could not be read");
    sortZoneList();
}

void ClockEditor::createControls() {
    // Created in tab order: label, active, format, zone, OK, Cancel.
    labelCaption_ = new QLabel(QStringLiteral("&Label"), this);
    labelCaption_->setObjectName(QStringLiteral("labelCaption"));
    labelEdit_ = new QLineEdit(this);
    labelEdit_->setObjectName(QStringLiteral("labelEdit"));
    labelCaption_->setBuddy(labelEdit_);
    enabledCheck_ = new QCheckBox(QStringLiteral("&Active"), this);
    enabledCheck_->setObjectName(QStringLiteral("enabledCheck"));
    formatCaption_ = new QLabel(QStringLiteral("Format"), this);
    formatCaption_->setObjectName(QStringLiteral("formatCaption"));
    formatEdit_ = new QLineEdit(this);
    formatEdit_->setObjectName(QStringLiteral("formatEdit"));
    formatHint_ = new QLabel(QStringLiteral("(leave empty to use default)"), this);
    formatHint_->setObjectName(QStringLiteral("formatHint"));
    zoneCombo_ = new QComboBox(this);
    zoneCombo_->setObjectName(QStringLiteral("zoneCombo"));
    zoneCombo_->setEditable(false);
    zoneCombo_->setMaxVisibleItems(20);
    worldMap_ = new WorldMapView(this);
    worldMap_->setObjectName(QStringLiteral("worldMap"));
    worldMap_->setCursor(Qt::CrossCursor);
    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    labelEdit_->installEventFilter(this);
    zoneCombo_->installEventFilter(this);
    connect(labelEdit_, &QLineEdit::textChanged, this, &ClockEditor::updateOkState);
    connect(zoneCombo_, &QComboBox::currentIndexChanged, this, &ClockEditor::zoneChosen);
    connect(zoneCombo_, &QComboBox::editTextChanged, this, &ClockEditor::updateMap);
    connect(worldMap_, &WorldMapView::pixelPressed, this, &ClockEditor::pickZoneAt);
    connect(okButton_, &QPushButton::clicked, this, &ClockEditor::storeClock);
    connect(cancelButton_, &QPushButton::clicked, this, &ClockEditor::reject);
}

void ClockEditor::placeControls() {
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
    place(labelEdit_, 960, 240, 1095, kFieldHeight);
    place(enabledCheck_, 2520, 240, 1215, kFieldHeight);
    place(formatEdit_, 960, 600, 1095, kFieldHeight);
    place(zoneCombo_, 120, 960, 5415, kFieldHeight);
    worldMap_->setGeometry(rect(120, 1440, 5400, 2820));
    place(okButton_, 3480, 4440, kButtonWidth, kButtonHeight);
    place(cancelButton_, 4560, 4440, kButtonWidth, kButtonHeight);

    // Captions sit at the left of their fields, the hint at the right, centred on the field.
    auto caption = [&](QLabel* label, QWidget* field, int left, int width) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(px(left), field->y(), px(width), field->height());
    };
    caption(labelCaption_, labelEdit_, 120, 795);
    caption(formatCaption_, formatEdit_, 120, 795);
    caption(formatHint_, formatEdit_, 2160, 3375);

    const QSize client(px(kClientWidth), py(kClientHeight));
    setFixedSize(client.expandedTo(
        QSize(cancelButton_->geometry().right() + 1, cancelButton_->geometry().bottom() + 1)));
}

void ClockEditor::prepareNewClock() {
    editSlot_ = -1;
    {
        const QSignalBlocker block(zoneCombo_);
        labelEdit_->setText(QString::fromLatin1(kNewClockLabel));
        formatEdit_->clear();
        enabledCheck_->setChecked(true);
        zoneCombo_->setCurrentIndex(-1);
    }
    updateMap();
    updateOkState();
}

bool ClockEditor::prepareClock(int slot) {
    const ClockEntry* clock = state_.book.Clock(slot);
    if (clock == nullptr || clock->Label.empty()) return false;  // an empty slot has no row
    editSlot_ = slot;
    labelEdit_->setText(Utf8(clock->Label));
    formatEdit_->setText(Utf8(clock->Format));
    enabledCheck_->setChecked(clock->Enabled);
    selectZone(clock->Zone);
    updateMap();
    updateOkState();
    return true;
}

int ClockEditor::editNewClock() {
    prepareNewClock();
    return exec();
}

int ClockEditor::editClock(int slot) {
    if (!prepareClock(slot)) return QDialog::Rejected;
    return exec();
}

void ClockEditor::sortZoneList() {
    SortZoneOrder(state_.catalogue, state_.prefs.SortBy);
    {
        // Refilling is not a choice of the user's: the map keeps its colours.
        const QSignalBlocker block(zoneCombo_);
        zoneCombo_->clear();
        fillZoneList();
    }
    updateOkState();
}

void ClockEditor::fillZoneList() {
    for (const int index : state_.catalogue.order) {
        if (!state_.catalogue.IsValidIndex(index)) continue;
        zoneCombo_->addItem(Utf8(ZoneDisplayText(state_.catalogue, index)), index);
    }
    // A list box starts without a selection; the combo box would pick its first entry.
    zoneCombo_->setCurrentIndex(-1);
}

void ClockEditor::selectZone(int zone) {
    const int row = zoneCombo_->findData(zone);
    if (row >= 0) zoneCombo_->setCurrentIndex(row);
}

void ClockEditor::zoneChosen() {
    updateMap();
    updateOkState();
}

void ClockEditor::selectLabelText() {
    labelEdit_->setSelection(
        0, std::min<int>(kLabelSelectionLength, static_cast<int>(labelEdit_->text().size())));
}

bool ClockEditor::canStore() const {
    if (zoneCombo_->currentIndex() < 0) return false;
    if (!state_.catalogue.IsValidIndex(zoneCombo_->currentData().toInt())) return false;
    return !Trim(labelEdit_->text().toStdString()).empty();
}

void ClockEditor::updateOkState() {
    const bool ok = canStore();
    okButton_->setEnabled(ok);
    okButton_->setToolTip(ok ? QString() : QStringLiteral("Type a label and choose a zone"));
}

void ClockEditor::storeClock() {
    if (!canStore()) return;  // the editor stays open until the clock can be stored
    if (editSlot_ == -1) {
        editSlot_ = state_.book.Add(enteredClock());
    } else {
        state_.book.Edit(editSlot_, enteredClock());
    }
    labelEdit_->setFocus();
    QDialog::accept();
    emit clockStored(editSlot_);
}

ClockEntry ClockEditor::enteredClock() const {
    ClockEntry clock;
    clock.Enabled = enabledCheck_->checkState() != Qt::Unchecked;
    clock.Label = labelEdit_->text().toStdString();
    clock.Format = formatEdit_->text().toStdString();
    clock.Zone = zoneCombo_->currentData().toInt();
    return clock;
}

void ClockEditor::reject() {
    labelEdit_->setFocus();
    QDialog::reject();
}

void ClockEditor::updateMap() {
    int zone = 0;  // no selection: Coordinated Universal Time, which owns no area
    if (zoneCombo_->currentIndex() >= 0) {
        zone = zoneCombo_->currentData().toInt();
        if (mapZone_ == zone) return;  // the map is already right
    }
    mapZone_ = zone;
    worldMap_->setColourTable(MapColourTable(state_.catalogue, zone));
}

void ClockEditor::pickZoneAt(QPoint pixel) {
    const QImage& picture = worldMap_->picture();
    if (!picture.valid(pixel)) return;
    const int zone = FirstZoneOwningArea(state_.catalogue, picture.pixelIndex(pixel));
    if (zone >= 0) selectZone(zone);
}

bool ClockEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == labelEdit_ && event->type() == QEvent::FocusIn) selectLabelText();
    // A key in the list may choose another zone; the map follows at once.
    if (watched == zoneCombo_ && event->type() == QEvent::KeyPress) updateMap();
    return QDialog::eventFilter(watched, event);
}

}  // namespace horavia
