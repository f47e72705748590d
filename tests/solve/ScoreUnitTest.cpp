#include "solve/ScoreUnit.h"
#include "solve/ZpxClockUnit.h"

#include "core/PuzzleEdits.h"
#include "core/PuzzleFile.h"
#include "core/ScreenMetricsUnit.h"
#include "support/GridWindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cerrno>
#include <functional>
#include <memory>
#include <optional>

using namespace zpx;
using namespace zpx::test;

namespace {

// "WATER#" / "#THE#A" with every letter entered as `rows` shows it, '.' empty.
TPuzzleRecord entered(const std::vector<std::string>& rows)
{
    TPuzzleRecord record = gridRecord({"WATER#", "#THE#A"});
    placeWord(record, 1, {{1, 1}, {2, 1}});
    for (int r = 1; r <= record.GridHeight; ++r)
        for (int c = 1; c <= record.GridWidth; ++c)
            record.entry(c, r) = rows[r - 1][c - 1] == '.' ? 0 : static_cast<std::uint8_t>(rows[r - 1][c - 1]);
    return record;
}

const std::vector<std::string> Solved = {"WATER.", ".THE.A"};
const std::vector<std::string> OneEmpty = {"WATER.", ".T.E.A"};

// The card as the solver saw it.
struct CardSeen {
    bool modal = false;
    QString banner;
    QColor bannerColour;
    bool cheatShown = false;
    bool showErrsEnabled = false;
    bool deleteEnabled = false;
};

// Runs `answer` once the card shows: a correct score celebrates first.
void whenCardShows(const std::function<void()>& answer)
{
    whenShown(ScoreForm, answer);
}

// Scores the puzzle; the solver's choice once the card has closed.
std::optional<ScoreChoice> showCard()
{
    const auto chosen = std::make_shared<std::optional<ScoreChoice>>();
    ScoreForm->ShowModal([chosen](ScoreChoice choice) { *chosen = choice; });
    return QTest::qWaitFor([chosen] { return chosen->has_value(); }, 10000) ? *chosen : std::nullopt;
}

bool allEntriesEmpty(const TPuzzleRecord& record)
{
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxColumns; ++c)
            if (record.entry(c, r) != 0)
                return false;
    return true;
}

}  // namespace

class ScoreUnitTest : public QObject {
    Q_OBJECT

    // Grid paints while the card was still hidden: the celebration's passes.
    int gridPaintsBeforeCard = 0;

    // Scores the puzzle and answers the card with `button`.
    std::optional<ScoreChoice> score(QPushButton* TScoreForm::*button, CardSeen& seen)
    {
        gridPaintsBeforeCard = 0;
        whenCardShows([&seen, button] {
            seen = {ScoreForm->isModal(),
                    ScoreForm->BannerLbl->text(),
                    ScoreForm->BannerLbl->palette().color(QPalette::WindowText),
                    ScoreForm->CheatLbl->isVisible(),
                    ScoreForm->ShowErrsBtn->isEnabled(),
                    ScoreForm->DeleteBtn->isEnabled()};
            (ScoreForm->*button)->click();
        });
        return showCard();
    }

public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == ZpxGridForm && event->type() == QEvent::Paint && !ScoreForm->isVisible())
            ++gridPaintsBeforeCard;
        return false;
    }

