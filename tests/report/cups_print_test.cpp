// Printing through CUPS as a user does: the window's Print Data and Print
// Form, the real Print dialog, a printer picked in it by name, and what the
// print queue received read back.
//
// The test runs a cupsd of its own (configuration, spool, logs and socket in
// a temporary folder, found by the program through CUPS_SERVER), so a system
// cupsd is left alone, and ends it by its process id. Two queues:
// - "FileKeeper" passes the program's PDF unchanged to a file: device, so its
//   text, faces and sizes read back;
// - "PDF", the cups-pdf printer that a desktop without a printer has, and the
//   default. It rebuilds the document through Ghostscript, after which
//   pdftotext reads the text as glyph codes, so only its pages are counted.

#include "answering_dialogs.h"
#include "frm_main.h"
#include "line_flow.h"
#include "pdf_pages.h"
#include "qt_application.h"
#include "recording_print.h"
#include "report_lines.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace sbc::test {
namespace {

const QString kKeeper = QStringLiteral("FileKeeper");
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
double OnDevice(double points, int dpi)
{
    return std::round(points * dpi / 72) * 72 / dpi;
}

bool WaitFor(const std::function<bool()>& done, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i) {
        if (done())
            return true;
        QTest::qWait(100);
    }
    return done();
}

// A cupsd of the test's own, its queues, and the files they print into.
class CupsDaemon {
public:
    CupsDaemon()
    {
        root_ = dir_.path();
        // Setting SBC_KEEP_CUPS_DIR keeps the folder, logs and printed files for a look.
        if (qEnvironmentVariableIsSet("SBC_KEEP_CUPS_DIR")) {
            dir_.setAutoRemove(false);
            std::cout << "CUPS folder kept: " << root_.toStdString() << std::endl;
        }
    }

