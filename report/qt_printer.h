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

#if QT_CONFIG(printdialog)
// The program's Print dialog: Print to File hidden, and no print range for a
// selection (neither command prints a part of anything).
void SetUpPrintDialog(QPrintDialog& dialog);
#endif

class QtPrintService : public PrintService {
public:
    // Sets the printer up for the next job and tells whether the user chose
    // Print. The program asks with the Print dialog over the form
    // (RunPrintDialog); tests and the web page set the printer up themselves.
    using DialogStep = std::function<bool(QPrinter& printer, QWidget* form)>;
    static bool RunPrintDialog(QPrinter& printer, QWidget* form);

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
