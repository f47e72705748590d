#pragma once
// The author-title window: one square per acrostic word, spelling the
// author-title line. A click selects a word for the whole program; outside
// solve mode a second row shows the selected word's 30 letter positions,
// and a click there removes that letter.

#include "core/CanvasFormUnit.h"

#include <QColor>

#include <cstdint>
#include <initializer_list>

class QFrame;

namespace zpx {

class TZpxTitleForm : public TCanvasForm {
    Q_OBJECT

public:
    explicit TZpxTitleForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    void ShowAnswers();
    void ClearSelection();
    // A click released at a point of the window; the acrostic word list selects through it too.
    void FormMouseUp(QPoint position);
    // Selects word w as a click on its square in the top row does.
    void SelectWord(int word);
    // Solve mode: marks the solver's place where it is now, drawing again the
    // squares of the words it left and reached.
    void FollowSolverPlace();
    // Draws word w's square of the top row again, as its first letter has it now.
    void RefreshWordSquare(int word);

    int WordCount = 0;
    QColor BlankColor;
    int TextTop = 0;
    QFrame* Bevel1;

protected:
    void FormShow() override;
    void FormPaint() override;
    void FormResize() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();

    void selectWord(int word);
    void removeLetterAt(int position);
    void deselectWord();
    QSize canvasSize() const;
    void drawLetter(QPainter& painter, int x, int y, std::uint8_t letter);
    // Word i's square of the top row: yellow when selected, framed when its
    // first letter is the solver's current square.
    void drawWordSquare(QPainter& painter, int word);
    void redrawWordSquares(std::initializer_list<int> words);

    // The solver's place as the canvas marks it.
    int MarkedWord = 0;
    int MarkedSquare = 0;
    QColor LineColor;
};

extern TZpxTitleForm* ZpxTitleForm;

}  // namespace zpx
