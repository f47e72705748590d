#include "solve/ZpxClockUnit.h"

#include "core/PuzzleEdits.h"
#include "core/ScreenMetricsUnit.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "solve/Scoring.h"

#include <QApplication>
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

// While the clock runs the button offers a pause: two bars.
QPixmap pauseGlyph()
{
    QPixmap glyph = emptyGlyph();
    QPainter painter(&glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(4, 3, 3, 10));
    painter.drawRect(QRectF(9, 3, 3, 10));
    return glyph;
}

// While it is paused the button offers to go on: a green triangle.
QPixmap continueGlyph()
{
    QPixmap glyph = emptyGlyph();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x80, 0x00));
    painter.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
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
    ClockBtn->setGeometry(104, 20, 28, 18);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connectGuarded(ResetBtn, &QToolButton::clicked, this, [this] { ResetBtnClick(); });
    connectGuarded(ClockBtn, &QToolButton::clicked, this, [this] { ClockBtnClick(); });
    connectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    setPaused(false);
    showTime();
}

void TZpxClockForm::FormShow()
{
    placeClearOfOtherWindows();
    showTime();
}

// At the top right of the screen, or the nearest place below or above that
// leaves the program's other windows uncovered.
void TZpxClockForm::placeClearOfOtherWindows()
{
    const int caption = smallCaptionHeight();
    QRect bounds = frameBounds(this, caption);
    bounds.moveTo(screenWidth() - bounds.width() - 8, 4);
    std::vector<QRect> taken;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && !window->isMinimized())
            taken.push_back(window->frameGeometry());
    setFrameBounds(this, boundsLeavingRoom(bounds, taken), caption);
}

void TZpxClockForm::StartSession()
{
    SessionStarted = false;
    Timer1->stop();
    setPaused(false);
    showTime();
}

void TZpxClockForm::LetterEntered()
{
    if (SessionStarted)
        return;
    SessionStarted = true;
    setPaused(Paused);
}

void TZpxClockForm::Timer1Timer()
{
    // A solved puzzle keeps the time it was solved in.
    if (!puzzleCorrect(puzzleEdits().record()))
        puzzleEdits().addSolvingSecond();
    showTime();
}

void TZpxClockForm::ResetBtnClick()
{
    puzzleEdits().resetSolvingTime();
    showTime();
}

void TZpxClockForm::ClockBtnClick()
{
    setPaused(!Paused);
}

void TZpxClockForm::setPaused(bool paused)
{
    Paused = paused;
    if (SessionStarted && !paused)
        Timer1->start();
    else
        Timer1->stop();
    ClockBtn->setIcon(QIcon(paused ? continueGlyph() : pauseGlyph()));
    ClockBtn->setToolTip(paused ? ContinueHint : PauseHint);
    // Reset only while the clock runs; a disabled button offers no hint.
    ResetBtn->setEnabled(!paused);
    ResetBtn->setToolTip(paused ? QString() : ResetHint);
}

void TZpxClockForm::showTime()
{
    TimeLbl->setText(QString::fromStdString(ClockCount::after(puzzleEdits().progress().secondsSpent).text()));
}

void TZpxClockForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

}  // namespace zpx
