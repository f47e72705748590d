#include "support/GridWindowFixture.h"

#include "core/ScreenMetricsUnit.h"
#include "core/PuzzleEdits.h"
#include "core/ZpxProcsUnit.h"

#include <QtTest>

#include <cstring>

using namespace zpx;
using namespace zpx::test;

namespace {

// (4, 2) and (2, 4) are filled. Word 1 holds (1, 1) (2, 1); word 2 (5, 1);
// word 3 (3, 3) (4, 3) (6, 2).
TPuzzleRecord samplePuzzle()
{
    TPuzzleRecord record = gridRecord({"TOBEORNOTT", "OBE#THATIS", "THEQUESTIO", "N#SHAKESPE"});
    placeWord(record, 1, {{1, 1}, {2, 1}});
    placeWord(record, 2, {{5, 1}});
    placeWord(record, 3, {{3, 3}, {4, 3}, {6, 2}});
    return record;
}

QPoint centreOf(int column, int row)
{
    return {(column - 1) * ScreenSquare + ScreenSquare / 2, (row - 1) * ScreenSquare + ScreenSquare / 2};
}

void clickSquare(int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(ZpxGridForm, button, {}, centreOf(column, row));
}

void clickTitleWord(int word)
{
    const int a = AuthorTitleSquare;
    QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint((word - 1) * a + a / 2, a / 2));
}

void type(const char* keys)
{
    QTest::keyClicks(ZpxGridForm, QString::fromLatin1(keys));
}

bool sameRecord(const TPuzzleRecord& a, const TPuzzleRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const QImage& grid() { return ZpxGridForm->canvas(); }

}  // namespace

class ZpxGridUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { createConstructionWindows(); }
    void init()
    {
        clearSettings();
        AllowClose = false;
    }

    void selectedWordShowsGreenFirstLetterYellowLettersAndHidesOtherWords();
    void clicksOnTheClosingBorderLinesChangeNothingInAnyMode();
    void constructionClicksBuildTheSelectedWordAndKeepTheMapsInverse();
    void aThirtyFirstLetterIsRefusedWithTheLimitMessage();
    void gridEditingTypesIntoFreeSquaresAlongTheCursorRun();
    void solveModeTypingStoresEntriesAndPlusReveals();
    void markErrorsCrossesWrongAndEmptySquaresOnly();
    void showAnswersDrawsMissingLettersUntilTheNextRepaint();
    void settingsGiveColoursScaledFontCursorAndCaption();
    void screenBoundsFollowLayoutCodesAndResizeSnapsToWholeSquares();
    void closingIsRefusedUntilAllowed();
    void celebrateEndsWithTheGridRepainted();
};

void ZpxGridUnitTest::selectedWordShowsGreenFirstLetterYellowLettersAndHidesOtherWords()
{
    showPuzzle(samplePuzzle(), ModeConstruction);
    // With no word selected only free squares show their letters.
    QVERIFY(isPlain(grid(), gridSquareInside(3, 3)));
    QVERIFY(isPlain(grid(), gridSquareInside(1, 1)));
    QVERIFY(letterPixels(grid(), gridSquareInside(3, 1), Qt::black) > 0);

    clickTitleWord(3);
    QCOMPARE(SelectedWord, 3);
    const QRect first = gridSquareInside(3, 3);
    QCOMPARE(fillOf(grid(), first), Green);
    QVERIFY(letterPixels(grid(), first, Gray) > 0);
    for (const auto& [c, r] : {std::pair(4, 3), std::pair(6, 2)}) {
        QCOMPARE(fillOf(grid(), gridSquareInside(c, r)), Yellow);
        QVERIFY(letterPixels(grid(), gridSquareInside(c, r), Silver) > 0);
    }
    for (const auto& [c, r] : {std::pair(3, 1), std::pair(7, 2), std::pair(10, 4)}) {
        QCOMPARE(fillOf(grid(), gridSquareInside(c, r)), QColor(Qt::white));
        QVERIFY(letterPixels(grid(), gridSquareInside(c, r), Qt::black) > 0);
    }
    for (const auto& [c, r] : {std::pair(1, 1), std::pair(2, 1), std::pair(5, 1)}) {
        QCOMPARE(fillOf(grid(), gridSquareInside(c, r)), QColor(Qt::white));
        QVERIFY(isPlain(grid(), gridSquareInside(c, r)));
    }
    QCOMPARE(pixelsOf(grid(), gridSquareInside(4, 2), Qt::black), ScreenSquare * ScreenSquare - 2 * ScreenSquare + 1);
    // The canvas is the squares and one closing line.
    QCOMPARE(grid().size(), QSize(10 * ScreenSquare + 1, 4 * ScreenSquare + 1));
    QCOMPARE(ZpxGridForm->size(), grid().size());
}

