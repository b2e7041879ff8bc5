// The bare window started the same way as the calculator, reporting its first
// frame.

#include "bare_window.h"
#include "design_look.h"
#include "first_frame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sbc::ApplyDesignLook();
    const auto window = sbc::bench::BuildBareWindow();
    sbc::bench::QuitAfterFirstFrame(*window);
    window->show();
    return app.exec();
}
