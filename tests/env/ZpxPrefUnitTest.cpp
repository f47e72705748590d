#include "app/ZpxMainUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "env/ZpxPrefUnit.h"
#include "support/GridWindowFixture.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace zpx;
using namespace zpx::test;

namespace {

QString settingsFile()
{
    return QDir(testFolder()).filePath(QStringLiteral("config/Marlowick32/Zephyrtrace5.reg"));
}

QByteArray storedSettings()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens Preferences from the main window, lets `edit` work the dialog and
// closes it with `closer` (Save or Cancel).
void runPreferences(const std::function<void()>& edit, QPushButton* TZpxPrefForm::*closer)
{
    whenShown(ZpxPrefForm, [edit, closer] {
        edit();
        (ZpxPrefForm->*closer)->click();
    });
    ZpxMainForm->Preferences1Click();
}

void savePreferences(const std::function<void()>& edit)
{
    runPreferences(edit, &TZpxPrefForm::SaveBtn);
}

QImage shownPicture()
{
    return ZpxPrefForm->ScrImg->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage screenPicture(int number)
{
    return QImage(QStringLiteral(":/images/screen%1.png").arg(number)).convertToFormat(QImage::Format_RGB32);
}

void releaseOnColor(Qt::MouseButton button, int cell)
{
    QTest::mouseRelease(ZpxPrefForm->ColorGrid1, button, {}, QPoint(cell % 4 * 24 + 12, cell / 4 * 24 + 12));
}

// A 6 × 2 puzzle: one filled square at the top left.
void writeSmallPuzzle(const QString& path)
{
    TPuzzleRecord record = gridRecord({"#CATSX", "DOGSAB"});
    placeWord(record, 1, {{2, 1}});
    savePuzzleFile(path.toStdString(), record);
}

}  // namespace

class ZpxPrefUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = QDir(testFolder()).filePath(QStringLiteral("prefs.zpx"));
        writeSmallPuzzle(puzzle);
    }
    void init() { clearSettings(); }

    void speechImpliesSoundAndSavesSoundModeTwo();
    void arrangeCyclesTheLayoutPicturesAndCancelWritesNothing();
    void customArrangementStoresTheWindowsAndAnUncheckedLayoutNone();
    void previewOnTwentyNinePixelSquaresFollowsTheColourClicks();
    void toolsPageBrowsesForProgramsAndDefaultsToTheSavedPath();
    void theProgramDialogListsFoldersAndProgramsOnly();
    void savedColoursAndFontsReachTheOpenWindows();
    void numbersInkTheSolveGridUntilTurnedOff();
};

void ZpxPrefUnitTest::speechImpliesSoundAndSavesSoundModeTwo()
{
    savePreferences([] {
        QVERIFY(ZpxPrefForm->SoundChk->isChecked());
        QVERIFY(!ZpxPrefForm->SpeechChk->isChecked());
        ZpxPrefForm->SoundChk->click();
        ZpxPrefForm->SpeechChk->click();
        QVERIFY(ZpxPrefForm->SoundChk->isChecked());
        ZpxPrefForm->SoundChk->click();
        QVERIFY(!ZpxPrefForm->SpeechChk->isChecked());
        ZpxPrefForm->SpeechChk->click();
    });
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("PlaySounds"), 1), 2);
    QCOMPARE(SoundMode, 2);
    runPreferences([] { QVERIFY(ZpxPrefForm->SpeechChk->isChecked()); }, &TZpxPrefForm::CancelBtn);
}

void ZpxPrefUnitTest::arrangeCyclesTheLayoutPicturesAndCancelWritesNothing()
{
    ZpxProcs->WriteSetting(QStringLiteral("DictPath"), QStringLiteral("/usr/bin/true"));
    const QByteArray before = storedSettings();
    runPreferences(
        [] {
            QCOMPARE(shownPicture(), screenPicture(5));
            QVERIFY(!ZpxPrefForm->ArrangeBtn->isEnabled());
            ZpxPrefForm->ViewChk->click();
            QCOMPARE(shownPicture(), screenPicture(1));
            for (const int next : {2, 3, 4, 1}) {
                ZpxPrefForm->ArrangeBtn->click();
                QCOMPARE(shownPicture(), screenPicture(next));
            }
            ZpxPrefForm->SaveAllChk->click();
            QVERIFY(ZpxPrefForm->UserCfg->isVisible());
            QCOMPARE(shownPicture(), screenPicture(5));
            ZpxPrefForm->SoundChk->click();
            ZpxPrefForm->DictEdit->setText(QStringLiteral("/usr/bin/false"));
        },
        &TZpxPrefForm::CancelBtn);
    QCOMPARE(storedSettings(), before);
    QVERIFY(!before.isEmpty());
}

