// Solving a puzzle through the clue list and the solve window, as the main
// window opens them: the key rules, the lines kept on their own words, the
// grid's right button and the preview of a grid square.

#include "app/ZpxMainUnit.h"
#include "construct/LettersDistUnit.h"
#include "core/PuzzleFile.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ScoreUnit.h"
#include "solve/ZpxClockUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"
#include "support/GridWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Word A "APPLE" (clue "Fruit"), word B "PIE" without a clue, word C "TREES" ("Woods").
void writePuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"APPLE#PIE", "TREES####"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}});
    placeWord(record, 3, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
    record.Clues[0].assign("Fruit");
    record.Clues[2].assign("Woods");
    savePuzzleFile(path.toStdString(), record);
}

QListWidget* clueList() { return ZpxCluesForm->ClueList; }

void typeKeys(const QList<Qt::Key>& keys)
{
    for (const Qt::Key key : keys)
        QTest::keyClick(ZpxSolveForm, key);
}

}  // namespace

class ZpxSolveUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QDir(testFolder()).filePath("data").toUtf8());
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("orchard.zpx");
    }

    void init()
    {
        clearSettings();
        writePuzzle(puzzle);
        Modified = false;
        openPuzzle(puzzle, true);
    }

    void linesKeepTheirOwnWordsPastAWordWithoutClue()
    {
        QVERIFY(ZpxCluesForm->isVisible());
        QVERIFY(!LettersDistForm->isVisible());
        QCOMPARE(listLines(clueList()), QStringList({"Fruit     __ __ __ __ __ ", "Woods     __ __ __ __ __ "}));
        QCOMPARE(clueList()->currentRow(), -1);

        // The second line is word C's: choosing it opens C, typing rebuilds C's line.
        clickListLine(clueList(), 1);
        QCOMPARE(SelectedWord, 3);
        QVERIFY(ZpxSolveForm->isVisible());
        QCOMPARE(ZpxSolveForm->windowTitle(), QString("Acrostic Clue C"));
        QCOMPARE(ZpxSolveForm->SolveGrid.width(), 1 + 5 * ZpxSolveForm->SquareSize);
        QTest::keyClicks(ZpxSolveForm, "t");
        QCOMPARE(PuzzleRecord.entry(1, 2), std::uint8_t('T'));
        QCOMPARE(listLines(clueList()).at(1), QString("Woods     T __ __ __ __ "));
        QCOMPARE(listLines(clueList()).at(0), QString("Fruit     __ __ __ __ __ "));

        // Typing in the grid rebuilds the line of the square's word too.
        ZpxGridForm->activateWindow();
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(ScreenSquare + 2, 2));
        QCOMPARE(SelectedWord, 1);
        QTest::keyClicks(ZpxGridForm, "P");
        QCOMPARE(listLines(clueList()).at(0), QString("Fruit     __ P __ __ __ "));
        Modified = false;
    }

    void keysOfTheSolveWindow()
    {
        // Choosing a clue makes the word's first empty square current, so typing starts at once.
        const int s = ZpxSolveForm->SquareSize;
        editablePuzzleRecord().entry(1, 1) = 'A';
        clickListLine(clueList(), 0);
        QCOMPARE(ZpxSolveForm->CursorX, s);
        editablePuzzleRecord().entry(1, 1) = 0;
        clickListLine(clueList(), 0);
        QCOMPARE(ZpxSolveForm->CursorX, 0);
        editablePuzzleRecord().entry(2, 1) = 'Q';
        QVERIFY(!ZpxGridForm->SolverCheated());
        // a: stored as A; Delete: clears Q; +: reveals P and cheats; Backspace: back
        // without erasing; Enter: keeps P; l e: the last two squares.
        QTest::keyClicks(ZpxSolveForm, "a");
        typeKeys({Qt::Key_Delete, Qt::Key_Plus, Qt::Key_Backspace});
        QCOMPARE(ZpxSolveForm->CursorX, 2 * s);
        typeKeys({Qt::Key_Return});
        QTest::keyClicks(ZpxSolveForm, "le");
        QCOMPARE(ZpxSolveForm->CursorX, 5 * s);
        QVERIFY(ZpxGridForm->SolverCheated());
        QVERIFY(Modified);
        QCOMPARE(listLines(clueList()).at(0), QString("Fruit     A __ P L E "));
        QVERIFY(letterPixels(ZpxGridForm->canvas(), gridSquareInside(4, 1), ZpxGridForm->LetterColor) > 0);

        // Past the last square Backspace is refused; a letter goes on to the next
        // word with an empty square (B is full), at its first empty square.
        typeKeys({Qt::Key_Backspace});
        QCOMPARE(ZpxSolveForm->CursorX, 5 * s);
        for (const auto& [c, letter] : {std::pair(7, 'P'), std::pair(8, 'I'), std::pair(9, 'E')})
            editablePuzzleRecord().entry(c, 1) = std::uint8_t(letter);
        editablePuzzleRecord().entry(1, 2) = 'T';
        QTest::keyClicks(ZpxSolveForm, "r");
        QCOMPARE(PuzzleRecord.entry(5, 1), std::uint8_t('E'));
        QCOMPARE(PuzzleRecord.entry(2, 2), std::uint8_t('R'));
        QCOMPARE(SelectedWord, 3);
        QCOMPARE(ZpxSolveForm->windowTitle(), QString("Acrostic Clue C"));
        QCOMPARE(ZpxSolveForm->CursorX, 2 * s);
        QCOMPARE(clueList()->currentRow(), 1);

        // The grid has no cursor while a clue is chosen: typing there goes to the solve window.
        QTest::keyClicks(ZpxGridForm, "e");
        QCOMPARE(PuzzleRecord.entry(3, 2), std::uint8_t('E'));
        QCOMPARE(ZpxSolveForm->CursorX, 3 * s);

        // Escape closes the window and deselects the word.
        QTest::keyClick(ZpxSolveForm, Qt::Key_Escape);
        QVERIFY(!ZpxSolveForm->isVisible());
        QCOMPARE(SelectedWord, 0);

        // A click beside the strip leaves no square current.
        clickListLine(clueList(), 0);
        QTest::mouseClick(ZpxSolveForm, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(ZpxSolveForm->CursorX, 31 * s);
        Modified = false;
    }

    void tabArrowsAndTheClueListsLetters()
    {
        // Left, Right, Home and End move within the strip; Tab and Shift+Tab go round the words.
        const int s = ZpxSolveForm->SquareSize;
        clickListLine(clueList(), 0);
        typeKeys({Qt::Key_Right, Qt::Key_Right});
        QTest::keyClicks(ZpxSolveForm, "p");
        QCOMPARE(PuzzleRecord.entry(3, 1), std::uint8_t('P'));
        struct Move { Qt::Key key; Qt::KeyboardModifiers modifiers; int word; int cursor; };
        const Move moves[] = {
            {Qt::Key_Left, {}, 1, 2},  {Qt::Key_End, {}, 1, 4},         {Qt::Key_Right, {}, 1, 4},
            {Qt::Key_Home, {}, 1, 0},  {Qt::Key_Tab, {}, 2, 0},         {Qt::Key_Tab, {}, 3, 0},
            {Qt::Key_Tab, {}, 1, 0},   {Qt::Key_Backtab, Qt::ShiftModifier, 3, 0},
        };
        for (const Move& m : moves) {
            QTest::keyClick(ZpxSolveForm, m.key, m.modifiers);
            QCOMPARE(SelectedWord, m.word);
            QCOMPARE(ZpxSolveForm->CursorX, m.cursor * s);
        }
        QCOMPARE(clueList()->currentRow(), 1);

        // The window is as wide as its word needs: a long clue widens it, the next word narrows it again.
        const int shortWidth = ZpxSolveForm->width();
        QVERIFY(ZpxSolveForm->SolveGrid.right() + 3 < shortWidth);
        editablePuzzleRecord().Clues[1].assign(std::string(30, 'W'));
        QTest::keyClick(ZpxSolveForm, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(SelectedWord, 2);
        QVERIFY(ZpxSolveForm->width() > shortWidth);
        QVERIFY(ZpxSolveForm->ClueLbl->geometry().right() < ZpxSolveForm->width());
        QTest::keyClick(ZpxSolveForm, Qt::Key_Tab);
        QCOMPARE(ZpxSolveForm->width(), shortWidth);

        // A letter typed in the clue list goes to the line's word at its first
        // empty square, without the list jumping to a line starting with it.
        QTest::keyClick(clueList(), Qt::Key_Up);
        QTest::keyClicks(clueList(), "a");
        QCOMPARE(SelectedWord, 1);
        QCOMPARE(PuzzleRecord.entry(1, 1), std::uint8_t('A'));
        QTest::keyClicks(clueList(), "w");
        QCOMPARE(PuzzleRecord.entry(2, 1), std::uint8_t('W'));
        QCOMPARE(clueList()->currentRow(), 0);

        // After a click in the grid, the clicked square takes it.
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(3 * ScreenSquare + 2, ScreenSquare + 2));
        QTest::keyClicks(clueList(), "e");
        QCOMPARE(PuzzleRecord.entry(4, 2), std::uint8_t('E'));
        Modified = false;
    }

    void gridRightButtonOpensTheSquaresLetterAndTheStripPreviewsIt()
    {
        QTest::mouseClick(ZpxGridForm, Qt::RightButton, {}, QPoint(2 * ScreenSquare + 2, ScreenSquare + 2));
        QCOMPARE(SelectedWord, 3);
        QVERIFY(ZpxSolveForm->isVisible());
        QCOMPARE(ZpxSolveForm->CursorX, 2 * AutoSquare);
        QCOMPARE(clueList()->currentRow(), 1);

        const QRect strip = ZpxSolveForm->SolveGrid;
        const int s = ZpxSolveForm->SquareSize;
        // The clicked letter is current and yellow, blank before it; after it
        // yellow with "SOLVE HL", blank without, also once a letter moved the cursor.
        const auto stripFill = [&](int k) { return ZpxSolveForm->canvas().pixelColor(strip.left() + k * s + 2, strip.top() + 2); };
        for (const int highlight : {31, 0}) {
            ZpxProcs->WriteSetting("SolveHLOn", highlight);
            ZpxSolveForm->ApplySettings();
            ZpxSolveForm->Repaint();
            const QColor after = highlight == 0 ? Yellow : ZpxSolveForm->BlankColor;
            QCOMPARE(stripFill(1), ZpxSolveForm->BlankColor);
            QCOMPARE(stripFill(2), Yellow);
            QCOMPARE(stripFill(4), after);
            QTest::keyClick(ZpxSolveForm, Qt::Key_Return);
            QCOMPARE(stripFill(2), ZpxSolveForm->BlankColor);
            QCOMPARE(stripFill(3), Yellow);
            QCOMPARE(stripFill(4), after);
            QTest::keyClick(ZpxSolveForm, Qt::Key_Backspace);
            QCOMPARE(stripFill(2), Yellow);
            QCOMPARE(stripFill(3), after);
        }
        // The previewed square comes back exactly as the grid draws it: number, label, tint and frame.
        const QPoint fourth(strip.left() + 3 * s + 2, strip.top() + 2);
        QTest::mouseClick(ZpxSolveForm, Qt::LeftButton, {}, fourth);
        const QRect square = gridSquareInside(4, 2);
        const QImage drawn = ZpxGridForm->canvas().copy(square);
        QTest::mousePress(ZpxSolveForm, Qt::RightButton, {}, fourth);
        QCOMPARE(ZpxSolveForm->CursorX, 3 * s);
        QCOMPARE(gridFill(4, 2), Yellow);
        QTest::mouseRelease(ZpxSolveForm, Qt::RightButton, {}, fourth);
        QCOMPARE(ZpxGridForm->canvas().copy(square), drawn);
        ZpxGridForm->Repaint();
        QCOMPARE(ZpxGridForm->canvas().copy(square), drawn);
    }

    void gridStripAndCluesShareTheSolversPlace()
    {
        const auto framed = [](const QImage& canvas, const QRect& inside) {
            return canvas.pixelColor(inside.topLeft()) == SolverMarks::CurrentFrame;
        };
        const auto gridFramed = [&](int c, int r) { return framed(ZpxGridForm->canvas(), gridSquareInside(c, r)); };
        const auto tinted = [](int c, int r) { return gridFill(c, r) == SolverMarks::WordTint; };
        const auto titleSquare = [](int word) { return squareInside((word - 1) * AuthorTitleSquare, 0, AuthorTitleSquare); };
        const int s = ZpxSolveForm->SquareSize;
        const auto stripPoint = [&](int k) { return ZpxSolveForm->SolveGrid.topLeft() + QPoint(k * s + 2, 2); };

        // A grid click on C's fourth letter: its clue line, the solve window's word and square follow.
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(3 * ScreenSquare + 2, ScreenSquare + 2));
        QCOMPARE(SelectedWord, 3);
        QCOMPARE(clueList()->currentRow(), 1);
        QVERIFY(ZpxSolveForm->isVisible());
        QCOMPARE(ZpxSolveForm->windowTitle(), QString("Acrostic Clue C"));
        QCOMPARE(ZpxSolveForm->CursorX, 3 * s);
        QVERIFY(gridFramed(4, 2));
        QVERIFY(tinted(1, 2));
        QVERIFY(!tinted(1, 1));
        QCOMPARE(fillOf(ZpxTitleForm->canvas(), titleSquare(3)), Yellow);
        const QImage lines = clueList()->viewport()->grab().toImage();
        const auto lineMarked = [&](int line) {
            return pixelsOf(lines, clueList()->visualItemRect(clueList()->item(line)), SolverMarks::CurrentFrame) > 0;
        };
        QVERIFY(lineMarked(1));
        QVERIFY(!lineMarked(0));

        // Typing in the grid moves the frame and the strip's square; the strip shows the letter.
        QTest::keyClicks(ZpxGridForm, "e");
        QCOMPARE(PuzzleRecord.entry(4, 2), std::uint8_t('E'));
        QCOMPARE(ZpxSolveForm->CursorX, 4 * s);
        QVERIFY(gridFramed(5, 2));
        QVERIFY(!gridFramed(4, 2));
        const QRect fourth(stripPoint(3) - QPoint(1, 1), QSize(s - 1, s - 1));
        QVERIFY(letterPixels(ZpxSolveForm->canvas(), fourth, Qt::black) > 0);

        // Choosing a clue marks its word, and its first empty square, in the grid and the author-title row.
        clickListLine(clueList(), 0);
        for (int c = 1; c <= 5; ++c)
            QVERIFY(tinted(c, 1));
        QVERIFY(!tinted(1, 2));
        QVERIFY(!gridFramed(5, 2));
        QVERIFY(gridFramed(1, 1));
        QCOMPARE(fillOf(ZpxTitleForm->canvas(), titleSquare(1)), Yellow);
        QCOMPARE(fillOf(ZpxTitleForm->canvas(), titleSquare(3)), ZpxTitleForm->BlankColor);
        QVERIFY(framed(ZpxTitleForm->canvas(), titleSquare(1)));

        // A square chosen in the strip is framed in the grid instead.
        QTest::mouseClick(ZpxSolveForm, Qt::LeftButton, {}, stripPoint(2));
        QVERIFY(gridFramed(3, 1));
        QVERIFY(!gridFramed(1, 1));
        QVERIFY(!framed(ZpxTitleForm->canvas(), titleSquare(1)));
        Modified = false;
    }

    void scorePuzzleShowsErrorsOrRecyclesTheSolvedPuzzle()
    {
        QVERIFY(ZpxMainForm->ScorePuzzle1->isEnabled());
        QVERIFY(ZpxMainForm->Clock1->isEnabled());
        SoundLog sounds;
        editablePuzzleRecord().entry(1, 1) = 'A';
        editablePuzzleRecord().entry(2, 1) = 'X';
        whenShown(ScoreForm, [] { ScoreForm->ShowErrsBtn->click(); });
        ZpxMainForm->ScorePuzzle1->trigger();
        QCOMPARE(sounds.waves, std::vector<int>{3});
        const auto crossed = [](int c, int r) { return pixelsOf(ZpxGridForm->canvas(), gridSquareInside(c, r), Red) > 0; };
        QVERIFY(!crossed(1, 1));
        QVERIFY(crossed(2, 1));
        QVERIFY(crossed(3, 1));
        QVERIFY(!crossed(6, 1));

        for (int r = 1; r <= PuzzleRecord.height(); ++r)
            for (int c = 1; c <= PuzzleRecord.width(); ++c)
                if (!PuzzleRecord.isFilled(c, r))
                    editablePuzzleRecord().entry(c, r) = editablePuzzleRecord().answer(c, r);
        ZpxMainForm->Save1->trigger();
        whenShown(ScoreForm, [] { ScoreForm->DeleteBtn->click(); });
        ZpxMainForm->ScorePuzzle1->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(puzzle), 5000);
        QCOMPARE(ZpxMainForm->Byline->text(), QString("!!! DELETED !!!"));
        QVERIFY(!ZpxGridForm->isVisible());
        QVERIFY(!ZpxCluesForm->isVisible());
        QVERIFY(!ZpxMainForm->Save1->isEnabled());
        QVERIFY(!ZpxMainForm->ScorePuzzle1->isEnabled());
        QVERIFY(!ZpxMainForm->CheatBtn->isEnabled());
        QVERIFY(ZpxMainForm->AutoArrange1->isEnabled());
        QVERIFY(ZpxProcs->ReadSetting("CurrentPuzzle", QString()).isEmpty());
        QVERIFY(!Modified);
    }

    void checksAndRevealsMarkTheirSquaresAndTheLastLetterScores()
    {
        const auto gridMark = [](int c, int r, const QColor& colour) {
            return pixelsOf(ZpxGridForm->canvas(), gridSquareInside(c, r), colour) > 0;
        };
        const auto stripMark = [](int k, const QColor& colour) {
            const int s = ZpxSolveForm->SquareSize;
            const QRect square = ZpxSolveForm->SolveGrid.adjusted(k * s + 1, 1, 0, -1);
            return pixelsOf(ZpxSolveForm->canvas(), QRect(square.topLeft(), QSize(s - 1, s - 2)), colour) > 0;
        };
        QVERIFY(ZpxMainForm->Check1->isEnabled());
        QVERIFY(!ZpxClockForm->Timer1->isActive());

        // A X P in word A: the first letter starts the clock; Check Word marks X alone, in the grid and the strip.
        clickListLine(clueList(), 0);
        QTest::keyClicks(ZpxSolveForm, "axp");
        QVERIFY(ZpxClockForm->Timer1->isActive());
        ZpxMainForm->CheckWord1->trigger();
        QVERIFY(gridMark(2, 1, CheckMarkColour));
        QVERIFY(stripMark(1, CheckMarkColour));
        for (const auto& [c, r] : {std::pair(1, 1), std::pair(3, 1), std::pair(4, 1)})
            QVERIFY(!gridMark(c, r, CheckMarkColour));
        QVERIFY(!stripMark(0, CheckMarkColour));

        // Reveal Letter puts L into the current square, one step, marked; the cheat is noted.
        ZpxMainForm->RevealLetter1->trigger();
        QCOMPARE(PuzzleRecord.entry(4, 1), std::uint8_t('L'));
        QCOMPARE(ZpxMainForm->Undo1->text(), QStringLiteral("&Undo Reveal"));
        QVERIFY(gridMark(4, 1, RevealMarkColour));
        QVERIFY(stripMark(3, RevealMarkColour));
        QVERIFY(ZpxGridForm->SolverCheated());

        // Writing over the wrong letter clears its mark; the last right letter shows the card by itself.
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, gridSquareInside(2, 1).center());
        QTest::keyClicks(ZpxGridForm, "p");
        QVERIFY(!gridMark(2, 1, CheckMarkColour));
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, gridSquareInside(5, 1).center());
        QTest::keyClicks(ZpxGridForm, "epietree");
        QVERIFY(!ScoreForm->isVisible());
        QString banner;
        bool cheatShown = false;
        whenShown(ScoreForm, [&] {
            banner = ScoreForm->BannerLbl->text();
            cheatShown = ScoreForm->CheatLbl->isVisible();
            ScoreForm->CancelBtn->click();
        });
        QTest::keyClicks(ZpxGridForm, "s");
        QTRY_COMPARE_WITH_TIMEOUT(banner, QStringLiteral("CONGRATULATIONS!"), 10000);
        QVERIFY(cheatShown);
        Modified = false;
    }
};

QTEST_MAIN(ZpxSolveUnitTest)
#include "ZpxSolveUnitTest.moc"
