#include "box_captions.h"

namespace sbc {

// clang-format off
constexpr std::array<BoxCaption, kBoxCount> kBoxCaptions = {{
    {Box::txtID, "Label32", ""},
    {Box::txtOSDD, "Label1", "Label18"},          {Box::txtOSDDMet, "Label1", "Label19"},
    {Box::txtRatedLoad, "Label2", "Label20"},     {Box::txtRatedLoadMet, "Label2", "Label23"},
    {Box::txtWeightCar, "Label3", "Label21"},     {Box::txtWeightCarMet, "Label3", "Label24"},
    {Box::txtBufferLoadRat, "Label9", "Label22"}, {Box::txtBufferLoadRatMet, "Label9", "Label25"},
    {Box::txtBufferStroke, "Label10", "Label27"}, {Box::txtBufferStrokeMet, "Label10", "Label26"},
    {Box::txtNumOfBufAssys, "Label11", ""},       {Box::txtNumOfBufAssysMet, "Label11", ""},
    {Box::txtWeightPlunger, "Label4", "Label(0)"}, {Box::txtWeightPlungerMet, "Label4", "Label(3)"},
    {Box::txtNumPlungers, "Label5", ""},          {Box::txtNumPlungersMet, "Label5", ""},
    {Box::txtLengthPlunger, "Label7", "Label(1)"}, {Box::txtLengthPlungerMet, "Label7", "Label(4)"},
    {Box::txtPlungerDiam, "Label8", "Label(2)"},  {Box::txtPlungerDiamMet, "Label8", "Label(5)"},
    {Box::txtMinBufLoadRat, "Label12", "Label16"}, {Box::txtActBufLoadRat, "Label13", "Label17"},
    {Box::txtMaxBufLoadRat, "Label14", "Label28"},
    {Box::txtMinBufLoadRatMet, "Label12", "Label29"}, {Box::txtActBufLoadRatMet, "Label13", "Label30"},
    {Box::txtMaxBufLoadRatMet, "Label14", "Label31"},
    {Box::txtBufferGood, "Label15", ""},
}};
// clang-format on

constexpr bool InBoxOrder()
{
    for (std::size_t i = 0; i < kBoxCaptions.size(); ++i)
        if (kBoxCaptions[i].box != static_cast<Box>(i))
            return false;
    return true;
}
static_assert(InBoxOrder(), "one row per box, in the order of the Box enum");

std::string_view CaptionLabelOf(Box box) { return kBoxCaptions[static_cast<std::size_t>(box)].captionLabel; }

} // namespace sbc
