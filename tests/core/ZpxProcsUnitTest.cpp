#include "core/PuzzleFile.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cerrno>

using namespace zpx;
using namespace zpx::test;

class ZpxProcsUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QDir(testFolder()).filePath("data").toUtf8());
        initWindowTestEnvironment();
    }

    void errorMessagePlaysTheErrorSoundUnlessSilent()
    {
        for (int mode : {0, 1, 2}) {
            SoundMode = mode;
            ScriptedDialogs dialogs;
            SoundLog sounds;
            ZpxProcs->ErrorMessage("Something went wrong.");
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages[0].caption, QString("Error"));
            QCOMPARE(dialogs.messages[0].kind, MessageKind::Error);
            QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
            QCOMPARE(sounds.waves, mode == 0 ? std::vector<int>{} : std::vector<int>{7});
        }
        SoundMode = 1;
    }

    void fileServicesKeepModifiedAsTheyShould()
    {
        const QString path = QDir(testFolder()).filePath("kept.zpx");
        ZpxProcs->ResetPuzzle(12, 9);
        editablePuzzleRecord().answer(1, 1) = 'K';
        Modified = true;
        ZpxProcs->SavePuzzle(path);
        QVERIFY(!Modified);

        Modified = true;
        editablePuzzleRecord().answer(1, 1) = 'X';
        ZpxProcs->LoadPuzzle(path);
        QVERIFY(!Modified);  // the puzzle read is the one saved
        QCOMPARE(PuzzleRecord.answer(1, 1), std::uint8_t('K'));
        puzzleEdits().setByline("changed");
        QVERIFY(Modified);

        {
            const ScopedSaveFault failingRename([](SaveStep step, const auto&) { return step == SaveStep::Rename ? EIO : 0; });
            QVERIFY_THROWS_EXCEPTION(FileError, ZpxProcs->SavePuzzle(path));
        }
        QVERIFY(Modified);

        // The user's data folder does not exist yet: the trash is still made inside it.
        ZpxProcs->RecyclePuzzle(path);
        QVERIFY(!Modified);
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(QDir(testFolder()).filePath("data/Trash/files/kept.zpx")));
        QVERIFY(!QFile::exists(QDir::current().filePath("files/kept.zpx")));
        QCOMPARE(ZpxProcs->SlotSquare(101), std::make_pair(0, 0));
        QVERIFY(!ZpxProcs->IsComplete());
    }
};

QTEST_MAIN(ZpxProcsUnitTest)
#include "ZpxProcsUnitTest.moc"
