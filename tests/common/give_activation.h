#pragma once
// Under the offscreen platform nothing hands the activation back to a window
// once another held it (a menu's popup, a box, a second window); a window
// manager or compositor would. The tests stand in for it. activateWindow()
// alone is not enough there when the platform still counts the window as
// active, so Qt is told directly, through a call Qt 6.5 deprecated for
// programs, which have a window manager.

#include <QApplication>
#include <QWidget>

namespace sbc::test {

inline void GiveActivation(QWidget& window)
{
    window.activateWindow();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&window);
    QT_WARNING_POP
}

} // namespace sbc::test
