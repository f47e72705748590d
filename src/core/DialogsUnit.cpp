#include "core/DialogsUnit.h"

#include "core/WindowPlacesUnit.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <QSortFilterProxyModel>

namespace zpx {

namespace {

DialogResponder* activeResponder = nullptr;

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// "Zephyrtrace Puzzle |*.zpx" becomes "Zephyrtrace Puzzle (*.zpx)".
QString qtFilter(const QString& filter)
{
    const auto parts = filter.split('|');
    if (parts.size() != 2)
        return filter;
    return parts[0].trimmed() + " (" + QString(parts[1]).replace(';', ' ') + ")";
}

// Lists folders and the files that may be run, for choosing a program.
class ProgramsOnly : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo file = files->fileInfo(files->index(row, 0, parent));
        return file.isDir() || file.isExecutable();
    }
};

}  // namespace

void setDialogResponder(DialogResponder* responder)
{
    activeResponder = responder;
}

Answer showMessage(const MessageRequest& request)
{
    if (activeResponder)
        return activeResponder->answerMessage(request);
    QMessageBox box(iconOf(request.kind), request.caption, request.text, buttonsOf(request.buttons),
                    dialogOwner());
    keepAboveToolWindows(&box);
    for (const auto& [button, caption] : {std::pair{QMessageBox::Yes, request.yesCaption},
                                          std::pair{QMessageBox::No, request.noCaption}})
        if (QAbstractButton* shown = box.button(button); shown && !caption.isEmpty())
            shown->setText(caption);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

QString chooseFile(const FileDialogRequest& request)
{
    if (activeResponder)
        return activeResponder->chooseFile(request);
    QFileDialog dialog(dialogOwner(), request.title, request.directory, qtFilter(request.filter));
    keepAboveToolWindows(&dialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.folder      ? QFileDialog::Directory
                       : request.mustExist ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (request.programsOnly) {
        // Qt's own dialog, whose list the filter can reach.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setProxyModel(new ProgramsOnly(&dialog));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

DialogResponder* dialogResponder()
{
    return activeResponder;
}

}  // namespace zpx
