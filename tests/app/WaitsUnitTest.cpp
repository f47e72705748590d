// The program's waits (the notice's second after a save or an export, the
// solved puzzle's celebration, "NO MORE CLUES!") run on timers: the command
// that starts one returns at once, so a command issued meanwhile never runs
// inside it.

#include "app/ZpxMainUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "core/PuzzleFile.h"
#include "env/ZpxMsgUnit.h"
#include "solve/ScoreUnit.h"
#include "support/GridWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace zpx;
using namespace zpx::test;

namespace {

// Two words, "CAT" and "DOG", using every square; entered when `solved`.
TPuzzleRecord twoWords(bool solved = false)
{
    TPuzzleRecord record = gridRecord({"CAT", "DOG"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    placeWord(record, 2, {{1, 2}, {2, 2}, {3, 2}});
    for (int c = 1; solved && c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            record.entry(c, r) = record.answer(c, r);
    return record;
}

// Whether an event posted before `command` was handled while the command
// ran: the mark of an event loop run inside it.
bool handledAnEventInside(const std::function<void()>& command)
{
    bool running = true;
    bool inside = false;
    QMetaObject::invokeMethod(qApp, [&] { inside = running; }, Qt::QueuedConnection);
    command();
    running = false;
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
    return inside;
}

}  // namespace

class WaitsUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

    void open(const TPuzzleRecord& record, bool solving)
    {
        savePuzzleFile(puzzle.toStdString(), record);
        Modified = false;
        openPuzzle(puzzle, solving);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QDir(testFolder()).filePath("data").toUtf8());
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("pets.zpx");
        SoundMode = 0;
    }

    void everyWaitReturnsAtOnceAndEndsByItself()
    {
        bool cardAnswered = false;
        struct Wait {
            const char* name;
            std::function<void()> prepare;
            std::function<void()> command;
            std::function<bool()> over;
        };
        const auto noticeGone = [] { return !InfoWin->isVisible(); };
        const Wait waits[] = {
            {"save", [this] { open(twoWords(), false); }, [] { ZpxMainForm->Save1->trigger(); }, noticeGone},
            {"clues to the clipboard", [this] { open(twoWords(), false); },
             [] { ZpxMainForm->CluestoClipboard1->trigger(); }, noticeGone},
            {"no more clues",
             [this] {
                 open(twoWords(), false);
                 ZpxMainForm->AutoclueBtnClick();
                 AutoclueForm->CurrentWord = 2;
                 AutoclueForm->ShowWord();
             },
             [] { AutoclueForm->NextBtnClick(); },
             [] { return AutoclueForm->NumLbl->text() == QStringLiteral("Acrostic Clue B"); }},
            {"celebration",
             [this, &cardAnswered] {
                 open(twoWords(true), true);
                 cardAnswered = false;
                 whenShown(ScoreForm, [&cardAnswered] {
                     cardAnswered = true;
                     ScoreForm->CancelBtn->click();
                 });
             },
             [] { ZpxMainForm->ScorePuzzle1->trigger(); }, [&cardAnswered] { return cardAnswered; }},
        };
        for (const Wait& wait : waits) {
            wait.prepare();
            QVERIFY2(!handledAnEventInside(wait.command), wait.name);
            QVERIFY2(!wait.over(), wait.name);
            QTRY_VERIFY2_WITH_TIMEOUT(wait.over(), wait.name, 5000);
        }
    }

    void clicksDuringTheCelebrationReachNoWindow()
    {
        open(twoWords(true), true);
        bool cardShown = false;
        whenShown(ScoreForm, [&cardShown] {
            cardShown = true;
            ScoreForm->CancelBtn->click();
        });
        ZpxMainForm->ScorePuzzle1->trigger();
        const QPoint square = gridSquareInside(2, 1).center();
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, square);
        QVERIFY(!ZpxGridForm->cursorSquare());
        QTRY_VERIFY_WITH_TIMEOUT(cardShown, 5000);
        QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {}, square);
        QVERIFY(ZpxGridForm->cursorSquare());
    }
};

QTEST_MAIN(WaitsUnitTest)
#include "WaitsUnitTest.moc"
