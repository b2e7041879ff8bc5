#include "page_printer.h"

#include "qt_printer.h"

#include <QFile>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>

#include <emscripten/val.h>

namespace sbc {

namespace {

// The PDF is written into the page's in-memory file system, then handed to
// the browser.
const QString kPdfFile = QStringLiteral("/tmp/print.pdf");

// The paper a printer in the user's country would hold.
QPageSize LocalPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::MetricSystem ? QPageSize::A4 : QPageSize::Letter);
}

bool IntoPdf(QPrinter& printer, QWidget*)
{
    QFile::remove(kPdfFile);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(kPdfFile);
    printer.setPageSize(LocalPaper());
    return true;
}

void ShowPdfFile()
{
    QFile file(kPdfFile);
    if (!file.open(QIODevice::ReadOnly))
        throw PrintError("the PDF was not written");
    ShowPdfInBrowser(file.readAll());
}

} // namespace

// The report's printer: the desktop's line printer, whose finished document
// is then shown.
class WebPrintService::PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QtPrintService& pdf) : pdf_(pdf) {}
    std::string FontName() const override { return Lines().FontName(); }
    void SetFontName(std::string_view name) override { Lines().SetFontName(name); }
    double FontSize() const override { return Lines().FontSize(); }
    void SetFontSize(double points) override { Lines().SetFontSize(points); }
    void SetFontBold(bool bold) override { Lines().SetFontBold(bold); }
    void PrintLine(std::string_view text) override { Lines().PrintLine(text); }
    void EndDoc() override
    {
        Lines().EndDoc();
        ShowPdfFile();
    }

private:
    Printer& Lines() const { return pdf_.ChosenPrinter(); }
    QtPrintService& pdf_;
};

WebPrintService::WebPrintService() = default;
WebPrintService::~WebPrintService() = default;

void WebPrintService::SetForm(QWidget* form)
{
    printer_.reset();
    pdf_ = std::make_unique<QtPrintService>(form, IntoPdf);
    printer_ = std::make_unique<PdfPrinter>(*pdf_);
}

void WebPrintService::ShowPrintDialog()
{
    if (!pdf_)
        SetForm(nullptr);
    pdf_->ShowPrintDialog();
}

Printer& WebPrintService::ChosenPrinter() { return *printer_; }

void WebPrintService::PrintFormImage()
{
    pdf_->PrintFormImage();
    ShowPdfFile();
}

void ShowPdfInBrowser(const QByteArray& pdf)
{
    using emscripten::val;
    // A copy out of the module's memory, which may move as it grows.
    const val bytes =
        val::global("Uint8Array")
            .new_(val(emscripten::typed_memory_view(static_cast<std::size_t>(pdf.size()),
                                                    reinterpret_cast<const unsigned char*>(pdf.constData()))));
    val parts = val::array();
    parts.call<void>("push", bytes);
    val type = val::object();
    type.set("type", std::string("application/pdf"));
    const val blob = val::global("Blob").new_(parts, type);
    const val url = val::global("URL").call<val>("createObjectURL", blob);
    // A blocked pop-up leaves the page to offer the report as a link, which
    // the user's own tap then opens.
    if (val::global("window").call<val>("open", url, std::string("_blank")).isNull()) {
        const val offer = val::global("sbcOfferPdf");
        if (offer.isUndefined() || offer.isNull())
            throw PrintError("the browser blocked the PDF viewer");
        offer(url);
    }
}

} // namespace sbc
