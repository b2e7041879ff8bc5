#pragma once
// The window's menus and their entries with their shortcuts. The text boxes
// leave these keys to the menus.

#include "control_table.h"

#include <QKeySequence>

#include <array>

namespace sbc {

inline constexpr PerId<Menu, const char*> kMenuCaptions = {{"&File", "&Help"}};

struct MenuItem {
    Menu menu;
    MenuEntry entry;
    const char* caption;
    QKeyCombination shortcut;
};

inline constexpr std::array<MenuItem, kCountOf<MenuEntry>> kMenuItems = {{
    {Menu::mnuFile, MenuEntry::mnuPrintData, "Print &Data", Qt::CTRL | Qt::Key_D},
    {Menu::mnuFile, MenuEntry::mnuPrintForm, "Print &Form", Qt::CTRL | Qt::Key_F},
    {Menu::mnuHelp, MenuEntry::mnuInfo, "&Info", Qt::CTRL | Qt::Key_I},
}};

static_assert(OneRowPerId(kMenuItems, &MenuItem::entry), "one menu item for each entry, in the entries' order");

} // namespace sbc
