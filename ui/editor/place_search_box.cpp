#include "ui/editor/place_search_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

#include "platform/place_finder.h"
#include "platform/qt_utf8.h"

namespace horavia {

PlaceSearchBox::PlaceSearchBox(const ZoneCatalogue& catalogue, PlaceFinder& finder, QWidget* parent)
    : QLineEdit(parent),
      catalogue_(catalogue),
      finder_(finder),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(model_, this)) {
    setPlaceholderText(tr("Find a city, country or time zone"));
    setClearButtonEnabled(true);
    setAccessibleName(tr("Find a place"));
    // The list shows what the place search found, in its order: no filtering of its own.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(8);
    completer_->setWidget(this);
    completer_->popup()->setObjectName(QStringLiteral("placeResults"));
    connect(this, &QLineEdit::textEdited, this, &PlaceSearchBox::search);
    connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.row()); });
}

QWidget* PlaceSearchBox::resultList() const {
    return completer_->popup();
}

void PlaceSearchBox::search(const QString& text) {
    placeTaken_ = false;
    matches_ = finder_.Find(text.toStdString(), catalogue_);
    QStringList lines;
    for (const PlaceMatch& m : matches_) lines << Utf8(m.place + "  \u2014  " + m.zoneDisplay);
    model_->setStringList(lines);
    if (matches_.empty()) {
        completer_->popup()->hide();
    } else {
        completer_->complete();
    }
}

void PlaceSearchBox::choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= matches_.size()) return;
    const PlaceMatch chosen = matches_[static_cast<std::size_t>(row)];
    completer_->popup()->hide();
    setText(Utf8(chosen.place));
    placeTaken_ = true;
    emit placeChosen(chosen);
}

void PlaceSearchBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Down && !matches_.empty()) {
        // Into the places found, opening the list again if it was closed.
        if (!completer_->popup()->isVisible()) completer_->complete();
        completer_->popup()->setCurrentIndex(model_->index(0));
        return;
    }
    // Enter takes the place highlighted in the list, else the first place found; with none,
    // or once a place is taken, the window's default button acts.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QModelIndex highlighted = completer_->popup()->currentIndex();
        if (completer_->popup()->isVisible() && highlighted.isValid()) {
            choose(highlighted.row());
            return;
        }
        if (!matches_.empty() && !placeTaken_) {
            choose(0);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace horavia
