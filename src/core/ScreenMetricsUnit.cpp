#include "core/ScreenMetricsUnit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace zpx {

namespace {

QRect availableGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

int screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int screenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

int fullScreenHeight()
{
    return availableGeometry().height() - captionHeight();
}

int menuHeight()
{
    // The main window's own menu bar when there is one: a spare bar costs start-up time.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget())
            return main->menuWidget()->sizeHint().height();
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&Puzzle"));
    return bar.sizeHint().height();
}

int captionHeight()
{
    return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

int smallCaptionHeight()
{
    return QFontMetrics(QApplication::font()).height() + 4;
}

int frameBorder()
{
    return 4;
}

double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void setFrameBounds(QWidget* window, const QRect& bounds, int caption)
{
    const int b = frameBorder();
    window->setGeometry(bounds.left() + b, bounds.top() + caption + b, bounds.width() - 2 * b,
                        bounds.height() - caption - 2 * b);
}

QRect frameBounds(const QWidget* window, int caption)
{
    const int b = frameBorder();
    const QRect client = window->geometry();
    return {client.left() - b, client.top() - caption - b, client.width() + 2 * b,
            client.height() + caption + 2 * b};
}

}  // namespace zpx
