#pragma once
// The windows others place themselves by: the letters distribution keeps to
// the main window's side, the author-title window sits below the grid. Each
// of them registers itself when it is created, so a window reads another's
// bounds without knowing its class.

#include <QRect>

#include <vector>

class QWidget;

namespace zpx {

enum class PlacementAnchor { Main, Grid, AuthorTitle };

// The first window registered for an anchor stays its anchor while it lives.
void setPlacementAnchor(PlacementAnchor anchor, QWidget* window);

// The anchor's outer bounds, frame and caption included; empty while there is none.
QRect anchorBounds(PlacementAnchor anchor);

// The bounds of every anchor now on the screen: what a tool window placing
// itself should leave uncovered.
std::vector<QRect> shownAnchorBounds();

// `bounds` moved up or down the screen to where it covers the least of `taken`.
QRect boundsLeavingRoom(QRect bounds, const std::vector<QRect>& taken);

// The window message boxes and file dialogs are centred on: the active
// window, else the main window.
QWidget* dialogOwner();

// From now on every modal dialog opens over the window it was opened from:
// transient for it and centred on it, unless it places itself.
void keepDialogsInView();

// The flags of a modal dialog: it stays on top, as the tool windows it may
// be opened beside do, so none of them hides it. Given before the dialog is
// first shown.
void keepAboveToolWindows(QWidget* dialog);

}  // namespace zpx
