#pragma once
// What a screen reader is told about the window's controls.

#include "window_controls.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace sbc {

// The accessibility factory that reports a named frame as a group.
QAccessibleInterface* NamedFrameAsGroup(const QString& className, QObject* object);

// Names each box by its caption and unit, described by its caption's
// tooltip, and the two option groups by their names.
void NameForScreenReaders(const WindowControls& controls);

} // namespace sbc
