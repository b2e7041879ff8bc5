// Printing through CUPS as a user does: the window's Print Data and Print
// Form, the real Print dialog, a printer picked in it by name, and what the
// print queue received read back.
//
// It prints through the CUPS daemon that scripts/with-cups.sh starts around
// it (ctest runs it so), found by the program through CUPS_SERVER. Two queues:
// - "Keeper", the runner's, which keeps each job's document in the spool as
//   the program sent it, so its text, faces and sizes read back;
// - "PDF", the cups-pdf printer that a desktop without a printer has, added
//   here and made the default. It rebuilds the document through Ghostscript,
//   after which pdftotext reads the text as glyph codes, so only its pages
//   are counted.

#include "answering_dialogs.h"
#include "frm_main.h"
#include "pdf_pages.h"
#include "qt_application.h"
#include "sample_elevator.h"
#include "text_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace sbc::test {
namespace {

const QString kKeeper = QStringLiteral("Keeper");
const QString kPdfPrinter = QStringLiteral("PDF");
// Where Debian's printer-driver-cups-pdf puts its backend and driver.
const QString kCupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kCupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// Liberation Mono, the report face: each character is 1229/2048 em wide, each
// line 2320/2048 em high.
constexpr double kPitchPerPoint = 1229.0 / 2048;
constexpr double kLineHeightPerPoint = 2320.0 / 2048;

// A font size as Qt sets it on a printer of `dpi` dots per inch: in whole
// device pixels (14 points at 1200 dpi print as 233 pixels, 13.98 points).
double OnDevice(double points, int dpi) { return std::round(points * dpi / 72) * 72 / dpi; }

bool WaitFor(const std::function<bool()>& done, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i) {
        if (done())
            return true;
        QTest::qWait(100);
    }
    return done();
}

// The runner's daemon: its spool, and its folder with the logs.
QString Spool() { return qEnvironmentVariable("SBC_CUPS_SPOOL"); }
QString DaemonLog() { return QFileInfo(Spool()).path() + "/error_log"; }

// lpadmin says on stderr that drivers and raw queues are deprecated; only
// its exit status counts.
bool Lpadmin(const QStringList& arguments) { return RunTool(LPADMIN, arguments).has_value(); }

// The document of the job Keeper took last, as the program sent it.
QString LastKept()
{
    const QStringList kept = QDir(Spool()).entryList({"d*-001"}, QDir::Files, QDir::Name);
    return kept.isEmpty() ? QString() : Spool() + "/" + kept.last();
}

// Waits until every job has left the queues.
bool WaitForJobs()
{
    return WaitFor([] { return RunTool(LPSTAT, {"-o"}).value_or("x").trimmed().isEmpty(); }, 60);
}

// Why a job is stuck: the queues' states and the daemon's lines about its
// jobs, without its many lines about the clients that poll it.
std::string JobReport()
{
    QString report = "\nlpstat -l -o -p:\n" + RunTool(LPSTAT, {"-l", "-o", "-p"}).value_or("(failed)");
    QFile file(DaemonLog());
    if (file.open(QIODevice::ReadOnly)) {
        QStringList jobLines;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.contains("[Job "))
                jobLines << QString::fromUtf8(line);
        report +=
            "\nerror_log, the jobs' lines:\n" + jobLines.mid(std::max<qsizetype>(0, jobLines.size() - 40)).join('\n');
    }
    return report.toStdString();
}

// The cups-pdf queue, writing into `out`; gives why it cannot be set up, or
// nothing. cups-pdf reads its settings only from /etc/cups, the file of a
// queue named cups-pdf:/NAME being cups-pdf-NAME.conf, written to `conf`.
QString AddPdfPrinter(const QString& out, QString& conf)
{
    if (!QFile::exists(kCupsPdfBackend) || !QFile::exists(kCupsPdfPpd))
        return "printer-driver-cups-pdf is not installed";
    const QString instance = QString("sbctest%1").arg(QCoreApplication::applicationPid());
    QFile file("/etc/cups/cups-pdf-" + instance + ".conf");
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + file.fileName() + " (cups-pdf reads its settings from /etc/cups only; run as root)";
    conf = file.fileName();
    file.write(QFile::encodeName(QString("Out %1/pdf\nSpool %1/spool\nLog %1\nGrp root\n").arg(out)));
    file.close();
    if (!Lpadmin({"-p", kPdfPrinter, "-E", "-v", "cups-pdf:/" + instance, "-P", kCupsPdfPpd}))
        return "lpadmin could not add the cups-pdf queue";
    return {};
}