void ZpxPrefUnitTest::customArrangementStoresTheWindowsAndAnUncheckedLayoutNone()
{
    openPuzzle(puzzle, false);
    savePreferences([] {
        ZpxPrefForm->ViewChk->click();
        ZpxPrefForm->SaveAllChk->click();
    });
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("AutoArrange"), 0), 99);
    const auto boundsOf = [](QWidget* window, int caption) {
        const QRect r = frameBounds(window, caption);
        return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
    };
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsMain"), QString()),
             boundsOf(ZpxMainForm, captionHeight()));
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsGrid"), QString()),
             boundsOf(ZpxGridForm, smallCaptionHeight()));

    // With the layout box left unchecked nothing of the arrangement is written.
    ZpxGridForm->move(ZpxGridForm->pos() + QPoint(40, 30));
    ZpxProcs->WriteSetting(QStringLiteral("AutoArrange"), 3);
    const QString gridBefore = ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsGrid"), QString());
    savePreferences([] { QVERIFY(!ZpxPrefForm->ViewChk->isChecked()); });
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("AutoArrange"), 0), 3);
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsGrid"), QString()), gridBefore);

    // A layout chosen by Arrange is written as its code for the windows to take at the next load.
    savePreferences([] {
        ZpxPrefForm->ViewChk->click();
        ZpxPrefForm->ArrangeBtn->click();
    });
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("AutoArrange"), 0), 2);
    QVERIFY(ZpxProcs->ReadSetting(QStringLiteral("ScreenBoundsGrid"), QString()).startsWith(QStringLiteral("20000,")));
}

void ZpxPrefUnitTest::previewOnTwentyNinePixelSquaresFollowsTheColourClicks()
{
    const int autoSquare = AutoSquare;
    AutoSquare = 29;
    const auto square = [](int column, int row) { return squareInside((column - 1) * 29, (row - 1) * 29, 29); };
    runPreferences(
        [&] {
            ZpxPrefForm->PageControl1->setCurrentWidget(ZpxPrefForm->ViewPg);
            QImage preview = ZpxPrefForm->GridPad->grab().toImage();
            for (const auto& [column, row] : {std::pair{4, 1}, {4, 2}, {4, 3}, {5, 1}})
                QCOMPARE(fillOf(preview, square(column, row)), QColor(Qt::black));
            QCOMPARE(fillOf(preview, square(1, 1)), QColor(Qt::white));
            QVERIFY(letterPixels(preview, square(1, 1), Qt::black) > 0);
            // The last square, cut by the preview's edge, is a letter square.
            QCOMPARE(preview.pixelColor(square(6, 5).topLeft()), QColor(Qt::white));

            releaseOnColor(Qt::LeftButton, 4);    // navy letter squares
            releaseOnColor(Qt::RightButton, 10);  // lime filled squares
            QCOMPARE(ZpxPrefForm->Shape1->palette().color(QPalette::Window), QColor(0x00, 0x00, 0x80));
            preview = ZpxPrefForm->GridPad->grab().toImage();
            QCOMPARE(fillOf(preview, square(1, 1)), QColor(0x00, 0x00, 0x80));
            QCOMPARE(fillOf(preview, square(5, 1)), QColor(0x00, 0xFF, 0x00));

            ZpxPrefForm->DefaultsBtn->click();
            preview = ZpxPrefForm->GridPad->grab().toImage();
            QCOMPARE(fillOf(preview, square(1, 1)), QColor(Qt::white));
            QCOMPARE(fillOf(preview, square(5, 1)), QColor(Qt::black));
        },
        &TZpxPrefForm::CancelBtn);
    AutoSquare = autoSquare;
}

void ZpxPrefUnitTest::toolsPageBrowsesForProgramsAndDefaultsToTheSavedPath()
{
    ZpxProcs->WriteSetting(QStringLiteral("DictPath"), QStringLiteral("/opt/old/dict"));
    const QString textFile = QDir(testFolder()).filePath(QStringLiteral("notes.txt"));
    QFile(textFile).open(QIODevice::WriteOnly);
    ScriptedDialogs dialogs;
    dialogs.files = {textFile, QStringLiteral("/bin/sh")};
    savePreferences([&] {
        ZpxPrefForm->PageControl1->setCurrentWidget(ZpxPrefForm->ToolsPg);
        ZpxPrefForm->DictEdit->setText(QStringLiteral("/typed/by/hand"));
        ZpxPrefForm->DefaultsBtn->click();
        QCOMPARE(ZpxPrefForm->DictEdit->text(), QStringLiteral("/opt/old/dict"));

        ZpxPrefForm->ThesBtn->click();
        QCOMPARE(ZpxPrefForm->ThesEdit->text(), QString());
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("not marked as a program")));
        ZpxPrefForm->ThesBtn->click();
        QCOMPARE(ZpxPrefForm->ThesEdit->text(), QStringLiteral("/bin/sh"));
        QCOMPARE(dialogs.fileRequests[0].title, QStringLiteral("Link Thesaurus"));
        QVERIFY(dialogs.fileRequests[0].programsOnly && dialogs.fileRequests[0].mustExist);
        ZpxPrefForm->DictEdit->clear();
    });
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("ThesPath"), QString()), QStringLiteral("/bin/sh"));
    QVERIFY(!ZpxMainForm->Dictionary1->isEnabled());
    QVERIFY(!ZpxMainForm->DictBtn->isEnabled());
    QVERIFY(ZpxMainForm->Thesaurus1->isEnabled());
    QVERIFY(!ZpxMainForm->Postbot1->isEnabled());
}

