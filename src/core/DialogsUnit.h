#pragma once
// Every message box and file dialog of the program goes through here, so
// window tests can answer them without a person and see what was asked.

#include <QString>

namespace zpx {

enum class MessageKind { Error, Information, Question, Warning };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
    MessageKind kind;
    MessageButtons buttons;
    QString caption;
    QString text;
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
};

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual Answer answerMessage(const MessageRequest& request) = 0;
    // The chosen path, or empty for Cancel.
    virtual QString chooseFile(const FileDialogRequest& request) = 0;
};

// Replaces the real dialogs (tests); nullptr restores them.
void setDialogResponder(DialogResponder* responder);

Answer showMessage(const MessageRequest& request);
QString chooseFile(const FileDialogRequest& request);

}  // namespace zpx
