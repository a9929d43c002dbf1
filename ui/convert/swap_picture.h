// The button that swaps the converter's zones, drawn as an arrow up and an arrow down in the
// palette's text colour. A button to the keyboard (Space) and to screen readers
// ("Swap zones").
#pragma once

#include <QAbstractButton>

namespace horavia {

class SwapPicture : public QAbstractButton {
    Q_OBJECT

  public:
    explicit SwapPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace horavia
