#include "core/SquareDrawingUnit.h"

#include "core/Cp1252.h"
#include "core/ResourcesUnit.h"
#include "core/SettingsFormats.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

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
