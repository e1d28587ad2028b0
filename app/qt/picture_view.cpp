#include "app/qt/picture_view.h"

#include <QPainter>

namespace brindle::qt {

QImage OpaqueImageOf(const Picture& picture) {
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return {};
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    const size_t bytesPerPixel = static_cast<size_t>(picture.Depth() / 8);
    for (int y = 0; y < picture.Height(); ++y) {
        std::span<const uint8_t> row = picture.Row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const uint8_t* pixel = row.data() + static_cast<size_t>(x) * bytesPerPixel;
            out[x] = qRgb(pixel[2], pixel[1], pixel[0]);
        }
    }
    return image;
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    resize(0, 0);
}

void PictureView::Show(const Picture& picture) {
    image_ = OpaqueImageOf(picture);
    resize(picture.Width(), picture.Height());
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

} // namespace brindle::qt
