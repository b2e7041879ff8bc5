#pragma once
// The window's menu entries with their shortcuts. The text boxes leave
// these keys to the menus.

#include "control_table.h"

#include <QKeySequence>

#include <array>

namespace sbc {

struct MenuItem {
    const char* menu;
    MenuEntry entry;
    const char* caption;
    QKeyCombination shortcut;
};

inline constexpr std::array<MenuItem, 3> kMenuItems = {{
    {"mnuFile", MenuEntry::mnuPrintData, "Print &Data", Qt::CTRL | Qt::Key_D},
    {"mnuFile", MenuEntry::mnuPrintForm, "Print &Form", Qt::CTRL | Qt::Key_F},
    {"mnuHelp", MenuEntry::mnuInfo, "&Info", Qt::CTRL | Qt::Key_I},
}};

// The window keeps its actions by the entries' order.
constexpr bool MenuItemsInEntryOrder()
{
    if (kMenuItems.size() != kMenuEntryNames.size())
        return false;
    for (std::size_t i = 0; i < kMenuItems.size(); ++i)
        if (kMenuItems[i].entry != static_cast<MenuEntry>(i))
            return false;
    return true;
}
static_assert(MenuItemsInEntryOrder(), "one menu item for each entry, in the entries' order");

} // namespace sbc
