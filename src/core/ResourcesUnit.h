#pragma once
// The program's built-in pictures, cursors and sounds (resources/zephyrtrace.qrc).
//
// Sounds:   ":/sounds/WAVE_1.wav" .. ":/sounds/WAVE_7.wav"
// Pictures: ":/images/<name>.png": the tool-button glyphs (20 x 20) cheat,
//           squares, letters, spill, distr, dict, autoclue; the logo (419 x 277);
//           the program icon zephyrtrace (64 x 64)
// Cursors:  ":/cursors/pencil.png", ":/cursors/handpnt.png" (32 x 32)

#include <QCursor>
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

}  // namespace zpx
