#include "app/ZpxMainUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/ZpxProcsUnit.h"
#include "env/ZpxMsgUnit.h"
#include "output/AuthorAddressUnit.h"
#include "output/ClueText.h"
#include "output/ExportUnit.h"
#include "output/IpuzWriter.h"
#include "output/JpzWriter.h"
#include "output/WebPage.h"
#include "support/ExportPuzzles.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

const QStringList PictureTypes = {"image/svg+xml", "image/png", "image/x-wmf"};

// What the notice shows when `work` is done; it closes a moment later.
QString noticeAfter(const std::function<void()>& work)
{
    work();
    const QString seen = InfoWin->isVisible() ? InfoWin->PanelText->text() : QString();
    return QTest::qWaitFor([] { return !InfoWin->isVisible(); }, 5000) ? seen : QStringLiteral("(the notice stayed)");
}

// One export command of the Special menu and what its save dialog proposes.
struct FileExport {
    QAction* TZpxMainForm::*item;
    const char* title;
    const char* proposed;
    const char* filter;
    QStringList written;
};

}  // namespace

class ExportUnitTest : public QObject {
    Q_OBJECT

private:
    QString puzzle;
    QString folder(const QString& name) { return QDir(testFolder()).filePath(name); }

private slots:
    void initTestCase()
    {
        startWholeProgram();
        puzzle = folder("Quote.zpx");
        savePuzzleFile(puzzle.toStdString(), cluedPuzzle());
        openPuzzle(puzzle, false);
    }

    void eachFileExportAsksForANameAndWritesItsFiles()
    {
        const std::vector<FileExport> exports = {
            {&TZpxMainForm::ExportMetafile1, "Export Metafile", "Quote.wmf", "Windows Metafile (*.wmf)|*.wmf",
             {"Out.TXT", "Out.WMF", "Out-A.WMF"}},
            {&TZpxMainForm::ExportEPS1, "Export EPS", "Quote.eps", "Encapsulated PostScript (*.eps)|*.eps",
             {"Out.TXT", "Out.EPS", "Out-A.EPS"}},
            {&TZpxMainForm::ExportSVG1, "Export SVG", "Quote.svg", "Scalable Vector Graphics (*.svg)|*.svg",
             {"Out.svg", "Out-A.svg"}},
            {&TZpxMainForm::ExportRTFFile1, "Export RTF File", "Quote.rtf", "Rich Text Format (*.rtf)|*.rtf",
             {"Out.RTF"}},
            {&TZpxMainForm::ExportIpuz1, "Export ipuz", "Quote.ipuz", "ipuz Puzzle (*.ipuz)|*.ipuz", {"Out.ipuz"}},
            {&TZpxMainForm::ExportJPZ1, "Export JPZ", "Quote.jpz", "JPZ Puzzle (*.jpz)|*.jpz", {"Out.jpz"}},
            {&TZpxMainForm::ExportWebPage1, "Export Web Page", "Quote.html", "Web Page (*.html)|*.html", {"Out.html"}},
        };
        for (const FileExport& command : exports) {
            QDir(testFolder()).mkpath("out");
            QDir out(folder("out"));
            ScriptedDialogs dialogs;
            const QString extension = QString::fromLatin1(command.proposed).section('.', 1);
            dialogs.files = {out.filePath("Out." + extension)};
            QCOMPARE(noticeAfter([&] { (ZpxMainForm->*command.item)->trigger(); }), QString("Exporting puzzle ...  "));
            QVERIFY(!InfoWin->isVisible());
            QCOMPARE(dialogs.fileRequests.size(), 1);
            const FileDialogRequest& request = dialogs.fileRequests.front();
            // The program asks itself, naming every file the export replaces.
            QVERIFY(request.save && !request.overwritePrompt);
            QCOMPARE(request.title, QString(command.title));
            QCOMPARE(request.fileName, QString(command.proposed));
            QCOMPARE(request.filter, QString(command.filter));
            QCOMPARE(request.defaultSuffix, extension);
            QStringList expected = command.written;
            expected.sort();
            QCOMPARE(out.entryList(QDir::Files, QDir::Name), expected);
            for (const QString& name : command.written)
                QVERIFY2(fileBytes(out.filePath(name)).size() > 0, qPrintable(name));

            // Exported again, every file to be replaced is named first; No keeps them all.
            const QString kept = out.filePath(command.written.back());
            QFile marked(kept);
            QVERIFY(marked.open(QIODevice::WriteOnly) && marked.write("kept") == 4);
            marked.close();
            for (const Answer answer : {Answer::No, Answer::Yes}) {
                dialogs.messages.clear();
                dialogs.files = {out.filePath("Out." + extension)};
                dialogs.answers = {answer};
                (ZpxMainForm->*command.item)->trigger();
                QCOMPARE(dialogs.messages.size(), 1);
                for (const QString& name : command.written)
                    QVERIFY(dialogs.messages[0].text.contains(QDir::toNativeSeparators(out.filePath(name))));
                QCOMPARE(fileBytes(kept) == "kept", answer == Answer::No);
                QTRY_VERIFY(!InfoWin->isVisible());
            }
            out.removeRecursively();

            // Cancel writes nothing and shows no notice.
            dialogs.files = {QString()};
            QCOMPARE(noticeAfter([&] { (ZpxMainForm->*command.item)->trigger(); }), QString());
            QVERIFY(!QDir(folder("out")).exists());
        }
    }

