#pragma once

#include <functional>

class QSize;
class QWidget;

// Keeps a window drawn for a fixed size within its screen's available area.
// Where the designed size holds the contents at their minimum size and fits
// the screen, the window has exactly that size. Otherwise it grows to what
// the contents need, but never past the available area (less the window
// frame) nor below the window's minimum size hint; what then does not fit
// is left to the window's scrolling parts. The size is checked again when
// the window is shown, moves to another screen or its layout changes.
namespace ScreenFit {

// `shortfall`, when given, tells how much room the window's scrolling parts
// lack (or, when negative, have to spare) to show their contents whole.
void keepFixedSize(QWidget *window, const QSize &designed, std::function<QSize()> shortfall = {});

} // namespace ScreenFit
