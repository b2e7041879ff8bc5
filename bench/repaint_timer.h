#pragma once
// Times one change to a window up to the end of the repaint it causes.

#include <QObject>

#include <functional>

class QWidget;

namespace sbc::bench {

class RepaintTimer : public QObject {
public:
    // `painted` is the widget whose repaint marks the end: the box changed.
    explicit RepaintTimer(QWidget& painted);

    // Runs `change`, then processes events until `painted` has been painted
    // again; the repaint of everything else the change dirtied happens in the
    // same pass over the window. Returns nanoseconds.
    double Time(const std::function<void()>& change);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& painted_;
    long long paints_ = 0;
};

} // namespace sbc::bench
