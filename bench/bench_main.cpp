// The benchmark driver: start-up and memory from separate processes, then
// keystroke and Calculate in this one, each beside the bare window; prints
// the table and the summary line.
//
//   sbc_bench [--runs N] [--keystrokes N] [--calculations N] [--only WHICH]
//
// WHICH is startup, keystroke or calculate (for profiling one of them alone).

#include "bare_window.h"
#include "frm_main.h"
#include "in_process.h"
#include "results_table.h"
#include "silent_dialogs.h"
#include "start_up.h"
#include "startup.h"
#include "stats.h"
#include "system_probes.h"
#include "text_box.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <exception>

using namespace sbc::bench;

namespace {

struct Settings {
    int runs = 20;
    int keystrokes = 4000;
    int calculations = 1000;
    QString only;
    bool Wants(const char* which) const { return only.isEmpty() || only == which; }
};

Settings ReadSettings(const QApplication& app)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runs("runs", "Start-up runs of each program.", "N", "20");
    const QCommandLineOption keystrokes("keystrokes", "Keystrokes on each side.", "N", "4000");
    const QCommandLineOption calculations("calculations", "Calculations.", "N", "1000");
    const QCommandLineOption only("only", "Only startup, keystroke or calculate.", "WHICH");
    parser.addOptions({runs, keystrokes, calculations, only});
    parser.process(app);
    return {parser.value(runs).toInt(), parser.value(keystrokes).toInt(), parser.value(calculations).toInt(),
            parser.value(only)};
}

std::string Text(double value) { return QString::number(value, 'f', 2).toStdString(); }

Conditions ReadConditions()
{
    Conditions conditions = {
        {"platform", QGuiApplication::platformName().toStdString()},
        {"qt", qVersion()},
        {"cores", std::to_string(QThread::idealThreadCount())},
        {"date", QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()},
    };
    if (const std::optional<double> load = LoadAverage())
        conditions.emplace_back("load1", Text(*load));
    return conditions;
}

void AddStartupFigures(const Settings& settings, std::vector<Figure>& figures)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const StartupRuns runs = MeasureStartup(dir + "/sbc_start_calculator", dir + "/sbc_start_bare", settings.runs);
    figures.push_back({"startup_ms", "start-up to first frame, ms", Median(runs.calculator.firstFrameMs),
                       Median(runs.bare.firstFrameMs), 1.2});
    if (!runs.calculator.peakRssKiB.empty() && !runs.bare.peakRssKiB.empty())
        figures.push_back({"peak_rss_mib", "peak memory (max RSS), MiB", Median(runs.calculator.peakRssKiB) / 1024,
                           Median(runs.bare.peakRssKiB) / 1024, 1.2});
}

void AddInProcessFigures(const Settings& settings, std::vector<Figure>& figures)
{
    SilentDialogs dialogs;
    frmMain calculator(&dialogs);
    const auto bare = BuildBareWindow();
    ShapeLike(*bare, *calculator.ControlOf(sbc::Box::txtOSDD));
    calculator.show();
    bare->show();
    if (!QTest::qWaitForWindowExposed(&calculator) || !QTest::qWaitForWindowExposed(bare.get()))
        throw std::runtime_error("windows not shown");

    if (settings.Wants("keystroke")) {
        const PairedTimes t = MeasureKeystrokes(calculator, *bare, settings.keystrokes);
        figures.push_back(
            {"keystroke_us", "keystroke + repaint, us", Median(t.calculatorNs) / 1000, Median(t.bareNs) / 1000, 2.0});
    }
    if (settings.Wants("calculate")) {
        const PairedTimes t = MeasureCalculate(calculator, *bare, settings.calculations);
        figures.push_back({"calculate_us", "Calculate (bare: setText) + paint, us", Median(t.calculatorNs) / 1000,
                           Median(t.bareNs) / 1000, std::nullopt});
    }
    if (dialogs.shown != 0)
        throw std::runtime_error("a message box showed during the benchmark");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sbc::SetUpApplication();
    // A blinking caret would add repaints of its own between keystrokes.
    QApplication::setCursorFlashTime(0);
    const Settings settings = ReadSettings(app);

    try {
        const Conditions before = ReadConditions();
        std::vector<Figure> figures;
        if (settings.Wants("startup"))
            AddStartupFigures(settings, figures);
        if (settings.Wants("keystroke") || settings.Wants("calculate"))
            AddInProcessFigures(settings, figures);

        Conditions conditions = before;
        if (const std::optional<double> load = LoadAverage())
            conditions.emplace_back("load1_end", Text(*load));
        PrintTable(conditions, figures);
        PrintSummaryLine(conditions, figures);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sbc_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
