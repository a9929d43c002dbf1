// The small clickable picture that swaps the converter's zones.
#pragma once

#include <QLabel>

namespace horavia {

class SwapPicture : public QLabel {
    Q_OBJECT

  public:
    explicit SwapPicture(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace horavia
