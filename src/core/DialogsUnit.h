#pragma once
// Every message box and file dialog of the program goes through here, so
// window tests can answer them without a person and see what was asked.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace zpx {

enum class MessageKind { Error, Information, Question, Warning };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
    MessageKind kind;
    MessageButtons buttons;
    QString caption;
    QString text;
    // Captions in place of "Yes" and "No" (empty keeps them); the answers stay Yes and No.
    QString yesCaption = {};
    QString noCaption = {};
};

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString fileName;       // proposed name
    QString defaultSuffix;  // without the dot
    QString filter;         // "Zephyrtrace Puzzle |*.zpx" style: description|patterns
    QString directory;
    bool overwritePrompt = false;
    bool mustExist = false;
    bool programsOnly = false;  // lists only files that may be run, and folders
    bool folder = false;    // a folder is chosen, not a file
};

// The font dialog: scalable fonts only, with colour, underline and strikeout.
struct FontDialogRequest {
    QFont font;
    QColor color;
};

struct FontPick {
    QFont font;
    QColor color;
};

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual Answer answerMessage(const MessageRequest& request) = 0;
    // The chosen path, or empty for Cancel.
    virtual QString chooseFile(const FileDialogRequest& request) = 0;
    // The chosen font, or empty for Cancel.
    virtual std::optional<FontPick> chooseFont(const FontDialogRequest& request) = 0;
};

// Replaces the real dialogs (tests); nullptr restores them.
void setDialogResponder(DialogResponder* responder);
// The responder in place of the real dialogs; nullptr when there is none.
DialogResponder* dialogResponder();

Answer showMessage(const MessageRequest& request);
QString chooseFile(const FileDialogRequest& request);

}  // namespace zpx
