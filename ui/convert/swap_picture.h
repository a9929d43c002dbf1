// The small clickable picture that swaps the converter's zones: an arrow up and an arrow down,
// in the palette's text colour.
#pragma once

#include <QWidget>

namespace horavia {

class SwapPicture : public QWidget {
    Q_OBJECT

  public:
    explicit SwapPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace horavia
