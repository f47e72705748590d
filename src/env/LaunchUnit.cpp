#include "env/LaunchUnit.h"

#include "core/ZpxProcsUnit.h"
#include "env/ExternalTools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <algorithm>

namespace zpx {

TLaunchModule* LaunchModule = nullptr;

namespace {

constexpr int WindowSearchMilliseconds = 1000;
constexpr int WindowSearchStepMilliseconds = 25;

std::string_view captionAt(int menuPosition)
{
    const auto tool = std::find_if(ExternalTools.begin(), ExternalTools.end(),
                                   [&](const ExternalTool& t) { return t.menuPosition == menuPosition; });
    return tool == ExternalTools.end() ? std::string_view() : tool->caption;
}

}  // namespace

TLaunchModule::TLaunchModule(QObject* parent) : QObject(parent) {}

void TLaunchModule::Launch(const QString& path)
{
    ToolWindow& window = ToolWindows.at(ToolIndex);
    const QString caption = QString::fromStdString(ToolCaption(path.toStdString()));
    // The maker's tools are found by their caption, also when started from outside;
    // the dictionary and thesaurus only by the window their last start opened.
    if (!caption.isEmpty())
        window = findToolWindowByTitle(caption);
    if (!bringToolWindowToFront(window))
        StartTool(path);
}

bool TLaunchModule::StartTool(const QString& path)
{
    ToolWindow& window = ToolWindows.at(ToolIndex);
    qint64 processId = 0;
    // The stored path is the program itself: nothing in it is split, quoted or
    // interpreted, and no shell is involved.
    if (!QProcess::startDetached(path, {}, QDir::currentPath(), &processId)) {
        ZpxProcs->ErrorMessage(QString::fromStdString(toolStartFailure(captionAt(ToolIndex), path.toStdString())));
        return false;
    }
    ToolProcessId = processId;
    const QDeadlineTimer deadline(toolWindowsSearchable() ? WindowSearchMilliseconds : 0);
    do {
        if (const ToolWindow found = findToolWindowOfProcess(ToolProcessId)) {
            window = found;
            break;
        }
        if (!deadline.hasExpired())
            QThread::msleep(WindowSearchStepMilliseconds);
    } while (!deadline.hasExpired());
    return window != 0;
}

}  // namespace zpx
