// Suggest Words and Fill Remaining Words in the construction windows, on a
// new construction of Thoreau's lines: the fill under its notice and Cancel,
// the fill saved with the keys, and a chosen suggestion built on its squares.

#include "app/ZpxMainUnit.h"
#include "construct/GridScan.h"
#include "construct/WordList.h"
#include "construct/WordTexts.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxSuggestUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "env/ZpxMsgUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

class AnswerWordsUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;
    ScriptedDialogs* dialogs = nullptr;

    QString messagesShown() const
    {
        QStringList texts;
        for (const MessageRequest& message : dialogs->messages)
            texts << message.text;
        return texts.join(QLatin1Char('\n'));
    }

    void openNewConstruction()
    {
        savePuzzleFile(puzzle.toStdString(), newConstruction());
        openPuzzle(puzzle, false);
        QCOMPARE(Mode, ModeConstruction);
    }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("walden.zpx");
        // Read once for the program, as its first suggestions or fill would.
        sharedScowlWordList(DefaultWordListLevel);
    }

    void init() { dialogs = new ScriptedDialogs; }

    void cleanup()
    {
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(messagesShown()));
        delete dialogs;
    }

    void fillThenSaveLeavesACompletePuzzle()
    {
        openNewConstruction();
        QString noticeText;
        whenShown(InfoWin, [&] { noticeText = InfoWin->PanelText->text(); });
        ZpxGridForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
        QTest::keyClick(ZpxGridForm, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY_WITH_TIMEOUT(isComplete(PuzzleRecord), 20000);
        QCOMPARE(noticeText, QStringLiteral("Filling words ...     "));
        QVERIFY(!InfoWin->isVisible());
        QVERIFY(Modified);
        QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
        QTest::keyClick(ZpxGridForm, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Modified);

        TPuzzleRecord saved;
        loadPuzzleFile(puzzle.toStdString(), saved);
        QVERIFY(isComplete(saved));
        QVERIFY(scanGrid(saved).empty());
        const TPuzzleRecord fresh = newConstruction();
        for (int w = 1; w <= 23; ++w) {
            QCOMPARE(saved.slotSquareRef(letterSlot(1, w)), fresh.slotSquareRef(letterSlot(1, w)));
            QVERIFY(wordText(saved, w).size() >= 3);
        }
    }

    void cancelStopsTheFillAtOnceAndChangesNothing()
    {
        openNewConstruction();
        const PuzzleImage before = encodeRecord(PuzzleRecord);
        QElapsedTimer sinceCancel;
        whenShown(InfoWin, [&] {
            QVERIFY(InfoWin->CancelBtn->isVisible());
            sinceCancel.start();
            InfoWin->CancelBtn->click();
        });
        ZpxMainForm->FillRemainingWords1->trigger();
        QTRY_VERIFY(sinceCancel.isValid());
        QTRY_VERIFY_WITH_TIMEOUT(!InfoWin->WorkRunning(), 200);
        QVERIFY2(sinceCancel.elapsed() < 200, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(encodeRecord(PuzzleRecord) == before);
        QVERIFY(!Modified);
        QVERIFY(!InfoWin->isVisible());
    }

    void chosenSuggestionBuildsTheWord()
    {
        openNewConstruction();
        SelectedWord = 2;  // E of HENRY
        ZpxMainForm->SuggestWords1->trigger();
        QVERIFY(ZpxSuggestForm->isVisible());
        QVERIFY(ZpxSuggestForm->SuggestList->count() > 10);
        QListWidgetItem* item = ZpxSuggestForm->SuggestList->item(0);
        const QString chosen = item->text();
        QVERIFY(chosen.startsWith(QLatin1Char('E')));
        ZpxSuggestForm->SuggestList->setCurrentItem(item);
        emit ZpxSuggestForm->SuggestList->itemActivated(item);
        QCOMPARE(QString::fromLatin1(wordText(PuzzleRecord, 2)), chosen);
        QVERIFY(scanGrid(PuzzleRecord).empty());
        QVERIFY(Modified);
        // The list follows the word: it now offers what starts with the whole answer.
        QVERIFY(ZpxSuggestForm->WordLbl->text().contains(chosen));

        // One step each, undone by the Edit menu's Undo.
        const PuzzleImage built = encodeRecord(PuzzleRecord);
        ZpxMainForm->FillRemainingWords1->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(isComplete(PuzzleRecord), 20000);
        QCOMPARE(QString::fromLatin1(wordText(PuzzleRecord, 2)), chosen);
        ZpxMainForm->Undo1->trigger();
        QVERIFY(encodeRecord(PuzzleRecord) == built);
        ZpxMainForm->Undo1->trigger();
        QVERIFY(encodeRecord(PuzzleRecord) == encodeRecord(newConstruction()));
        QVERIFY(!Modified);
        ZpxSuggestForm->hide();
    }
};

QTEST_MAIN(AnswerWordsUnitTest)
#include "AnswerWordsUnitTest.moc"
