#include "in_process.h"

#include "bare_window.h"
#include "frm_main.h"
#include "repaint_timer.h"
#include "text_box.h"

#include <QApplication>
#include <QTest>

#include <stdexcept>

namespace sbc::bench {

namespace {

// Even, so that every block leaves the box as it found it.
constexpr int kBlock = 50;
// A realistic speed that the digit turns into 125 fpm and back; never above
// the oil-buffer limit, so no message box interrupts the typing.
const QString kStartText = QStringLiteral("12");

// Activation by the window system, as a user clicking the window would give
// it; the box keeps the focus and caret it had inside its window.
void Activate(QWidget& window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        throw std::runtime_error("window not activated");
}

void PrepareBox(QWidget& window, QLineEdit& box)
{
    Activate(window);
    box.setFocus(Qt::OtherFocusReason);
    box.setText(kStartText); // after the focus: a box selects all on entry
    QApplication::processEvents();
}

void TypeBlock(QWidget& window, QLineEdit& box, RepaintTimer& timer, std::vector<double>& into)
{
    Activate(window);
    for (int i = 0; i < kBlock; ++i) {
        const Qt::Key key = i % 2 == 0 ? Qt::Key_5 : Qt::Key_Backspace;
        into.push_back(timer.Time([&] { QTest::keyClick(&box, key); }));
    }
    if (box.text() != kStartText)
        throw std::runtime_error("the keystrokes did not reach " + box.objectName().toStdString());
}

} // namespace

PairedTimes MeasureKeystrokes(frmMain& calculator, QMainWindow& bare, int keystrokes)
{
    QLineEdit& speed = *calculator.ControlOf(Box::txtOSDD);
    QLineEdit& bareBox = BareLineEdit(bare);
    PrepareBox(calculator, speed);
    PrepareBox(bare, bareBox);
    RepaintTimer calculatorTimer(speed);
    RepaintTimer bareTimer(bareBox);

    PairedTimes times;
    for (int done = 0; done < keystrokes; done += kBlock) {
        TypeBlock(calculator, speed, calculatorTimer, times.calculatorNs);
        TypeBlock(bare, bareBox, bareTimer, times.bareNs);
    }
    return times;
}

} // namespace sbc::bench