void ZpxGridUnitTest::clicksOnTheClosingBorderLinesChangeNothingInAnyMode()
{
    for (const std::uint8_t mode : {ModeConstruction, ModeGridEditing, ModeSolve}) {
        showPuzzle(samplePuzzle(), mode);
        SelectedWord = mode == ModeConstruction ? 3 : 0;
        const TPuzzleRecord before = PuzzleRecord;
        const QImage canvas = grid();
        const int right = 10 * ScreenSquare;
        const int bottom = 4 * ScreenSquare;
        for (const QPoint point : {QPoint(right, 5), QPoint(right, bottom - 1), QPoint(5, bottom), QPoint(right, bottom)}) {
            QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, point);
            QTest::mouseClick(ZpxGridForm, Qt::RightButton, {}, point);
        }
        QVERIFY(!ZpxGridForm->cursorSquare());
        type("AB");
        QVERIFY(sameRecord(before, PuzzleRecord));
        QVERIFY(!Modified);
        QCOMPARE(grid(), canvas);
    }
}

void ZpxGridUnitTest::constructionClicksBuildTheSelectedWordAndKeepTheMapsInverse()
{
    ScriptedDialogs dialogs;
    showPuzzle(samplePuzzle(), ModeConstruction);
    // No selected word: refused silently.
    clickSquare(5, 3);
    QCOMPARE(PuzzleRecord.squareSlot(5, 3), std::int16_t(0));
    QVERIFY(!Modified);

    clickTitleWord(3);
    clickSquare(5, 3);
    QCOMPARE(PuzzleRecord.squareSlot(5, 3), std::int16_t(403));
    QCOMPARE(PuzzleRecord.slotSquareRef(403), 503);
    QVERIFY(Modified);
    QCOMPARE(fillOf(grid(), gridSquareInside(5, 3)), Yellow);
    QVERIFY(letterPixels(grid(), gridSquareInside(5, 3), Silver) > 0);
    // The author-title window's lower row shows the new fourth letter.
    const int a = AuthorTitleSquare;
    const QRect fourth = squareInside(3 * a, a + 6, a);
    QCOMPARE(fillOf(ZpxTitleForm->canvas(), fourth), QColor(Qt::white));
    QVERIFY(letterPixels(ZpxTitleForm->canvas(), fourth, Qt::black) > 0);

    // Used and filled squares are refused.
    const TPuzzleRecord built = PuzzleRecord;
    clickSquare(1, 1);
    clickSquare(4, 2);
    QVERIFY(sameRecord(built, PuzzleRecord));

    // Removing the second letter in the author-title window frees its square;
    // the next click fills the gap, not position 5.
    QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(a + a / 2, a + 6 + a / 2));
    QCOMPARE(PuzzleRecord.squareSlot(4, 3), std::int16_t(0));
    QCOMPARE(PuzzleRecord.slotSquareRef(203), 0);
    QCOMPARE(fillOf(grid(), gridSquareInside(4, 3)), QColor(Qt::white));
    QVERIFY(letterPixels(grid(), gridSquareInside(4, 3), Qt::black) > 0);
    QCOMPARE(fillOf(ZpxTitleForm->canvas(), squareInside(a, a + 6, a)), Silver);
    clickSquare(6, 3);
    QCOMPARE(PuzzleRecord.squareSlot(6, 3), std::int16_t(203));
    QCOMPARE(fillOf(grid(), gridSquareInside(6, 3)), Yellow);

    // A removed first letter goes to whichever square is clicked next, green.
    QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(a / 2, a + 6 + a / 2));
    clickSquare(8, 4);
    QCOMPARE(PuzzleRecord.slotSquareRef(103), 804);
    QCOMPARE(fillOf(grid(), gridSquareInside(8, 4)), Green);

    spillWord(puzzleEdits(), 3);
    QCOMPARE(fillOf(grid(), gridSquareInside(6, 2)), QColor(Qt::white));
    clickSquare(9, 4);
    QCOMPARE(PuzzleRecord.squareSlot(9, 4), std::int16_t(203));

    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 4; ++r) {
            const int slot = PuzzleRecord.squareSlot(c, r);
            if (slot >= 100)
                QCOMPARE(PuzzleRecord.slotSquareRef(slot), squareRef(c, r));
        }
    for (int slot = 100; slot <= MaxSlot; ++slot)
        if (const int ref = PuzzleRecord.slotSquareRef(slot))
            QCOMPARE(int(PuzzleRecord.squareSlot(ref / 100, ref % 100)), slot);
    QVERIFY(dialogs.messages.isEmpty());
}

