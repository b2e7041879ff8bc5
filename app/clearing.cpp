// Emptying the boxes and putting the focus where typing starts.

#include "frm_main.h"
#include "text_box.h"

#include <QApplication>
#include <QRadioButton>

using sbc::Box;

namespace {
// The entry boxes of one side in the order Clear All empties them; the
// plunger answer returns to Yes after the fifth.
constexpr std::size_t kClearOrder[] = {0, 1, 2, 6, 7, 8, 9, 3, 4, 5};
constexpr std::size_t kSelectYesAfter = 5;

constexpr Box kImperialResults[] = {Box::txtMinBufLoadRat, Box::txtActBufLoadRat,
                                    Box::txtMaxBufLoadRat};
constexpr Box kMetricResults[] = {Box::txtMinBufLoadRatMet, Box::txtActBufLoadRatMet,
                                  Box::txtMaxBufLoadRatMet};
} // namespace

// Three passes, Imperial, Metric, Imperial again: emptying a measured box
// of the selected system writes "0" into its twin, so the side emptied
// first must be emptied once more after the other.
void frmMain::ClearEntries()
{
    auto emptySide = [this](bool imperial, bool selectYesOnTheWay) {
        for (std::size_t n = 0; n < std::size(kClearOrder); ++n) {
            if (selectYesOnTheWay && n == kSelectYesAfter)
                static_cast<QRadioButton*>(control("optPlungerYes"))->setChecked(true);
            const sbc::TwinPair& pair = sbc::kTwinPairs[kClearOrder[n]];
            SetText(imperial ? pair.imperial : pair.metric, "");
        }
        for (Box result : imperial ? kImperialResults : kMetricResults)
            SetText(result, "");
    };
    emptySide(true, true);
    SetText(Box::txtBufferGood, "");
    emptySide(false, false);
    emptySide(true, false);
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
