#pragma once
// The screen measures the window formulas are written in, one function each.
// Bounds in the formulas are outer frame bounds, as on Windows: a window's
// client area is its bounds less frameBorder() on every side and the
// caption above.

class QRect;
class QWidget;

namespace zpx {

int screenWidth();
int screenHeight();
int fullScreenHeight();    // client height of a maximised window: available height less a caption
int menuHeight();          // one menu bar line
int captionHeight();       // caption of a normal window
int smallCaptionHeight();  // caption of a tool window
int frameBorder();         // frame thickness of a sizeable window on each side
double screenDpi();        // logical pixels per inch of the primary screen

// Places a window by its outer bounds; `caption` is the height of its caption.
void setFrameBounds(QWidget* window, const QRect& bounds, int caption);
// A window's outer bounds, the inverse of setFrameBounds.
QRect frameBounds(const QWidget* window, int caption);

}  // namespace zpx
