// A puzzle that cannot be written never traps the solver: every way out
// that saves first asks how to go on when the save fails, and Save As works
// while solving.

#include "app/ZpxMainUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "output/IpuzWriter.h"
#include "solve/SolverKeys.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

QString inTestFolder(const char* name)
{
    return QDir(testFolder()).filePath(QString::fromLatin1(name));
}

// The solver's letter Q in the first square, typed as the solve window types it.
void typeFirstLetter()
{
    enterLetter(puzzleEdits(), {1, 1}, typedKeyOutcome('Q', 0, PuzzleRecord.answer(1, 1), true));
}

std::uint8_t savedEntry(const QString& path)
{
    TPuzzleRecord saved;
    loadPuzzleFile(path.toStdString(), saved);
    return saved.entry(1, 1);
}

}  // namespace

class SaveTrapsUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;
    QString other;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        TPuzzleRecord record = gridRecord({"WATER#", "#THE#A"});
        placeWord(record, 1, {{1, 1}, {2, 1}});
        puzzle = inTestFolder("locked.zpx");
        other = inTestFolder("other.zpx");
        savePuzzleFile(puzzle.toStdString(), record);
        savePuzzleFile(other.toStdString(), record);
    }

    void closingAfterAFailedSaveOffersSaveAsDiscardAndCancel()
    {
        struct Case {
            Answer answer;
            const char* savedAs;  // the file Save As writes, or nullptr
            bool closes;
        };
        const Case cases[] = {
            {Answer::Cancel, nullptr, false},
            {Answer::No, nullptr, true},
            {Answer::Yes, "elsewhere.zpx", true},
        };
        for (const Case& c : cases) {
            ScriptedDialogs dialogs;
            AllowClose = false;
            ZpxMainForm->show();
            openPuzzle(dialogs, puzzle, true);
            const QByteArray before = fileBytes(puzzle);
            typeFirstLetter();
            dialogs.answers = {c.answer};
            if (c.savedAs)
                dialogs.files = {inTestFolder(c.savedAs)};
            {
                const ScopedSaveFault refused = refuseSavesTo(puzzle);
                QCOMPARE(ZpxMainForm->close(), c.closes);
            }
            QCoreApplication::processEvents();

            QCOMPARE(dialogs.messages.size(), 1);
            const MessageRequest& question = dialogs.messages.first();
            QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
            QVERIFY2(question.text.contains("File access denied"), qPrintable(question.text));
            QCOMPARE(question.yesCaption, QStringLiteral("Save As\u2026"));
            QCOMPARE(question.noCaption, QStringLiteral("&Discard Changes"));
            QCOMPARE(fileBytes(puzzle), before);
            QCOMPARE(Modified, !c.closes);
            QCOMPARE(ZpxMainForm->isVisible(), !c.closes);
            QCOMPARE(ZpxGridForm->isVisible(), !c.closes);
            if (c.savedAs) {
                QCOMPARE(savedEntry(inTestFolder(c.savedAs)), std::uint8_t('Q'));
                QCOMPARE(QString::fromStdString(PuzzleFileName), inTestFolder(c.savedAs));
                QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle1", QString()), inTestFolder(c.savedAs) + " /s");
            }
            puzzleEdits().forgetChanges();
        }
        AllowClose = false;
        ZpxMainForm->show();
    }

    void anImportedPuzzleWithoutANameCanBeLeftWithoutSaving()
    {
        TPuzzleRecord record;
        loadPuzzleFile(puzzle.toStdString(), record);
        const QString ipuz = inTestFolder("shared.ipuz");
        saveFileAtomically(ipuz.toStdString(), writeIpuz(record, "shared"));
        ScriptedDialogs dialogs;
        ZpxMainForm->OpenCommandLine({ipuz});
        typeFirstLetter();
        dialogs.files = {QString()};
        dialogs.answers = {Answer::No};
        QVERIFY(ZpxMainForm->close());
        QCoreApplication::processEvents();
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QVERIFY2(dialogs.messages.first().text.contains("no Zephyrtrace file"), qPrintable(dialogs.messages.first().text));
        QVERIFY(!Modified);
        QVERIFY(!QFile::exists(inTestFolder("shared.zpx")));
        AllowClose = false;
        ZpxMainForm->show();
    }

    void solvingAnotherPuzzleAfterAFailedSaveGoesOnAsChosen()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, true);
        const QByteArray before = fileBytes(puzzle);
        typeFirstLetter();
        const ScopedSaveFault refused = refuseSavesTo(puzzle);

        // Save As whose name is cancelled asks again; Discard then opens the other puzzle.
        dialogs.answers = {Answer::Yes, Answer::No};
        dialogs.files = {QString(), other};
        dialogs.fileRequests.clear();
        ZpxMainForm->Open1Click(ZpxMainForm->Solve1);
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.fileRequests.first().title, QStringLiteral("Save puzzle as..."));
        QCOMPARE(dialogs.fileRequests.last().title, QStringLiteral("Open puzzle for solving"));
        QCOMPARE(QString::fromStdString(PuzzleFileName), other);
        QCOMPARE(fileBytes(puzzle), before);
        QVERIFY(!Modified);
    }

    void saveAsWhileSolvingWritesTheEntriesToTheNewFile()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzle, true);
        const QByteArray before = fileBytes(puzzle);
        QVERIFY(ZpxMainForm->SavePuzzleAs1->isEnabled());
        typeFirstLetter();
        const ScopedSaveFault refused = refuseSavesTo(puzzle);
        const QString copy = inTestFolder("copy.zpx");
        dialogs.files = {copy};
        ZpxMainForm->SavePuzzleAs1->trigger();
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(savedEntry(copy), std::uint8_t('Q'));
        QCOMPARE(fileBytes(puzzle), before);
        QVERIFY(!Modified);
        QCOMPARE(Mode, std::uint8_t(ModeSolve));
        QCOMPARE(QString::fromStdString(PuzzleFileName), copy);
        QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle1", QString()), copy + " /s");
    }
};

QTEST_MAIN(SaveTrapsUnitTest)
#include "SaveTrapsUnitTest.moc"
