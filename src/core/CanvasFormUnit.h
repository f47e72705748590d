#pragma once
// A window that draws on a canvas of its own: the drawing operations paint
// the canvas at once (a square, a cursor run, the answers, the errors),
// FormPaint redraws all of it from the record, and a paint event only copies
// it to the screen. So a drawing stays until the next repaint removes it,
// and tests read exactly what the window shows.

#include "core/SquareDrawingUnit.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <optional>

namespace zpx {

class TCanvasForm : public QWidget {
    Q_OBJECT

public:
    enum class Closing { ByUser, OnlyByProgram };

    // `margin` fills what the canvas does not cover; a window closed only by
    // the program refuses its close box until AllowClose is set.
    TCanvasForm(const QColor& margin, Closing closing, QWidget* parent = nullptr);

    const QImage& canvas() const { return Canvas; }
    // Redraws the whole canvas from the record (FormPaint) and shows it.
    void Repaint();

    // A key as the typing windows take it: an upper-case ASCII character, a
    // space for Delete, '\b' for Backspace, '\r' for Enter, 27 for Escape;
    // nullopt for any other key.
    static std::optional<char> typedCharacter(const QKeyEvent* event);

protected:
    // Each showing for a puzzle, not a window manager's restore.
    virtual void FormShow() = 0;
    virtual void FormPaint() = 0;
    // Snapping the bounds inside FormResize resizes the window again; that
    // nested resize does not reach FormResize.
    virtual void FormResize() = 0;

    // Gives the canvas `size`, keeping its drawing when it has it already.
    void prepareCanvas(QSize size);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QImage Canvas;
    SquareLetters Letters;

private:
    QColor margin;
    Closing closing;
    bool resizing = false;
    bool showing = false;
    bool repaintWhenShown = false;
};

}  // namespace zpx
