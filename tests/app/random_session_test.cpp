// A long random session on the real window, run as a hurried user at the
// keyboard and mouse would: figures and junk typed or pasted into whatever
// has the focus, editing keys, Tab, clicks on any visible control, the
// options, Calculate, Clear All, access keys, the menus and their shortcuts,
// the stroke table, and the window losing its activation. After every
// keystroke and click the window's rules must still hold:
//  - the twin of each box of the selected system shows its value converted,
//    or keeps its text where the value or the product is beyond a double;
//    the other system's count boxes stay empty;
//  - no result outlives a change of an entry or of an option;
//  - the controls stand as the state table says, and one option of each
//    pair is selected, the unit flag following it;
//  - after a change of option or Clear All the focus is in the empty speed box;
//  - no box the program writes shows a non-finite number;
//  - the identification holds at most 30 characters;
//  - every message box is one the program has.
//
// SBC_RANDOM_SEED replays a session, SBC_RANDOM_EVENTS sets its length and
// SBC_RANDOM_TRACE=1 prints each event as it runs. A failure names the seed,
// the event and the events before it.

#include "boxes.h"
#include "number_text.h"
#include "qt_text.h"
#include "state_table.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <random>

using namespace sbc;
using namespace sbc::test;

namespace {

// clang-format off
constexpr std::array<std::string_view, 6> kKnownTitles = {
    "Oil Buffer Required", "Buffer Stroke", "Buffer Reaction Calculator",
    "Minimum Spring Buffer Stroke - Imperial", "Minimum Spring Buffer Stroke - Metric", "Formulas"};
// clang-format on

// The conversion factors, Imperial to Metric and back, in the rows of
// kTwinPairs; zero for the two counts.
constexpr double kFactors[10][2] = {{0.00508, 196.8503937},         {0.45359237, 2.20462262184878},
                                    {0.45359237, 2.20462262184878}, {0.45359237, 2.20462262184878},
                                    {25.4, 0.03937007874016},       {0, 0},
                                    {0.45359237, 2.20462262184878}, {0, 0},
                                    {0.3048, 3.28083989501313},     {25.4, 0.03937007874016}};

// Figures as a data plate gives them, in the rows of kTwinPairs: lowest and
// highest in Imperial, then in Metric units.
constexpr double kPlateRanges[10][4] = {
    {25, 200, 0.13, 1}, {500, 5000, 230, 2300}, {1000, 6000, 450, 2700}, {5000, 40000, 2300, 18000},
    {1.5, 6, 38, 150},  {1, 4, 1, 4},           {200, 2000, 90, 900},    {1, 2, 1, 2},
    {5, 30, 1.5, 9},    {3, 12, 75, 300}};

// The edges of what a double holds, and texts that are only partly numbers.
// clang-format off
constexpr std::array<const char*, 30> kOddNumbers = {
    "1E308", "1E400", "1E-400", "-1E400", "1E309", "9.99E307", "1.7976931348623157E308", "4.9E-324",
    "2.5D3", "1e5", "1d-3", "1E", "1E+", "E5", "-", "+", ".", "..", "1.2.3", "1 000", " 12", "12 ",
    "1,5", "0.0000001", "-0", "+7", "00012", "-2", "123456789012345678", "0.1E-5"};
// clang-format on

// Key chords by their portable names; arrows on an option move its selection.
const QStringList kEditKeys = {"Backspace",  "Del",          "Left",   "Right",         "Home",  "End",
                               "Shift+Home", "Shift+End",    "Up",     "Down",          "Space", "Esc",
                               "Ctrl+Z",     "Ctrl+Shift+Z", "Ctrl+Y", "Ctrl+Backspace"};
const QStringList kClipboardKeys = {"Ctrl+C", "Ctrl+X", "Ctrl+V", "Shift+Ins", "Shift+Del"};
const QStringList kAccessKeys = {"Alt+I", "Alt+M", "Alt+Y", "Alt+N", "Alt+C", "Alt+A", "Alt+Q", "Alt+7"};
const QStringList kMenuShortcuts = {"Ctrl+D", "Ctrl+F", "Ctrl+I"};
const QStringList kMenuTitles = {"Alt+F", "Alt+H"};
const QStringList kMenuKeys = {"D", "F", "I", "Down", "Esc"}; // inside an open menu

// One key each. Digits weigh most, then what may continue a number, then
// what may not: comma, letters, a Latin-1 letter and fraction, the minus
// sign, a full-width and an Arabic-Indic digit, an emoji, and the control
// keys Tab, Enter and Backspace.
const QList<uint> kJunkKeys = QString::fromUtf8("01234567890123456789..--++EeDd  ,xaZé½−１٣😀\t\n\b").toUcs4();

QString Key(char32_t key) { return QString::fromUcs4(&key, 1); }

// A text as a failure report shows it: quoted, control characters visible,
// long ones cut.
QString Shown(const QString& text)
{
    QString shown = text.left(40);
    shown.replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r").replace('\b', "\\b");
    return text.size() > 40 ? QString("\"%1...\" (%2 characters)").arg(shown).arg(text.size()) : '"' + shown + '"';
}

// Rolls from std::mt19937, whose output the standard fixes (its
// distributions are not), so a seed replays on any library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    std::size_t Below(std::size_t n) { return engine_() % n; }
    bool Percent(std::size_t percent) { return Below(100) < percent; }
    // Any list, whatever type its size has (a QList's is signed).
    template <typename List>
    const auto& Of(const List& items)
    {
        const auto at = Below(static_cast<std::size_t>(std::size(items)));
        return *std::next(std::begin(items), static_cast<std::ptrdiff_t>(at));
    }

