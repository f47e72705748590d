#include "construct/ZpxAcrosticWinUnit.h"

#include "support/GridWindowFixture.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "support/WindowTestSupport.h"

#include <QListWidget>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Words A "WATER", B "STONE" and C "OF" over "WATER STONE OF".
TPuzzleRecord sample()
{
    TPuzzleRecord record = gridRecord({"WATER#STONE", "OF#########"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}});
    placeWord(record, 3, {{1, 2}, {2, 2}});
    return record;
}

QStringList lines()
{
    return listLines(AcrosticWinForm->AcrList);
}

void clickLine(int line)
{
    clickListLine(AcrosticWinForm->AcrList, line);
}

}  // namespace

class ZpxAcrosticWinUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        createConstructionWindows();
        AcrosticWinForm = new TAcrosticWinForm;
    }

    void init()
    {
        editablePuzzleRecord() = sample();
        Mode = ModeConstruction;
        SelectedWord = 0;
        ZpxGridForm->show();
        ZpxTitleForm->show();
        AcrosticWinForm->hide();
        AcrosticWinForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(AcrosticWinForm));
    }

    void windowIsFourHundredByThreeHundredWithItsFrame()
    {
        const TAcrosticWinForm fresh;
        QCOMPARE(frameBounds(&fresh, smallCaptionHeight()).size(), QSize(400, 300));
    }

    void showingListsEveryWordUpToItsFirstGap()
    {
        QCOMPARE(lines(), QStringList({"WATER", "STONE", "OF"}));
        QVERIFY(AcrosticWinForm->AcrList->selectedItems().isEmpty());
        QCOMPARE(AcrosticWinForm->AcrList->visualItemRect(AcrosticWinForm->AcrList->item(1)).height(), 17);

        clearSlot(editablePuzzleRecord(), letterSlot(3, 2));
        AcrosticWinForm->RefreshWordLine(2);
        QCOMPARE(lines().at(1), QStringLiteral("ST NE") + QString(25, QLatin1Char(' ')));
        AcrosticWinForm->FillWordList();
        QCOMPARE(lines(), QStringList({"WATER", "ST", "OF"}));

        // A word whose first letter was removed keeps its line, and so do the words after it.
        clearSlot(editablePuzzleRecord(), letterSlot(1, 1));
        AcrosticWinForm->FillWordList();
        QCOMPARE(lines(), QStringList({" ATER", "ST", "OF"}));
    }

    void thirtyLetterWordShowsWhole()
    {
        TPuzzleRecord record = gridRecord({std::string(30, 'Q'), std::string(30, 'R')});
        for (int c = 1; c <= 15; ++c)
            placeWord(record, 1, {{c, 1}, {c, 2}});
        editablePuzzleRecord() = record;
        AcrosticWinForm->FillWordList();
        AcrosticWinForm->RefreshWordLine(1);
        QString expected;
        for (int i = 0; i < 15; ++i)
            expected += QStringLiteral("QR");
        QCOMPARE(lines(), QStringList({expected}));
        // The thirtieth letter is drawn: ink reaches the right part of the line.
        QCoreApplication::processEvents();
        const QImage drawn = AcrosticWinForm->AcrList->viewport()->grab().toImage();
        const QRect line = AcrosticWinForm->AcrList->visualItemRect(AcrosticWinForm->AcrList->item(0));
        QFont normal(QStringLiteral("Courier New"));
        normal.setPointSize(11);
        const int lastLetterLeft =
            4 + QFontMetrics(normal).horizontalAdvance(QStringLiteral("W") + QString(28, QLatin1Char('Q')));
        int ink = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = lastLetterLeft; x < std::min(drawn.width(), lastLetterLeft + 12); ++x)
                ink += drawn.pixelColor(x, y).lightness() < 100;
        QVERIFY(ink > 0);
    }

    void clickingALineSelectsTheWordThroughTheAuthorTitleWindow()
    {
        clickLine(1);
        QCOMPARE(SelectedWord, 2);
        QCOMPARE(gridFill(7, 1), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(gridFill(8, 1), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(gridFill(1, 1), QColor(Qt::white));

        // Below the last line: nothing changes.
        QListWidget* list = AcrosticWinForm->AcrList;
        const QRect last = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 30));
        QCOMPARE(SelectedWord, 2);

        // In grid editing the author-title window ignores it: only the selection and the grid follow.
        Mode = ModeGridEditing;
        clickLine(2);
        QCOMPARE(SelectedWord, 3);
    }

    void gridClicksAndLetterRemovalsRefreshTheWordsLine()
    {
        // Word C selected in the author-title window takes the S of STONE once it is free.
        const int s = ScreenSquare;
        const int a = AuthorTitleSquare;
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(2 * a + a / 2, a / 2));
        QCOMPARE(SelectedWord, 3);
        QTest::mousePress(ZpxGridForm, Qt::LeftButton, {}, QPoint(6 * s + s / 2, s / 2));  // still word B's
        QCOMPARE(lines().at(2), QStringLiteral("OF"));
        clearSlot(editablePuzzleRecord(), letterSlot(1, 2));  // frees the S
        QTest::mousePress(ZpxGridForm, Qt::LeftButton, {}, QPoint(6 * s + s / 2, s / 2));
        QCOMPARE(lines().at(2), QStringLiteral("OFS") + QString(27, QLatin1Char(' ')));

        // Removing position 3 of word A in the author-title window's lower row.
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(a / 2, a / 2));
        QCOMPARE(SelectedWord, 1);
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(2 * a + a / 2, a + 6 + a / 2));
        QCOMPARE(lines().at(0), QStringLiteral("WA ER") + QString(25, QLatin1Char(' ')));
        QVERIFY(Modified);
    }

    void theAuthorTitleSelectionMovesTheSelectedLine()
    {
        const int a = AuthorTitleSquare;
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(a + a / 2, a / 2));
        QCOMPARE(AcrosticWinForm->AcrList->currentRow(), 1);
        QVERIFY(AcrosticWinForm->AcrList->item(1)->isSelected());
        // A click right of the last word deselects.
        QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint(10 * a + a / 2, a / 2));
        QCOMPARE(SelectedWord, 0);
        QVERIFY(AcrosticWinForm->AcrList->selectedItems().isEmpty());
    }

    void aListWithoutSelectionIgnoresClicksBelowItsLines()
    {
        SelectedWord = 3;
        QListWidget* list = AcrosticWinForm->AcrList;
        const QRect last = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 30));
        QCOMPARE(SelectedWord, 3);
    }
};

QTEST_MAIN(ZpxAcrosticWinUnitTest)
#include "ZpxAcrosticWinUnitTest.moc"
