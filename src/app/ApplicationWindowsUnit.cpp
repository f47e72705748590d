#include "app/ApplicationWindowsUnit.h"

#include "app/WindowRefreshUnit.h"
#include "app/ZpxMainUnit.h"
#include "clues/CharMapUnit.h"
#include "clues/CluesDBUnit.h"
#include "clues/DefListUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxInputUnit.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxSuggestUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/SFXUnit.h"
#include "core/WindowPlacesUnit.h"
#include "core/ZpxProcsUnit.h"
#include "env/LaunchUnit.h"
#include "env/ZpxAboutUnit.h"
#include "env/ZpxMsgUnit.h"
#include "env/ZpxPrefUnit.h"
#include "output/AuthorAddressUnit.h"
#include "output/BylineUnit.h"
#include "output/ExportUnit.h"
#include "output/ZpxPrintAnsUnit.h"
#include "output/ZpxPrintUnit.h"
#include "solve/ScoreUnit.h"
#include "solve/ZpxClockUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"

namespace zpx {

void createApplicationWindows()
{
    keepDialogsInView();
    ZpxMainForm = new TZpxMainForm;
    ZpxGridForm = new TZpxGridForm;
    ZpxCluesForm = new TZpxCluesForm;
    ZpxInputForm = new TZpxInputForm;
    CharMapForm = new TCharMapForm;
    CluesDBForm = new TCluesDBForm;
    DefListForm = new TDefListForm;
    ZpxAboutForm = new TZpxAboutForm;
    AcrosticWinForm = new TAcrosticWinForm;
    BylineForm = new TBylineForm;
    AutoclueForm = new TAutoclueForm;
    ZpxAnalyzeForm = new TZpxAnalyzeForm;
    ZpxClockForm = new TZpxClockForm;
    InfoWin = new TInfoWin;
    ZpxPrefForm = new TZpxPrefForm;
    ZpxPrintAnsForm = new TZpxPrintAnsForm;
    ZpxPrintForm = new TZpxPrintForm;
    ZpxProcs = new TZpxProcs;
    ZpxScanForm = new TZpxScanForm;
    ZpxSuggestForm = new TZpxSuggestForm;
    ZpxSolveForm = new TZpxSolveForm;
    ZpxTitleForm = new TZpxTitleForm;
    ExportForm = new TExportForm;
    LaunchModule = new TLaunchModule;
    LettersDistForm = new TLettersDistForm;
    ScoreForm = new TScoreForm;
    SoundFX = new TSoundFX;
    AuthorAddressForm = new TAuthorAddressForm;
    installWindowRefresh();
}

}  // namespace zpx
