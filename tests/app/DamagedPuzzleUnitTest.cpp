// A puzzle file whose letters and slot tables are garbage, as a damaged or
// hostile file may hold, taken through every window and every zpxtool
// command that reads a puzzle. Under the sanitizers a stray index shows.

#include "app/ZpxMainUnit.h"
#include "construct/GridEditing.h"
#include "construct/WordTexts.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxScanUnit.h"
#include "core/PuzzleFile.h"
#include "support/GridWindowFixture.h"

#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <random>

using namespace zpx;
using namespace zpx::test;

namespace {

// Valid grid sizes (the loader refuses others) with every other byte random:
// letters, filled markers, slot values and square references of any value.
void writeDamagedPuzzle(const QString& path, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    PuzzleImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(byte(random));
    const std::uint8_t width = static_cast<std::uint8_t>(1 + seed % MaxColumns);
    const std::uint8_t height = static_cast<std::uint8_t>(1 + (seed * 7) % MaxRows);
    image[RecordOffset::GridWidth] = width;
    image[RecordOffset::GridWidth + 1] = 0;
    image[RecordOffset::GridHeight] = height;
    image[RecordOffset::GridHeight + 1] = 0;
    // Some slots and references that point almost right: inside the grid, or just past it.
    std::uniform_int_distribution<int> nearSlot(0, 3131);
    for (std::size_t i = 0; i < 400; ++i) {
        const int value = nearSlot(random);
        const std::size_t at = RecordOffset::SlotSquares + 2 * (random() % MaxSlot);
        image[at] = static_cast<std::uint8_t>(value & 0xFF);
        image[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
}

void clickEverywhere(QWidget* window, int square, int columns, int rows)
{
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; c += 3)
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(c * square + square / 2, r * square + square / 2));
}

}  // namespace

class DamagedPuzzleUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startWholeProgram(); }

    void everyWindowTakesTheDamagedPuzzle_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {3u, 30u, 1234u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void everyWindowTakesTheDamagedPuzzle()
    {
        QFETCH(unsigned, seed);
        const QString path = QDir(testFolder()).filePath(QStringLiteral("damaged%1.zpx").arg(seed));
        writeDamagedPuzzle(path, seed);
        ScriptedDialogs dialogs;
        dialogs.answers.assign(20, Answer::No);

        openPuzzle(dialogs, path, false);
        QCOMPARE(QString::fromStdString(PuzzleFileName), path);
        ZpxMainForm->AcrosticWindow1->trigger();
        ZpxMainForm->ScanGrid1->trigger();
        QTimer::singleShot(0, ZpxAnalyzeForm->OkBtn, &QPushButton::click);
        ZpxMainForm->Analysis1->trigger();
        QCOMPARE(AcrosticWinForm->AcrList->count(), acrosticWordCount(PuzzleRecord));

        const int columns = PuzzleRecord.width();
        const int rows = PuzzleRecord.height();
        for (int word = 1; word <= ZpxTitleForm->WordCount; word += 4) {
            QTest::mouseClick(ZpxTitleForm, Qt::LeftButton, {}, QPoint((word - 1) * AuthorTitleSquare + 1, 1));
            clickEverywhere(ZpxGridForm, ScreenSquare, columns, rows);
            clickEverywhere(ZpxTitleForm, AuthorTitleSquare, 31, 2);
            ZpxMainForm->SpillBtn->click();
        }
        for (int line = 0; line < AcrosticWinForm->AcrList->count(); line += 5)
            clickListLine(AcrosticWinForm->AcrList, line);
        for (int line = 0; line < ZpxScanForm->DupeList->count(); ++line)
            clickListLine(ZpxScanForm->DupeList, line);

        ZpxMainForm->SquaresBtn->click();
        clickEverywhere(ZpxGridForm, ScreenSquare, columns, rows);
        QTest::keyClicks(ZpxGridForm, "AB CD+");
        ZpxMainForm->LettersBtn->click();

        // Whatever the damage, the two maps stay inverse for every slot a click wrote.
        for (int c = 1; c <= columns; ++c)
            for (int r = 1; r <= rows; ++r)
                if (const int slot = PuzzleRecord.squareSlot(c, r);
                    decodeSlot(slot) && PuzzleRecord.slotSquareRef(slot) != 0)
                    QCOMPARE(slotSquare(PuzzleRecord, slot), std::pair(c, r));

        Modified = false;
        openPuzzle(dialogs, path, true);
        QCOMPARE(Mode, std::uint8_t(ModeSolve));
        clickEverywhere(ZpxGridForm, ScreenSquare, columns, rows);
        QTest::keyClicks(ZpxGridForm, "XY+Z");
        QTest::mousePress(ZpxMainForm->CheatBtn, Qt::LeftButton);
        QTest::mouseRelease(ZpxMainForm->CheatBtn, Qt::LeftButton);
        clickEverywhere(ZpxTitleForm, AuthorTitleSquare, ZpxTitleForm->WordCount, 1);
        ZpxMainForm->Save1->trigger();
        QVERIFY(!Modified);

        // What the windows left behind is a puzzle that reads back as it was saved.
        TPuzzleRecord saved;
        loadPuzzleFile(path.toStdString(), saved);
        QCOMPARE(encodeRecord(saved), encodeRecord(PuzzleRecord));
    }

    void everyZpxtoolCommandTakesTheDamagedPuzzle()
    {
        const QString path = QDir(testFolder()).filePath(QStringLiteral("damaged-tool.zpx"));
        writeDamagedPuzzle(path, 77);
        for (const char* command : {"info", "letters", "scan", "analyze"}) {
            QProcess tool;
            tool.start(QStringLiteral(ZPXTOOL_PATH), {QString::fromLatin1(command), path});
            QVERIFY(tool.waitForFinished(10000));
            QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
            QVERIFY2(tool.exitCode() == 0, qPrintable(QString::fromLatin1(command) + tool.readAllStandardError()));
            QVERIFY(!tool.readAllStandardOutput().isEmpty());
        }
    }
};

QTEST_MAIN(DamagedPuzzleUnitTest)
#include "DamagedPuzzleUnitTest.moc"
