#pragma once
// What every window that draws letter squares shares: the letters laid out
// once per font, the record byte as a character, the letter font scaled to
// the square size, and the pencil pointer.

#include <QColor>
#include <QFont>
#include <QStaticText>

#include <array>
#include <cstdint>
#include <vector>

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

// Draws the small ink of a letter square as the printed grid has it: the
// square's number at the top left, its word's label at the top right. Each
// text is laid out once per font.
class SquareInk {
public:
    // The ink font for squares of `square` pixels: about a third of the
    // square, smaller where the widest number and label would not fit side by
    // side, never below a legible size.
    void setFont(int square, int widestNumber, bool doubleLabels);
    const QFont& inkFont() const { return font; }
    // The height the ink takes at the top of a square.
    int height() const { return inkHeight; }
    // Word 0 draws the number alone, for a square that belongs to no word.
    void draw(QPainter& painter, int left, int top, int square, int number, int word);

private:
    const QStaticText& numberText(int number);

    QFont font;
    int inkHeight = 0;
    std::vector<QStaticText> numbers;  // [n], laid out on first use
    std::array<QStaticText, 31> labels;  // [w]
    std::array<int, 31> labelWidths{};
};

// Frames the inside of the solver's current square.
void drawCurrentFrame(QPainter& painter, const QRect& inside);

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
