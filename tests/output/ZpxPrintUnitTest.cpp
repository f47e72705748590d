#include "output/ZpxPrintUnit.h"

#include "app/ZpxMainUnit.h"
#include "core/ProgramPrinterUnit.h"
#include "core/PuzzleFile.h"
#include "core/ZpxProcsUnit.h"
#include "env/ZpxMsgUnit.h"
#include "output/ZpxPrintAnsUnit.h"
#include "support/PrintPuzzle.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

QString poppler(const QString& tool, const QString& pdf)
{
    QProcess process;
    process.start(tool, tool == "pdftotext" ? QStringList{"-layout", pdf, "-"} : QStringList{pdf});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ZpxPrintUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;
    QDir pdfs;

    QString pdf(int job) const { return pdfs.filePath(QStringLiteral("printme-%1.pdf").arg(job)); }

    // Print opens the dialog; `choose` runs in it before Print is clicked.
    void printFromDialog(const std::function<void()>& choose)
    {
        whenShown(ZpxPrintForm, [choose] {
            choose();
            ZpxPrintForm->PrintBtn->click();
        });
        ZpxMainForm->Print1->trigger();
    }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        if (systemHasPrinter())
            QSKIP("this machine has a printer: the tests would print on paper");
        puzzle = QDir(testFolder()).filePath("printme.zpx");
        savePuzzleFile(puzzle.toStdString(), printPuzzle());
        QDir(testFolder()).mkpath("pdf");
        pdfs = QDir(QDir(testFolder()).filePath("pdf"));
    }

    void dialogShowsTheStoredChoicesAndPrintsEachJobToAPdf()
    {
        ZpxProcs->WriteSetting("PrintNGr", true);
        ZpxProcs->WriteSetting("PrintSGr", true);
        ZpxProcs->WriteSetting("PrintPPg", true);
        ZpxProcs->WriteSetting("PrintGSq", true);
        ZpxProcs->WriteSetting("PrintPort", false);
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, false);
        dialogs.files = {pdfs.path()};

        printFromDialog([] {
            QCOMPARE(ZpxPrintForm->windowTitle(), QString("Print Puzzle"));
            QVERIFY(!ZpxPrintForm->MSChk->isChecked() && !ZpxPrintForm->MSGChk->isChecked());
            QVERIFY(ZpxPrintForm->NGChk->isChecked() && ZpxPrintForm->SGChk->isChecked());
            QVERIFY(ZpxPrintForm->PPChk->isChecked() && ZpxPrintForm->GrayChk->isChecked());
            QVERIFY(ZpxPrintForm->LandRB->isChecked());
            QVERIFY(!ZpxPrintForm->DefChk->isChecked());
            QCOMPARE(ZpxPrintForm->TitleEdit->text(), QString("printme"));
            QVERIFY(ZpxPrintForm->PrnLbl->text().startsWith("PDF files"));
            ZpxPrintForm->TitleEdit->setText("Pond");
            ZpxPrintForm->PortRB->setChecked(true);
            ZpxPrintForm->LandRB->setChecked(true);
            // The solution as the constructor formats it, with a line break of their own.
            whenShown(ZpxPrintAnsForm, [] {
                QVERIFY(ZpxPrintAnsForm->QuoteMemo->toPlainText().startsWith("ABCDEFG HIJKLMN"));
                ZpxPrintAnsForm->QuoteMemo->setPlainText("Walden,\nor Life in the Woods.");
                ZpxPrintAnsForm->Button1->click();
            });
            ZpxPrintForm->AnswersBtn->click();
        });
        QCOMPARE(dialogs.fileRequests.size(), 2);  // the puzzle, then the folder
        QVERIFY(dialogs.fileRequests.last().folder);
        // The user is told where the pages went.
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.endsWith(pdf(1) + "\n" + pdf(2)));
        QCOMPARE(ZpxPrintForm->PrintBar->value(), ZpxPrintForm->PrintBar->maximum());
        QVERIFY(!ZpxProcs->ReadSetting("PrintPort", true));

        const QString grids = poppler("pdfinfo", pdf(1));
        QVERIFY2(grids.contains(QRegularExpression("Pages: +2\\n")) && grids.contains("842 x 595"), qPrintable(grids));
        const QString gridText = poppler("pdftotext", pdf(1));
        QVERIFY(gridText.contains("Pond") && gridText.contains("101aa") && gridText.contains("Page 2"));
        const QString puzzlePage = poppler("pdftotext", pdf(2));
        QVERIFY2(puzzlePage.contains("\u201CPond\u201D") && puzzlePage.contains("SOLUTION"), qPrintable(puzzlePage));
        QVERIFY(puzzlePage.contains(QRegularExpression("Walden,\\s+or Life in the Woods\\.")));
        QVERIFY(!QFile::exists(pdf(3)));

        // The folder is asked for once; new jobs are numbered past the files already there.
        printFromDialog([] { QCOMPARE(ZpxPrintForm->TitleEdit->text(), QString("Pond")); });
        QCOMPARE(dialogs.fileRequests.size(), 2);
        QVERIFY(QFile::exists(pdf(3)) && QFile::exists(pdf(4)));
        QVERIFY(poppler("pdftotext", pdf(4)).contains("ABCDEFG HIJKLMN"));  // showing the dialog reads the grid again
    }

    void defaultStoresTheChoicesAndCancelPrintsNothing()
    {
        openPuzzle(puzzle, false);
        const int files = pdfs.entryList(QDir::Files).size();
        whenShown(ZpxPrintForm, [] {
            QCOMPARE(ZpxPrintForm->TitleEdit->text(), QString("printme"));  // a load titles the puzzle afresh
            ZpxPrintForm->MSChk->setChecked(true);
            ZpxPrintForm->PortRB->setChecked(true);
            ZpxPrintForm->DefChk->click();
            ZpxPrintForm->CancelBtn->click();
        });
        ZpxMainForm->Print1->trigger();
        QVERIFY(ZpxProcs->ReadSetting("PrintMSS", false));
        QVERIFY(!ZpxProcs->ReadSetting("PrintPort", true));
        QCOMPARE(pdfs.entryList(QDir::Files).size(), files);

        // With no layout checked Print prints nothing, yet keeps the orientation.
        printFromDialog([] {
            for (QCheckBox* box : {ZpxPrintForm->MSChk, ZpxPrintForm->NGChk, ZpxPrintForm->SGChk, ZpxPrintForm->PPChk})
                box->setChecked(false);
            ZpxPrintForm->PortRB->setChecked(true);
        });
        QCOMPARE(pdfs.entryList(QDir::Files).size(), files);
        QVERIFY(ZpxProcs->ReadSetting("PrintPort", false));
    }

    void formatSolutionCasesAndCancelReadsTheGridAgain()
    {
        ZpxPrintAnsForm->PrepareSolution();
        ZpxPrintAnsForm->CaseBtn->click();
        QVERIFY(ZpxPrintAnsForm->QuoteMemo->toPlainText().startsWith("Abcdefg hijklmn"));
        QVERIFY(ZpxPrintAnsForm->MixedCase);
        ZpxPrintAnsForm->QuoteMemo->setPlainText(QString(25, 'W') + " " + QString(25, 'W'));
        QCOMPARE(ZpxPrintAnsForm->QuotationLines().size(), 2u);  // wrapped as the box shows it
        whenShown(ZpxPrintAnsForm, [] { ZpxPrintAnsForm->Button2->click(); });
        ZpxPrintAnsForm->exec();
        QVERIFY(ZpxPrintAnsForm->QuoteMemo->toPlainText().startsWith("ABCDEFG HIJKLMN"));
        QVERIFY(!ZpxPrintAnsForm->MixedCase);
    }

    void solveModePrintsThePuzzlePageUnderTheNotice()
    {
        openPuzzle(puzzle, true);
        ScriptedDialogs dialogs;
        const int job = pdfs.entryList(QDir::Files).size() + 1;
        ZpxMainForm->Print1->trigger();
        QVERIFY(InfoWin->isVisible());
        QCOMPARE(InfoWin->PanelText->text(), QString("Printing puzzle ...   "));
        QVERIFY(!ZpxPrintForm->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!InfoWin->isVisible(), 5000);
        const QString page = poppler("pdftotext", pdf(job));
        QVERIFY2(page.contains("\u201Cprintme\u201D") && page.contains("SOLUTION"), qPrintable(page));
        QVERIFY(!QFile::exists(pdf(job + 1)));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.endsWith(pdf(job)));
    }
};

QTEST_MAIN(ZpxPrintUnitTest)
#include "ZpxPrintUnitTest.moc"
