#pragma once
// Where windows open.

class QWidget;

namespace vonu {

// Puts the window (with its frame) in the middle of the screen's usable area
// (the screen it is on, or the primary screen). Exact once the window has
// been shown and has its frame.
void centreOnScreen(QWidget* window);

} // namespace vonu
