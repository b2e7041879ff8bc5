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
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

using namespace sbc;
using namespace sbc::test;

namespace {

constexpr std::uint32_t kDefaultSeed = 20240917;
constexpr long kDefaultEvents = 20000;
constexpr std::size_t kEventsRemembered = 12;
constexpr std::array<std::string_view, 6> kKnownTitles = {
    "Oil Buffer Required", "Buffer Stroke", "Buffer Reaction Calculator",
    "Minimum Spring Buffer Stroke - Imperial", "Minimum Spring Buffer Stroke - Metric", "Formulas"};

QString NameOf(Box box) { return ToQString(BoxName(box)); }

// A text as a failure report shows it: quoted, control characters visible,
// long ones cut.
QString Shown(const QString& text)
{
    constexpr qsizetype kShown = 40;
    QString shown = text.left(kShown);
    shown.replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r").replace('\b', "\\b");
    if (text.size() > kShown)
        return QString("\"%1...\" (%2 characters)").arg(shown).arg(text.size());
    return '"' + shown + '"';
}

// Rolls from std::mt19937, whose output the standard fixes; the standard's
// distributions are not fixed, so a seed replays on any library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    std::size_t Below(std::size_t n) { return engine_() % n; }
    bool Percent(std::size_t percent) { return Below(100) < percent; }
    template <typename T, std::size_t N>
    const T& Of(const std::array<T, N>& items) { return items[Below(N)]; }

private:
    std::mt19937 engine_;
};

// ---- What the user types --------------------------------------------------

// The edges of what a double holds, and texts that are only partly numbers.
constexpr std::array<const char*, 30> kOddNumbers = {
    "1E308", "1E400", "1E-400", "-1E400", "1E309", "9.99E307", "1.7976931348623157E308", "4.9E-324",
    "2.5D3", "1e5", "1d-3", "1E", "1E+", "E5", "-", "+", ".", "..", "1.2.3", "1 000", " 12", "12 ",
    "1,5", "0.0000001", "-0", "+7", "00012", "-2", "123456789012345678", "0.1E-5"};

QString NumberText(Dice& dice)
{
    switch (dice.Below(6)) {
    case 0: return QString::number(dice.Below(301)); // speeds, strokes, counts
    case 1: return QString::number(dice.Below(30001)); // loads
    case 2: return QString("%1.%2").arg(dice.Below(300)).arg(dice.Below(1000));
    case 3: return QString(dice.Percent(50) ? "-" : "+") + QString::number(dice.Below(500));
    default: return dice.Of(kOddNumbers);
    }
}

// One key each. Digits weigh most, then what may continue a number, then
// what may not: comma, letters, a Latin-1 letter and fraction, the minus
// sign, a full-width and an Arabic-Indic digit, an emoji, and the control
// keys Tab, Enter and Backspace.
const QList<uint>& JunkKeys()
{
    static const QList<uint> keys = QString::fromUtf8("01234567890123456789..--++EeDd  ,xaZé½−１٣😀\t\n\b").toUcs4();
    return keys;
}

QString Key(char32_t key) { return QString::fromUcs4(&key, 1); }

QString JunkText(Dice& dice, std::size_t keys)
{
    QString text;
    for (std::size_t i = 0; i < keys; ++i)
        text += Key(JunkKeys()[qsizetype(dice.Below(std::size_t(JunkKeys().size())))]);
    return text;
}

// 1000 characters and more: beyond a double, below its smallest step, or junk.
QString LongText(Dice& dice)
{
    const qsizetype length = 1000 + qsizetype(dice.Below(600));
    switch (dice.Below(3)) {
    case 0: return "1" + QString(length, '0');
    case 1: return "0." + QString(length, '0') + "1";
    default: return JunkText(dice, std::size_t(length));
    }
}

// Figures as a data plate gives them, in the rows of kTwinPairs: lowest and
// highest in Imperial, then in Metric units.
struct PlateRange {
    double imperialLow, imperialHigh, metricLow, metricHigh;
};

constexpr std::array<PlateRange, 10> kPlateRanges = {{
    {25, 200, 0.13, 1},       // speed
    {500, 5000, 230, 2300},   // rated load
    {1000, 6000, 450, 2700},  // car
    {5000, 40000, 2300, 18000}, // buffer load rating
    {1.5, 6, 38, 150},        // stroke
    {1, 4, 1, 4},             // buffer assemblies
    {200, 2000, 90, 900},     // plunger weight
    {1, 2, 1, 2},             // plungers
    {5, 30, 1.5, 9},          // length in oil
    {3, 12, 75, 300},         // plunger diameter
}};

