#pragma once
// frmMain, the calculator's one window.
//
// Flow: the user types into an entry box -> its change handler converts into
// the twin and applies the speed rule (calc/entry_rules) -> the results are
// emptied; leaving a speed or stroke box runs the stroke check; Calculate
// runs the stroke check and the buffer calculation (calc/buffer_calc), which
// writes the result boxes; the menus print the report lines (report/) on the
// printer. This class owns the widgets, their wiring, the unit-system and
// plunger states, clearing and focus; the rules live in calc/ and report/
// and reach the widgets only through sbc::FormPort.

#include "control_table.h"
#include "form_port.h"
#include "printer.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string_view>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QRadioButton;
class QPushButton;
class TextBox;
namespace sbc {
struct BoxState;
}

class frmMain : public QMainWindow, public sbc::FormPort {
    Q_OBJECT
public:
    // Without arguments the window shows real message boxes and prints on a
    // real printer; tests pass their own.
    explicit frmMain(sbc::Dialogs* dialogs = nullptr, sbc::PrintService* print = nullptr);
    ~frmMain() override;

    // sbc::FormPort
    std::string Text(sbc::Box box) const override;
    void SetText(sbc::Box box, std::string_view text) override;
    void SetFocus(sbc::Box box) override;
    bool ImperialMode() const override { return imperialMode_; }
    bool PlungerYes() const override;
    sbc::Dialogs& dialogs() override { return *dialogs_; }

    // The controls by their ids.
    TextBox* box(sbc::Box id) const { return boxes_[id]; }
    QLabel* label(sbc::Label id) const { return labels_[id]; }
    QFrame* frame(sbc::Frame id) const { return frames_[id]; }
    QRadioButton* option(sbc::Option id) const { return options_[id]; }
    QPushButton* command(sbc::Command id) const { return commands_[id]; }
    QMenu* menu(sbc::Menu id) const { return menus_[id]; }
    QAction* menuEntry(sbc::MenuEntry id) const { return menuEntries_[id]; }
    QWidget* widget(const sbc::Control& id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildControl(const sbc::ControlDesign& design, QWidget* container);
    void NameForScreenReaders();
    void BuildMenus();
    void WireEvents();
    void PlaceOnScreen();
    bool MoveWithinOptionPair(QRadioButton* option, int key);
    sbc::PrintService& PrintService();

    // Calculate and the stroke table.
    void cmdCompute_Click();
    void Label10_DblClick();

    // Start and the options.
    void Form_Load();
    void optImperial_Click();
    void optMetric_Click();
    void optPlungerYes_Click();
    void optPlungerNo_Click();
    void SelectUnitSystem(bool imperial);
    void StandUnitSystem();
    void ShowPlungerRows(bool yes);
    void ImperialWhite();
    void ImperialFirst6Enabled();
    void ImperialLast4Enabled();
    void MetricWhite();
    void MetricFirst6Enabled();
    void MetricLast4Enabled();
    void ForEachEntryBox(sbc::UnitSystem selected,
                         const std::function<void(const sbc::TwinPair&, TextBox*, const sbc::BoxState&)>& apply);
    void StandWhite(sbc::UnitSystem selected);
    void StandEnabled(sbc::UnitSystem selected, sbc::Group group);
    void SetCaptionColour(QRadioButton* option, const QColor& colour);

    // Clearing and focus.
    void ClearEntries();
    void cmdClear_Click();
    void txtOSDD_SetFocus();
    void TextSelected();

    bool imperialMode_ = true;
    sbc::PerId<sbc::Box, TextBox*> boxes_;
    sbc::PerId<sbc::Label, QLabel*> labels_;
    sbc::PerId<sbc::Frame, QFrame*> frames_;
    sbc::PerId<sbc::Option, QRadioButton*> options_;
    sbc::PerId<sbc::Command, QPushButton*> commands_;
    sbc::PerId<sbc::Menu, QMenu*> menus_;
    sbc::PerId<sbc::MenuEntry, QAction*> menuEntries_;
    std::unique_ptr<sbc::Dialogs> ownDialogs_;
    sbc::Dialogs* dialogs_;
    std::unique_ptr<sbc::PrintService> ownPrint_;
    sbc::PrintService* print_ = nullptr;
};
