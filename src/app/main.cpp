#include "app/ApplicationWindowsUnit.h"
#include "app/ZpxMainUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QTimer>

int main(int argc, char* argv[])
{
    zpx::TZpxApplication app(argc, argv);
    zpx::createApplicationWindows();
    zpx::ZpxMainForm->CommandLine = QCoreApplication::arguments().mid(1);
    zpx::ZpxMainForm->show();
    // The start-up benchmark measures the way to the first shown main window
    // (and a command-line puzzle's windows, loaded just before). exit() ends
    // the loop at once; quit() would first ask every window to close, which
    // the puzzle's windows refuse.
    if (qEnvironmentVariableIsSet("ZPX_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
