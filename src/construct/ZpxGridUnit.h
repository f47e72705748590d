#pragma once
// The quotation grid window: the grid squares of the puzzle record, drawn
// for the current mode. Construction clicks add squares to the selected
// acrostic word; in grid editing and solving a cursor takes typed letters.
//
// Everything is drawn on the window's canvas from the record and the shared
// state; the window keeps no copy of the puzzle. Single-square changes draw
// single squares, Repaint redraws the whole canvas.

#include "construct/GridEditing.h"
#include "core/CanvasFormUnit.h"
#include "core/InputHoldUnit.h"
#include "output/SquareNumbering.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace zpx {

class TZpxGridForm : public TCanvasForm {
    Q_OBJECT

public:
    explicit TZpxGridForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    // Draws one square again as the record, the selection and the cursor have it now.
    void RefreshSquare(int column, int row);
    // The same for several squares, shown in one update.
    void RefreshSquares(const std::vector<GridSquare>& squares);
    // The solve window's right button shows a square in yellow while it is held; white again after.
    void PreviewSquare(int column, int row, bool shown);
    void ClearCursor();
    // Marks the solver's place where it is now: the squares of the word and
    // the square it left and reached are drawn again. A cursor of the grid's
    // own elsewhere is given up: the solver types in the solve window now.
    void FollowSolverPlace();
    void ShowAnswers();
    void MarkErrors();
    // The score card's closing animation: passes of answer letters in random
    // colours at random squares, 2 ms apart, then a repaint; then `finished`
    // runs. Nothing waits meanwhile, and the program takes no input, as under
    // a modal window. A celebration started over one still running replaces it.
    void Celebrate(std::function<void()> finished);

    std::optional<GridSquare> cursorSquare() const;
    // A key the solver typed elsewhere (the clue list), taken as if typed here.
    void TypeSolverKey(char key) { FormKeyPress(key); }

    // Cheated: whether the solver revealed a letter or showed the answers,
    // as the puzzle's kept progress remembers it.
    bool SolverCheated() const;

    QColor FilledColor;
    QColor BlankColor;
    QColor LetterColor;
    int TextTop = 0;
    // Solve mode shows each letter square's number and word label, as on paper.
    bool ShowSquareNumbers = true;

protected:
    void FormShow() override;
    void FormPaint() override;
    void FormResize() override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab reach the keys: the solver jumps between words with them.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void FormCreate();
    void FormMouseDown(Qt::MouseButton button, QPoint position);
    void FormKeyDown(QKeyEvent* event);
    void FormKeyPress(char key);
    void EnterCharacter(char ch);
    void StepBack();
    // Arrows, Tab and Shift+Tab of the solver; false for any other key.
    bool SolverMove(const QKeyEvent* event);

    void setCursorSquare(std::optional<GridSquare> square, QPoint point);
    // Moves the cursor, its run highlighted anew: the solver's moves may leave the run.
    void moveCursorTo(std::optional<GridSquare> square);
    void paintRun(const QColor& brush);
    void prepareGridCanvas();
    QRect squareRect(GridSquare square) const;
    void drawSquare(QPainter& painter, GridSquare square, const QColor& brush, const QColor& letterColor,
                    std::uint8_t letter);
    void drawLetter(QPainter& painter, int x, int y, std::uint8_t letter);
    std::uint8_t shownLetter(GridSquare square) const;
    void showSquare(GridSquare square);
    // Draws one square from the record in the given colours and shows it.
    void redrawSquare(int column, int row, const QColor& brush, const QColor& letterColor);

    // A letter square of solve mode as on paper: `fill`, the current square's
    // frame, the square's number and label, and the solver's letter below them.
    void drawSolveSquare(QPainter& painter, GridSquare square, const QColor& fill);
    // A solve-mode square's fill outside the cursor's run: tinted in the current word.
    QColor solveSquareFill(GridSquare square) const;
    void prepareSquareInk();
    // The grid's cursor is the solver's place: its square and word become current.
    void chooseSolverSquare(std::optional<GridSquare> square);

    struct SquareLook {
        QColor brush;
        QColor letterColor;
        std::uint8_t letter;
    };
    SquareLook squareLook(GridSquare square) const;

    // A checked wrong letter and a revealed letter: marks over the square as drawn.
    void drawSolverMarks(QPainter& painter, GridSquare square);
    // Where letters sit: TextTop, or lower in solve mode to leave the ink room.
    int LetterTop = 0;
    SquareNumbers Numbers;
    SquareInk Ink;
    // Every square's ink drawn once per paint, so a square drawn again takes
    // its ink in one copy instead of laying out its texts.
    QImage InkLayer;
    // The solver's place as the canvas marks it.
    int MarkedWord = 0;
    int MarkedSquare = 0;
    void celebrationPass();

    // CursorPoint: the click that set the cursor or the square it moved to.
    std::optional<QPoint> CursorPoint;

    QTimer* celebrationTimer;
    int celebrationPasses = 0;
    QRandomGenerator celebrationRandom;
    std::function<void()> celebrationFinished;
    std::unique_ptr<InputHold> celebrationHold;
};

extern TZpxGridForm* ZpxGridForm;

}  // namespace zpx
