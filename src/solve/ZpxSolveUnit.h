#pragma once
// The solve window: the clue of the selected word above a strip of answer
// squares, one per letter. Typed letters go straight into the record's
// entries, so the grid, the author-title window and the clue list show them
// at once. CursorX is the current square's offset in the strip; 31 squares
// in means no square is current.

#include "core/CanvasFormUnit.h"
#include "core/PuzzleRecord.h"

#include <QColor>
#include <QRect>

#include <cstdint>
#include <optional>
#include <utility>

class QLabel;

namespace zpx {

class TZpxSolveForm : public TCanvasForm {
    Q_OBJECT

public:
    explicit TZpxSolveForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    // As wide as the word's strip and clue need, at least a small window,
    // at most the screen.
    void FitWidthToWord();
    // Opens the window on SelectedWord with `cursorSquares` squares before the
    // current one, or repaints it when it is open, and brings it to the front.
    void ShowWord(int cursorSquares);
    // Shows SelectedWord at the solver's current square, chosen in the grid,
    // and leaves the keys with the grid.
    void FollowGridSquare();
    // Draws again the answer square of grid square (column, row), when the strip shows it.
    void RefreshAnswerSquare(int column, int row);
    // No square is current: the cursor stands past the longest word.
    void ClearCursor();
    // The grid square of the current answer square; nullopt when none is current.
    std::optional<GridSquare> CurrentGridSquare() const;
    // A key typed in the window, as a character: letters, space, Enter (13), Backspace (8), "+", Escape (27).
    void FormKeyPress(char key);

    // The strip of answer squares within the window.
    QRect SolveGrid;
    QLabel* ClueLbl;

    int TextTop = 0;
    QColor BlankColor;
    int SquareSize = 0;
    int CursorX = 0;

protected:
    void FormShow() override;
    void FormPaint() override;
    void FormResize() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab and Shift+Tab reach the keys: the solver jumps between words with them.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void FormKeyDown(QKeyEvent* event);
    // Tab and Shift+Tab, Left, Right, Home and End; false for any other key.
    bool SolverMove(const QKeyEvent* event);
    void FormMouseDown();
    void SolveGridMouseDown(Qt::MouseButton button, int x);
    void SolveGridMouseUp();
    void SolveGridPaint(QPainter& painter);
    void FormClose();

    int wordLength() const;
    // The grid square of the answer square at CursorX; nullopt past the word.
    std::optional<std::pair<int, int>> currentSquare() const;
    // A key typed just after the word's last square goes on to the next word
    // with an empty square, opened at that square; false when it stays refused.
    bool goOnToNextWord(char key);
    // The grid and the author-title window mark the current square as the strip has it.
    void publishPlace();
    void drawAnswerSquare(QPainter& painter, int x, const QColor& brush, std::uint8_t letter);
    // Draws answer square k from the record and shows it.
    void drawStripSquare(int k);
    // The grid's marks of a checked wrong letter or a revealed letter, on the answer square at x.
    void drawSolverMarks(QPainter& painter, int x, GridSquare square);
    // Draws the answer square at CursorX and shows it.
    void drawCursorSquare(const QColor& brush, std::uint8_t letter);

    // The brush of answer square k: yellow at the cursor and, with the
    // preference "SOLVE HL", on to the end of the word.
    QColor stripBrush(int k) const;

    QColor OutlineColor;
    QColor LetterColor;
    bool HighlightRest = false;
    std::optional<std::pair<int, int>> Previewed;
    // The word the window was last painted for.
    int ShownWord = 0;
};

extern TZpxSolveForm* ZpxSolveForm;

}  // namespace zpx
