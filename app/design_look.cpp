#include "design_look.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

namespace sbc {

namespace colours {
QColor White() { return {255, 255, 255}; }
QColor Yellow() { return {255, 255, 0}; }
QColor Red() { return {255, 0, 0}; }
QColor Black() { return {0, 0, 0}; }
} // namespace colours

void ApplyDesignLook()
{
    // The design's fonts are not on Linux desktops; Liberation's faces have
    // the same metrics, while the usual fallback (DejaVu) is wider and clips
    // the captions.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");

    // Fusion with its own light palette: a dark desktop theme must not turn
    // the white and yellow boxes dark or the black captions invisible.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
}

} // namespace sbc