void ZpxGridUnitTest::aThirtyFirstLetterIsRefusedWithTheLimitMessage()
{
    ScriptedDialogs dialogs;
    SoundLog sounds;
    ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), 20);
    TPuzzleRecord record = gridRecord({std::string(31, 'E'), std::string(31, 'A')});
    placeWord(record, 1, {{1, 2}});
    showPuzzle(record, ModeConstruction);
    clickTitleWord(1);
    for (int c = 1; c <= 29; ++c)
        clickSquare(c, 1);
    QCOMPARE(PuzzleRecord.slotSquareRef(letterSlot(30, 1)), 2901);
    QVERIFY(dialogs.messages.isEmpty());

    Modified = false;
    const TPuzzleRecord full = PuzzleRecord;
    const QImage canvas = grid();
    clickSquare(30, 1);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text, QStringLiteral("Acrostic word is limited to 30 characters."));
    QCOMPARE(dialogs.messages.front().caption, QStringLiteral("Error"));
    QVERIFY(sameRecord(full, PuzzleRecord));
    QVERIFY(!Modified);
    QCOMPARE(grid(), canvas);
}

void ZpxGridUnitTest::gridEditingTypesIntoFreeSquaresAlongTheCursorRun()
{
    showPuzzle(samplePuzzle(), ModeGridEditing);
    // The run from (5, 2) stops before (6, 2), a letter of word 3.
    clickSquare(5, 2);
    QCOMPARE(fillOf(grid(), gridSquareInside(5, 2)), Yellow);
    QCOMPARE(fillOf(grid(), gridSquareInside(7, 2)), QColor(Qt::white));
    QTest::keyClick(ZpxGridForm, 'x');
    QCOMPARE(PuzzleRecord.answer(5, 2), std::uint8_t('X'));
    QVERIFY(Modified);
    QVERIFY(!ZpxGridForm->cursorSquare());
    QCOMPARE(fillOf(grid(), gridSquareInside(5, 2)), QColor(Qt::white));

    // From (7, 2) the run wraps to row 3 and stops before (3, 3).
    clickSquare(7, 2);
    for (const auto& [c, r] : {std::pair(7, 2), std::pair(10, 2), std::pair(1, 3), std::pair(2, 3)})
        QCOMPARE(fillOf(grid(), gridSquareInside(c, r)), Yellow);
    QCOMPARE(fillOf(grid(), gridSquareInside(3, 3)), QColor(Qt::white));
    type("ab");
    QCOMPARE(PuzzleRecord.answer(7, 2), std::uint8_t('A'));
    QCOMPARE(PuzzleRecord.answer(8, 2), std::uint8_t('B'));
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{9, 2}));
    QTest::keyClick(ZpxGridForm, Qt::Key_Delete);
    QCOMPARE(PuzzleRecord.answer(9, 2), std::uint8_t(0));
    QVERIFY(isPlain(grid(), gridSquareInside(9, 2)));
    QTest::keyClick(ZpxGridForm, Qt::Key_Return);
    QCOMPARE(PuzzleRecord.answer(10, 2), std::uint8_t('S'));
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{1, 3}));

    // Backspace and "+" change no letter; Backspace goes back across the row end.
    Modified = false;
    const TPuzzleRecord typed = PuzzleRecord;
    QTest::keyClick(ZpxGridForm, Qt::Key_Backspace);
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{10, 2}));
    QCOMPARE(fillOf(grid(), gridSquareInside(10, 2)), Yellow);
    QTest::keyClick(ZpxGridForm, '+');
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{10, 2}));
    QTest::keyClick(ZpxGridForm, '7');
    QVERIFY(sameRecord(typed, PuzzleRecord));
    QVERIFY(!Modified);

    // Squares of acrostic words and filled squares take no cursor.
    clickSquare(3, 3);
    clickSquare(4, 2);
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{10, 2}));
    // A letter square erased to 0 is drawn empty and still edited.
    clickSquare(9, 2);
    QTest::keyClick(ZpxGridForm, 'q');
    QCOMPARE(PuzzleRecord.answer(9, 2), std::uint8_t('Q'));
}

