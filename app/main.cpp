#include "design_look.h"
#include "frm_main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("spring-buffer-calculator");
    sbc::ApplyDesignLook();
    frmMain window;
    window.show();
    return app.exec();
}
