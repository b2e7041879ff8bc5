// frmMain, in the order the window comes to life: it builds its controls
// from the design table and names them for screen readers, runs Form_Load,
// wires the handlers and places itself on the screen. Then the handlers: the
// keys and Calculate, sbc::FormPort over the boxes, the options with their
// state routines, Clear All and the focus.

#include "frm_main.h"

#include "app_icon.h"
#include "apply_states.h"
#include "box_clearing.h"
#include "buffer_calc.h"
#include "design_look.h"
#include "entry_rules.h"
#include "menus.h"
#include "print_commands.h"
#include "publisher.h"
#include "qt_dialogs.h"
#include "qt_printer.h"
#include "qt_text.h"
#include "screen_reader_names.h"
#include "stroke_rules.h"
#include "text_box.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

using sbc::ApplyEnabled;
using sbc::Box;
using sbc::Group;
using sbc::ToQString;
using sbc::UnitSystem;

namespace {

// The lambdas of a std::visit, one for each kind of id.
template <typename... Lambdas>
struct Overloaded : Lambdas... {
    using Lambdas::operator()...;
};

int Pixels(int twips) { return qRound(static_cast<double>(twips) / sbc::kTwipsPerPixel); }

QFont DesignFont(double points)
{
    QFont font("MS Sans Serif");
    font.setPointSizeF(points);
    font.setBold(true);
    // Outlines only: the design's face is a bitmap face on Windows (and
    // Wine), which does not scale with the screen and whose bold Qt makes by
    // widening it, past the captions' room. Its outline twins stand in.
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

} // namespace

frmMain::frmMain(sbc::Dialogs* dialogs, sbc::PrintService* print)
{
    setObjectName("frmMain");
    setWindowTitle(ToQString(" Hydraulic Elevator - Spring Buffer Reaction Calculator          ")
                   + ToQString(sbc::kPublisherAddress));
    setWindowIcon(sbc::AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    BuildControls();
    sbc::NameForScreenReaders(controls_);
    BuildMenus();
    // The design's selected options; their handlers are not wired yet.
    for (sbc::Option selected : {sbc::Option::optImperial, sbc::Option::optPlungerYes})
        ControlOf(selected)->setChecked(true);

    if (!dialogs) {
        ownDialogs_ = std::make_unique<sbc::QtDialogs>(this);
        dialogs = ownDialogs_.get();
    }
    dialogs_ = dialogs;
    print_ = print;

    Form_Load();
    WireEvents();
    PlaceOnScreen();
}

frmMain::~frmMain() = default;

// ---- Building from the design table ---------------------------------------

void frmMain::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Pixels(sbc::kClientWidthTwips), Pixels(sbc::kClientHeightTwips));
    setCentralWidget(client);

    // Frames first, outer before inner, so that every control finds its container.
    auto containerOf = [&](const sbc::ControlDesign& d) -> QWidget* {
        return d.container ? ControlOf(*d.container) : client;
    };
    auto isFrame = [](const sbc::ControlDesign& d) { return std::holds_alternative<sbc::Frame>(d.id); };
    for (int depth = 0; depth < 2; ++depth)
        for (const auto& d : sbc::kControlDesigns)
            if (isFrame(d) && !d.container == (depth == 0))
                BuildControl(d, containerOf(d));

    QWidget* previousInTabOrder = nullptr;
    for (const auto& d : sbc::kControlDesigns) {
        if (isFrame(d))
            continue;
        QWidget* widget = BuildControl(d, containerOf(d));
        if (std::holds_alternative<sbc::Label>(d.id))
            continue;
        if (previousInTabOrder)
            QWidget::setTabOrder(previousInTabOrder, widget);
        previousInTabOrder = widget;
    }
}

QWidget* frmMain::BuildControl(const sbc::ControlDesign& d, QWidget* container)
{
    const QString caption = ToQString(d.caption);
    QWidget* widget = std::visit(
        Overloaded{
            [&](Box id) -> QWidget* {
                TextBox* box = controls_.boxes[id] = new TextBox(container);
                // The identification takes 30 characters; the other boxes hold as much
                // as a desktop text box does, beyond QLineEdit's default of 32767.
                box->setMaxLength(id == Box::txtID ? 30 : 65535);
                if (sbc::IsResultBox(id)) {
                    box->SetLocked(true);
                    box->SetTabStop(false);
                    sbc::SetColour(box, QPalette::Base, sbc::colours::Yellow());
                }
                if (id == Box::txtBufferGood)
                    sbc::SetColour(box, QPalette::Text, sbc::colours::Red());
                return box;
            },
            [&](sbc::Label id) -> QWidget* {
                QLabel* label = controls_.labels[id] = new QLabel(caption, container);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setToolTip(ToQString(d.toolTip));
                return label;
            },
            [&](sbc::Command id) -> QWidget* {
                QPushButton* button = controls_.commands[id] = new QPushButton(caption, container);
                button->setAutoDefault(true); // Enter on a focused button presses that button
                return button;
            },
            [&](sbc::Frame id) -> QWidget* {
                QFrame* frame = controls_.frames[id] = new QFrame(container); // the design caption is not drawn
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                return frame;
            },
            [&](sbc::Option id) -> QWidget* { return controls_.options[id] = new QRadioButton(caption, container); },
        },
        d.id);
    widget->setObjectName(ToQString(sbc::NameOf(d.id)));
    widget->setGeometry(Pixels(d.left), Pixels(d.top), Pixels(d.width), Pixels(d.height));
    if (d.fontPoints > 0)
        widget->setFont(DesignFont(d.fontPoints));
    return widget;
}

