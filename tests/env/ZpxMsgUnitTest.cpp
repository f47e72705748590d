#include "env/ZpxMsgUnit.h"

#include "app/ZpxMainUnit.h"
#include "core/PuzzleFile.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QElapsedTimer>
#include <QtTest>

#include <cerrno>

using namespace zpx;
using namespace zpx::test;

class ZpxMsgUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("notice.zpx");
        savePuzzleFile(puzzle.toStdString(), gridRecord({"CAT#", "#DOG"}));
        openPuzzle(puzzle, false);
    }

    void eachKindShowsItsPictureAndTextBesideTheGrid()
    {
        const QRect grid = anchorBounds(PlacementAnchor::Grid);
        QVERIFY(!grid.isEmpty());
        QImage lastPicture;
        for (std::uint8_t kind : {NoticeSaving, NoticePrinting, NoticeExporting}) {
            InfoWin->NoticeKind = kind;
            InfoWin->show();
            const QString expected[] = {"Saving puzzle ...    ", "Printing puzzle ...   ", "Exporting puzzle ...  "};
            QCOMPARE(InfoWin->PanelText->text(), expected[kind - 1]);
            QCOMPARE(InfoWin->pos(), grid.topLeft() + QPoint(35, 35));
            const QImage picture = InfoWin->Image1->pixmap().toImage();
            QCOMPARE(picture.size(), QSize(34, 31));
            QVERIFY(picture != lastPicture);  // saving, printing, and again saving after printing
            lastPicture = picture;
            InfoWin->close();
        }
        // An unknown kind keeps the last showing's text.
        InfoWin->NoticeKind = 9;
        InfoWin->show();
        QCOMPARE(InfoWin->PanelText->text(), QString("Exporting puzzle ...  "));
        InfoWin->close();
    }

    void saveShowsTheSavingNoticeForASecondAndClosesItAtOnceWhenTheSaveFails()
    {
        Modified = true;
        ZpxMainForm->Save1->trigger();
        QVERIFY(!Modified);
        QVERIFY(InfoWin->isVisible());
        QCOMPARE(InfoWin->PanelText->text(), QString("Saving puzzle ...    "));
        // A second save within that second keeps the notice up a second after it.
        QTest::qWait(300);
        QVERIFY(InfoWin->isVisible());
        QElapsedTimer sinceSecondSave;
        sinceSecondSave.start();
        Modified = true;
        ZpxMainForm->Save1->trigger();
        QVERIFY(!Modified);
        QTRY_VERIFY_WITH_TIMEOUT(!InfoWin->isVisible(), 5000);
        QVERIFY2(sinceSecondSave.elapsed() >= 900, qPrintable(QString::number(sinceSecondSave.elapsed())));

        ScriptedDialogs dialogs;
        Modified = true;
        {
            const ScopedSaveFault diskFull([](SaveStep step, const auto&) { return step == SaveStep::Write ? ENOSPC : 0; });
            ZpxMainForm->Save1->trigger();
        }
        QVERIFY(!InfoWin->isVisible());
        QVERIFY(Modified);
        QCOMPARE(dialogs.messages.last().text, QString("Disk full"));
        Modified = false;
    }
};

QTEST_MAIN(ZpxMsgUnitTest)
#include "ZpxMsgUnitTest.moc"