    ~CupsDaemon()
    {
        if (cupsd_.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(cupsd_.processId()), SIGTERM);
            if (!cupsd_.waitForFinished(10000)) {
                cupsd_.kill();
                cupsd_.waitForFinished();
            }
        }
        if (!cupsPdfConf_.isEmpty())
            QFile::remove(cupsPdfConf_);
    }

    // Starts the daemon; gives why it could not, or nothing.
    QString Start()
    {
        if (QString(CUPSD).isEmpty() || QString(LPADMIN).isEmpty() || QString(LPSTAT).isEmpty())
            return "cupsd, lpadmin or lpstat is missing (packages cups, cups-client)";
        if (!dir_.isValid())
            return "no temporary folder";
        // Filters run as user lp: they must reach the folders and write the temporary one.
        ::chmod(QFile::encodeName(root_).constData(), 0755);
        for (const char* sub : {"spool", "cache", "state", "tmp"})
            QDir(root_).mkdir(sub);
        ::chmod(QFile::encodeName(root_ + "/tmp").constData(), 01777);
        // The configuration every test daemon of the project shares, for this folder.
        if (!Configure("cups-files.conf") || !Configure("cupsd.conf"))
            return "cannot write the daemon's configuration";

        // Every CUPS client of this process and its children, the program
        // included, talks to this daemon. LPDEST and PRINTER would override
        // the default printer it names.
        qputenv("CUPS_SERVER", QFile::encodeName(Socket()));
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.setStandardOutputFile(root_ + "/cupsd.out");
        cupsd_.start(CUPSD, {"-f", "-c", root_ + "/cupsd.conf", "-s", root_ + "/cups-files.conf"});
        if (!cupsd_.waitForStarted(10000))
            return "cupsd could not be started: " + cupsd_.errorString();
        const bool up = WaitFor(
            [&] {
                return cupsd_.state() != QProcess::Running
                    || (QFile::exists(Socket()) && RunTool(LPSTAT, {"-r"}).value_or("").contains("is running"));
            },
            15);
        if (!up || cupsd_.state() != QProcess::Running)
            return "cupsd did not come up: " + Tail("cupsd.out") + Tail("error_log");
        return {};
    }

    QString Socket() const { return root_ + "/cups.sock"; }

    bool AddKeeper()
    {
        return Lpadmin({"-p", kKeeper, "-E", "-v", "file://" + Received(), "-P", PASS_THROUGH_PPD});
    }

    // The cups-pdf queue, writing into this test's folder; gives why it
    // cannot be set up, or nothing. cups-pdf reads its settings only from
    // /etc/cups, the file of a queue named cups-pdf:/NAME being
    // cups-pdf-NAME.conf; the test's own file goes again at the end.
    QString AddPdfPrinter()
    {
        if (!QFile::exists(kCupsPdfBackend) || !QFile::exists(kCupsPdfPpd))
            return "printer-driver-cups-pdf is not installed";
        const QString instance = QString("sbctest%1").arg(QCoreApplication::applicationPid());
        const QString conf = "/etc/cups/cups-pdf-" + instance + ".conf";
        QFile file(conf);
        if (!file.open(QIODevice::WriteOnly))
            return "cannot write " + conf + " (cups-pdf reads its settings from /etc/cups only; run as root)";
        cupsPdfConf_ = conf;
        file.write(QFile::encodeName(QString("Out %1/pdf\nSpool %1/cups-pdf-spool\nLog %1\nGrp root\n").arg(root_)));
        file.close();
        if (!Lpadmin({"-p", kPdfPrinter, "-E", "-v", "cups-pdf:/" + instance, "-P", kCupsPdfPpd}))
            return "lpadmin could not add the cups-pdf queue";
        return {};
    }

    bool SetDefault(const QString& printer) { return Lpadmin({"-d", printer}); }

    // Where FileKeeper writes each job, replacing the one before.
    QString Received() const { return root_ + "/received.pdf"; }
    // What the cups-pdf queue made, in the order of the jobs (cups-pdf names
    // each file after the job's title and number).
    QStringList PdfPrinterFiles() const
    {
        static const QRegularExpression kJob(R"(job_(\d+)\.pdf$)");
        QStringList files = QDir(root_ + "/pdf").entryList({"*.pdf"}, QDir::Files);
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
            return kJob.match(a).captured(1).toInt() < kJob.match(b).captured(1).toInt();
        });
        for (QString& name : files)
            name = root_ + "/pdf/" + name;
        return files;
    }

    // Waits until every job has left the queues.
    bool WaitForJobs()
    {
        return WaitFor([&] { return RunTool(LPSTAT, {"-o"}).value_or("x").trimmed().isEmpty(); }, 60);
    }

    // Why a job is stuck: the queues' states and the daemon's lines about
    // its jobs, without its many lines about the clients that poll it.
    QString JobReport() const
    {
        QString report = "\nlpstat -l -o -p:\n" + RunTool(LPSTAT, {"-l", "-o", "-p"}).value_or("(failed)");
        QFile file(root_ + "/error_log");
        if (file.open(QIODevice::ReadOnly)) {
            QStringList jobLines;
            for (const QByteArray& line : file.readAll().split('\n'))
                if (line.contains("[Job "))
                    jobLines << QString::fromUtf8(line);
            report += "\nerror_log, the jobs' lines:\n" + jobLines.mid(std::max<qsizetype>(0, jobLines.size() - 40)).join('\n');
        }
        return report;
    }

    QString Tail(const QString& name) const
    {
        QFile file(root_ + "/" + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray text = file.readAll();
        return "\n" + name + ":\n" + QString::fromUtf8(text.right(3000));
    }

private:
    bool Configure(const QString& name) const
    {
        QFile in(QString(CUPS_CONFIG_DIR) + "/" + name + ".in"), out(root_ + "/" + name);
        return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)
            && out.write(QString::fromUtf8(in.readAll()).replace("@ROOT@", root_).toUtf8()) >= 0;
    }

    // lpadmin says on stderr that drivers and raw queues are deprecated; only
    // its exit status counts.
    static bool Lpadmin(const QStringList& arguments) { return RunTool(LPADMIN, arguments).has_value(); }

    QTemporaryDir dir_;
    QString root_;
    QProcess cupsd_;
    QString cupsPdfConf_;
};

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
        auto* list = dialog->findChild<QComboBox*>("printers");
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

