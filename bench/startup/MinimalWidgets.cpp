// The yardstick for start-up: the least a Qt Widgets program does to show a
// main window with a menu bar, then quit.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    // Start-up is measured, not the teardown, as for zephyrtrace.
    std::_Exit(app.exec());
}