    QString Number()
    {
        switch (Below(6)) {
        case 0: return QString::number(Below(301));   // speeds, strokes, counts
        case 1: return QString::number(Below(30001)); // loads
        case 2: return QString("%1.%2").arg(Below(300)).arg(Below(1000));
        case 3: return QString(Percent(50) ? "-" : "+") + QString::number(Below(500));
        default: return Of(kOddNumbers);
        }
    }
    QString Junk(std::size_t keys)
    {
        QString text;
        for (std::size_t i = 0; i < keys; ++i)
            text += Key(Of(kJunkKeys));
        return text;
    }
    // 1000 characters and more: beyond a double, below its smallest step, or junk.
    QString Long()
    {
        const qsizetype length = 1000 + qsizetype(Below(600));
        switch (Below(3)) {
        case 0: return "1" + QString(length, '0');
        case 1: return "0." + QString(length, '0') + "1";
        default: return Junk(std::size_t(length));
        }
    }
    QString PlateFigure(std::size_t row, bool imperial)
    {
        const double* range = kPlateRanges[row] + (imperial ? 0 : 2);
        const double value = range[0] + (range[1] - range[0]) * double(Below(1001)) / 1000;
        return kFactors[row][0] != 0 ? QString::number(value, 'g', 4) : QString::number(qRound(value));
    }
    // What another program may have left on the clipboard.
    QString Clipboard()
    {
        switch (Below(5)) {
        case 0: return Long();
        case 1: return "1\t0\n0 " + Number();
        case 2: return Junk(1 + Below(40));
        default: return Number();
        }
    }

private:
    std::mt19937 engine_;
};

// At most 15 significant digits before any exponent.
bool FifteenDigitsAtMost(QString text)
{
    text = text.section(QRegularExpression("[eE]"), 0, 0).remove('-').remove('.');
    while (text.startsWith('0'))
        text.remove(0, 1);
    return text.size() <= 15;
}

// Why the twin of a box of the selected system does not show the box's value
// converted, or an empty text if it does: the twin's text, read back, lies
// within the rounding to 15 significant digits of the product. A count's twin
// stays empty; where the value or the product is beyond a double, the twin
// keeps the text it showed before.
QString TwinMismatch(std::size_t row, bool imperial, const QString& own, const QString& twin, const QString& before)
{
    const double factor = kFactors[row][imperial ? 0 : 1];
    if (factor == 0)
        return twin.isEmpty() ? QString() : QString("a count copied");
    const double value = NumberFromText(own.toStdString());
    const double product = value * factor;
    if (!std::isfinite(value) || !std::isfinite(product))
        return twin == before ? QString() : QString("expected the earlier %1").arg(Shown(before));
    bool isNumber = false;
    const double shown = twin.toDouble(&isNumber); // QString reads the period whatever the locale
    if (!isNumber || !FifteenDigitsAtMost(twin))
        return QString("not a plain number of at most 15 digits");
    if (std::abs(shown - product) > 5.1e-15 * std::abs(product) + std::numeric_limits<double>::denorm_min())
        return QString("expected about %1").arg(product, 0, 'g', 17);
    return {};
}

