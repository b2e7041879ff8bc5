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
    void initTestCase() { PrepareApplication(); }

    void theTwinFollowsEveryKeystroke()
    {
        Window w;
        w.ClickBox(Box::txtBufferStroke);
        QStringList twins;
        for (const char* key : {"2", "5", "0"}) {
            w.Type(key);
            twins << w.box(Box::txtBufferStrokeMet)->text();
        }
        QCOMPARE(twins, QStringList({"50.8", "635", "6350"}));
        w.Key(Qt::Key_Backspace);
        w.Key(Qt::Key_Backspace);
        w.Key(Qt::Key_Backspace);
        QCOMPARE(w.box(Box::txtBufferStrokeMet)->text(), QString("0"));

        w.Click(w.option("optMetric"));
        w.Type("1.0");
        QCOMPARE(w.box(Box::txtOSDD)->text(), QString("196.8503937"));
        QCOMPARE(w.box(Box::txtOSDDMet)->text(), QString("1.0"));
    }

    // The values and the message are the entry rules' (calc tests); here the
    // window's wiring: the keystroke that breaks the rule, the twin while the
    // message is open, the emptied speed box keeping the focus.
    void theOilBufferRuleEmptiesTheSpeedAtTheKeystrokeThatBreaksIt()
    {
        const struct { bool metric; const char* typed; const char* twinWhileOpen; } cases[] = {
            {false, "201", "1.02108"}, {true, "1.1", "216.53543307"}};
        for (const auto& c : cases) {
            Window w(c.metric);
            const Box speed = c.metric ? Box::txtOSDDMet : Box::txtOSDD;
            const Box twin = c.metric ? Box::txtOSDD : Box::txtOSDDMet;
            QStringList twinWhileOpen;
            w.dialogs.onMessage = [&](const Message&) { twinWhileOpen << w.box(twin)->text(); };
            w.ClickBox(speed);
            w.Type(QString(c.typed).chopped(1));
            QVERIFY(w.dialogs.messages.empty());
            w.Type(QString(c.typed).right(1));
            QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
            QCOMPARE(w.dialogs.messages[0].title, std::string("Oil Buffer Required"));
            QCOMPARE(w.dialogs.messages[0].prompt, std::string(c.metric ? "For speeds over 1 MPS an oil buffer is required."
                                                                        : "For speeds over 200 FPM an oil buffer is required."));
            QCOMPARE(twinWhileOpen, QStringList({c.twinWhileOpen}));
            QCOMPARE(w.box(speed)->text(), QString());
            QCOMPARE(w.box(twin)->text(), QString("0"));
            QCOMPARE(w.focusName(), ToQString(BoxName(speed)));
        }
    }

    void leavingTheStrokeBoxRefusesAShortStroke()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "120");
        w.TypeInto(Box::txtBufferStroke, "2");
        w.Key(Qt::Key_Tab);
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(w.dialogs.messages[0].prompt, std::string("Buffer stroke is too short!"));
        QCOMPARE(w.box(Box::txtBufferStroke)->text(), QString());
        QCOMPARE(w.box(Box::txtBufferStrokeMet)->text(), QString("0"));
        QCOMPARE(w.focusName(), QString("txtBufferStroke"));
        // Leaving the emptied box again checks nothing.
        w.ClickBox(Box::txtOSDD);
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
    }

    // A click into the other system's locked box and out again refuses
    // nothing: both stroke boxes keep their text.
    void clickingThroughTheOtherSystemsBoxesChecksNothing()
    {
        const struct { bool metric; const char* speed; const char* stroke; Box other; } cases[] = {
            {false, "100", "1.5", Box::txtOSDDMet},
            {true, "0.5", "38", Box::txtBufferStroke},
        };
        for (const auto& c : cases) {
            Window w(c.metric);
            const Box speed = c.metric ? Box::txtOSDDMet : Box::txtOSDD;
            const Box stroke = c.metric ? Box::txtBufferStrokeMet : Box::txtBufferStroke;
            w.TypeInto(speed, c.speed);
            w.TypeInto(stroke, c.stroke);
            const QString strokes = w.box(Box::txtBufferStroke)->text() + "|" + w.box(Box::txtBufferStrokeMet)->text();
            w.ClickBox(c.other);
            w.ClickBox(Box::txtRatedLoad);
            QVERIFY(w.dialogs.messages.empty());
            QCOMPARE(w.box(Box::txtBufferStroke)->text() + "|" + w.box(Box::txtBufferStrokeMet)->text(), strokes);
            QCOMPARE(w.focusName(), QString("txtRatedLoad"));
        }
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
        QCOMPARE(w.focusName(), QString("txtBufferStroke"));
        QVERIFY(w.dialogs.messages.empty());
        QCOMPARE(w.box(Box::txtBufferStroke)->text(), QString("2"));
    }

    void enterCalculatesTheWorkedExample()
    {
        Window w;
        w.ClickBox(Box::txtOSDD);
        for (const auto& [box, text] : worked_example::kEntries) {
            while (w.focusName() != ToQString(BoxName(box)))
                w.Key(Qt::Key_Tab);
            w.Type(text);
        }
        w.Key(Qt::Key_Return);
        QVERIFY(w.dialogs.messages.empty());
        for (const auto& [box, text] : worked_example::kResults) {
            QCOMPARE(w.box(box)->text(), QString(text));
            QCOMPARE(w.box(box)->cursorPosition(), 0); // a long result shows its first digits
        }
        QCOMPARE(w.focusName(), QString("txtPlungerDiam")); // Enter moves no focus

        w.Type("7"); // any change empties the results
        for (Box b : kResultBoxes)
            QVERIFY(w.box(b)->text().isEmpty());
    }

    void enterOnAButtonPressesThatButtonElsewhereCalculates()
    {
        Window w;
        w.TypeInto(Box::txtOSDD, "100");
        w.Click(w.option("optPlungerNo"));
        w.Key(Qt::Key_Return); // on an option: Calculate, which misses entries
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(w.dialogs.messages[0].prompt, std::string("Did you make an entry in all the appropriate fields?"));
        w.control("cmdClear")->setFocus(Qt::TabFocusReason);
        w.Key(Qt::Key_Return);
        QCOMPARE(w.box(Box::txtOSDD)->text(), QString()); // Clear All, no second message
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