// What the cups-pdf queue made, in the order of the jobs (cups-pdf names
// each file after the job's title and number).
QStringList PdfPrinterFiles(const QString& out)
{
    static const QRegularExpression kJob(R"(job_(\d+)\.pdf$)");
    QStringList files = QDir(out + "/pdf").entryList({"*.pdf"}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return kJob.match(a).captured(1).toInt() < kJob.match(b).captured(1).toInt();
    });
    for (QString& name : files)
        name = out + "/pdf/" + name;
    return files;
}

// What the Print dialog showed: its printer list, the printer it offered
// first, and the page as the printer was set up when Print was pressed.
struct DialogSeen {
    bool shown = false;
    QStringList printers;
    QString offered;
    QPageLayout page;
    int resolution = 0;
};

// Answers the next Print dialog as a user does: picks `printer` in its list
// (an empty name keeps the one offered) and presses Print.
class PrintDialogAnswer {
public:
    explicit PrintDialogAnswer(QString printer) : printer_(std::move(printer))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(20);
    }

    DialogSeen seen;

private:
    void Answer()
    {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer_.stop();
        QComboBox* list = nullptr; // the printer list: the box that offers the runner's queue
        for (auto* box : dialog->findChildren<QComboBox*>())
            if (box->findText(kKeeper) >= 0)
                list = box;
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (!list || !buttons || !buttons->button(QDialogButtonBox::Ok)) {
            dialog->reject();
            return;
        }
        seen.shown = true;
        for (int i = 0; i < list->count(); ++i)
            seen.printers << list->itemText(i);
        seen.offered = list->currentText();
        if (!printer_.isEmpty())
            list->setCurrentIndex(list->findText(printer_));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        seen.page = dialog->printer()->pageLayout();
        seen.resolution = dialog->printer()->resolution();
    }

    QString printer_;
    QTimer timer_;
};

// A Letter page of the Keeper queue, 756 points high within its margins,
// holds 47 fourteen-point lines (15.84 points each at the printer's
// resolutions): the sample's 50 lines take two pages, its 40 without the
// plunger one. An A4 page of the cups-pdf queue, 842 points without
// margins, holds 53: one page.
constexpr std::size_t kLinesPerLetterPage = 47;

// The printed lines of `pages`, blank ones included, rebuilt from where each
// line stands: every line, whatever its size, starts where the lines above it
// end, and a page holds kLinesPerLetterPage of them. Fails the test when a
// line stands off that grid.
std::vector<std::string> LinesOnGrid(const std::vector<PdfPage>& pages, const DialogSeen& seen)
{
    const QRectF printable = seen.page.paintRect(QPageLayout::Point);
    const double lineHeight = OnDevice(14, seen.resolution) * kLineHeightPerPoint;
    std::vector<std::string> lines;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::size_t first = p * kLinesPerLetterPage;
        for (const PageLine& line : pages[p].lines) {
            const double slot = (line.top - printable.top()) / lineHeight;
            EXPECT_NEAR(slot, std::round(slot), 0.05) << "page " << p + 1 << ": " << line.text;
            const std::size_t index = first + static_cast<std::size_t>(std::lround(slot));
            if (lines.size() <= index)
                lines.resize(index + 1);
            lines[index] = line.text;
        }
        if (p + 1 < pages.size())
            lines.resize(first + kLinesPerLetterPage);
    }
    return lines;
}

