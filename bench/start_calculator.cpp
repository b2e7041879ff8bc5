// The calculator started exactly as its own main() does, reporting its first
// frame.

#include "first_frame.h"
#include "frm_main.h"
#include "start_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sbc::SetUpApplication();
    frmMain window;
    sbc::bench::QuitAfterFirstFrame(window);
    window.show();
    return app.exec();
}
