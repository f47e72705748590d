#include "support/GridWindowFixture.h"

#include "core/ScreenMetricsUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QFrame>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// A 12-letter author-title line, WILLIAMBLAKE, one word per letter; the
// first letters stand in row 1, word 5 (I) has five letters.
TPuzzleRecord twelveWordPuzzle()
{
    TPuzzleRecord record = gridRecord({"WILLIAMBLAKE", "TYGERTYGERBU", "RNINGBRIGHTI"});
    for (int w = 1; w <= 12; ++w)
        placeWord(record, w, {{w, 1}});
    placeWord(record, 5, {{1, 2}, {2, 2}, {3, 2}, {4, 2}});
    return record;
}

int a() { return AuthorTitleSquare; }
const QImage& title() { return ZpxTitleForm->canvas(); }
QRect topSquare(int word) { return squareInside((word - 1) * a(), 0, a()).adjusted(0, 0, 0, -1); }
QRect lowerSquare(int position) { return squareInside((position - 1) * a(), a() + 6, a()).adjusted(0, 0, 0, -1); }

void clickAt(QPoint point)
{
    QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, point);
}

void clickWord(int word) { clickAt({(word - 1) * a() + a() / 2, a() / 2}); }
void clickPosition(int position) { clickAt({(position - 1) * a() + a() / 2, a() + 6 + a() / 2}); }

}  // namespace

class ZpxTitleUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { createConstructionWindows(); }
    void init()
    {
        clearSettings();
        AllowClose = false;
    }

    void twelveWordsFillTwelveSquaresOfAThirtySquareWindowWhenConstructing();
    void solveModeWindowIsExactlyTheWordsWideAndShowsEntries();
    void clicksSelectAWordAndDeselectRightOfTheLastWord();
    void lowerRowRemovesAnyLetterLeavingAGapTheGridFills();
    void gridEditingIgnoresClicks();
    void placementFollowsTheGridLayoutCodesAndStaysOnScreen();
    void resizeSnapsToWholeSquaresPerMode();
    void slotsNamingNoLetterSquareShowNoLetter();
    void closingIsRefusedUntilAllowed();
};

void ZpxTitleUnitTest::twelveWordsFillTwelveSquaresOfAThirtySquareWindowWhenConstructing()
{
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    QCOMPARE(ZpxTitleForm->WordCount, 12);
    QCOMPARE(ZpxTitleForm->windowTitle(), QStringLiteral("Author-Title"));
    QCOMPARE(title().size(), QSize(30 * a() + 1, 2 * a() + 6));
    QCOMPARE(ZpxTitleForm->size(), title().size());
    QCOMPARE(frameBounds(ZpxTitleForm, smallCaptionHeight()).width(), 30 * a() + 9);
    QVERIFY(ZpxTitleForm->Bevel1->isVisible());
    for (int w = 1; w <= 12; ++w) {
        QCOMPARE(fillOf(title(), topSquare(w)), QColor(Qt::white));
        QVERIFY(letterPixels(title(), topSquare(w), Qt::black) > 0);
    }
    // Right of the last word and, with no word selected, the whole lower row are silver.
    QVERIFY(isPlain(title(), topSquare(13)));
    QCOMPARE(fillOf(title(), topSquare(13)), Silver);
    for (int p = 1; p <= 30; ++p)
        QCOMPARE(fillOf(title(), lowerSquare(p)), Silver);
}

void ZpxTitleUnitTest::solveModeWindowIsExactlyTheWordsWideAndShowsEntries()
{
    TPuzzleRecord record = twelveWordPuzzle();
    record.entry(2, 1) = 'I';
    showPuzzle(record, ModeSolve);
    QCOMPARE(title().size(), QSize(12 * a() + 1, a()));
    QCOMPARE(ZpxTitleForm->size(), title().size());
    QCOMPARE(frameBounds(ZpxTitleForm, smallCaptionHeight()).width(), 12 * a() + 9);
    QVERIFY(!ZpxTitleForm->Bevel1->isVisible());
    QVERIFY(letterPixels(title(), topSquare(2), Qt::black) > 0);
    QVERIFY(isPlain(title(), topSquare(1)));

    // The show-answers button draws the missing first letters only.
    const QImage entered = title().copy(topSquare(2));
    ZpxTitleForm->ShowAnswers();
    QVERIFY(letterPixels(title(), topSquare(1), Gray) > 0);
    QCOMPARE(title().copy(topSquare(2)), entered);
    ZpxTitleForm->Repaint();
    QVERIFY(isPlain(title(), topSquare(1)));

    // Selecting works in solve mode too, and ClearSelection undoes it.
    clickWord(12);
    QCOMPARE(SelectedWord, 12);
    QCOMPARE(fillOf(title(), topSquare(12)), Yellow);
    ZpxTitleForm->ClearSelection();
    QCOMPARE(SelectedWord, 0);
    QCOMPARE(fillOf(title(), topSquare(12)), QColor(Qt::white));
}

