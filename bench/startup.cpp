#include "startup.h"

#include "system_probes.h"

#include <QProcess>
#include <QRegularExpression>

#include <stdexcept>

namespace sbc::bench {

namespace {

void RunOnce(const QString& program, ProcessRuns& into)
{
    QProcess process;
    const long long launchedNs = SteadyClockNs();
    process.start(program, {});
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("start-up run failed: " + program.toStdString() + "\n"
                                 + process.readAllStandardError().toStdString());

    static const QRegularExpression report(R"(first_frame_ns=(\d+) peak_rss_kib=(-?\d+))");
    const QRegularExpressionMatch match = report.match(QString::fromUtf8(process.readAllStandardOutput()));
    if (!match.hasMatch())
        throw std::runtime_error("no first frame reported by " + program.toStdString());
    into.firstFrameMs.push_back(static_cast<double>(match.captured(1).toLongLong() - launchedNs) / 1e6);
    if (const double kib = match.captured(2).toDouble(); kib >= 0)
        into.peakRssKiB.push_back(kib);
}

} // namespace

StartupRuns MeasureStartup(const QString& calculatorProgram, const QString& bareProgram, int runs)
{
    StartupRuns warmUp;
    RunOnce(calculatorProgram, warmUp.calculator);
    RunOnce(bareProgram, warmUp.bare);

    StartupRuns result;
    for (int i = 0; i < runs; ++i) {
        // Alternating which goes first keeps a drift in the load from favouring either.
        const bool calculatorFirst = i % 2 == 0;
        RunOnce(calculatorFirst ? calculatorProgram : bareProgram, calculatorFirst ? result.calculator : result.bare);
        RunOnce(calculatorFirst ? bareProgram : calculatorProgram, calculatorFirst ? result.bare : result.calculator);
    }
    return result;
}

} // namespace sbc::bench
