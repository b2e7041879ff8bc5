// The window's four states: the unit system times the plunger answer. How
// each box stands in them is the table of box_states.cpp; the named steps
// here each read it.

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
QColor ColourOf(sbc::Background background)
{
    return background == sbc::Background::White ? sbc::colours::White() : sbc::colours::Yellow();
}
} // namespace

void frmMain::Form_Load()
{
    imperialMode_ = true;
    StandUnitSystem();
    SetCaptionColour(option(sbc::Option::optImperial), sbc::colours::Red());
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
    SetCaptionColour(option(sbc::Option::optImperial), imperial ? sbc::colours::Red() : sbc::colours::Black());
    SetCaptionColour(option(sbc::Option::optMetric), imperial ? sbc::colours::Black() : sbc::colours::Red());
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

void frmMain::ImperialWhite() { StandWhite(UnitSystem::Imperial); }
void frmMain::ImperialFirst6Enabled() { StandEnabled(UnitSystem::Imperial, sbc::Group::FirstSix); }
void frmMain::ImperialLast4Enabled() { StandEnabled(UnitSystem::Imperial, sbc::Group::LastFour); }
void frmMain::MetricWhite() { StandWhite(UnitSystem::Metric); }
void frmMain::MetricFirst6Enabled() { StandEnabled(UnitSystem::Metric, sbc::Group::FirstSix); }
void frmMain::MetricLast4Enabled() { StandEnabled(UnitSystem::Metric, sbc::Group::LastFour); }

// The state table read over the boxes of the selected system first, then
// over their twins.
void frmMain::ForEachEntryBox(UnitSystem selected, const std::function<void(const sbc::TwinPair&, TextBox*, const sbc::BoxState&)>& apply)
{
    const bool plungerYes = PlungerYes();
    for (UnitSystem side : {selected, sbc::OtherSystem(selected)})
        for (const sbc::TwinPair& pair : sbc::kTwinPairs)
            apply(pair, box(pair.BoxIn(side)), sbc::BoxStateOf(pair, side, selected, plungerYes));
}

void frmMain::StandWhite(UnitSystem selected)
{
    ForEachEntryBox(selected, [](const sbc::TwinPair& pair, TextBox* entry, const sbc::BoxState& state) {
        if (pair.IsCount())
            entry->setVisible(state.shown);
        else
            sbc::SetColour(entry, QPalette::Base, ColourOf(state.background));
    });
}

// The locked flag, then the tab stop, of the group's boxes.
void frmMain::StandEnabled(UnitSystem selected, sbc::Group group)
{
    ForEachEntryBox(selected, [group](const sbc::TwinPair& pair, TextBox* entry, const sbc::BoxState& state) {
        if (pair.group != group)
            return;
        entry->setLocked(state.locked);
        entry->setTabStop(state.tabStop);
    });
}

void frmMain::SetCaptionColour(QRadioButton* option, const QColor& colour)
{
    sbc::SetColour(option, QPalette::WindowText, colour);
    sbc::SetColour(option, QPalette::ButtonText, colour);
}

void frmMain::optPlungerYes_Click() { ShowPlungerRows(true); }
void frmMain::optPlungerNo_Click() { ShowPlungerRows(false); }

// Row by row, the plunger caption and then its two boxes, shown or hidden as
// the state table says; then the six unit labels, Label(0) to Label(5): the
// Imperial ones, then the Metric. The hidden boxes keep their text, colour
// and flags.
void frmMain::ShowPlungerRows(bool yes)
{
    const UnitSystem selected = sbc::SelectedSystem(*this);
    for (const sbc::TwinPair& pair : sbc::kTwinPairs) {
        if (pair.group != sbc::Group::LastFour)
            continue;
        label(sbc::kQuantityCaptions[sbc::Index(pair.quantity)].captionLabel)->setEnabled(yes);
        for (UnitSystem side : {UnitSystem::Imperial, UnitSystem::Metric})
            box(pair.BoxIn(side))->setVisible(sbc::BoxStateOf(pair, side, selected, yes).shown);
    }
    for (UnitSystem side : {UnitSystem::Imperial, UnitSystem::Metric})
        for (const sbc::QuantityCaption& caption : sbc::kQuantityCaptions)
            if (sbc::PairOf(caption.quantity).group == sbc::Group::LastFour && caption.UnitLabelIn(side))
                label(*caption.UnitLabelIn(side))->setVisible(yes);
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
}
