#pragma once
// Printing in a web page: there is no printer queue there, the browser is
// the printer. Each print makes a PDF of the same pages the desktop prints
// and opens it in the browser's own PDF viewer, from which the user prints,
// saves or shares it.

#include "printer.h"

#include <QByteArray>

#include <memory>

class QWidget;

namespace sbc {

class QtPrintService;

class WebPrintService : public PrintService {
public:
    WebPrintService();
    ~WebPrintService() override;
    // The widget whose image Print Form prints (the client area).
    void SetForm(QWidget* form);

    // Nothing to ask: the PDF goes on the paper of the browser's locale.
    void ShowPrintDialog() override;
    Printer& ChosenPrinter() override;
    void PrintFormImage() override;

private:
    class PdfPrinter;
    std::unique_ptr<QtPrintService> pdf_;
    std::unique_ptr<PdfPrinter> printer_;
};

// Opens PDF bytes in the browser's PDF viewer, in a new tab.
void ShowPdfInBrowser(const QByteArray& pdf);

} // namespace sbc
