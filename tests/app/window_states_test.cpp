// The four states (unit system x plunger answer), the Tab order, clearing
// and where the focus lands, driven through the real window.

#include "window_fixture.h"

using namespace sbc;
using namespace sbc::test;

namespace {

// E: shown, white, unlocked, tab stop. F: shown, yellow, locked, no tab stop.
// C: shown, design background, unlocked, tab stop. c: hidden, locked, no tab
// stop. A lower-case h before E, F or C: hidden with those colours and flags.
struct StateRow {
    std::vector<Box> boxes;
    const char* codes[4]; // Imperial Yes, Imperial No, Metric Yes, Metric No
};

const std::vector<StateRow>& StateTable()
{
    static const std::vector<StateRow> rows = {
        {{Box::txtOSDD, Box::txtRatedLoad, Box::txtWeightCar, Box::txtBufferLoadRat, Box::txtBufferStroke},
         {"E", "E", "F", "F"}},
        {{Box::txtOSDDMet, Box::txtRatedLoadMet, Box::txtWeightCarMet, Box::txtBufferLoadRatMet,
          Box::txtBufferStrokeMet},
         {"F", "F", "E", "E"}},
        {{Box::txtNumOfBufAssys}, {"C", "C", "c", "c"}},
        {{Box::txtNumOfBufAssysMet}, {"c", "c", "C", "C"}},
        {{Box::txtWeightPlunger, Box::txtLengthPlunger, Box::txtPlungerDiam}, {"E", "hE", "F", "hF"}},
        {{Box::txtWeightPlungerMet, Box::txtLengthPlungerMet, Box::txtPlungerDiamMet}, {"F", "hF", "E", "hE"}},
        {{Box::txtNumPlungers}, {"C", "hC", "c", "c"}},
        {{Box::txtNumPlungersMet}, {"c", "c", "C", "hC"}},
    };
    return rows;
}

void CheckBox(const Window& w, Box b, QString code)
{
    const QString where = QString("%1 as %2").arg(QString::fromUtf8(BoxName(b).data(), qsizetype(BoxName(b).size())), code);
    TextBox* box = w.box(b);
    const bool hidden = code.startsWith('h') || code == "c";
    code.remove('h');
    QVERIFY2(box->isHidden() == hidden, qPrintable(where));
    const QColor designBackground = QApplication::palette().color(QPalette::Base);
    const QColor expected = code == "E" ? QColor(255, 255, 255)
                          : code == "F" ? QColor(255, 255, 0)
                                        : designBackground;
    QVERIFY2(box->palette().color(QPalette::Base) == expected, qPrintable(where));
    const bool open = code == "E" || code == "C";
    QVERIFY2(box->isLocked() == !open, qPrintable(where));
    QVERIFY2(box->isTabStop() == open, qPrintable(where));
}

void CheckState(const Window& w, int state)
{
    for (const StateRow& row : StateTable())
        for (Box b : row.boxes)
            CheckBox(w, b, row.codes[state]);
    const bool plungerYes = state % 2 == 0;
    const bool imperial = state < 2;
    for (const char* label : {"Label4", "Label5", "Label7", "Label8"})
        QCOMPARE(w.control(label)->isEnabled(), plungerYes);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(w.form->Label(i)->isHidden(), !plungerYes);
    QVERIFY(w.control("Label6")->isEnabled() && !w.control("Label6")->isHidden());
    const QColor red(255, 0, 0), black(0, 0, 0);
    QCOMPARE(w.option("optImperial")->palette().color(QPalette::WindowText), imperial ? red : black);
    QCOMPARE(w.option("optMetric")->palette().color(QPalette::WindowText), imperial ? black : red);
    QCOMPARE(w.option("optImperial")->isChecked(), imperial);
    QCOMPARE(w.option("optPlungerYes")->isChecked(), plungerYes);
    QCOMPARE(w.form->ImperialMode(), imperial);
}

QStringList TabCycle(Window& w)
{
    w.ClickBox(Box::txtID);
    QStringList seen;
    for (int i = 0; i < 20; ++i) {
        w.Key(Qt::Key_Tab);
        seen << w.focusName();
        if (seen.last() == "txtID")
            break;
    }
    return seen;
}

} // namespace

class WindowStatesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareApplication(); }

    void everyStateStandsAsTheTableSays()
    {
        Window w;
        CheckState(w, 0);
        QCOMPARE(w.focusName(), QString("txtID")); // loading moves no focus: the first tab stop has it
        w.Click(w.option("optPlungerNo"));
        CheckState(w, 1);
        w.Click(w.option("optMetric"));
        CheckState(w, 2);
        w.Click(w.option("optPlungerNo"));
        CheckState(w, 3);
        w.Click(w.option("optPlungerYes"));
        CheckState(w, 2);
        w.Click(w.option("optImperial"));
        CheckState(w, 0);
    }

    void tabVisitsTheSelectedSystemRowByRow()
    {
        Window w;
        QCOMPARE(TabCycle(w), QStringList({"txtOSDD", "txtRatedLoad", "txtWeightCar", "txtBufferLoadRat",
                                           "txtBufferStroke", "txtNumOfBufAssys", "txtWeightPlunger",
                                           "txtNumPlungers", "txtLengthPlunger", "txtPlungerDiam",
                                           "cmdCompute", "cmdClear", "optPlungerYes", "optImperial", "txtID"}));
        w.Click(w.option("optMetric"));
        QCOMPARE(TabCycle(w), QStringList({"txtOSDDMet", "txtRatedLoadMet", "txtWeightCarMet",
                                           "txtBufferLoadRatMet", "txtBufferStrokeMet", "txtNumOfBufAssysMet",
                                           "txtWeightPlungerMet", "txtNumPlungersMet", "txtLengthPlungerMet",
                                           "txtPlungerDiamMet", "cmdCompute", "cmdClear", "optPlungerYes",
                                           "optMetric", "txtID"}));
        w.Click(w.option("optPlungerNo"));
        QCOMPARE(TabCycle(w), QStringList({"txtOSDDMet", "txtRatedLoadMet", "txtWeightCarMet",
                                           "txtBufferLoadRatMet", "txtBufferStrokeMet", "txtNumOfBufAssysMet",
                                           "cmdCompute", "cmdClear", "optPlungerNo", "optMetric", "txtID"}));
    }

    void changingTheUnitSystemEmptiesEveryBoxAndReturnsToYes()
    {
        Window w;
        w.TypeInto(Box::txtID, "Car 4");
        w.TypeInto(Box::txtOSDD, "100");
        w.TypeInto(Box::txtNumOfBufAssys, "2");
        w.TypeInto(Box::txtNumPlungers, "1");
        w.box(Box::txtMinBufLoadRat)->setText("17456.42"); // as a calculation would leave it
        w.Click(w.option("optPlungerNo"));
        w.Click(w.option("optMetric"));
        for (int i = 1; i < kBoxCount; ++i)
            QVERIFY2(w.box(static_cast<Box>(i))->text().isEmpty(), BoxName(static_cast<Box>(i)).data());
        QCOMPARE(w.box(Box::txtID)->text(), QString("Car 4"));
        QVERIFY(w.option("optPlungerYes")->isChecked());
        CheckState(w, 2);
        QCOMPARE(w.focusName(), QString("txtOSDDMet"));

        w.TypeInto(Box::txtOSDDMet, "0.5");
        w.Click(w.option("optImperial"));
        QCOMPARE(w.box(Box::txtOSDD)->text(), QString());
        QCOMPARE(w.focusName(), QString("txtOSDD"));
    }

    void clearAllEmptiesBothColumnsKeepsTheUnitAndTheIdentification()
    {
        for (bool metric : {false, true}) {
            Window w;
            if (metric)
                w.Click(w.option("optMetric"));
            w.TypeInto(Box::txtID, "Car 4");
            const Box speed = metric ? Box::txtOSDDMet : Box::txtOSDD;
            const Box load = metric ? Box::txtRatedLoadMet : Box::txtRatedLoad;
            w.TypeInto(speed, "1");
            w.TypeInto(load, "1000");
            w.Click(w.option("optPlungerNo"));
            w.Click(w.control("cmdClear"));
            for (int i = 1; i < kBoxCount; ++i)
                QVERIFY2(w.box(static_cast<Box>(i))->text().isEmpty(), BoxName(static_cast<Box>(i)).data());
            QCOMPARE(w.box(Box::txtID)->text(), QString("Car 4"));
            QCOMPARE(w.form->ImperialMode(), !metric);
            CheckState(w, metric ? 2 : 0);
            QCOMPARE(w.focusName(), QString(metric ? "txtOSDDMet" : "txtOSDD"));
        }
    }

    void answeringNoHidesThePlungerRowsAndKeepsTheirText()
    {
        Window w;
        w.TypeInto(Box::txtWeightPlunger, "1200");
        w.TypeInto(Box::txtNumPlungers, "1");
        w.Click(w.option("optPlungerNo"));
        QVERIFY(w.box(Box::txtWeightPlunger)->isHidden());
        QCOMPARE(w.focusName(), QString("txtOSDD")); // the speed box is empty
        w.Click(w.option("optPlungerYes"));
        QCOMPARE(w.box(Box::txtWeightPlunger)->text(), QString("1200"));
        QCOMPARE(w.box(Box::txtNumPlungers)->text(), QString("1"));
        QVERIFY(!w.box(Box::txtNumPlungers)->isHidden());
        QVERIFY(w.box(Box::txtNumPlungersMet)->isHidden());
    }

    void anAnswerLeavesTheFocusOnItsButtonWhenTheSpeedIsEntered()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "1");
        w.Click(w.option("optPlungerNo"));
        QCOMPARE(w.focusName(), QString("optPlungerNo"));
        w.box(Box::txtOSDD)->setText(" ");
        w.Click(w.option("optPlungerYes"));
        QCOMPARE(w.focusName(), QString("optPlungerYes")); // a blank is not empty
    }

    void accessKeysChooseTheOptions()
    {
        // A mnemonic presses its button after a short animation: wait for it.
        Window w;
        w.ClickBox(Box::txtRatedLoad);
        w.Key(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(w.option("optMetric")->isChecked());
        QCOMPARE(w.focusName(), QString("txtOSDDMet"));
        w.Key(Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(w.option("optPlungerNo")->isChecked());
        w.Key(Qt::Key_Y, Qt::AltModifier);
        QTRY_VERIFY(w.option("optPlungerYes")->isChecked());
        w.Key(Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(w.option("optImperial")->isChecked());
    }

    void enteringABoxSelectsItsWholeText()
    {
        Window w;
        w.TypeInto(Box::txtRatedLoad, "1000");
        w.ClickBox(Box::txtOSDD);
        w.Key(Qt::Key_Tab);
        QCOMPARE(w.focusName(), QString("txtRatedLoad"));
        QCOMPARE(w.box(Box::txtRatedLoad)->selectedText(), QString("1000"));
        w.Type("5");
        QCOMPARE(w.box(Box::txtRatedLoad)->text(), QString("5"));
        w.ClickBox(Box::txtOSDD);
        w.ClickBox(Box::txtRatedLoad); // a click selects it too
        QCOMPARE(w.box(Box::txtRatedLoad)->selectedText(), QString("5"));
    }
};

QTEST_MAIN(WindowStatesTest)
#include "window_states_test.moc"
