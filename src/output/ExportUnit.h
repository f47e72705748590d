#pragma once
// The export data module: the grid pictures, the clue list and the
// manuscript written to files or put on the clipboard for other programs.

#include "output/GridPicture.h"

#include <QObject>
#include <QString>

#include <string>

class QMimeData;

namespace zpx {

class TExportForm : public QObject {
    Q_OBJECT

public:
    explicit TExportForm(QObject* parent = nullptr);

    // The last file an export wrote; a picture put on the clipboard is named after it.
    std::string ExportFileName;

    // `name` is the file the user chose in the save dialog. Each raises
    // zpx::FileError when a file cannot be written.
    void WriteClueText(const QString& name);
    void ExportEps(const QString& name);
    // Mode 0 writes NAME.WMF and NAME-A.WMF; 1, 2 and 3 put the picture of
    // that kind (puzzle grid, answer grid, numbered answers) on the clipboard.
    void ExportMetafile(const QString& name, int mode);
    void ExportSvg(const QString& name);
    // Writes the manuscript and puts the grid with its answers on the
    // clipboard, ready to paste where the manuscript asks for it.
    void ExportRtf(const QString& name);
    void CluesToClipboard();
    // For solvers, titled after the puzzle file: ipuz, JPZ and a web page.
    void ExportIpuz(const QString& name);
    void ExportJpz(const QString& name);
    void ExportWebPage(const QString& name);
};

extern TExportForm* ExportForm;

// A grid picture as the clipboard offers it: SVG and PNG, which the
// programs of the desktop paste, and the metafile bytes.
QMimeData* pictureMimeData(const TPuzzleRecord& record, PictureKind kind, const std::string& description);

}  // namespace zpx
