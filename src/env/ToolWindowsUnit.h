#pragma once
// Finding and raising the top-level windows of other programs. On X11 this
// goes through the window manager's standard properties: its list of client
// windows, each window's process id and title, and the request to activate a
// window, which also restores a minimised one. Where the window system offers
// nothing of the kind (Wayland, no window manager) no window is ever found,
// so a tool is simply started again.

#include <QString>
#include <QtGlobal>

namespace zpx {

// A top-level window of any program; 0 is none.
using ToolWindow = quint32;

// Whether windows of other programs can be found here at all.
bool toolWindowsSearchable();
// The first client window whose title is exactly `title`.
ToolWindow findToolWindowByTitle(const QString& title);
// The first client window that belongs to process `processId`.
ToolWindow findToolWindowOfProcess(qint64 processId);
// Activates `window` and brings it to the front; false when it is not (or no
// longer) a window on the screen.
bool bringToolWindowToFront(ToolWindow window);

}  // namespace zpx
