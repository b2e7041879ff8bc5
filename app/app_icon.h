#pragma once
#include <QIcon>

namespace sbc {
// The window's icon, drawn at 32 x 32 and 16 x 16 pixels: a car resting on
// a coil spring buffer.
QIcon AppIcon();
QImage AppIconImage(int size);
} // namespace sbc
