#pragma once
// The yardstick: the smallest window built the way the calculator's is, a
// QMainWindow whose central widget is one QLineEdit.

#include <QMainWindow>

#include <memory>

class QLineEdit;

namespace sbc::bench {

std::unique_ptr<QMainWindow> BuildBareWindow();
QLineEdit& BareLineEdit(QMainWindow& window);

// Gives the line edit the size and font of `box`, so that a change repaints
// the same area in both windows; at its default size (200 x 100 pixels) the
// bare line edit would repaint several times the pixels of a calculator box.
void ShapeLike(QMainWindow& window, const QWidget& box);

} // namespace sbc::bench