    void theSolversFormatsAreTitledAfterThePuzzleFile()
    {
        const std::pair<QAction* TZpxMainForm::*, std::string (*)(const TPuzzleRecord&, const std::string&)> exports[] = {
            {&TZpxMainForm::ExportIpuz1, writeIpuz}, {&TZpxMainForm::ExportJPZ1, writeJpz},
            {&TZpxMainForm::ExportWebPage1, writeWebPage}};
        for (const auto& [item, write] : exports) {
            ScriptedDialogs dialogs;
            dialogs.files = {folder("Published.x")};
            (ZpxMainForm->*item)->trigger();
            const QString written = QString::fromStdString(ExportForm->ExportFileName);
            QCOMPARE(fileBytes(written), QByteArray::fromStdString(write(PuzzleRecord, "Quote")));
            QFile::remove(written);
        }
    }

    void aFailedWriteIsReportedAndTheNoticeCloses()
    {
        ScriptedDialogs dialogs;
        dialogs.files = {folder("missing/Out.eps")};
        ZpxMainForm->ExportEPS1->trigger();
        QVERIFY(!InfoWin->isVisible());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.front().kind, MessageKind::Error);
        QCOMPARE(dialogs.messages.front().text, QString("The folder does not exist."));
    }

    void clipboardCommandsOfferPicturesAndTheClueText()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        for (QAction* item : {ZpxMainForm->GridtoClipboard1, ZpxMainForm->SolutiontoClipboard1,
                              ZpxMainForm->RTFGridtoClipboard1}) {
            clipboard->clear();
            QCOMPARE(noticeAfter([&] { item->trigger(); }), QString("Exporting puzzle ...  "));
            const QMimeData* data = clipboard->mimeData();
            for (const QString& type : PictureTypes)
                QVERIFY2(data->hasFormat(type), qPrintable(item->text() + " " + type));
            QVERIFY(data->data("image/svg+xml").startsWith("<?xml"));
            QCOMPARE(QImage::fromData(data->data("image/png")).size(), QSize(30 * 31 + 2, 30 * 12 + 2));
        }
        // The numbered answers carry the letters the plain grid leaves out.
        ZpxMainForm->GridtoClipboard1->trigger();
        const QByteArray grid = clipboard->mimeData()->data("image/svg+xml");
        ZpxMainForm->RTFGridtoClipboard1->trigger();
        QVERIFY(clipboard->mimeData()->data("image/svg+xml").size() > grid.size());

        ZpxMainForm->CluestoClipboard1->trigger();
        QCOMPARE(clipboard->text(), QString::fromStdString(cp1252ToUtf8(clueListText(PuzzleRecord))));
        QVERIFY(clipboard->text().startsWith("A. Clue \"number\" 1's text   1   2"));
    }

    void theAuthorAddressHeadsTheManuscriptWhoseGridGoesToTheClipboard()
    {
        whenShown(AuthorAddressForm, [] {
            // The fields are there to be seen, not only to be set.
            for (QWidget* field : AuthorAddressForm->findChildren<QLineEdit*>())
                QVERIFY(field->isVisible());
            QVERIFY(AuthorAddressForm->OkBtn->isVisible());
            AuthorAddressForm->NameEdit->setText("Zoë Setter");
            AuthorAddressForm->AddEdits[3]->setText("Norway");
            AuthorAddressForm->OkBtn->click();
        });
        ZpxMainForm->AuthorAddress1->trigger();
        QCOMPARE(ZpxProcs->ReadSetting("Name", ""), QString("Zoë Setter"));
        QCOMPARE(ZpxProcs->ReadSetting("Add1", "unset"), QString("Address 1"));

        QGuiApplication::clipboard()->clear();
        ScriptedDialogs dialogs;
        dialogs.files = {folder("Manuscript.rtf")};
        ZpxMainForm->ExportRTFFile1->trigger();
        const QByteArray rtf = fileBytes(folder("Manuscript.RTF"));
        QVERIFY(rtf.contains("\\par}{\\tx6400\\f4\\fs22 Zo\xEB Setter\r\n\\par Address 1\r\n"));
        QVERIFY(rtf.contains("\\par Address 3\r\n\\par Norway\r\n\\par}"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("image/x-wmf"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->data("image/x-wmf").contains("Manuscript.RTF"));

        // A cancelled dialog keeps what was set.
        whenShown(AuthorAddressForm, [] {
            AuthorAddressForm->NameEdit->setText("Someone Else");
            AuthorAddressForm->CancelBtn->click();
        });
        ZpxMainForm->AuthorAddress1->trigger();
        QCOMPARE(ZpxProcs->ReadSetting("Name", ""), QString("Zoë Setter"));
    }

    // Run under a real X server (ctest ExportUnitTest_x11): other programs read what the clipboard offers.
    void clipboardOffersUnderX11()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server: ctest runs this under Xvfb as ExportUnitTest_x11");
        auto xclip = [](const QString& type) {
            QProcess process;
            process.start("xclip", {"-o", "-selection", "clipboard", "-t", type});
            // The clipboard is served from this program's own event loop while xclip asks.
            [&] { QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 10000); }();
            return process.readAllStandardOutput();
        };
        ZpxMainForm->GridtoClipboard1->trigger();
        const QByteArray targets = xclip("TARGETS");
        for (const QString& type : PictureTypes)
            QVERIFY2(targets.contains(type.toLatin1()), targets.constData());
        QVERIFY(xclip("image/svg+xml").contains("<svg"));
        QVERIFY(xclip("image/png").startsWith("\x89PNG"));
        QVERIFY(xclip("image/x-wmf").startsWith("\xD7\xCD\xC6\x9A"));

        ZpxMainForm->CluestoClipboard1->trigger();
        QVERIFY(xclip("TARGETS").contains("text/plain"));
        QVERIFY(xclip("UTF8_STRING").startsWith("A. Clue \"number\" 1's text"));
    }
};

QTEST_MAIN(ExportUnitTest)
#include "ExportUnitTest.moc"
