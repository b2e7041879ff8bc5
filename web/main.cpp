// The program's entry in the web page: the same window as on the desktop,
// printing to PDF files that the browser shows.
#include "frm_main.h"
#include "page.h"
#include "page_fonts.h"
#include "page_printer.h"
#include "start_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    sbc::FitDesignToViewport();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(SBC_PRODUCT_NAME);
    sbc::AddPageFonts();
    sbc::SetUpApplication();
    sbc::WebPrintService print;
    frmMain window(nullptr, &print);
    print.SetForm(window.centralWidget());
    sbc::ShowOnPage(window);
    return app.exec();
}
