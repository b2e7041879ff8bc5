#include "repaint_timer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <stdexcept>

namespace sbc::bench {

RepaintTimer::RepaintTimer(QWidget& painted) : QObject(&painted), painted_(painted)
{
    painted.installEventFilter(this);
}

bool RepaintTimer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &painted_ && event->type() == QEvent::Paint)
        ++paints_;
    return false;
}

double RepaintTimer::Time(const std::function<void()>& change)
{
    const long long before = paints_;
    QElapsedTimer elapsed;
    elapsed.start();
    change();
    const QDeadlineTimer deadline(5'000);
    while (paints_ == before && !deadline.hasExpired())
        QCoreApplication::processEvents();
    if (paints_ == before)
        throw std::runtime_error("the change caused no repaint");
    return static_cast<double>(elapsed.nsecsElapsed());
}

} // namespace sbc::bench
