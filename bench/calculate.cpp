#include "in_process.h"

#include "bare_window.h"
#include "buffer_calc.h"
#include "frm_main.h"
#include "repaint_timer.h"
#include "text_box.h"

#include <QLineEdit>

#include <stdexcept>
#include <utility>

namespace sbc::bench {

namespace {

void EnterWorkedExample(FormPort& form)
{
    const std::pair<Box, const char*> entries[] = {
        {Box::txtOSDD, "125"},           {Box::txtRatedLoad, "2500"},
        {Box::txtWeightCar, "3000"},     {Box::txtBufferLoadRat, "10000"},
        {Box::txtBufferStroke, "2.5"},   {Box::txtNumOfBufAssys, "2"},
        {Box::txtWeightPlunger, "1200"}, {Box::txtNumPlungers, "1"},
        {Box::txtLengthPlunger, "10"},   {Box::txtPlungerDiam, "6"},
    };
    for (const auto& [box, text] : entries)
        form.SetText(box, text);
}

} // namespace

PairedTimes MeasureCalculate(frmMain& calculator, QMainWindow& bare, int runs)
{
    EnterWorkedExample(calculator);
    // Every Calculate of the example rewrites the verdict box.
    RepaintTimer calculatorTimer(*calculator.ControlOf(Box::txtBufferGood));
    calculatorTimer.Time([&] { Calculate(calculator); }); // results to empty in the first run
    QLineEdit& bareBox = BareLineEdit(bare);
    RepaintTimer bareTimer(bareBox);

    PairedTimes times;
    for (int i = 0; i < runs; ++i) {
        // Emptied results, painted: otherwise Calculate would write the same
        // texts again and nothing would need repainting.
        calculatorTimer.Time([&] { ClearAnswers(calculator); });
        times.calculatorNs.push_back(calculatorTimer.Time([&] { Calculate(calculator); }));
        const char* text = i % 2 == 0 ? "125" : "12";
        times.bareNs.push_back(bareTimer.Time([&] { bareBox.setText(text); }));
    }
    if (calculator.Text(Box::txtBufferGood) != "GOOD!!")
        throw std::runtime_error("the worked example did not calculate to GOOD!!");
    return times;
}

} // namespace sbc::bench
