#include "core/SquareDrawingUnit.h"

#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/ResourcesUnit.h"
#include "core/SettingsFormats.h"
#include "core/SettingsLookUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <string>

namespace zpx {

QChar letterChar(std::uint8_t letter)
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> chars{};
        for (int code = 0; code < 256; ++code) {
            const std::string byte(1, static_cast<char>(code));
            const QString text = QString::fromUtf8(cp1252ToUtf8(byte));
            chars[code] = text.isEmpty() ? QChar() : text.front();
        }
        return chars;
    }();
    return table[letter];
}

void SquareLetters::draw(QPainter& painter, int left, int top, int square, int textTop, std::uint8_t letter)
{
    if (painter.font() != font) {
        font = painter.font();
        widths.fill(-1);
    }
    if (widths[letter] < 0) {
        const QChar ch = letterChar(letter);
        widths[letter] = ch.isNull() ? 0 : QFontMetrics(font, painter.device()).horizontalAdvance(ch);
        texts[letter] = QStaticText(ch.isNull() ? QString() : QString(ch));
        texts[letter].setTextFormat(Qt::PlainText);
        texts[letter].prepare(QTransform(), font);
    }
    if (widths[letter] > 0)
        painter.drawStaticText(left + (square - widths[letter]) / 2, top + textTop, texts[letter]);
}

namespace {

// Below this the ink blurs into dots; the letter keeps the lower part of the square.
constexpr int LegibleInkPixels = 7;
// The ink keeps clear of the square's border line and of the current square's frame inside it.
constexpr int InkMargin = 1 + SolverMarks::FrameWidth;

QStaticText preparedText(const QString& text, const QFont& font)
{
    QStaticText prepared(text);
    prepared.setTextFormat(Qt::PlainText);
    prepared.prepare(QTransform(), font);
    return prepared;
}

}  // namespace

void SquareInk::setFont(int square, int widestNumber, bool doubleLabels)
{
    QFont chosen(QStringLiteral("Arial"));
    const QString widest = QString(QString::number(std::max(1, widestNumber)).size(), QLatin1Char('8'))
                           + (doubleLabels ? QStringLiteral(" bb") : QStringLiteral(" W"));
    int pixels = std::max(LegibleInkPixels, square * 3 / 10);
    for (;; --pixels) {
        chosen.setPixelSize(pixels);
        if (pixels == LegibleInkPixels || QFontMetrics(chosen).horizontalAdvance(widest) + 2 * InkMargin <= square)
            break;
    }
    if (chosen == font)
        return;
    font = chosen;
    inkHeight = InkMargin + QFontMetrics(font).height();
    numbers.clear();
    for (int word = 1; word <= MaxWords; ++word) {
        labels[word] = preparedText(QString::fromStdString(wordLabel(word)), font);
        labelWidths[word] = qCeil(labels[word].size().width());
    }
}

const QStaticText& SquareInk::numberText(int number)
{
    if (static_cast<int>(numbers.size()) <= number)
        numbers.resize(number + 1);
    if (numbers[number].text().isEmpty())
        numbers[number] = preparedText(QString::number(number), font);
    return numbers[number];
}

void SquareInk::draw(QPainter& painter, int left, int top, int square, int number, int word)
{
    painter.setFont(font);
    painter.drawStaticText(left + InkMargin, top + InkMargin, numberText(number));
    if (word >= 1 && word <= MaxWords)
        painter.drawStaticText(left + square - InkMargin - labelWidths[word], top + InkMargin, labels[word]);
}

void drawCurrentFrame(QPainter& painter, const QRect& inside)
{
    const int f = SolverMarks::FrameWidth;
    const QColor& frame = SolverMarks::CurrentFrame;
    painter.fillRect(inside.left(), inside.top(), inside.width(), f, frame);
    painter.fillRect(inside.left(), inside.bottom() - f + 1, inside.width(), f, frame);
    painter.fillRect(inside.left(), inside.top(), f, inside.height(), frame);
    painter.fillRect(inside.right() - f + 1, inside.top(), f, inside.height(), frame);
}

QFont squareFont(int square)
{
    QFont font = fontFromSettings(QString(), QStringLiteral("Arial"), 11, 0);
    const int fontSize = ZpxProcs->ReadSetting(QStringLiteral("FontSize"), 11);
    const int scaled = scaledFontSize(fontSize, square, AutoSquare);
    // A negative size is a height in pixels, as the font setting may hold it.
    if (fontSize < 0)
        font.setPixelSize(std::max(1, -scaled));
    else
        font.setPointSize(std::max(1, scaled));
    return font;
}

void applyPencilCursor(QWidget* window)
{
    if (ZpxProcs->ReadSetting(QStringLiteral("UseCursors"), 0) == 1)
        window->setCursor(pencilCursor());
    else
        window->unsetCursor();
}

}  // namespace zpx

namespace zpx {

void drawCheckMark(QPainter& painter, const QRect& inside)
{
    const int inset = std::max(2, inside.width() / 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(CheckMarkColour, 2));
    painter.drawLine(inside.left() + inset, inside.bottom() - inset, inside.right() - inset, inside.top() + inset);
    painter.restore();
}

void drawRevealMark(QPainter& painter, const QRect& inside)
{
    const int side = std::max(4, inside.width() / 4);
    const QPoint corner = inside.bottomRight() + QPoint(1, 1);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(RevealMarkColour);
    painter.drawPolygon(QPolygon({corner, corner - QPoint(side, 0), corner - QPoint(0, side)}));
    painter.restore();
}

}  // namespace zpx