void ZpxTitleUnitTest::clicksSelectAWordAndDeselectRightOfTheLastWord()
{
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    clickWord(5);
    QCOMPARE(SelectedWord, 5);
    QCOMPARE(fillOf(title(), topSquare(5)), Yellow);
    QCOMPARE(fillOf(ZpxGridForm->canvas(), gridSquareInside(5, 1)), Green);
    for (int p = 1; p <= 5; ++p)
        QCOMPARE(fillOf(title(), lowerSquare(p)), QColor(Qt::white));
    QCOMPARE(fillOf(title(), lowerSquare(6)), Silver);
    QVERIFY(letterPixels(title(), lowerSquare(2), Qt::black) > 0);

    // The border line right of the last word's square deselects.
    clickAt({12 * a(), a() / 2});
    QCOMPARE(SelectedWord, 0);
    QCOMPARE(fillOf(ZpxGridForm->canvas(), gridSquareInside(5, 1)), QColor(Qt::white));
    clickWord(12);
    QCOMPARE(SelectedWord, 12);
    clickWord(20);
    QCOMPARE(SelectedWord, 0);
    QVERIFY(!Modified);
}

void ZpxTitleUnitTest::lowerRowRemovesAnyLetterLeavingAGapTheGridFills()
{
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    clickWord(5);
    // Positions without a letter change nothing.
    clickPosition(6);
    clickPosition(30);
    QCOMPARE(SelectedWord, 5);
    QVERIFY(!Modified);
    // The border line right of position 30 belongs to the lower row: nothing changes.
    clickAt({30 * a(), a() + 6 + a() / 2});
    QCOMPARE(SelectedWord, 5);
    QVERIFY(!Modified);

    clickPosition(3);
    QVERIFY(Modified);
    QCOMPARE(SelectedWord, 5);
    QCOMPARE(PuzzleRecord.slotSquareRef(305), 0);
    QCOMPARE(PuzzleRecord.squareSlot(2, 2), std::int16_t(0));
    for (const int p : {1, 2, 4, 5})
        QVERIFY(PuzzleRecord.slotSquareRef(letterSlot(p, 5)) != 0);
    QCOMPARE(fillOf(title(), lowerSquare(3)), Silver);
    QVERIFY(isPlain(title(), lowerSquare(3)));
    QCOMPARE(fillOf(title(), lowerSquare(4)), QColor(Qt::white));
    // The freed square is free in the grid again: white with its letter.
    QCOMPARE(fillOf(ZpxGridForm->canvas(), gridSquareInside(2, 2)), QColor(Qt::white));
    QVERIFY(letterPixels(ZpxGridForm->canvas(), gridSquareInside(2, 2), Qt::black) > 0);

    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, QPoint(6 * ScreenSquare + 3, 2 * ScreenSquare + 3));
    QCOMPARE(PuzzleRecord.slotSquareRef(305), 703);
    QCOMPARE(fillOf(title(), lowerSquare(3)), QColor(Qt::white));
}

void ZpxTitleUnitTest::gridEditingIgnoresClicks()
{
    showPuzzle(twelveWordPuzzle(), ModeGridEditing);
    const TPuzzleRecord before = PuzzleRecord;
    clickWord(3);
    QCOMPARE(SelectedWord, 0);
    SelectedWord = 5;
    clickPosition(2);
    clickAt({25 * a(), a() / 2});
    QCOMPARE(SelectedWord, 5);
    QCOMPARE(std::memcmp(&before, &PuzzleRecord, sizeof before), 0);
    QVERIFY(!Modified);
}