// The printed lines of `pages`, blank ones included, rebuilt from where each
// line stands: every line, whatever its size, starts where the lines above it
// end, and a page holds as many fourteen-point lines as fit. Fails the test
// when a line stands off that grid.
std::vector<std::string> LinesOnGrid(const std::vector<PdfPage>& pages, const DialogSeen& seen)
{
    const QRectF printable = seen.page.paintRect(QPageLayout::Point);
    const double lineHeight = OnDevice(14, seen.resolution) * kLineHeightPerPoint;
    std::size_t perPage = 0; // the lines the printer puts on a page before it starts the next
    for (LineFlow flow; !flow.Place(lineHeight, printable.height());)
        ++perPage;
    std::vector<std::string> lines;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::size_t first = p * perPage;
        for (const PageLine& line : pages[p].lines) {
            const double slot = (line.top - printable.top()) / lineHeight;
            EXPECT_NEAR(slot, std::round(slot), 0.05) << "page " << p + 1 << ": " << line.text;
            const std::size_t index = first + static_cast<std::size_t>(std::lround(slot));
            if (lines.size() <= index)
                lines.resize(index + 1);
            lines[index] = line.text;
        }
        if (p + 1 < pages.size())
            lines.resize(first + perPage);
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

// The number of pages the data report takes at `page`: fourteen-point lines
// and a ten-point last one, each page as full as it holds.
int ReportPages(const std::vector<ReportLine>& report, const DialogSeen& seen)
{
    LineFlow flow;
    for (const ReportLine& line : report)
        flow.Place(OnDevice(line.points, seen.resolution) * kLineHeightPerPoint,
                   seen.page.paintRect(QPageLayout::Point).height());
    return flow.page() + 1;
}

class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        daemon_ = std::make_unique<CupsDaemon>();
        whyNot_ = daemon_->Start();
        if (whyNot_.isEmpty() && !daemon_->AddKeeper())
            whyNot_ = "lpadmin could not add a queue" + daemon_->Tail("error_log");
        if (whyNot_.isEmpty()) {
            whyNoPdfPrinter_ = daemon_->AddPdfPrinter();
            // A desktop whose only printer is cups-pdf has it as its default.
            daemon_->SetDefault(whyNoPdfPrinter_.isEmpty() ? kPdfPrinter : kKeeper);
        }
    }
    static void TearDownTestSuite() { daemon_.reset(); }

    void SetUp() override
    {
        if (!whyNot_.isEmpty())
            GTEST_SKIP() << "No CUPS daemon of the test's own: " << whyNot_.toStdString();
        if (QString(PDFTOTEXT).isEmpty() || QString(PDFFONTS).isEmpty() || QString(PDFIMAGES).isEmpty()
            || QString(PDFINFO).isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
        form = std::make_unique<frmMain>(&dialogs, nullptr);
        form->show();
    }

    void Enter(std::initializer_list<std::pair<Box, const char*>> entries)
    {
        for (const auto& [box, text] : entries)
            form->SetText(box, text);
    }

    void EnterImperialExample(const char* id)
    {
        Enter({{Box::txtID, id}, {Box::txtOSDD, "100"}, {Box::txtRatedLoad, "2500"}, {Box::txtWeightCar, "3000"},
               {Box::txtBufferLoadRat, "8000"}, {Box::txtBufferStroke, "2.5"}, {Box::txtNumOfBufAssys, "2"},
               {Box::txtWeightPlunger, "800"}, {Box::txtNumPlungers, "1"}, {Box::txtLengthPlunger, "10"},
               {Box::txtPlungerDiam, "6"}});
    }

    void Calculate()
    {
        form->command(Command::cmdCompute)->click();
        ASSERT_FALSE(form->Text(Box::txtBufferGood).empty()) << "the example calculates";
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().prompt;
    }

    // Runs a File menu command, answering its Print dialog with `printer`,
    // and waits until the job has left the queue.
    DialogSeen PrintThrough(MenuEntry command, const QString& printer)
    {
        QFile::remove(daemon_->Received());
        PrintDialogAnswer answer(printer);
        form->menuEntry(command)->trigger();
        EXPECT_TRUE(answer.seen.shown) << "the Print dialog was shown";
        EXPECT_TRUE(daemon_->WaitForJobs()) << daemon_->JobReport().toStdString();
        return answer.seen;
    }

    // Prints the data report on FileKeeper and compares what the queue
    // received with the report lines: text, blank lines, face and size.
    void CheckDataReportReadsBackExact(std::int16_t bufferAssemblies, std::int16_t plungers)
    {
        const std::vector<ReportLine> report = BuildDataReport(*form, CountsOf(bufferAssemblies, plungers));
        const DialogSeen seen = PrintThrough(MenuEntry::mnuPrintData, kKeeper);
        QStringList printers{kKeeper};
        if (whyNoPdfPrinter_.isEmpty())
            printers << kPdfPrinter;
        EXPECT_EQ(seen.printers, printers) << "the system's printers, and no print to file";
        ASSERT_TRUE(QFile::exists(daemon_->Received())) << daemon_->Tail("error_log").toStdString();

        const QRectF printable = seen.page.paintRect(QPageLayout::Point);
        SCOPED_TRACE(QString("printable area %1,%2 %3 x %4 pt at %5 dpi")
                         .arg(printable.left()).arg(printable.top()).arg(printable.width())
                         .arg(printable.height()).arg(seen.resolution).toStdString());
        const std::vector<PdfPage> pages = ReadPages(PDFTOTEXT, daemon_->Received(), printable.left());
        ASSERT_FALSE(pages.empty());
        for (const PdfPage& page : pages) {
            EXPECT_NEAR(page.width, 612, 0.5) << "the printer's own paper, US Letter";
            EXPECT_NEAR(page.height, 792, 0.5);
        }

        std::vector<std::string> expected;
        for (const ReportLine& line : report)
            expected.push_back(TrimmedRight(line.text));
        EXPECT_EQ(LinesOnGrid(pages, seen), expected);

        std::vector<double> sizes, expectedSizes;
        for (const PdfPage& page : pages)
            for (const PageLine& line : page.lines)
                sizes.push_back(std::round(line.pitch / kPitchPerPoint * 100) / 100);
        for (const ReportLine& line : report)
            if (!TrimmedRight(line.text).empty())
                expectedSizes.push_back(std::round(OnDevice(line.points, seen.resolution) * 100) / 100);
        EXPECT_EQ(sizes, expectedSizes) << "points of each printed line at " << seen.resolution << " dpi";

        const auto [faces, embedded] = Faces(daemon_->Received());
        EXPECT_EQ(faces, (std::set<std::string>{"LiberationMono", "LiberationMono-Bold"}));
        EXPECT_TRUE(embedded);
    }

    inline static std::unique_ptr<CupsDaemon> daemon_;
    inline static QString whyNot_;
    inline static QString whyNoPdfPrinter_;
    AnsweringDialogs dialogs;
    std::unique_ptr<frmMain> form;
};

