#include "start_up.h"

#include "design_look.h"
#include "qt_printer.h"
#include "screen_reader_names.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPointer>

namespace sbc {

void SetUpApplication()
{
    // The style set belongs to the application object, and a test program
    // may build its windows on more than one in turn.
    static QPointer<QCoreApplication> setUpFor;
    if (!QCoreApplication::instance() || setUpFor == QCoreApplication::instance())
        return;
    setUpFor = QCoreApplication::instance();
    ApplyDesignLook();
    MapReportFont();
    QAccessible::installFactory(NamedFrameAsGroup);
}

} // namespace sbc
