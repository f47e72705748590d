#pragma once
// Starts the external tools of the Tools menu, or brings a running copy to
// the front instead of starting a second one.

#include "env/ToolWindowsUnit.h"

#include <QObject>
#include <QString>

#include <array>

namespace zpx {

class TLaunchModule : public QObject {
    Q_OBJECT

public:
    explicit TLaunchModule(QObject* parent = nullptr);

    // Activates the tool's window, or starts the program when there is none.
    void Launch(const QString& path);
    // Starts the program at `path` and looks for its window for up to a
    // second; true when a window was found. A program that does not start is
    // reported by its path and the reason.
    bool StartTool(const QString& path);

    // One window per Tools menu position; a window that has gone keeps its
    // entry until a new one replaces it.
    std::array<ToolWindow, 6> ToolWindows{};
    qint64 ToolProcessId = 0;
    // The Tools menu position of the tool being launched.
    int ToolIndex = 0;
};

extern TLaunchModule* LaunchModule;

}  // namespace zpx
