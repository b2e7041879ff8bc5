#pragma once
// The measures taken inside one process, on the calculator and the bare
// window side by side, both shown: samples of the same kind of action,
// taken in alternating blocks so that a change in the machine's load hits
// both sides alike.

#include <vector>

class frmMain;
class QMainWindow;

namespace sbc::bench {

struct PairedTimes {
    std::vector<double> calculatorNs;
    std::vector<double> bareNs;
};

// One keystroke in an entry box: the key events, the twin conversion, the
// emptying of the results, and the repaint. Types a digit and Backspace in
// turn into txtOSDD and into the bare line edit, `keystrokes` on each side.
PairedTimes MeasureKeystrokes(frmMain& calculator, QMainWindow& bare, int keystrokes);

// One Calculate on the first worked example, up to the repaint of the
// results; beside it one QLineEdit::setText and its repaint, the smallest
// change a window can show. Enters the example, then calculates `runs` times,
// emptying the results (untimed) before each. The calculator must be in the
// Imperial system with the plunger answer Yes.
PairedTimes MeasureCalculate(frmMain& calculator, QMainWindow& bare, int runs);

} // namespace sbc::bench