void frmMain::BuildMenus()
{
    for (sbc::Menu id : sbc::kAll<sbc::Menu>) {
        controls_.menus[id] = menuBar()->addMenu(sbc::kMenuCaptions[id]);
        controls_.menus[id]->setObjectName(ToQString(sbc::NameOf(id)));
    }
    for (const sbc::MenuItem& item : sbc::kMenuItems) {
        QAction* action = controls_.menuEntries[item.entry] = ControlOf(item.menu)->addAction(item.caption);
        action->setObjectName(ToQString(sbc::NameOf(item.entry)));
        action->setShortcut(item.shortcut);
    }
}

void frmMain::WireEvents()
{
    for (Box id : sbc::kAll<Box>) {
        if (!sbc::IsEntryBox(id))
            continue; // txtID and the results have no handlers
        TextBox* entry = ControlOf(id);
        connect(entry, &QLineEdit::textChanged, this, [this, id] { sbc::EntryChanged(*this, id); });
        connect(entry, &TextBox::GotFocus, this, &frmMain::TextSelected);
        connect(entry, &TextBox::LostFocus, this, [this, id] { sbc::EntryLeft(*this, id); });
    }

    // An option's handler runs whenever it becomes selected, by the user or
    // from code; selecting the option already selected runs nothing.
    using sbc::Option;
    const std::pair<Option, void (frmMain::*)()> options[] = {
        {Option::optImperial, &frmMain::optImperial_Click},
        {Option::optMetric, &frmMain::optMetric_Click},
        {Option::optPlungerYes, &frmMain::optPlungerYes_Click},
        {Option::optPlungerNo, &frmMain::optPlungerNo_Click},
    };
    for (const auto& [id, handler] : options) {
        ControlOf(id)->installEventFilter(this);
        connect(ControlOf(id), &QRadioButton::toggled, this, [this, click = handler](bool on) {
            if (on)
                (this->*click)();
        });
    }

    connect(ControlOf(sbc::Command::cmdCompute), &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(ControlOf(sbc::Command::cmdClear), &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    ControlOf(sbc::Label::Label10)->installEventFilter(this);

    using sbc::MenuEntry;
    connect(ControlOf(MenuEntry::mnuPrintData), &QAction::triggered, this,
            [this] { sbc::mnuPrintData_Click(*this, Printing()); });
    connect(ControlOf(MenuEntry::mnuPrintForm), &QAction::triggered, this,
            [this] { sbc::mnuPrintForm_Click(*this, Printing()); });
    connect(ControlOf(MenuEntry::mnuInfo), &QAction::triggered, this, [this] { sbc::mnuInfo_Click(*this); });
}

// The printer is set up on first use: asking the system for its printers
// would otherwise slow down every start.
sbc::PrintService& frmMain::Printing()
{
    if (!print_) {
        ownPrint_ = std::make_unique<sbc::QtPrintService>(centralWidget());
        print_ = ownPrint_.get();
    }
    return *print_;
}

void frmMain::PlaceOnScreen()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize); // not resizable
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// ---- Events ----------------------------------------------------------------

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Calculate is the window's default button: Enter in any box runs it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdCompute_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ControlOf(sbc::Label::Label10) && event->type() == QEvent::MouseButtonDblClick) {
        Label10_DblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        if (auto* option = qobject_cast<QRadioButton*>(watched))
            return MoveWithinOptionPair(option, static_cast<QKeyEvent*>(event)->key());
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::cmdCompute_Click() { sbc::Calculate(*this); }

void frmMain::Label10_DblClick() { sbc::ShowStrokeTable(*this); }

// An arrow key moves to the other option of the pair and selects it. Qt would
// select first and move the focus after, undoing the handler's move of the
// focus into the empty speed box; here the focus moves first.
bool frmMain::MoveWithinOptionPair(QRadioButton* option, int key)
{
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    const bool backward = key == Qt::Key_Left || key == Qt::Key_Up;
    if (!forward && !backward)
        return false;
    // The options stand in pairs in their list, the first of each at an even place.
    const auto at = static_cast<std::size_t>(std::ranges::find(controls_.options.values, option)
                                             - controls_.options.values.begin());
    const std::size_t target = forward ? (at | 1) : (at & ~std::size_t{1});
    if (target != at) {
        controls_.options.values[target]->setFocus(Qt::TabFocusReason);
        controls_.options.values[target]->setChecked(true);
    }
    return true;
}

// ---- sbc::FormPort ---------------------------------------------------------

std::string frmMain::Text(Box id) const { return ControlOf(id)->text().toStdString(); }

void frmMain::SetText(Box id, std::string_view text)
{
    // A text written from code is shown from its start, as long results
    // (7918.0989195154) are wider than their box.
    ControlOf(id)->setText(ToQString(text));
    ControlOf(id)->setCursorPosition(0);
}

void frmMain::SetFocus(Box id) { ControlOf(id)->setFocus(Qt::OtherFocusReason); }

bool frmMain::PlungerYes() const { return ControlOf(sbc::Option::optPlungerYes)->isChecked(); }

QWidget* frmMain::ControlOf(const sbc::Control& id) const
{
    return std::visit([this](auto kindId) -> QWidget* { return ControlOf(kindId); }, id);
}

// ---- Start and the options -------------------------------------------------

void frmMain::Form_Load()
{
    imperialMode_ = true;
    StandUnitSystem();
    sbc::SetCaptionColour(ControlOf(sbc::Option::optImperial), sbc::colours::Red());
}

void frmMain::optImperial_Click() { SelectUnitSystem(true); }
void frmMain::optMetric_Click() { SelectUnitSystem(false); }

void frmMain::SelectUnitSystem(bool imperial)
{
    // The flag is set first: the change handlers that the emptying sets off,
    // and optPlungerYes_Click, already work in the new system.
    imperialMode_ = imperial;
    ClearEntries();
    StandUnitSystem();
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
    sbc::SetCaptionColour(ControlOf(sbc::Option::optImperial), imperial ? sbc::colours::Red() : sbc::colours::Black());
    sbc::SetCaptionColour(ControlOf(sbc::Option::optMetric), imperial ? sbc::colours::Black() : sbc::colours::Red());
}

// The three state routines of the selected system, in their order.
void frmMain::StandUnitSystem()
{
    if (imperialMode_) {
        ImperialWhite();
        ImperialFirst6Enabled();
        ImperialLast4Enabled();
    } else {
        MetricWhite();
        MetricFirst6Enabled();
        MetricLast4Enabled();
    }
}

void frmMain::ImperialWhite() { sbc::ApplyWhite(controls_, UnitSystem::Imperial, PlungerYes()); }
void frmMain::ImperialFirst6Enabled() { ApplyEnabled(controls_, UnitSystem::Imperial, PlungerYes(), Group::FirstSix); }
void frmMain::ImperialLast4Enabled() { ApplyEnabled(controls_, UnitSystem::Imperial, PlungerYes(), Group::LastFour); }
void frmMain::MetricWhite() { sbc::ApplyWhite(controls_, UnitSystem::Metric, PlungerYes()); }
void frmMain::MetricFirst6Enabled() { ApplyEnabled(controls_, UnitSystem::Metric, PlungerYes(), Group::FirstSix); }
void frmMain::MetricLast4Enabled() { ApplyEnabled(controls_, UnitSystem::Metric, PlungerYes(), Group::LastFour); }

void frmMain::optPlungerYes_Click() { AnswerPlunger(true); }
void frmMain::optPlungerNo_Click() { AnswerPlunger(false); }

void frmMain::AnswerPlunger(bool yes)
{
    sbc::ShowPlungerRows(controls_, sbc::SelectedSystem(*this), yes);
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
}

// ---- Clearing and focus ----------------------------------------------------

void frmMain::ClearEntries()
{
    sbc::EmptyEntriesAndResults(*this, *ControlOf(sbc::Option::optPlungerYes));
    txtOSDD_SetFocus();
}

void frmMain::cmdClear_Click() { ClearEntries(); }

// Exact comparison with the empty text: a box holding a blank keeps the
// focus where it is.
void frmMain::txtOSDD_SetFocus()
{
    if (Text(Box::txtOSDD).empty() && imperialMode_)
        SetFocus(Box::txtOSDD);
    if (Text(Box::txtOSDDMet).empty() && !imperialMode_)
        SetFocus(Box::txtOSDDMet);
}

void frmMain::TextSelected()
{
    if (auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        focused->selectAll();
}
