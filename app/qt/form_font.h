#pragma once

#include <QFont>

namespace brindle::qt {

// The window's font: 11 pixels high, giving 13-pixel text lines at 96 dpi.
// The classic bitmap face is preferred where it exists; elsewhere the first
// installed of a few faces of the same build and line height.
QFont FormFont();

} // namespace brindle::qt
