// The Tools menu under a real X server and window manager: a running tool is
// brought to the front (and restored when minimised) instead of started
// again, a closed one is started anew, and the maker's tools are found by
// their caption also when started from outside.

#include "app/ZpxMainUnit.h"
#include "core/ZpxProcsUnit.h"
#include "env/LaunchUnit.h"
#include "support/WindowTestSupport.h"
#include "support/X11Windows.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <vector>

using namespace zpx;
using namespace zpx::test;

namespace {

// ICCCM window state: 1 normal, 3 minimised.
uint32_t windowState(xcb_window_t window)
{
    const auto values = windowProperty(window, "WM_STATE");
    return values.empty() ? 0 : values.front();
}

void sendToRoot(xcb_window_t window, const char* type, uint32_t first)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(type);
    message.data.data32[0] = first;
    xcb_send_event(connection(), 0, root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection());
}

void activate(xcb_window_t window)
{
    sendToRoot(window, "_NET_ACTIVE_WINDOW", 2);
}

void minimise(xcb_window_t window)
{
    sendToRoot(window, "WM_CHANGE_STATE", 3);
}

bool running(qint64 processId)
{
    return processId > 0 && ::kill(static_cast<pid_t>(processId), 0) == 0;
}

}  // namespace

class LaunchUnitTest : public QObject {
    Q_OBJECT

private:
    QString toolFolder;

private slots:
    void initTestCase()
    {
        startWholeProgram();
        QTRY_VERIFY(onScreen(ZpxMainForm->winId()));
        toolFolder = QDir(testFolder()).filePath(QStringLiteral("tool dir"));
        QVERIFY(QDir().mkpath(toolFolder));
    }

    void aRunningDictionaryComesToTheFrontAndAClosedOneStartsAgain();
    void theMakersToolIsFoundByItsCaptionWhenStartedOutside();
    void aMissingProgramIsReportedByItsPath();
};

void LaunchUnitTest::aRunningDictionaryComesToTheFrontAndAClosedOneStartsAgain()
{
    const QString dictionary = QDir(toolFolder).filePath(QStringLiteral("dictionary"));
    QVERIFY(QFile::copy(QStringLiteral(FAKE_TOOL_PATH), dictionary));
    qputenv("ZPX_FAKE_TOOL_TITLE", "Dictionary");
    ZpxProcs->WriteSetting(QStringLiteral("DictPath"), dictionary);
    ZpxMainForm->ApplyToolSettings();

    ZpxMainForm->Dictionary1->trigger();
    const qint64 first = LaunchModule->ToolProcessId;
    const xcb_window_t window = LaunchModule->ToolWindows[0];
    QVERIFY(running(first));
    QVERIFY(window != 0);
    QTRY_COMPARE(activeWindow(), window);

    // The second choice starts nothing: the running copy comes to the front.
    activate(ZpxMainForm->winId());
    QTRY_COMPARE(activeWindow(), xcb_window_t(ZpxMainForm->winId()));
    ZpxMainForm->DictBtn->click();
    QCOMPARE(LaunchModule->ToolProcessId, first);
    QTRY_COMPARE(activeWindow(), window);

    // Minimised, it is restored.
    minimise(window);
    QTRY_COMPARE(windowState(window), 3u);
    ZpxMainForm->Dictionary1->trigger();
    QCOMPARE(LaunchModule->ToolProcessId, first);
    QTRY_COMPARE(windowState(window), 1u);
    QTRY_COMPARE(activeWindow(), window);

    // Closed by the user, it is started anew.
    ::kill(static_cast<pid_t>(first), SIGTERM);
    QTRY_VERIFY(!onScreen(window));
    ZpxMainForm->Dictionary1->trigger();
    const qint64 second = LaunchModule->ToolProcessId;
    QVERIFY(second != first);
    QVERIFY(running(second));
    // The X server may give the new window the old one's number: it is told apart by its process.
    QCOMPARE(windowProperty(LaunchModule->ToolWindows[0], "_NET_WM_PID"), std::vector<uint32_t>{uint32_t(second)});
    ::kill(static_cast<pid_t>(second), SIGTERM);
}

void LaunchUnitTest::theMakersToolIsFoundByItsCaptionWhenStartedOutside()
{
    const QString clueVault = QDir(toolFolder).filePath(QStringLiteral("ClueVault.exe"));
    QVERIFY(QFile::copy(QStringLiteral(FAKE_TOOL_PATH), clueVault));
    qputenv("ZPX_FAKE_TOOL_TITLE", "Marlowick ClueVault");
    qint64 outside = 0;
    QVERIFY(QProcess::startDetached(clueVault, {}, QString(), &outside));
    xcb_window_t window = 0;
    QTRY_VERIFY((window = [&] {
                    for (const uint32_t client : windowProperty(root(), "_NET_CLIENT_LIST"))
                        if (windowProperty(client, "_NET_WM_PID") == std::vector<uint32_t>{uint32_t(outside)})
                            return client;
                    return uint32_t(0);
                }()) != 0);
    activate(ZpxMainForm->winId());
    QTRY_COMPARE(activeWindow(), xcb_window_t(ZpxMainForm->winId()));

    ZpxProcs->WriteSetting(QStringLiteral("CluePath"), clueVault);
    ZpxMainForm->ApplyToolSettings();
    const qint64 before = LaunchModule->ToolProcessId;
    ZpxMainForm->ClueVault1->trigger();
    QCOMPARE(LaunchModule->ToolProcessId, before);
    QCOMPARE(LaunchModule->ToolWindows[3], window);
    QTRY_COMPARE(activeWindow(), window);
    ::kill(static_cast<pid_t>(outside), SIGTERM);
}

void LaunchUnitTest::aMissingProgramIsReportedByItsPath()
{
    ScriptedDialogs dialogs;
    const QString missing = QDir(toolFolder).filePath(QStringLiteral("no such editor"));
    ZpxProcs->WriteSetting(QStringLiteral("ScraPath"), missing);
    ZpxMainForm->ApplyToolSettings();
    ZpxMainForm->Scratchpad1->trigger();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text,
             QStringLiteral("The Scratchpad program \"%1\" cannot be started: there is no such file.").arg(missing));
}

QTEST_MAIN(LaunchUnitTest)
#include "LaunchUnitTest.moc"
