#pragma once
// Shared by the grid and author-title window tests: both windows on a
// sample puzzle, and reading their canvases square by square.

#include "support/RecordBuilder.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"
#include "support/WindowTestSupport.h"

#include <QImage>
#include <QListWidget>
#include <QTest>

#include <cstdlib>

namespace zpx::test {

inline void createConstructionWindows()
{
    initWindowTestEnvironment();
    if (!ZpxGridForm)
        ZpxGridForm = new TZpxGridForm;
    if (!ZpxTitleForm)
        ZpxTitleForm = new TZpxTitleForm;
}

// Loads `record` in `mode` and shows both windows as a puzzle load does.
inline void showPuzzle(const TPuzzleRecord& record, std::uint8_t mode)
{
    puzzleEdits().startFresh(record);
    Mode = mode;
    SelectedWord = 0;
    ZpxGridForm->hide();
    ZpxTitleForm->hide();
    ZpxGridForm->setWindowTitle(QStringLiteral("Sample.zpx"));
    ZpxGridForm->show();
    ZpxTitleForm->show();
}

// The inside of one square drawn at (left, top) in squares of size s.
inline QRect squareInside(int left, int top, int s)
{
    return {left + 1, top + 1, s - 1, s - 1};
}

inline QRect gridSquareInside(int column, int row)
{
    return squareInside((column - 1) * ScreenSquare, (row - 1) * ScreenSquare, ScreenSquare);
}

inline int pixelsOf(const QImage& canvas, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += canvas.pixelColor(x, y) == colour;
    return count;
}

// Where a square's fill shows: near its bottom-left corner, inside the
// current square's frame, below a number and left of a letter.
inline QPoint fillPoint(const QRect& inside)
{
    const int inset = SolverMarks::FrameWidth + 1;
    return inside.bottomLeft() + QPoint(inset, -inset);
}

// Pixels of a letter drawn in `colour` on the square's fill: at least halfway
// from the fill towards the letter colour, so smoothed edges count as well.
inline int letterPixels(const QImage& canvas, const QRect& inside, const QColor& colour)
{
    const QColor fill = canvas.pixelColor(fillPoint(inside));
    const auto near = [&](int value, int letter, int background) {
        return 2 * std::abs(value - letter) <= std::abs(background - letter);
    };
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor p = canvas.pixelColor(x, y);
            count += p != fill && near(p.red(), colour.red(), fill.red()) && near(p.green(), colour.green(), fill.green())
                     && near(p.blue(), colour.blue(), fill.blue());
        }
    return count;
}

inline QColor fillOf(const QImage& canvas, const QRect& inside)
{
    return canvas.pixelColor(fillPoint(inside));
}

// True when the square is its fill colour only: no letter is drawn in it.
inline bool isPlain(const QImage& canvas, const QRect& inside)
{
    return pixelsOf(canvas, inside, fillOf(canvas, inside)) == inside.width() * inside.height();
}

inline QColor gridFill(int column, int row)
{
    return fillOf(ZpxGridForm->canvas(), gridSquareInside(column, row));
}

// The texts of a construction list's lines, and a real click on one of them.
inline QStringList listLines(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline void clickListLine(QListWidget* list, int line)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
}

inline const QColor& Green = StandardColour::Lime;
inline const QColor& Yellow = StandardColour::Yellow;
inline const QColor& Gray = StandardColour::Gray;
inline const QColor& Silver = StandardColour::Silver;
inline const QColor& Red = StandardColour::Red;

}  // namespace zpx::test
