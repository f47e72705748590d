#include "construct/ZpxAnalyzeUnit.h"

#include "support/RecordBuilder.h"
#include "core/PuzzleRecord.h"
#include "support/WindowTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

class ZpxAnalyzeUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWindowTestEnvironment();
        ZpxAnalyzeForm = new TZpxAnalyzeForm;
    }

    void showsTheFiguresAndTextsOfTheGrid()
    {
        std::vector<std::string> rows(8, "##########");
        rows[0] = "ACROSTICAL";
        editablePuzzleRecord() = gridRecord(rows);
        placeWord(editablePuzzleRecord(), 1, {{1, 1}});
        // Modal: the Close button ends it with OK.
        QTimer::singleShot(0, ZpxAnalyzeForm->OkBtn, [] { ZpxAnalyzeForm->OkBtn->click(); });
        QCOMPARE(ZpxAnalyzeForm->exec(), int(QDialog::Accepted));
        QCOMPARE(ZpxAnalyzeForm->GridSizeLbl->text(), QStringLiteral("10\u00D78"));
        QCOMPARE(ZpxAnalyzeForm->WdCountLbl->text(), QStringLiteral("1"));
        QCOMPARE(ZpxAnalyzeForm->TotalLbl->text(), QStringLiteral("10"));
        QCOMPARE(ZpxAnalyzeForm->AuthorLbl->text(), QStringLiteral("1 / 10"));
        QCOMPARE(ZpxAnalyzeForm->QuoteLbl->text(), QStringLiteral("ACROSTICAL"));
        QCOMPARE(ZpxAnalyzeForm->ATLbl->text(), QStringLiteral("A") + QString(30, QLatin1Char(' ')));
    }

    void everyShowReadsTheGridAgain()
    {
        editablePuzzleRecord() = gridRecord({"TO#BE###OR", "NOT#######"});
        placeWord(editablePuzzleRecord(), 2, {{4, 1}});
        placeWord(editablePuzzleRecord(), 1, {{1, 2}});
        ZpxAnalyzeForm->show();
        QCOMPARE(ZpxAnalyzeForm->WdCountLbl->text(), QStringLiteral("3"));  // ORNOT wraps into row 2
        QCOMPARE(ZpxAnalyzeForm->TotalLbl->text(), QStringLiteral("9"));
        QCOMPARE(ZpxAnalyzeForm->QuoteLbl->text(), QStringLiteral("TO BE   ORNOT"));
        QCOMPARE(ZpxAnalyzeForm->ATLbl->text(), QStringLiteral("NB") + QString(29, QLatin1Char(' ')));
        QCOMPARE(ZpxAnalyzeForm->AuthorLbl->text(), QStringLiteral("2 / 4"));  // 4.5 rounds to the even 4
        ZpxAnalyzeForm->hide();

        resetPuzzle(editablePuzzleRecord(), 12, 9);
        ZpxAnalyzeForm->show();
        QCOMPARE(ZpxAnalyzeForm->GridSizeLbl->text(), QStringLiteral("12\u00D79"));
        QCOMPARE(ZpxAnalyzeForm->AuthorLbl->text(), QStringLiteral("0 / -"));
        ZpxAnalyzeForm->hide();
    }
};

QTEST_MAIN(ZpxAnalyzeUnitTest)
#include "ZpxAnalyzeUnitTest.moc"
