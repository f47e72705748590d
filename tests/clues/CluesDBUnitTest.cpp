// The clue database beside the Autoclue window: a word's stored definitions,
// a click copying one into the clue, browsing the bank, adding the clue as a
// definition, the first bank chosen or created, and a damaged bank reported
// without ending the program.

#include "app/ZpxMainUnit.h"
#include "clues/CluesDBUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "dbf/ClueBank.h"
#include "support/RecordBuilder.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

// Words AN, BO, CP, ... on columns 1, 2, 3, ...
void writePuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"ABCDEFGHIJ", "NOPQRSTUVW"});
    for (int w = 1; w <= 10; ++w)
        placeWord(record, w, {{w, 1}, {w, 2}});
    savePuzzleFile(path.toStdString(), record);
}

void setBankSetting(const QString& value)
{
    SettingsKey = ToolsSettingsKey;
    ZpxProcs->WriteSetting(QStringLiteral("BankDataFile"), value);
    SettingsKey = MainSettingsKey;
}

QString bankSetting()
{
    SettingsKey = ToolsSettingsKey;
    const QString value = ZpxProcs->ReadSetting(QStringLiteral("BankDataFile"), "");
    SettingsKey = MainSettingsKey;
    return value;
}

QStringList listed()
{
    QStringList lines;
    for (int i = 0; i < CluesDBForm->ClueList->count(); ++i)
        lines << CluesDBForm->ClueList->item(i)->text();
    return lines;
}

QStringList numbered(const QString& stem, int count)
{
    QStringList texts;
    for (int i = 1; i <= count; ++i)
        texts << stem + QString::number(i);
    return texts;
}

}  // namespace

class CluesDBUnitTest : public QObject {
    Q_OBJECT

private:
    QString bank;

    void fillBank()
    {
        for (const QString& name : {bank, QString(bank).replace(".DBF", ".NDX")})
            QFile::remove(name);
        const dbf::BankFiles files = dbf::bankFiles(bank.toStdString());
        dbf::createClueBank(files);
        dbf::TTzDbf table;
        dbf::openClueBank(table, files);
        for (const auto& [word, count] : {std::pair{"AN", 12}, {"BO", 10}, {"DR", 1}})
            for (const QString& definition : numbered(QString(word).toLower() + " ", count))
                dbf::addDefinition(table, word, utf8ToCp1252(definition.toStdString()));
    }

