#include "design_look.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace sbc {

namespace colours {
QColor White() { return {255, 255, 255}; }
QColor Yellow() { return {255, 255, 0}; }
QColor Red() { return {255, 0, 0}; }
QColor Black() { return {0, 0, 0}; }
} // namespace colours

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void ApplyDesignLook()
{
    // The design's font is Windows' bitmap face, which the window passes over
    // for an outline face of the same metrics: Windows' own Microsoft Sans
    // Serif, else Liberation Sans. The usual fallback (DejaVu) is wider and
    // clips the captions. The report's font is mapped by the print layer.
    QFont::insertSubstitutions("MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans"});
    // The menus and message boxes take the system's font, on Windows the
    // dialog alias "MS Shell Dlg" (2), which Windows maps to Tahoma. Where no
    // face answers to it (Wine without Windows' own fonts), Qt would take the
    // first face it knows, a serif one.
    for (const char* alias : {"MS Shell Dlg", "MS Shell Dlg 2"})
        QFont::insertSubstitutions(alias, {"Tahoma", "Liberation Sans"});

#ifndef Q_OS_WIN
    // On Linux desktops, Fusion with its own light palette: a dark desktop
    // theme must not turn the white and yellow boxes dark or the black
    // captions invisible. Windows keeps its native style and light palette.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
#endif
}

} // namespace sbc
