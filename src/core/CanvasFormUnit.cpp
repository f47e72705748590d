#include "core/CanvasFormUnit.h"

#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>

#include <utility>

namespace zpx {

TCanvasForm::TCanvasForm(const QColor& margin, Closing closing, QWidget* parent)
    : QWidget(parent, ToolWindowFlags), margin(margin), closing(closing)
{
    // The canvas is the double buffer: Qt only copies it to the screen.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasForm::Repaint()
{
    // A hidden window is repainted by its next showing. Placing the window
    // while it shows resizes it, and every resize would repaint: the showing
    // repaints once, at its end.
    if (showing)
        repaintWhenShown = true;
    if (showing || !isVisible())
        return;
    FormPaint();
    update();
}

void TCanvasForm::prepareCanvas(QSize size)
{
    if (Canvas.size() != size)
        Canvas = QImage(size, QImage::Format_RGB32);
}

std::optional<char> TCanvasForm::typedCharacter(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        return ' ';
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Escape:
        return '\x1b';
    default:
        break;
    }
    // Alt and Ctrl chords are commands (a menu's mnemonic, a shortcut), never a letter for the square.
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 128)
        return static_cast<char>(text.front().toUpper().unicode());
    return std::nullopt;
}

void TCanvasForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    {
        const QScopedValueRollback<bool> deferring(showing, true);
        FormShow();
    }
    if (std::exchange(repaintWhenShown, false))
        Repaint();
}

void TCanvasForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), Canvas, event->rect());
    for (const QRect& outside : QRegion(event->rect()).subtracted(QRect(QPoint(), Canvas.size())))
        painter.fillRect(outside, margin);
}

void TCanvasForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (resizing)
        return;
    const QScopedValueRollback<bool> nested(resizing, true);
    FormResize();
}

void TCanvasForm::closeEvent(QCloseEvent* event)
{
    if (closing == Closing::ByUser || AllowClose)
        event->accept();
    else
        event->ignore();
}

}  // namespace zpx
