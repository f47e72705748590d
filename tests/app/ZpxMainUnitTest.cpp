#include "app/ZpxMainUnit.h"
#include "construct/GridEditing.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxInputUnit.h"
#include "construct/ZpxScanUnit.h"
#include "core/IpuzReader.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "core/ZpxHelpUnit.h"
#include "core/ZpxProcsUnit.h"
#include "output/IpuzWriter.h"
#include "output/ZpxPrintUnit.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <cerrno>

using namespace zpx;
using namespace zpx::test;

namespace {

// A 10 × 8 puzzle: "CATS" words across the first row and two placed first letters.
void writePuzzle(const QString& path, char letter = 'C')
{
    TPuzzleRecord record;
    resetPuzzle(record, 10, 8);
    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 8; ++r) {
            if (r == 1 && c <= 4) {
                record.answer(c, r) = static_cast<std::uint8_t>(c == 1 ? letter : "CATS"[c - 1]);
            } else {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
            }
        }
    addSquareToWord(record, 1, 1, 1);
    addSquareToWord(record, 2, 2, 1);
    savePuzzleFile(path.toStdString(), record);
}

}  // namespace

class ZpxMainUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzleA;
    QString puzzleB;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzleA = QDir(testFolder()).filePath("alpha.zpx");
        puzzleB = QDir(testFolder()).filePath("bravo.zpx");
    }

    void init()
    {
        writePuzzle(puzzleA);
        writePuzzle(puzzleB, 'B');
        Modified = false;
        SoundMode = 1;
    }

    void startsWithTheMenusAndNothingLoaded()
    {
        QCOMPARE(ZpxMainForm->windowTitle(), QString("Zephyrtrace"));
        QCOMPARE(ZpxMainForm->Save1->text(), QString("Sa&ve"));
        QCOMPARE(ZpxMainForm->Save1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(ZpxMainForm->Print1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(ZpxMainForm->AutoArrange1->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(ZpxMainForm->SpillHotKey->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(ZpxMainForm->Dictionary1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(ZpxMainForm->Construct1->title(), QString("&Construct"));
        QCOMPARE(ZpxMainForm->Special1->title(), QString("&Special"));
        QCOMPARE(ZpxMainForm->HelpKeywordIndexcs1->text(), QString("&Keyword Index"));
        QVERIFY(ZpxMainForm->Solve1->isEnabled());
        QVERIFY(ZpxMainForm->New1->isEnabled());
        QVERIFY(ZpxMainForm->PrinterSetup1->isEnabled());
        QVERIFY(!ZpxMainForm->Save1->isEnabled());
        QVERIFY(!ZpxMainForm->ReverttoSaved1->isEnabled());
        QVERIFY(!ZpxMainForm->Special1->isEnabled());
        QVERIFY(ZpxMainForm->LogoImage->isVisible());
        // The logo sits centred in the window, wholly inside it.
        const QRect client = ZpxMainForm->centralWidget()->rect();
        const QRect logo = ZpxMainForm->LogoImage->geometry();
        QCOMPARE(logo.size(), QSize(419, 277));
        QVERIFY(client.contains(logo));
        QCOMPARE(logo.center().x(), client.center().x());
        for (QToolButton* button : {ZpxMainForm->CheatBtn, ZpxMainForm->SquaresBtn, ZpxMainForm->LettersBtn,
                                    ZpxMainForm->SpillBtn, ZpxMainForm->DistrBtn, ZpxMainForm->AutoclueBtn}) {
            QVERIFY(!button->isEnabled());
            QVERIFY(button->toolTip().isEmpty());
        }
        QVERIFY(!QFile::exists(QDir(testFolder()).filePath("config/Marlowick32/Zephyrtrace5.reg")));
    }

    void helpOpensTheContentsAndTheIndex()
    {
        ScriptedDialogs dialogs;
        ZpxMainForm->HelpContents->trigger();
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(ZpxHelpWindow()->isVisible());
        QVERIFY(ZpxHelpWindow()->currentPage().endsWith("help/index.html"));
        ZpxMainForm->HelpKeywordIndexcs1->trigger();
        QVERIFY(ZpxHelpWindow()->currentPage().endsWith("help/keywords.html"));
        ZpxHelpWindow()->close();
    }

    void corruptFirstPuzzleLeavesTheEmptyState()
    {
        const QString corrupt = QDir(testFolder()).filePath("corrupt.zpx");
        QFile file(corrupt);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(11518, 'x'));
        file.close();
        ScriptedDialogs dialogs;
        SoundLog sounds;
        openPuzzle(dialogs, corrupt, false);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QString("Error"));
        QCOMPARE(dialogs.messages[0].text, QString("Puzzle not in Zephyrtrace format or is corrupt."));
        QCOMPARE(sounds.waves, std::vector<int>{7});
        QVERIFY(ZpxMainForm->LogoImage->isVisible());
        QCOMPARE(Mode, std::uint8_t(ModeNone));
        QVERIFY(PuzzleFileName.empty());
    }

    void commandLinePuzzleLoadsOnceTheWindowIsShown()
    {
        clearSettings();
        ZpxProcs->WriteSetting("HistoryPuzzle1", puzzleA + " /c");
        TZpxMainForm fresh;
        fresh.CommandLine = {QDir(testFolder()).filePath("missing.zpx")};
        ScriptedDialogs dialogs;
        fresh.show();
        // Placed by its frame, so its caption is on the screen.
        QCOMPARE(frameBounds(&fresh, captionHeight()).topLeft(), QPoint(2, 2));
        QCOMPARE(fresh.History1->text(), QString("&1 ALPHA"));
        QVERIFY(!fresh.History2->isVisible());
        QVERIFY(dialogs.messages.isEmpty());
        QTRY_COMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith(CorruptPuzzleMessage));
        QVERIFY(PuzzleFileName.empty());
        clearSettings();
    }

    void historyKeepsFullPathsWhateverTheCurrentFolder()
    {
        clearSettings();
        QDir::setCurrent(testFolder());
        ZpxMainForm->OpenCommandLine({"alpha.zpx", "-C"});
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QCOMPARE(ZpxProcs->ReadSetting("CurrentPuzzle", QString()), puzzleA);
        QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle1", QString()), puzzleA + " /c");
        // From another folder the entry still names the same file.
        QDir::setCurrent(QDir::rootPath());
        ScriptedDialogs dialogs;
        ZpxMainForm->History1->trigger();
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);
        clearSettings();
    }

    void newBuildsAndSavesThePuzzleAtOnce()
    {
        ScriptedDialogs dialogs;
        const QString made = QDir(testFolder()).filePath("made.zpx");
        dialogs.files = {made};
        QTimer::singleShot(0, [] {
            QTest::keyClicks(ZpxInputForm->QuoteMemo, "Call me Ishmael");
            QTest::keyClicks(ZpxInputForm->AcrosticEdit, "mel");
            QTest::mouseClick(ZpxInputForm->OkBtn, Qt::LeftButton);
        });
        ZpxMainForm->New1->trigger();
        QCOMPARE(dialogs.fileRequests[0].title, QString("New puzzle for constructing"));
        QCOMPARE(dialogs.fileRequests[0].fileName, QString("untitled.zpx"));
        QCOMPARE(ZpxInputForm->windowTitle(), QString("Quotation and Author-Title of MADE"));
        QCOMPARE(QFileInfo(made).size(), qint64(11519));
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QVERIFY(!Modified);
        TPuzzleRecord saved;
        loadPuzzleFile(made.toStdString(), saved);
        QCOMPARE(saved.GridWidth, std::int16_t(10));
        QCOMPARE(saved.answer(6, 1), std::uint8_t('C'));
        QCOMPARE(ZpxMainForm->Byline->text(), QString("13 ÷ 3 = 4"));

        // A cancelled input dialog leaves the puzzle in memory as it was.
        dialogs.files = {QDir(testFolder()).filePath("never.zpx")};
        QTimer::singleShot(0, [] { ZpxInputForm->reject(); });
        ZpxMainForm->New1->trigger();
        QVERIFY(!QFile::exists(QDir(testFolder()).filePath("never.zpx")));
        QCOMPARE(QString::fromStdString(PuzzleFileName), made);
    }

    void enablingFollowsTheMode()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        QCOMPARE(dialogs.fileRequests[0].title, QString("Open puzzle for constructing"));
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QVERIFY(!ZpxMainForm->LogoImage->isVisible());
        QVERIFY(ZpxMainForm->Save1->isEnabled());
        QVERIFY(ZpxMainForm->SavePuzzleAs1->isEnabled());
        QVERIFY(ZpxMainForm->Special1->isEnabled());
        QVERIFY(ZpxMainForm->LettersBtn->isChecked());
        QVERIFY(ZpxMainForm->SquaresBtn->isEnabled());
        QCOMPARE(ZpxMainForm->SquaresBtn->toolTip(), QString("Edit quotation grid"));
        QCOMPARE(ZpxMainForm->SpillBtn->toolTip(), QString("Clear an author-title entry"));
        QVERIFY(!ZpxMainForm->CheatBtn->isEnabled());
        QCOMPARE(ZpxMainForm->Byline->text(), QString("4 \u00F7 2 = 2"));

        openPuzzle(dialogs, puzzleB, true);
        QCOMPARE(dialogs.fileRequests[1].title, QString("Open puzzle for solving"));
        QCOMPARE(Mode, std::uint8_t(ModeSolve));
        QVERIFY(ZpxMainForm->SavePuzzleAs1->isEnabled());
        QVERIFY(!ZpxMainForm->Special1->isEnabled());
        QVERIFY(!ZpxMainForm->SquaresBtn->isEnabled());
        QVERIFY(ZpxMainForm->SquaresBtn->toolTip().isEmpty());
        QVERIFY(!ZpxMainForm->SpillBtn->isEnabled());
        QVERIFY(ZpxMainForm->Save1->isEnabled());
        QCOMPARE(ZpxMainForm->Byline->text(), QString("a Zephyrtrace puzzle"));
        QCOMPARE(ZpxProcs->ReadSetting("CurrentPuzzle", QString()), puzzleB);
    }

    void modeButtonsSwitchOnlyBetweenTheBuildModes()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        SelectedWord = 2;
        QTest::mouseClick(ZpxMainForm->SquaresBtn, Qt::LeftButton);
        QCOMPARE(Mode, std::uint8_t(ModeGridEditing));
        QCOMPARE(SelectedWord, 0);
        QVERIFY(!ZpxMainForm->SpillBtn->isEnabled());
        QVERIFY(!ZpxMainForm->LettersBtn->isChecked());
        QTest::mouseClick(ZpxMainForm->LettersBtn, Qt::LeftButton);
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QVERIFY(ZpxMainForm->SpillBtn->isEnabled());
        QVERIFY(!ZpxMainForm->SquaresBtn->isChecked());
    }

    void spillKeepsOnlyTheFirstLetter()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        ZpxMainForm->SpillBtnClick();
        QVERIFY(!Modified);  // nothing selected
        addSquareToWord(editablePuzzleRecord(), 1, 3, 1);
        addSquareToWord(editablePuzzleRecord(), 1, 4, 1);
        SelectedWord = 1;
        ZpxMainForm->SpillHotKey->trigger();
        QVERIFY(Modified);
        QCOMPARE(PuzzleRecord.squareSlot(1, 1), std::int16_t(101));
        QCOMPARE(PuzzleRecord.squareSlot(3, 1), std::int16_t(0));
        QCOMPARE(PuzzleRecord.squareSlot(4, 1), std::int16_t(0));
        QCOMPARE(PuzzleRecord.slotSquareRef(201), 0);
        QCOMPARE(PuzzleRecord.slotSquareRef(101), 101);
        Modified = false;
    }

    void historyListsEachPuzzleOnceAndAtMostThree()
    {
        clearSettings();
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        openPuzzle(dialogs, puzzleA, true);
        QCOMPARE(ZpxMainForm->History1->text(), QString("&1 ALPHA"));
        QVERIFY(!ZpxMainForm->History2->isVisible());
        QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle1", QString()), puzzleA + " /s");
        QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle2", QString()), QString());

        const QString charlie = QDir(testFolder()).filePath("charlie.zpx");
        writePuzzle(charlie);
        openPuzzle(dialogs, puzzleB, false);
        openPuzzle(dialogs, charlie, false);
        QCOMPARE(ZpxMainForm->History1->text(), QString("&1 CHARLIE"));
        QCOMPARE(ZpxMainForm->History2->text(), QString("&2 BRAVO"));
        QCOMPARE(ZpxMainForm->History3->text(), QString("&3 ALPHA"));
        QCOMPARE(ZpxProcs->ReadSetting("HistoryPuzzle3", QString()), puzzleA + " /s");

        // The entry of the puzzle in memory does nothing; another one loads in its mode.
        editablePuzzleRecord().answer(1, 1) = 'Z';
        ZpxMainForm->History1->trigger();
        QCOMPARE(PuzzleRecord.answer(1, 1), std::uint8_t('Z'));
        ZpxMainForm->History3->trigger();
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);
        QCOMPARE(Mode, std::uint8_t(ModeSolve));
        QCOMPARE(ZpxMainForm->History1->text(), QString("&1 ALPHA"));

        // Unsaved changes are offered for saving before a history entry loads.
        openPuzzle(dialogs, puzzleB, false);
        Modified = true;
        ScriptedDialogs asking;
        asking.answers.push_back(Answer::Cancel);
        ZpxMainForm->History2->trigger();
        QCOMPARE(asking.messages.size(), 1);
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleB);
        Modified = false;

        // A puzzle deleted since drops out; two of one name show their folders.
        const QString twin = QDir(testFolder()).filePath("twin/alpha.zpx");
        QVERIFY(QDir(testFolder()).mkpath("twin"));
        writePuzzle(twin);
        openPuzzle(asking, charlie, false);
        openPuzzle(asking, twin, false);
        QVERIFY(QFile::remove(charlie));
        openPuzzle(asking, puzzleA, false);
        QCOMPARE(ZpxMainForm->History1->text(), "&1 ALPHA (" + QDir::toNativeSeparators(testFolder()) + ")");
        QCOMPARE(ZpxMainForm->History2->text(), "&2 ALPHA (" + QDir::toNativeSeparators(QFileInfo(twin).path()) + ")");
        QCOMPARE(ZpxMainForm->History3->text(), QString("&3 BRAVO"));
    }

    void aBrokenAuthorTitleLineIsScannedAndWarnedOnceOnSave()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        // Word B loses its first letter A, and the S is clicked instead: the line reads CS, not CA.
        puzzleEdits().apply(EditStep::RemoveLetter, [](TPuzzleRecord& record) { removeLetter(record, 2, 1); });
        puzzleEdits().apply(EditStep::Letter, [](TPuzzleRecord& record) { addSquareToWord(record, 2, 4, 1); });
        QVERIFY(Modified);
        ZpxMainForm->ScanGrid1->trigger();
        QCOMPARE(ZpxScanForm->DupeList->count(), 1);
        QCOMPARE(ZpxScanForm->DupeList->item(0)->text(), QString("B.first letter S, not A"));
        ZpxScanForm->close();

        ZpxMainForm->Save1->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QString("Warning"));
        QVERIFY(dialogs.messages[0].text.endsWith("The acrostic now reads CS."));
        QVERIFY(!Modified);
        ZpxMainForm->Save1->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void saveQueryAnswers()
    {
        ScriptedDialogs dialogs;
        SoundLog sounds;
        openPuzzle(dialogs, puzzleA, false);
        const QByteArray original = fileBytes(puzzleA);

        // Cancel: nothing happens.
        editablePuzzleRecord().answer(2, 1) = 'X';
        Modified = true;
        dialogs.answers.push_back(Answer::Cancel);
        openPuzzle(dialogs, puzzleB, false);
        QCOMPARE(dialogs.messages.last().text, QString("Puzzle has changed. Save current changes?"));
        QCOMPARE(dialogs.messages.last().caption, QString("Confirm"));
        QCOMPARE(sounds.waves.back(), 1);
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);
        QVERIFY(Modified);
        QCOMPARE(dialogs.fileRequests.size(), 1);

        // No: the change is dropped and the other puzzle opens.
        SoundMode = 2;
        dialogs.answers.push_back(Answer::No);
        openPuzzle(dialogs, puzzleB, false);
        QCOMPARE(sounds.waves.back(), 6);
        QVERIFY(!Modified);
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleB);
        QCOMPARE(fileBytes(puzzleA), original);

        // Yes: the change is saved first.
        editablePuzzleRecord().answer(3, 1) = 'Q';
        Modified = true;
        SoundMode = 0;
        const std::size_t soundsBefore = sounds.waves.size();
        dialogs.answers.push_back(Answer::Yes);
        openPuzzle(dialogs, puzzleA, false);
        QCOMPARE(sounds.waves.size(), soundsBefore);
        TPuzzleRecord saved;
        loadPuzzleFile(puzzleB.toStdString(), saved);
        QCOMPARE(saved.answer(3, 1), std::uint8_t('Q'));
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);
    }

    void anImportedIpuzIsNeverWrittenOverItsFirstSaveAsksForAPuzzleName()
    {
        TPuzzleRecord record;
        loadPuzzleFile(puzzleA.toStdString(), record);
        const QDir folder(testFolder());
        const QString ipuz = folder.filePath("shared.ipuz");
        QFile(ipuz).remove();
        QFile out(ipuz);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(writeIpuz(record, "alpha")));
        out.close();
        const QByteArray imported = fileBytes(ipuz);

        ScriptedDialogs dialogs;
        openPuzzle(dialogs, ipuz, false);
        QCOMPARE(dialogs.fileRequests.last().filter, QString("Zephyrtrace Puzzle or ipuz Acrostic |*.zpx;*.ipuz"));
        QCOMPARE(QString::fromStdString(PuzzleFileName), ipuz);
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QCOMPARE(PuzzleRecord.slotSquareRef(letterSlot(1, 2)), squareRef(2, 1));
        QVERIFY(!Modified);
        QCOMPARE(ZpxMainForm->History1->text(), QString("&1 SHARED"));
        QCOMPARE(puzzleTitle(), QString("shared"));

        // Save asks for a .zpx name beside the ipuz; a cancelled name saves nothing.
        editablePuzzleRecord().answer(3, 1) = 'Q';
        Modified = true;
        dialogs.files = {QString()};
        ZpxMainForm->Save1->trigger();
        QCOMPARE(dialogs.fileRequests.last().title, QString("Save puzzle as..."));
        QCOMPARE(dialogs.fileRequests.last().fileName, QString("shared.zpx"));
        QCOMPARE(dialogs.fileRequests.last().directory, folder.absolutePath());
        QVERIFY(Modified);
        const QString zpx = folder.filePath("shared.zpx");
        dialogs.files = {zpx};
        ZpxMainForm->Save1->trigger();
        QVERIFY(!Modified);
        QCOMPARE(QString::fromStdString(PuzzleFileName), zpx);
        TPuzzleRecord saved;
        loadPuzzleFile(zpx.toStdString(), saved);
        QCOMPARE(saved.answer(3, 1), std::uint8_t('Q'));
        const auto requests = dialogs.fileRequests.size();
        ZpxMainForm->Save1->trigger();
        QCOMPARE(dialogs.fileRequests.size(), requests);

        // From the command line, to solve: the solver's entries go to a name asked for when the next puzzle opens.
        ZpxMainForm->OpenCommandLine({ipuz});
        QCOMPARE(Mode, std::uint8_t(ModeSolve));
        editablePuzzleRecord().entry(1, 1) = 'C';
        Modified = true;
        const QString solved = folder.filePath("solved.zpx");
        dialogs.files = {solved, puzzleB};
        ZpxMainForm->Open1Click(ZpxMainForm->Solve1);
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleB);
        loadPuzzleFile(solved.toStdString(), saved);
        QCOMPARE(saved.entry(1, 1), std::uint8_t('C'));
        QCOMPARE(fileBytes(ipuz), imported);
        try {
            ZpxProcs->SavePuzzle(ipuz);
            QFAIL("the record was written over an ipuz");
        } catch (const FileError&) {
        }
        QCOMPARE(fileBytes(ipuz), imported);

        // An ipuz the program cannot hold is refused with its reason; the open puzzle stays.
        QFile bad(folder.filePath("bad.ipuz"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/sudoku#1\"]}");
        bad.close();
        openPuzzle(dialogs, bad.fileName(), false);
        QCOMPARE(dialogs.messages.last().text, QString(IpuzRefusedMessage) + "\nIt is a puzzle of the kind "
                                                   "\"http://ipuz.org/sudoku#1\", not an acrostic.");
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleB);
    }

    void solveModeSavesWithoutAsking()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, true);
        editablePuzzleRecord().entry(2, 1) = 'A';
        Modified = true;
        openPuzzle(dialogs, puzzleB, true);
        QVERIFY(dialogs.messages.isEmpty());
        TPuzzleRecord saved;
        loadPuzzleFile(puzzleA.toStdString(), saved);
        QCOMPARE(saved.entry(2, 1), std::uint8_t('A'));
    }

    void saveAsRefusesOtherExtensions()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        const QString text = QDir(testFolder()).filePath("notes.txt");
        dialogs.files.push_back(text);
        ZpxMainForm->SavePuzzleAs1->trigger();
        QCOMPARE(dialogs.messages.last().text, QString("Not a valid Zephyrtrace puzzle."));
        QVERIFY(!QFile::exists(text));
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);

        const QString copy = QDir(testFolder()).filePath("copy.zpx");
        dialogs.files.push_back(copy);
        ZpxMainForm->SavePuzzleAs1->trigger();
        QCOMPARE(dialogs.fileRequests.last().title, QString("Save puzzle as..."));
        QCOMPARE(fileBytes(copy), fileBytes(puzzleA));
        QCOMPARE(QString::fromStdString(PuzzleFileName), copy);
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
    }

    void revertReloadsAfterYesOnly()
    {
        ScriptedDialogs dialogs;
        SoundLog sounds;
        openPuzzle(dialogs, puzzleA, false);
        editablePuzzleRecord().answer(2, 1) = 'Z';
        Modified = true;
        SelectedWord = 2;
        dialogs.answers.push_back(Answer::No);
        ZpxMainForm->ReverttoSaved1->trigger();
        QCOMPARE(dialogs.messages.last().text,
                 QString("Discard all recent changes and return to last saved puzzle?"));
        QCOMPARE(PuzzleRecord.answer(2, 1), std::uint8_t('Z'));
        dialogs.answers.push_back(Answer::Yes);
        ZpxMainForm->ReverttoSaved1->trigger();
        QCOMPARE(PuzzleRecord.answer(2, 1), std::uint8_t('A'));
        QCOMPARE(SelectedWord, 0);
        QVERIFY(!Modified);
        QCOMPARE(sounds.waves, (std::vector<int>{1, 1}));
    }

    void loadFailuresKeepThePuzzleItsFileAndTheMode()
    {
        clearSettings();
        ScriptedDialogs dialogs;
        SoundLog sounds;
        openPuzzle(dialogs, puzzleB, true);
        openPuzzle(dialogs, puzzleA, false);
        QVERIFY(QFile::resize(puzzleB, 100));
        ZpxMainForm->History2->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QString("Error"));
        QCOMPARE(dialogs.messages[0].text, QString(CorruptPuzzleMessage));
        QCOMPARE(QString::fromStdString(PuzzleFileName), puzzleA);
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));
        QVERIFY(ZpxGridForm->isVisible());
        QVERIFY(LettersDistForm->isVisible());

        // Revert with the file damaged since: the changes in memory stay, still to be saved.
        editablePuzzleRecord().answer(2, 1) = 'Z';
        Modified = true;
        QVERIFY(QFile::resize(puzzleA, 11518));
        dialogs.answers.push_back(Answer::Yes);
        ZpxMainForm->ReverttoSaved1->trigger();
        QCOMPARE(dialogs.messages.size(), 3);
        QCOMPARE(dialogs.messages[2].text, QString(CorruptPuzzleMessage));
        QCOMPARE(sounds.waves, (std::vector<int>{7, 1, 7}));
        QCOMPARE(PuzzleRecord.answer(2, 1), std::uint8_t('Z'));
        QVERIFY(Modified);
        QCOMPARE(Mode, std::uint8_t(ModeConstruction));

        // Save still knows the file and mends it.
        ZpxMainForm->Save1->trigger();
        QVERIFY(!Modified);
        TPuzzleRecord saved;
        loadPuzzleFile(puzzleA.toStdString(), saved);
        QCOMPARE(saved.answer(2, 1), std::uint8_t('Z'));
        clearSettings();
    }

    void menuShortcutsWorkFromTheConstructionWindows()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        addSquareToWord(editablePuzzleRecord(), 1, 3, 1);
        SelectedWord = 1;
        ZpxGridForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ZpxGridForm));
        QTest::keyClick(ZpxGridForm, Qt::Key_F8);
        QCOMPARE(PuzzleRecord.slotSquareRef(201), 0);
        QVERIFY(Modified);
        QTest::keyClick(ZpxGridForm, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Modified);
    }

    void failingSaveKeepsTheChanges()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        const QByteArray original = fileBytes(puzzleA);
        Modified = true;
        editablePuzzleRecord().answer(2, 1) = 'Y';
        {
            const ScopedSaveFault diskFull([](SaveStep step, const auto&) { return step == SaveStep::Write ? ENOSPC : 0; });
            ZpxMainForm->Save1->trigger();
        }
        QVERIFY(Modified);
        QCOMPARE(fileBytes(puzzleA), original);
        QCOMPARE(dialogs.messages.last().text, QString("Disk full"));
        Modified = false;
    }

    void arrangementsWriteThePlaces()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        const QRect main = frameBounds(ZpxMainForm, captionHeight());
        ZpxMainForm->ArrangeWindows(1);
        QCOMPARE(ZpxProcs->ReadSetting("ScreenBoundsGrid", QString()), QString("10000,%1,0,0").arg(main.height()));
        QCOMPARE(ZpxProcs->ReadSetting("ScreenBoundsMain", QString()),
                 QString("2,2,%1,%2").arg(main.width()).arg(main.height()));
        QCOMPARE(ZpxProcs->ReadSetting("ScreenSquare", 0), AutoSquare);

        // The custom arrangement keeps the visible windows' places and leaves hidden ones alone.
        ZpxProcs->WriteSetting("ScreenBoundsLettersDist", QString("1,2,3,4"));
        LettersDistForm->hide();
        ZpxMainForm->ArrangeWindows(99);
        QCOMPARE(ZpxProcs->ReadSetting("ScreenBoundsLettersDist", QString()), QString("1,2,3,4"));
        const QRect grid = frameBounds(ZpxGridForm, smallCaptionHeight());
        QCOMPARE(ZpxProcs->ReadSetting("ScreenBoundsGrid", QString()),
                 QString("%1,%2,%3,%4").arg(grid.left()).arg(grid.top()).arg(grid.width()).arg(grid.height()));
        QVERIFY(!ZpxProcs->ReadSetting("ScreenBoundsAuthorTitle", QString()).startsWith("10000"));

        ZpxProcs->WriteBounds("ScreenBoundsMain", 30, 40, main.width(), main.height());
        ZpxMainForm->AutoArrange1->trigger();
        QCOMPARE(frameBounds(ZpxMainForm, captionHeight()).topLeft(), QPoint(30, 40));
        ZpxProcs->WriteSetting("ScreenBoundsMain", QString("30,x,1,1"));
        ZpxMainForm->AutoArrange1->trigger();
        QCOMPARE(dialogs.messages.last().text, QString("'x' is not a valid integer value"));
        QCOMPARE(frameBounds(ZpxMainForm, captionHeight()).topLeft(), QPoint(30, 40));
        clearSettings();
    }

    void closeQueryByMode()
    {
        ScriptedDialogs dialogs;
        openPuzzle(dialogs, puzzleA, false);
        Modified = true;
        dialogs.answers.push_back(Answer::Cancel);
        QVERIFY(!ZpxMainForm->close());
        QVERIFY(ZpxMainForm->isVisible());
        QVERIFY(Modified);
        QCOMPARE(dialogs.messages.last().text, QString("Puzzle has changed. Save current changes?"));

        Modified = false;
        openPuzzle(dialogs, puzzleB, true);
        editablePuzzleRecord().entry(1, 1) = 'K';
        Modified = true;
        const int asked = dialogs.messages.size();
        QVERIFY(ZpxMainForm->close());
        QCOMPARE(dialogs.messages.size(), asked);
        TPuzzleRecord saved;
        loadPuzzleFile(puzzleB.toStdString(), saved);
        QCOMPARE(saved.entry(1, 1), std::uint8_t('K'));
        QVERIFY(AllowClose);
    }
};

QTEST_MAIN(ZpxMainUnitTest)
#include "ZpxMainUnitTest.moc"
