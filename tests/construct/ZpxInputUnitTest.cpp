// The input dialog of a new puzzle: its state on showing, the sizing buttons,
// the running quotation count, the refusals and their sounds, and the puzzle
// it lays out.

#include "construct/ZpxInputUnit.h"

#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <set>

using namespace zpx;
using namespace zpx::test;

namespace {

void fillBusyRecord()
{
    resetPuzzle(editablePuzzleRecord(), 12, 9);
    editablePuzzleRecord().answer(2, 2) = 'K';
    editablePuzzleRecord().squareSlot(2, 2) = 101;
    editablePuzzleRecord().setSlotSquare(101, 202);
    editablePuzzleRecord().Clues[0].assign("KEEP ME");
}

}  // namespace

class ZpxInputUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initWindowTestEnvironment(); }
    void init() { SoundMode = 1; }

    void showingStartsFromAClearState();
    void autoSizingDisablesAndResetsTheSpins();
    void countFollowsTypedLettersAndRecountsOnDelete();
    void authorTitleIsUpperCasedAsTyped();
    void emptyFieldsAreErrorsWithTheErrorSound();
    void okLaysOutThePuzzleAndCloses();
    void manualSizeIsTaken();
    void refusalKeepsTheDialogOpenAndTheRecordUntouched();
    void cancelLeavesTheRecordUntouched();
};

void ZpxInputUnitTest::showingStartsFromAClearState()
{
    TZpxInputForm form;
    QCOMPARE(form.size(), QSize(434, 322));
    QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!form.QuoteMemo);
    form.show();
    QCOMPARE(form.QuoteMemo->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(form.QuoteMemo->font().pixelSize(), 15);
    QCOMPARE(form.AcrosticEdit->font().pixelSize(), 15);
    QVERIFY(form.QuoteMemo->isVisible());
    form.hide();

    for (int showing = 0; showing < 2; ++showing) {
        form.NewFileName = QStringLiteral("/puzzles/Summer fun.zpx");
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Quotation and Author-Title of SUMMER FUN"));
        QVERIFY(form.AutoBtn->isChecked());
        QCOMPARE(form.WidthSpin->value(), 10);
        QCOMPARE(form.HeightSpin->value(), 8);
        QVERIFY(!form.WidthSpin->isEnabled());
        QVERIFY(!form.HeightSpin->isEnabled());
        QVERIFY(!form.Label1->isEnabled());
        QVERIFY(!form.Label2->isEnabled());
        QCOMPARE(form.QcLbl->text(), QStringLiteral("0"));
        QVERIFY(form.QuoteMemo->toPlainText().isEmpty());
        QVERIFY(form.AcrosticEdit->text().isEmpty());
        QCOMPARE(form.focusWidget(), form.QuoteMemo);

        // Leave everything changed for the next showing.
        QTest::mouseClick(form.ManualBtn, Qt::LeftButton);
        form.WidthSpin->setValue(20);
        QTest::keyClicks(form.QuoteMemo, "Some text");
        QTest::keyClicks(form.AcrosticEdit, "abc");
        form.AcrosticEdit->setFocus();
        form.hide();
    }
    form.NewFileName = QStringLiteral("/x.zp");
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Quotation and Author-Title of "));
}

void ZpxInputUnitTest::autoSizingDisablesAndResetsTheSpins()
{
    TZpxInputForm form;
    form.show();
    QTest::mouseClick(form.ManualBtn, Qt::LeftButton);
    QVERIFY(form.ManualBtn->isChecked());
    QVERIFY(form.WidthSpin->isEnabled());
    QVERIFY(form.HeightSpin->isEnabled());
    QVERIFY(form.Label1->isEnabled());
    QVERIFY(form.Label2->isEnabled());
    QCOMPARE(form.WidthSpin->minimum(), 10);
    QCOMPARE(form.WidthSpin->maximum(), 31);
    QCOMPARE(form.HeightSpin->minimum(), 8);
    QCOMPARE(form.HeightSpin->maximum(), 20);
    form.WidthSpin->setValue(25);
    form.HeightSpin->setValue(14);

    QTest::mouseClick(form.AutoBtn, Qt::LeftButton);
    QVERIFY(!form.WidthSpin->isEnabled());
    QVERIFY(!form.Label2->isEnabled());
    QCOMPARE(form.WidthSpin->value(), 10);
    QCOMPARE(form.HeightSpin->value(), 8);
}

