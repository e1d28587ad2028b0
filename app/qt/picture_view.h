#pragma once
// Image1: shows a picture of the stored window, always at the picture's own
// size. Only the three colour bytes of each pixel count; the fourth byte of
// 32-bit pictures is kept for saving but never shown.

#include "app/picture.h"

#include <QImage>
#include <QWidget>

namespace brindle::qt {

class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Takes over what the picture holds now and its size.
    void Show(const Picture& picture);
    const QImage& Shown() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// The picture as an opaque image, rows from the top.
QImage OpaqueImageOf(const Picture& picture);

} // namespace brindle::qt
