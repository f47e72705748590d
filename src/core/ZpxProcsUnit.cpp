#include "core/ZpxProcsUnit.h"

#include "core/DialogsUnit.h"
#include "core/IpuzReader.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "core/ZpxApplicationUnit.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zpx {

TZpxProcs* ZpxProcs = nullptr;

TZpxProcs::TZpxProcs(QObject* parent)
    : QObject(parent), ZpxTimer(new QTimer(this))
{
    ZpxTimer->setSingleShot(true);
    connectGuarded(ZpxTimer, &QTimer::timeout, this, [this] { ZpxTimerTimer(); });
    ZpxProcsCreate();
}

void TZpxProcs::ZpxProcsCreate()
{
    AutoSquare = (fullScreenHeight() - menuHeight()) / 23;
}

void TZpxProcs::ErrorMessage(const QString& text)
{
    if (SoundMode > 0)
        SoundFX->PlayWave7();
    showMessage({MessageKind::Error, MessageButtons::Ok, QStringLiteral("Error"), text});
}

void TZpxProcs::LoadPuzzle(const QString& path)
{
    if (isIpuzFileName(path.toStdString()))
        loadIpuzFile(path.toStdString(), PuzzleRecord);
    else
        loadPuzzleFile(path.toStdString(), PuzzleRecord);
}

void TZpxProcs::SavePuzzle(const QString& path)
{
    // An imported ipuz is only read: the puzzle goes to a .zpx file of its own.
    if (isIpuzFileName(path.toStdString()))
        throw FileError("File access denied\nThe ipuz file is only read; save the puzzle under a .zpx name.");
    savePuzzleFile(path.toStdString(), PuzzleRecord);
    Modified = false;
}

void TZpxProcs::RecyclePuzzle(const QString& path)
{
    // Without the user's data folder Qt would make its trash in the current folder.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile::moveToTrash(path);
    Modified = false;
}

void TZpxProcs::ResetPuzzle(int width, int height)
{
    resetPuzzle(PuzzleRecord, width, height);
}

std::pair<int, int> TZpxProcs::SlotSquare(int slot)
{
    return slotSquare(PuzzleRecord, slot);
}

bool TZpxProcs::IsComplete()
{
    return isComplete(PuzzleRecord);
}

void TZpxProcs::Delay(int milliseconds)
{
    ZpxTimer->start(milliseconds);
    while (ZpxTimer->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TZpxProcs::ZpxTimerTimer()
{
    ZpxTimer->stop();
}

}  // namespace zpx
