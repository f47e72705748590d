#pragma once
// The windows others place themselves by: the letters distribution keeps to
// the main window's side, the author-title window sits below the grid. Each
// of them registers itself when it is created, so a window reads another's
// bounds without knowing its class.

#include <QRect>

class QWidget;

namespace zpx {

enum class PlacementAnchor { Main, Grid, AuthorTitle };

// The first window registered for an anchor stays its anchor while it lives.
void setPlacementAnchor(PlacementAnchor anchor, QWidget* window);

// The anchor's outer bounds, frame and caption included; empty while there is none.
QRect anchorBounds(PlacementAnchor anchor);

// The window message boxes and file dialogs are centred on: the active
// window, else the main window.
QWidget* dialogOwner();

}  // namespace zpx
