#pragma once
// The window's controls, each kept by its id. frmMain builds them from the
// design table (control_table.h) and hands them to the steps that set the
// boxes as the state table says and name them for screen readers.

#include "control_table.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class TextBox;

namespace sbc {

struct WindowControls {
    PerId<Box, TextBox*> boxes;
    PerId<Label, QLabel*> labels;
    PerId<Frame, QFrame*> frames;
    PerId<Option, QRadioButton*> options;
    PerId<Command, QPushButton*> commands;
    PerId<Menu, QMenu*> menus;
    PerId<MenuEntry, QAction*> menuEntries;
};

} // namespace sbc