void ZpxPrefUnitTest::theProgramDialogListsFoldersAndProgramsOnly()
{
    const QDir tools(QDir(testFolder()).filePath(QStringLiteral("tools")));
    QVERIFY(tools.mkpath(QStringLiteral("sub")));
    QFile program(tools.filePath(QStringLiteral("speller")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    QVERIFY(program.setPermissions(program.permissions() | QFileDevice::ExeOwner));
    program.close();
    QFile(tools.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);

    // The real dialog, as Browse... shows it.
    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        for (int wait = 0; view && wait < 100 && view->model()->rowCount(view->rootIndex()) < 2; ++wait)
            QTest::qWait(50);
        for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row)
            listed.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
        dialog->reject();
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Link Dictionary");
    request.filter = QStringLiteral("Dictionary programs|*");
    request.directory = tools.path();
    request.mustExist = true;
    request.programsOnly = true;
    QCOMPARE(chooseFile(request), QString());
    listed.sort();
    QCOMPARE(listed, QStringList({QStringLiteral("speller"), QStringLiteral("sub")}));
}

void ZpxPrefUnitTest::savedColoursAndFontsReachTheOpenWindows()
{
    openPuzzle(puzzle, false);
    QCOMPARE(gridFill(1, 1), QColor(Qt::black));
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes};  // Autoclue on an unfinished puzzle
    ZpxMainForm->AutoclueBtnClick();
    QVERIFY(AutoclueForm->isVisible());
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPointSize(16);
    serif.setBold(true);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSize(12);
    dialogs.fonts = {FontPick{serif, QColor(Qt::red)}, FontPick{mono, QColor(Qt::blue)}};
    savePreferences([] {
        releaseOnColor(Qt::RightButton, 1);  // maroon
        releaseOnColor(Qt::LeftButton, 11);  // yellow
        ZpxPrefForm->FontBtn->click();
        ZpxPrefForm->AutoFontBtn->click();
    });
    QCOMPARE(AutoclueForm->DefEdit->font().family(), QStringLiteral("Liberation Mono"));
    AutoclueForm->close();
    QCOMPARE(dialogs.fontRequests.size(), 2);
    QCOMPARE(dialogs.fontRequests[0].font.family(), QStringLiteral("Arial"));
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("FontName"), QString()), QStringLiteral("Liberation Serif"));
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("FontStyle"), 0), 1);
    QCOMPARE(ZpxProcs->ReadSetting(QStringLiteral("FontColor"), QString()), QStringLiteral("clRed"));
    QCOMPARE(gridFill(1, 1), QColor(0x80, 0x00, 0x00));
    QCOMPARE(gridFill(2, 1), QColor(Qt::yellow));
    QCOMPARE(ZpxGridForm->font().family(), QStringLiteral("Liberation Serif"));
    QVERIFY(letterPixels(ZpxGridForm->canvas(), gridSquareInside(3, 1), Qt::red) > 0);
}

void ZpxPrefUnitTest::numbersInkTheSolveGridUntilTurnedOff()
{
    openPuzzle(puzzle, true);
    const auto inked = [](int c, int r, bool labelCorner) {
        QRect area = gridSquareInside(c, r);
        if (labelCorner)
            area.setLeft(area.center().x());
        area.setHeight(area.height() / 3);
        return !isPlain(ZpxGridForm->canvas(), area);
    };
    // (2, 1) belongs to word A: number and label; (3, 1) to no word: its number alone.
    QVERIFY(inked(2, 1, false));
    QVERIFY(inked(2, 1, true));
    QVERIFY(inked(3, 1, false));
    QVERIFY(!inked(3, 1, true));
    savePreferences([] {
        QVERIFY(ZpxPrefForm->NumbersChk->isChecked());
        ZpxPrefForm->NumbersChk->click();
    });
    QVERIFY(!ZpxProcs->ReadSetting(QStringLiteral("SolveSquareNumbers"), true));
    QVERIFY(!inked(2, 1, false));
    QVERIFY(!inked(3, 1, false));
}

QTEST_MAIN(ZpxPrefUnitTest)
#include "ZpxPrefUnitTest.moc"
