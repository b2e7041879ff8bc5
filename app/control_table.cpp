#include "control_table.h"

#include "boxes.h"

namespace sbc {

namespace {
using K = ControlKind;
constexpr std::string_view kPlate = " From data plate on crosshead ";
constexpr std::string_view kMarking = " From buffer marking plate ";
} // namespace

// clang-format off
constexpr std::array<ControlDesign, 75> kControlDesigns = {{
    {"txtID",               K::TextBox, "",       "", 1740,  240, 3315, 315, 8.25, ""},
    {"txtOSDD",             K::TextBox, "",       "", 5340,  900, 1215, 315, 8.25, ""},
    {"txtOSDDMet",          K::TextBox, "",       "", 7260,  900, 1215, 315, 8.25, ""},
    {"txtRatedLoad",        K::TextBox, "",       "", 5340, 1290, 1215, 315, 8.25, ""},
    {"txtRatedLoadMet",     K::TextBox, "",       "", 7260, 1290, 1215, 315, 8.25, ""},
    {"txtWeightCar",        K::TextBox, "",       "", 5340, 1665, 1215, 315, 8.25, ""},
    {"txtWeightCarMet",     K::TextBox, "",       "", 7260, 1665, 1215, 315, 8.25, ""},
    {"txtBufferLoadRat",    K::TextBox, "",       "", 5340, 2055, 1215, 315, 8.25, ""},
    {"txtBufferLoadRatMet", K::TextBox, "",       "", 7260, 2055, 1215, 315, 8.25, ""},
    {"txtBufferStroke",     K::TextBox, "",       "", 5340, 2430, 1215, 315, 8.25, ""},
    {"txtBufferStrokeMet",  K::TextBox, "",       "", 7260, 2430, 1215, 315, 8.25, ""},
    {"txtNumOfBufAssys",    K::TextBox, "",       "", 5340, 2820, 1215, 315, 8.25, ""},
    {"txtNumOfBufAssysMet", K::TextBox, "",       "", 7260, 2820, 1215, 315, 8.25, ""},
    {"txtWeightPlunger",    K::TextBox, "Frame1", "", 5040,  675, 1215, 315, 8.25, ""},
    {"txtWeightPlungerMet", K::TextBox, "Frame1", "", 6960,  675, 1215, 315, 8.25, ""},
    {"txtNumPlungers",      K::TextBox, "Frame1", "", 5040, 1050, 1215, 315, 8.25, ""},
    {"txtNumPlungersMet",   K::TextBox, "Frame1", "", 6960, 1050, 1215, 315, 8.25, ""},
    {"txtLengthPlunger",    K::TextBox, "Frame1", "", 5040, 1410, 1215, 315, 8.25, ""},
    {"txtLengthPlungerMet", K::TextBox, "Frame1", "", 6960, 1410, 1215, 315, 8.25, ""},
    {"txtPlungerDiam",      K::TextBox, "Frame1", "", 5040, 1785, 1215, 315, 8.25, ""},
    {"txtPlungerDiamMet",   K::TextBox, "Frame1", "", 6960, 1785, 1215, 315, 8.25, ""},
    {"cmdCompute",          K::Button,  "",       "&Calculate", 420, 7260, 1455, 495, 12, ""},
    {"cmdClear",            K::Button,  "",       "Clear &All", 2460, 7260, 1455, 495, 12, ""},
    {"Frame2",              K::Frame,   "Frame1", "", 5400, 180, 3195, 495, 0, ""},
    {"optPlungerYes",       K::Option,  "Frame2", "&Yes", 180, 120, 675, 195, 8.25, ""},
    {"optPlungerNo",        K::Option,  "Frame2", "&No", 1080, 120, 675, 195, 8.25, ""},
    {"txtMinBufLoadRat",    K::TextBox, "",       "", 5340, 5580, 1215, 435, 9.75, ""},
    {"txtActBufLoadRat",    K::TextBox, "",       "", 5340, 6060, 1215, 435, 9.75, ""},
    {"txtMaxBufLoadRat",    K::TextBox, "",       "", 5340, 6540, 1215, 405, 9.75, ""},
    {"Label1", K::Label, "", "Operating speed in the down direction:", 480, 960, 4755, 315, 9.75,
     " ASME A17.1-1996 Definition: \"The speed at which a hydraulic elevator is set to lower with rated load.\" "},
    {"Label2", K::Label, "", "Rated load:", 480, 1335, 4755, 315, 9.75, kPlate},
    {"Label3", K::Label, "", "Weight of the complete car:", 480, 1710, 4755, 315, 9.75, kPlate},
    {"Label9", K::Label, "", "Load rating of one buffer assembly:", 480, 2070, 4755, 315, 9.75, kMarking},
    {"Label10", K::Label, "", "Buffer stroke:   ", 480, 2445, 4755, 315, 9.75,
     " From buffer marking plate.  (Double click for more information) "},
    {"Label11", K::Label, "", "Number of buffer assemblies:", 480, 2820, 4755, 315, 9.75, " Count 'em! "},
    {"Label12", K::Label, "", "Minimum buffer load rating:", 480, 5640, 4755, 315, 12,
     " Rule 1308.2    Buffer reaction "},
    {"Label13", K::Label, "", "Actual buffer load rating:", 480, 6120, 4755, 315, 12,
     " The load rating of the installed buffer(s)....shall be not less than the above minimum nor greater than the below maximum. "},
    {"Label14", K::Label, "", "Maximum buffer load rating:", 480, 6600, 4755, 315, 12,
     " Rule 1308.2    Two(2) times buffer reaction "},
    {"Label15", K::Label, "", "Buffer is:", 5340, 6960, 1155, 315, 12, ""},
    {"txtBufferGood",       K::TextBox, "",       "", 5340, 7260, 1875, 495, 13.5, ""},
    {"Frame1",              K::Frame,   "",       "", 300, 3240, 8835, 2235, 0, ""},
    {"Label5", K::Label, "Frame1", "Number of plungers:", 180, 1035, 4755, 315, 9.75, " Count 'em!! "},
    {"Label7", K::Label, "Frame1", "Length of plunger in oil at impact:", 180, 1425, 4755, 315, 9.75,
     " Estimate from layout drawing "},
    {"Label8", K::Label, "Frame1", "Diamater of plunger:", 180, 1800, 4755, 315, 9.75, " From layout drawing "},
    {"Label6", K::Label, "Frame1", "Is plunger weight carried by car at buffer impact?", 180, 270, 5115, 315, 9.75,
     " See Rule 301.3(e)  \"Plunger weight less buoyant effects...shall be added...and used in calculations.\" "},
    {"Label4", K::Label, "Frame1", "Weight of one plunger:", 180, 660, 4755, 315, 9.75,
     " From data plate on crosshead. See Rule 301.10(2) "},
    {"txtMaxBufLoadRatMet", K::TextBox, "",       "", 7260, 6540, 1215, 405, 9.75, ""},
    {"txtActBufLoadRatMet", K::TextBox, "",       "", 7260, 6060, 1215, 435, 9.75, ""},
    {"txtMinBufLoadRatMet", K::TextBox, "",       "", 7260, 5580, 1215, 435, 9.75, ""},
    {"Label18", K::Label, "", "FPM", 6660, 1020, 375, 195, 8.25, ""},
    {"Label19", K::Label, "", "MPS", 8580, 1020, 375, 195, 8.25, ""},
    {"Label20", K::Label, "", "LB", 6660, 1410, 375, 195, 8.25, ""},
    {"Label21", K::Label, "", "LB", 6660, 1800, 375, 195, 8.25, ""},
    {"Label22", K::Label, "", "LB", 6660, 2190, 375, 195, 8.25, ""},
    {"Label23", K::Label, "", "KG", 8580, 1410, 375, 195, 8.25, ""},
    {"Label24", K::Label, "", "KG", 8580, 1800, 375, 195, 8.25, ""},
    {"Label25", K::Label, "", "KG", 8580, 2190, 375, 195, 8.25, ""},
    {"Label26", K::Label, "", "MM", 8580, 2580, 375, 195, 8.25, ""},
    {"Label27", K::Label, "", "IN", 6660, 2580, 375, 195, 8.25, ""},
    {"Label(0)", K::Label, "Frame1", "LB", 6360, 820, 435, 195, 8.25, ""},
    {"Label(1)", K::Label, "Frame1", "FT", 6360, 1540, 435, 195, 8.25, ""},
    {"Label(2)", K::Label, "Frame1", "IN", 6360, 1915, 435, 195, 8.25, ""},
    {"Label(3)", K::Label, "Frame1", "KG", 8280, 820, 375, 255, 8.25, ""},
    {"Label(4)", K::Label, "Frame1", "M", 8280, 1540, 375, 255, 8.25, ""},
    {"Label(5)", K::Label, "Frame1", "MM", 8280, 1915, 375, 255, 8.25, ""},
    {"Frame3",              K::Frame,   "",       "Frame3", 5160, 180, 3975, 615, 0, ""},
    {"optImperial",         K::Option,  "Frame3", "&Imperial", 180, 180, 1275, 375, 9.75, ""},
    {"optMetric",           K::Option,  "Frame3", "&Metric", 2100, 180, 1275, 375, 9.75, ""},
    {"Label16", K::Label, "", "LB", 6660, 5820, 375, 195, 8.25, ""},
    {"Label17", K::Label, "", "LB", 6660, 6300, 375, 195, 8.25, ""},
    {"Label28", K::Label, "", "LB", 6660, 6780, 375, 195, 8.25, ""},
    {"Label29", K::Label, "", "KG", 8580, 5820, 375, 195, 8.25, ""},
    {"Label30", K::Label, "", "KG", 8580, 6300, 375, 195, 8.25, ""},
    {"Label31", K::Label, "", "KG", 8580, 6780, 375, 195, 8.25, ""},
    {"Label32", K::Label, "", "Elevator ID:", 480, 300, 1155, 315, 8.25,
     " Identify this elevator with a maximum of 30 charaters "},
}};
// clang-format on

// The window reaches its text boxes, option buttons and buttons by these
// lists: each name of a list has exactly one row of its kind, and no row of
// that kind names anything else.
template <typename Name, std::size_t N>
constexpr bool RowsMatch(ControlKind kind, const std::array<Name, N>& names)
{
    std::array<int, N> rows{};
    for (const ControlDesign& d : kControlDesigns) {
        if (d.kind != kind)
            continue;
        std::size_t i = 0;
        while (i < N && std::string_view(names[i]) != d.name)
            ++i;
        if (i == N)
            return false;
        ++rows[i];
    }
    for (int count : rows)
        if (count != 1)
            return false;
    return true;
}
static_assert(RowsMatch(ControlKind::TextBox, kBoxNames), "every text box of the design is a Box, and every Box is in the design");
static_assert(RowsMatch(ControlKind::Option, kOptionNames), "every option button of the design is an Option, and back");

// The arrow keys move within a pair of options: each two in the list share a frame.
constexpr bool OptionsInPairs()
{
    auto frameOf = [](std::string_view name) {
        for (const ControlDesign& d : kControlDesigns)
            if (d.name == name)
                return d.container;
        return std::string_view();
    };
    if (kOptionNames.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < kOptionNames.size(); i += 2)
        if (frameOf(kOptionNames[i]) != frameOf(kOptionNames[i + 1]))
            return false;
    return true;
}
static_assert(OptionsInPairs(), "the options stand in pairs of one frame");
static_assert(RowsMatch(ControlKind::Button, kCommandNames), "every button of the design is a Command, and back");

} // namespace sbc
