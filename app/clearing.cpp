// Emptying the boxes and putting the focus where typing starts.

#include "frm_main.h"
#include "text_box.h"

#include <QApplication>
#include <QRadioButton>

#include <array>

using sbc::Box;
using sbc::UnitSystem;

namespace {
// The entry quantities in the order Clear All empties them on each side; the
// plunger answer returns to Yes after the fifth.
using enum sbc::Quantity;
constexpr std::array kClearOrder = {
    Speed, RatedLoad, CarWeight, PlungerWeight, PlungerCount, PlungerLength, PlungerDiam, BufferRating, Stroke,
    BufferCount,
};
static_assert(sbc::EveryQuantityOnce(kClearOrder), "Clear All empties every quantity");
constexpr std::size_t kSelectYesAfter = 5;
} // namespace

// Three passes, Imperial, Metric, Imperial again: emptying a measured box
// of the selected system writes "0" into its twin, so the side emptied
// first must be emptied once more after the other.
void frmMain::ClearEntries()
{
    auto emptySide = [this](UnitSystem side, bool selectYesOnTheWay) {
        for (std::size_t n = 0; n < std::size(kClearOrder); ++n) {
            if (selectYesOnTheWay && n == kSelectYesAfter)
                option(sbc::Option::optPlungerYes)->setChecked(true);
            SetText(sbc::PairOf(kClearOrder[n]).BoxIn(side), "");
        }
        const sbc::SystemResults& results = sbc::ResultsOf(side);
        for (Box result : {results.min, results.actual, results.max})
            SetText(result, "");
    };
    emptySide(UnitSystem::Imperial, true);
    SetText(Box::txtBufferGood, "");
    emptySide(UnitSystem::Metric, false);
    emptySide(UnitSystem::Imperial, false);
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
