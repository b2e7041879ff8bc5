#include "box_clearing.h"

#include <QRadioButton>

#include <array>

namespace sbc {

namespace {
// The entry quantities in the order Clear All empties them on each side; the
// plunger answer returns to Yes after the fifth.
using enum Quantity;
constexpr std::array kClearOrder = {
    Speed,         RatedLoad,   CarWeight,    PlungerWeight, PlungerCount,
    PlungerLength, PlungerDiam, BufferRating, Stroke,        BufferCount,
};
static_assert(EveryQuantityOnce(kClearOrder), "Clear All empties every quantity");
constexpr std::size_t kSelectYesAfter = 5;
} // namespace

// Three passes, Imperial, Metric, Imperial again: emptying a measured box
// of the selected system writes "0" into its twin, so the side emptied
// first must be emptied once more after the other.
void EmptyEntriesAndResults(FormPort& form, QRadioButton& plungerYes)
{
    auto emptySide = [&](UnitSystem side, bool selectYesOnTheWay) {
        for (std::size_t n = 0; n < std::size(kClearOrder); ++n) {
            if (selectYesOnTheWay && n == kSelectYesAfter)
                plungerYes.setChecked(true);
            form.SetText(PairOf(kClearOrder[n]).BoxIn(side), "");
        }
        const SystemResults& results = ResultsOf(side);
        for (Box result : {results.min, results.actual, results.max})
            form.SetText(result, "");
    };
    emptySide(UnitSystem::Imperial, true);
    form.SetText(Box::txtBufferGood, "");
    emptySide(UnitSystem::Metric, false);
    emptySide(UnitSystem::Imperial, false);
}

} // namespace sbc
