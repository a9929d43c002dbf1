#include "ui/editor/clock_editor.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

#include "model/text_helpers.h"
#include "platform/place_finder.h"
#include "platform/qt_utf8.h"
#include "ui/editor/map_colours.h"
#include "ui/editor/place_search_box.h"
#include "ui/editor/working_hours_box.h"
#include "ui/editor/world_map_view.h"
#include "ui/main/accessibility.h"
#include "ui/main/scrolling_page.h"
#include "ui/main/tab_order.h"

namespace horavia {

namespace {

constexpr int kLabelSelectionLength = 255;
constexpr int kMargin = 8;  // pixels around the controls and between the groups of them

}  // namespace

ClockEditor::ClockEditor(AppState& state, QWidget* parent, QImage mapPicture, PlaceFinder* places)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("Horavia"));
    setModal(true);
    InstallAccessibleInterfaces();
    if (places == nullptr) {
        ownPlaces_ = std::make_unique<PlaceFinder>();
        places = ownPlaces_.get();
    }
    placeSearch_ = new PlaceSearchBox(state_.catalogue, *places, this);
    placeSearch_->setObjectName(QStringLiteral("placeSearch"));
    placeNote_ = new QLabel(this);
    placeNote_->setObjectName(QStringLiteral("placeNote"));
    placeNote_->setMinimumWidth(1);  // a long name is cut, never widens the editor
    placeNote_->hide();
    createControls();
    placeControls();
    worldMap_->setPicture(mapPicture.isNull() ? LoadWorldMapPicture() : std::move(mapPicture));
    if (worldMap_->picture().isNull()) qWarning("Horavia: the world map picture could not be read");
    worldMap_->setNightClock(&state_.services.clock);  // the night side as it is now
    sortZoneList();
}

void ClockEditor::createControls() {
    // Created in tab order: label, active, format, zone, map, working hours, OK, Cancel; the
    // place search, made earlier, joins the order in placeControls().
    //: The clock's name, shown above its time.
    labelCaption_ = new QLabel(tr("&Label"), this);
    labelCaption_->setObjectName(QStringLiteral("labelCaption"));
    labelEdit_ = new QLineEdit(this);
    labelEdit_->setObjectName(QStringLiteral("labelEdit"));
    labelCaption_->setBuddy(labelEdit_);
    //: The clock is shown.
    enabledCheck_ = new QCheckBox(tr("&Active"), this);
    enabledCheck_->setObjectName(QStringLiteral("enabledCheck"));
    //: The clock's time format.
    formatCaption_ = new QLabel(tr("&Format"), this);
    formatCaption_->setObjectName(QStringLiteral("formatCaption"));
    formatEdit_ = new QLineEdit(this);
    formatEdit_->setObjectName(QStringLiteral("formatEdit"));
    formatCaption_->setBuddy(formatEdit_);
    formatHint_ = new QLabel(tr("(leave empty to use default)"), this);
    formatHint_->setObjectName(QStringLiteral("formatHint"));
    zoneCombo_ = new QComboBox(this);
    zoneCombo_->setObjectName(QStringLiteral("zoneCombo"));
    zoneCombo_->setEditable(false);
    zoneCombo_->setAccessibleName(tr("Timezone"));
    zoneCombo_->setMaxVisibleItems(20);
    // The list gets the editor's width; its longest names are read in the open list and in the
    // tooltip.
    zoneCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zoneCombo_->setMinimumContentsLength(24);
    worldMap_ = new WorldMapView(this);
    worldMap_->setObjectName(QStringLiteral("worldMap"));
    worldMap_->setCursor(Qt::CrossCursor);
    //: The box of the clock's working hours, ticked when the clock has its own.
    hoursBox_ = new WorkingHoursBox(tr("&Working hours"), this);
    hoursBox_->setObjectName(QStringLiteral("workingHoursBox"));
    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    labelEdit_->installEventFilter(this);
    zoneCombo_->installEventFilter(this);
    connect(labelEdit_, &QLineEdit::textChanged, this, &ClockEditor::updateOkState);
    connect(zoneCombo_, &QComboBox::currentIndexChanged, this, &ClockEditor::zoneChosen);
    connect(zoneCombo_, &QComboBox::editTextChanged, this, &ClockEditor::updateMap);
    connect(worldMap_, &WorldMapView::pixelPressed, this, &ClockEditor::pickZoneAt);
    connect(worldMap_, &WorldMapView::stepRequested, this, &ClockEditor::stepZone);
    connect(placeSearch_, &PlaceSearchBox::placeChosen, this, &ClockEditor::takePlace);
    connect(hoursBox_, &WorkingHoursBox::hoursEdited, this, &ClockEditor::updateOkState);
    connect(okButton_, &QPushButton::clicked, this, &ClockEditor::storeClock);
    connect(cancelButton_, &QPushButton::clicked, this, &ClockEditor::reject);
}

