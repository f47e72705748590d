#include "core/ZpxApplicationUnit.h"

#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxInputUnit.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/DialogsUnit.h"
#include "core/SFXUnit.h"
#include "core/ZpxMainUnit.h"
#include "core/ZpxProcsUnit.h"

#include <exception>

namespace zpx {

TZpxApplication::TZpxApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zephyrtrace"));
}

bool TZpxApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showRunTimeError(QString::fromUtf8(error.what()));
    }
    return false;
}

void showRunTimeError(const QString& text)
{
    showMessage({MessageKind::Error, MessageButtons::Ok, QStringLiteral("Zephyrtrace"), text});
}

void createApplicationWindows()
{
    ZpxMainForm = new TZpxMainForm;
    ZpxGridForm = new TZpxGridForm;
    ZpxInputForm = new TZpxInputForm;
    AcrosticWinForm = new TAcrosticWinForm;
    ZpxAnalyzeForm = new TZpxAnalyzeForm;
    ZpxProcs = new TZpxProcs;
    ZpxScanForm = new TZpxScanForm;
    ZpxTitleForm = new TZpxTitleForm;
    LettersDistForm = new TLettersDistForm;
    SoundFX = new TSoundFX;
}

}  // namespace zpx
