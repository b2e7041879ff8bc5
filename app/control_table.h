#pragma once
// The window's design: every control with its kind, container, caption,
// position and size in twips, font size and tooltip. frmMain builds itself
// from this table; the Tab key visits the rows in their order.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace sbc {

enum class ControlKind { TextBox, Label, Button, Frame, Option };

struct ControlDesign {
    std::string_view name;      // the control's object name
    ControlKind kind;
    std::string_view container; // "" for the window's client area, else a frame's name
    std::string_view caption;
    int left, top, width, height; // twips, relative to the container
    double fontPoints;          // 0: the toolkit's default font
    std::string_view toolTip;
};

inline constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 logical dpi
inline constexpr int kClientWidthTwips = 9270;
inline constexpr int kClientHeightTwips = 7980;

// Rows in tab order.
extern const std::array<ControlDesign, 75> kControlDesigns;

// The option buttons, buttons and menu entries the window wires, each list
// written once: the enum and the object names come from it, and the table's
// rows and the menus are checked against it (control_table.cpp).
#define SBC_OPTIONS(X) X(optImperial) X(optMetric) X(optPlungerYes) X(optPlungerNo)
#define SBC_COMMANDS(X) X(cmdCompute) X(cmdClear)
#define SBC_MENU_ENTRIES(X) X(mnuPrintData) X(mnuPrintForm) X(mnuInfo)

#define SBC_ENUMERATOR(name) name,
#define SBC_NAME(name) #name,
enum class Option { SBC_OPTIONS(SBC_ENUMERATOR) };
enum class Command { SBC_COMMANDS(SBC_ENUMERATOR) };
enum class MenuEntry { SBC_MENU_ENTRIES(SBC_ENUMERATOR) };
inline constexpr std::array kOptionNames = {SBC_OPTIONS(SBC_NAME)};
inline constexpr std::array kCommandNames = {SBC_COMMANDS(SBC_NAME)};
inline constexpr std::array kMenuEntryNames = {SBC_MENU_ENTRIES(SBC_NAME)};
#undef SBC_ENUMERATOR
#undef SBC_NAME

template <typename Enum, std::size_t N>
constexpr std::optional<Enum> FromName(const std::array<const char*, N>& names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return static_cast<Enum>(i);
    return std::nullopt;
}

} // namespace sbc