private slots:
    void initTestCase()
    {
        createConstructionWindows();
        ScoreForm = new TScoreForm;
        ZpxClockForm = new TZpxClockForm;
        ZpxGridForm->installEventFilter(this);
    }

    void init()
    {
        showPuzzle(entered(Solved), ModeSolve);
        QVERIFY(QTest::qWaitForWindowExposed(ZpxGridForm));
        SoundMode = 1;
    }

    void correctPuzzleCelebratesThenCongratulates()
    {
        SoundLog sounds;
        CardSeen seen;
        QCOMPARE(score(&TScoreForm::DeleteBtn, seen), std::optional(ScoreChoice::RecycleBin));
        QVERIFY(seen.modal);
        QCOMPARE(seen.banner, QStringLiteral("CONGRATULATIONS!"));
        QCOMPARE(seen.bannerColour, QColor(0x00, 0x00, 0x80));
        QVERIFY(!seen.cheatShown);
        QVERIFY(!seen.showErrsEnabled);
        QVERIFY(seen.deleteEnabled);
        QCOMPARE(sounds.waves, std::vector<int>{2});
        QVERIFY2(gridPaintsBeforeCard >= 20, qPrintable(QString::number(gridPaintsBeforeCard)));

        // A revealed letter leaves the verdict but adds the note; silence plays nothing.
        puzzleEdits().noteAnswersShown();
        SoundMode = 0;
        QCOMPARE(score(&TScoreForm::CancelBtn, seen), std::optional(ScoreChoice::Nothing));
        QCOMPARE(seen.banner, QStringLiteral("CONGRATULATIONS!"));
        QVERIFY(seen.cheatShown);
        QCOMPARE(sounds.waves, std::vector<int>{2});
    }

    void oneEmptySquareIsIncorrect()
    {
        puzzleEdits().noteAnswersShown();
        CardSeen seen;
        QCOMPARE(score(&TScoreForm::CancelBtn, seen), std::optional(ScoreChoice::Nothing));
        QVERIFY(seen.cheatShown);

        editablePuzzleRecord() = entered(OneEmpty);
        SoundLog sounds;
        QCOMPARE(score(&TScoreForm::ShowErrsBtn, seen), std::optional(ScoreChoice::ShowErrors));
        QCOMPARE(seen.banner, QStringLiteral("PUZZLE INCORRECT!"));
        QCOMPARE(seen.bannerColour, Red);
        QVERIFY(!seen.cheatShown);
        QVERIFY(seen.showErrsEnabled);
        QVERIFY(!seen.deleteEnabled);
        QCOMPARE(sounds.waves, std::vector<int>{3});
        QVERIFY2(gridPaintsBeforeCard < 20, qPrintable(QString::number(gridPaintsBeforeCard)));
    }

    void startOverAsksThenEmptiesTheGridAndRewritesTheFile()
    {
        const QString path = testFolder() + QStringLiteral("/start-over.zpx");
        PuzzleFileName = path.toStdString();
        puzzleEdits().startFresh(entered(OneEmpty));
        savePuzzleFile(PuzzleFileName, PuzzleRecord);
        const QByteArray original = fileBytes(path);
        ScriptedDialogs dialogs;

        // Starting over, with the card still open after each answer: No and a
        // closed question keep the attempt; Yes with a failing write is reported,
        // keeps the old file and leaves the puzzle modified.
        struct Case {
            Answer answer;
            bool diskFull;
            bool emptied;
        };
        for (const Case c : {Case{Answer::No, false, false}, Case{Answer::Cancel, false, false},
                             Case{Answer::Yes, true, true}}) {
            dialogs.answers = {c.answer};
            bool cardStayed = false;
            whenCardShows([&cardStayed, c] {
                {
                    const ScopedSaveFault diskFull([c](SaveStep step, const auto&) {
                        return c.diskFull && step == SaveStep::Write ? ENOSPC : 0;
                    });
                    ScoreForm->StartOverBtn->click();
                }
                cardStayed = ScoreForm->isVisible();
                ScoreForm->CancelBtn->click();
            });
            QCOMPARE(showCard(), std::optional(ScoreChoice::Nothing));
            QVERIFY(cardStayed);
            QCOMPARE(dialogs.messages.first().text,
                     QStringLiteral("Clear every letter you have entered and start over?"));
            QCOMPARE(dialogs.messages.first().buttons, MessageButtons::YesNo);
            QCOMPARE(fileBytes(path), original);
            QCOMPARE(allEntriesEmpty(PuzzleRecord), c.emptied);
            QCOMPARE(Modified, c.emptied);
            QCOMPARE(dialogs.messages.last().text,
                     c.diskFull ? QStringLiteral("Disk full") : dialogs.messages.first().text);
            dialogs.messages.clear();
        }

        // Yes empties the grid and writes the file; Undo brings the letters back.
        puzzleEdits().startFresh(entered(OneEmpty));
        CardSeen seen;
        dialogs.answers = {Answer::Yes};
        QCOMPARE(score(&TScoreForm::StartOverBtn, seen), std::optional(ScoreChoice::Nothing));
        QVERIFY(!ScoreForm->isVisible());
        QVERIFY(allEntriesEmpty(PuzzleRecord));
        QVERIFY(!Modified);
        TPuzzleRecord saved;
        loadPuzzleFile(PuzzleFileName, saved);
        QVERIFY(allEntriesEmpty(saved));
        QCOMPARE(readingOrder(saved), readingOrder(PuzzleRecord));
        QCOMPARE(saved.slotSquareRef(101), 101);
        QCOMPARE(puzzleEdits().undoStep(), EditStep::StartOver);
        puzzleEdits().undo();
        QCOMPARE(PuzzleRecord.entry(1, 1), std::uint8_t('W'));
        QVERIFY(Modified);
        PuzzleFileName.clear();
    }

    void clockCountsFromTheFirstLetterClearOfTheGrid()
    {
        editablePuzzleRecord() = entered(OneEmpty);
        ZpxClockForm->StartSession();
        ZpxClockForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ZpxClockForm));
        QVERIFY(!ZpxClockForm->frameGeometry().intersects(ZpxGridForm->frameGeometry()));
        QCOMPARE(ZpxClockForm->TimeLbl->text(), QStringLiteral("0:00:00"));
        QVERIFY(!ZpxClockForm->Timer1->isActive());

        // The count is the puzzle's: it runs on from the time kept, and the card shows it.
        puzzleEdits().resetSolvingTime();
        for (int second = 0; second < 3599; ++second)
            puzzleEdits().addSolvingSecond();
        ZpxClockForm->LetterEntered();
        QVERIFY(ZpxClockForm->Timer1->isActive());
        QTRY_COMPARE(ZpxClockForm->TimeLbl->text(), QStringLiteral("1:00:00"));
        whenCardShows([] {
            QCOMPARE(ScoreForm->TimeLbl->text(), QStringLiteral("Time: 1:00:00"));
            ScoreForm->CancelBtn->click();
        });
        QCOMPARE(showCard(), std::optional(ScoreChoice::Nothing));

        // A correct solution stops the count; Reset sets it back to zero.
        editablePuzzleRecord() = entered(Solved);
        QTest::qWait(1100);
        QCOMPARE(puzzleEdits().progress().secondsSpent, 3600u);
        ZpxClockForm->ResetBtn->click();
        QCOMPARE(ZpxClockForm->TimeLbl->text(), QStringLiteral("0:00:00"));
        QCOMPARE(puzzleEdits().progress().secondsSpent, 0u);
        ZpxClockForm->hide();
    }

    void pauseAndContinueLookDifferent()
    {
        ZpxClockForm->StartSession();
        ZpxClockForm->LetterEntered();
        ZpxClockForm->show();
        QToolButton* const clock = ZpxClockForm->ClockBtn;
        QToolButton* const reset = ZpxClockForm->ResetBtn;
        const auto look = [clock] { return clock->icon().pixmap(16, 16).toImage(); };
        const auto expectRunning = [&](bool running) {
            QCOMPARE(ZpxClockForm->Timer1->isActive(), running);
            QCOMPARE(clock->toolTip(), running ? QStringLiteral("Pause clock") : QStringLiteral("Continue clock"));
            QCOMPARE(reset->isEnabled(), running);
            QCOMPARE(reset->toolTip(), running ? QStringLiteral("Reset clock") : QString());
        };
        expectRunning(true);
        const QImage pauseLook = look();
        clock->click();
        expectRunning(false);
        QVERIFY(look() != pauseLook);

        // Hidden while paused, it stays paused; a new session runs from its first letter.
        ZpxClockForm->hide();
        ZpxClockForm->show();
        expectRunning(false);
        ZpxClockForm->StartSession();
        ZpxClockForm->LetterEntered();
        expectRunning(true);
        QCOMPARE(look(), pauseLook);
        ZpxClockForm->hide();
    }
};

QTEST_MAIN(ScoreUnitTest)
#include "ScoreUnitTest.moc"
