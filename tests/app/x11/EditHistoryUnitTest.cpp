// Undo and Redo as a constructor and a solver use them, on a real X server
// under a window manager: the keys reach the Edit menu from the grid, the
// author-title and the solve window, and undoing to the saved state saves
// the very same file.

#include "app/ZpxMainUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <vector>

using namespace zpx;
using namespace zpx::test;

namespace {

QByteArray recordBytes(const TPuzzleRecord& record)
{
    const QString path = QDir(testFolder()).filePath("image.zpx");
    savePuzzleFile(path.toStdString(), record);
    return fileBytes(path);
}

// Free letter squares of the grid, in reading order.
std::vector<GridSquare> freeSquares()
{
    std::vector<GridSquare> squares;
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c)
            if (!PuzzleRecord.isFilled(c, r) && PuzzleRecord.squareSlot(c, r) == 0)
                squares.push_back({c, r});
    return squares;
}

void clickSquare(GridSquare square)
{
    const int s = ScreenSquare;
    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint((square.column - 1) * s + s / 2, (square.row - 1) * s + s / 2));
}

// The keys reach the menus once the window manager has made the window active, as a person's would.
void press(QWidget* window, Qt::KeyboardModifiers modifiers, int times = 1)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int n = 0; n < times; ++n)
        QTest::keyClick(window, Qt::Key_Z, modifiers);
}

void save()
{
    ZpxGridForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
    QTest::keyClick(ZpxGridForm, Qt::Key_S, Qt::ControlModifier);
}

}  // namespace

class EditHistoryUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        const TPuzzleRecord record =
            newConstruction("NOTHING IS SO FIRMLY BELIEVED AS WHAT WE LEAST KNOW ABOUT", "MONTAIGNE ESSAYS");
        puzzle = QDir(testFolder()).filePath("essays.zpx");
        savePuzzleFile(puzzle.toStdString(), record);
    }

    void constructionClicksAreUndoneToTheSavedFile()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, false);
        const QByteArray saved = fileBytes(puzzle);
        ZpxTitleForm->SelectWord(1);
        const std::vector<GridSquare> free = freeSquares();
        QVERIFY(free.size() >= 25);

        for (int n = 0; n < 4; ++n)
            clickSquare(free[n]);
        QVERIFY(Modified);
        QCOMPARE(ZpxMainForm->Undo1->text(), QStringLiteral("&Undo Letter"));
        const QByteArray clicked = recordBytes(PuzzleRecord);
        press(ZpxGridForm, Qt::ControlModifier, 4);
        QVERIFY(!Modified);
        save();
        QCOMPARE(fileBytes(puzzle), saved);
        press(ZpxTitleForm, Qt::ControlModifier | Qt::ShiftModifier, 4);
        save();
        QCOMPARE(fileBytes(puzzle), clicked);

        QTest::keyClick(ZpxGridForm, Qt::Key_F8);
        QCOMPARE(ZpxMainForm->Undo1->text(), QStringLiteral("&Undo Spill"));
        QVERIFY(recordBytes(PuzzleRecord) != clicked);
        press(ZpxTitleForm, Qt::ControlModifier);
        QCOMPARE(recordBytes(PuzzleRecord), clicked);

        ZpxTitleForm->SelectWord(2);
        for (int n = 4; n < 29; ++n)
            clickSquare(free[n]);
        press(ZpxGridForm, Qt::ControlModifier, 25);
        save();
        QCOMPARE(fileBytes(puzzle), clicked);
        QVERIFY(!Modified);
    }

    void solverLettersAreUndoneFromTheSolveWindow()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, true);
        const QByteArray opened = recordBytes(PuzzleRecord);
        ZpxCluesForm->ClueListClick(1, false);
        QVERIFY(QTest::qWaitForWindowExposed(ZpxSolveForm));
        QTest::mouseClick(ZpxSolveForm, Qt::LeftButton, {}, ZpxSolveForm->SolveGrid.topLeft() + QPoint(2, 2));
        QTest::keyClicks(ZpxSolveForm, "abc");
        QVERIFY(recordBytes(PuzzleRecord) != opened);
        QCOMPARE(ZpxMainForm->Undo1->text(), QStringLiteral("&Undo Letter"));
        press(ZpxSolveForm, Qt::ControlModifier, 3);
        QCOMPARE(recordBytes(PuzzleRecord), opened);
        QVERIFY(!Modified);
        QVERIFY(!ZpxMainForm->Undo1->isEnabled());
    }
};

QTEST_MAIN(EditHistoryUnitTest)
#include "EditHistoryUnitTest.moc"
