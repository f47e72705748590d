#include "app/ApplicationWindowsUnit.h"
#include "app/WindowSystem.h"
#include "app/ZpxMainUnit.h"
#include "core/ResourcesUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    if (zpx::runOnX11(std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "xcb");
    zpx::TZpxApplication app(argc, argv);
    app.setWindowIcon(zpx::programIcon());
    // Desktops match the windows to the menu entry (and its icon) by this name.
    app.setDesktopFileName(QStringLiteral("zephyrtrace"));
    zpx::createApplicationWindows();
    zpx::ZpxMainForm->CommandLine = QCoreApplication::arguments().mid(1);
    zpx::ZpxMainForm->show();
    // The start-up benchmark measures the way to the first shown main window
    // (and a command-line puzzle's windows, loaded just before). exit() ends
    // the loop at once; quit() would first ask every window to close, which
    // the puzzle's windows refuse.
    const bool quitAfterShow = qEnvironmentVariableIsSet("ZPX_QUIT_AFTER_SHOW");
    if (quitAfterShow)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int result = app.exec();
    // Start-up is measured, not the teardown of the windows.
    if (quitAfterShow)
        std::_Exit(result);
    return result;
}
