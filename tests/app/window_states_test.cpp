// The four states (unit system x plunger answer), the Tab order, clearing
// and where the focus lands, driven through the real window.

#include "qt_text.h"
#include "state_table.h"
#include "window_fixture.h"

using namespace sbc;
using namespace sbc::test;

namespace {

QStringList TabCycle(Window& w)
{
    w.ClickBox(Box::txtID);
    QStringList seen;
    for (int i = 0; i < 20; ++i) {
        w.Key(Qt::Key_Tab);
        seen << w.FocusName();
        if (seen.last() == "txtID")
            break;
    }
    return seen;
}

} // namespace

class WindowStatesTest : public QObject {
    Q_OBJECT
private slots:
    // Answering No hides the plunger rows; their text stays for Yes.
    void everyStateStandsAsTheTableSays()
    {
        Window w;
        CheckState(w, 0);
        QCOMPARE(w.FocusName(), QString("txtID")); // loading moves no focus: the first tab stop has it
        w.TypeInto(Box::txtWeightPlunger, "1200");
        w.TypeInto(Box::txtNumPlungers, "1");
        w.Click(w.ControlOf(Option::optPlungerNo));
        CheckState(w, 1);
        QCOMPARE(w.FocusName(), QString("txtOSDD")); // the speed box is empty
        w.Click(w.ControlOf(Option::optPlungerYes));
        CheckState(w, 0);
        QCOMPARE(w.ControlOf(Box::txtWeightPlunger)->text(), QString("1200"));
        QCOMPARE(w.ControlOf(Box::txtNumPlungers)->text(), QString("1"));
        w.Click(w.ControlOf(Option::optPlungerNo));
        w.Click(w.ControlOf(Option::optMetric));
        CheckState(w, 2);
        w.Click(w.ControlOf(Option::optPlungerNo));
        CheckState(w, 3);
        w.Click(w.ControlOf(Option::optPlungerYes));
        CheckState(w, 2);
        w.Click(w.ControlOf(Option::optImperial));
        CheckState(w, 0);
    }

    void tabVisitsTheSelectedSystemRowByRow()
    {
        Window w;
        QCOMPARE(TabCycle(w),
                 QStringList({"txtOSDD", "txtRatedLoad", "txtWeightCar", "txtBufferLoadRat", "txtBufferStroke",
                              "txtNumOfBufAssys", "txtWeightPlunger", "txtNumPlungers", "txtLengthPlunger",
                              "txtPlungerDiam", "cmdCompute", "cmdClear", "optPlungerYes", "optImperial", "txtID"}));
        w.Click(w.ControlOf(Option::optMetric));
        QCOMPARE(TabCycle(w), QStringList({"txtOSDDMet", "txtRatedLoadMet", "txtWeightCarMet", "txtBufferLoadRatMet",
                                           "txtBufferStrokeMet", "txtNumOfBufAssysMet", "txtWeightPlungerMet",
                                           "txtNumPlungersMet", "txtLengthPlungerMet", "txtPlungerDiamMet",
                                           "cmdCompute", "cmdClear", "optPlungerYes", "optMetric", "txtID"}));
        w.Click(w.ControlOf(Option::optPlungerNo));
        QCOMPARE(TabCycle(w), QStringList({"txtOSDDMet", "txtRatedLoadMet", "txtWeightCarMet", "txtBufferLoadRatMet",
                                           "txtBufferStrokeMet", "txtNumOfBufAssysMet", "cmdCompute", "cmdClear",
                                           "optPlungerNo", "optMetric", "txtID"}));
    }

    // Typed entries, a result and No; then a change of unit system or Clear
    // All empties every box but txtID, returns to Yes and focuses the speed box.
    void changingTheUnitOrClearAllEmptiesEveryBoxAndReturnsToYes_data()
    {
        QTest::addColumn<UnitSystem>("start");
        QTest::addColumn<bool>("clearAll"); // else the other unit system's option
        QTest::addColumn<int>("state");
        QTest::newRow("to Metric") << UnitSystem::Imperial << false << 2;
        QTest::newRow("to Imperial") << UnitSystem::Metric << false << 0;
        QTest::newRow("Clear All in Imperial") << UnitSystem::Imperial << true << 0;
        QTest::newRow("Clear All in Metric") << UnitSystem::Metric << true << 2;
    }
    void changingTheUnitOrClearAllEmptiesEveryBoxAndReturnsToYes()
    {
        QFETCH(UnitSystem, start);
        QFETCH(bool, clearAll);
        QFETCH(int, state);
        Window w(start);
        w.TypeInto(Box::txtID, "Car 4");
        for (const TwinPair& pair : kTwinPairs)
            if (Box b = pair.BoxIn(start); w.ControlOf(b)->isVisible())
                w.TypeInto(b, "1");
        w.Click(w.ControlOf(Option::optPlungerNo));
        w.ControlOf(Box::txtMinBufLoadRat)->setText("1234"); // as a calculation would leave it
        const Option other = start == UnitSystem::Imperial ? Option::optMetric : Option::optImperial;
        w.Click(clearAll ? static_cast<QWidget*>(w.ControlOf(Command::cmdClear)) : w.ControlOf(other));
        for (int i = 1; i < kBoxCount; ++i)
            QVERIFY2(w.ControlOf(static_cast<Box>(i))->text().isEmpty(), NameOf(static_cast<Box>(i)).data());
        QCOMPARE(w.ControlOf(Box::txtID)->text(), QString("Car 4"));
        CheckState(w, state);
        QCOMPARE(w.FocusName(), state == 0 ? QString("txtOSDD") : QString("txtOSDDMet"));
    }

