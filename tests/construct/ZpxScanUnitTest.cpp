#include "construct/ZpxScanUnit.h"

#include "support/GridWindowFixture.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "support/WindowTestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Four words of "WATER STONE THE END / AB CD", one letter each; 27 and 28 are the doubled labels.
TPuzzleRecord afterInput()
{
    TPuzzleRecord record = gridRecord({"WATER#STONE", "THE#END#ABC"});
    placeWord(record, 3, {{1, 1}});
    placeWord(record, 28, {{7, 1}});
    placeWord(record, 1, {{1, 2}});
    placeWord(record, 27, {{9, 2}});
    return record;
}

QStringList lines()
{
    return listLines(ZpxScanForm->DupeList);
}

void clickLine(int line)
{
    clickListLine(ZpxScanForm->DupeList, line);
}

}  // namespace

class ZpxScanUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        createConstructionWindows();
        ZpxScanForm = new TZpxScanForm;
    }

    void init()
    {
        editablePuzzleRecord() = afterInput();
        Mode = ModeConstruction;
        SelectedWord = 0;
        ZpxGridForm->show();
        ZpxTitleForm->show();
        ZpxScanForm->hide();
    }

    void windowIsThreeHundredAndTwoByTwoHundredAndNineWithItsFrame()
    {
        const TZpxScanForm fresh;
        QCOMPARE(frameBounds(&fresh, smallCaptionHeight()).size(), QSize(302, 209));
    }

    void freshPuzzleShowsNoMatches()
    {
        ZpxScanForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ZpxScanForm));
        QCOMPARE(ZpxScanForm->DupeList->count(), 0);
        QVERIFY(!ZpxScanForm->DupeList->isEnabled());
        QVERIFY(ZpxScanForm->ErrPanel->isVisible());
        QCOMPARE(ZpxScanForm->ErrPanel->text(), QStringLiteral("No Matches Found"));
    }

    void rescanListsEachRepeatingWordOnce()
    {
        ZpxScanForm->show();
        placeWord(editablePuzzleRecord(), 3, {{2, 1}, {3, 1}, {4, 1}, {5, 1}});
        placeWord(editablePuzzleRecord(), 1, {{2, 2}, {3, 2}});
        placeWord(editablePuzzleRecord(), 28, {{8, 1}, {9, 1}, {10, 1}, {11, 1}});
        placeWord(editablePuzzleRecord(), 27, {{5, 2}});  // E of END: another quotation word
        QCOMPARE(ZpxScanForm->DupeList->count(), 0);  // nothing changes until the scan runs
        QTest::mouseClick(ZpxScanForm->RescanBtn, Qt::LeftButton);
        QCOMPARE(lines(), QStringList({"A.THE", "bb.STONE", "C.WATER"}));
        QVERIFY(ZpxScanForm->DupeList->isEnabled());
        QVERIFY(ZpxScanForm->ErrPanel->isHidden());
        QTest::mouseClick(ZpxScanForm->RescanBtn, Qt::LeftButton);
        QCOMPARE(lines(), QStringList({"A.THE", "bb.STONE", "C.WATER"}));

        // A word wrapping from the end of row 1 into row 2: E of STONE and T of THE.
        clearSlot(editablePuzzleRecord(), letterSlot(5, 28));
        placeWord(editablePuzzleRecord(), 2, {{11, 1}, {1, 2}});
        clearSlot(editablePuzzleRecord(), letterSlot(1, 1));
        ZpxScanForm->ScanGrid();
        QCOMPARE(lines(), QStringList({"A. HE", "B.ET", "bb.STON", "C.WATER"}));
    }

    void clickingALineSelectsTheWordOnTheGrid()
    {
        placeWord(editablePuzzleRecord(), 28, {{8, 1}, {9, 1}});
        placeWord(editablePuzzleRecord(), 3, {{2, 1}});
        ZpxScanForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ZpxScanForm));
        QCOMPARE(lines(), QStringList({"bb.STO", "C.WA"}));
        clickLine(0);
        QCOMPARE(SelectedWord, 28);
        QCOMPARE(gridFill(7, 1), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(gridFill(9, 1), QColor(0xFF, 0xFF, 0x00));
        clickLine(1);
        QCOMPARE(SelectedWord, 3);
        QCOMPARE(gridFill(1, 1), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(gridFill(7, 1), QColor(Qt::white));

        QTest::mouseClick(ZpxScanForm->CloseBtn, Qt::LeftButton);
        QVERIFY(ZpxScanForm->isHidden());
    }

    void lettersOfAllLinesStartInOneColumn()
    {
        placeWord(editablePuzzleRecord(), 28, {{8, 1}});
        placeWord(editablePuzzleRecord(), 3, {{2, 1}});
        ZpxScanForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ZpxScanForm));
        QCoreApplication::processEvents();
        const QImage drawn = ZpxScanForm->DupeList->viewport()->grab().toImage();
        // The first ink right of the label column, line by line.
        const int column = 5 + QFontMetrics(ZpxScanForm->font()).horizontalAdvance(QStringLiteral("bb "));
        auto firstInk = [&](int line) {
            const QRect r = ZpxScanForm->DupeList->visualItemRect(ZpxScanForm->DupeList->item(line));
            for (int x = column - 3; x < r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    if (drawn.pixelColor(x, y).lightness() < 128)
                        return x;
            return -1;
        };
        // "S" of bb.ST and "W" of C.WA start together, give or take their side bearings.
        QVERIFY(firstInk(0) >= column - 2);
        QVERIFY(firstInk(0) <= column + 2);
        QVERIFY(std::abs(firstInk(1) - firstInk(0)) <= 2);
    }
};

QTEST_MAIN(ZpxScanUnitTest)
#include "ZpxScanUnitTest.moc"
