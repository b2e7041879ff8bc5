#include "apply_states.h"

#include "box_captions.h"
#include "box_states.h"
#include "design_look.h"
#include "form_port.h"
#include "text_box.h"

#include <QLabel>
#include <QRadioButton>

namespace sbc {

namespace {

QColor ColourOf(Background background)
{
    return background == Background::White ? colours::White() : colours::Yellow();
}

template <typename Apply>
void ForEachEntryBox(const WindowControls& controls, UnitSystem selected, bool plungerYes, Apply apply)
{
    for (UnitSystem side : {selected, OtherSystem(selected)})
        for (const TwinPair& pair : kTwinPairs)
            apply(pair, controls.boxes[pair.BoxIn(side)], BoxStateOf(pair, side, selected, plungerYes));
}

} // namespace

void ApplyWhite(const WindowControls& controls, UnitSystem selected, bool plungerYes)
{
    ForEachEntryBox(controls, selected, plungerYes, [](const TwinPair& pair, TextBox* entry, const BoxState& state) {
        if (pair.IsCount())
            entry->setVisible(state.shown);
        else
            SetColour(entry, QPalette::Base, ColourOf(state.background));
    });
}

void ApplyEnabled(const WindowControls& controls, UnitSystem selected, bool plungerYes, Group group)
{
    ForEachEntryBox(controls, selected, plungerYes,
                    [group](const TwinPair& pair, TextBox* entry, const BoxState& state) {
                        if (pair.group != group)
                            return;
                        entry->SetLocked(state.locked);
                        entry->SetTabStop(state.tabStop);
                    });
}

void ShowPlungerRows(const WindowControls& controls, UnitSystem selected, bool yes)
{
    for (const TwinPair& pair : kTwinPairs) {
        if (pair.group != Group::LastFour)
            continue;
        controls.labels[kQuantityCaptions[Index(pair.quantity)].captionLabel]->setEnabled(yes);
        for (UnitSystem side : {UnitSystem::Imperial, UnitSystem::Metric})
            controls.boxes[pair.BoxIn(side)]->setVisible(BoxStateOf(pair, side, selected, yes).shown);
    }
    for (UnitSystem side : {UnitSystem::Imperial, UnitSystem::Metric})
        for (const QuantityCaption& caption : kQuantityCaptions)
            if (PairOf(caption.quantity).group == Group::LastFour && caption.UnitLabelIn(side))
                controls.labels[*caption.UnitLabelIn(side)]->setVisible(yes);
}

void SetCaptionColour(QRadioButton* option, const QColor& colour)
{
    SetColour(option, QPalette::WindowText, colour);
    SetColour(option, QPalette::ButtonText, colour);
}

} // namespace sbc
