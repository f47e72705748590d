#include "support/WindowTestSupport.h"

#include "app/ApplicationWindowsUnit.h"
#include "app/WindowRefreshUnit.h"
#include "app/ZpxMainUnit.h"
#include "core/SFXUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <filesystem>

namespace zpx::test {

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

ScriptedDialogs::ScriptedDialogs()
{
    setDialogResponder(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    setDialogResponder(nullptr);
}

Answer ScriptedDialogs::answerMessage(const MessageRequest& request)
{
    messages.append(request);
    if (answers.empty())
        return request.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::chooseFile(const FileDialogRequest& request)
{
    fileRequests.append(request);
    if (files.empty())
        return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

std::optional<FontPick> ScriptedDialogs::chooseFont(const FontDialogRequest& request)
{
    fontRequests.append(request);
    if (fonts.empty())
        return std::nullopt;
    const FontPick font = fonts.front();
    fonts.pop_front();
    return font;
}

SoundLog::SoundLog()
{
    TSoundFX::setProbe([this](int wave) { waves.push_back(wave); });
}

SoundLog::~SoundLog()
{
    TSoundFX::setProbe(nullptr);
}

namespace {

void useTestSettingsFolder()
{
    qputenv("XDG_CONFIG_HOME", QDir(folder().path()).filePath("config").toUtf8());
}

}  // namespace

void initWholeProgram()
{
    useTestSettingsFolder();
    createApplicationWindows();
}

void startWholeProgram()
{
    initWholeProgram();
    ZpxMainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(ZpxMainForm));
}

void openPuzzle(ScriptedDialogs& dialogs, const QString& path, bool solving)
{
    dialogs.files = {path};
    ZpxMainForm->Open1Click(solving ? ZpxMainForm->Solve1 : ZpxMainForm->Open1);
}

void openPuzzle(const QString& path, bool solving)
{
    ScriptedDialogs dialogs;
    openPuzzle(dialogs, path, solving);
}

void initWindowTestEnvironment()
{
    useTestSettingsFolder();
    if (!ZpxProcs)
        ZpxProcs = new TZpxProcs;
    if (!SoundFX)
        SoundFX = new TSoundFX;
    // The windows a test creates follow each other as in the program.
    installWindowRefresh();
}

QString testFolder()
{
    return folder().path();
}

void whenShown(QWidget* window, const std::function<void()>& answer)
{
    QTimer::singleShot(5, window, [window, answer] {
        if (window->isVisible())
            answer();
        else
            whenShown(window, answer);
    });
}

ScopedSaveFault refuseSavesTo(const QString& path)
{
    return ScopedSaveFault([name = std::filesystem::path(path.toStdString()).filename()](
                               SaveStep step, const std::filesystem::path& file) {
        return step == SaveStep::Rename && file.filename() == name ? EACCES : 0;
    });
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void activate(QWidget* window)
{
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

void clearSettings()
{
    QDir(QDir(folder().path()).filePath("config")).removeRecursively();
}

}  // namespace zpx::test
