#include "ui/convert/converter_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "model/clock_list.h"
#include "model/day_count.h"
#include "model/time_conversion.h"
#include "platform/place_finder.h"
#include "platform/qt_utf8.h"
#include "ui/convert/map_strip.h"
#include "ui/convert/swap_picture.h"
#include "ui/editor/minute_ticker.h"
#include "ui/editor/place_search_box.h"
#include "ui/editor/world_map_view.h"
#include "ui/main/accessibility.h"
#include "ui/main/screen_watch.h"
#include "ui/main/scrolling_page.h"
#include "ui/main/tab_order.h"

namespace horavia {

namespace {

constexpr int kSelectionLength = 255;
// Room left for a window manager's frame (both borders) until the real one is known.
constexpr int kFrameAllowance = 16;

}  // namespace

namespace {

PlaceFinder& FinderOf(PlaceFinder* shared, std::unique_ptr<PlaceFinder>& own) {
    if (shared != nullptr) return *shared;
    if (!own) own = std::make_unique<PlaceFinder>();
    return *own;
}

}  // namespace

ConverterWindow::ConverterWindow(AppState& app, MessageBoxPort& messages, QWidget* parent,
                                 PlaceFinder* places)
    : QWidget(parent, Qt::Window),
      app_(app),
      messages_(messages),
      swapButton_(new SwapPicture(this)),
      toZoneCombo_(new QComboBox(this)),
      toTimeEdit_(new QLineEdit(QStringLiteral("00:00"), this)),
      fromZoneCombo_(new QComboBox(this)),
      fromTimeEdit_(new QLineEdit(QStringLiteral("00:00"), this)),
      equalsLabel_(new QLabel(QStringLiteral("="), this)),
      fromPlaceSearch_(new PlaceSearchBox(app.catalogue, FinderOf(places, ownPlaces_), this)),
      toPlaceSearch_(new PlaceSearchBox(app.catalogue, FinderOf(places, ownPlaces_), this)),
      //: Shows the world map, with the night side, below the converted times.
      mapCheck_(new QCheckBox(tr("Show &map"), this)),
      mapStrip_(new MapStrip(this)),
      minuteTicker_(new MinuteTicker(app.services.clock, this)) {
    setWindowTitle(tr("Horavia - Convert"));
    InstallAccessibleInterfaces();
    swapButton_->setObjectName(QStringLiteral("swapButton"));
    toZoneCombo_->setObjectName(QStringLiteral("toZoneCombo"));
    toTimeEdit_->setObjectName(QStringLiteral("toTimeEdit"));
    fromZoneCombo_->setObjectName(QStringLiteral("fromZoneCombo"));
    fromTimeEdit_->setObjectName(QStringLiteral("fromTimeEdit"));
    equalsLabel_->setObjectName(QStringLiteral("equalsLabel"));
    fromPlaceSearch_->setObjectName(QStringLiteral("fromPlaceSearch"));
    toPlaceSearch_->setObjectName(QStringLiteral("toPlaceSearch"));
    mapCheck_->setObjectName(QStringLiteral("mapCheck"));
    mapStrip_->setObjectName(QStringLiteral("mapStrip"));

    toTimeEdit_->setReadOnly(true);  // the result: output only
    // What each control is for, as a screen reader says it; the captions give the keys.
    //: The zone a time is converted from.
    auto* fromCaption = new QLabel(tr("&From"), this);
    //: The zone a time is converted to.
    auto* toCaption = new QLabel(tr("&To"), this);
    fromCaption->setObjectName(QStringLiteral("fromCaption"));
    toCaption->setObjectName(QStringLiteral("toCaption"));
    fromCaption->setBuddy(fromZoneCombo_);
    toCaption->setBuddy(toZoneCombo_);
    fromZoneCombo_->setAccessibleName(tr("From timezone"));
    toZoneCombo_->setAccessibleName(tr("To timezone"));
    fromTimeEdit_->setAccessibleName(tr("Time to convert"));
    toTimeEdit_->setAccessibleName(tr("Converted time"));
    fromPlaceSearch_->setAccessibleName(tr("Find a place to convert from"));
    toPlaceSearch_->setAccessibleName(tr("Find a place to convert to"));
    swapButton_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    for (QComboBox* combo : {fromZoneCombo_, toZoneCombo_}) {
        combo->setMinimumContentsLength(kZoneListChars);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    const int timeWidth =
        fromTimeEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00 Mmm 0000 00:00 AM"));
    fromTimeEdit_->setMinimumWidth(timeWidth + 12);
    toTimeEdit_->setMinimumWidth(timeWidth + 12);
    equalsLabel_->setAlignment(Qt::AlignCenter);

    rows_ = {fromPlaceSearch_, fromCaption,    fromZoneCombo_, fromTimeEdit_,
             equalsLabel_,     toPlaceSearch_, toCaption,      toZoneCombo_,
             toTimeEdit_,      swapButton_,    mapCheck_,      mapStrip_};
    ArrangeConverterRows(*new QGridLayout(this), rows_, false);
    // A window moved to a narrower screen, or a screen made narrower, stacks its rows.
    connect(new ScreenWatch(*this), &ScreenWatch::workAreaChanged, this,
            [this](const QRect& workArea) {
                fitRowsToScreen(workArea);
                if (isVisible()) FitInsideWorkArea(*this, workArea);
            });

    // A zone name too long for its list is read whole in the tooltip.
    for (QComboBox* combo : {fromZoneCombo_, toZoneCombo_}) {
        connect(combo, &QComboBox::currentTextChanged, combo, &QComboBox::setToolTip);
    }
    connect(fromZoneCombo_, &QComboBox::currentIndexChanged, this, &ConverterWindow::updateResult);
    connect(toZoneCombo_, &QComboBox::currentIndexChanged, this, &ConverterWindow::updateResult);
    connect(fromTimeEdit_, &QLineEdit::textChanged, this, &ConverterWindow::updateResult);
    connect(swapButton_, &SwapPicture::clicked, this, &ConverterWindow::swapZones);
    connect(fromPlaceSearch_, &PlaceSearchBox::placeChosen, this,
            [this](const PlaceMatch& place) { selectZone(fromZoneCombo_, place.zoneIndex); });
    connect(toPlaceSearch_, &PlaceSearchBox::placeChosen, this,
            [this](const PlaceMatch& place) { selectZone(toZoneCombo_, place.zoneIndex); });
    fromTimeEdit_->installEventFilter(this);
    toTimeEdit_->installEventFilter(this);
    // Tab reads the window as the eye does: the source line, the target line, the swap beside
    // them, then the result and the map's box. It opens on the time to convert.
    ChainTabOrder({fromPlaceSearch_, fromZoneCombo_, fromTimeEdit_, toPlaceSearch_, toZoneCombo_,
                   swapButton_, toTimeEdit_, mapCheck_});
    fromTimeEdit_->setFocus();

    // The map's choice is a preference: ticked here, it is stored and announced, and the strip
    // follows the announcement wherever the change was made.
    connect(mapCheck_, &QCheckBox::toggled, this,
            [this](bool on) { app_.preferences.Set(&Preferences::ConvMap, on); });
    preferencesSubscription_ = app_.preferences.Subscribe([this](const PreferenceChange& change) {
        if (change.Touches(&Preferences::ConvMap)) followMapPreference();
    });
    connect(minuteTicker_, &MinuteTicker::minuteBegan, this, &ConverterWindow::updateMap);
    followMapPreference();
}

void ConverterWindow::followMapPreference() {
    const bool on = app_.preferences.Values().ConvMap;
    {
        const QSignalBlocker block(mapCheck_);
        mapCheck_->setChecked(on);
    }
    if (on && mapStrip_->picture().isNull()) {
        mapStrip_->setPicture(LoadWorldMapPicture());
        if (mapStrip_->picture().isNull())
            qWarning("Horavia: the world map picture could not be read");
    }
    const bool wasShown = !mapStrip_->isHidden();
    mapStrip_->setVisible(on);
    if (on) {
        updateMap();
        if (isVisible()) {
            minuteTicker_->start();
            // The window grows to show the map at its own size, not just its smallest.
            layout()->activate();
            resize(width(), std::max(height(), sizeHint().height()));
        }
    } else {
        minuteTicker_->stop();
        // Without the strip the window gives its height back.
        if (wasShown && isVisible()) {
            layout()->activate();
            resize(width(), minimumSizeHint().height());
        }
    }
}

void ConverterWindow::updateMap() {
    if (mapStrip_->isHidden()) return;
    const int from = zoneOf(fromZoneCombo_);
    mapStrip_->setColourTable(MapColourTableForTwo(app_.catalogue, from, zoneOf(toZoneCombo_)));
    // The moment the source time stands for; now while the typed time does not read.
    const CivilTime now = ToCivil(app_.services.clock.NowLocal()).value_or(CivilTime{});
    std::optional<Instant> moment;
    if (const auto reading = SourceMoment(fromTimeEdit_->text().toStdString(), app_.locale, now)) {
        moment = SourceInstant(app_.catalogue, from, *reading);
    }
    mapStrip_->setNight(moment.value_or(app_.services.clock.NowUtc()));
}

void ConverterWindow::showEvent(QShowEvent* event) {
    if (!listsFilled_) fillZoneLists();
    if (const QScreen* shownOn = screen()) {
        fitRowsToScreen(shownOn->availableGeometry());
        FitInsideWorkArea(*this, shownOn->availableGeometry());
    }
    QWidget::showEvent(event);
    if (!mapStrip_->isHidden()) {
        updateMap();  // "now" moved while the window was away
        minuteTicker_->start();
    }
}

void ConverterWindow::fitRowsToScreen(const QRect& workArea) {
    // Before the window manager has framed the window its frame is not known yet.
    const int frame = std::max(frameGeometry().width() - width(), kFrameAllowance);
    setZoneListChars(kZoneListChars);  // measured at their full width
    const bool stack = ConverterRowsStack(
        SideBySideWidth(*static_cast<QGridLayout*>(layout()), rows_), frame, workArea.width());
    if (stack != rowsStacked_) {
        rowsStacked_ = stack;
        delete layout();  // the controls stay, and go into the new arrangement
        ArrangeConverterRows(*new QGridLayout(this), rows_, stack);
    }
    if (!stack) return;
    layout()->activate();
    const int excess = minimumSizeHint().width() + frame - workArea.width();
    setZoneListChars(StackedZoneListChars(
        excess, fromZoneCombo_->fontMetrics().horizontalAdvance(QLatin1Char('x'))));
    layout()->activate();
    // Stacked, the window gives back the width it no longer needs.
    resize(std::max(minimumWidth(), std::min(width(), workArea.width() - frame)), height());
}

void ConverterWindow::setZoneListChars(int chars) {
    for (QComboBox* combo : {fromZoneCombo_, toZoneCombo_}) {
        if (combo->minimumContentsLength() == chars) continue;
        combo->setMinimumContentsLength(chars);
        // Qt keeps the least size it measured for the old length until the style changes.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(combo, &styleChange);
    }
}

void ConverterWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    minuteTicker_->stop();
}

void ConverterWindow::fillZoneLists() {
    listsFilled_ = true;
    const ZoneCatalogue& catalogue = app_.catalogue;
    {
        const QSignalBlocker blockFrom(fromZoneCombo_);
        const QSignalBlocker blockTo(toZoneCombo_);
        for (int index : catalogue.order) {
            if (!catalogue.IsValidIndex(index)) continue;
            const QString text = Utf8(ZoneDisplayText(catalogue, index));
            if (catalogue.IsRegistryZone(index)) fromZoneCombo_->addItem(text, index);
            toZoneCombo_->addItem(text, index);
        }
        fromZoneCombo_->setCurrentIndex(-1);
        toZoneCombo_->setCurrentIndex(-1);
    }
    // The long zone names are read in full in the open list.
    for (QComboBox* combo : {fromZoneCombo_, toZoneCombo_}) {
        combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    }
    fromZoneCombo_->setCurrentIndex(fromZoneCombo_->count() > 0 ? 0 : -1);
    toZoneCombo_->setCurrentIndex(toZoneCombo_->count() > 0 ? 0 : -1);
}

ConverterWindow::~ConverterWindow() {
    app_.preferences.Unsubscribe(preferencesSubscription_);
}

void ConverterWindow::selectZone(QComboBox* combo, int zone) {
    const int row = combo->findData(zone);
    if (row >= 0) combo->setCurrentIndex(row);
}

int ConverterWindow::zoneOf(const QComboBox* combo) {
    const QVariant data = combo->currentData();
    return data.isValid() ? data.toInt() : -1;
}

void ConverterWindow::updateResult() {
    toTimeEdit_->setText(QString::fromStdString(
        ConvertTypedTime(app_.catalogue, zoneOf(fromZoneCombo_), zoneOf(toZoneCombo_),
                         fromTimeEdit_->text().toStdString(), app_.locale,
                         ToCivil(app_.services.clock.NowLocal()).value_or(CivilTime{}))));
    updateMap();
}

void ConverterWindow::swapZones() {
    const int source = zoneOf(fromZoneCombo_);
    const int found = fromZoneCombo_->findData(zoneOf(toZoneCombo_));
    if (found >= 0) fromZoneCombo_->setCurrentIndex(found);
    if (zoneOf(fromZoneCombo_) != zoneOf(toZoneCombo_)) {
        messages_.Tell(
            Message{MessageId::CannotConvertFrom, {toZoneCombo_->currentText().toStdString()}},
            kAppTitle, MsgIcon::Exclamation);
        return;
    }
    const int back = toZoneCombo_->findData(source);
    if (back >= 0) toZoneCombo_->setCurrentIndex(back);
}

void ConverterWindow::selectAllText(QLineEdit* box) {
    box->setSelection(0, std::min(static_cast<int>(box->text().size()), kSelectionLength));
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fromTimeEdit_ || watched == toTimeEdit_) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            selectAllText(box);
            // A click would place the cursor after this; select again once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
                QTimer::singleShot(0, box, [box] { selectAllText(box); });
            }
        } else if (event->type() == QEvent::FocusOut && box == fromTimeEdit_) {
            updateResult();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConverterWindow::keyPressEvent(QKeyEvent* event) {
    // Escape puts the window away as its close box does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConverterWindow::closeEvent(QCloseEvent* event) {
    if (closingForShutDown_) {
        event->accept();
        return;
    }
    hide();
    event->ignore();
}

void ConverterWindow::closeForShutDown() {
    closingForShutDown_ = true;
    close();
}

}  // namespace horavia
