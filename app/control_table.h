#pragma once
// The window's design: every control with its kind, container, caption,
// position and size in twips, tab index, font size and tooltip. frmMain
// builds itself from this table.

#include <array>
#include <string_view>

namespace sbc {

enum class ControlKind { TextBox, Label, Button, Frame, Option };

struct ControlDesign {
    std::string_view name;      // the control's object name
    ControlKind kind;
    std::string_view container; // "" for the window's client area, else a frame's name
    std::string_view caption;
    int left, top, width, height; // twips, relative to the container
    int tabIndex;
    double fontPoints;          // 0: the toolkit's default font
    std::string_view toolTip;
};

inline constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 logical dpi
inline constexpr int kClientWidthTwips = 9270;
inline constexpr int kClientHeightTwips = 7980;

// Rows in tab-index order.
extern const std::array<ControlDesign, 75> kControlDesigns;

} // namespace sbc
