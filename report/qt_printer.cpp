#include "qt_printer.h"

#include <QWidget>

namespace sbc {

QtPrintService::QtPrintService(QWidget* form) : form_(form), qprinter_(std::make_unique<QPrinter>()) {}
QtPrintService::~QtPrintService() = default;
void QtPrintService::ShowPrintDialog() { throw PrintError("not built yet"); }
Printer& QtPrintService::printer() { throw PrintError("not built yet"); }
void QtPrintService::PrintFormImage() {}

} // namespace sbc
