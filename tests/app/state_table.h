#pragma once
// The window's four states (unit system x plunger answer) and how every
// twin box, plunger caption, unit label and option stands in each.

#include "qt_text.h"
#include "window_fixture.h"

namespace sbc::test {

// Entry: shown, white, unlocked, tab stop. Twin: shown, yellow, locked, no tab
// stop. Count: shown, design background, unlocked, tab stop. Unused: hidden,
// locked, no tab stop. Hidden before the first three: hidden, as they are.
struct StateRow {
    std::vector<Box> boxes;
    const char* codes[4]; // Imperial Yes, Imperial No, Metric Yes, Metric No
};

inline const std::vector<StateRow>& StateTable()
{
    static const std::vector<StateRow> rows = {
        {{Box::txtOSDD, Box::txtRatedLoad, Box::txtWeightCar, Box::txtBufferLoadRat, Box::txtBufferStroke},
         {"Entry", "Entry", "Twin", "Twin"}},
        {{Box::txtOSDDMet, Box::txtRatedLoadMet, Box::txtWeightCarMet, Box::txtBufferLoadRatMet,
          Box::txtBufferStrokeMet},
         {"Twin", "Twin", "Entry", "Entry"}},
        {{Box::txtNumOfBufAssys}, {"Count", "Count", "Unused", "Unused"}},
        {{Box::txtNumOfBufAssysMet}, {"Unused", "Unused", "Count", "Count"}},
        {{Box::txtWeightPlunger, Box::txtLengthPlunger, Box::txtPlungerDiam},
         {"Entry", "HiddenEntry", "Twin", "HiddenTwin"}},
        {{Box::txtWeightPlungerMet, Box::txtLengthPlungerMet, Box::txtPlungerDiamMet},
         {"Twin", "HiddenTwin", "Entry", "HiddenEntry"}},
        {{Box::txtNumPlungers}, {"Count", "HiddenCount", "Unused", "Unused"}},
        {{Box::txtNumPlungersMet}, {"Unused", "Unused", "Count", "HiddenCount"}},
    };
    return rows;
}

inline void CheckBox(const Window& w, Box b, QString code)
{
    const QString where = QString("%1 as %2").arg(ToQString(NameOf(b)), code);
    TextBox* box = w.ControlOf(b);
    const bool hidden = code.startsWith("Hidden") || code == "Unused";
    code.remove("Hidden");
    QVERIFY2(box->isHidden() == hidden, qPrintable(where));
    const QColor designBackground = QApplication::palette().color(QPalette::Base);
    const QColor expected = code == "Entry"  ? QColor(255, 255, 255)
                            : code == "Twin" ? QColor(255, 255, 0)
                                             : designBackground;
    QVERIFY2(box->palette().color(QPalette::Base) == expected, qPrintable(where));
    const bool open = code == "Entry" || code == "Count";
    QVERIFY2(box->IsLocked() == !open, qPrintable(where));
    QVERIFY2(box->IsTabStop() == open, qPrintable(where));
}

inline void CheckState(const Window& w, int state)
{
    for (const StateRow& row : StateTable())
        for (Box b : row.boxes)
            CheckBox(w, b, row.codes[state]);
    const bool plungerYes = state % 2 == 0;
    const bool imperial = state < 2;
    using enum Label;
    for (Label caption : {Label4, Label5, Label7, Label8})
        QCOMPARE(w.ControlOf(caption)->isEnabled(), plungerYes);
    for (Label unit : {Label_0, Label_1, Label_2, Label_3, Label_4, Label_5})
        QCOMPARE(w.ControlOf(unit)->isHidden(), !plungerYes);
    QVERIFY(w.ControlOf(Label6)->isEnabled() && !w.ControlOf(Label6)->isHidden());
    const QColor red(255, 0, 0), black(0, 0, 0);
    QCOMPARE(w.ControlOf(Option::optImperial)->palette().color(QPalette::WindowText), imperial ? red : black);
    QCOMPARE(w.ControlOf(Option::optMetric)->palette().color(QPalette::WindowText), imperial ? black : red);
    QCOMPARE(w.ControlOf(Option::optImperial)->isChecked(), imperial);
    QCOMPARE(w.ControlOf(Option::optPlungerYes)->isChecked(), plungerYes);
    QCOMPARE(w.form->ImperialMode(), imperial);
}

// The index into the codes of StateRow from the options as they stand.
inline int StateOf(const Window& w)
{
    return (w.ControlOf(Option::optImperial)->isChecked() ? 0 : 2)
           + (w.ControlOf(Option::optPlungerYes)->isChecked() ? 0 : 1);
}

} // namespace sbc::test