void ZpxGridUnitTest::solveModeTypingStoresEntriesAndPlusReveals()
{
    showPuzzle(samplePuzzle(), ModeSolve);
    const TPuzzleRecord answers = PuzzleRecord;
    QVERIFY(!ZpxGridForm->SolverCheated());
    // Every square shows its entry below its number: none yet.
    QVERIFY(isPlain(grid(), gridSquareInside(3, 1).adjusted(0, ScreenSquare / 2, 0, 0)));
    clickSquare(9, 1);
    for (const auto& [c, r] : {std::pair(9, 1), std::pair(10, 1), std::pair(1, 2), std::pair(3, 2)})
        QCOMPARE(fillOf(grid(), gridSquareInside(c, r)), Yellow);
    // A menu's Alt chord typed in the grid is no letter.
    QTest::keyClick(ZpxGridForm, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(PuzzleRecord.entry(9, 1), std::uint8_t(0));
    type("tt");
    QCOMPARE(PuzzleRecord.entry(9, 1), std::uint8_t('T'));
    QCOMPARE(PuzzleRecord.entry(10, 1), std::uint8_t('T'));
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{1, 2}));
    QVERIFY(letterPixels(grid(), gridSquareInside(9, 1), Qt::black) > 0);
    QTest::keyClick(ZpxGridForm, '+');
    QCOMPARE(PuzzleRecord.entry(1, 2), std::uint8_t('O'));
    QVERIFY(ZpxGridForm->SolverCheated());
    QTest::keyClick(ZpxGridForm, Qt::Key_Return);
    QCOMPARE(PuzzleRecord.entry(2, 2), std::uint8_t(0));
    type("z");
    QCOMPARE(PuzzleRecord.entry(3, 2), std::uint8_t('Z'));
    // Typing runs on over the filled (4, 2) with the new run highlighted; Backspace goes back over it.
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{5, 2}));
    QCOMPARE(fillOf(grid(), gridSquareInside(10, 2)), Yellow);
    QCOMPARE(fillOf(grid(), gridSquareInside(3, 2)), QColor(Qt::white));
    QTest::keyClick(ZpxGridForm, Qt::Key_Backspace);
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{3, 2}));
    QCOMPARE(fillOf(grid(), gridSquareInside(5, 2)), QColor(Qt::white));
    QCOMPARE(PuzzleRecord.entry(3, 2), std::uint8_t('Z'));
    // Arrows: Right over the filled square, Up to the top row and no further, then Right, Right and a letter.
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(ZpxGridForm, key);
    QCOMPARE(ZpxGridForm->cursorSquare(), (GridSquare{7, 1}));
    QCOMPARE(fillOf(grid(), gridSquareInside(5, 2)), QColor(Qt::white));
    type("n");
    QCOMPARE(PuzzleRecord.entry(7, 1), std::uint8_t('N'));
    QCOMPARE(std::memcmp(answers.Answers, PuzzleRecord.Answers, sizeof answers.Answers), 0);

    // The last square of the grid ends the cursor; the right button sets none.
    clickSquare(10, 4);
    type("e");
    QCOMPARE(PuzzleRecord.entry(10, 4), std::uint8_t('E'));
    QVERIFY(!ZpxGridForm->cursorSquare());
    clickSquare(5, 3, Qt::RightButton);
    QVERIFY(!ZpxGridForm->cursorSquare());

    // A first letter typed shows in the author-title window.
    const int a = AuthorTitleSquare;
    QVERIFY(isPlain(ZpxTitleForm->canvas(), squareInside(0, 0, a).adjusted(0, 0, 0, -1)));
    clickSquare(1, 1);
    type("t");
    QVERIFY(letterPixels(ZpxTitleForm->canvas(), squareInside(0, 0, a), Qt::black) > 0);

    // Tab and Shift+Tab go round the words, each entered at its first empty square.
    const QList<std::pair<Qt::KeyboardModifiers, GridSquare>> jumps = {
        {Qt::NoModifier, {5, 1}}, {Qt::ShiftModifier, {2, 1}}, {Qt::ShiftModifier, {3, 3}}, {Qt::NoModifier, {2, 1}}};
    for (const auto& [modifiers, square] : jumps) {
        QTest::keyClick(ZpxGridForm, Qt::Key_Tab, modifiers);
        QCOMPARE(ZpxGridForm->cursorSquare(), square);
        QCOMPARE(fillOf(grid(), gridSquareInside(square.column, square.row)), Yellow);
    }

    // The reveal is the puzzle's: showing the window again keeps it.
    ZpxGridForm->hide();
    ZpxGridForm->show();
    QVERIFY(ZpxGridForm->SolverCheated());
}