    // The order shows in what the window does on the way: an emptied
    // Imperial box writes "0" into its Metric twin, which the Metric pass
    // empties, and selecting Yes after the fifth box moves the focus into
    // the speed box emptied just before. Each twin's write is logged before
    // the change that caused it, and the focus before Yes: the window's own
    // handlers run first.
    void clearAllEmptiesInItsOrder()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "1");
        w.TypeInto(Box::txtWeightPlunger, "1");
        w.TypeInto(Box::txtBufferStroke, "2");
        w.TypeInto(Box::txtNumOfBufAssys, "2");
        w.Click(w.ControlOf(Option::optPlungerNo));
        w.ControlOf(Command::cmdClear)->setFocus();

        QStringList log;
        QObject recorder;
        for (int i = 0; i < kBoxCount; ++i)
            QObject::connect(
                w.ControlOf(static_cast<Box>(i)), &QLineEdit::textChanged, &recorder,
                [&log, i](const QString& text) { log << ToQString(NameOf(static_cast<Box>(i))) + "=" + text; });
        QObject::connect(w.ControlOf(Option::optPlungerYes), &QRadioButton::toggled, &recorder, [&log](bool on) {
            if (on)
                log << "Yes";
        });
        QObject::connect(qApp, &QApplication::focusChanged, &recorder,
                         [&log](QWidget*, QWidget* now) { log << "focus " + now->objectName(); });
        w.Click(w.ControlOf(Command::cmdClear));

        QCOMPARE(log, QStringList({
                          // first pass, Imperial
                          // clang-format off
                          "txtOSDDMet=0", "txtOSDD=", "txtWeightPlungerMet=0", "txtWeightPlunger=",
                          "focus txtOSDD", "Yes",
                          "txtBufferStrokeMet=0", "txtBufferStroke=", "txtNumOfBufAssys=",
                          // clang-format on
                          // second pass, Metric; the third finds nothing left
                          "txtOSDDMet=",
                          "txtWeightPlungerMet=",
                          "txtBufferStrokeMet=",
                      }));
    }

    void anAnswerLeavesTheFocusOnItsButtonWhenTheSpeedIsEntered()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "1");
        w.Click(w.ControlOf(Option::optPlungerNo));
        QCOMPARE(w.FocusName(), QString("optPlungerNo"));
        w.ControlOf(Box::txtOSDD)->setText(" ");
        w.Click(w.ControlOf(Option::optPlungerYes));
        QCOMPARE(w.FocusName(), QString("optPlungerYes")); // a blank is not empty
    }

    void accessKeysChooseTheOptions()
    {
        // A mnemonic presses its button after a short animation: wait for it.
        Window w;
        w.ClickBox(Box::txtRatedLoad);
        w.Key(Qt::Key_M, Qt::AltModifier);
        SBC_TRY_VERIFY(w.ControlOf(Option::optMetric)->isChecked());
        QCOMPARE(w.FocusName(), QString("txtOSDDMet"));
        w.Key(Qt::Key_N, Qt::AltModifier);
        SBC_TRY_VERIFY(w.ControlOf(Option::optPlungerNo)->isChecked());
        w.Key(Qt::Key_Y, Qt::AltModifier);
        SBC_TRY_VERIFY(w.ControlOf(Option::optPlungerYes)->isChecked());
        w.Key(Qt::Key_I, Qt::AltModifier);
        SBC_TRY_VERIFY(w.ControlOf(Option::optImperial)->isChecked());
    }

    void arrowKeysChooseAnOptionAndTheFocusGoesToTheEmptySpeedBox()
    {
        Window w;
        w.Click(w.ControlOf(Option::optImperial));
        w.Key(Qt::Key_Right);
        QVERIFY(w.ControlOf(Option::optMetric)->isChecked());
        QCOMPARE(w.FocusName(), QString("txtOSDDMet"));
        w.Click(w.ControlOf(Option::optPlungerYes));
        w.Key(Qt::Key_Down);
        QVERIFY(w.ControlOf(Option::optPlungerNo)->isChecked());
        QCOMPARE(w.FocusName(), QString("txtOSDDMet"));
        w.Click(w.ControlOf(Option::optPlungerNo));
        w.Key(Qt::Key_Right); // past the last option nothing changes
        QVERIFY(w.ControlOf(Option::optPlungerNo)->isChecked());
        QCOMPARE(w.FocusName(), QString("optPlungerNo"));
        w.Key(Qt::Key_Left);
        QVERIFY(w.ControlOf(Option::optPlungerYes)->isChecked());
        QCOMPARE(w.FocusName(), QString("txtOSDDMet"));
    }

    void enteringABoxSelectsItsWholeText()
    {
        Window w;
        w.TypeInto(Box::txtRatedLoad, "1000");
        w.ClickBox(Box::txtOSDD);
        w.Key(Qt::Key_Tab);
        QCOMPARE(w.FocusName(), QString("txtRatedLoad"));
        QCOMPARE(w.ControlOf(Box::txtRatedLoad)->selectedText(), QString("1000"));
        w.Type("5");
        QCOMPARE(w.ControlOf(Box::txtRatedLoad)->text(), QString("5"));
        w.ClickBox(Box::txtOSDD);
        w.ClickBox(Box::txtRatedLoad); // a click selects it too
        QCOMPARE(w.ControlOf(Box::txtRatedLoad)->selectedText(), QString("5"));

        // Beyond what a 16-bit count holds, the whole text is still selected.
        w.ControlOf(Box::txtWeightCar)->setText(QString(40000, '7'));
        w.ClickBox(Box::txtRatedLoad);
        w.Key(Qt::Key_Tab);
        QCOMPARE(w.ControlOf(Box::txtWeightCar)->selectedText().size(), 40000);
    }
};

QTEST_MAIN(WindowStatesTest)
#include "window_states_test.moc"