void ZpxInputUnitTest::countFollowsTypedLettersAndRecountsOnDelete()
{
    TZpxInputForm form;
    form.show();
    QTest::keyClicks(form.QuoteMemo, "Ab c1!");
    QCOMPARE(form.QcLbl->text(), QStringLiteral("4"));
    QTest::keyClick(form.QuoteMemo, Qt::Key_Return);
    QTest::keyClicks(form.QuoteMemo, "d");
    QCOMPARE(form.QuoteMemo->toPlainText(), QStringLiteral("Ab c1!\nd"));
    QCOMPARE(form.QcLbl->text(), QStringLiteral("5"));

    // Pasted text is only counted at the next Delete or Backspace.
    form.QuoteMemo->insertPlainText(QStringLiteral(" xyz"));
    QCOMPARE(form.QcLbl->text(), QStringLiteral("5"));
    QTest::keyClick(form.QuoteMemo, Qt::Key_Left);
    QCOMPARE(form.QcLbl->text(), QStringLiteral("5"));
    QTest::keyClick(form.QuoteMemo, Qt::Key_Backspace);
    QCOMPARE(form.QuoteMemo->toPlainText(), QStringLiteral("Ab c1!\nd xz"));
    QCOMPARE(form.QcLbl->text(), QStringLiteral("8"));
    QTest::keyClick(form.QuoteMemo, Qt::Key_Delete);
    QCOMPARE(form.QcLbl->text(), QStringLiteral("7"));
    form.QuoteMemo->selectAll();
    QTest::keyClick(form.QuoteMemo, Qt::Key_Delete);
    QCOMPARE(form.QcLbl->text(), QStringLiteral("0"));
}