TEST_F(CupsPrinting, DataReportInImperialWithPlungerReadsBackExact)
{
    EnterImperialExample("Car 3");
    ASSERT_NO_FATAL_FAILURE(Calculate());
    ASSERT_NO_FATAL_FAILURE(CheckDataReportReadsBackExact(2, 1));
}

TEST_F(CupsPrinting, DataReportInMetricWithoutPlungerReadsBackExact)
{
    form->option(Option::optMetric)->click();
    form->option(Option::optPlungerNo)->click();
    Enter({{Box::txtID, "Car 4"}, {Box::txtOSDDMet, "0.5"}, {Box::txtRatedLoadMet, "1000"},
           {Box::txtWeightCarMet, "1400"}, {Box::txtBufferLoadRatMet, "3000"}, {Box::txtBufferStrokeMet, "65"},
           {Box::txtNumOfBufAssysMet, "2"}});
    ASSERT_NO_FATAL_FAILURE(Calculate());
    ASSERT_NO_FATAL_FAILURE(CheckDataReportReadsBackExact(2, 0));
}

TEST_F(CupsPrinting, FormImageArrivesOnOnePage)
{
    Enter({{Box::txtID, "Car 5"}, {Box::txtOSDD, "100"}});
    PrintThrough(MenuEntry::mnuPrintForm, kKeeper);
    ASSERT_TRUE(QFile::exists(daemon_->Received())) << daemon_->Tail("error_log").toStdString();
    EXPECT_EQ(PageCount(daemon_->Received()), 1);
    // page num type width height ...
    const std::optional<std::vector<QStringList>> images = TableRows(PDFIMAGES, {"-list", daemon_->Received()});
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
    EnterImperialExample("Car 6");
    ASSERT_NO_FATAL_FAILURE(Calculate());
    const std::vector<ReportLine> report = BuildDataReport(*form, CountsOf(2, 1));

    const DialogSeen data = PrintThrough(MenuEntry::mnuPrintData, {});
    EXPECT_EQ(data.offered, kPdfPrinter) << "the dialog offers the system's default printer";
    PrintThrough(MenuEntry::mnuPrintForm, {});

    const QStringList files = daemon_->PdfPrinterFiles();
    ASSERT_EQ(files.size(), 2) << daemon_->Tail("error_log").toStdString();
    EXPECT_EQ(PageCount(files[0]), ReportPages(report, data));
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