QString PlateFigure(Dice& dice, std::size_t row, bool imperial)
{
    const PlateRange& range = kPlateRanges[row];
    const double low = imperial ? range.imperialLow : range.metricLow;
    const double high = imperial ? range.imperialHigh : range.metricHigh;
    const double value = low + (high - low) * double(dice.Below(1001)) / 1000;
    return kTwinPairs[row].toMetric ? QString::number(value, 'g', 4) : QString::number(qRound(value));
}

// What another program may have left on the clipboard.
QString ClipboardText(Dice& dice)
{
    switch (dice.Below(5)) {
    case 0: return LongText(dice);
    case 1: return "1\t0\n0 " + NumberText(dice);
    case 2: return JunkText(dice, 1 + dice.Below(40));
    default: return NumberText(dice);
    }
}

// ---- Keys and chords --------------------------------------------------------

struct Chord {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

const std::array<Chord, 16> kEditChords = {{
    {Qt::Key_Backspace, {}, "Backspace"}, {Qt::Key_Delete, {}, "Delete"}, {Qt::Key_Left, {}, "Left"},
    {Qt::Key_Right, {}, "Right"}, {Qt::Key_Home, {}, "Home"}, {Qt::Key_End, {}, "End"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"}, {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_Up, {}, "Up"}, {Qt::Key_Down, {}, "Down"}, {Qt::Key_Space, {}, "Space"},
    {Qt::Key_Escape, {}, "Escape"}, {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"}, {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
}};

const std::array<Chord, 5> kClipboardChords = {{
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"}, {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"}, {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Delete"},
}};

// The window's access keys, and two that are none.
const std::array<Chord, 8> kAccessChords = {{
    {Qt::Key_I, Qt::AltModifier, "Alt+I"}, {Qt::Key_M, Qt::AltModifier, "Alt+M"},
    {Qt::Key_Y, Qt::AltModifier, "Alt+Y"}, {Qt::Key_N, Qt::AltModifier, "Alt+N"},
    {Qt::Key_C, Qt::AltModifier, "Alt+C"}, {Qt::Key_A, Qt::AltModifier, "Alt+A"},
    {Qt::Key_Q, Qt::AltModifier, "Alt+Q"}, {Qt::Key_7, Qt::AltModifier, "Alt+7"},
}};

const std::array<Chord, 3> kMenuShortcuts = {{
    {Qt::Key_D, Qt::ControlModifier, "Ctrl+D"}, {Qt::Key_F, Qt::ControlModifier, "Ctrl+F"},
    {Qt::Key_I, Qt::ControlModifier, "Ctrl+I"},
}};

const std::array<Chord, 2> kMenuTitles = {{
    {Qt::Key_F, Qt::AltModifier, "Alt+F"}, {Qt::Key_H, Qt::AltModifier, "Alt+H"},
}};

// Inside an open menu: its items' access keys, a move and Escape.
const std::array<Chord, 5> kMenuKeys = {{
    {Qt::Key_D, {}, "D"}, {Qt::Key_F, {}, "F"}, {Qt::Key_I, {}, "I"}, {Qt::Key_Down, {}, "Down"},
    {Qt::Key_Escape, {}, "Escape"},
}};

// Printable Latin-1 keys are named by their upper-case character.
Qt::Key KeyCodeOf(char32_t key)
{
    if (key >= 0x100)
        return Qt::Key_unknown;
    return Qt::Key(QChar(char16_t(key)).toUpper().unicode());
}

// ---- Hang watch ---------------------------------------------------------------

// Aborts a session that stops making progress, naming where it stood, rather
// than leaving a hang to the test runner's timeout.
class Watchdog {
public:
    explicit Watchdog(std::uint32_t seed)
        : thread_([this, seed](std::stop_token stop) { Watch(stop, seed); })
    {
    }
    void Progress(long event) { event_.store(event, std::memory_order_relaxed); }

private:
    static constexpr std::chrono::seconds kStall{30};

    void Watch(std::stop_token stop, std::uint32_t seed)
    {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        long seen = -1;
        while (!wake.wait_for(lock, stop, kStall, [] { return false; }) && !stop.stop_requested()) {
            const long now = event_.load(std::memory_order_relaxed);
            if (now == seen) {
                std::fprintf(stderr, "random session: no progress for %llds after event %ld (seed %u)\n",
                             static_cast<long long>(kStall.count()), now, seed);
                std::abort();
            }
            seen = now;
        }
    }

    std::atomic<long> event_{0};
    std::jthread thread_; // last: stops and joins before event_ goes
};

// ---- The session ------------------------------------------------------------

using Texts = std::array<QString, kBoxCount>;

class Session {
public:
    Session(std::uint32_t seed, long events);
    void Run();
    QString Summary() const;

private:
    struct EventKind {
        const char* name;
        std::size_t weight;
        void (Session::*run)();
    };
    static const std::array<EventKind, 19> kEventKinds;

    // What the window's own signals showed since the last check.
    struct Seen {
        bool entryChanged = false;
        bool optionToggled = false;
        bool cleared = false;
        bool calculated = false;
    };

    void Wire();
    const EventKind& PickEvent();
    void Describe(const QString& detail) { recent_.back() += ' ' + detail; }

    // Input.
    QWidget* KeyTarget() const;
    void Press(const Chord& chord);
    void TypeKey(char32_t key);
    bool TypeText(const QString& text);
    bool PressChecked(const Chord& chord);
    void SettleAnimatedClicks();
    void CloseMenus();

    // The events.
    void TypeNumber() { TypeText(NumberText(dice_)); }
    void EnterDataPlate();
    void TypeJunk() { TypeText(JunkText(dice_, 1 + dice_.Below(12))); }
    void TypeLong() { TypeText(LongText(dice_)); }
    void EditKey() { PressChecked(dice_.Of(kEditChords)); }
    void ClipboardKey() { PressChecked(dice_.Of(kClipboardChords)); }
    void PasteText();
    void SelectAllAndRetype();
    void TabKey();
    void ClickControl();
    void ClickOption();
    void Calculate();
    void ClearAll();
    void AccessKey();
    void StrokeTable();
    void MenuShortcut();
    void MenuByKeys();
    void LoseActivation();
    void AnswerPrinting();
    void ClickAt(QWidget* widget);

    // The rules, each giving what is wrong or nothing.
    bool Checked(const QString& step);
    QString OptionsPaired() const;
    QString TwinsFollow() const;
    QString ResultsFollowEntries() const;
    QString NothingNonFinite() const;
    QString IdentificationFits() const;
    QString MessagesKnown() const;
    QString FocusAfterTransition() const;
    QString StillActive() const;
    void Fail(const QString& problem, const QString& step);
    void Remember();

    bool Imperial() const { return w_.option("optImperial")->isChecked(); }
    QString Text(Box box) const { return w_.box(box)->text(); }
    Texts AllTexts() const;
    QString Where() const;

    Window w_;
    QObject wiring_; // owns the connections to w_'s signals; destroyed before w_
    QWidget other_;
    Dice dice_;
    Watchdog watchdog_;
    std::uint32_t seed_;
    long events_;
    long event_ = 0;
    std::deque<QString> recent_;

    std::vector<QWidget*> clickable_;
    std::vector<QAbstractButton*> buttons_;
    Seen seen_;
    bool elsewhere_ = false;         // another program holds the activation
    bool mayCalculate_ = false;      // Enter reaches the window's handler, which no signal shows
    std::array<bool, 10> untouched_; // per twin pair: emptied by clearing and not typed in since
    Texts lastTexts_;
    std::size_t lastMessages_ = 0;

    std::map<QString, long> eventCounts_;
    long verdicts_ = 0;
};

const std::array<Session::EventKind, 19> Session::kEventKinds = {{
    {"type a number", 250, &Session::TypeNumber},
    {"enter a data plate", 12, &Session::EnterDataPlate},
    {"type junk", 90, &Session::TypeJunk},
    {"type a long text", 1, &Session::TypeLong},
    {"edit key", 110, &Session::EditKey},
    {"clipboard key", 20, &Session::ClipboardKey},
    {"paste", 25, &Session::PasteText},
    {"select all and retype", 60, &Session::SelectAllAndRetype},
    {"tab", 120, &Session::TabKey},
    {"click", 110, &Session::ClickControl},
    {"click an option", 20, &Session::ClickOption},
    {"calculate", 40, &Session::Calculate},
    {"clear all", 4, &Session::ClearAll},
    {"access key", 2, &Session::AccessKey}, // each waits for its button's animation
    {"stroke table", 4, &Session::StrokeTable},
    {"menu shortcut", 8, &Session::MenuShortcut},
    {"menu by keys", 4, &Session::MenuByKeys},
    {"lose the activation", 8, &Session::LoseActivation},
    {"answer printing", 5, &Session::AnswerPrinting},
}};

Session::Session(std::uint32_t seed, long events) : dice_(seed), watchdog_(seed), seed_(seed), events_(events)
{
    other_.setObjectName("otherProgram");
    other_.setGeometry(0, 0, 120, 80);
    for (int i = 0; i < kBoxCount; ++i)
        clickable_.push_back(w_.box(static_cast<Box>(i)));
    for (const char* name : {"optImperial", "optMetric", "optPlungerYes", "optPlungerNo", "cmdCompute", "cmdClear"}) {
        clickable_.push_back(w_.control(name));
        buttons_.push_back(static_cast<QAbstractButton*>(w_.control(name)));
    }
    untouched_.fill(true);
    lastTexts_ = AllTexts();
    Wire();
}

// Connected after the window's own handlers, so each runs once the
// window's handler has finished.
void Session::Wire()
{
    for (std::size_t i = 0; i < kTwinPairs.size(); ++i)
        for (Box box : {kTwinPairs[i].imperial, kTwinPairs[i].metric})
            QObject::connect(w_.box(box), &QLineEdit::textChanged, &wiring_, [this, i] {
                seen_.entryChanged = true;
                untouched_[i] = false;
            });
    auto cleared = [this] {
        seen_.cleared = true;
        untouched_.fill(true);
    };
    QObject::connect(static_cast<QPushButton*>(w_.control("cmdClear")), &QPushButton::clicked, &wiring_, cleared);
    QObject::connect(static_cast<QPushButton*>(w_.control("cmdCompute")), &QPushButton::clicked, &wiring_,
                     [this] { seen_.calculated = true; });
    for (const char* unit : {"optImperial", "optMetric"})
        QObject::connect(w_.option(unit), &QRadioButton::toggled, &wiring_, [cleared](bool on) {
            if (on)
                cleared();
        });
    for (const char* option : {"optImperial", "optMetric", "optPlungerYes", "optPlungerNo"})
        QObject::connect(w_.option(option), &QRadioButton::toggled, &wiring_,
                         [this] { seen_.optionToggled = true; });
}

void Session::Run()
{
    if (QTest::currentTestFailed())
        return;
    const bool trace = qEnvironmentVariableIsSet("SBC_RANDOM_TRACE");
    for (event_ = 1; event_ <= events_; ++event_) {
        const EventKind& kind = PickEvent();
        ++eventCounts_[kind.name];
        if (recent_.size() == kEventsRemembered)
            recent_.pop_front();
        recent_.push_back(QString("#%1 %2 %3:").arg(event_).arg(Where(), kind.name));
        (this->*kind.run)();
        if (trace) // past Qt Test's cap on logged messages
            std::fprintf(stderr, "%s\n", qPrintable(recent_.back()));
        if (QTest::currentTestFailed())
            return;
        watchdog_.Progress(event_);
    }
}

const Session::EventKind& Session::PickEvent()
{
    std::size_t total = 0;
    for (const EventKind& kind : kEventKinds)
        total += kind.weight;
    std::size_t roll = dice_.Below(total);
    for (const EventKind& kind : kEventKinds) {
        if (roll < kind.weight)
            return kind;
        roll -= kind.weight;
    }
    return kEventKinds.front();
}

QString Session::Where() const
{
    const QWidget* focus = QApplication::focusWidget();
    return QString("[%1 %2, focus %3]")
        .arg(Imperial() ? "Imperial" : "Metric", w_.option("optPlungerYes")->isChecked() ? "Yes" : "No",
             focus ? focus->objectName() : QString("none"));
}

QString Session::Summary() const
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

// ---- Input --------------------------------------------------------------------

QWidget* Session::KeyTarget() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : w_.form.get();
}

void Session::Press(const Chord& chord)
{
    if (chord.key == Qt::Key_Return || chord.key == Qt::Key_Enter)
        mayCalculate_ = true;
    QTest::keyClick(KeyTarget(), chord.key, chord.modifiers);
}

bool Session::PressChecked(const Chord& chord)
{
    Describe(chord.name);
    Press(chord);
    return Checked(chord.name);
}

// Tab, Enter and Backspace as their keys; anything else as a key that
// brings its character, as a keyboard layout would.
void Session::TypeKey(char32_t key)
{
    switch (key) {
    case '\t': Press({Qt::Key_Tab, {}, "Tab"}); return;
    case '\n': Press({Qt::Key_Return, {}, "Enter"}); return;
    case '\b': Press({Qt::Key_Backspace, {}, "Backspace"}); return;
    default: QTest::sendKeyEvent(QTest::Click, KeyTarget(), KeyCodeOf(key), Key(key), Qt::NoModifier);
    }
}

// Key by key, each keystroke checked.
bool Session::TypeText(const QString& text)
{
    Describe(Shown(text));
    const QList<uint> keys = text.toUcs4();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        TypeKey(keys[i]);
        if (!Checked(QString("keystroke %1 of %2, %3").arg(i + 1).arg(keys.size()).arg(Shown(Key(keys[i])))))
            return false;
    }
    return true;
}

// An access key presses its button after a short animation; the session
// waits for it, so that what follows does not depend on timing.
void Session::SettleAnimatedClicks()
{
    const QDeadlineTimer deadline(2000);
    auto anyDown = [this] {
        return std::any_of(buttons_.begin(), buttons_.end(), [](QAbstractButton* b) { return b->isDown(); });
    };
    while (anyDown() && !deadline.hasExpired())
        QTest::qWait(5);
    if (anyDown())
        Fail("a button pressed by its access key stays down", "waiting for the click");
}

void Session::ClickAt(QWidget* widget)
{
    // Option buttons toggle only when hit on their circle or caption.
    const bool option = qobject_cast<QRadioButton*>(widget) != nullptr;
    const QPoint at = option ? QPoint(6, widget->height() / 2)
                             : QPoint(1 + int(dice_.Below(std::size_t(std::max(1, widget->width() - 2)))),
                                      1 + int(dice_.Below(std::size_t(std::max(1, widget->height() - 2)))));
    Describe(QString("%1 at (%2,%3)").arg(widget->objectName()).arg(at.x()).arg(at.y()));
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    Checked("click");
}

// ---- The events -----------------------------------------------------------------

// An inspector's whole entry: every shown box of the selected system, each
// clicked and typed over, mostly followed by Calculate.
void Session::EnterDataPlate()
{
    const bool imperial = Imperial();
    for (std::size_t row = 0; row < kTwinPairs.size(); ++row) {
        TextBox* box = w_.box(imperial ? kTwinPairs[row].imperial : kTwinPairs[row].metric);
        if (!box->isVisible())
            continue;
        ClickAt(box);
        if (QTest::currentTestFailed() || !TypeText(PlateFigure(dice_, row, imperial)))
            return;
    }
    if (dice_.Percent(70))
        Calculate();
}

void Session::PasteText()
{
    const QString text = ClipboardText(dice_);
    QGuiApplication::clipboard()->setText(text);
    Describe("clipboard " + Shown(text) + ',');
    PressChecked(kClipboardChords[2]);
}

void Session::SelectAllAndRetype()
{
    if (PressChecked({Qt::Key_A, Qt::ControlModifier, "Ctrl+A"}))
        TypeNumber();
}

void Session::TabKey()
{
    PressChecked(dice_.Percent(70) ? Chord{Qt::Key_Tab, {}, "Tab"}
                                   : Chord{Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"});
}

void Session::ClickControl()
{
    std::vector<QWidget*> shown;
    std::copy_if(clickable_.begin(), clickable_.end(), std::back_inserter(shown),
                 [](QWidget* widget) { return widget->isVisible(); });
    ClickAt(shown[dice_.Below(shown.size())]);
}

void Session::ClickOption()
{
    static constexpr std::array<const char*, 4> kOptions = {"optImperial", "optMetric", "optPlungerYes",
                                                            "optPlungerNo"};
    ClickAt(w_.control(dice_.Of(kOptions)));
}

void Session::Calculate()
{
    switch (dice_.Below(4)) {
    case 0: PressChecked({Qt::Key_Return, {}, "Enter"}); return;
    case 1: PressChecked({Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"}); return;
    default: ClickAt(w_.control("cmdCompute"));
    }
}

void Session::ClearAll() { ClickAt(w_.control("cmdClear")); }

void Session::AccessKey()
{
    const Chord& chord = dice_.Of(kAccessChords);
    Describe(chord.name);
    Press(chord);
    SettleAnimatedClicks();
    Checked(chord.name);
}

void Session::StrokeTable()
{
    Describe("double-click Label10");
    const std::size_t before = w_.dialogs.messages.size();
    QTest::mouseDClick(w_.control("Label10"), Qt::LeftButton);
    if (!Checked("double-click"))
        return;
    const std::string title = std::string("Minimum Spring Buffer Stroke - ") + (Imperial() ? "Imperial" : "Metric");
    if (w_.dialogs.messages.size() != before + 1 || w_.dialogs.messages.back().title != title)
        Fail(QString("the stroke table of the selected system did not show"), "double-click");
}

// How the next print command's boxes will be answered.
void Session::AnswerPrinting()
{
    static constexpr std::array<const char*, 4> kAnswers = {"", "Car 4", "Freight elevator No. 2, north bank",
                                                            "é½−"};
    w_.print.cancel = dice_.Percent(30);
    w_.dialogs.inputAnswer = dice_.Percent(20) ? LongText(dice_).toStdString() : dice_.Of(kAnswers);
    Describe(QString("cancel %1, identification %2")
                 .arg(w_.print.cancel)
                 .arg(Shown(ToQString(w_.dialogs.inputAnswer))));
}

void Session::MenuShortcut() { PressChecked(dice_.Of(kMenuShortcuts)); }

void Session::MenuByKeys()
{
    const Chord& title = dice_.Of(kMenuTitles);
    const Chord& key = dice_.Of(kMenuKeys);
    Describe(QString(title.name) + ',');
    Press(title);
    if (QApplication::activePopupWidget()) {
        Describe(key.name);
        Press(key);
    }
    CloseMenus();
    Checked(QString(title.name) + " then " + key.name);
}

// Closes what a menu key left open, as Escape does, and takes the keyboard
// back from a menu bar left in keyboard mode. Under the offscreen platform
// the menu's own window is activated by queued events; they are handled
// here and the window made active again, as a window manager would, so that
// no later wait handles them at a moment that depends on timing.
void Session::CloseMenus()
{
    for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    if (qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != w_.form.get())
        w_.Activate();
}

// Another program takes the activation and gives it back: nothing in the
// window may change, and the focus comes back where it was.
void Session::LoseActivation()
{
    Describe("another window active, then this one");
    QWidget* focus = QApplication::focusWidget();
    const Texts before = AllTexts();
    const std::size_t messages = w_.dialogs.messages.size();
    elsewhere_ = true;
    Window::ActivateOther(other_);
    if (!Checked("another window active"))
        return;
    elsewhere_ = false;
    w_.Activate();
    if (!Checked("window active again"))
        return;
    if (AllTexts() != before || w_.dialogs.messages.size() != messages)
        Fail("losing and regaining the activation changed the window", "window active again");
    else if (focus && QApplication::focusWidget() != focus)
        Fail(QString("the focus came back to %1, not %2")
                 .arg(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "nothing",
                      focus->objectName()),
             "window active again");
}

// ---- The rules ------------------------------------------------------------------

bool Session::Checked(const QString& step)
{
    for (auto rule : {&Session::OptionsPaired, &Session::TwinsFollow, &Session::ResultsFollowEntries,
                      &Session::NothingNonFinite, &Session::IdentificationFits, &Session::MessagesKnown,
                      &Session::FocusAfterTransition, &Session::StillActive}) {
        const QString problem = (this->*rule)();
        if (!problem.isEmpty()) {
            Fail(problem, step);
            return false;
        }
    }
    CheckState(w_, StateOf(w_));
    if (QTest::currentTestFailed()) {
        Fail("the controls do not stand as the state table says (above)", step);
        return false;
    }
    Remember();
    return true;
}

void Session::Remember()
{
    if ((seen_.calculated || mayCalculate_) && !Text(Box::txtBufferGood).isEmpty())
        ++verdicts_;
    seen_ = {};
    mayCalculate_ = false;
    lastTexts_ = AllTexts();
    lastMessages_ = w_.dialogs.messages.size();
}

void Session::Fail(const QString& problem, const QString& step)
{
    QString report = QString("random session, seed %1, event %2 of %3, %4: %5\n"
                             "replay with SBC_RANDOM_SEED=%1 SBC_RANDOM_EVENTS=%2; the last events:")
                         .arg(seed_)
                         .arg(event_)
                         .arg(events_)
                         .arg(step, problem);
    for (const QString& event : recent_)
        report += "\n  " + event;
    QTest::qFail(qPrintable(report), __FILE__, __LINE__);
}

Texts Session::AllTexts() const
{
    Texts texts;
    for (int i = 0; i < kBoxCount; ++i)
        texts[std::size_t(i)] = Text(static_cast<Box>(i));
    return texts;
}

QString Session::OptionsPaired() const
{
    for (const auto& [a, b] : {std::pair{"optImperial", "optMetric"}, std::pair{"optPlungerYes", "optPlungerNo"}})
        if (w_.option(a)->isChecked() == w_.option(b)->isChecked())
            return QString("%1 and %2 are both %3").arg(a, b, w_.option(a)->isChecked() ? "selected" : "clear");
    if (w_.form->ImperialMode() != Imperial())
        return QString("ImperialMode is %1 while optImperial is %2").arg(w_.form->ImperialMode()).arg(Imperial());
    return {};
}

// The conversion table's factors, Imperial to Metric and back, in the rows
// of kTwinPairs; none for the two counts.
struct Factors {
    double toMetric, toImperial;
};
constexpr std::array<std::optional<Factors>, 10> kFactors = {{
    Factors{0.00508, 196.8503937},
    Factors{0.45359237, 2.20462262184878},
    Factors{0.45359237, 2.20462262184878},
    Factors{0.45359237, 2.20462262184878},
    Factors{25.4, 0.03937007874016},
    std::nullopt,
    Factors{0.45359237, 2.20462262184878},
    std::nullopt,
    Factors{0.3048, 3.28083989501313},
    Factors{25.4, 0.03937007874016},
}};

// At most 15 significant digits before any exponent.
bool FifteenDigitsAtMost(const QString& text)
{
    QString digits = text.section(QRegularExpression("[eE]"), 0, 0);
    digits.remove('-').remove('.');
    while (digits.startsWith('0'))
        digits.remove(0, 1);
    return digits.size() <= 15;
}

// Why the twin of a box of the selected system does not show the box's value
// converted by the table's factor, or an empty text if it does: the twin's
// text, read back, lies within the rounding to 15 significant digits of the
// product. A count's twin stays empty; where the value or the product is
// beyond a double, the twin keeps the text it showed before.
QString TwinMismatch(std::size_t row, bool imperial, const QString& own, const QString& twin, const QString& before)
{
    if (!kFactors[row])
        return twin.isEmpty() ? QString() : QString("a count copied");
    const double value = NumberFromText(own.toStdString());
    const double product = value * (imperial ? kFactors[row]->toMetric : kFactors[row]->toImperial);
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

QString Session::TwinsFollow() const
{
    const bool imperial = Imperial();
    for (std::size_t i = 0; i < kTwinPairs.size(); ++i) {
        const TwinPair& pair = kTwinPairs[i];
        const Box own = imperial ? pair.imperial : pair.metric;
        const Box twin = imperial ? pair.metric : pair.imperial;
        const QString ownText = Text(own);
        const QString twinText = Text(twin);
        if (untouched_[i] && (!ownText.isEmpty() || !twinText.isEmpty()))
            return QString("%1 and %2 show %3 and %4, though emptied and not typed in since")
                .arg(NameOf(own), NameOf(twin), Shown(ownText), Shown(twinText));
        if (untouched_[i])
            continue;
        const QString mismatch = TwinMismatch(i, imperial, ownText, twinText, lastTexts_[std::size_t(twin)]);
        if (!mismatch.isEmpty())
            return QString("%1 shows %2 for %3 in %4: %5")
                .arg(NameOf(twin), Shown(twinText), Shown(ownText), NameOf(own), mismatch);
    }
    return {};
}

// Enter in a box runs the calculation through the window's key handler,
// which no signal shows; a step with Enter may therefore fill the results.
QString Session::ResultsFollowEntries() const
{
    if (seen_.calculated || mayCalculate_)
        return {};
    const bool emptied = seen_.entryChanged || seen_.optionToggled || seen_.cleared;
    for (Box box : kResultBoxes) {
        const QString text = Text(box);
        if (emptied && !text.isEmpty())
            return QString("%1 still shows %2 after a change of the entries or options").arg(NameOf(box), Shown(text));
        if (!emptied && text != lastTexts_[std::size_t(box)])
            return QString("%1 changed from %2 to %3 without a calculation")
                .arg(NameOf(box), Shown(lastTexts_[std::size_t(box)]), Shown(text));
    }
    return {};
}

// The boxes the program writes: the other system's twins and the results.
// The selected system's boxes and the identification hold what the user typed.
QString Session::NothingNonFinite() const
{
    const bool imperial = Imperial();
    for (int i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        if (box == Box::txtID || (IsEntryBox(box) && IsMetricBox(box) != imperial))
            continue;
        const QString text = Text(box);
        if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive))
            return QString("%1 shows %2").arg(NameOf(box), Shown(text));
        if (box == Box::txtBufferGood) {
            if (!text.isEmpty() && text != "GOOD!!" && text != "NO GOOD!!")
                return QString("the verdict reads %1").arg(Shown(text));
        } else if (!std::isfinite(NumberFromText(text.toStdString()))) {
            return QString("%1 shows %2, which reads as beyond a double").arg(NameOf(box), Shown(text));
        }
    }
    return {};
}

QString Session::IdentificationFits() const
{
    const QString id = Text(Box::txtID);
    return id.size() > 30 ? QString("txtID holds %1").arg(Shown(id)) : QString();
}

QString Session::MessagesKnown() const
{
    const std::vector<Message>& messages = w_.dialogs.messages;
    for (std::size_t i = lastMessages_; i < messages.size(); ++i)
        if (std::find(kKnownTitles.begin(), kKnownTitles.end(), messages[i].title) == kKnownTitles.end())
            return QString("a message box titled \"%1\"").arg(ToQString(messages[i].title));
    return {};
}

// After a change of option or Clear All the focus is in the speed box of the
// selected system if that box is empty.
QString Session::FocusAfterTransition() const
{
    if (!seen_.cleared && !seen_.optionToggled)
        return {};
    const Box speed = Imperial() ? Box::txtOSDD : Box::txtOSDDMet;
    if (!Text(speed).isEmpty() || QApplication::focusWidget() == w_.box(speed))
        return {};
    const QWidget* focus = QApplication::focusWidget();
    return QString("the focus is in %1, not in the empty %2")
        .arg(focus ? focus->objectName() : QString("nothing"), NameOf(speed));
}

// Not a rule of the window but of the session: input sent to a window that
// is not active goes nowhere, and the rest of the session would test nothing.
QString Session::StillActive() const
{
    if (QApplication::activeWindow() == (elsewhere_ ? &other_ : static_cast<QWidget*>(w_.form.get())))
        return {};
    const QWidget* active = QApplication::activeWindow();
    return QString("the session lost the window's activation to %1").arg(active ? active->objectName() : "nothing");
}

// ---- Running it -------------------------------------------------------------------

std::uint32_t SeedFromEnvironment()
{
    bool ok = false;
    const uint seed = qEnvironmentVariable("SBC_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

long EventsFromEnvironment()
{
    bool ok = false;
    const long events = qEnvironmentVariable("SBC_RANDOM_EVENTS").toLong(&ok);
    return ok && events >= 0 ? events : kDefaultEvents;
}

// Qt Test warns of every key or click a widget leaves unaccepted (Alt on
// its own, a click beside an option's circle), and the offscreen platform
// of every menu it cannot raise or let grab the keyboard; a random session
// does both hundreds of times.
QtMessageHandler previousHandler = nullptr;

void QuietAboutHeadlessInput(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains("not accepted by receiving widget") || message.startsWith("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

struct QuietInput {
    QuietInput() { previousHandler = qInstallMessageHandler(QuietAboutHeadlessInput); }
    ~QuietInput() { qInstallMessageHandler(previousHandler); }
};

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareApplication(); }

    void theWindowsRulesHoldThroughARandomSession()
    {
        const std::uint32_t seed = SeedFromEnvironment();
        const long events = EventsFromEnvironment();
        qInfo("random session: seed %u, %ld events; replay with SBC_RANDOM_SEED=%u SBC_RANDOM_EVENTS=%ld", seed,
              events, seed, events);
        const QuietInput quiet;
        Session session(seed, events);
        session.Run();
        if (!QTest::currentTestFailed())
            qInfo("%s", qPrintable(session.Summary()));
    }
};

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"
