#pragma once
// How a screen reader is told about the window's option groups.

class QAccessibleInterface;
class QObject;
class QString;

namespace sbc {

// The accessibility factory that reports a named frame as a group.
QAccessibleInterface* NamedFrameAsGroup(const QString& className, QObject* object);

} // namespace sbc