using Snapshot = std::array<QString, kBoxCount>;

class Session {
public:
    Session(std::uint32_t seed, long events) : dice_(seed), seed_(seed), events_(events)
    {
        other_.setObjectName("otherProgram");
        other_.setGeometry(0, 0, 120, 80);
        for (int i = 0; i < kBoxCount; ++i)
            clickable_.push_back(w_.ControlOf(static_cast<Box>(i)));
        for (Option id : {Option::optImperial, Option::optMetric, Option::optPlungerYes, Option::optPlungerNo})
            options_.push_back(w_.ControlOf(id));
        clickable_.insert(clickable_.end(),
                          {options_[0], options_[1], options_[2], options_[3], calculate_, clearAll_});
        untouched_.fill(true);
        last_ = Texts();
        Wire();
    }

    void Run()
    {
        const bool trace = qEnvironmentVariableIsSet("SBC_RANDOM_TRACE");
        std::size_t total = 0;
        for (const EventKind& kind : kinds_)
            total += kind.weight;
        for (event_ = 1; event_ <= events_ && !QTest::currentTestFailed(); ++event_) {
            std::size_t roll = dice_.Below(total);
            const EventKind* kind = kinds_.data();
            for (; roll >= kind->weight; ++kind)
                roll -= kind->weight;
            ++eventCounts_[kind->name];
            if (recent_.size() == 12)
                recent_.pop_front();
            recent_.push_back(QString("#%1 %2 %3:").arg(event_).arg(Where(), kind->name));
            kind->run();
            if (trace) // past Qt Test's cap on logged messages
                std::fprintf(stderr, "%s\n", qPrintable(recent_.back()));
        }
    }

    QString Summary() const
    {
        QStringList lines{
            QString("random session: seed %1, %2 events, %3 verdicts shown").arg(seed_).arg(events_).arg(verdicts_)};
        for (const auto& [name, count] : eventCounts_)
            lines << QString("  %1: %2").arg(name).arg(count);
        std::map<std::string, int> titles;
        for (const Message& message : w_.dialogs.messages)
            ++titles[message.title];
        for (const auto& [title, count] : titles)
            lines << QString("  message \"%1\": %2").arg(ToQString(title)).arg(count);
        return lines.join('\n');
    }

private:
    // Connected after the window's own handlers, so each runs once the
    // window's handler has finished.
    void Wire()
    {
        for (std::size_t i = 0; i < kTwinPairs.size(); ++i)
            for (Box box : {kTwinPairs[i].imperial, kTwinPairs[i].metric})
                QObject::connect(w_.ControlOf(box), &QLineEdit::textChanged, &wiring_, [this, i] {
                    entryChanged_ = true;
                    untouched_[i] = false;
                });
        auto cleared = [this] {
            cleared_ = true;
            untouched_.fill(true);
        };
        QObject::connect(clearAll_, &QAbstractButton::clicked, &wiring_, cleared);
        QObject::connect(calculate_, &QAbstractButton::clicked, &wiring_, [this] { calculated_ = true; });
        for (QAbstractButton* option : options_)
            QObject::connect(option, &QAbstractButton::toggled, &wiring_, [=, this](bool on) {
                optionToggled_ = true;
                if (on && option->parentWidget() == w_.ControlOf(Frame::Frame3)) // a unit option empties every box
                    cleared();
            });
    }