void ZpxGridUnitTest::markErrorsCrossesWrongAndEmptySquaresOnly()
{
    TPuzzleRecord record = gridRecord({"ABC", "D#F"});
    record.entry(1, 1) = 'A';
    record.entry(2, 1) = 'X';
    record.entry(1, 2) = 'D';
    record.entry(3, 2) = 'F';
    showPuzzle(record, ModeSolve);
    QVERIFY(pixelsOf(grid(), grid().rect(), Red) == 0);
    ZpxGridForm->MarkErrors();
    for (const auto& [c, r] : {std::pair(2, 1), std::pair(3, 1)})
        QVERIFY(pixelsOf(grid(), gridSquareInside(c, r), Red) > 0);
    for (const auto& [c, r] : {std::pair(1, 1), std::pair(1, 2), std::pair(2, 2), std::pair(3, 2)})
        QCOMPARE(pixelsOf(grid(), gridSquareInside(c, r), Red), 0);
}

void ZpxGridUnitTest::showAnswersDrawsMissingLettersUntilTheNextRepaint()
{
    TPuzzleRecord record = gridRecord({"ABC", "D#F"});
    record.entry(1, 1) = 'A';
    record.entry(3, 1) = ' ';
    placeWord(record, 1, {{3, 1}});
    showPuzzle(record, ModeSolve);
    const QImage before = grid();
    ZpxGridForm->ShowAnswers();
    QVERIFY(ZpxGridForm->SolverCheated());
    QCOMPARE(grid().copy(gridSquareInside(1, 1)), before.copy(gridSquareInside(1, 1)));
    for (const auto& [c, r] : {std::pair(2, 1), std::pair(3, 1), std::pair(1, 2), std::pair(3, 2)})
        QVERIFY(letterPixels(grid(), gridSquareInside(c, r), Gray) > 0);
    const int a = AuthorTitleSquare;
    ZpxTitleForm->ShowAnswers();
    QVERIFY(letterPixels(ZpxTitleForm->canvas(), squareInside(0, 0, a), Gray) > 0);
    ZpxGridForm->Repaint();
    QCOMPARE(grid(), before);
}

