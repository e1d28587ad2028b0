#include "app/qt/form_font.h"

#include <QStringList>

namespace brindle::qt {

QFont FormFont() {
    QFont font;
    // Tahoma is the closest relative of the bitmap face; DejaVu Sans shares
    // its build and, at 11 pixels, its 13-pixel line.
    font.setFamilies(QStringList{"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace brindle::qt
