// The solver's ways out on a real X server under a window manager, with real
// keys on the questions: a puzzle that cannot be written lets the program
// close without its changes, and Start Over answered with Escape keeps the
// attempt. Both leave the puzzle file as it was.

#include "app/ZpxMainUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "solve/ScoreUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include <unistd.h>

using namespace zpx;
using namespace zpx::test;

namespace {

// The first letter square in reading order.
GridSquare firstLetterSquare()
{
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c)
            if (!PuzzleRecord.isFilled(c, r))
                return {c, r};
    return {1, 1};
}

// Clicks the first letter square and types `letters` into the grid.
void typeIntoGrid(const char* letters)
{
    activate(ZpxGridForm);
    const GridSquare first = firstLetterSquare();
    const int s = ScreenSquare;
    QTest::mouseClick(ZpxGridForm, Qt::LeftButton, {},
                      QPoint((first.column - 1) * s + s / 2, (first.row - 1) * s + s / 2));
    QTest::keyClicks(ZpxGridForm, letters);
}

// Opens the main window's menu with Alt and its mnemonic, and chooses an item by its own.
void chooseFromMenu(Qt::Key menu, Qt::Key item)
{
    activate(ZpxMainForm);
    QTest::keyClick(ZpxMainForm, menu, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), item);
}

// Runs `action` once `ready` holds, polling from the event loop, so a modal
// window's own loop can run meanwhile.
void once(const std::function<bool()>& ready, const std::function<void()>& action)
{
    QTimer::singleShot(20, qApp, [=] {
        if (ready())
            action();
        else
            once(ready, action);
    });
}

bool activeMessageBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box && box->isVisible() && QApplication::activeWindow() == box;
}

// Presses the key on the next message box once the window manager has made
// it active, as a person would; `asked` gets its text, and `afterwards` runs
// once the box has gone.
void answerNextMessage(Qt::Key key, Qt::KeyboardModifiers modifiers, QString* asked,
                       const std::function<void()>& afterwards = [] {})
{
    once(activeMessageBox, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        *asked = box->text();
        QTest::keyClick(box, key, modifiers);
        once([] { return !qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, afterwards);
    });
}

// Where the tests run as root, who may write anything, the real user
// becomes an ordinary one while this lives, so permissions hold.
class OrdinaryUser {
public:
    OrdinaryUser()
    {
        if (::getuid() == 0)
            dropped = ::setresuid(65534, 65534, 0) == 0;
    }
    ~OrdinaryUser()
    {
        if (dropped && ::setresuid(0, 0, 0) != 0)
            qFatal("cannot return to the test's own user");
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool dropped = false;
};

}  // namespace

class WayOutUnitTest : public QObject {
    Q_OBJECT

private:
    QString folder;
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        const TPuzzleRecord record =
            newConstruction("NOTHING IS SO FIRMLY BELIEVED AS WHAT WE LEAST KNOW ABOUT", "MONTAIGNE ESSAYS");
        folder = QDir(testFolder()).filePath("shelf");
        QVERIFY(QDir().mkpath(folder));
        puzzle = QDir(folder).filePath("essays.zpx");
        savePuzzleFile(puzzle.toStdString(), record);
        SoundMode = 0;
    }

    void startOverAnsweredWithEscapeKeepsTheAttempt()
    {
        openPuzzle(puzzle, true);
        typeIntoGrid("nothing");
        QTest::keyClick(ZpxGridForm, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Modified);
        const QByteArray saved = fileBytes(puzzle);
        const std::uint8_t firstEntry = PuzzleRecord.entry(firstLetterSquare().column, firstLetterSquare().row);
        QCOMPARE(firstEntry, std::uint8_t('N'));

        QString asked;
        bool cardStayed = false;
        whenShown(ScoreForm, [&] {
            activate(ScoreForm);
            answerNextMessage(Qt::Key_Escape, {}, &asked, [&] {
                cardStayed = ScoreForm->isVisible();
                ScoreForm->CancelBtn->click();
            });
            QTest::keyClick(ScoreForm, Qt::Key_S, Qt::AltModifier);
        });
        chooseFromMenu(Qt::Key_O, Qt::Key_S);
        QTRY_VERIFY(!ScoreForm->isVisible());
        QCOMPARE(asked, QStringLiteral("Clear every letter you have entered and start over?"));
        QVERIFY(cardStayed);
        QCOMPARE(PuzzleRecord.entry(firstLetterSquare().column, firstLetterSquare().row), firstEntry);
        QVERIFY(!Modified);
        QCOMPARE(fileBytes(puzzle), saved);
    }

    // Last: the program's windows close.
    void aReadOnlyPuzzleClosesWithDiscardChanges()
    {
        openPuzzle(puzzle, true);
        QVERIFY(QFile::setPermissions(puzzle, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        const QByteArray before = fileBytes(puzzle);
        typeIntoGrid("believed");
        QVERIFY(Modified);

        QString asked;
        {
            const OrdinaryUser user;
            answerNextMessage(Qt::Key_D, Qt::AltModifier, &asked);
            chooseFromMenu(Qt::Key_P, Qt::Key_X);
            QTRY_VERIFY(!ZpxMainForm->isVisible());
        }
        QVERIFY2(asked.contains(QStringLiteral("File access denied")), qPrintable(asked));
        QTRY_VERIFY(!ZpxGridForm->isVisible());
        for (const QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
        QCOMPARE(fileBytes(puzzle), before);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(WayOutUnitTest)
#include "WayOutUnitTest.moc"