void ZpxGridUnitTest::settingsGiveColoursScaledFontCursorAndCaption()
{
    AutoSquare = 20;
    ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), 30);
    ZpxProcs->WriteSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clNavy"));
    ZpxProcs->WriteSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clAqua"));
    ZpxProcs->WriteSetting(QStringLiteral("FontColor"), QStringLiteral("clMaroon"));
    ZpxProcs->WriteSetting(QStringLiteral("FontStyle"), 3);
    ZpxProcs->WriteSetting(QStringLiteral("UseCursors"), 1);
    showPuzzle(samplePuzzle(), ModeConstruction);
    QCOMPARE(ScreenSquare, 30);
    QCOMPARE(ZpxGridForm->font().pointSize(), 16);  // 11 x 30 / 20 = 16.5, halves to even
    QVERIFY(ZpxGridForm->font().bold());
    QVERIFY(ZpxGridForm->font().italic());
    QCOMPARE(ZpxGridForm->windowTitle(), QStringLiteral("SAMPLE"));
    QCOMPARE(ZpxGridForm->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(grid().pixelColor(gridSquareInside(4, 2).center()), QColor(0x00, 0x00, 0x80));
    QCOMPARE(grid().pixelColor(0, 0), QColor(0x00, 0x00, 0x80));
    QCOMPARE(fillOf(grid(), gridSquareInside(3, 1)), QColor(0x00, 0xFF, 0xFF));
    QVERIFY(letterPixels(grid(), gridSquareInside(3, 1), QColor(0x80, 0x00, 0x00)) > 0);

    ZpxProcs->WriteSetting(QStringLiteral("FontSize"), 9);
    ZpxProcs->WriteSetting(QStringLiteral("UseCursors"), 0);
    ZpxGridForm->ApplySettings();
    QCOMPARE(ZpxGridForm->font().pointSize(), 14);  // 13.5
    QCOMPARE(ZpxGridForm->cursor().shape(), Qt::ArrowCursor);
    AutoSquare = (fullScreenHeight() - menuHeight()) / 23;
}

void ZpxGridUnitTest::screenBoundsFollowLayoutCodesAndResizeSnapsToWholeSquares()
{
    ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), 20);
    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsGrid"), QStringLiteral("15,40,1,1"));
    showPuzzle(samplePuzzle(), ModeConstruction);
    const int caption = smallCaptionHeight();
    QCOMPARE(frameBounds(ZpxGridForm, caption), QRect(15, 40, 209, caption + 89));
    QCOMPARE(ZpxGridForm->size(), QSize(201, 81));

    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsGrid"), QStringLiteral("10000,120,0,0"));
    ZpxGridForm->ApplyScreenBounds();
    QCOMPARE(frameBounds(ZpxGridForm, caption), QRect((screenWidth() - 209) / 2, 124, 209, caption + 89));

    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsGrid"), QStringLiteral("40000,120,0,0"));
    ZpxGridForm->ApplyScreenBounds();
    const int titleHeight = captionHeight() + 2 * AutoSquare + 14;
    QCOMPARE(frameBounds(ZpxGridForm, caption).top(), screenHeight() - 120 - titleHeight - caption - 80 - 15);

    // Dragging the frame wider snaps to the whole squares that fit, and clears the cursor.
    Mode = ModeGridEditing;
    clickSquare(3, 1);
    QVERIFY(ZpxGridForm->cursorSquare());
    ZpxGridForm->resize(10 * 27 + 5, 60);
    QCOMPARE(ScreenSquare, 27);
    QCOMPARE(ZpxGridForm->size(), QSize(271, 109));
    QCOMPARE(grid().size(), QSize(271, 109));
    QVERIFY(!ZpxGridForm->cursorSquare());
}

void ZpxGridUnitTest::closingIsRefusedUntilAllowed()
{
    showPuzzle(samplePuzzle(), ModeSolve);
    QVERIFY(!ZpxGridForm->close());
    QVERIFY(ZpxGridForm->isVisible());
    AllowClose = true;
    QVERIFY(ZpxGridForm->close());
    QVERIFY(!ZpxGridForm->isVisible());
}

void ZpxGridUnitTest::celebrateEndsWithTheGridRepainted()
{
    TPuzzleRecord record = samplePuzzle();
    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 4; ++r)
            record.entry(c, r) = record.answer(c, r);
    showPuzzle(record, ModeSolve);
    const QImage solved = grid();
    bool ended = false;
    ZpxGridForm->Celebrate([&ended] { ended = true; });
    QVERIFY(grid() != solved);
    QVERIFY(!ended);
    QTRY_VERIFY(ended);
    QCOMPARE(grid(), solved);
}

QTEST_MAIN(ZpxGridUnitTest)
#include "ZpxGridUnitTest.moc"
