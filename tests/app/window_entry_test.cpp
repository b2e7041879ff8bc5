// Typing, tabbing and calculating through the real window, key by key, with
// the message boxes answered by the test.

#include "qt_text.h"
#include "window_fixture.h"
#include "worked_example.h"

#include <QAction>

using namespace sbc;
using namespace sbc::test;

class WindowEntryTest : public QObject {
    Q_OBJECT
private slots:
    void theTwinFollowsEveryKeystroke()
    {
        Window w;
        w.ClickBox(Box::txtBufferStroke);
        QStringList twins;
        for (const char* key : {"2", "5", "0"}) {
            w.Type(key);
            twins << w.ControlOf(Box::txtBufferStrokeMet)->text();
        }
        QCOMPARE(twins, QStringList({"50.8", "635", "6350"}));
        for (int i = 0; i < 3; ++i)
            w.Key(Qt::Key_Backspace);
        QCOMPARE(w.ControlOf(Box::txtBufferStrokeMet)->text(), QString("0"));

        w.Click(w.ControlOf(Option::optMetric));
        w.Type("1.0");
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString("196.8503937"));
        QCOMPARE(w.ControlOf(Box::txtOSDDMet)->text(), QString("1.0"));
    }

    // The values and the messages are the entry rules' (calc tests); here the
    // window's wiring: the keystroke that breaks the rule (Tab out of a short
    // stroke), the twin while the message is open, the emptied box keeping the
    // focus, and leaving it again checking nothing.
    void aBrokenRuleEmptiesTheBoxAndKeepsTheFocus_data()
    {
        QTest::addColumn<UnitSystem>("system");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("twinWhileOpen");
        // clang-format off
        QTest::newRow("oil buffer, Imperial") << UnitSystem::Imperial << "" << Box::txtOSDD << "201" << "1.02108";
        QTest::newRow("oil buffer, Metric") << UnitSystem::Metric << "" << Box::txtOSDDMet << "1.1" << "216.53543307";
        QTest::newRow("short stroke") << UnitSystem::Imperial << "120" << Box::txtBufferStroke << "2\t" << "50.8";
        // clang-format on
    }
    void aBrokenRuleEmptiesTheBoxAndKeepsTheFocus()
    {
        QFETCH(UnitSystem, system);
        QFETCH(QString, speed);
        QFETCH(Box, box);
        QFETCH(QString, typed);
        QFETCH(QString, twinWhileOpen);
        Window w(system);
        const Box twin = FindTwinPair(box)->BoxIn(OtherSystem(system));
        QStringList twinSeen;
        w.dialogs.onMessage = [&](const Message&) { twinSeen << w.ControlOf(twin)->text(); };
        w.TypeInto(PairOf(Quantity::Speed).BoxIn(system), speed);
        w.ClickBox(box);
        w.Type(typed.chopped(1));
        QVERIFY(w.dialogs.messages.empty());
        w.Type(typed.right(1));
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(twinSeen, QStringList({twinWhileOpen}));
        QCOMPARE(w.ControlOf(box)->text(), QString());
        QCOMPARE(w.ControlOf(twin)->text(), QString("0"));
        QCOMPARE(w.FocusName(), ToQString(NameOf(box)));
        w.ClickBox(Box::txtRatedLoad);
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
    }

    // A click into the other system's locked box and out again refuses
    // nothing: both stroke boxes keep their text.
    void clickingThroughTheOtherSystemsBoxesChecksNothing_data()
    {
        QTest::addColumn<UnitSystem>("system");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<Box>("other");
        QTest::newRow("Imperial") << UnitSystem::Imperial << "100"
                                  << "1.5" << Box::txtOSDDMet;
        QTest::newRow("Metric") << UnitSystem::Metric << "0.5"
                                << "38" << Box::txtBufferStroke;
    }
    void clickingThroughTheOtherSystemsBoxesChecksNothing()
    {
        QFETCH(UnitSystem, system);
        QFETCH(QString, speed);
        QFETCH(QString, stroke);
        QFETCH(Box, other);
        Window w(system);
        w.TypeInto(PairOf(Quantity::Speed).BoxIn(system), speed);
        w.TypeInto(PairOf(Quantity::Stroke).BoxIn(system), stroke);
        const QString strokes =
            w.ControlOf(Box::txtBufferStroke)->text() + "|" + w.ControlOf(Box::txtBufferStrokeMet)->text();
        w.ClickBox(other);
        w.ClickBox(Box::txtRatedLoad);
        QVERIFY(w.dialogs.messages.empty());
        QCOMPARE(w.ControlOf(Box::txtBufferStroke)->text() + "|" + w.ControlOf(Box::txtBufferStrokeMet)->text(),
                 strokes);
        QCOMPARE(w.FocusName(), QString("txtRatedLoad"));
    }

    void losingTheWindowsActivationChecksNothing()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "120");
        w.TypeInto(Box::txtBufferStroke, "2");
        QWidget other;
        Window::ActivateOther(other);
        QVERIFY(w.dialogs.messages.empty());
        w.Activate();
        QCOMPARE(w.FocusName(), QString("txtBufferStroke"));
        QVERIFY(w.dialogs.messages.empty());
        QCOMPARE(w.ControlOf(Box::txtBufferStroke)->text(), QString("2"));
    }

    void enterCalculatesTheWorkedExample()
    {
        Window w;
        w.ClickBox(Box::txtOSDD);
        for (const auto& [box, text] : worked_example::kEntries) {
            for (std::size_t tabs = 0; w.FocusName() != ToQString(NameOf(box)); ++tabs) {
                QVERIFY2(tabs < kControlDesigns.size(), qPrintable("Tab never reaches " + ToQString(NameOf(box))));
                w.Key(Qt::Key_Tab);
            }
            w.Type(text);
        }
        w.Key(Qt::Key_Return);
        QVERIFY(w.dialogs.messages.empty());
        for (const auto& [box, text] : worked_example::kResults) {
            QCOMPARE(w.ControlOf(box)->text(), QString(text));
            QCOMPARE(w.ControlOf(box)->cursorPosition(), 0); // a long result shows its first digits
        }
        QCOMPARE(w.FocusName(), QString("txtPlungerDiam")); // Enter moves no focus

        w.Type("7"); // any change empties the results
        for (Box b : kResultBoxes)
            QVERIFY(w.ControlOf(b)->text().isEmpty());
    }

    void enterOnAButtonPressesThatButtonElsewhereCalculates()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "100");
        w.Click(w.ControlOf(Option::optPlungerNo));
        w.Key(Qt::Key_Return); // on an option: Calculate, which misses entries
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(w.dialogs.messages[0].prompt, std::string("Did you make an entry in all the appropriate fields?"));
        w.ControlOf(Command::cmdClear)->setFocus(Qt::TabFocusReason);
        w.Key(Qt::Key_Return);
        QCOMPARE(w.ControlOf(Box::txtOSDD)->text(), QString()); // Clear All, no second message
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
    }

    void menuShortcutsWorkFromAnEntryBox()
    {
        Window w;
        w.ClickBox(Box::txtOSDD);
        w.print.cancel = true;
        w.Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(w.print.Count("dialog"), 1);
        QCOMPARE(w.dialogs.inputPrompts.size(), std::size_t(1));
        w.Key(Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(w.dialogs.messages[0].title, std::string("Formulas"));
        w.print.cancel = false;
        w.Key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(w.print.Count("form image"), 1);
    }
};

QTEST_MAIN(WindowEntryTest)
#include "window_entry_test.moc"