    void Describe(const QString& detail) { recent_.back() += ' ' + detail; }
    bool Imperial() const { return w_.ControlOf(Option::optImperial)->isChecked(); }
    QString Text(Box box) const { return w_.ControlOf(box)->text(); }
    Snapshot Texts() const
    {
        Snapshot texts;
        for (int i = 0; i < kBoxCount; ++i)
            texts[std::size_t(i)] = Text(static_cast<Box>(i));
        return texts;
    }
    QString Where() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return QString("[%1 %2, focus %3]")
            .arg(Imperial() ? "Imperial" : "Metric", w_.ControlOf(Option::optPlungerYes)->isChecked() ? "Yes" : "No",
                 focus ? focus->objectName() : QString("none"));
    }

    // ---- Input ----

    QWidget* KeyTarget() const
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : w_.form.get();
    }

    void Press(const QKeySequence& keys)
    {
        if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
            return Fail("no such key: " + keys.toString(), "pressing a key");
        const QKeyCombination chord = keys[0];
        // Enter runs the calculation through the window's key handler, which
        // no signal shows; such a step may therefore fill the results.
        mayCalculate_ = mayCalculate_ || chord.key() == Qt::Key_Return || chord.key() == Qt::Key_Enter;
        QTest::keyClick(KeyTarget(), chord.key(), chord.keyboardModifiers());
    }

    bool PressChecked(const QString& name)
    {
        Describe(name);
        Press(QKeySequence(name));
        return Checked(name);
    }

    // Key by key, each keystroke checked: Tab, Enter and Backspace as their
    // keys, anything else as a key that brings its character, as a keyboard
    // layout would (printable Latin-1 keys named by their upper case).
    bool TypeText(const QString& text)
    {
        Describe(Shown(text));
        const QList<uint> keys = text.toUcs4();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const char32_t key = keys[i];
            if (key == '\t' || key == '\n' || key == '\b')
                Press(QKeySequence(key == '\t' ? "Tab" : key == '\n' ? "Return" : "Backspace"));
            else
                QTest::sendKeyEvent(QTest::Click, KeyTarget(),
                                    key < 0x100 ? Qt::Key(QChar(char16_t(key)).toUpper().unicode()) : Qt::Key_unknown,
                                    Key(key), Qt::NoModifier);
            if (!Checked(QString("keystroke %1 of %2, %3").arg(i + 1).arg(keys.size()).arg(Shown(Key(key)))))
                return false;
        }
        return true;
    }

    void ClickAt(QWidget* widget)
    {
        // Option buttons toggle only when hit on their circle or caption.
        const QPoint at = qobject_cast<QRadioButton*>(widget)
                              ? QPoint(6, widget->height() / 2)
                              : QPoint(1 + int(dice_.Below(std::size_t(std::max(1, widget->width() - 2)))),
                                       1 + int(dice_.Below(std::size_t(std::max(1, widget->height() - 2)))));
        Describe(QString("%1 at (%2,%3)").arg(widget->objectName()).arg(at.x()).arg(at.y()));
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        Checked("click");
    }

    // ---- The events ----

    // An inspector's whole entry: every shown box of the selected system, each
    // clicked and typed over, mostly followed by Calculate.
    void EnterDataPlate()
    {
        const bool imperial = Imperial();
        for (std::size_t row = 0; row < kTwinPairs.size(); ++row) {
            TextBox* box = w_.ControlOf(imperial ? kTwinPairs[row].imperial : kTwinPairs[row].metric);
            if (!box->isVisible())
                continue;
            ClickAt(box);
            if (QTest::currentTestFailed() || !TypeText(dice_.PlateFigure(row, imperial)))
                return;
        }
        if (dice_.Percent(70))
            Calculate();
    }

    void Calculate()
    {
        switch (dice_.Below(4)) {
        case 0: PressChecked("Return"); return;
        case 1: PressChecked("Num+Enter"); return;
        default: ClickAt(calculate_);
        }
    }

    void ClickShownControl()
    {
        std::vector<QWidget*> shown;
        std::copy_if(clickable_.begin(), clickable_.end(), std::back_inserter(shown),
                     [](QWidget* widget) { return widget->isVisible(); });
        ClickAt(dice_.Of(shown));
    }

    // An access key presses its button after a short animation; the session
    // waits for it, so that what follows does not depend on timing.
    void AccessKey()
    {
        const QString& name = dice_.Of(kAccessKeys);
        Describe(name);
        Press(QKeySequence(name));
        auto down = [](QAbstractButton* b) { return b->isDown(); };
        auto anyDown = [&] {
            return down(calculate_) || down(clearAll_) || std::any_of(options_.begin(), options_.end(), down);
        };
        if (!sbc::test::WaitFor([&] { return !anyDown(); }, 2000))
            Fail("a button pressed by its access key stays down", "waiting for the click");
        else
            Checked(name);
    }

    void StrokeTable()
    {
        Describe("double-click Label10");
        const std::size_t before = w_.dialogs.messages.size();
        QTest::mouseDClick(w_.ControlOf(Label::Label10), Qt::LeftButton);
        const std::string title = std::string("Minimum Spring Buffer Stroke - ") + (Imperial() ? "Imperial" : "Metric");
        if (Checked("double-click")
            && (w_.dialogs.messages.size() != before + 1 || w_.dialogs.messages.back().title != title))
            Fail("the stroke table of the selected system did not show", "double-click");
    }

    // How the next print command's boxes will be answered.
    void AnswerPrinting()
    {
        static constexpr std::array<const char*, 4> kAnswers = {"", "Car 4", "Freight elevator No. 2, north bank",
                                                                "é½−"};
        w_.print.cancel = dice_.Percent(30);
        w_.dialogs.inputAnswer = dice_.Percent(20) ? dice_.Long().toStdString() : dice_.Of(kAnswers);
        Describe(
            QString("cancel %1, identification %2").arg(w_.print.cancel).arg(Shown(ToQString(w_.dialogs.inputAnswer))));
    }

    // A menu title, then one key in the menu. What a menu key left open is
    // closed as Escape does, and the keyboard taken back from a menu bar left
    // in keyboard mode. Under the offscreen platform the menu's own window is
    // activated by queued events; they are handled here and the window made
    // active again, as a window manager would, so that no later wait handles
    // them at a moment that depends on timing.
    void MenuByKeys()
    {
        const QString& title = dice_.Of(kMenuTitles);
        const QString& key = dice_.Of(kMenuKeys);
        Describe(title + ',');
        Press(QKeySequence(title));
        if (QApplication::activePopupWidget()) {
            Describe(key);
            Press(QKeySequence(key));
        }
        for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        if (qobject_cast<QMenuBar*>(QApplication::focusWidget()))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != w_.form.get())
            w_.Activate();
        Checked(title + " then " + key);
    }

    // Another program takes the activation and gives it back: nothing in the
    // window may change, and the focus comes back where it was.
    void LoseActivation()
    {
        Describe("another window active, then this one");
        QWidget* focus = QApplication::focusWidget();
        const Snapshot before = Texts();
        const std::size_t messages = w_.dialogs.messages.size();
        elsewhere_ = true;
        Window::ActivateOther(other_);
        if (!Checked("another window active"))
            return;
        elsewhere_ = false;
        w_.Activate();
        if (!Checked("window active again"))
            return;
        if (Texts() != before || w_.dialogs.messages.size() != messages)
            Fail("losing and regaining the activation changed the window", "window active again");
        else if (focus && QApplication::focusWidget() != focus)
            Fail(QString("the focus came back to %1, not %2").arg(Where(), focus->objectName()), "window active again");
    }

    // ---- The rules ----

    bool Checked(const QString& step)
    {
        if (const QString problem = Problem(); !problem.isEmpty()) {
            Fail(problem, step);
            return false;
        }
        CheckState(w_, StateOf(w_));
        if (QTest::currentTestFailed()) {
            Fail("the controls do not stand as the state table says (above)", step);
            return false;
        }
        if ((calculated_ || mayCalculate_) && !Text(Box::txtBufferGood).isEmpty())
            ++verdicts_;
        entryChanged_ = optionToggled_ = cleared_ = calculated_ = mayCalculate_ = false;
        last_ = Texts();
        lastMessages_ = w_.dialogs.messages.size();
        return true;
    }

    // What is wrong with the window now, or nothing.
    QString Problem() const
    {
        // Not a rule of the window but of the session: input sent to a window
        // that is not active goes nowhere, and the rest would test nothing.
        const QWidget* active = QApplication::activeWindow();
        if (active != (elsewhere_ ? &other_ : static_cast<QWidget*>(w_.form.get())))
            return QString("the session lost the window's activation to %1")
                .arg(active ? active->objectName() : "nothing");

        for (std::size_t i : {std::size_t{0}, std::size_t{2}})
            if (options_[i]->isChecked() == options_[i + 1]->isChecked())
                return QString("%1 and %2 are both %3")
                    .arg(options_[i]->objectName(), options_[i + 1]->objectName(),
                         options_[i]->isChecked() ? "selected" : "clear");
        const bool imperial = Imperial(); // the unit flag following it is the state table's check

        for (std::size_t i = 0; i < kTwinPairs.size(); ++i) {
            const Box own = imperial ? kTwinPairs[i].imperial : kTwinPairs[i].metric;
            const Box twin = imperial ? kTwinPairs[i].metric : kTwinPairs[i].imperial;
            const QString ownText = Text(own), twinText = Text(twin);
            const QString mismatch =
                !untouched_[i] ? TwinMismatch(i, imperial, ownText, twinText, last_[std::size_t(twin)])
                : ownText.isEmpty() && twinText.isEmpty() ? QString()
                                                          : QString("emptied and not typed in since");
            if (!mismatch.isEmpty())
                return QString("%1 shows %2 for %3 in %4: %5")
                    .arg(ToQString(NameOf(twin)), Shown(twinText), Shown(ownText), ToQString(NameOf(own)), mismatch);
        }

        const bool emptied = entryChanged_ || optionToggled_ || cleared_;
        for (Box box : kResultBoxes) {
            const QString text = Text(box);
            if (calculated_ || mayCalculate_ || (emptied ? text.isEmpty() : text == last_[std::size_t(box)]))
                continue;
            return emptied ? QString("%1 still shows %2 after a change of the entries or options")
                                 .arg(ToQString(NameOf(box)), Shown(text))
                           : QString("%1 changed from %2 to %3 without a calculation")
                                 .arg(ToQString(NameOf(box)), Shown(last_[std::size_t(box)]), Shown(text));
        }

        // The boxes the program writes: the other system's twins and the
        // results. The selected system's boxes and txtID hold what was typed.
        for (int i = 1; i < kBoxCount; ++i) {
            const auto box = static_cast<Box>(i);
            const QString text = Text(box);
            if (IsEntryBox(box) && IsMetricBox(box) != imperial)
                continue;
            if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive)
                || (box == Box::txtBufferGood ? !text.isEmpty() && text != "GOOD!!" && text != "NO GOOD!!"
                                              : !std::isfinite(NumberFromText(text.toStdString()))))
                return QString("%1 shows %2").arg(ToQString(NameOf(box)), Shown(text));
        }

        if (Text(Box::txtID).size() > 30)
            return QString("txtID holds %1").arg(Shown(Text(Box::txtID)));

        const std::vector<Message>& messages = w_.dialogs.messages;
        for (std::size_t i = lastMessages_; i < messages.size(); ++i)
            if (std::find(kKnownTitles.begin(), kKnownTitles.end(), messages[i].title) == kKnownTitles.end())
                return QString("a message box titled \"%1\"").arg(ToQString(messages[i].title));

        const Box speed = imperial ? Box::txtOSDD : Box::txtOSDDMet;
        if ((cleared_ || optionToggled_) && Text(speed).isEmpty() && QApplication::focusWidget() != w_.ControlOf(speed))
            return QString("the focus is not in the empty %1: %2").arg(ToQString(NameOf(speed)), Where());
        return {};
    }

    void Fail(const QString& problem, const QString& step)
    {
        QString report = QString("random session, seed %1, event %2 of %3, %4: %5\n"
                                 "replay with SBC_RANDOM_SEED=%1 SBC_RANDOM_EVENTS=%2; the last events:")
                             // clang-format off
                             .arg(seed_).arg(event_).arg(events_).arg(step, problem);
        // clang-format on
        for (const QString& event : recent_)
            report += "\n  " + event;
        QTest::qFail(qPrintable(report), __FILE__, __LINE__);
    }

    struct EventKind {
        const char* name;
        std::size_t weight;
        std::function<void()> run;
    };

    Window w_;
    QObject wiring_; // owns the connections to w_'s signals; destroyed before w_
    QWidget other_;
    Dice dice_;
    std::uint32_t seed_;
    long events_;
    long event_ = 0;
    std::deque<QString> recent_;
    std::vector<QWidget*> clickable_;
    std::vector<QAbstractButton*> options_; // the unit pair, then the plunger pair
    QAbstractButton* calculate_ = w_.ControlOf(Command::cmdCompute);
    QAbstractButton* clearAll_ = w_.ControlOf(Command::cmdClear);
    // What the window's own signals showed since the last check.
    bool entryChanged_ = false, optionToggled_ = false, cleared_ = false, calculated_ = false;
    bool mayCalculate_ = false;
    bool elsewhere_ = false;         // another program holds the activation
    std::array<bool, 10> untouched_; // per twin pair: emptied by clearing and not typed in since
    Snapshot last_;
    std::size_t lastMessages_ = 0;
    std::map<QString, long> eventCounts_;
    long verdicts_ = 0;

    const std::vector<EventKind> kinds_ = {
        {"type a number", 250, [this] { TypeText(dice_.Number()); }},
        {"enter a data plate", 12, [this] { EnterDataPlate(); }},
        {"type junk", 90, [this] { TypeText(dice_.Junk(1 + dice_.Below(12))); }},
        {"type a long text", 1, [this] { TypeText(dice_.Long()); }},
        {"edit key", 110, [this] { PressChecked(dice_.Of(kEditKeys)); }},
        {"clipboard key", 20, [this] { PressChecked(dice_.Of(kClipboardKeys)); }},
        {"paste", 25,
         [this] {
             const QString text = dice_.Clipboard();
             QGuiApplication::clipboard()->setText(text);
             Describe("clipboard " + Shown(text) + ',');
             PressChecked("Ctrl+V");
         }},
        {"select all and retype", 60,
         [this] {
             if (PressChecked("Ctrl+A"))
                 TypeText(dice_.Number());
         }},
        {"tab", 120, [this] { PressChecked(dice_.Percent(70) ? "Tab" : "Shift+Backtab"); }},
        {"click", 110, [this] { ClickShownControl(); }},
        {"click an option", 20, [this] { ClickAt(dice_.Of(options_)); }},
        {"calculate", 40, [this] { Calculate(); }},
        {"clear all", 4, [this] { ClickAt(clearAll_); }},
        {"access key", 2, [this] { AccessKey(); }}, // each waits for its button's animation
        {"stroke table", 4, [this] { StrokeTable(); }},
        {"menu shortcut", 8, [this] { PressChecked(dice_.Of(kMenuShortcuts)); }},
        {"menu by keys", 4, [this] { MenuByKeys(); }},
        {"lose the activation", 8, [this] { LoseActivation(); }},
        {"answer printing", 5, [this] { AnswerPrinting(); }},
    };
};

// Qt Test warns of every key or click a widget leaves unaccepted (Alt on
// its own, a click beside an option's circle), and the offscreen platform
// of every menu it cannot raise or let grab the keyboard; a random session
// does both hundreds of times.
QtMessageHandler previousHandler = nullptr;

void QuietAboutHeadlessInput(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg
        || !(message.contains("not accepted by receiving widget")
             || message.startsWith("This plugin does not support")))
        previousHandler(type, context, message);
}

long FromEnvironment(const char* name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok && value >= 0 ? value : fallback;
}

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowsRulesHoldThroughARandomSession()
    {
        const auto seed = std::uint32_t(FromEnvironment("SBC_RANDOM_SEED", 20240917));
        const long events = FromEnvironment("SBC_RANDOM_EVENTS", 20000);
        qInfo("random session: seed %u, %ld events; replay with SBC_RANDOM_SEED=%u SBC_RANDOM_EVENTS=%ld", seed, events,
              seed, events);
        previousHandler = qInstallMessageHandler(QuietAboutHeadlessInput);
        Session session(seed, events);
        session.Run();
        qInstallMessageHandler(previousHandler);
        if (!QTest::currentTestFailed())
            qInfo("%s", qPrintable(session.Summary()));
    }
};

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"