void ZpxTitleUnitTest::placementFollowsTheGridLayoutCodesAndStaysOnScreen()
{
    ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), 20);
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    const int caption = smallCaptionHeight();
    const QRect grid = frameBounds(ZpxGridForm, caption);
    QRect placed = frameBounds(ZpxTitleForm, caption);
    QCOMPARE(placed.top(), grid.top() + grid.height() + 1);
    QCOMPARE(placed.left(), (screenWidth() - (30 * a() + 9)) / 2);

    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsAuthorTitle"), QStringLiteral("20000,120,0,0"));
    ZpxTitleForm->ApplyScreenBounds();
    QCOMPARE(frameBounds(ZpxTitleForm, caption).top(), grid.top() + grid.height() + 2);

    const int height = captionHeight() + 2 * a() + 14;
    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsAuthorTitle"), QStringLiteral("30000,120,0,0"));
    ZpxTitleForm->ApplyScreenBounds();
    QCOMPARE(frameBounds(ZpxTitleForm, caption).top(), screenHeight() - 120 - height - 4);

    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsAuthorTitle"), QStringLiteral("7,33,5,5"));
    ZpxTitleForm->ApplyScreenBounds();
    placed = frameBounds(ZpxTitleForm, caption);
    QCOMPARE(placed.topLeft(), QPoint(7, 33));
    QCOMPARE(placed.width(), 30 * a() + 9);

    // A stored place below the screen's bottom is pulled back up.
    ZpxProcs->WriteSetting(QStringLiteral("ScreenBoundsAuthorTitle"), QStringLiteral("7,2000,5,5"));
    ZpxTitleForm->ApplyScreenBounds();
    QCOMPARE(frameBounds(ZpxTitleForm, caption).top(), screenHeight() - height - 2);
}

void ZpxTitleUnitTest::resizeSnapsToWholeSquaresPerMode()
{
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    ZpxTitleForm->resize(30 * 17 + 12, 40);
    QCOMPARE(AuthorTitleSquare, 17);
    QCOMPARE(ZpxTitleForm->size(), QSize(30 * 17 + 1, 2 * 17 + 6));
    QCOMPARE(ZpxTitleForm->Bevel1->geometry(), QRect(0, 19, 30 * 17 + 1, 2));
    QCOMPARE(title().size(), QSize(30 * 17 + 1, 2 * 17 + 6));

    showPuzzle(twelveWordPuzzle(), ModeSolve);
    ZpxTitleForm->resize(12 * 21 + 7, 90);
    QCOMPARE(AuthorTitleSquare, 21);
    QCOMPARE(ZpxTitleForm->size(), QSize(12 * 21 + 1, 21));
}

void ZpxTitleUnitTest::slotsNamingNoLetterSquareShowNoLetter()
{
    // A damaged file: word 2 starts on a filled square, word 3 outside the grid.
    TPuzzleRecord record = twelveWordPuzzle();
    record.answer(12, 3) = FilledAnswer;
    record.squareSlot(12, 3) = FilledSlot;
    record.setSlotSquare(letterSlot(1, 2), 1203);
    record.setSlotSquare(letterSlot(1, 3), 1304);
    showPuzzle(record, ModeConstruction);
    QCOMPARE(ZpxTitleForm->WordCount, 12);
    QVERIFY(isPlain(title(), topSquare(2)));
    QVERIFY(isPlain(title(), topSquare(3)));
    clickWord(2);
    QVERIFY(isPlain(title(), lowerSquare(1)));
    QVERIFY(letterPixels(title(), topSquare(4), Qt::black) > 0);
}

void ZpxTitleUnitTest::closingIsRefusedUntilAllowed()
{
    showPuzzle(twelveWordPuzzle(), ModeConstruction);
    QVERIFY(!ZpxTitleForm->close());
    QVERIFY(ZpxTitleForm->isVisible());
    AllowClose = true;
    QVERIFY(ZpxTitleForm->close());
}

QTEST_MAIN(ZpxTitleUnitTest)
#include "ZpxTitleUnitTest.moc"