// The face names in a PDF, without subset prefixes, and whether all are embedded.
std::pair<std::set<std::string>, bool> Faces(const QString& pdf)
{
    std::set<std::string> faces;
    bool embedded = true;
    const std::optional<QString> list = RunTool(PDFFONTS, {pdf});
    if (!list)
        return {faces, false};
    // name type encoding emb sub uni object ID, after a heading and a rule
    for (const QString& row : list->trimmed().split('\n').mid(2)) {
        const QStringList cells = row.split(' ', Qt::SkipEmptyParts);
        if (cells.size() < 4)
            continue;
        faces.insert(cells[0].section('+', -1).toStdString());
        embedded = embedded && row.contains(QRegularExpression(R"(\s(yes)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)"));
    }
    return {faces, embedded};
}

int PageCount(const QString& pdf)
{
    static const QRegularExpression kPages(R"(^Pages:\s+(\d+)$)", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = kPages.match(RunTool(PDFINFO, {pdf}).value_or(""));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (Spool().isEmpty())
            return;
        ::chmod(QFile::encodeName(pdfOut_.path()).constData(), 0755); // cups-pdf writes as the job's user
        whyNoPdfPrinter_ = AddPdfPrinter(pdfOut_.path(), cupsPdfConf_);
        // A desktop whose only printer is cups-pdf has it as its default.
        if (whyNoPdfPrinter_.isEmpty())
            Lpadmin({"-d", kPdfPrinter});
    }
    static void TearDownTestSuite()
    {
        if (!cupsPdfConf_.isEmpty())
            QFile::remove(cupsPdfConf_);
    }

    void SetUp() override
    {
        if (Spool().isEmpty())
            GTEST_SKIP() << "No CUPS daemon of the test's own: run it through scripts/with-cups.sh (ctest does)";
        if (QString(PDFTOTEXT).isEmpty() || QString(PDFFONTS).isEmpty() || QString(PDFIMAGES).isEmpty()
            || QString(PDFINFO).isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
        form = std::make_unique<frmMain>(&dialogs, nullptr);
        form->show();
    }

    // The sample elevator in the boxes, as if typed and calculated: no
    // change handler runs to empty the results.
    void ShowSampleElevator()
    {
        for (const auto& [box, text] : kSampleElevator) {
            const QSignalBlocker quiet(form->ControlOf(box));
            form->ControlOf(box)->setText(text);
        }
    }

    // Runs a File menu command, answering its Print dialog with `printer`,
    // and waits until the job has left the queue.
    DialogSeen PrintThrough(MenuEntry command, const QString& printer)
    {
        PrintDialogAnswer answer(printer);
        form->ControlOf(command)->trigger();
        EXPECT_TRUE(answer.seen.shown) << "the Print dialog was shown";
        EXPECT_TRUE(WaitForJobs()) << JobReport();
        return answer.seen;
    }

    // Prints the data report on Keeper and compares what the queue kept with
    // the sample's report: text, blank lines, face and size.
    void CheckDataReportReadsBackExact(bool plungerYes)
    {
        const QString before = LastKept();
        const DialogSeen seen = PrintThrough(MenuEntry::mnuPrintData, kKeeper);
        QStringList printers{kKeeper};
        if (whyNoPdfPrinter_.isEmpty())
            printers << kPdfPrinter;
        EXPECT_EQ(seen.printers, printers) << "the system's printers, and no print to file";
        const QString kept = LastKept();
        ASSERT_NE(kept, before) << JobReport();

        const QRectF printable = seen.page.paintRect(QPageLayout::Point);
        SCOPED_TRACE(QString("printable area %1,%2 %3 x %4 pt at %5 dpi")
                         // clang-format off
                         .arg(printable.left()).arg(printable.top()).arg(printable.width())
                         .arg(printable.height()).arg(seen.resolution).toStdString());
        // clang-format on
        const std::vector<PdfPage> pages = ReadPages(PDFTOTEXT, kept, printable.left());
        ASSERT_EQ(pages.size(), plungerYes ? 2u : 1u);
        for (const PdfPage& page : pages) {
            EXPECT_NEAR(page.width, 612, 0.5) << "the printer's own paper, US Letter";
            EXPECT_NEAR(page.height, 792, 0.5);
        }

        std::vector<std::string> expected = SampleReport(plungerYes);
        for (std::string& line : expected)
            line = TrimmedRight(line);
        EXPECT_EQ(LinesOnGrid(pages, seen), expected);

        // Fourteen points, the last line ten.
        std::vector<double> sizes, expectedSizes;
        for (const PdfPage& page : pages)
            for (const PageLine& line : page.lines)
                sizes.push_back(std::round(line.pitch / kPitchPerPoint * 100) / 100);
        for (std::size_t i = 0; i < expected.size(); ++i)
            if (!expected[i].empty())
                expectedSizes.push_back(std::round(OnDevice(i + 1 == expected.size() ? 10 : 14, seen.resolution) * 100)
                                        / 100);
        EXPECT_EQ(sizes, expectedSizes) << "points of each printed line at " << seen.resolution << " dpi";

        const auto [faces, embedded] = Faces(kept);
        EXPECT_EQ(faces, (std::set<std::string>{"LiberationMono", "LiberationMono-Bold"}));
        EXPECT_TRUE(embedded);
    }

    inline static QTemporaryDir pdfOut_; // what the cups-pdf queue writes
    inline static QString cupsPdfConf_;
    inline static QString whyNoPdfPrinter_;
    AnsweringDialogs dialogs;
    std::unique_ptr<frmMain> form;
};

TEST_F(CupsPrinting, DataReportInImperialWithPlungerReadsBackExact)
{
    ShowSampleElevator();
    ASSERT_NO_FATAL_FAILURE(CheckDataReportReadsBackExact(true));
}

TEST_F(CupsPrinting, DataReportInMetricWithoutPlungerReadsBackExact)
{
    form->ControlOf(Option::optMetric)->click();
    form->ControlOf(Option::optPlungerNo)->click();
    ShowSampleElevator();
    ASSERT_NO_FATAL_FAILURE(CheckDataReportReadsBackExact(false));
}

TEST_F(CupsPrinting, FormImageArrivesOnOnePage)
{
    form->SetText(Box::txtID, "Car 5");
    form->SetText(Box::txtOSDD, "100");
    const QString before = LastKept();
    PrintThrough(MenuEntry::mnuPrintForm, kKeeper);
    const QString kept = LastKept();
    ASSERT_NE(kept, before) << JobReport();
    EXPECT_EQ(PageCount(kept), 1);
    // page num type width height ...
    const std::optional<std::vector<QStringList>> images = TableRows(PDFIMAGES, {"-list", kept});
    ASSERT_TRUE(images);
    ASSERT_EQ(images->size(), 1u);
    const QStringList& row = images->front();
    ASSERT_GE(row.size(), 5);
    EXPECT_EQ(QSize(row[3].toInt(), row[4].toInt()), form->centralWidget()->size());
}

TEST_F(CupsPrinting, DefaultPdfPrinterMakesAPdfOfEveryPage)
{
    if (!whyNoPdfPrinter_.isEmpty())
        GTEST_SKIP() << "No cups-pdf queue: " << whyNoPdfPrinter_.toStdString();
    ShowSampleElevator();

    const DialogSeen data = PrintThrough(MenuEntry::mnuPrintData, {});
    EXPECT_EQ(data.offered, kPdfPrinter) << "the dialog offers the system's default printer";
    PrintThrough(MenuEntry::mnuPrintForm, {});

    const QStringList files = PdfPrinterFiles(pdfOut_.path());
    ASSERT_EQ(files.size(), 2) << JobReport();
    EXPECT_EQ(PageCount(files[0]), 1) << "the sample's 50 lines on A4";
    EXPECT_EQ(PageCount(files[1]), 1);
    for (const QString& file : files) {
        EXPECT_TRUE(RunTool(PDFINFO, {file}).value_or("").contains("Page size:       595 x 842 pts"))
            << "on the queue's own paper, A4";
        // cups-pdf names each file after its job, which the program names.
        EXPECT_TRUE(QFileInfo(file).fileName().startsWith(QGuiApplication::applicationDisplayName()))
            << file.toStdString();
    }
}

} // namespace
} // namespace sbc::test
