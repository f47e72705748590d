// The grid and author-title windows as the main window drives them: loads,
// mode buttons, Spill, the cheat button, Revert and Auto Arrange.

#include "support/GridWindowFixture.h"

#include "core/PuzzleFile.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "app/ZpxMainUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QDir>
#include <QToolButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Word 1 holds (1, 1) (2, 1) (3, 1); word 2 holds (1, 2).
void writePuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"QUOTE#WORD", "SHAKESPEAR"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    placeWord(record, 2, {{1, 2}});
    savePuzzleFile(path.toStdString(), record);
}

const QImage& grid() { return ZpxGridForm->canvas(); }

}  // namespace

class GridWiringUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("hamlet.zpx");
    }

    void init()
    {
        writePuzzle(puzzle);
        Modified = false;
    }

    void loadingShowsBothWindowsWithTheFileNameAsCaption()
    {
        openPuzzle(puzzle, false);
        QCOMPARE(Mode, ModeConstruction);
        QVERIFY(ZpxGridForm->isVisible());
        QVERIFY(ZpxTitleForm->isVisible());
        QCOMPARE(ZpxGridForm->windowTitle(), QStringLiteral("HAMLET"));
        QCOMPARE(ZpxGridForm->size(), QSize(10 * ScreenSquare + 1, 2 * ScreenSquare + 1));
        QCOMPARE(ZpxTitleForm->WordCount, 2);
        // Without a stored place the grid sits just below the main window.
        QCOMPARE(frameBounds(ZpxGridForm, smallCaptionHeight()).top(),
                 frameBounds(ZpxMainForm, captionHeight()).height() + 4);

        openPuzzle(puzzle, true);
        QCOMPARE(Mode, ModeSolve);
        QVERIFY(ZpxGridForm->isVisible());
        QCOMPARE(ZpxTitleForm->size(), QSize(2 * AuthorTitleSquare + 1, AuthorTitleSquare));
    }

    void spillAndTheModeButtonsRepaintBothWindows()
    {
        openPuzzle(puzzle, false);
        const int a = AuthorTitleSquare;
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(a / 2, a / 2));
        QCOMPARE(fillOf(grid(), gridSquareInside(3, 1)), Yellow);

        ZpxMainForm->SpillBtn->click();
        QVERIFY(Modified);
        QCOMPARE(PuzzleRecord.slotSquareRef(101), 101);
        QCOMPARE(PuzzleRecord.squareSlot(3, 1), std::int16_t(0));
        QCOMPARE(fillOf(grid(), gridSquareInside(3, 1)), QColor(Qt::white));
        QVERIFY(letterPixels(grid(), gridSquareInside(3, 1), Qt::black) > 0);
        QCOMPARE(fillOf(grid(), gridSquareInside(1, 1)), Green);
        QCOMPARE(fillOf(ZpxTitleForm->canvas(), squareInside(a, a + 6, a)), Silver);

        ZpxMainForm->SquaresBtn->click();
        QCOMPARE(Mode, ModeGridEditing);
        QCOMPARE(SelectedWord, 0);
        QCOMPARE(fillOf(grid(), gridSquareInside(1, 1)), QColor(Qt::white));
        QCOMPARE(fillOf(ZpxTitleForm->canvas(), squareInside(0, 0, a)), QColor(Qt::white));
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(3 * ScreenSquare + 2, 2));
        QVERIFY(ZpxGridForm->cursorSquare());
        QCOMPARE(fillOf(grid(), gridSquareInside(4, 1)), Yellow);

        ZpxMainForm->LettersBtn->click();
        QCOMPARE(Mode, ModeConstruction);
        QVERIFY(!ZpxGridForm->cursorSquare());
        QCOMPARE(fillOf(grid(), gridSquareInside(4, 1)), QColor(Qt::white));
    }

    void theCheatButtonShowsAnswersWhileHeld()
    {
        openPuzzle(puzzle, true);
        QVERIFY(ZpxMainForm->CheatBtn->isEnabled());
        const QImage before = grid();
        QTest::mousePress(ZpxMainForm->CheatBtn, Qt::LeftButton);
        QVERIFY(letterPixels(grid(), gridSquareInside(2, 2), Gray) > 0);
        QVERIFY(letterPixels(ZpxTitleForm->canvas(), squareInside(0, 0, AuthorTitleSquare), Gray) > 0);
        QVERIFY(ZpxGridForm->SolverCheated());
        QTest::mouseRelease(ZpxMainForm->CheatBtn, Qt::LeftButton);
        QCOMPARE(grid(), before);
    }

    void revertClearsTheCursorAndRepaints()
    {
        openPuzzle(puzzle, true);
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::keyClick(ZpxGridForm, 'q');
        QVERIFY(letterPixels(grid(), gridSquareInside(1, 1), Qt::black) > 0);
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::Yes};
        ZpxMainForm->ReverttoSaved1Click();
        QCOMPARE(PuzzleRecord.entry(1, 1), std::uint8_t(0));
        QVERIFY(!ZpxGridForm->cursorSquare());
        QVERIFY(isPlain(grid(), gridSquareInside(1, 1).adjusted(0, ScreenSquare / 2, 0, 0)));
        QCOMPARE(fillOf(grid(), gridSquareInside(2, 1)), QColor(Qt::white));
    }

    void autoArrangePlacesBothWindowsByTheirLayoutCodes()
    {
        openPuzzle(puzzle, false);
        ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsGrid"), QStringLiteral("10000,150,0,0"));
        ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsAuthorTitle"), QStringLiteral("10000,150,0,0"));
        ZpxMainForm->AutoArrange1Click();
        const QRect placed = frameBounds(ZpxGridForm, smallCaptionHeight());
        QCOMPARE(placed.top(), 154);
        QCOMPARE(frameBounds(ZpxTitleForm, smallCaptionHeight()).top(), placed.top() + placed.height() + 2);
        clearSettings();
    }
};

QTEST_MAIN(GridWiringUnitTest)
#include "GridWiringUnitTest.moc"