void ZpxInputUnitTest::authorTitleIsUpperCasedAsTyped()
{
    TZpxInputForm form;
    form.show();
    QTest::keyClicks(form.AcrosticEdit, "dion, ");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(form.AcrosticEdit, &accented);
    QTest::keyClicks(form.AcrosticEdit, "t");
    QCOMPARE(form.AcrosticEdit->text(), QStringLiteral("DION, \u00c9T"));

    // A letter without a single upper-case form stays one character: it makes no acrostic words.
    QKeyEvent sharpS(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00df"));
    QApplication::sendEvent(form.AcrosticEdit, &sharpS);
    QCOMPARE(form.AcrosticEdit->text(), QStringLiteral("DION, \u00c9T\u00df"));
}

void ZpxInputUnitTest::emptyFieldsAreErrorsWithTheErrorSound()
{
    for (int mode : {0, 1, 2}) {
        SoundMode = mode;
        TZpxInputForm form;
        form.show();
        ScriptedDialogs dialogs;
        SoundLog sounds;

        QTest::mouseClick(form.OkBtn, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::Error);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Please Input the Source Quotation!"));
        QCOMPARE(form.focusWidget(), form.QuoteMemo);

        QTest::keyClicks(form.QuoteMemo, "A B C");
        form.AcrosticEdit->setFocus();
        form.QuoteMemo->setFocus();
        QTest::mouseClick(form.OkBtn, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[1].text, QStringLiteral("Please Input the Author-Title Line!"));
        QCOMPARE(form.focusWidget(), form.AcrosticEdit);

        QVERIFY(form.isVisible());
        const std::vector<int> expected = mode > 0 ? std::vector<int>{7, 7} : std::vector<int>{};
        QCOMPARE(sounds.waves, expected);
    }
}

void ZpxInputUnitTest::okLaysOutThePuzzleAndCloses()
{
    fillBusyRecord();
    TZpxInputForm form;
    form.NewFileName = QStringLiteral("/puzzles/new.zpx");
    form.open();
    ScriptedDialogs dialogs;
    SoundLog sounds;
    QTest::keyClicks(form.QuoteMemo, "Don't stop me now,");
    QTest::keyClick(form.QuoteMemo, Qt::Key_Return);
    QTest::keyClicks(form.QuoteMemo, "I'm having such a good time.");
    QTest::keyClicks(form.AcrosticEdit, "dion");
    // Enter in the quotation started a new line; in the author-title line it is OK.
    QTest::keyClick(form.AcrosticEdit, Qt::Key_Return);

    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(sounds.waves.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
    QCOMPARE(PuzzleRecord.GridWidth, 10);
    QCOMPARE(PuzzleRecord.GridHeight, 8);
    QCOMPARE(readingOrder(PuzzleRecord),
             std::string("#####DONT#STOP#ME#NOWIM#HAVING#SUCH#A#GOOD#TIME###") + std::string(30, '#'));
    QCOMPARE(PuzzleRecord.Clues[0].length, 0);
    std::set<int> squares;
    for (int w = 1; w <= 4; ++w) {
        const auto [c, r] = slotSquare(PuzzleRecord, letterSlot(1, w));
        QVERIFY(c != 0);
        QCOMPARE(PuzzleRecord.answer(c, r), static_cast<std::uint8_t>("DION"[w - 1]));
        squares.insert(squareRef(c, r));
    }
    QCOMPARE(squares.size(), std::size_t(4));
    QCOMPARE(PuzzleRecord.slotSquareRef(letterSlot(1, 5)), 0);
}

void ZpxInputUnitTest::manualSizeIsTaken()
{
    TZpxInputForm form;
    form.open();
    QTest::mouseClick(form.ManualBtn, Qt::LeftButton);
    form.WidthSpin->setValue(31);
    form.HeightSpin->setValue(12);
    QTest::keyClicks(form.QuoteMemo, "A short quotation");
    QTest::keyClicks(form.AcrosticEdit, "Qua");
    QTest::mouseClick(form.OkBtn, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(PuzzleRecord.GridWidth, 31);
    QCOMPARE(PuzzleRecord.GridHeight, 12);
    QCOMPARE(readingOrder(PuzzleRecord).substr(0, 18), std::string("A#SHORT#QUOTATION#"));
}

void ZpxInputUnitTest::refusalKeepsTheDialogOpenAndTheRecordUntouched()
{
    struct Case {
        bool manual;
        int width, height;
        QString quote, author, message;
    };
    const QList<Case> cases = {
        {false, 10, 8, QStringLiteral("The brown fox"), QStringLiteral("QUIZ"),
         QStringLiteral("The Author-Title line contains the letters Q U I Z that do not appear in the "
                        "Quotation. Please correct the Author-Title line or cancel construction.")},
        {true, 31, 20, QStringLiteral("The brown fox"), QStringLiteral("FOX"),
         QStringLiteral("This grid size contains more than the maximum allowed number of 372 squares. "
                        "Please adjust the grid size or cancel construction.")},
        {true, 10, 8, QString(90, QLatin1Char('E')), QStringLiteral("E"),
         QStringLiteral("This grid size holds fewer squares than the Quotation's 90 letters and spaces. "
                        "Please adjust the grid size or cancel construction.")},
        {false, 10, 8, QStringLiteral("1984!"), QStringLiteral("-"),
         QStringLiteral("The Quotation contains no letters. Please correct the Quotation or cancel "
                        "construction.")},
    };
    for (int mode : {0, 1, 2}) {
        for (const Case& refused : cases) {
            SoundMode = mode;
            fillBusyRecord();
            const PuzzleImage before = encodeRecord(PuzzleRecord);
            TZpxInputForm form;
            form.open();
            if (refused.manual) {
                QTest::mouseClick(form.ManualBtn, Qt::LeftButton);
                form.WidthSpin->setValue(refused.width);
                form.HeightSpin->setValue(refused.height);
            }
            form.QuoteMemo->setPlainText(refused.quote);
            form.AcrosticEdit->setText(refused.author);
            ScriptedDialogs dialogs;
            SoundLog sounds;
            QTest::mouseClick(form.OkBtn, Qt::LeftButton);

            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages[0].kind, MessageKind::Information);
            QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
            QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Zephyrtrace"));
            QCOMPARE(dialogs.messages[0].text, refused.message);
            QCOMPARE(sounds.waves, mode == 1 ? std::vector<int>{1} : std::vector<int>{});
            QVERIFY(form.isVisible());
            QCOMPARE(form.QuoteMemo->toPlainText(), refused.quote);
            QCOMPARE(form.AcrosticEdit->text(), refused.author);
            QVERIFY(encodeRecord(PuzzleRecord) == before);
        }
    }
}

void ZpxInputUnitTest::cancelLeavesTheRecordUntouched()
{
    fillBusyRecord();
    const PuzzleImage before = encodeRecord(PuzzleRecord);
    TZpxInputForm form;
    form.open();
    QTest::keyClicks(form.QuoteMemo, "Some quotation");
    QTest::keyClicks(form.AcrosticEdit, "Some");
    QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());
    QVERIFY(encodeRecord(PuzzleRecord) == before);
}

QTEST_MAIN(ZpxInputUnitTest)
#include "ZpxInputUnitTest.moc"
