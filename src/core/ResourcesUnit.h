#pragma once
// The program's built-in pictures, cursors and sounds (resources/zephyrtrace.qrc).
//
// Sounds:   ":/sounds/WAVE_1.wav" .. ":/sounds/WAVE_7.wav"
// Pictures: ":/images/<name>.png": the tool-button glyphs (20 x 20) cheat,
//           squares, letters, spill, distr, dict, autoclue; the logo (419 x 277)
// Cursors:  ":/cursors/pencil.png", ":/cursors/handpnt.png" (32 x 32)
// Icon:     ":/icons/hicolor/SIZExSIZE/apps/zephyrtrace.png", the program's
//           icon as the desktop's icon theme has it (resources/icons)

#include <QCursor>
#include <QIcon>
#include <QPoint>

namespace zpx {

// Where each cursor points: the graphite point of the pencil at the lower
// left, the tip of the pointing finger.
inline constexpr QPoint PencilHotSpot{1, 30};
inline constexpr QPoint HandPointHotSpot{11, 1};

// The "PENCIL" cursor of the grid, author-title and solve windows.
QCursor pencilCursor();
// The "HANDPNT" cursor of the clue list.
QCursor handPointCursor();

// The sizes of the program's icon that windows carry: what title bars, task
// bars and window switchers draw. Larger pictures come from the icon theme.
inline constexpr int WindowIconSizes[] = {16, 32, 48, 64};

// The program's icon, for every window.
QIcon programIcon();

}  // namespace zpx
