#pragma once
// Waiting, in the tests, for what the event loop brings, up to five seconds.
// Each wait runs a nested event loop in short slices, as a modal box does:
// in a web page that hands the browser its turn, for a timer, the next frame
// or a window being exposed, which QTest::qWaitFor never does there (it only
// processes what Qt has queued). A wait is made from a test's own body, not
// from a callback that runs while a box is open. Qt 6.8's QTRY_ macros
// narrow a std::chrono count to int inside their expansion, which
// -Wconversion reports on the test's own line; these do not.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace sbc::test {

template <typename Predicate>
bool WaitFor(Predicate predicate, int milliseconds = 5000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop slice;
        QTimer::singleShot(10, &slice, &QEventLoop::quit);
        slice.exec();
    }
    return true;
}

} // namespace sbc::test

#define SBC_TRY_VERIFY(expr) QVERIFY(sbc::test::WaitFor([&] { return bool(expr); }))
#define SBC_TRY_COMPARE(actual, expected)                                                                              \
    do {                                                                                                               \
        (void)sbc::test::WaitFor([&] { return (actual) == (expected); });                                              \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)
