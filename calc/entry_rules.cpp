#include "entry_rules.h"

#include "number_text.h"
#include "speed_limits.h"

#include <cmath>
#include <string>
#include <string_view>

namespace sbc {

namespace {

bool InSelectedSystem(const FormPort& form, Box box) { return IsMetricBox(box) != form.ImperialMode(); }

// Writes the box's value, converted, into its twin. A reading or product
// beyond the double range leaves the twin as it was rather than showing it.
void ConvertIntoTwin(FormPort& form, const TwinPair& pair, Box box)
{
    const bool fromMetric = box == pair.metric;
    const std::optional<double> factor = fromMetric ? pair.toImperial : pair.toMetric;
    if (!factor)
        return;
    const double value = NumberFromText(form.Text(box));
    const double product = value * *factor;
    if (!std::isfinite(value) || !std::isfinite(product))
        return;
    form.SetText(fromMetric ? pair.imperial : pair.metric, TextFromNumber(product));
}

// Each rule belongs to the box the user types in; the twin speed box,
// written by conversion, is not checked. Emptying the speed box runs this
// handler once more, nested; the empty text reads as 0, so the nested run
// passes.
void OilBufferRule(FormPort& form, Box box)
{
    for (const SpeedLimit* rule : {&kImperialSpeedLimit, &kMetricSpeedLimit}) {
        if (rule->speed != box || NumberFromText(form.Text(box)) <= rule->limit)
            continue;
        const std::string text = "For speeds over " + TextFromNumber(rule->limit) + " " + std::string(rule->unit)
                                 + " an oil buffer is required.";
        form.ModalBoxes().ShowMessage({text, "Oil Buffer Required", MessageIcon::None});
        form.SetText(box, "");
    }
}

} // namespace

void EntryChanged(FormPort& form, Box box)
{
    const TwinPair* pair = FindTwinPair(box);
    if (!pair)
        return; // the result boxes and txtID have no change handler
    // The guard: a twin written by conversion belongs to the other system,
    // so its own handler neither converts back nor applies the speed rule.
    if (InSelectedSystem(form, box)) {
        ConvertIntoTwin(form, *pair, box);
        OilBufferRule(form, box);
    }
    ClearAnswers(form);
}

} // namespace sbc
