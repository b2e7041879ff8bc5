#include "buffer_calc.h"

#include "formula_constants.h"
#include "number_text.h"
#include "stroke_rules.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace sbc {

namespace {

// Thrown by any step after the results were emptied; caught in one place,
// which shows the missing-entry message. Results already written stay.
struct CalcFailure {};

// A stored value, or the failure where it cannot be stored.
template <typename T>
T StoredOrFail(std::optional<T> stored)
{
    if (!stored)
        throw CalcFailure{};
    return *stored;
}

float Single(double value) { return StoredOrFail(ToSingle(value)); }

// V² and 2gS must not vanish in single precision: a speed or stroke that
// small is no entry at all.
float NonZeroSingle(double value)
{
    const float single = Single(value);
    if (single == 0)
        throw CalcFailure{};
    return single;
}

double Finite(double value)
{
    if (!std::isfinite(value))
        throw CalcFailure{};
    return value;
}

double Divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw CalcFailure{};
    return dividend / divisor;
}

// 2W, held as a 32-bit integer: a half goes to the even neighbour.
std::int32_t TwiceWeight(double weight) { return StoredOrFail(RoundToInt32(weight * 2)); }

// The entries by quantity; the first six are all that the calculation
// without plunger needs.
using Entries = PerQuantity<double>;
using enum Quantity;

// Reads only the selected system's boxes, and the plunger quantities only
// when asked. A 0 means the box was left empty or holds no number; a reading
// beyond the double range is refused alike.
Entries ReadEntries(const FormPort& form, UnitSystem system, bool withPlunger)
{
    Entries entries{};
    for (const TwinPair& pair : kTwinPairs) {
        if (pair.group == Group::LastFour && !withPlunger)
            continue;
        const double value = NumberFromText(form.Text(pair.BoxIn(system)));
        if (value == 0 || !std::isfinite(value))
            throw CalcFailure{};
        entries[pair.quantity] = value;
    }
    return entries;
}

// k, the weight of oil one plunger displaces per foot (lb/ft) ...
float ImperialOilPerLength(double diameterIn)
{
    const double radius = diameterIn / 2;
    return Single(radius * radius * 3.14159 * 12 / 1728 * formula::kOilLbPerCubicFoot);
}

// ... or per metre (kg/m).
float MetricOilPerLength(double diameterMm)
{
    const double radiusCm = diameterMm * 0.1 / 2;
    return Single(radiusCm * radiusCm * 3.14159 * 100 / 1000000 * formula::kOilKgPerCubicMetre);
}

// P: the plungers' weight less their buoyancy in oil.
float NetPlungerWeight(const Entries& e, float oilPerLength)
{
    const float buoyancy = Single(e[PlungerLength] * oilPerLength);
    return Single((e[PlungerWeight] - buoyancy) * e[PlungerCount]);
}

float ImperialSpeedSquared(const Entries& e)
{
    const double feetPerSecond = e[Speed] / 60;
    return NonZeroSingle(feetPerSecond * feetPerSecond);
}

float ImperialTwoGS(const Entries& e) { return NonZeroSingle(e[Stroke] / 12 * formula::kTwoGFeet); }

float ImperialReaction(const Entries& e, std::int32_t twoW)
{
    const float v2 = ImperialSpeedSquared(e);
    const float twoGS = ImperialTwoGS(e);
    return Single((Divide(v2, twoGS) + 1) * twoW);
}

// Without plunger, V² and 2gS reach the division through their 7-digit text.
// 2W takes the same road, but an integer's text reads back unchanged.
float ImperialReactionViaText(const Entries& e, std::int32_t twoW)
{
    const double v2 = NumberFromText(TextFromSingle(ImperialSpeedSquared(e)));
    const double twoGS = NumberFromText(TextFromSingle(ImperialTwoGS(e)));
    return Single(twoW * (Divide(v2, twoGS) + 1));
}

// In kilograms (force): 2W (g + V² / 2S) newtons times 0.10197.
float MetricReaction(const Entries& e, std::int32_t twoW)
{
    const float v2 = NonZeroSingle(e[Speed] * e[Speed]);
    return Single((Divide(v2, e[Stroke] * 0.001 * 2) + formula::kGravityMetres) * twoW * 0.10197);
}

float ReactionWithPlunger(const Entries& e, bool imperial)
{
    const float k = imperial ? ImperialOilPerLength(e[PlungerDiam]) : MetricOilPerLength(e[PlungerDiam]);
    const float plungers = NetPlungerWeight(e, k);
    const std::int32_t twoW = TwiceWeight(e[CarWeight] + e[RatedLoad] + plungers);
    return imperial ? ImperialReaction(e, twoW) : MetricReaction(e, twoW);
}

float ReactionWithoutPlunger(const Entries& e, bool imperial)
{
    const std::int32_t twoW = TwiceWeight(e[CarWeight] + e[RatedLoad]);
    return imperial ? ImperialReactionViaText(e, twoW) : MetricReaction(e, twoW);
}

// Writes minimum, maximum and actual; returns 2R as held.
float WriteOwnResults(FormPort& form, const SystemResults& own, float r, const Entries& e)
{
    form.SetText(own.min, TextFromSingle(r));
    const float twoR = Single(static_cast<double>(r) + r);
    form.SetText(own.max, TextFromSingle(twoR));
    form.SetText(own.actual, TextFromNumber(Finite(e[BufferRating] * e[BufferCount])));
    return twoR;
}

// The other system follows the figures as displayed, not R itself.
void WriteOtherResults(FormPort& form, const SystemResults& own, const SystemResults& other)
{
    for (const auto& [from, to] :
         {std::pair{own.min, other.min}, std::pair{own.max, other.max}, std::pair{own.actual, other.actual}})
        form.SetText(to, TextFromNumber(Finite(NumberFromText(form.Text(from)) * own.toOther)));
}

void WriteVerdict(FormPort& form, const SystemResults& own, float r, float twoR)
{
    const float actual = Single(NumberFromText(form.Text(own.actual)));
    form.SetText(Box::txtBufferGood, actual < r || actual > twoR ? "NO GOOD!!" : "GOOD!!");
}

void RunCalculation(FormPort& form, bool withPlunger, float (*reaction)(const Entries&, bool))
{
    ClearAnswers(form);
    try {
        const UnitSystem system = SelectedSystem(form);
        const Entries entries = ReadEntries(form, system, withPlunger);
        const float r = reaction(entries, system == UnitSystem::Imperial);
        const SystemResults& own = ResultsOf(system);
        const float twoR = WriteOwnResults(form, own, r, entries);
        WriteOtherResults(form, own, ResultsOf(OtherSystem(system)));
        WriteVerdict(form, own, r, twoR);
    } catch (const CalcFailure&) {
        form.ModalBoxes().ShowMessage({"Did you make an entry in all the appropriate fields?",
                                       "Buffer Reaction Calculator", MessageIcon::Question});
    }
}

} // namespace

void ComputeWithPlunger(FormPort& form) { RunCalculation(form, true, ReactionWithPlunger); }

void ComputeWithoutPlunger(FormPort& form) { RunCalculation(form, false, ReactionWithoutPlunger); }

// The stroke check's outcome is not examined: a refused stroke leaves its
// box empty, which the calculation then reports as a missing entry.
void Calculate(FormPort& form)
{
    SelectedStrokeCheck(form);
    if (form.PlungerYes())
        ComputeWithPlunger(form);
    else
        ComputeWithoutPlunger(form);
}

} // namespace sbc
