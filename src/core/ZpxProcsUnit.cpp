#include "core/ZpxProcsUnit.h"

#include "core/DialogsUnit.h"
#include "core/IpuzReader.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zpx {

TZpxProcs* ZpxProcs = nullptr;

TZpxProcs::TZpxProcs(QObject* parent) : QObject(parent)
{
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
    // Read whole before it replaces the puzzle in memory, so a damaged file changes nothing.
    TPuzzleRecord loaded;
    SolvingProgress progress;
    if (isIpuzFileName(path.toStdString()))
        loadIpuzFile(path.toStdString(), loaded);
    else
        loadPuzzleFile(path.toStdString(), loaded, progress);
    puzzleEdits().startFresh(loaded, PuzzleEdits::Saved::Yes, progress);
}

void TZpxProcs::SavePuzzle(const QString& path)
{
    // An imported ipuz is only read: the puzzle goes to a .zpx file of its own.
    if (isIpuzFileName(path.toStdString()))
        throw FileError("File access denied\nThe ipuz file is only read; save the puzzle under a .zpx name.");
    savePuzzleFile(path.toStdString(), PuzzleRecord, puzzleEdits().progress());
    puzzleEdits().markSaved();
}

void TZpxProcs::RecyclePuzzle(const QString& path)
{
    // Without the user's data folder Qt would make its trash in the current folder.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile::moveToTrash(path);
    puzzleEdits().forgetChanges();
}

void TZpxProcs::ResetPuzzle(int width, int height)
{
    TPuzzleRecord reset = PuzzleRecord;
    resetPuzzle(reset, width, height);
    puzzleEdits().startFresh(reset, PuzzleEdits::Saved::NotYet);
}

std::pair<int, int> TZpxProcs::SlotSquare(int slot)
{
    return slotSquare(PuzzleRecord, slot);
}

bool TZpxProcs::IsComplete()
{
    return isComplete(PuzzleRecord);
}

}  // namespace zpx
