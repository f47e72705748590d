// The windows under a real X server and window manager, on a 1280 × 1024
// screen: Auto Arrange leaves the grid and author-title windows clear of
// Autoclue, dialogs open over the window they came from and above every tool
// window that stays on top, and the keys of the dialogs and of help work.

#include "app/ZpxMainUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/DialogsUnit.h"
#include "core/PuzzleFile.h"
#include "core/SharedState.h"
#include "core/ZpxHelpUnit.h"
#include "output/AuthorAddressUnit.h"
#include "output/BylineUnit.h"
#include "output/ZpxPrintAnsUnit.h"
#include "output/ZpxPrintUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"
#include "support/X11Windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

using namespace zpx;
using namespace zpx::test;

namespace {

// Where the window stands in the window manager's stacking order, bottom first; -1 when not there.
long stackingPlace(const QWidget* window)
{
    const auto stacking = windowProperty(root(), "_NET_CLIENT_LIST_STACKING");
    const auto found = std::find(stacking.begin(), stacking.end(), uint32_t(window->winId()));
    return found == stacking.end() ? -1 : found - stacking.begin();
}

// Runs `look` on the modal dialog that opens next, once the window manager
// shows it, and then closes the dialog if `look` left it open.
void whenDialogOnScreen(const std::function<void(QDialog*)>& look)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look, tries = 0]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool shown = dialog && onScreen(dialog->winId());
        if (!shown && ++tries < 200)
            return;
        poll->deleteLater();
        if (shown)
            look(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    poll->start(50);
}

}  // namespace

class WindowMannersUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startWholeProgram();
        QTRY_VERIFY(onScreen(ZpxMainForm->winId()));
        // A 17 × 10 grid of twenty words, as a new quotation gives.
        std::vector<std::string> rows(10, "ABCDEFGH#IJKLMNOP");
        TPuzzleRecord record = gridRecord(rows);
        for (int word = 1; word <= 20; ++word)
            placeWord(record, word, {{word <= 8 ? word : word - 8 + 1, word <= 8 ? 1 : 2}});
        const QString puzzle = QDir(testFolder()).filePath(QStringLiteral("raft.zpx"));
        savePuzzleFile(puzzle.toStdString(), record);
        openPuzzle(puzzle, false);
        QTRY_VERIFY(onScreen(ZpxGridForm->winId()) && onScreen(ZpxTitleForm->winId()));
    }

    void autoArrangeLeavesTheGridAndAuthorTitleClearOfAutoclue()
    {
        ZpxMainForm->ArrangeWindows(1);
        AutoclueForm->show();
        QTRY_VERIFY(onScreen(AutoclueForm->winId()));
        QTest::keyClick(ZpxGridForm, Qt::Key_F9);
        QTest::qWait(300);
        const QRect autoclue = AutoclueForm->frameGeometry();
        QVERIFY(!autoclue.intersects(ZpxGridForm->frameGeometry()));
        QVERIFY(!autoclue.intersects(ZpxTitleForm->frameGeometry()));
        QVERIFY(AutoclueForm->screen()->geometry().contains(autoclue));
    }

    void dialogsOpenOverTheirWindowAboveTheToolWindows()
    {
        AutoclueForm->show();
        QTRY_VERIFY(onScreen(AutoclueForm->winId()));
        const QRect screen = AutoclueForm->screen()->availableGeometry();
        struct Seen {
            bool fields = false;
            long above = -1;
            QRect frame;
        };

        // From the small main window in its corner: the Author Address dialog, with its fields.
        ZpxMainForm->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), ZpxMainForm);
        Seen address;
        whenDialogOnScreen([&address](QDialog* dialog) {
            address = {AuthorAddressForm->NameEdit->isVisible() && AuthorAddressForm->OkBtn->isVisible(),
                       stackingPlace(dialog) - stackingPlace(AutoclueForm), dialog->frameGeometry()};
        });
        ZpxMainForm->AuthorAddress1->trigger();
        QVERIFY(address.fields);
        QVERIFY(address.above > 0);
        QVERIFY(screen.contains(address.frame) && address.frame.topLeft() != screen.topLeft());

        // From a tool window: a message box and a file dialog centred over it.
        const QPoint gridCentre = ZpxGridForm->frameGeometry().center();
        for (const std::function<void()>& open : std::vector<std::function<void()>>{
                 [] {
                     showMessage({MessageKind::Question, MessageButtons::YesNoCancel, QStringLiteral("Confirm"),
                                  QStringLiteral("Puzzle has changed. Save current changes?")});
                 },
                 [] {
                     chooseFile({false, QStringLiteral("Open puzzle for constructing"), {}, QStringLiteral("zpx"),
                                 QStringLiteral("Zephyrtrace Puzzle |*.zpx"), testFolder()});
                 }}) {
            ZpxGridForm->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), ZpxGridForm);
            Seen dialog;
            whenDialogOnScreen([&dialog](QDialog* shown) {
                dialog = {true, stackingPlace(shown) - stackingPlace(AutoclueForm), shown->frameGeometry()};
            });
            open();
            QVERIFY(dialog.above > 0);
            QVERIFY((dialog.frame.center() - gridCentre).manhattanLength() < 40);
        }

        // Format Solution over the print dialog, which stays on top itself.
        long solutionAbovePrint = -1;
        whenDialogOnScreen([&solutionAbovePrint](QDialog* print) {
            whenDialogOnScreen([&solutionAbovePrint, print](QDialog* solution) {
                solutionAbovePrint = solution == ZpxPrintAnsForm ? stackingPlace(solution) - stackingPlace(print) : -1;
            });
            ZpxPrintForm->AnswersBtn->click();
        });
        ZpxMainForm->Print1->trigger();
        QVERIFY(solutionAbovePrint > 0);
    }

    void f1OpensTheHelpBookOnTheScreenAndEscapeClosesIt()
    {
        activate(ZpxGridForm);
        QTest::keyClick(ZpxGridForm, Qt::Key_F1);
        THelpForm* help = ZpxHelpWindow();
        QTRY_VERIFY(help->isVisible() && onScreen(help->winId()));
        QVERIFY(help->currentPage().endsWith(QStringLiteral("constructing.html")));
        QTRY_VERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        // Escape is the help window's own key: it reaches it once the window manager made it active.
        activate(help);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void bylineTakesASelectedOverNameAndEnter()
    {
        whenDialogOnScreen([](QDialog*) {
            QTest::keyClick(BylineForm->BylineEdit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(BylineForm->BylineEdit, QStringLiteral("Ann Setter"));
            QTest::keyClick(BylineForm->BylineEdit, Qt::Key_Return);
        });
        ZpxMainForm->Byline1->trigger();
        QCOMPARE(PuzzleRecord.Byline.text(), std::string("Ann Setter"));
        Modified = false;
    }
};

QTEST_MAIN(WindowMannersUnitTest)
#include "WindowMannersUnitTest.moc"
