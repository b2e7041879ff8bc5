#pragma once
// The window's design: every control with its id, container, caption,
// position and size in twips, font size and tooltip. frmMain builds itself
// from this table and keeps each control by its id; the Tab key visits the
// rows in their order.

#include "boxes.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace sbc {

// The controls besides the text boxes (calc/boxes.h), by kind, and the menus
// with their entries. Each list is written once; the table's rows and the
// menus are checked against them (control_table.cpp, menus.h).
// clang-format off
#define SBC_LABELS(X)                                                                              \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8) X(Label9)       \
    X(Label10) X(Label11) X(Label12) X(Label13) X(Label14) X(Label15) X(Label16) X(Label17)        \
    X(Label18) X(Label19) X(Label20) X(Label21) X(Label22) X(Label23) X(Label24) X(Label25)        \
    X(Label26) X(Label27) X(Label28) X(Label29) X(Label30) X(Label31) X(Label32)                   \
    X(Label_0, "Label(0)") X(Label_1, "Label(1)") X(Label_2, "Label(2)")                           \
    X(Label_3, "Label(3)") X(Label_4, "Label(4)") X(Label_5, "Label(5)")
// clang-format on
#define SBC_FRAMES(X) X(Frame1) X(Frame2) X(Frame3)
#define SBC_OPTIONS(X) X(optImperial) X(optMetric) X(optPlungerYes) X(optPlungerNo)
#define SBC_COMMANDS(X) X(cmdCompute) X(cmdClear)
#define SBC_MENUS(X) X(mnuFile) X(mnuHelp)
#define SBC_MENU_ENTRIES(X) X(mnuPrintData) X(mnuPrintForm) X(mnuInfo)
SBC_NAMED_ENUM(Label, SBC_LABELS)
SBC_NAMED_ENUM(Frame, SBC_FRAMES)
SBC_NAMED_ENUM(Option, SBC_OPTIONS)
SBC_NAMED_ENUM(Command, SBC_COMMANDS)
SBC_NAMED_ENUM(Menu, SBC_MENUS)
SBC_NAMED_ENUM(MenuEntry, SBC_MENU_ENTRIES)

// Any control of the table; its kind is the id's type.
using Control = std::variant<Box, Label, Command, Frame, Option>;

constexpr std::string_view NameOf(const Control& id)
{
    return std::visit([](auto kindId) { return NameOf(kindId); }, id);
}

struct ControlDesign {
    Control id;
    std::optional<Frame> container; // none: the window's client area
    std::string_view caption;
    int left, top, width, height; // twips, relative to the container
    double fontPoints;            // 0: the toolkit's default font
    std::string_view toolTip;
};

inline constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 logical dpi
inline constexpr int kClientWidthTwips = 9270;
inline constexpr int kClientHeightTwips = 7980;

// One row for each id of each kind, in tab order.
inline constexpr std::size_t kControlCount =
    kCountOf<Box> + kCountOf<Label> + kCountOf<Command> + kCountOf<Frame> + kCountOf<Option>;
extern const std::array<ControlDesign, kControlCount> kControlDesigns;

} // namespace sbc
