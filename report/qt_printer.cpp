#include "qt_printer.h"

#include "line_flow.h"
#include "qt_text.h"
#include "report_lines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#endif
#include <QWidget>

namespace sbc {

// Liberation Mono has the metrics of the report's face, so the columns come
// out as designed where that face is missing.
void MapReportFont() { QFont::insertSubstitution(ToQString(kReportFont), QStringLiteral("Liberation Mono")); }

namespace {

QFont InitialFont()
{
    QFont font;
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(12);
    return font;
}

} // namespace

// Lines one below the other from the top-left of the printable area, in the
// current font, with a new page when the next line would cross the bottom.
class QtLinePrinter : public Printer {
public:
    explicit QtLinePrinter(QPrinter& printer) : printer_(printer), font_(InitialFont()) {}
    ~QtLinePrinter() override { FinishDocument(); }

    std::string FontName() const override { return font_.family().toStdString(); }
    void SetFontName(std::string_view name) override { font_.setFamily(ToQString(name)); }
    double FontSize() const override { return font_.pointSizeF(); }
    void SetFontSize(double points) override
    {
        if (!(points > 0))
            throw PrintError("font size must be positive");
        font_.setPointSizeF(points);
    }
    void SetFontBold(bool bold) override { font_.setBold(bold); }

    void PrintLine(std::string_view text) override
    {
        QPainter& painter = Painter();
        painter.setFont(font_);
        const QFontMetricsF metrics(font_, &printer_);
        if (flow_.Place(metrics.lineSpacing(), PageHeight()) && !printer_.newPage())
            throw PrintError("no new page");
        if (!text.empty())
            painter.drawText(QPointF(0, flow_.Top() + metrics.ascent()), ToQString(text));
    }

    void EndDoc() override
    {
        if (painter_.isActive() && !painter_.end())
            throw PrintError("the document could not be finished");
    }

    // Sends what an interrupted report printed, as it stands.
    void FinishDocument() noexcept
    {
        if (painter_.isActive())
            painter_.end();
    }

private:
    // The document begins with its first line, so a report that fails before
    // printing anything leaves no empty page behind.
    QPainter& Painter()
    {
        if (!painter_.isActive()) {
            if (!painter_.begin(&printer_))
                throw PrintError("the printer cannot be reached");
            flow_ = {};
        }
        return painter_;
    }

    double PageHeight() const { return printer_.pageRect(QPrinter::DevicePixel).height(); }

    QPrinter& printer_;
    QFont font_;
    QPainter painter_;
    LineFlow flow_;
};

#if QT_CONFIG(printdialog)
void SetUpPrintDialog(QPrintDialog& dialog)
{
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
}
#endif

bool QtPrintService::RunPrintDialog(QPrinter& printer, QWidget* form)
{
#if QT_CONFIG(printdialog)
    QPrintDialog dialog(&printer, form);
    SetUpPrintDialog(dialog);
    // The window manager or compositor hands the window its activation back.
    return dialog.exec() == QDialog::Accepted;
#else
    // A Qt built without the dialog (the web page's) has nothing to ask:
    // the printer prints as it stands.
    Q_UNUSED(printer);
    Q_UNUSED(form);
    return true;
#endif
}

QtPrintService::QtPrintService(QWidget* form, DialogStep dialogStep)
    : form_(form),
      dialogStep_(std::move(dialogStep)),
      qprinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(std::make_unique<QtLinePrinter>(*qprinter_))
{
    // The print system shows each job under this name, and a PDF printer
    // names its file after it; without one the job has no name.
    qprinter_->setDocName(QGuiApplication::applicationDisplayName());
}

QtPrintService::~QtPrintService() = default;

void QtPrintService::ShowPrintDialog()
{
    // The printer cannot be set up again while a document is open on it.
    printer_->FinishDocument();
    if (!dialogStep_(*qprinter_, form_))
        throw PrintCancelled();
}

Printer& QtPrintService::ChosenPrinter() { return *printer_; }

void QtPrintService::PrintFormImage()
{
    if (!form_)
        throw PrintError("no window to print");
    printer_->FinishDocument();
    const QPixmap image = form_->grab();
    QPainter painter;
    if (!painter.begin(qprinter_.get()))
        throw PrintError("the printer cannot be reached");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize area = qprinter_->pageRect(QPrinter::DevicePixel).size().toSize();
    painter.drawPixmap(QRect(QPoint(0, 0), image.size().scaled(area, Qt::KeepAspectRatio)), image);
    if (!painter.end())
        throw PrintError("the document could not be finished");
}

} // namespace sbc