void ClockEditor::placeControls() {
    // Label and format with their captions, the check box and the hint to their right; below,
    // the zone list, the map, the working hours and the buttons. The map keeps its picture's size;
    // the rest of the room goes to the zone list, so a wider editor shows longer zone names.
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(kMargin);
    fields->addWidget(labelCaption_, 0, 0);
    fields->addWidget(labelEdit_, 0, 1);
    fields->addWidget(enabledCheck_, 0, 2);
    fields->addWidget(formatCaption_, 1, 0);
    fields->addWidget(formatEdit_, 1, 1);
    fields->addWidget(formatHint_, 1, 2);
    fields->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    // Everything but the buttons scrolls where the screen is too low for the editor. Moving the
    // controls into the scrolling page would reorder the focus chain: it is kept as it was.
    QWidgetList focusOrder;  // the tab stops (a spin box's field follows its box)
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->focusProxy() == nullptr) focusOrder << w;
    }
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("editorFields"));
    auto* inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(kMargin);
    inner->addLayout(fields);
    inner->addWidget(placeSearch_);
    inner->addWidget(placeNote_);
    inner->addWidget(zoneCombo_);
    inner->addWidget(worldMap_, 1, Qt::AlignCenter);
    inner->addWidget(hoursBox_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addWidget(new ScrollingPage(content), 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    for (qsizetype i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }
    // Tab follows the screen: the place search between the format and the zone list.
    ChainTabOrder({labelEdit_, enabledCheck_, formatEdit_, placeSearch_, zoneCombo_, worldMap_});
    new WorkAreaFit(*this);
}

ClockEditor::~ClockEditor() = default;

void ClockEditor::prepareNewClock() {
    editSlot_ = -1;
    placeSearch_->clear();
    placeSearch_->setFocus();  // a new clock starts with finding its place
    {
        const QSignalBlocker block(zoneCombo_);
        labelEdit_->setText(tr(kNewClockLabel));
        formatEdit_->clear();
        enabledCheck_->setChecked(true);
        zoneCombo_->setCurrentIndex(-1);
    }
    showHours(std::nullopt);  // a new clock starts without working hours
    markedZone_ = -1;
    keepPlace(std::nullopt);
    updateMap();
    updateOkState();
}

bool ClockEditor::prepareClock(int slot) {
    const ClockEntry* clock = state_.book.Clock(slot);
    if (clock == nullptr || clock->Label.empty()) return false;  // an empty slot has no row
    editSlot_ = slot;
    placeSearch_->clear();
    labelEdit_->setFocus();  // a clock of the list is most often renamed
    labelEdit_->setText(Utf8(clock->Label));
    formatEdit_->setText(Utf8(clock->Format));
    enabledCheck_->setChecked(clock->Enabled);
    selectZone(clock->Zone);
    // The stored place stays with its zone, as a place just found would.
    markedZone_ = clock->Place ? clock->Zone : -1;
    keepPlace(clock->Place);
    if (clock->Place) {
        worldMap_->setMarker(MapPointOf(clock->Place->latitude, clock->Place->longitude,
                                        worldMap_->picture().size()));
    }
    showHours(clock->Hours);
    updateMap();
    updateOkState();
    return true;
}

void ClockEditor::editNewClock() {
    prepareNewClock();
    openModally();
}

bool ClockEditor::editClock(int slot) {
    if (!prepareClock(slot)) return false;
    openModally();
    return true;
}

void ClockEditor::openModally() {
    // Application-modal, as set at construction: open() would make it modal to its parent
    // only, and the editor has none, so it would block nothing.
    setResult(0);
    show();
}

void ClockEditor::sortZoneList() {
    SortZoneOrder(state_.catalogue, state_.preferences.Values().SortBy);
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
    // The open list is wide enough for its longest name.
    QAbstractItemView* view = zoneCombo_->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * view->frameWidth());
    // A list box starts without a selection; the combo box would pick its first entry.
    zoneCombo_->setCurrentIndex(-1);
}

void ClockEditor::selectZone(int zone) {
    const int row = zoneCombo_->findData(zone);
    if (row >= 0) zoneCombo_->setCurrentIndex(row);
}

