#pragma once
// The printer as the print commands see it. The program drives QPrinter and
// QPainter through it (qt_printer.h); tests record what would be printed.

#include <stdexcept>
#include <string>
#include <string_view>

namespace sbc {

// Any failure of the Print dialog, the printer or the data being printed,
// Cancel included. The print commands catch it and end silently; anything
// else thrown while printing is a fault of the program and goes on up.
struct PrintError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The user cancelled the Print dialog.
struct PrintCancelled : PrintError {
    PrintCancelled() : PrintError("the Print dialog was cancelled") {}
};

// The printer object: a font, lines printed one below the other from the
// top of the printable area, and the end of the document.
class Printer {
public:
    virtual ~Printer() = default;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(std::string_view name) = 0;
    virtual double FontSize() const = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    // Prints one line in the current font and moves down by its line height;
    // a line that does not fit above the bottom margin starts a new page.
    virtual void PrintLine(std::string_view text) = 0;
    virtual void EndDoc() = 0;
};

// The Print dialog and what can be printed after it.
class PrintService {
public:
    virtual ~PrintService() = default;
    // The standard Print dialog, print-to-file hidden, selection disabled.
    // Throws PrintCancelled on Cancel.
    virtual void ShowPrintDialog() = 0;
    // The printer the dialog chose.
    virtual Printer& ChosenPrinter() = 0;
    // Prints the image of the window's client area, scaled to the page.
    virtual void PrintFormImage() = 0;
};

} // namespace sbc
