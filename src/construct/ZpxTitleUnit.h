#pragma once
// The author-title window: one square per acrostic word, spelling the
// author-title line. A click selects a word for the whole program; outside
// solve mode a second row shows the selected word's 30 letter positions,
// and a click there removes that letter.

#include "construct/ZpxGridUnit.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>

class QFrame;

namespace zpx {

class TZpxTitleForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxTitleForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    void ShowAnswers();
    void ClearSelection();
    // A click released at a point of the window; the acrostic word list selects through it too.
    void FormMouseUp(QPoint position);
    // Redraws the whole canvas from the record (FormPaint) and shows it.
    void Repaint();

    const QImage& canvas() const { return Canvas; }

    int WordCount = 0;
    QColor BlankColor;
    int TextTop = 0;
    QFrame* Bevel1;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormPaint();
    void FormResize();
    bool FormCloseQuery();

    void selectWord(int word);
    void removeLetterAt(int position);
    void deselectWord();
    QSize canvasSize() const;
    void drawLetter(QPainter& painter, int x, int y, std::uint8_t letter);

    QImage Canvas;
    SquareLetters Letters;
    bool Resizing = false;
};

extern TZpxTitleForm* ZpxTitleForm;

}  // namespace zpx
