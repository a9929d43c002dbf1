// The picture area of the world map: an indexed picture drawn unscaled inside a sunken
// border. Mouse presses are reported in picture pixels, 0,0 at the inner top-left corner.
#pragma once

#include <QFrame>
#include <QImage>

namespace horavia {

// The map compiled into the program: 356 x 184, 8 bits per pixel, pixel values are area
// numbers. A null picture when the resource cannot be read.
QImage LoadWorldMapPicture();

class MapPicture : public QFrame {
    Q_OBJECT

  public:
    explicit MapPicture(QWidget* parent = nullptr);

    // A picture that is not 8-bit indexed is not shown.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    // Replaces the picture's whole colour table and redraws; the pixels are not touched.
    void SetColourTable(const QVector<QRgb>& table);

    QSize sizeHint() const override;

  signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace horavia
