// A reveal kept with the puzzle, on a real X server under a window manager:
// revealed by its key in the grid, saved with Ctrl+S, reported by zpxtool
// score, and remembered by the score card when the puzzle is opened again
// and solved.

#include "app/ZpxMainUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "solve/ScoreUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Word A "APPLE", word B "PIE", word C "TREES": every letter square in a word.
QString writePuzzle(const QString& name)
{
    TPuzzleRecord record = gridRecord({"APPLE#PIE", "TREES####"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}});
    placeWord(record, 3, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
    record.Clues[0].assign("Fruit");
    record.Clues[1].assign("Pastry");
    record.Clues[2].assign("Woods");
    const QString path = QDir(testFolder()).filePath(name);
    savePuzzleFile(path.toStdString(), record);
    return path;
}

QString zpxtoolScore(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral(ZPXTOOL_PATH), {QStringLiteral("score"), path});
    return tool.waitForFinished(10000) ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

void clickSquare(int column, int row)
{
    const int s = ScreenSquare;
    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint((column - 1) * s + s / 2, (row - 1) * s + s / 2));
}

// Keys go to the grid once the window manager has made it active, as a person's would.
void keyInGrid(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ZpxGridForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
    QTest::keyClick(ZpxGridForm, key, modifiers);
}

}  // namespace

class KeptRevealUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startWholeProgram(); }

    void aRevealSavedIsReportedAndRememberedWhenSolved()
    {
        const QString revealed = writePuzzle(QStringLiteral("revealed.zpx"));
        const QString typed = writePuzzle(QStringLiteral("typed.zpx"));

        openPuzzle(typed, true);
        clickSquare(1, 1);
        keyInGrid(Qt::Key_A);
        keyInGrid(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Modified);
        QCOMPARE(zpxtoolScore(typed), QStringLiteral("{\"correct\": false, \"errors\": [[2, 1], [3, 1], [4, 1], [5, 1], "
                                                    "[7, 1], [8, 1], [9, 1], [1, 2], [2, 2], [3, 2], [4, 2], [5, 2]], "
                                                    "\"cheated\": false}\n"));

        openPuzzle(revealed, true);
        clickSquare(1, 1);
        keyInGrid(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(PuzzleRecord.entry(1, 1), std::uint8_t('A'));
        keyInGrid(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Modified);
        QVERIFY(zpxtoolScore(revealed).endsWith(QStringLiteral("\"cheated\": true}\n")));

        // Opened afresh from another puzzle, solved by typing, the card still says so.
        openPuzzle(typed, true);
        QVERIFY(!ZpxGridForm->SolverCheated());
        openPuzzle(revealed, true);
        QVERIFY(ZpxGridForm->SolverCheated());
        clickSquare(2, 1);
        ZpxGridForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
        QTest::keyClicks(ZpxGridForm, "pplepietree");
        bool cheatShown = false;
        whenShown(ScoreForm, [&cheatShown] {
            cheatShown = ScoreForm->CheatLbl->isVisible();
            ScoreForm->CancelBtn->click();
        });
        QTest::keyClicks(ZpxGridForm, "s");
        QTRY_VERIFY_WITH_TIMEOUT(cheatShown, 10000);
        keyInGrid(Qt::Key_S, Qt::ControlModifier);
    }
};

QTEST_MAIN(KeptRevealUnitTest)
#include "KeptRevealUnitTest.moc"
