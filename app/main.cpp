#include "frm_main.h"
#include "start_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name desktops and screen readers give the program; with no display
    // name of its own set, Qt uses it as the display name too. A display name
    // set apart would be appended to every window title on X11 and Wayland.
    QCoreApplication::setApplicationName(SBC_PRODUCT_NAME);
    QGuiApplication::setDesktopFileName(SBC_APP_ID);
    sbc::SetUpApplication();
    frmMain window;
    window.show();
    return app.exec();
}
