#include "construct/LettersDistUnit.h"

#include "construct/LetterCounts.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowStyleUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace zpx {

TLettersDistForm* LettersDistForm = nullptr;

namespace {

const QColor& Silver = StandardColour::Silver;
constexpr int LettersPerRow = 9;

}  // namespace

TLettersDistForm::TLettersDistForm(QWidget* parent) : QWidget(parent, ToolWindowFlags)
{
    setWindowTitle(QStringLiteral("Letters Distribution"));
    QFont formFont(QStringLiteral("Courier New"));
    formFont.setPixelSize(13);
    setFont(formFont);
    resize(512, 69);

    LtrBev = new QFrame(this);
    LtrBev->setFrameStyle(QFrame::Box | QFrame::Sunken);
    LtrBev->setAttribute(Qt::WA_TransparentForMouseEvents);

    VKText = new QLabel(this);
    VKText->setAlignment(Qt::AlignCenter);
    VKText->setAutoFillBackground(true);
    VKText->setBackgroundRole(QPalette::ToolTipBase);
    VKText->setForegroundRole(QPalette::ToolTipText);
    QFont vkFont(QStringLiteral("Arial"));
    vkFont.setPixelSize(11);
    VKText->setFont(vkFont);
    VKText->setFixedHeight(15);
}

void TLettersDistForm::ApplyScreenBounds()
{
    const QRect main = anchorBounds(PlacementAnchor::Main);
    const int width = screenWidth() - main.width() - 6;
    const int height = main.height();
    int left = main.width() + 4;
    int top = 2;
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsLettersDist"))) {
        left = stored->left;
        top = stored->top;
    }
    setFrameBounds(this, QRect(left, top, width, height), smallCaptionHeight());
}

QRect TLettersDistForm::cellRect(int index) const
{
    const int row = index / LettersPerRow;
    return {rowLeft[row] + (index % LettersPerRow) * cellWidth, firstTop + row * rowHeight, cellWidth, textHeight};
}

void TLettersDistForm::FormPaint()
{
    const LetterCounts counts = countFreeLetters(PuzzleRecord);
    const int clientWidth = width();
    const int clientHeight = height();
    image = QImage(std::max(clientWidth, 1), std::max(clientHeight, 1), QImage::Format_RGB32);
    image.fill(Silver);
    LtrBev->setGeometry(0, 0, clientWidth, clientHeight);

    rowHeight = (clientHeight - VKText->height()) / 3;
    cellWidth = (clientWidth - 4) / LettersPerRow;

    // The largest font below the row height whose cells fit: always at least one size smaller.
    QFont cellFont(QStringLiteral("Courier New"));
    int size = rowHeight;
    for (;;) {
        size = std::max(size - 1, 1);
        cellFont.setPointSize(size);
        const QFontMetrics metrics(cellFont, &image);
        if (size == 1 ||
            (metrics.height() < rowHeight + 4 && metrics.horizontalAdvance(QStringLiteral("MMMM")) <= cellWidth))
            break;
    }
    const QFontMetrics metrics(cellFont, &image);

    QPainter painter(&image);
    painter.setFont(cellFont);
    textHeight = metrics.height();
    firstTop = (rowHeight - textHeight) / 2;
    int y = firstTop;
    for (int row = 0; row < 3; ++row) {
        rowLeft[row] = (clientWidth - 8 * cellWidth - metrics.horizontalAdvance(QStringLiteral("MMMM")) - 4) / 2;
        int x = rowLeft[row];
        for (int i = row * LettersPerRow; i < std::min(26, (row + 1) * LettersPerRow); ++i) {
            const int count = counts.letters[i];
            painter.setPen(count > 0 ? Qt::black : Qt::white);
            painter.drawText(x, y + metrics.ascent(),
                             QString::fromStdString(letterCellText(static_cast<char>('A' + i), count)));
            x += cellWidth;
        }
        y += rowHeight;
    }
    painter.end();

    VKText->setGeometry(1, clientHeight - VKText->height(), clientWidth - 2, VKText->height());
    VKText->setText(QString::fromStdString(lettersSummary(counts)));
    update();
}

void TLettersDistForm::FormShow()
{
    ApplyScreenBounds();
    FormPaint();
}

void TLettersDistForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TLettersDistForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormPaint();
}

void TLettersDistForm::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image);
}

}  // namespace zpx