void ClockEditor::takePlace(const PlaceMatch& place) {
    const std::string label = Trim(labelEdit_->text().toStdString());
    if ((label.empty() || label == tr(kNewClockLabel).toStdString()) && !place.label.empty()) {
        labelEdit_->setText(Utf8(place.label));
    }
    markedZone_ = place.zoneIndex;
    selectZone(place.zoneIndex);
    // A place is kept only with its zone, and only where it has a position.
    if (place.hasLocation && zoneCombo_->currentData().toInt() == place.zoneIndex &&
        zoneCombo_->currentIndex() >= 0) {
        keepPlace(ClockPlace{place.place, place.latitude, place.longitude});
    } else {
        keepPlace(std::nullopt);
    }
    worldMap_->setMarker(
        place.hasLocation ? MapPointOf(place.latitude, place.longitude, worldMap_->picture().size())
                          : std::nullopt);
}

void ClockEditor::zoneChosen() {
    // The dot marks the place found only while its zone stays the chosen one.
    if (zoneCombo_->currentData().toInt() != markedZone_ || zoneCombo_->currentIndex() < 0) {
        markedZone_ = -1;
        worldMap_->setMarker(std::nullopt);
        keepPlace(std::nullopt);  // another zone: the place no longer lies in it
    }
    updateMap();
    updateOkState();
}

void ClockEditor::selectLabelText() {
    labelEdit_->setSelection(
        0, std::min<int>(kLabelSelectionLength, static_cast<int>(labelEdit_->text().size())));
}

void ClockEditor::showHours(const std::optional<WorkingHours>& own) {
    if (!own) {
        Preferences defaults = state_.preferences.Values();
        defaults.WorkDefault = true;  // their hours, whether or not they are used
        if (const std::optional<WorkingHours> hours = DefaultWorkingHours(defaults)) {
            hoursBox_->setShownHours(*hours);
        }
    }
    hoursBox_->setHours(own);
}

bool ClockEditor::zoneTakesHours() const {
    if (zoneCombo_->currentIndex() < 0) return true;  // the hours may come before the zone
    const int zone = zoneCombo_->currentData().toInt();
    return zone == kZoneUtc || zone >= kFirstRegistryZone;
}

QString ClockEditor::whyNotStorable() const {
    if (zoneCombo_->currentIndex() < 0 ||
        !state_.catalogue.IsValidIndex(zoneCombo_->currentData().toInt()) ||
        Trim(labelEdit_->text().toStdString()).empty()) {
        return tr("Type a label and choose a zone");
    }
    if (hoursBox_->isEnabled() && hoursBox_->isChecked()) return hoursBox_->problem();
    return {};
}

void ClockEditor::updateOkState() {
    hoursBox_->setEnabled(zoneTakesHours());
    const QString why = whyNotStorable();
    okButton_->setEnabled(why.isEmpty());
    okButton_->setToolTip(why);
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
    if (zoneTakesHours()) clock.Hours = hoursBox_->hours();
    clock.Place = place_;
    return clock;
}

void ClockEditor::keepPlace(std::optional<ClockPlace> place) {
    place_ = std::move(place);
    if (place_) {
        //: Under the place search: the place the clock keeps (for its sunrise and sunset).
        placeNote_->setText(tr("Place: %1").arg(Utf8(place_->name)));
        placeNote_->setToolTip(placeNote_->text());
    }
    placeNote_->setVisible(place_.has_value());
}

void ClockEditor::reject() {
    labelEdit_->setFocus();
    QDialog::reject();
}

void ClockEditor::updateMap() {
    // The list may be too narrow for a long zone name; its tooltip shows it whole.
    zoneCombo_->setToolTip(zoneCombo_->currentText());
    // The map is read out by the zone it shows.
    if (zoneCombo_->currentIndex() < 0) {
        worldMap_->setAccessibleName(tr("World map"));
    } else {
        //: The world map as a screen reader names it: %1 is the zone it shows.
        worldMap_->setAccessibleName(tr("World map: %1").arg(zoneCombo_->currentText()));
    }
    int zone = 0;  // no selection: Coordinated Universal Time, which owns no area
    if (zoneCombo_->currentIndex() >= 0) {
        zone = zoneCombo_->currentData().toInt();
        if (mapZone_ == zone) return;  // the map is already right
    }
    mapZone_ = zone;
    worldMap_->setColourTable(MapColourTable(state_.catalogue, zone));
}

void ClockEditor::stepZone(int step) {
    // From no zone, the first step forward or back lands on the list's first zone.
    const int last = zoneCombo_->count() - 1;
    if (last < 0) return;
    const int current = zoneCombo_->currentIndex();
    zoneCombo_->setCurrentIndex(current < 0 ? 0 : std::clamp(current + step, 0, last));
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
