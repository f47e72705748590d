// The byline dialog from Special > Byline: what Save stores, what Cancel,
// Escape and the close box leave alone, and how solve mode credits the author.

#include "app/ZpxMainUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "core/SharedState.h"
#include "output/BylineUnit.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace zpx;
using namespace zpx::test;

namespace {

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// Opens the dialog from the menu; `act` types and leaves it, as a person would.
void editByline(const std::function<void()>& act)
{
    whenShown(BylineForm, act);
    ZpxMainForm->Byline1->trigger();
    QVERIFY(!BylineForm->isVisible());
}

QString storedByline()
{
    return QString::fromStdString(cp1252ToUtf8(PuzzleRecord.Byline.text()));
}

}  // namespace

class BylineUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

    void open(const std::string& byline, bool solving)
    {
        TPuzzleRecord record = gridRecord({"AB#C"});
        placeWord(record, 1, {{1, 1}, {2, 1}});
        placeWord(record, 2, {{4, 1}});
        record.Byline.assign(byline);
        savePuzzleFile(puzzle.toStdString(), record);
        Modified = false;
        openPuzzle(puzzle, solving);
    }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath("credit.zpx");
    }

    void cleanup()
    {
        Modified = false;
    }

    void saveStoresTheBylineAndSolveModeShowsIt()
    {
        open("Old Hand", false);
        editByline([] {
            QCOMPARE(BylineForm->BylineEdit->text(), QString("Old Hand"));
            // Select all, type over it, and Enter saves.
            QTest::keyClick(BylineForm->BylineEdit, Qt::Key_A, Qt::ControlModifier);
            typeText(BylineForm->BylineEdit, QString::fromUtf8("Zoë O’Hara ©"));
            QTest::keyClick(BylineForm->BylineEdit, Qt::Key_Return);
        });
        QCOMPARE(PuzzleRecord.Byline.text(), std::string("Zo\xEB O\x92Hara \xA9"));
        QVERIFY(Modified);
        ZpxMainForm->Save1Click();
        open(PuzzleRecord.Byline.text(), true);
        QCOMPARE(ZpxMainForm->Byline->text(), QString::fromUtf8("by Zoë O’Hara ©"));

        // Saved empty: modified, and solve mode gives the standard credit.
        open("Old Hand", false);
        editByline([] {
            BylineForm->BylineEdit->clear();
            BylineForm->SaveBtn->click();
        });
        QCOMPARE(storedByline(), QString());
        QVERIFY(Modified);
        ZpxMainForm->Save1Click();
        open("", true);
        QCOMPARE(ZpxMainForm->Byline->text(), QString("a Zephyrtrace puzzle"));
    }

    void cancelEscapeAndTheCloseBoxChangeNothing()
    {
        open("Old Hand", false);
        const std::vector<std::function<void()>> leave = {
            [] { BylineForm->CancelBtn->click(); },
            [] { QTest::keyClick(BylineForm->BylineEdit, Qt::Key_Escape); },
            [] { BylineForm->close(); },
        };
        for (const auto& leaving : leave) {
            editByline([&leaving] {
                typeText(BylineForm->BylineEdit, "Someone Else");
                leaving();
            });
            QCOMPARE(storedByline(), QString("Old Hand"));
            QVERIFY(!Modified);
        }
    }

    void typedBylinesStopAtSixtyAndOthersStayWhole()
    {
        open("", false);
        editByline([] {
            typeText(BylineForm->BylineEdit, QString(65, 'w') + QString::fromUtf8("→"));
            BylineForm->SaveBtn->click();
        });
        QCOMPARE(storedByline(), QString(60, 'w'));

        // A longer byline written by other means is kept as it is; a character
        // outside Windows-1252 is refused.
        open(std::string(75, 'v'), false);
        editByline([] {
            typeText(BylineForm->BylineEdit, QString::fromUtf8("→"));
            BylineForm->SaveBtn->click();
        });
        QCOMPARE(storedByline(), QString(75, 'v'));
    }
};

QTEST_MAIN(BylineUnitTest)
#include "BylineUnitTest.moc"
