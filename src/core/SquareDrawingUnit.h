#pragma once
// What every window that draws letter squares shares: the letters laid out
// once per font, the record byte as a character, the letter font scaled to
// the square size, and the pencil pointer.

#include <QColor>
#include <QFont>
#include <QStaticText>

#include <array>
#include <cstdint>

class QPainter;
class QRect;
class QWidget;

namespace zpx {

// Draws letters centred in squares: at (left + (square - text width) div 2,
// top + textTop). Each letter is laid out once per font, which keeps a full
// grid paint fast.
class SquareLetters {
public:
    SquareLetters() { widths.fill(-1); }
    void draw(QPainter& painter, int left, int top, int square, int textTop, std::uint8_t letter);

private:
    QFont font;
    std::array<QStaticText, 256> texts;
    std::array<int, 256> widths;  // -1 until the letter is laid out in `font`
};

// The letter shown for a record byte: Windows-1252 decoded.
QChar letterChar(std::uint8_t letter);

// The letter font for squares of the given size: the font settings, its size
// scaled by square ÷ AutoSquare.
QFont squareFont(int square);

// The solver's marks over the inside of a square, letter and all: a red
// slash through a letter a check found wrong, a blue corner at the foot of a
// revealed letter.
void drawCheckMark(QPainter& painter, const QRect& inside);
void drawRevealMark(QPainter& painter, const QRect& inside);
inline const QColor CheckMarkColour{0xFF, 0x00, 0x00};
inline const QColor RevealMarkColour{0x00, 0x00, 0xFF};

// The "PENCIL" pointer when "UseCursors" is 1, otherwise the default arrow.
void applyPencilCursor(QWidget* window);

}  // namespace zpx
