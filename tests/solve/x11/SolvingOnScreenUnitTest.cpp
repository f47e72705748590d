// Solving by keyboard as a person does it, on a real X server under a window
// manager: keys go to the active window, and what they did is read back
// from the saved file.

#include "app/ZpxMainUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <vector>

using namespace zpx;
using namespace zpx::test;

namespace {

// Letter squares of the grid, in reading order.
std::vector<GridSquare> letterSquares(const TPuzzleRecord& record)
{
    std::vector<GridSquare> squares;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (!record.isFilled(c, r))
                squares.push_back({c, r});
    return squares;
}

void clickSquare(GridSquare square)
{
    activate(ZpxGridForm);
    const int s = ScreenSquare;
    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {},
                      QPoint((square.column - 1) * s + s / 2, (square.row - 1) * s + s / 2));
}

// Ctrl+S, then the puzzle as the file now holds it.
TPuzzleRecord savedPuzzle(const QString& path)
{
    activate(ZpxGridForm);
    QTest::keyClick(ZpxGridForm, Qt::Key_S, Qt::ControlModifier);
    TPuzzleRecord record;
    loadPuzzleFile(path.toStdString(), record);
    return record;
}

std::uint8_t entryAt(const TPuzzleRecord& record, GridSquare square)
{
    return record.entry(square.column, square.row);
}

int wordLength(const TPuzzleRecord& record, int word)
{
    int length = 0;
    while (length < MaxWordLetters && record.slotSquareRef(letterSlot(length + 1, word)) != 0)
        ++length;
    return length;
}

GridSquare squareOfSlot(const TPuzzleRecord& record, int slot)
{
    const auto [column, row] = slotSquare(record, slot);
    return {column, row};
}

}  // namespace

class SolvingOnScreenUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

    // A fresh copy of the sample with no entries, opened for solving.
    void openFreshSample()
    {
        puzzle = QDir(testFolder()).filePath("walden.zpx");
        QFile::remove(puzzle);
        TPuzzleRecord record;
        loadPuzzleFile(ZPX_SAMPLE_PUZZLE, record);
        for (const GridSquare square : letterSquares(record))
            record.entry(square.column, square.row) = 0;
        savePuzzleFile(puzzle.toStdString(), record);
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, true);
        QVERIFY(QTest::qWaitForWindowExposed(ZpxGridForm));
    }

private slots:
    void initTestCase() { startWholeProgram(); }

    void arrowsMoveTheCurrentSquare()
    {
        openFreshSample();
        // The first row with three letter squares: two to the right of its first.
        const std::vector<GridSquare> squares = letterSquares(PuzzleRecord);
        std::vector<GridSquare> row;
        for (const GridSquare square : squares) {
            if (!row.empty() && square.row != row.front().row)
                row.clear();
            row.push_back(square);
            if (row.size() == 3)
                break;
        }
        QCOMPARE(row.size(), std::size_t(3));
        clickSquare(row[0]);
        QTest::keyClick(ZpxGridForm, Qt::Key_Right);
        QTest::keyClick(ZpxGridForm, Qt::Key_Right);
        QTest::keyClick(ZpxGridForm, Qt::Key_K);
        const TPuzzleRecord typed = savedPuzzle(puzzle);
        QCOMPARE(entryAt(typed, row[2]), std::uint8_t('K'));
        QCOMPARE(entryAt(typed, row[0]), std::uint8_t(0));
        QCOMPARE(entryAt(typed, row[1]), std::uint8_t(0));
    }

    void theSolveWindowGoesOnToTheNextWord()
    {
        openFreshSample();
        const int length = wordLength(PuzzleRecord, 1);
        QVERIFY(length > 0 && wordLength(PuzzleRecord, 2) > 0);
        // Opened afresh, as after Escape, so the window manager gives it the keys.
        ZpxSolveForm->close();
        ZpxCluesForm->ClueListClick(1, false);
        QVERIFY(QTest::qWaitForWindowExposed(ZpxSolveForm));
        activate(ZpxSolveForm);
        QTest::keyClicks(ZpxSolveForm, QString(length, QLatin1Char('x')) + QLatin1Char('y'));
        const TPuzzleRecord typed = savedPuzzle(puzzle);
        QCOMPARE(entryAt(typed, squareOfSlot(typed, letterSlot(length, 1))), std::uint8_t('X'));
        QCOMPARE(entryAt(typed, squareOfSlot(typed, letterSlot(1, 2))), std::uint8_t('Y'));
    }
};

QTEST_MAIN(SolvingOnScreenUnitTest)
#include "SolvingOnScreenUnitTest.moc"
