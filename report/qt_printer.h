#pragma once
// The print layer over QPrintDialog, QPrinter and QPainter.

#include "printer.h"

#include <QPrinter>
#include <memory>

class QWidget;

namespace sbc {

class QtPrintService : public PrintService {
public:
    // `form` is the widget whose image Print Form prints (the client area).
    explicit QtPrintService(QWidget* form);
    ~QtPrintService() override;

    void ShowPrintDialog() override;
    Printer& printer() override;
    void PrintFormImage() override;

private:
    QWidget* form_;
    std::unique_ptr<QPrinter> qprinter_;
    std::unique_ptr<Printer> printer_;
};

} // namespace sbc
