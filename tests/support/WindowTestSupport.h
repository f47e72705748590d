#pragma once
// What every window test needs: a private settings folder, the shared data
// modules, scripted answers for message boxes and file dialogs, and a record
// of the sounds asked for.

#include "core/DialogsUnit.h"
#include "core/PuzzleFile.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace zpx::test {

class ScriptedDialogs : public DialogResponder {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    Answer answerMessage(const MessageRequest& request) override;
    QString chooseFile(const FileDialogRequest& request) override;
    std::optional<FontPick> chooseFont(const FontDialogRequest& request) override;

    // Answers used in order; when none is queued a message gets Cancel (or
    // Ok for an OK-only box) and a file or font dialog gets Cancel.
    std::deque<Answer> answers;
    std::deque<QString> files;
    std::deque<FontPick> fonts;

    QList<MessageRequest> messages;
    QList<FileDialogRequest> fileRequests;
    QList<FontDialogRequest> fontRequests;
};

// Records the sounds asked for while it lives.
class SoundLog {
public:
    SoundLog();
    ~SoundLog();
    std::vector<int> waves;
};

// Points the settings store at a fresh temporary folder for the whole test
// program and creates TZpxProcs and TSoundFX. Call once, in initTestCase.
void initWindowTestEnvironment();

// The same settings folder, and every window and data module created as the
// program creates them. Call once, in initTestCase, instead of the above.
void initWholeProgram();

// initWholeProgram, and the main window shown as the program shows it.
void startWholeProgram();

// Puzzle > Solve (solving) or Puzzle > Construct > Open with `path` chosen in the file dialog.
void openPuzzle(ScriptedDialogs& dialogs, const QString& path, bool solving);
void openPuzzle(const QString& path, bool solving);

// The temporary folder of this test program: settings live under it, and
// tests may put puzzle files there.
QString testFolder();

// Runs `answer` once `window` shows: a modal window may open only after a
// wait (the celebration before the score card) has run.
void whenShown(QWidget* window, const std::function<void()>& answer);

// While the result lives, saving over the file at `path` fails as it does
// where the user may not write (the tests may run as root, who always may).
ScopedSaveFault refuseSavesTo(const QString& path);

// The whole file, or nothing when it cannot be read.
QByteArray fileBytes(const QString& path);

// Asks the window manager to make `window` active and waits until it is, as
// a person's click would, so keys and shortcuts reach it as they reach theirs.
void activate(QWidget* window);

// Removes every stored setting.
void clearSettings();

}  // namespace zpx::test