    void openAutoclueOn(int word)
    {
        SelectedWord = word;
        ZpxMainForm->AutoclueBtnClick();
        QVERIFY(AutoclueForm->isVisible());
    }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        const QString puzzle = QDir(testFolder()).filePath("pairs.zpx");
        writePuzzle(puzzle);
        openPuzzle(puzzle, false);
        bank = QDir(testFolder()).filePath("CLUES.DBF");
    }

    void init()
    {
        clearSettings();
        SoundMode = 0;
        fillBank();
        setBankSetting(bank);
        openAutoclueOn(1);
    }

    void cleanup()
    {
        AutoclueForm->close();
        QVERIFY(!CluesDBForm->isVisible());
        Modified = false;
    }

    void showsTheWordsDefinitionsAndCopiesAClickedOne()
    {
        QVERIFY(!AutoclueForm->AddBtn->isEnabled());
        QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
        QVERIFY(CluesDBForm->isVisible());
        QCOMPARE(CluesDBForm->windowTitle(), QString("AN"));
        QCOMPARE(listed(), numbered("an ", 12));
        QVERIFY(!CluesDBForm->NoFindLbl->isVisible());
        QVERIFY(AutoclueForm->AddBtn->isEnabled());
        QCOMPARE(AutoclueForm->CluesBtn->toolTip(), QString("Close clue database"));

        Modified = false;
        QListWidget* list = CluesDBForm->ClueList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(11)).center());
        QCOMPARE(AutoclueForm->DefEdit->text(), QString("an 12"));
        QCOMPARE(QString::fromStdString(PuzzleRecord.Clues[0].text()), QString("an 12"));
        QVERIFY(Modified);

        // Moving the Autoclue window moves the list along.
        QTest::mouseClick(AutoclueForm->NextBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("BO"));
        QCOMPARE(listed().size(), 10);
        QTest::mouseClick(AutoclueForm->NextBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("CP"));
        QVERIFY(CluesDBForm->NoFindLbl->isVisible());
        QVERIFY(listed().isEmpty());
        const QRect notice = CluesDBForm->NoFindLbl->geometry();
        QCOMPARE(notice.center().x() / 2, CluesDBForm->ClueList->rect().center().x() / 2);

        QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
        QVERIFY(!CluesDBForm->isVisible());
        QVERIFY(!AutoclueForm->AddBtn->isEnabled());
        QCOMPARE(AutoclueForm->CluesBtn->toolTip(), QString("Open clue database"));
    }

    void addsTheClueAsADefinition()
    {
        QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
        QTest::mouseClick(AutoclueForm->NextBtn, Qt::LeftButton);
        AutoclueForm->DefEdit->setText("bo 11");
        QTest::mouseClick(AutoclueForm->AddBtn, Qt::LeftButton);
        QCOMPARE(listed(), numbered("bo ", 11));
        AutoclueForm->DefEdit->setText("bo 3");
        QTest::mouseClick(AutoclueForm->AddBtn, Qt::LeftButton);
        AutoclueForm->DefEdit->setText("   ");
        QTest::mouseClick(AutoclueForm->AddBtn, Qt::LeftButton);
        QCOMPARE(listed().size(), 11);

        // A word without record gets one, and the notice goes.
        QTest::mouseClick(AutoclueForm->NextBtn, Qt::LeftButton);
        QVERIFY(CluesDBForm->NoFindLbl->isVisible());
        AutoclueForm->DefEdit->setText("Colonel's pen");
        QTest::mouseClick(AutoclueForm->AddBtn, Qt::LeftButton);
        QVERIFY(!CluesDBForm->NoFindLbl->isVisible());
        QCOMPARE(listed(), QStringList{"Colonel's pen"});

        dbf::TTzDbf table("Check");
        dbf::openClueBank(table, dbf::bankFiles(bank.toStdString()));
        QVERIFY(table.FindExact("BO") && table.GetLField("MORE"));
        QVERIFY(table.FindExact("BO&"));
        QCOMPARE(QString::fromStdString(table.GetCField(table.Field(3))).trimmed(), QString("bo 11"));
        QVERIFY(table.FindExact("CP"));
    }

    void browsesTheBankWordByWord()
    {
        QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
        QTest::mouseClick(CluesDBForm->NextBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("BO"));
        QTest::mouseClick(CluesDBForm->NextBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("DR"));
        QTest::mouseClick(CluesDBForm->NextBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("DR"));
        QCOMPARE(listed(), QStringList{"dr 1"});
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(CluesDBForm->PrevBtn, Qt::LeftButton);
        QCOMPARE(CluesDBForm->windowTitle(), QString("AN"));
        QCOMPARE(listed().size(), 12);
    }

    void theFirstBankIsChosenOrCreated()
    {
        const QString fresh = QDir(testFolder()).filePath("FRESH.DBF");
        QFile::remove(fresh);
        QFile::remove(QDir(testFolder()).filePath("FRESH.NDX"));
        setBankSetting("");
        {
            ScriptedDialogs dialogs;
            QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
            QCOMPARE(dialogs.fileRequests.size(), 1);
            QVERIFY(!CluesDBForm->isVisible());
            QVERIFY(bankSetting().isEmpty());

            dialogs.files.push_back(fresh);
            QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
            QVERIFY(CluesDBForm->isVisible());
            QVERIFY(CluesDBForm->NoFindLbl->isVisible());
            QCOMPARE(bankSetting(), fresh);
            QVERIFY(QFile::exists(QDir(testFolder()).filePath("FRESH.NDX")));
        }
        AutoclueForm->DefEdit->setText("article");
        QTest::mouseClick(AutoclueForm->AddBtn, Qt::LeftButton);
        QCOMPARE(listed(), QStringList{"article"});
    }

    void aDamagedBankIsReportedAndThePuzzleKept()
    {
        QFile index(QString(bank).replace(".DBF", ".NDX"));
        QVERIFY(index.open(QIODevice::ReadWrite));
        index.seek(512);
        index.write("\xff\xff\xff\xff", 4);
        index.close();
        Modified = true;
        ScriptedDialogs dialogs;
        QTest::mouseClick(AutoclueForm->CluesBtn, Qt::LeftButton);
        QVERIFY(!CluesDBForm->isVisible());
        QVERIFY(!AutoclueForm->AddBtn->isEnabled());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QString("Clue bank error"));
        QCOMPARE(dialogs.messages[0].text, "Error # 222 (Corrupted index file)\r\n" +
                                               QString(bank).replace(".DBF", ".NDX") + " [First]");
        QVERIFY(AutoclueForm->isVisible());
        QVERIFY(Modified);
    }
};

QTEST_MAIN(CluesDBUnitTest)
#include "CluesDBUnitTest.moc"
