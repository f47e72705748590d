// The main window's commands for the letters distribution, the acrostic
// word list, the grid scan and the analysis.

#include "construct/LettersDistUnit.h"
#include "support/RecordBuilder.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxScanUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "app/ZpxMainUnit.h"
#include "core/ZpxProcsUnit.h"
#include "support/GridWindowFixture.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QDir>
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

// "WATER STONE" with words A (W), B (S) and C (T) holding their first letters.
void writePuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"WATER#STONE", "THE########"});
    placeWord(record, 1, {{1, 1}});
    placeWord(record, 2, {{7, 1}});
    placeWord(record, 3, {{1, 2}});
    savePuzzleFile(path.toStdString(), record);
}

QStringList wordLines()
{
    return listLines(AcrosticWinForm->AcrList);
}

}  // namespace

class ConstructionToolsUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("water.zpx");
    }

    void init()
    {
        writePuzzle(puzzle);
        Modified = false;
        AcrosticWinForm->hide();
        ZpxScanForm->hide();
    }

    void lettersDistributionFollowsTheMode()
    {
        QVERIFY(!ZpxMainForm->ScanGrid1->isEnabled());
        QVERIFY(!ZpxMainForm->AcrosticWindow1->isEnabled());
        openPuzzle(puzzle, false);
        QVERIFY(LettersDistForm->isVisible());
        QVERIFY(LettersDistForm->VKText->text().startsWith(QStringLiteral("3 unfilled acrostic words")));
        QVERIFY(ZpxMainForm->ScanGrid1->isEnabled());
        QVERIFY(ZpxMainForm->AcrosticWindow1->isEnabled());

        // The counts stay until the button updates them.
        placeWord(editablePuzzleRecord(), 1, {{2, 1}});
        QVERIFY(LettersDistForm->VKText->text().startsWith(QStringLiteral("3 unfilled")));
        ZpxMainForm->DistrBtn->click();
        QVERIFY(LettersDistForm->VKText->text().startsWith(QStringLiteral("2 unfilled")));
        LettersDistForm->hide();
        ZpxMainForm->DistrBtn->click();
        QVERIFY(LettersDistForm->isVisible());

        AcrosticWinForm->show();
        ZpxScanForm->show();
        openPuzzle(puzzle, true);
        QVERIFY(!LettersDistForm->isVisible());
        QVERIFY(!AcrosticWinForm->isVisible());
        QVERIFY(!ZpxScanForm->isVisible());
        QVERIFY(!ZpxMainForm->ScanGrid1->isEnabled());
        QVERIFY(!ZpxMainForm->AcrosticWindow1->isEnabled());
        openPuzzle(puzzle, false);
        QVERIFY(LettersDistForm->isVisible());
    }

    void wordListToggledSpilledAndReverted()
    {
        openPuzzle(puzzle, false);
        ZpxMainForm->AcrosticWindow1->trigger();
        QVERIFY(AcrosticWinForm->isVisible());
        QCOMPARE(wordLines(), QStringList({"W", "S", "T"}));

        placeWord(editablePuzzleRecord(), 2, {{8, 1}, {9, 1}});
        AcrosticWinForm->RefreshWordLine(2);
        SelectedWord = 2;
        ZpxMainForm->SpillBtn->click();
        QCOMPARE(wordLines().at(1), QStringLiteral("S") + QString(29, QLatin1Char(' ')));
        QVERIFY(Modified);

        placeWord(editablePuzzleRecord(), 3, {{2, 2}});
        LettersDistForm->FormPaint();
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::Yes};
        ZpxMainForm->ReverttoSaved1->trigger();
        QCOMPARE(wordLines(), QStringList({"W", "S", "T"}));
        QVERIFY(LettersDistForm->VKText->text().startsWith(QStringLiteral("3 unfilled")));

        ZpxMainForm->AcrosticWindow1->trigger();
        QVERIFY(!AcrosticWinForm->isVisible());
    }

    void loadingAnotherPuzzleRebuildsTheOpenLists()
    {
        openPuzzle(puzzle, false);
        ZpxMainForm->AcrosticWindow1->trigger();
        ZpxMainForm->ScanGrid1->trigger();
        QVERIFY(ZpxScanForm->isVisible());
        QVERIFY(ZpxScanForm->ErrPanel->isVisible());

        TPuzzleRecord other = gridRecord({"ONE#TWO"});
        placeWord(other, 1, {{1, 1}, {2, 1}});
        savePuzzleFile(puzzle.toStdString(), other);
        openPuzzle(puzzle, false);
        QCOMPARE(wordLines(), QStringList({"ON"}));
        QCOMPARE(ZpxScanForm->DupeList->count(), 1);
        QCOMPARE(ZpxScanForm->DupeList->item(0)->text(), QStringLiteral("A.ON"));
    }

    void lettersDistributionTakesPartInTheArrangement()
    {
        openPuzzle(puzzle, false);
        clearSettings();
        const QRect main = frameBounds(ZpxMainForm, captionHeight());
        setFrameBounds(LettersDistForm, QRect(500, 300, 200, 100), smallCaptionHeight());
        ZpxMainForm->ArrangeWindows(99);
        QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsLettersDist"), ""),
                 QStringLiteral("500,300,200,100"));
        LettersDistForm->hide();
        setFrameBounds(LettersDistForm, QRect(600, 300, 200, 100), smallCaptionHeight());
        ZpxMainForm->ArrangeWindows(99);
        QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsLettersDist"), ""),
                 QStringLiteral("500,300,200,100"));

        LettersDistForm->show();
        ZpxMainForm->AutoArrange1->trigger();
        QCOMPARE(frameBounds(LettersDistForm, smallCaptionHeight()),
                 QRect(500, 300, screenWidth() - main.width() - 6, main.height()));
    }

    void analysisAndBylineAmongTheSpecialCommands()
    {
        openPuzzle(puzzle, false);
        QVERIFY(ZpxMainForm->Special1->isEnabled());
        QVERIFY(ZpxMainForm->Analysis1->isEnabled());
        QVERIFY(ZpxMainForm->ExportEPS1->isEnabled());
        QVERIFY(ZpxMainForm->Byline1->isEnabled());
        bool shownModally = false;
        QTimer::singleShot(0, ZpxAnalyzeForm, [&shownModally] {
            shownModally = ZpxAnalyzeForm->isModal() && ZpxAnalyzeForm->isVisible();
            ZpxAnalyzeForm->OkBtn->click();
        });
        ZpxMainForm->Analysis1->trigger();
        QVERIFY(shownModally);
        QCOMPARE(ZpxAnalyzeForm->GridSizeLbl->text(), QStringLiteral("11\u00D72"));
        QCOMPARE(ZpxAnalyzeForm->WdCountLbl->text(), QStringLiteral("2"));
        QCOMPARE(ZpxAnalyzeForm->TotalLbl->text(), QStringLiteral("13"));
        QCOMPARE(ZpxAnalyzeForm->AuthorLbl->text(), QStringLiteral("3 / 4"));
    }
};

QTEST_MAIN(ConstructionToolsUnitTest)
#include "ConstructionToolsUnitTest.moc"
