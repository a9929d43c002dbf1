// A search field for places: type a city, country or zone and the places found drop down
// below it; Down moves into them, Enter takes the one chosen (in the field, the first). Once a
// place is taken, Enter is the window's again (a dialog's default button) until the text is
// edited.
#pragma once

#include <QLineEdit>
#include <vector>

#include "model/place_search.h"
#include "model/zone_catalogue.h"

class QCompleter;
class QStringListModel;

namespace horavia {

class PlaceFinder;

class PlaceSearchBox : public QLineEdit {
    Q_OBJECT

  public:
    // The finder reads its table on the first search; it and the catalogue must outlive this.
    PlaceSearchBox(const ZoneCatalogue& catalogue, PlaceFinder& finder, QWidget* parent = nullptr);

    // The places the drop-down list offers, best first.
    const std::vector<PlaceMatch>& matches() const { return matches_; }
    // The drop-down list (for its keys and, in tests, to find it).
    QWidget* resultList() const;

  signals:
    void placeChosen(const horavia::PlaceMatch& match);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void search(const QString& text);
    void choose(int row);

    const ZoneCatalogue& catalogue_;
    PlaceFinder& finder_;
    std::vector<PlaceMatch> matches_;
    bool placeTaken_ = false;  // the text shows a place taken, not a search being typed
    QStringListModel* model_;
    QCompleter* completer_;
};

}  // namespace horavia
