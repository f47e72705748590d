#include "solve/ZpxClockUnit.h"

#include "core/ScreenMetricsUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace zpx {

TZpxClockForm* ZpxClockForm = nullptr;

namespace {

constexpr int GlyphSize = 16;

QPixmap emptyGlyph()
{
    QPixmap glyph(GlyphSize, GlyphSize);
    glyph.fill(Qt::transparent);
    return glyph;
}

// Back to the start: a bar and a triangle pointing at it.
QPixmap resetGlyph(const QColor& colour)
{
    QPixmap glyph = emptyGlyph();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(2, 3, 3, 10));
    painter.drawPolygon(QPolygonF({QPointF(14, 3), QPointF(14, 13), QPointF(5, 8)}));
    return glyph;
}

// Pause and continue in one: two bars beside a triangle.
QPixmap clockGlyph()
{
    QPixmap glyph = emptyGlyph();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(1, 3, 2, 10));
    painter.drawRect(QRectF(5, 3, 2, 10));
    painter.drawPolygon(QPolygonF({QPointF(9, 3), QPointF(15, 8), QPointF(9, 13)}));
    return glyph;
}

const QString PauseHint = QStringLiteral("Pause clock");
const QString ContinueHint = QStringLiteral("Continue clock");
const QString ResetHint = QStringLiteral("Reset clock");

}  // namespace

TZpxClockForm::TZpxClockForm(QWidget* parent)
    : QWidget(parent, ToolWindowFlags & ~Qt::WindowFlags(Qt::WindowCloseButtonHint))
{
    setWindowTitle(QStringLiteral("Clock"));
    setFixedSize(136, 40);
    fillWithSilver(this);

    TimeLbl = new QLabel(this);
    TimeLbl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    TimeLbl->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    font.setBold(true);
    TimeLbl->setFont(font);
    QPalette blue = TimeLbl->palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    TimeLbl->setPalette(blue);
    TimeLbl->setGeometry(4, 4, 96, 32);

    ResetBtn = new QToolButton(this);
    ResetBtn->setAutoRaise(true);
    QIcon resetIcon;
    resetIcon.addPixmap(resetGlyph(Qt::black), QIcon::Normal);
    resetIcon.addPixmap(resetGlyph(StandardColour::Gray), QIcon::Disabled);
    ResetBtn->setIcon(resetIcon);
    ResetBtn->setGeometry(104, 2, 28, 18);

    ClockBtn = new QToolButton(this);
    ClockBtn->setAutoRaise(true);
    ClockBtn->setIcon(QIcon(clockGlyph()));
    ClockBtn->setGeometry(104, 20, 28, 18);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connectGuarded(ResetBtn, &QToolButton::clicked, this, [this] { ResetBtnClick(); });
    connectGuarded(ClockBtn, &QToolButton::clicked, this, [this] { ClockBtnClick(); });
    connectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    // The timer waits for the first showing.
    ClockBtn->setToolTip(PauseHint);
    ResetBtn->setToolTip(ResetHint);
    showTime();
}

void TZpxClockForm::FormShow()
{
    const QRect bounds = frameBounds(this, smallCaptionHeight());
    setFrameBounds(this, QRect(screenWidth() - bounds.width() - 8, 4, bounds.width(), bounds.height()),
                   smallCaptionHeight());
    // Every showing starts a running clock from zero, whatever state it was hidden in.
    setRunning(true);
    Count.reset();
    showTime();
}

void TZpxClockForm::Timer1Timer()
{
    Count.tick();
    showTime();
}

void TZpxClockForm::ResetBtnClick()
{
    Count.reset();
    showTime();
}

void TZpxClockForm::ClockBtnClick()
{
    setRunning(!Timer1->isActive());
}

void TZpxClockForm::setRunning(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
    ClockBtn->setToolTip(running ? PauseHint : ContinueHint);
    // Reset only while the clock runs; a disabled button offers no hint.
    ResetBtn->setEnabled(running);
    ResetBtn->setToolTip(running ? ResetHint : QString());
}

void TZpxClockForm::showTime()
{
    TimeLbl->setText(QString::fromStdString(Count.text()));
}

void TZpxClockForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

}  // namespace zpx
