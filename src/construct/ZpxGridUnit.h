#pragma once
// The quotation grid window: the grid squares of the puzzle record, drawn
// for the current mode. Construction clicks add squares to the selected
// acrostic word; in grid editing and solving a cursor takes typed letters.
//
// Everything is drawn on the window's canvas from the record and the shared
// state; the window keeps no copy of the puzzle. Single-square changes draw
// single squares, Repaint redraws the whole canvas.

#include "construct/GridEditing.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

namespace zpx {

// Draws letters centred in squares as the grid and author-title windows
// place them: at (left + (square - text width) div 2, top + TextTop). Each
// letter is laid out once per font, which keeps a full grid paint fast.
class SquareLetters {
public:
    SquareLetters() { widths.fill(-1); }
    void draw(QPainter& painter, int left, int top, int square, int textTop, std::uint8_t letter);

private:
    QFont font;
    std::array<QStaticText, 256> texts;
    std::array<int, 256> widths;  // -1 until the letter is laid out in `font`
};

class TZpxGridForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxGridForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    // State 0: normal look; 1: first letter of the selected word; else another of its letters.
    void PaintSquare(int column, int row, int state);
    void ClearCursor();
    void ShowAnswers();
    void MarkErrors();
    void Celebrate();
    // Redraws the whole canvas from the record (FormPaint) and shows it.
    void Repaint();

    // What the window shows, for the windows that print it and for tests.
    const QImage& canvas() const { return Canvas; }
    std::optional<GridSquare> cursorSquare() const;

    bool Cheated = false;
    QColor FilledColor;
    QColor BlankColor;
    QColor LetterColor;
    int TextTop = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormPaint();
    void FormResize();
    void FormMouseDown(Qt::MouseButton button, QPoint position);
    void FormKeyDown(QKeyEvent* event);
    void FormKeyPress(char key);
    bool FormCloseQuery();
    void EnterCharacter(char ch);
    void StepBack();

    void setCursorSquare(std::optional<GridSquare> square, QPoint point);
    void paintRun(const QColor& brush);
    void prepareCanvas();
    QRect squareRect(GridSquare square) const;
    void drawSquare(QPainter& painter, GridSquare square, const QColor& brush, const QColor& letterColor,
                    std::uint8_t letter);
    void drawLetter(QPainter& painter, int x, int y, std::uint8_t letter);
    std::uint8_t shownLetter(GridSquare square) const;
    void showSquare(GridSquare square);
    void afterEntryChanged(GridSquare square);

    // CursorPoint: the click that set the cursor or the square it moved to.
    std::optional<QPoint> CursorPoint;
    QImage Canvas;
    SquareLetters Letters;
    bool Resizing = false;
};

extern TZpxGridForm* ZpxGridForm;

// After a grid click, a letter removal or Spill changed word w: refreshes
// the windows that show the word's letters (the grid squares themselves are
// the caller's) and marks the puzzle modified.
void afterWordChanged(int word);

// The letter shown for a record byte: Windows-1252 decoded.
QChar letterChar(std::uint8_t letter);

// The letter font of the grid and author-title windows for squares of the
// given size: the font settings, its size scaled by square ÷ AutoSquare.
QFont squareFont(int square);

// The "PENCIL" pointer when "UseCursors" is 1 and the program carries it,
// otherwise the default arrow.
void applyPencilCursor(QWidget* window);

}  // namespace zpx
