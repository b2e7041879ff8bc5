#pragma once
// frmMain, the calculator's one window.
//
// Flow: the user types into an entry box -> its change handler converts into
// the twin and applies the speed rule (calc/entry_rules) -> the results are
// emptied; leaving a speed or stroke box runs the stroke check; Calculate
// runs the stroke check and the buffer calculation (calc/buffer_calc), which
// writes the result boxes; the menus print the report lines (report/) on the
// printer. This class owns the widgets and their wiring, and runs the
// handlers: the options set the boxes for the new state (apply_states.h),
// Clear All empties them (box_clearing.h), and the focus goes where typing
// starts. The rules live in calc/ and report/ and reach the widgets only
// through sbc::FormPort.

#include "form_port.h"
#include "printer.h"
#include "window_controls.h"

#include <QMainWindow>

#include <memory>
#include <string_view>

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
    sbc::Dialogs& ModalBoxes() override { return *dialogs_; }

    // The controls by their ids; the kind of the id gives the control's.
    TextBox* ControlOf(sbc::Box id) const { return controls_.boxes[id]; }
    QLabel* ControlOf(sbc::Label id) const { return controls_.labels[id]; }
    QFrame* ControlOf(sbc::Frame id) const { return controls_.frames[id]; }
    QRadioButton* ControlOf(sbc::Option id) const { return controls_.options[id]; }
    QPushButton* ControlOf(sbc::Command id) const { return controls_.commands[id]; }
    QMenu* ControlOf(sbc::Menu id) const { return controls_.menus[id]; }
    QAction* ControlOf(sbc::MenuEntry id) const { return controls_.menuEntries[id]; }
    QWidget* ControlOf(const sbc::Control& id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildControl(const sbc::ControlDesign& design, QWidget* container);
    void BuildMenus();
    void WireEvents();
    void PlaceOnScreen();
    bool MoveWithinOptionPair(QRadioButton* option, int key);
    sbc::PrintService& Printing();

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
    void AnswerPlunger(bool yes);
    void ImperialWhite();
    void ImperialFirst6Enabled();
    void ImperialLast4Enabled();
    void MetricWhite();
    void MetricFirst6Enabled();
    void MetricLast4Enabled();

    // Clearing and focus.
    void ClearEntries();
    void cmdClear_Click();
    void txtOSDD_SetFocus();
    void TextSelected();

    bool imperialMode_ = true;
    sbc::WindowControls controls_;
    std::unique_ptr<sbc::Dialogs> ownDialogs_;
    sbc::Dialogs* dialogs_;
    std::unique_ptr<sbc::PrintService> ownPrint_;
    sbc::PrintService* print_ = nullptr;
};
