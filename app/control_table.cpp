#include "control_table.h"

#include "speed_limits.h"

#include <algorithm>

namespace sbc {

namespace {
using enum Box;
using enum Label;
using enum Command;
using enum Frame;
using enum Option;
constexpr std::optional<Frame> kClient;
constexpr std::string_view kPlate = " From data plate on crosshead ";
constexpr std::string_view kMarking = " From buffer marking plate ";
} // namespace

// clang-format off
constexpr std::array<ControlDesign, kControlCount> kControlDesigns = {{
    {txtID,               kClient, "", 1740,  240, 3315, 315, 8.25, ""},
    {txtOSDD,             kClient, "", 5340,  900, 1215, 315, 8.25, ""},
    {txtOSDDMet,          kClient, "", 7260,  900, 1215, 315, 8.25, ""},
    {txtRatedLoad,        kClient, "", 5340, 1290, 1215, 315, 8.25, ""},
    {txtRatedLoadMet,     kClient, "", 7260, 1290, 1215, 315, 8.25, ""},
    {txtWeightCar,        kClient, "", 5340, 1665, 1215, 315, 8.25, ""},
    {txtWeightCarMet,     kClient, "", 7260, 1665, 1215, 315, 8.25, ""},
    {txtBufferLoadRat,    kClient, "", 5340, 2055, 1215, 315, 8.25, ""},
    {txtBufferLoadRatMet, kClient, "", 7260, 2055, 1215, 315, 8.25, ""},
    {txtBufferStroke,     kClient, "", 5340, 2430, 1215, 315, 8.25, ""},
    {txtBufferStrokeMet,  kClient, "", 7260, 2430, 1215, 315, 8.25, ""},
    {txtNumOfBufAssys,    kClient, "", 5340, 2820, 1215, 315, 8.25, ""},
    {txtNumOfBufAssysMet, kClient, "", 7260, 2820, 1215, 315, 8.25, ""},
    {txtWeightPlunger,    Frame1,  "", 5040,  675, 1215, 315, 8.25, ""},
    {txtWeightPlungerMet, Frame1,  "", 6960,  675, 1215, 315, 8.25, ""},
    {txtNumPlungers,      Frame1,  "", 5040, 1050, 1215, 315, 8.25, ""},
    {txtNumPlungersMet,   Frame1,  "", 6960, 1050, 1215, 315, 8.25, ""},
    {txtLengthPlunger,    Frame1,  "", 5040, 1410, 1215, 315, 8.25, ""},
    {txtLengthPlungerMet, Frame1,  "", 6960, 1410, 1215, 315, 8.25, ""},
    {txtPlungerDiam,      Frame1,  "", 5040, 1785, 1215, 315, 8.25, ""},
    {txtPlungerDiamMet,   Frame1,  "", 6960, 1785, 1215, 315, 8.25, ""},
    {cmdCompute,          kClient, "&Calculate", 420, 7260, 1455, 495, 12, ""},
    {cmdClear,            kClient, "Clear &All", 2460, 7260, 1455, 495, 12, ""},
    {Frame2,              Frame1,  "", 5400, 180, 3195, 495, 0, ""},
    {optPlungerYes,       Frame2,  "&Yes", 180, 120, 675, 195, 8.25, ""},
    {optPlungerNo,        Frame2,  "&No", 1080, 120, 675, 195, 8.25, ""},
    {txtMinBufLoadRat,    kClient, "", 5340, 5580, 1215, 435, 9.75, ""},
    {txtActBufLoadRat,    kClient, "", 5340, 6060, 1215, 435, 9.75, ""},
    {txtMaxBufLoadRat,    kClient, "", 5340, 6540, 1215, 405, 9.75, ""},
    {Label1, kClient, "Operating speed in the down direction:", 480, 960, 4755, 315, 9.75,
     " ASME A17.1-1996 Definition: \"The speed at which a hydraulic elevator is set to lower with rated load.\" "},
    {Label2, kClient, "Rated load:", 480, 1335, 4755, 315, 9.75, kPlate},
    {Label3, kClient, "Weight of the complete car:", 480, 1710, 4755, 315, 9.75, kPlate},
    {Label9, kClient, "Load rating of one buffer assembly:", 480, 2070, 4755, 315, 9.75, kMarking},
    {Label10, kClient, "Buffer stroke:   ", 480, 2445, 4755, 315, 9.75,
     " From buffer marking plate.  (Double click for more information) "},
    {Label11, kClient, "Number of buffer assemblies:", 480, 2820, 4755, 315, 9.75, " Count 'em! "},
    {Label12, kClient, "Minimum buffer load rating:", 480, 5640, 4755, 315, 12,
     " Rule 1308.2    Buffer reaction "},
    {Label13, kClient, "Actual buffer load rating:", 480, 6120, 4755, 315, 12,
     " The load rating of the installed buffer(s)....shall be not less than the above minimum nor greater than the below maximum. "},
    {Label14, kClient, "Maximum buffer load rating:", 480, 6600, 4755, 315, 12,
     " Rule 1308.2    Two(2) times buffer reaction "},
    {Label15, kClient, "Buffer is:", 5340, 6960, 1155, 315, 12, ""},
    {txtBufferGood,       kClient, "", 5340, 7260, 1875, 495, 13.5, ""},
    {Frame1,              kClient, "", 300, 3240, 8835, 2235, 0, ""},
    {Label5, Frame1,  "Number of plungers:", 180, 1035, 4755, 315, 9.75, " Count 'em!! "},
    {Label7, Frame1,  "Length of plunger in oil at impact:", 180, 1425, 4755, 315, 9.75,
     " Estimate from layout drawing "},
    {Label8, Frame1,  "Diamater of plunger:", 180, 1800, 4755, 315, 9.75, " From layout drawing "},
    {Label6, Frame1,  "Is plunger weight carried by car at buffer impact?", 180, 270, 5115, 315, 9.75,
     " See Rule 301.3(e)  \"Plunger weight less buoyant effects...shall be added...and used in calculations.\" "},
    {Label4, Frame1,  "Weight of one plunger:", 180, 660, 4755, 315, 9.75,
     " From data plate on crosshead. See Rule 301.10(2) "},
    {txtMaxBufLoadRatMet, kClient, "", 7260, 6540, 1215, 405, 9.75, ""},
    {txtActBufLoadRatMet, kClient, "", 7260, 6060, 1215, 435, 9.75, ""},
    {txtMinBufLoadRatMet, kClient, "", 7260, 5580, 1215, 435, 9.75, ""},
    {Label18, kClient, kImperialSpeedLimit.unit, 6660, 1020, 375, 195, 8.25, ""},
    {Label19, kClient, kMetricSpeedLimit.unit, 8580, 1020, 375, 195, 8.25, ""},
    {Label20, kClient, "LB", 6660, 1410, 375, 195, 8.25, ""},
    {Label21, kClient, "LB", 6660, 1800, 375, 195, 8.25, ""},
    {Label22, kClient, "LB", 6660, 2190, 375, 195, 8.25, ""},
    {Label23, kClient, "KG", 8580, 1410, 375, 195, 8.25, ""},
    {Label24, kClient, "KG", 8580, 1800, 375, 195, 8.25, ""},
    {Label25, kClient, "KG", 8580, 2190, 375, 195, 8.25, ""},
    {Label26, kClient, "MM", 8580, 2580, 375, 195, 8.25, ""},
    {Label27, kClient, "IN", 6660, 2580, 375, 195, 8.25, ""},
    {Label_0, Frame1,  "LB", 6360, 820, 435, 195, 8.25, ""},
    {Label_1, Frame1,  "FT", 6360, 1540, 435, 195, 8.25, ""},
    {Label_2, Frame1,  "IN", 6360, 1915, 435, 195, 8.25, ""},
    {Label_3, Frame1,  "KG", 8280, 820, 375, 255, 8.25, ""},
    {Label_4, Frame1,  "M", 8280, 1540, 375, 255, 8.25, ""},
    {Label_5, Frame1,  "MM", 8280, 1915, 375, 255, 8.25, ""},
    {Frame3,              kClient, "Frame3", 5160, 180, 3975, 615, 0, ""},
    {optImperial,         Frame3,  "&Imperial", 180, 180, 1275, 375, 9.75, ""},
    {optMetric,           Frame3,  "&Metric", 2100, 180, 1275, 375, 9.75, ""},
    {Label16, kClient, "LB", 6660, 5820, 375, 195, 8.25, ""},
    {Label17, kClient, "LB", 6660, 6300, 375, 195, 8.25, ""},
    {Label28, kClient, "LB", 6660, 6780, 375, 195, 8.25, ""},
    {Label29, kClient, "KG", 8580, 5820, 375, 195, 8.25, ""},
    {Label30, kClient, "KG", 8580, 6300, 375, 195, 8.25, ""},
    {Label31, kClient, "KG", 8580, 6780, 375, 195, 8.25, ""},
    {Label32, kClient, "Elevator ID:", 480, 300, 1155, 315, 8.25,
     " Identify this elevator with a maximum of 30 charaters "},
}};
// clang-format on

namespace {

// Every id of a kind has exactly one row: the window keeps its controls in
// arrays indexed by the ids, and with the table's size this covers every row.
template <typename Id>
constexpr bool OneRowEach()
{
    PerId<Id, int> rows;
    for (const ControlDesign& d : kControlDesigns)
        if (const Id* id = std::get_if<Id>(&d.id))
            ++rows[*id];
    return std::ranges::all_of(rows.values, [](int n) { return n == 1; });
}
static_assert(OneRowEach<Box>() && OneRowEach<Label>() && OneRowEach<Command>() && OneRowEach<Frame>()
                  && OneRowEach<Option>(),
              "one row of the design for each control id");

constexpr std::optional<Frame> ContainerOf(Control id)
{
    for (const ControlDesign& d : kControlDesigns)
        if (d.id == id)
            return d.container;
    return kClient;
}

// The arrow keys move within a pair of options: each two in the list share
// a frame.
constexpr bool OptionsInPairs()
{
    const auto& options = kAll<Option>;
    for (std::size_t i = 0; i < options.size(); i += 2)
        if (i + 1 == options.size() || ContainerOf(options[i]) != ContainerOf(options[i + 1]))
            return false;
    return true;
}
static_assert(OptionsInPairs(), "the options stand in pairs of one frame");

} // namespace

} // namespace sbc
