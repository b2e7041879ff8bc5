#pragma once
// The print layer over QPrintDialog, QPrinter and QPainter.

#include "printer.h"

#include <QPrinter>
#include <functional>
#include <memory>

class QPrintDialog;
class QWidget;

namespace sbc {

class QtLinePrinter;

// Maps the report's font to a face with its metrics where it is missing, for
// the whole process (SetUpApplication).
void MapReportFont();

class QtPrintService : public PrintService {
public:
    // Runs the prepared Print dialog over the printer and tells whether the
    // user chose Print. The program runs it modally (RunPrintDialog); tests
    // answer it themselves.
    using DialogStep = std::function<bool(QPrintDialog& dialog, QPrinter& printer)>;
    static bool RunPrintDialog(QPrintDialog& dialog, QPrinter& printer);

    // `form` is the widget whose image Print Form prints (the client area).
    explicit QtPrintService(QWidget* form, DialogStep dialogStep = RunPrintDialog);
    ~QtPrintService() override;

    void ShowPrintDialog() override;
    Printer& ChosenPrinter() override;
    void PrintFormImage() override;

private:
    QWidget* form_;
    DialogStep dialogStep_;
    std::unique_ptr<QPrinter> qprinter_;
    std::unique_ptr<QtLinePrinter> printer_;
};

} // namespace sbc
