#pragma once
// The fixed look the window is designed for: the same light colours and
// metric-compatible fonts on every desktop, whatever its theme.

#include <QPalette>

class QColor;
class QWidget;

namespace sbc {

// Part of SetUpApplication (start_up.h).
void ApplyDesignLook();

namespace colours {
QColor White();
QColor Yellow();
QColor Red();
QColor Black();
} // namespace colours

// Sets one colour of a widget's palette.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

} // namespace sbc
