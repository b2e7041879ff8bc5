#pragma once
// The window's menu entries with their shortcuts. The text boxes leave
// these keys to the menus.

#include <QKeySequence>

#include <array>

namespace sbc {

struct MenuItem {
    const char* menu;
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
};

inline constexpr std::array<MenuItem, 3> kMenuItems = {{
    {"mnuFile", "mnuPrintData", "Print &Data", Qt::CTRL | Qt::Key_D},
    {"mnuFile", "mnuPrintForm", "Print &Form", Qt::CTRL | Qt::Key_F},
    {"mnuHelp", "mnuInfo", "&Info", Qt::CTRL | Qt::Key_I},
}};

} // namespace sbc
