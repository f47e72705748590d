// Writing clues in the Autoclue window as the main window opens it: moving
// between words, the editing keys, the refusal of characters the record
// cannot hold, and the definitions list and special characters beside it.

#include "app/ZpxMainUnit.h"
#include "clues/CharMapUnit.h"
#include "clues/DefListUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "core/ZpxProcsUnit.h"
#include "support/GridWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Thirty two-letter words, word w on column w: "AN", "BO", ... so the last
// four are labelled aa to dd. Clues as given, by word.
void writePuzzle(const QString& path, const std::map<int, std::string>& clues = {})
{
    TPuzzleRecord record = gridRecord({"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", "NOPQRSTUVWXYZABCDEFGHIJKLMNOPQ"});
    for (int w = 1; w <= MaxWords; ++w)
        placeWord(record, w, {{w, 1}, {w, 2}});
    for (const auto& [word, clue] : clues)
        record.Clues[word - 1].assign(clue);
    savePuzzleFile(path.toStdString(), record);
}

QString clueOf(int word)
{
    return QString::fromStdString(cp1252ToUtf8(PuzzleRecord.Clues[word - 1].text()));
}

QLineEdit* edit() { return AutoclueForm->DefEdit; }

// Typed character by character as a keyboard layout would give them, beyond ASCII too.
void typeText(const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit(), &press);
    }
}

void pressCtrl(Qt::Key key)
{
    QTest::keyClick(edit(), key, Qt::ControlModifier);
}

}  // namespace

class ZpxAutoUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

    void openWith(const std::map<int, std::string>& clues)
    {
        AutoclueForm->close();
        writePuzzle(puzzle, clues);
        Modified = false;
        openPuzzle(puzzle, false);
        ZpxMainForm->AutoclueBtnClick();
        QVERIFY(AutoclueForm->isVisible());
    }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("pairs.zpx");
    }

    void init()
    {
        clearSettings();
        SoundMode = 0;
        openWith({});
    }

    void cleanup()
    {
        Modified = false;
    }

    void typingStoresEveryChangeAndMovingLoadsWithoutChange()
    {
        QCOMPARE(AutoclueForm->NumLbl->text(), QString("Acrostic Clue A"));
        QCOMPARE(AutoclueForm->ClueLbl->text(), QString("AN"));
        QVERIFY(!AutoclueForm->CountLbl->isVisible());
        QVERIFY(AutoclueForm->CluesBtn->isEnabled());
        QVERIFY(!AutoclueForm->AddBtn->isEnabled());

        QTest::keyClicks(edit(), "Article");
        QCOMPARE(clueOf(1), QString("Article"));
        QVERIFY(Modified);

        // Enter moves on like Next; the clue typed there belongs to B.
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(AutoclueForm->CurrentWord, 2);
        QCOMPARE(AutoclueForm->NumLbl->text(), QString("Acrostic Clue B"));
        QTest::keyClicks(edit(), "Paris Rive Gauche");
        QCOMPARE(clueOf(2), QString("Paris Rive Gauche"));
        QCOMPARE(clueOf(1), QString("Article"));

        // Saved and opened again: moving between the stored clues changes nothing.
        ZpxMainForm->Save1Click();
        openWith({{1, "Article"}, {2, "Paris Rive Gauche"}});
        QVERIFY(!Modified);
        AutoclueForm->PrevBtnClick();
        QCOMPARE(AutoclueForm->CurrentWord, 1);
        AutoclueForm->NextBtnClick();
        AutoclueForm->NextBtnClick();
        QCOMPARE(edit()->text(), QString());
        AutoclueForm->PrevBtnClick();
        QCOMPARE(edit()->text(), QString("Paris Rive Gauche"));
        QCOMPARE(edit()->cursorPosition(), edit()->text().size());
        QVERIFY(!Modified);
    }

    void nextAtTheLastWordShowsNoMoreCluesAndStays()
    {
        SoundLog sounds;
        SoundMode = 1;
        SelectedWord = 30;
        AutoclueForm->close();
        AutoclueForm->show();
        QCOMPARE(AutoclueForm->NumLbl->text(), QString("Acrostic Clue dd"));
        edit()->setText("Queue");
        AutoclueForm->NextBtnClick();
        QCOMPARE(AutoclueForm->NumLbl->text(), QString("NO MORE CLUES!"));
        QCOMPARE(AutoclueForm->NumLbl->palette().color(QPalette::WindowText), QColor(Qt::red));
        // Keys are not taken while the notice shows.
        QTest::keyClicks(edit(), "x");
        QCOMPARE(sounds.waves, std::vector<int>{4});
        QCOMPARE(AutoclueForm->CurrentWord, 30);
        QTRY_COMPARE(AutoclueForm->NumLbl->text(), QString("Acrostic Clue dd"));
        QCOMPARE(AutoclueForm->NumLbl->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
        QCOMPARE(clueOf(30), QString("Queue"));
    }

    void nextUndefinedWordSkipsWordsWithClues()
    {
        std::map<int, std::string> clues;
        for (int w = 1; w <= MaxWords; ++w)
            if (w != 3 && w != 7)
                clues[w] = "Clue " + std::to_string(w);
        openWith(clues);
        AutoclueForm->BlankBtnClick();
        QCOMPARE(AutoclueForm->CurrentWord, 3);
        AutoclueForm->BlankBtnClick();
        QCOMPARE(AutoclueForm->CurrentWord, 7);
        SoundLog sounds;
        AutoclueForm->BlankBtnClick();
        QCOMPARE(AutoclueForm->CurrentWord, 30);
        QTRY_COMPARE(AutoclueForm->NumLbl->text(), QString("Acrostic Clue dd"));
        QCOMPARE(edit()->text(), QString("Clue 30"));
        QVERIFY(sounds.waves.empty());
        QVERIFY(!Modified);
    }

    void editingKeysAndCounts()
    {
        ZpxProcs->WriteSetting("EntryCounts", true);
        openWith({});
        QCOMPARE(AutoclueForm->CountLbl->text(), QString("(2)"));
        QVERIFY(AutoclueForm->CtBtn->isVisible());

        QTest::keyClicks(edit(), "Onto");
        pressCtrl(Qt::Key_N);
        QCOMPARE(edit()->text(), QString("Onto (2)"));
        edit()->setCursorPosition(2);
        pressCtrl(Qt::Key_U);
        QCOMPARE(edit()->text(), QString("On___to (2)"));
        // A selected text stays after the blank.
        edit()->setSelection(0, 2);
        pressCtrl(Qt::Key_U);
        QCOMPARE(edit()->text(), QString("___On___to (2)"));
        AutoclueForm->CtBtn->click();
        QCOMPARE(clueOf(1), QString("___On___to (2) (2)"));
        pressCtrl(Qt::Key_Y);
        QCOMPARE(clueOf(1), QString());

        // At 80 characters the line takes no more, also from Ctrl+N.
        QTest::keyClicks(edit(), QString(79, 'z'));
        pressCtrl(Qt::Key_N);
        QCOMPARE(clueOf(1).size(), 80);
    }

    void charactersOutsideWindows1252AreRefusedAtEntry()
    {
        typeText(QString::fromUtf8("“Café”"));
        QCOMPARE(PuzzleRecord.Clues[0].text(), std::string("\x93" "Caf\xE9\x94"));
        typeText(QString::fromUtf8("→"));
        QApplication::clipboard()->setText(QString::fromUtf8(" x→y"));
        AutoclueForm->InsertBtnClick();
        QCOMPARE(edit()->text(), QString::fromUtf8("“Café”"));
        // A paste of several lines comes in as one.
        QApplication::clipboard()->setText(QString::fromUtf8(" – 1½\r\n©\t"));
        AutoclueForm->InsertBtnClick();
        QCOMPARE(PuzzleRecord.Clues[0].text(), std::string("\x93" "Caf\xE9\x94 \x96 1\xBD \xA9 "));
    }

    void definitionsListFollowsTheCluesAndMovesTheWindow()
    {
        openWith({{2, "Paris Rive Gauche"}, {28, "Saint"}});
        AutoclueForm->CurrentWord = 29;
        AutoclueForm->ListdefsBtnClick();
        QVERIFY(DefListForm->isVisible());
        QListWidget* list = DefListForm->AcrList;
        QCOMPARE(list->count(), 30);
        // The line of the word being written is in view, even where all thirty do not fit.
        const QRect line = list->visualItemRect(list->item(28));
        QVERIFY(line.top() >= 0 && line.bottom() < list->viewport()->height());
        QCOMPARE(list->item(1)->text(), QString("Paris Rive Gauche  | BO"));
        QCOMPARE(list->item(0)->text(), QString("  | AN"));
        QStringList labels;
        for (int line = 26; line < 30; ++line)
            labels << list->item(line)->data(DefinitionLabelRole).toString() + list->item(line)->text();
        QCOMPARE(labels, QStringList({"aa.  | AN", "bb.Saint  | BO", "cc.  | CP", "dd.  | DQ"}));

        // A click moves the Autoclue window; typing there rebuilds that word's line only.
        list->scrollToItem(list->item(27));
        clickListLine(list, 27);
        QCOMPARE(AutoclueForm->CurrentWord, 28);
        QCOMPARE(edit()->text(), QString("Saint"));
        QTest::keyClicks(edit(), "s");
        QCOMPARE(list->item(27)->text(), QString("Saints  | BO"));
        QCOMPARE(list->item(1)->text(), QString("Paris Rive Gauche  | BO"));

        AutoclueForm->ListdefsBtnClick();
        QVERIFY(!DefListForm->isVisible());
        AutoclueForm->ListdefsBtnClick();
        AutoclueForm->CharsBtnClick();
        AutoclueForm->OkBtn->click();
        QVERIFY(!AutoclueForm->isVisible());
        QVERIFY(!DefListForm->isVisible());
        QVERIFY(!CharMapForm->isVisible());
    }

    void specialCharactersAreTheTableAndGoInAtTheCaret()
    {
        const QStringList table = {
            "___ ¢ £ ¡ ¥ … § – — ©", "« ‘ ’ “ ” ° ± ² ³ ®", "µ ¶ š Š ¹ º » ¼ ½ ¾", "¿ À Á Â Ã Ä Å Æ Ç È",
            "É Ê Ë Ì Í Î Ï Ð Ñ Ò", "Ó Ô Õ Ö × Ø Ù Ú Û Ü", "Ý Þ ß à á â ã ä å æ", "ç è é ê ë ì í î ï ð",
            "ñ ò ó ô õ ö ÷ ø ù ú", "û ü ý þ ÿ ƒ Œ œ Ÿ ™",
        };
        AutoclueForm->CharsBtnClick();
        QTableWidget* grid = CharMapForm->CharGrid;
        QCOMPARE(grid->selectedItems().size(), 0);
        for (int row = 0; row < 10; ++row) {
            QStringList cells;
            for (int column = 0; column < 10; ++column)
                cells << grid->item(row, column)->text();
            QCOMPARE(cells.join(' '), table[row]);
        }
        // Every character whole in its cell, and room for the caption.
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 10; ++column)
                QVERIFY(metrics.horizontalAdvance(grid->item(row, column)->text()) < grid->columnWidth(column));
        QVERIFY(metrics.height() < grid->rowHeight(0));
        QVERIFY(QFontMetrics(QApplication::font()).horizontalAdvance(CharMapForm->windowTitle()) < CharMapForm->width());

        const auto clickCell = [grid](int column, int row) {
            const QRect cell = grid->visualRect(grid->model()->index(row, column));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        };
        QTest::keyClicks(edit(), "Mark");
        clickCell(9, 0);
        clickCell(9, 0);
        QCOMPARE(PuzzleRecord.Clues[0].text(), std::string("Mark\xA9\xA9"));
        edit()->setSelection(0, 4);
        clickCell(0, 0);
        QCOMPARE(edit()->text(), QString("___Mark©©"));
        AutoclueForm->close();
        QVERIFY(!CharMapForm->isVisible());
    }

    void writeTheCluesWarnsOnAnIncompletePuzzleAndFollowsTheSelection()
    {
        AutoclueForm->close();
        TPuzzleRecord record = gridRecord({"ABC", "NOP"});
        placeWord(record, 1, {{1, 1}, {1, 2}});
        placeWord(record, 2, {{2, 1}});
        savePuzzleFile(puzzle.toStdString(), record);
        openPuzzle(puzzle, false);

        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::No, Answer::Yes};
        ZpxMainForm->AutoclueBtn->click();
        QVERIFY(!AutoclueForm->isVisible());
        ZpxMainForm->AutoclueBtn->click();
        QVERIFY(AutoclueForm->isVisible());
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[0].caption, QString("Warning"));
        QCOMPARE(dialogs.messages[0].text,
                 QString("Running Autoclue before completing puzzle is not recommended. Start Autoclue anyway?"));

        // Selecting a word in the author-title window moves the window there.
        ZpxTitleForm->FormMouseUp(QPoint(AuthorTitleSquare + 1, 1));
        QCOMPARE(AutoclueForm->CurrentWord, 2);
        QCOMPARE(AutoclueForm->ClueLbl->text(), QString("B"));
        // Removing a letter there closes it, as a new load does.
        ZpxTitleForm->FormMouseUp(QPoint(1, AuthorTitleSquare + 7));
        QVERIFY(!AutoclueForm->isVisible());
    }
};

QTEST_MAIN(ZpxAutoUnitTest)
#include "ZpxAutoUnitTest.moc"
