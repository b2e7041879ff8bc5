#include "first_frame.h"

#include "system_probes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace sbc::bench {

namespace {

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // The window's own paint event comes before its children's; the
            // queued call runs once the whole frame is painted and flushed.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report()
    {
        const long long ns = SteadyClockNs();
        std::printf("first_frame_ns=%lld peak_rss_kib=%.0f\n", ns, PeakResidentKiB().value_or(-1));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget& window_;
};

} // namespace

void QuitAfterFirstFrame(QWidget& window) { new FirstFrameProbe(window); }

} // namespace sbc::bench
