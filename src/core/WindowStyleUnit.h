#pragma once
// How the program's windows look: the border of a tool window and the
// standard colours the windows are drawn in.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace zpx {

// A tool window with a caption and only a close box. Without the close box
// hint the window manager is told nothing about the buttons and offers
// minimise and maximise as well.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The colour constants the windows paint with, by their names in the settings.
namespace StandardColour {
inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Gray{0x80, 0x80, 0x80};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Lime{0x00, 0xFF, 0x00};
inline const QColor Red{0xFF, 0x00, 0x00};
}  // namespace StandardColour

// The solver's place as the grid and the author-title window mark it: the
// current word's squares tinted, the current square framed.
namespace SolverMarks {
inline const QColor WordTint{0xC8, 0xE0, 0xFF};
inline const QColor CurrentFrame{0x00, 0x40, 0xC0};
inline constexpr int FrameWidth = 2;
}  // namespace SolverMarks

// The silver face of the program's small windows and dialogs.
inline void fillWithSilver(QWidget* window)
{
    QPalette silver = window->palette();
    silver.setColor(QPalette::Window, StandardColour::Silver);
    window->setPalette(silver);
    window->setAutoFillBackground(true);
}

}  // namespace zpx
