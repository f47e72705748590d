#include "core/CanvasFormUnit.h"

#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"

#include <QCloseEvent>
#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>

namespace zpx {

TCanvasForm::TCanvasForm(const QColor& margin, Closing closing, QWidget* parent)
    : QWidget(parent, ToolWindowFlags), margin(margin), closing(closing)
{
    // The canvas is the double buffer: Qt only copies it to the screen.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasForm::Repaint()
{
    FormPaint();
    update();
}

void TCanvasForm::prepareCanvas(QSize size)
{
    if (Canvas.size() != size)
        Canvas = QImage(size, QImage::Format_RGB32);
}

void TCanvasForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
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
