// The window on a real desktop: real message boxes, the Elevator ID box and
// the Print dialog, answered once the window manager or compositor has
// activated them; after each, the window must be active again with the focus
// where typing goes on. Runs unchanged on offscreen, xcb and wayland.

#include "desktop_fixture.h"
#include "worked_example.h"

#include "report_lines.h"

#include <QAction>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>

using namespace sbc;
using namespace sbc::test;

namespace {
const QString kOilImperial = "For speeds over 200 FPM an oil buffer is required.";
const QString kShortStroke = "Buffer stroke is too short!";
const QString kMissingEntry = "Did you make an entry in all the appropriate fields?";

std::string Name(Box b) { return std::string(NameOf(b)); }

// Where SBC_PRINT_CHECK names a folder (the Windows stage), Print Data
// and Print Form go to the default printer for real, and the report's lines
// and the pages they take there are left in that folder, for the stage to
// compare with what the printer received.
void PrintForTheCheck(DesktopWindow& w)
{
    const QString folder = qEnvironmentVariable("SBC_PRINT_CHECK");
    if (folder.isEmpty())
        return;
    w.acceptPrint = true;
    w.inputAnswer = "Car 7";
    w.PrintData();
    QCOMPARE(w.seen.size(), std::size_t(2));
    QCOMPARE(w.seen[1].kind, QString("print"));
    w.WaitActive();
    ReportCounts counts;
    counts[Quantity::BufferCount] = static_cast<std::int16_t>(w.ControlOf(Box::txtNumOfBufAssys)->text().toInt());
    counts[Quantity::PlungerCount] = static_cast<std::int16_t>(w.ControlOf(Box::txtNumPlungers)->text().toInt());
    const std::vector<ReportLine> report = BuildDataReport(w.form, counts);
    // Each page as full as its printable height holds, as the default printer gives it.
    QPrinter printer(QPrinter::HighResolution);
    const double height = printer.pageRect(QPrinter::DevicePixel).height();
    int pages = 1;
    double top = 0;
    QFile lines(folder + "/report.txt");
    QVERIFY(lines.open(QIODevice::WriteOnly | QIODevice::Text));
    for (const ReportLine& line : report) {
        lines.write((line.text + "\n").c_str());
        QFont font(QString::fromUtf8(kReportFont.data(), kReportFont.size()));
        font.setPointSizeF(line.points);
        font.setBold(line.bold);
        const double lineHeight = QFontMetricsF(font, &printer).lineSpacing();
        if (top > 0 && top + lineHeight > height) {
            ++pages;
            top = 0;
        }
        top += lineHeight;
    }
    QFile pageCount(folder + "/report-pages.txt");
    QVERIFY(pageCount.open(QIODevice::WriteOnly) && pageCount.write(QByteArray::number(pages)) > 0);
    w.form.ControlOf(MenuEntry::mnuPrintForm)->trigger();
    QCOMPARE(w.seen.size(), std::size_t(3));
    w.WaitActive();
    w.acceptPrint = false;
    w.seen.clear();
}

void CheckResultsEmpty(const DesktopWindow& w)
{
    for (Box b : kResultBoxes)
        QVERIFY2(w.ControlOf(b)->text().isEmpty(), Name(b).c_str());
}
} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theOilBufferMessageLeavesTheFocusInTheEmptiedSpeedBox()
    {
        DesktopWindow w;
        QString metricWhileOpen;
        w.whileOpen = [&] {
            metricWhileOpen = w.ControlOf(Box::txtOSDDMet)->text();
            w.Screenshot("oil-buffer-message");
        };
        w.TypeInto(Box::txtOSDD, "201");
        QCOMPARE(w.SeenTexts(), QStringList({kOilImperial}));
        QCOMPARE(w.seen[0].title, QString("Oil Buffer Required"));
        QCOMPARE(metricWhileOpen, QString("1.02108"));
        w.WaitActive();
        w.Screenshot("after-oil-buffer");
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString());
        QCOMPARE(w.ControlOf(Box::txtOSDDMet)->text(), QString("0"));
        QCOMPARE(w.FocusName(), QString("txtOSDD"));
        w.Type("150");
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString("150"));
    }

    // Leaving by Tab and by a click into another box.
    void theShortStrokeMessageLeavesTheFocusInTheEmptiedStrokeBox()
    {
        for (bool byClick : {false, true}) {
            DesktopWindow w;
            w.TypeInto(Box::txtOSDD, "120");
            w.TypeInto(Box::txtBufferStroke, "2");
            if (byClick)
                w.ClickBox(Box::txtRatedLoad);
            else
                w.Key(Qt::Key_Tab);
            QCOMPARE(w.SeenTexts(), QStringList({kShortStroke}));
            QCOMPARE(w.seen[0].title, QString("Buffer Stroke"));
            w.WaitActive();
            w.Screenshot(byClick ? "after-short-stroke-click" : "after-short-stroke-tab");
            QCOMPARE(w.ControlOf(Box::txtBufferStroke)->text(), QString());
            QCOMPARE(w.ControlOf(Box::txtBufferStrokeMet)->text(), QString("0"));
            QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
            w.Type("2.5");
            QCOMPARE(w.ControlOf(Box::txtBufferStrokeMet)->text(), QString("63.5"));
            w.Key(Qt::Key_Tab); // long enough now
            QCOMPARE(w.seen.size(), std::size_t(1));
            QCOMPARE(w.FocusName(), QString("txtNumOfBufAssys"));
        }
    }

    // A press on Calculate takes the focus from the stroke box, whose check
    // shows its message before the press reaches the button; the release
    // goes to the message box. Afterwards no button may stay drawn pressed.
    void aShortStrokeFoundByClickingCalculateLeavesNoButtonDown()
    {
        if (Platform() != "xcb" || !ServerKeys::Available())
            QSKIP("needs the X server's pointer (xdotool); a headless compositor has none, and neither a "
                  "Windows program nor a web page can run xdotool");
        DesktopWindow w;
        w.TypeInto(Box::txtOSDD, "120");
        w.TypeInto(Box::txtBufferStroke, "2");
        QPushButton* calculate = w.ControlOf(Command::cmdCompute);
        ServerKeys::Click(calculate);
        SBC_TRY_COMPARE(w.SeenTexts(), QStringList({kShortStroke}));
        w.WaitActive();
        SBC_TRY_VERIFY(!calculate->isDown());
        QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
        CheckResultsEmpty(w);
    }

    // Enter in the speed box runs Calculate without leaving the box: the
    // short-stroke message, then the missing-entry message for the emptied
    // stroke, one right after the other.
    void calculateWithAShortStrokeShowsTwoMessagesThenFocusesTheStroke()
    {
        DesktopWindow w;
        w.TypeInto(Box::txtBufferStroke, "2");
        w.TypeInto(Box::txtOSDD, "120");
        w.Key(Qt::Key_Return);
        QCOMPARE(w.SeenTexts(), QStringList({kShortStroke, kMissingEntry}));
        QCOMPARE(w.seen[1].title, QString("Buffer Reaction Calculator"));
        w.WaitActive();
        w.Screenshot("after-calculate-two-messages");
        CheckResultsEmpty(w);
        QCOMPARE(w.ControlOf(Box::txtBufferStroke)->text(), QString());
        QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
    }

    void theFirstWorkedExampleThenClearAll()
    {
        DesktopWindow w;
        for (const auto& [b, text] : worked_example::kEntries)
            w.TypeInto(b, text);
        w.Click(w.ControlOf(Command::cmdCompute));
        QVERIFY(w.seen.empty());
        for (const auto& [b, text] : worked_example::kResults)
            QCOMPARE(w.ControlOf(b)->text(), QString(text));
        w.Screenshot("worked-example");
        PrintForTheCheck(w);

        w.Click(w.ControlOf(Command::cmdClear));
        for (int i = 0; i < kBoxCount; ++i)
            if (static_cast<Box>(i) != Box::txtID)
                QVERIFY2(w.ControlOf(static_cast<Box>(i))->text().isEmpty(), Name(static_cast<Box>(i)).c_str());
        QCOMPARE(w.FocusName(), QString("txtOSDD"));
    }

    void aUnitSwitchEmptiesTheBoxesAndFocusesTheSpeed()
    {
        DesktopWindow w;
        w.TypeInto(Box::txtOSDD, "100");
        w.Click(w.ControlOf(Option::optMetric));
        QVERIFY(w.ControlOf(Option::optMetric)->isChecked());
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString());
        QCOMPARE(w.FocusName(), QString("txtOSDDMet"));
        w.Type("1.0");
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString("196.8503937"));
    }

    // Print Data with no identification yet: the Elevator ID box, then the
    // real Print dialog, cancelled. Then once more: the Print dialog alone.
    void printDataCancelledKeepsTheFocusWhereItWas()
    {
#if !QT_CONFIG(printdialog)
        QSKIP("this Qt has no Print dialog to cancel: the web page's prints into a PDF that the browser shows");
#endif
        DesktopWindow w;
        w.TypeInto(Box::txtRatedLoad, "2500");
        w.inputAnswer = "Car 7";
        w.whileOpen = [&] { w.Screenshot("print-data-" + w.seen.back().kind); };
        w.PrintData();
        QCOMPARE(w.seen.size(), std::size_t(2));
        QCOMPARE(w.seen[0].kind, QString("input"));
        QCOMPARE(w.seen[0].title, QString("Elevator ID"));
        QCOMPARE(w.seen[0].text, QString("Do you wish to identify this elevator?"));
        QCOMPARE(w.seen[1].kind, QString("print"));
        QCOMPARE(w.seen[1].windowFocus, QString("txtRatedLoad")); // after the Elevator ID box
        w.WaitActive();
        w.Screenshot("after-print-dialog");
        QCOMPARE(w.ControlOf(Box::txtID)->text(), QString("Car 7"));
        QCOMPARE(w.FocusName(), QString("txtRatedLoad"));

        w.PrintData();
        QCOMPARE(w.seen.size(), std::size_t(3));
        QCOMPARE(w.seen[2].kind, QString("print"));
        w.WaitActive();
        QCOMPARE(w.FocusName(), QString("txtRatedLoad"));
        w.Type("0");
        QCOMPARE(w.ControlOf(Box::txtRatedLoad)->text(), QString("25000"));
    }

    void theWindowOpensCentredOnTheScreen()
    {
        if (Wayland())
            QSKIP("on Wayland the compositor, not the program, places the window");
        DesktopWindow w;
        const QPoint centre = w.form.screen()->availableGeometry().center();
        const QPoint offset = w.form.frameGeometry().center() - centre;
        // A window manager's frame may add a few pixels on one side.
        QVERIFY2(offset.manhattanLength() <= 20,
                 qPrintable(QString("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    // Keys from the display server, not from QTest, so the server decides
    // which window they reach: the message boxes are closed by Return, and
    // the keys after each box must land in the emptied box.
    void serverKeysGoWhereTheFocusIsAfterEachBox()
    {
        if (!ServerKeys::Available())
            QSKIP("no display server to send keys through (xdotool on X11, wtype on Wayland; neither runs "
                  "from a Windows program or a web page)");
        DesktopWindow w;
        w.answerWithServerKeys = true;
        w.form.SetFocus(Box::txtOSDD);
        ServerKeys::Type("201");
        SBC_TRY_COMPARE(w.SeenTexts(), QStringList({kOilImperial}));
        w.WaitActive();
        SBC_TRY_COMPARE(w.ControlOf(Box::txtOSDD)->text(), QString());
        QCOMPARE(w.FocusName(), QString("txtOSDD"));
        ServerKeys::Type("120");
        SBC_TRY_COMPARE(w.ControlOf(Box::txtOSDD)->text(), QString("120"));

        w.form.SetFocus(Box::txtBufferStroke);
        ServerKeys::Type("2");
        SBC_TRY_COMPARE(w.ControlOf(Box::txtBufferStroke)->text(), QString("2"));
        ServerKeys::Key("Tab");
        SBC_TRY_COMPARE(w.SeenTexts(), QStringList({kOilImperial, kShortStroke}));
        w.WaitActive();
        QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
        ServerKeys::Type("2.5");
        SBC_TRY_COMPARE(w.ControlOf(Box::txtBufferStrokeMet)->text(), QString("63.5"));

        ServerKeys::Key("Return"); // Calculate, with most entries missing
        SBC_TRY_COMPARE(w.SeenTexts(), QStringList({kOilImperial, kShortStroke, kMissingEntry}));
        w.WaitActive();
        w.Screenshot("after-server-keys");
        QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
        CheckResultsEmpty(w);
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "desktop_window_test.moc"
