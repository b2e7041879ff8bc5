// The window's four states: the unit system times the plunger answer. How
// each box stands in them is the table of box_states.cpp; the routines here
// apply it step by step.

#include "box_captions.h"
#include "box_states.h"
#include "design_look.h"
#include "frm_main.h"
#include "text_box.h"

#include <QLabel>
#include <QRadioButton>

using sbc::Box;
using sbc::UnitSystem;

namespace {
constexpr int kPlungerUnitLabels = 6; // Label(0) to Label(5)

QColor ColourOf(sbc::Background background)
{
    return background == sbc::Background::White ? sbc::colours::White() : sbc::colours::Yellow();
}
} // namespace

void frmMain::Form_Load()
{
    imperialMode_ = true;
    StandUnitSystem();
    SetCaptionColour(static_cast<QRadioButton*>(control("optImperial")), sbc::colours::Red());
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
    auto* selected = static_cast<QRadioButton*>(control(imperial ? "optImperial" : "optMetric"));
    auto* other = static_cast<QRadioButton*>(control(imperial ? "optMetric" : "optImperial"));
    SetCaptionColour(selected, sbc::colours::Red());
    SetCaptionColour(other, sbc::colours::Black());
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

void frmMain::ImperialWhite() { ApplyStateTable(UnitSystem::Imperial, StateStep::White); }
void frmMain::ImperialFirst6Enabled() { ApplyStateTable(UnitSystem::Imperial, StateStep::First6Enabled); }
void frmMain::ImperialLast4Enabled() { ApplyStateTable(UnitSystem::Imperial, StateStep::Last4Enabled); }
void frmMain::MetricWhite() { ApplyStateTable(UnitSystem::Metric, StateStep::White); }
void frmMain::MetricFirst6Enabled() { ApplyStateTable(UnitSystem::Metric, StateStep::First6Enabled); }
void frmMain::MetricLast4Enabled() { ApplyStateTable(UnitSystem::Metric, StateStep::Last4Enabled); }

// One step of the state table, over the boxes of the selected system first,
// then over their twins. White colours the measured boxes and shows or hides
// the count boxes, which keep their design background; the Enabled steps set
// the locked flag, then the tab stop, of their group's boxes.
void frmMain::ApplyStateTable(UnitSystem selected, StateStep step)
{
    const bool plungerYes = PlungerYes();
    for (UnitSystem side : {selected, sbc::OtherSystem(selected)}) {
        for (const sbc::TwinPair& pair : sbc::kTwinPairs) {
            const sbc::Standing standing = sbc::StandingOf(pair, side, selected, plungerYes);
            TextBox* entry = box(pair.BoxIn(side));
            if (step == StateStep::White) {
                if (pair.IsCount())
                    entry->setVisible(standing.shown);
                else
                    sbc::SetColour(entry, QPalette::Base, ColourOf(standing.background));
                continue;
            }
            const sbc::Group group = step == StateStep::First6Enabled ? sbc::Group::FirstSix : sbc::Group::LastFour;
            if (pair.group != group)
                continue;
            entry->setLocked(standing.locked);
            entry->setTabStop(standing.tabStop);
        }
    }
}

void frmMain::SetCaptionColour(QRadioButton* option, const QColor& colour)
{
    sbc::SetColour(option, QPalette::WindowText, colour);
    sbc::SetColour(option, QPalette::ButtonText, colour);
}

void frmMain::optPlungerYes_Click() { ShowPlungerRows(true); }
void frmMain::optPlungerNo_Click() { ShowPlungerRows(false); }

// Row by row, the plunger caption and then its two boxes, shown or hidden as
// the state table says; then the six unit labels. The hidden boxes keep
// their text, colour and flags.
void frmMain::ShowPlungerRows(bool yes)
{
    const UnitSystem selected = sbc::SelectedSystem(*this);
    for (const sbc::TwinPair& pair : sbc::kTwinPairs) {
        if (pair.group != sbc::Group::LastFour)
            continue;
        control(sbc::CaptionLabelOf(pair.imperial))->setEnabled(yes);
        for (UnitSystem side : {UnitSystem::Imperial, UnitSystem::Metric})
            box(pair.BoxIn(side))->setVisible(sbc::StandingOf(pair, side, selected, yes).shown);
    }
    for (int i = 0; i < kPlungerUnitLabels; ++i)
        Label(i)->setVisible(yes);
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
}
