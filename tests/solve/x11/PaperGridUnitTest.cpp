// Solving on screen as on paper, on a real X server under a window manager:
// every empty letter square carries its number and label; a click in the
// grid takes the solve window along to the square's word while the keys stay
// with the grid, so typing runs on through the quotation; the arrows move the
// current square; the solve window goes on into the next word. What the keys
// did is read back from the saved file.

#include "construct/ZpxGridUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QtTest>

#include <vector>

using namespace zpx;
using namespace zpx::test;

namespace {

// Words dealt out in turn over the letter squares, as in an acrostic: each
// square's neighbour belongs to another word.
void writePuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"WHEREVER#YOU", "GO#THERE#YOU", "ARE#AGAIN###"});
    std::vector<std::vector<std::pair<int, int>>> words(4);
    int letters = 0;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (!record.isFilled(c, r))
                words[letters++ % 4].push_back({c, r});
    for (int w = 1; w <= 4; ++w) {
        placeWord(record, w, words[w - 1]);
        record.Clues[w - 1].assign("Clue");
    }
    savePuzzleFile(path.toStdString(), record);
}

std::vector<GridSquare> letterSquares()
{
    std::vector<GridSquare> squares;
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c)
            if (!PuzzleRecord.isFilled(c, r))
                squares.push_back({c, r});
    return squares;
}

// Ctrl+S in the active window, then the puzzle as the file holds it.
TPuzzleRecord saved(const QString& path)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_S, Qt::ControlModifier);
    TPuzzleRecord record;
    loadPuzzleFile(path.toStdString(), record);
    return record;
}

std::uint8_t entryAt(const TPuzzleRecord& record, GridSquare square)
{
    return record.entry(square.column, square.row);
}

void clickSquare(GridSquare square)
{
    activate(ZpxGridForm);
    const int s = ScreenSquare;
    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint((square.column - 1) * s + s / 2, (square.row - 1) * s + s / 2));
}

QRect squareInside(GridSquare square)
{
    const int s = ScreenSquare;
    return {(square.column - 1) * s + 1, (square.row - 1) * s + 1, s - 1, s - 1};
}

bool inked(GridSquare square)
{
    const QRect top = squareInside(square).adjusted(0, 0, 0, -ScreenSquare * 2 / 3);
    const QImage& canvas = ZpxGridForm->canvas();
    const QColor fill = canvas.pixelColor(top.bottomLeft());
    for (int y = top.top(); y <= top.bottom(); ++y)
        for (int x = top.left(); x <= top.right(); ++x)
            if (canvas.pixelColor(x, y) != fill)
                return true;
    return false;
}

}  // namespace

class PaperGridUnitTest : public QObject {
    Q_OBJECT

private:
    QString path;

    void openFreshPuzzle()
    {
        path = QDir(testFolder()).filePath("wherever.zpx");
        writePuzzle(path);
        openPuzzle(path, true);
    }

private slots:
    void initTestCase() { startWholeProgram(); }

    void emptySquaresShowInkAndGridTypingKeepsTheKeys()
    {
        openFreshPuzzle();
        const std::vector<GridSquare> squares = letterSquares();
        for (const GridSquare square : squares)
            QVERIFY(inked(square));

        clickSquare(squares.front());
        QTRY_VERIFY(ZpxSolveForm->isVisible());
        QCOMPARE(ZpxCluesForm->ClueList->currentRow(), 0);
        // The window manager had its chance to hand the keys to the solve window.
        QTest::qWait(200);
        QCOMPARE(QApplication::activeWindow(), ZpxGridForm);

        const QString letters = QStringLiteral("WHEREVERYO");
        for (const QChar letter : letters)
            QTest::keyClick(static_cast<QWidget*>(nullptr), letter.toLatin1());
        // The solve window went along, at the square after the last letter: word C's third.
        QCOMPARE(SelectedWord, 3);
        QCOMPARE(ZpxSolveForm->windowTitle(), QStringLiteral("Acrostic Clue C"));
        QCOMPARE(ZpxSolveForm->CursorX, 2 * ZpxSolveForm->SquareSize);
        QCOMPARE(ZpxCluesForm->ClueList->currentRow(), 2);
        const TPuzzleRecord typed = saved(path);
        for (int k = 0; k < letters.size(); ++k)
            QCOMPARE(entryAt(typed, squares[k]), std::uint8_t(letters[k].toLatin1()));
        QCOMPARE(entryAt(typed, squares[10]), std::uint8_t(0));
    }

    void rightRightAndALetterFillTheSquareTwoAlong()
    {
        openFreshPuzzle();
        const std::vector<GridSquare> squares = letterSquares();
        QCOMPARE(squares[2].row, squares[0].row);
        clickSquare(squares[0]);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_K);
        const TPuzzleRecord typed = saved(path);
        QCOMPARE(entryAt(typed, squares[2]), std::uint8_t('K'));
        QCOMPARE(entryAt(typed, squares[0]), std::uint8_t(0));
        QCOMPARE(entryAt(typed, squares[1]), std::uint8_t(0));
    }

    void theSolveWindowGoesOnIntoTheNextWord()
    {
        openFreshPuzzle();
        int length = 0;
        while (PuzzleRecord.slotSquareRef(letterSlot(length + 1, 1)) != 0)
            ++length;
        // Opened afresh, as after Escape, so the window manager gives it the keys.
        ZpxSolveForm->close();
        ZpxCluesForm->ClueListClick(1, false);
        QVERIFY(QTest::qWaitForWindowExposed(ZpxSolveForm));
        activate(ZpxSolveForm);
        QTest::keyClicks(ZpxSolveForm, QString(length, QLatin1Char('x')) + QLatin1Char('y'));
        const TPuzzleRecord typed = saved(path);
        const auto square = [&](int slot) {
            const auto [column, row] = slotSquare(typed, slot);
            return GridSquare{column, row};
        };
        QCOMPARE(entryAt(typed, square(letterSlot(length, 1))), std::uint8_t('X'));
        QCOMPARE(entryAt(typed, square(letterSlot(1, 2))), std::uint8_t('Y'));
    }
};

QTEST_MAIN(PaperGridUnitTest)
#include "PaperGridUnitTest.moc"
