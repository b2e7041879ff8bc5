// The Qt print layer: the Print dialog's options, and the report and the
// window image printed into PDF files and read back with poppler's tools.

#include "pdf_pages.h"
#include "print_commands.h"
#include "qt_application.h"
#include "qt_printer.h"
#include "recording_print.h"
#include "sample_elevator.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace sbc::test {
namespace {

constexpr double kMargin = 36;                     // points on every side, set by the test's Print dialog
constexpr double kLineHeight = 14 * 2320.0 / 2048; // Liberation Mono at 14 points, in points

// Answers the Print dialog with Print, sending the job into a PDF file.
QtPrintService::DialogStep PrintInto(const QString& pdf, QPageSize::PageSizeId page)
{
    return [pdf, page](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(page));
        printer.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
        return true;
    };
}

TEST(QtPrintDialog, HidesPrintToFileDisablesSelectionAndCancelEndsTheCommand)
{
    // Windows' Print dialog is the system's own, which a test cannot answer:
    // the options are read off the dialog as the program sets it up.
    QPrinter printer;
    QPrintDialog dialog(&printer);
    SetUpPrintDialog(dialog);
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));

    bool asked = false;
    QtPrintService service(nullptr, [&](QPrinter&, QWidget*) {
        asked = true;
        return false;
    });
    EXPECT_THROW(service.ShowPrintDialog(), PrintError);
    EXPECT_TRUE(asked);
}

class QtPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "poppler's tools, which read the PDFs back, are Linux programs: a Windows program cannot "
                        "run them (under Wine they start, but their output does not come back)";
#endif
        if (QString(PDFTOTEXT).isEmpty() || QString(PDFFONTS).isEmpty() || QString(PDFIMAGES).isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
        // Setting SBC_KEEP_PDF_DIR keeps the printed files for a look at them.
        const QString keep = qEnvironmentVariable("SBC_KEEP_PDF_DIR");
        folder_ = keep.isEmpty() ? dir_.path() : keep;
        FillSampleElevator(form);
    }

    QString Pdf(const QString& name) const { return folder_ + "/" + name + ".pdf"; }

    // Prints the data report of `form` on a page of the given size.
    void PrintReport(const QString& pdf, QPageSize::PageSizeId page)
    {
        QtPrintService service(nullptr, PrintInto(pdf, page));
        const std::string fontBefore = service.ChosenPrinter().FontName();
        mnuPrintData_Click(form, service);
        EXPECT_EQ(service.ChosenPrinter().FontName(), fontBefore);
    }

    // The report's text lines, as they stand on paper.
    std::vector<std::string> ExpectedPrintedLines() const
    {
        std::vector<std::string> lines;
        for (const std::string& text : Texts(BuildDataReport(form, CountsOf(2, 1))))
            if (!TrimmedRight(text).empty())
                lines.push_back(TrimmedRight(text));
        return lines;
    }

    FakeForm form;

private:
    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(QtPrinting, ReportLosesNoLineAcrossPagesOnLetterAndA4)
{
    for (const auto& [name, page] : {std::pair{"report-letter", QPageSize::Letter}, {"report-a4", QPageSize::A4}}) {
        SCOPED_TRACE(name);
        const QString pdf = Pdf(name);
        PrintReport(pdf, page);
        const std::vector<PdfPage> pages = ReadPages(PDFTOTEXT, pdf, kMargin);
        EXPECT_EQ(pages.size(), 2u) << "fourteen-point lines do not fit one page";
        if (pages.size() != 2u)
            continue;

        std::vector<std::string> printed;
        for (const PdfPage& sheet : pages) {
            SCOPED_TRACE("page " + std::to_string(&sheet - pages.data() + 1));
            EXPECT_FALSE(sheet.lines.empty());
            if (sheet.lines.empty())
                continue;
            // The report opens with two empty lines; a page may also begin with one.
            EXPECT_GE(sheet.lines.front().top, kMargin - 1);
            EXPECT_LT(sheet.lines.front().top, kMargin + 2 * kLineHeight + 2) << "pages start at the top";
            EXPECT_LE(sheet.lines.back().bottom, sheet.height - kMargin) << "nothing below the printable area";
            for (const PageLine& line : sheet.lines)
                printed.push_back(line.text);
        }
        EXPECT_GT(pages[0].lines.empty() ? 0 : pages[0].lines.back().bottom,
                  pages[0].height - kMargin - 3 * kLineHeight)
            << "the first page is used up";
        EXPECT_EQ(printed, ExpectedPrintedLines());
    }
}

TEST_F(QtPrinting, ReportIsSetInTheCourierSubstituteRegularAndBold)
{
    const QString pdf = Pdf("report-fonts");
    PrintReport(pdf, QPageSize::Letter);
    const std::optional<QString> fonts = RunTool(PDFFONTS, {pdf});
    ASSERT_TRUE(fonts);
    const QRegularExpression regularFace(R"(^(\w+\+)?LiberationMono\s)", QRegularExpression::MultilineOption);
    EXPECT_TRUE(fonts->contains(regularFace)) << fonts->toStdString();
    EXPECT_TRUE(fonts->contains("LiberationMono-Bold")) << fonts->toStdString();
    EXPECT_FALSE(fonts->contains("DejaVu")) << fonts->toStdString();
}

TEST_F(QtPrinting, CancelledDialogWritesNoFile)
{
    const QString pdf = Pdf("cancelled");
    QtPrintService service(nullptr, [&](QPrinter& printer, QWidget* window) {
        PrintInto(pdf, QPageSize::Letter)(printer, window);
        return false;
    });
    mnuPrintData_Click(form, service);
    mnuPrintForm_Click(form, service);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(QtPrinting, PrintFormPutsTheWindowImageOnThePageKeepingItsProportions)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Elevator Identification"));
    layout->addWidget(new QLineEdit("Car 3"));
    window.resize(400, 300);

    const QString pdf = Pdf("form");
    QtPrintService service(&window, PrintInto(pdf, QPageSize::Letter));
    mnuPrintForm_Click(form, service);

    // One row per image:
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const std::optional<std::vector<QStringList>> images = TableRows(PDFIMAGES, {"-list", pdf});
    ASSERT_TRUE(images);
    ASSERT_EQ(images->size(), 1u);
    const QStringList& row = images->front();
    ASSERT_GE(row.size(), 14);
    EXPECT_EQ(row[3].toInt(), 400);
    EXPECT_EQ(row[4].toInt(), 300);
    EXPECT_EQ(row[12], row[13]) << "the same resolution across and down";
    const double widthInches = (8.5 * 72 - 2 * kMargin) / 72; // the printable width of Letter
    EXPECT_NEAR(row[12].toDouble(), 400 / widthInches, 1);
}

} // namespace
} // namespace sbc::test
