#pragma once
// Waiting, in the tests, for what the event loop brings, up to five seconds.
// Qt 6.8's QTRY_ macros narrow a std::chrono count to int inside their
// expansion, which -Wconversion reports on the test's own line; these wait
// through QTest::qWaitFor instead.

#include <QTest>

#define SBC_TRY_VERIFY(expr) QVERIFY(QTest::qWaitFor([&] { return bool(expr); }))
#define SBC_TRY_COMPARE(actual, expected)                                                                              \
    do {                                                                                                               \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); });                                                 \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)
