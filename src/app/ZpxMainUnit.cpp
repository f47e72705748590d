#include "app/ZpxMainUnit.h"

#include "app/RecentPuzzles.h"
#include "app/ShellFigures.h"
#include "core/Cp1252.h"
#include "core/DialogsUnit.h"
#include "core/IpuzReader.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleFile.h"
#include "core/ProgramPrinterUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SettingsFormats.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxHelpUnit.h"
#include "core/ZpxProcsUnit.h"
#include "clues/CharMapUnit.h"
#include "clues/CluesDBUnit.h"
#include "clues/DefListUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/GridScan.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxInputUnit.h"
#include "construct/AnswerFill.h"
#include "construct/WordList.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxSuggestUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "env/ExternalTools.h"
#include "env/LaunchUnit.h"
#include "env/ZpxAboutUnit.h"
#include "env/ZpxMsgUnit.h"
#include "env/ZpxPrefUnit.h"
#include "output/AuthorAddressUnit.h"
#include "output/BylineUnit.h"
#include "output/ExportFiles.h"
#include "output/ExportUnit.h"
#include "output/ZpxPrintUnit.h"
#include "solve/ScoreUnit.h"
#include "solve/SolverChecks.h"
#include "solve/ZpxClockUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <vector>

namespace zpx {

TZpxMainForm* ZpxMainForm = nullptr;

namespace {

const char* const PuzzleFilter = "Zephyrtrace Puzzle |*.zpx";
// Open also imports acrostics made elsewhere.
const char* const OpenFilter = "Zephyrtrace Puzzle or ipuz Acrostic |*.zpx;*.ipuz";
constexpr int PanelHeight = 41;
constexpr int BylineHeight = 18;

// The history entries' marks: a pencil stroke for construction, a tick for solving.
QIcon historyIcon(bool construction)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(construction ? QColor(0x80, 0x40, 0x00) : QColor(0x00, 0x80, 0x00), 2));
    if (construction) {
        painter.drawLine(3, 13, 13, 3);
        painter.drawLine(2, 14, 4, 12);
    } else {
        painter.drawLine(3, 8, 7, 12);
        painter.drawLine(7, 12, 13, 3);
    }
    return QIcon(picture);
}

// The save dialog of New and Save As: a new name for a puzzle file.
FileDialogRequest puzzleSaveRequest(const QString& title)
{
    FileDialogRequest request;
    request.save = true;
    request.title = title;
    request.fileName = QStringLiteral("untitled.zpx");
    request.defaultSuffix = QStringLiteral("zpx");
    request.filter = QString::fromUtf8(PuzzleFilter);
    request.overwritePrompt = true;
    return request;
}

// Asks for a puzzle file's name; one without the .zpx extension is refused.
QString choosePuzzleName(const FileDialogRequest& request)
{
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return chosen;
    if (QFileInfo(chosen).suffix().compare(QLatin1String("zpx"), Qt::CaseInsensitive) != 0) {
        ZpxProcs->ErrorMessage(QStringLiteral("Not a valid Zephyrtrace puzzle."));
        return QString();
    }
    return chosen;
}

// The file a save writes: the puzzle's own; for an imported ipuz, which is
// never written over, a .zpx name the user chooses beside it (empty when
// the user cancels).
QString puzzleFileForSave()
{
    const QString current = QString::fromStdString(PuzzleFileName);
    if (!isIpuzFileName(PuzzleFileName))
        return current;
    const QFileInfo imported(current);
    FileDialogRequest request = puzzleSaveRequest(QStringLiteral("Save puzzle as..."));
    request.fileName = imported.completeBaseName() + QStringLiteral(".zpx");
    request.directory = imported.absolutePath();
    return choosePuzzleName(request);
}

// The save dialog of an export: the puzzle's name with the export's extension, in the current folder.
FileDialogRequest exportSaveRequest(const char* title, const char* extension, const char* filter)
{
    FileDialogRequest request;
    request.save = true;
    request.title = QString::fromLatin1(title);
    request.fileName = QFileInfo(QString::fromStdString(PuzzleFileName)).completeBaseName() + QLatin1Char('.')
                       + QString::fromLatin1(extension);
    request.defaultSuffix = QString::fromLatin1(extension);
    request.filter = QString::fromLatin1(filter);
    request.directory = QDir::currentPath();
    // The export writes other names than the chosen one (Quote.EPS, Quote-A.EPS,
    // Quote.TXT for Quote.eps): the question about replacing files is ours.
    request.overwritePrompt = false;
    return request;
}

// Asks before files of the export are replaced, naming each; true to go on.
bool mayReplaceExportFiles(ExportCommand command, const QString& chosen)
{
    QStringList existing;
    for (const std::string& file : exportCommandFiles(command, chosen.toStdString()))
        if (QFileInfo::exists(QString::fromStdString(file)))
            existing.append(QDir::toNativeSeparators(QString::fromStdString(file)));
    if (existing.isEmpty())
        return true;
    SoundFX->PlayQuestion();
    return showMessage({MessageKind::Question, MessageButtons::YesNo, QStringLiteral("Confirm"),
                        QStringLiteral("These files exist already and will be replaced:\n%1\nReplace them?")
                            .arg(existing.join(QLatin1Char('\n')))})
           == Answer::Yes;
}

// Asks for the export's file name and runs `write` with it under the exporting notice.
template <typename Write>
void exportToChosenFile(ExportCommand command, const char* title, const char* extension, const char* filter,
                        Write write)
{
    const QString chosen = chooseFile(exportSaveRequest(title, extension, filter));
    if (!chosen.isEmpty() && mayReplaceExportFiles(command, chosen))
        runUnderNotice(NoticeExporting, [&] { write(chosen); });
}

using Handler = void (*)(TZpxMainForm&);

// One menu command: where the main window keeps it, its caption, what it
// does and when it is enabled. A row without a caption is a separator; a
// command without a handler belongs to a window still to come and stays
// disabled.
struct CommandRow {
    QAction* TZpxMainForm::*item = nullptr;
    const char* caption = nullptr;
    Handler handler = nullptr;
    EnableRule rule = EnableRule::Always;
    QKeyCombination shortcut = {};
    // Never shown in a menu: the command lives on the window only for its shortcut.
    bool onWindowOnly = false;
};

// One menu, or a further part of a menu already begun (title nullptr);
// `parent` names the menu a submenu opens from.
struct MenuTable {
    QMenu* TZpxMainForm::*menu;
    const char* title;
    EnableRule rule;
    std::vector<CommandRow> rows;
    QMenu* TZpxMainForm::*parent = nullptr;
};

using M = TZpxMainForm;

const std::vector<MenuTable>& menuTables()
{
    static const std::vector<MenuTable> tables = {
        {&M::Puzzle1, "&Puzzle", EnableRule::Always,
         {{&M::Solve1, "&Solve...", [](M& f) { f.Open1Click(f.Solve1); }}}},
        {&M::Construct1, "&Construct", EnableRule::Always,
         {{&M::New1, "&New...", [](M& f) { f.New1Click(); }},
          {&M::Open1, "&Open...", [](M& f) { f.Open1Click(f.Open1); }}},
         &M::Puzzle1},
        {&M::Puzzle1, nullptr, EnableRule::Always,
         {{},
          {&M::Save1, "Sa&ve", [](M& f) { f.Save1Click(); }, EnableRule::Loaded, Qt::CTRL | Qt::Key_S},
          {&M::SavePuzzleAs1, "Save Puzzle &As...", [](M& f) { f.SavePuzzleAs1Click(); }, EnableRule::Loaded},
          {},
          {&M::Print1, "&Print...", [](M& f) { f.Print1Click(); }, EnableRule::Loaded, Qt::CTRL | Qt::Key_P},
          {&M::PrinterSetup1, "P&rinter Setup...", [](M& f) { f.PrinterSetup1Click(); }},
          {&M::N11},
          {&M::History1, "&1 PUZZLE1", [](M& f) { f.HistoryClick(1); }},
          {&M::History2, "&2 PUZZLE2", [](M& f) { f.HistoryClick(2); }},
          {&M::History3, "&3 PUZZLE3", [](M& f) { f.HistoryClick(3); }},
          {},
          {&M::Exit1, "E&xit", [](M& f) { f.Exit1Click(); }}}},
        {&M::Edit1, "&Edit", EnableRule::Always,
         {{&M::Undo1, "&Undo", [](M& f) { f.Undo1Click(); }, EnableRule::Loaded, Qt::CTRL | Qt::Key_Z},
          {&M::Redo1, "&Redo", [](M& f) { f.Redo1Click(); }, EnableRule::Loaded, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}}},
        {&M::Check1, "&Check", EnableRule::SolvingLoaded,
         {{&M::CheckLetter1, "Check &Letter", [](M& f) { f.CheckClick(SolverScope::Letter); },
           EnableRule::SolvingLoaded, Qt::CTRL | Qt::Key_K},
          {&M::CheckWord1, "Check &Word", [](M& f) { f.CheckClick(SolverScope::Word); }, EnableRule::SolvingLoaded,
           Qt::CTRL | Qt::SHIFT | Qt::Key_K},
          {&M::CheckGrid1, "Check &Grid", [](M& f) { f.CheckClick(SolverScope::Grid); }, EnableRule::SolvingLoaded,
           Qt::CTRL | Qt::Key_G},
          {},
          {&M::RevealLetter1, "&Reveal Letter", [](M& f) { f.RevealClick(SolverScope::Letter); },
           EnableRule::SolvingLoaded, Qt::CTRL | Qt::Key_R},
          {&M::RevealWord1, "Reveal W&ord", [](M& f) { f.RevealClick(SolverScope::Word); }, EnableRule::SolvingLoaded,
           Qt::CTRL | Qt::SHIFT | Qt::Key_R}}},
        {&M::Options1, "&Options", EnableRule::Always,
         {{&M::ScorePuzzle1, "&Score Puzzle", [](M& f) { f.ScorePuzzle1Click(); }, EnableRule::SolvingLoaded},
          {&M::Clock1, "&Clock...", [](M& f) { f.Clock1Click(); }, EnableRule::Solving},
          {&M::ReverttoSaved1, "&Revert to Saved", [](M& f) { f.ReverttoSaved1Click(); }, EnableRule::Loaded},
          {&M::ScanGrid1, "Scan &Grid...", [](M& f) { f.ScanGrid1Click(); }, EnableRule::Building},
          {&M::AcrosticWindow1, "Acrostic &Window...", [](M& f) { f.AcrosticWindow1Click(); },
           EnableRule::Building},
          {&M::SuggestWords1, "Suggest W&ords...", [](M& f) { f.SuggestWords1Click(); }, EnableRule::Constructing},
          {&M::FillRemainingWords1, "&Fill Remaining Words", [](M& f) { f.FillRemainingWords1Click(); },
           EnableRule::Constructing, Qt::CTRL | Qt::SHIFT | Qt::Key_F},
          {},
          {&M::AutoArrange1, "&Auto Arrange", [](M& f) { f.AutoArrange1Click(); }, EnableRule::EverLoaded,
           QKeyCombination(Qt::Key_F9)},
          {&M::Preferences1, "&Preferences...", [](M& f) { f.Preferences1Click(); }},
          {&M::AuthorAddress1, "Author A&ddress...", [](M& f) { f.AuthorAddress1Click(); }}}},
        {&M::Special1, "&Special", EnableRule::Building,
         {{&M::ExportMetafile1, "Export &Metafile", [](M& f) { f.ExportMetafile1Click(); }},
          {&M::ExportEPS1, "Export &EPS", [](M& f) { f.ExportEPS1Click(); }},
          {&M::ExportSVG1, "Export S&VG", [](M& f) { f.ExportSVG1Click(); }},
          {},
          {&M::ExportRTFFile1, "Export &RTF File", [](M& f) { f.ExportRTFFile1Click(); }},
          {&M::RTFGridtoClipboard1, "RT&F Grid to Clipboard", [](M& f) { f.ToClipboardClick(f.RTFGridtoClipboard1); }},
          {},
          {&M::ExportIpuz1, "Export &ipuz\u2026", [](M& f) { f.ExportIpuz1Click(); }},
          {&M::ExportJPZ1, "Export &JPZ\u2026", [](M& f) { f.ExportJPZ1Click(); }},
          {&M::ExportWebPage1, "Export &Web Page\u2026", [](M& f) { f.ExportWebPage1Click(); }},
          {},
          {&M::GridtoClipboard1, "&Grid to Clipboard", [](M& f) { f.ToClipboardClick(f.GridtoClipboard1); }},
          {&M::SolutiontoClipboard1, "&Solution to Clipboard",
           [](M& f) { f.ToClipboardClick(f.SolutiontoClipboard1); }},
          {&M::CluestoClipboard1, "&Clues to Clipboard", [](M& f) { f.ToClipboardClick(f.CluestoClipboard1); }},
          {},
          {&M::Byline1, "&Byline...", [](M& f) { f.Byline1Click(); }},
          {},
          {&M::Analysis1, "&Analysis...", [](M& f) { f.Analysis1Click(); }},
          {&M::SpillHotKey, "Spill", [](M& f) { f.SpillHotKeyClick(); }, EnableRule::Always,
           QKeyCombination(Qt::Key_F8), true}}},
        {&M::Tools1, "&Tools", EnableRule::Always,
         {{&M::Dictionary1, "&Dictionary...", [](M& f) { f.ToolsMenuItemClick(f.Dictionary1); }, EnableRule::ToolPath,
           Qt::CTRL | Qt::Key_D},
          {&M::Thesaurus1, "&Thesaurus...", [](M& f) { f.ToolsMenuItemClick(f.Thesaurus1); }, EnableRule::ToolPath},
          {},
          {&M::ClueVault1, "&Cluevault...", [](M& f) { f.ToolsMenuItemClick(f.ClueVault1); }, EnableRule::ToolPath},
          {&M::Scratchpad1, "&Scratchpad...", [](M& f) { f.ToolsMenuItemClick(f.Scratchpad1); }, EnableRule::ToolPath},
          {&M::Postbot1, "&Postbot...", [](M& f) { f.ToolsMenuItemClick(f.Postbot1); }, EnableRule::ToolPath}}},
        {&M::Help1, "&Help", EnableRule::Always,
         {{&M::HelpContents, "&Contents", [](M& f) { f.HelpContentsClick(); }},
          {&M::HelpKeywordIndexcs1, "&Keyword Index", [](M& f) { f.HelpKeywordIndexclick(); }},
          {},
          {&M::About1, "&About...", [](M& f) { f.About1Click(); }},
          {&M::HelpHotKey, "Help", [](M& f) { f.HelpHotKeyClick(); }, EnableRule::Always, QKeyCombination(Qt::Key_F1),
           true}}},
    };
    return tables;
}

// One speed button of the panel. A button with `release` acts while it is
// held: `click` on the press, `release` when it comes up.
struct ButtonRow {
    QToolButton* TZpxMainForm::*button;
    int left;
    const char* hint;
    const char* picture;
    Handler click;
    EnableRule rule;
    Handler release = nullptr;
    bool checkable = false;
};

const std::vector<ButtonRow>& buttonTable()
{
    static const std::vector<ButtonRow> buttons = {
        {&M::CheatBtn, 8, "Show puzzle answers", "cheat", [](M& f) { f.CheatBtnMouseDown(); },
         EnableRule::SolvingLoaded, [](M& f) { f.CheatBtnMouseUp(); }},
        {&M::SquaresBtn, 34, "Edit quotation grid", "squares", [](M& f) { f.SquaresBtnClick(); },
         EnableRule::Building, nullptr, true},
        {&M::LettersBtn, 60, "Construct the puzzle", "letters", [](M& f) { f.LettersBtnClick(); },
         EnableRule::Building, nullptr, true},
        {&M::SpillBtn, 86, "Clear an author-title entry", "spill", [](M& f) { f.SpillBtnClick(); },
         EnableRule::Constructing},
        {&M::DistrBtn, 112, "Update letters distribution", "distr", [](M& f) { f.DistrBtnClick(); },
         EnableRule::Building},
        {&M::DictBtn, 138, "Open dictionary", "dict", [](M& f) { f.DictBtnClick(); }, EnableRule::ToolPath},
        {&M::AutoclueBtn, 164, "Write the clues", "autoclue", [](M& f) { f.AutoclueBtnClick(); },
         EnableRule::Building},
    };
    return buttons;
}

}  // namespace

TZpxMainForm::TZpxMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setPlacementAnchor(PlacementAnchor::Main, this);
    setWindowTitle(QStringLiteral("Zephyrtrace"));
    createMenus();
    createPanel();
    applyCommandEnabling();
    qApp->installEventFilter(this);
}

TZpxMainForm::~TZpxMainForm() = default;

void TZpxMainForm::createMenus()
{
    for (const MenuTable& table : menuTables()) {
        QMenu*& menu = this->*table.menu;
        if (!menu)
            menu = table.parent ? (this->*table.parent)->addMenu(QString::fromUtf8(table.title))
                                : menuBar()->addMenu(QString::fromUtf8(table.title));
        for (const CommandRow& row : table.rows) {
            if (!row.caption) {
                QAction* separator = menu->addSeparator();
                if (row.item)
                    this->*row.item = separator;
                continue;
            }
            QAction* action = row.onWindowOnly ? new QAction(QString::fromUtf8(row.caption), this)
                                               : menu->addAction(QString::fromUtf8(row.caption));
            if (row.onWindowOnly)
                addAction(action);
            if (row.shortcut != QKeyCombination()) {
                action->setShortcut(QKeySequence(row.shortcut));
                // The constructor works in the grid and author-title windows: the keys reach the menus from there too.
                action->setShortcutContext(Qt::ApplicationShortcut);
            }
            if (row.handler)
                connectGuarded(action, &QAction::triggered, this, [this, handler = row.handler] { handler(*this); });
            this->*row.item = action;
        }
    }
}

void TZpxMainForm::createPanel()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The client font is the window's own; the menu bar keeps the system's menu font.
    QFont clientFont(QStringLiteral("Times New Roman"));
    clientFont.setPixelSize(13);
    client->setFont(clientFont);

    Panel1 = new QFrame(client);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, 427, PanelHeight);
    for (const ButtonRow& row : buttonTable()) {
        auto* button = new QToolButton(Panel1);
        button->setGeometry(row.left, 8, 25, 25);
        button->setAutoRaise(true);
        button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QString::fromLatin1(row.picture))));
        button->setIconSize(QSize(18, 18));
        button->setProperty("hint", QString::fromUtf8(row.hint));
        button->setCheckable(row.checkable);
        if (row.click && row.release) {
            connectGuarded(button, &QToolButton::pressed, this, [this, handler = row.click] { handler(*this); });
            connectGuarded(button, &QToolButton::released, this, [this, handler = row.release] { handler(*this); });
        } else if (row.click) {
            connectGuarded(button, &QToolButton::clicked, this, [this, handler = row.click] { handler(*this); });
        }
        this->*row.button = button;
    }

    Byline = new QLabel(client);
    Byline->setAlignment(Qt::AlignCenter);
    Byline->setAutoFillBackground(true);
    QPalette silver = Byline->palette();
    silver.setColor(QPalette::Window, StandardColour::Silver);
    silver.setColor(QPalette::WindowText, Qt::black);
    Byline->setPalette(silver);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    Byline->setFont(arial);
    Byline->setGeometry(0, PanelHeight, 427, BylineHeight);

    LogoImage = new QLabel(client);
    LogoImage->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    LogoImage->setGeometry(4, PanelHeight + BylineHeight, 419, 277);
}

void TZpxMainForm::applyCommandEnabling()
{
    for (const MenuTable& table : menuTables()) {
        if (table.title)
            (this->*table.menu)->setEnabled(commandEnabled(table.rule, Mode, puzzleState));
        for (const CommandRow& row : table.rows)
            if (row.caption && row.rule != EnableRule::ToolPath)
                (this->*row.item)->setEnabled(row.handler && commandEnabled(row.rule, Mode, puzzleState));
    }
    for (const ButtonRow& row : buttonTable())
        if (row.rule != EnableRule::ToolPath)
            setButtonEnabled(this->*row.button, row.click && commandEnabled(row.rule, Mode, puzzleState));
    RefreshEditCommands();
}

void TZpxMainForm::RefreshEditCommands()
{
    const PuzzleEdits& edits = puzzleEdits();
    const bool loaded = commandEnabled(EnableRule::Loaded, Mode, puzzleState);
    Undo1->setEnabled(loaded && edits.canUndo());
    Redo1->setEnabled(loaded && edits.canRedo());
    Undo1->setText(edits.canUndo() ? QStringLiteral("&Undo %1").arg(QString::fromStdString(stepName(edits.undoStep())))
                                   : QStringLiteral("&Undo"));
    Redo1->setText(edits.canRedo() ? QStringLiteral("&Redo %1").arg(QString::fromStdString(stepName(edits.redoStep())))
                                   : QStringLiteral("&Redo"));
}

void TZpxMainForm::Undo1Click()
{
    puzzleEdits().undo();
}

void TZpxMainForm::Redo1Click()
{
    puzzleEdits().redo();
}

// A text field undoes its own typing first; once it has none left, the keys undo the puzzle.
bool TZpxMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || field->isReadOnly())
        return false;
    const QKeySequence typed(static_cast<QKeyEvent*>(event)->keyCombination());
    return (typed == Undo1->shortcut() && !field->isUndoAvailable())
           || (typed == Redo1->shortcut() && !field->isRedoAvailable());
}

std::array<QAction*, 3> TZpxMainForm::historyItems() const
{
    return {History1, History2, History3};
}

QPrinter* TZpxMainForm::Printer()
{
    return ProgramPrinter();
}

void TZpxMainForm::setButtonEnabled(QToolButton* button, bool enabled)
{
    button->setEnabled(enabled);
    button->setToolTip(enabled ? button->property("hint").toString() : QString());
}

void TZpxMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        FormShow();
    }
}

void TZpxMainForm::FormShow()
{
    // Design sizes are pixels at 96 dpi; fonts in pixels keep them on large-font screens.
    const int width = LogoImage->width() + 8;
    const int height = captionHeight() + menuHeight() + LogoImage->y() + LogoImage->height() + 8;
    // Placed by its frame, so the caption stays on the screen and the window can be dragged.
    setFrameBounds(this, QRect(2, 2, width, height), captionHeight());
    setFixedSize(size());
    LogoImage->move((this->width() - LogoImage->width()) / 2, LogoImage->y());
    ApplyToolSettings();
    // The history replaces its placeholder entries whether or not a puzzle follows.
    UpdateHistory();
    // The puzzle named on the command line loads once the window is on the screen,
    // so its error box, if any, has a window to stand over.
    if (!CommandLine.isEmpty())
        QTimer::singleShot(0, this, [this] { runGuarded([this] { OpenCommandLine(CommandLine); }); });
}

void TZpxMainForm::OpenCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    const bool construction = arguments.size() > 1 && arguments[1].toUpper() == QLatin1String("-C");
    loadPuzzleInMode(arguments[0], construction ? ModeConstruction : ModeSolve);
}

void TZpxMainForm::loadPuzzleInMode(const QString& path, std::uint8_t mode, LoadKind kind)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    try {
        ZpxProcs->LoadPuzzle(fullPath);
    } catch (const FileError& error) {
        ZpxProcs->ErrorMessage(QString::fromUtf8(error.what()));
        // A No to the save question left dropped changes in memory: read the
        // previous puzzle back as it was saved. A file gone since stays in memory.
        if (!PuzzleFileName.empty() && QString::fromStdString(PuzzleFileName) != fullPath) {
            try {
                ZpxProcs->LoadPuzzle(QString::fromStdString(PuzzleFileName));
            } catch (const FileError&) {
            }
        }
        return;
    }
    rememberAuthorTitle();
    if (kind == LoadKind::Revert) {
        SelectedWord = 0;
        windowEvents().afterRevert();
        return;
    }
    PuzzleFileName = fullPath.toStdString();
    Mode = mode;
    QDir::setCurrent(QFileInfo(fullPath).absolutePath());
    PuzzleLoaded();
}

bool TZpxMainForm::SaveQuery()
{
    if (Mode == ModeSolve)
        return saveBeforeLeaving(Leaving::Puzzle);
    SoundFX->PlayQuestion();
    const Answer answer = showMessage({MessageKind::Question, MessageButtons::YesNoCancel, QStringLiteral("Confirm"),
                                       QStringLiteral("Puzzle has changed. Save current changes?")});
    if (answer == Answer::Yes)
        return saveBeforeLeaving(Leaving::Puzzle);
    if (answer == Answer::No) {
        puzzleEdits().forgetChanges();
        return true;
    }
    return false;
}

bool TZpxMainForm::saveBeforeLeaving(Leaving leaving)
{
    try {
        if (saveToPuzzleFile())
            return true;
    } catch (const FileError& error) {
        return askAfterFailedSave(QString::fromUtf8(error.what()), leaving);
    }
    // The name for an imported puzzle's own file was cancelled: discarding must stay possible.
    return askAfterFailedSave(QStringLiteral("The imported puzzle has no Zephyrtrace file of its own yet."), leaving);
}

bool TZpxMainForm::askAfterFailedSave(QString failure, Leaving leaving)
{
    for (;;) {
        if (SoundMode > 0)
            SoundFX->PlayWave7();
        const Answer answer = showMessage(
            {MessageKind::Warning, MessageButtons::YesNoCancel, QStringLiteral("Confirm"),
             QStringLiteral("The puzzle could not be saved.\n\n%1\n\nSave it under another name, or discard the "
                            "changes? Cancel goes back to the puzzle.")
                 .arg(failure),
             QStringLiteral("Save As\u2026"), QStringLiteral("&Discard Changes")});
        if (answer == Answer::No) {
            puzzleEdits().forgetChanges();
            return true;
        }
        if (answer != Answer::Yes)
            return false;
        // A cancelled name or a second failure comes back to the question.
        const QString chosen = choosePuzzleName(puzzleSaveRequest(QStringLiteral("Save puzzle as...")));
        if (chosen.isEmpty())
            continue;
        try {
            ZpxProcs->SavePuzzle(chosen);
        } catch (const FileError& error) {
            failure = QString::fromUtf8(error.what());
            continue;
        }
        PuzzleFileName = QFileInfo(chosen).absoluteFilePath().toStdString();
        if (leaving == Leaving::Puzzle) {
            PuzzleLoaded();
        } else {
            // The windows are closing: only the recent list learns the new name.
            ZpxProcs->WriteSetting(QStringLiteral("CurrentPuzzle"), QString::fromStdString(PuzzleFileName));
            UpdateHistory();
        }
        return true;
    }
}

bool TZpxMainForm::saveToPuzzleFile()
{
    const QString file = puzzleFileForSave();
    if (file.isEmpty())
        return false;
    ZpxProcs->SavePuzzle(file);
    PuzzleFileName = QFileInfo(file).absoluteFilePath().toStdString();
    return true;
}

void TZpxMainForm::New1Click()
{
    if (Modified && !SaveQuery())
        return;
    FileDialogRequest request = puzzleSaveRequest(QStringLiteral("New puzzle for constructing"));
    request.directory = QDir::currentPath();
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return;
    ZpxInputForm->NewFileName = chosen;
    if (ZpxInputForm->exec() != QDialog::Accepted)
        return;
    rememberAuthorTitle();
    Mode = ModeConstruction;
    PuzzleFileName = QFileInfo(chosen).absoluteFilePath().toStdString();
    try {
        ZpxProcs->SavePuzzle(chosen);
    } catch (const FileError& error) {
        showRunTimeError(QString::fromUtf8(error.what()));
    }
    PuzzleLoaded();
}

void TZpxMainForm::Open1Click(QAction* source)
{
    if (Modified && !SaveQuery())
        return;
    const bool solving = source == Solve1;
    FileDialogRequest request;
    request.title = solving ? QStringLiteral("Open puzzle for solving") : QStringLiteral("Open puzzle for constructing");
    request.defaultSuffix = QStringLiteral("zpx");
    request.directory = QDir::currentPath();
    request.filter = QString::fromUtf8(OpenFilter);
    request.mustExist = true;
    const QString chosen = chooseFile(request);
    if (!chosen.isEmpty())
        loadPuzzleInMode(chosen, solving ? ModeSolve : ModeConstruction);
}

void TZpxMainForm::HistoryClick(int item)
{
    const QString entry = ZpxProcs->ReadSetting(QStringLiteral("HistoryPuzzle%1").arg(item), QString());
    const QString path = entry.left(entry.size() - 3);
    if (path.toStdString() == PuzzleFileName)
        return;
    // Unsaved changes are offered for saving here as for every other load.
    if (Modified && !SaveQuery())
        return;
    loadPuzzleInMode(path, entry.endsWith(QLatin1String("/s")) ? ModeSolve : ModeConstruction);
}

void TZpxMainForm::rememberAuthorTitle()
{
    LoadedAuthorTitle = authorTitleLetters(PuzzleRecord);
    warnedAuthorTitle.clear();
}

void TZpxMainForm::Save1Click()
{
    // A broken author-title line is saved as it is, but the constructor hears of it once.
    if (Mode != ModeSolve) {
        const std::string warning = authorTitleWarning(PuzzleRecord, LoadedAuthorTitle);
        if (!warning.empty() && warning != warnedAuthorTitle) {
            warnedAuthorTitle = warning;
            SoundFX->PlayQuestion();
            showMessage({MessageKind::Warning, MessageButtons::Ok, QStringLiteral("Warning"),
                         QString::fromStdString(cp1252ToUtf8(warning))});
        }
    }
    const QString file = puzzleFileForSave();
    if (file.isEmpty())
        return;
    runUnderNotice(NoticeSaving, [&] { ZpxProcs->SavePuzzle(file); });
    // An imported puzzle now has its own file, recorded as Save As records one.
    if (file.toStdString() != PuzzleFileName) {
        PuzzleFileName = QFileInfo(file).absoluteFilePath().toStdString();
        PuzzleLoaded();
    }
}

void TZpxMainForm::SavePuzzleAs1Click()
{
    // The solver's entries go to the new file; the old one, perhaps not writable, is left as it is.
    if (Modified && Mode != ModeSolve && !SaveQuery())
        return;
    const QString chosen = choosePuzzleName(puzzleSaveRequest(QStringLiteral("Save puzzle as...")));
    if (chosen.isEmpty())
        return;
    ZpxProcs->SavePuzzle(chosen);
    PuzzleFileName = QFileInfo(chosen).absoluteFilePath().toStdString();
    PuzzleLoaded();
}

void TZpxMainForm::ReverttoSaved1Click()
{
    SoundFX->PlayQuestion();
    const Answer answer =
        showMessage({MessageKind::Question, MessageButtons::YesNo, QStringLiteral("Confirm"),
                     QStringLiteral("Discard all recent changes and return to last saved puzzle?")});
    if (answer == Answer::Yes)
        loadPuzzleInMode(QString::fromStdString(PuzzleFileName), Mode, LoadKind::Revert);
}

void TZpxMainForm::PuzzleLoaded()
{
    puzzleState = PuzzleState::Loaded;
    if (LogoImage->isVisible()) {
        LogoImage->hide();
        const int bandHeight = Panel1->y() + Panel1->height() + BylineHeight + 12;
        int height = 2 * captionHeight() + bandHeight;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QRect bounds = frameBounds(this, captionHeight());
        // 256 wide, or as wide as the menu bar in the system's menu font, so every menu stays in reach.
        const int width = std::max(256, menuBar()->sizeHint().width() + 2 * frameBorder());
        setFrameBounds(this, QRect(bounds.left(), bounds.top(), width, height), captionHeight());
        const QRect solve = frameBounds(ZpxSolveForm, smallCaptionHeight());
        setFrameBounds(ZpxSolveForm, QRect(solve.left(), solve.top(), solve.width(), height), smallCaptionHeight());
        PlaceMainWindow();
        if (screenDpi() > 96) {
            height = 3 * captionHeight() + bandHeight;
            const QRect placed = frameBounds(this, captionHeight());
            setFrameBounds(this, QRect(placed.left(), placed.top(), placed.width(), height), captionHeight());
        }
        setFixedSize(size());
        Panel1->setGeometry(0, 0, centralWidget()->width(), PanelHeight);
        Byline->setGeometry(0, centralWidget()->height() - BylineHeight, centralWidget()->width(), BylineHeight);
        Byline->show();
    }

    SelectedWord = 0;
    AutoclueForm->close();
    // The clock closes with its puzzle; shown again, it shows the time kept with the new one.
    ZpxClockForm->hide();

    {
        const SettingsBatch batch;
        ZpxProcs->WriteSetting(QStringLiteral("CurrentPuzzle"), QString::fromStdString(PuzzleFileName));
        UpdateHistory();
    }

    windowEvents().afterPuzzleLoaded();
    applyCommandEnabling();

    if (Mode != ModeSolve) {
        LettersBtn->setChecked(true);
        SquaresBtn->setChecked(false);
    }
    ShowPuzzleLine();
}

void TZpxMainForm::ShowPuzzleLine()
{
    Byline->setText(QString::fromStdString(Mode == ModeSolve ? solveByline(PuzzleRecord)
                                                             : constructionFigures(PuzzleRecord)));
}

void TZpxMainForm::UpdateHistory()
{
    std::vector<std::string> candidates;
    const QString suffix = Mode != ModeSolve ? QStringLiteral(" /c") : QStringLiteral(" /s");
    const QString current = ZpxProcs->ReadSetting(QStringLiteral("CurrentPuzzle"), QString());
    if (!current.isEmpty() && puzzleState == PuzzleState::Loaded)
        candidates.push_back((current + suffix).toStdString());
    QStringList stored;
    for (int n = 1; n <= RecentPuzzleCount; ++n) {
        stored.append(ZpxProcs->ReadSetting(QStringLiteral("HistoryPuzzle%1").arg(n), QString()));
        candidates.push_back(stored.back().toStdString());
    }
    const std::vector<RecentPuzzle> listed = recentPuzzles(candidates);

    const std::array<QAction*, 3> items = historyItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QString entry = i < listed.size() ? QString::fromStdString(listed[i].entry) : QString();
        // Entries no longer listed are forgotten, so they cannot come back.
        if (entry != stored[static_cast<qsizetype>(i)])
            ZpxProcs->WriteSetting(QStringLiteral("HistoryPuzzle%1").arg(number), entry);
        items[i]->setVisible(!entry.isEmpty());
        if (entry.isEmpty())
            continue;
        const QFileInfo file(QString::fromStdString(recentPuzzlePath(listed[i].entry)));
        QString caption = QStringLiteral("&%1 %2").arg(number).arg(file.completeBaseName().toUpper());
        if (listed[i].showFolder)
            caption += QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(file.absolutePath()));
        items[i]->setText(caption);
        items[i]->setIcon(historyIcon(entry.endsWith(QLatin1Char('c'))));
        N11->setVisible(true);
    }
}

void TZpxMainForm::ApplyToolSettings()
{
    const QList<QAction*> items = Tools1->actions();
    for (const ExternalTool& tool : ExternalTools)
        items.at(tool.menuPosition)
            ->setEnabled(!ZpxProcs->ReadSetting(QString::fromUtf8(tool.pathSetting), QString()).isEmpty());
    SoundMode = ZpxProcs->ReadSetting(QStringLiteral("PlaySounds"), 1);
    setButtonEnabled(DictBtn, Dictionary1->isEnabled());
}

void TZpxMainForm::PlaceMainWindow()
{
    QRect bounds = frameBounds(this, captionHeight());
    const std::optional<ScreenBounds> parsed = readScreenBounds(QStringLiteral("ScreenBoundsMain"));
    if (parsed)
        bounds = QRect(parsed->left, parsed->top, parsed->width, parsed->height);
    else
        bounds.moveTo(2, 2);
    const QSize fixed = minimumSize() == maximumSize() ? size() : QSize();
    if (fixed.isValid()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    setFrameBounds(this, bounds, captionHeight());
    if (fixed.isValid())
        setFixedSize(size());
    if (!parsed) {
        // The grid and solve windows keep this place when they have none of their
        // own: the grid just below this window, the solve window beside it.
        const QRect grid = frameBounds(ZpxGridForm, smallCaptionHeight());
        setFrameBounds(ZpxGridForm, QRect(grid.left(), bounds.height() + 4, grid.width(), grid.height()),
                       smallCaptionHeight());
        const QRect solve = frameBounds(ZpxSolveForm, smallCaptionHeight());
        setFrameBounds(ZpxSolveForm, QRect(bounds.width() + 4, solve.top(), solve.width(), solve.height()),
                       smallCaptionHeight());
    }
}

void TZpxMainForm::ArrangeWindows(int layoutCode)
{
    const SettingsBatch batch;
    const QRect main = frameBounds(this, captionHeight());
    if (layoutCode == 99) {
        auto keepPlace = [](const char* name, const QRect& bounds) {
            ZpxProcs->WriteBounds(QString::fromLatin1(name), bounds.left(), bounds.top(), bounds.width(),
                                  bounds.height());
        };
        ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), ScreenSquare);
        ZpxProcs->WriteSetting(QStringLiteral("AuthorTitleSquare"), AuthorTitleSquare);
        keepPlace("ScreenBoundsMain", main);
        keepPlace("ScreenBoundsGrid", frameBounds(ZpxGridForm, smallCaptionHeight()));
        keepPlace("ScreenBoundsAuthorTitle", frameBounds(ZpxTitleForm, smallCaptionHeight()));
        // A hidden window keeps the place it had when it was last arranged.
        if (ZpxCluesForm->isVisible())
            keepPlace("ScreenBoundsClues", frameBounds(ZpxCluesForm, smallCaptionHeight()));
        if (LettersDistForm->isVisible())
            keepPlace("ScreenBoundsLettersDist", frameBounds(LettersDistForm, smallCaptionHeight()));
        if (ZpxSolveForm->isVisible())
            keepPlace("ScreenBoundsSolve", frameBounds(ZpxSolveForm, smallCaptionHeight()));
        if (AutoclueForm->isVisible())
            keepPlace("ScreenBoundsAutoclue", frameBounds(AutoclueForm, smallCaptionHeight()));
        return;
    }
    ScreenSquare = AutoSquare;
    AuthorTitleSquare = AutoSquare;
    ZpxProcs->WriteSetting(QStringLiteral("ScreenSquare"), ScreenSquare);
    ZpxProcs->WriteSetting(QStringLiteral("AuthorTitleSquare"), AuthorTitleSquare);
    for (const auto& [name, value] :
         arrangementWrites(layoutCode, main.width(), main.height(), screenWidth(), screenHeight()))
        ZpxProcs->WriteSetting(QString::fromStdString(name), QString::fromStdString(value));
}

void TZpxMainForm::SquaresBtnClick()
{
    if (Mode != ModeConstruction) {
        SquaresBtn->setChecked(Mode == ModeGridEditing);
        return;
    }
    LettersBtn->setChecked(false);
    Mode = ModeGridEditing;
    applyCommandEnabling();
    SelectedWord = 0;
    ZpxGridForm->Repaint();
    ZpxTitleForm->Repaint();
}

void TZpxMainForm::LettersBtnClick()
{
    if (Mode != ModeGridEditing) {
        LettersBtn->setChecked(Mode == ModeConstruction);
        return;
    }
    SquaresBtn->setChecked(false);
    Mode = ModeConstruction;
    applyCommandEnabling();
    ZpxGridForm->ClearCursor();
    ZpxGridForm->Repaint();
}

void TZpxMainForm::SpillBtnClick()
{
    if (SelectedWord == 0)
        return;
    spillWord(puzzleEdits(), SelectedWord);
}

void TZpxMainForm::DistrBtnClick()
{
    if (LettersDistForm->isVisible())
        LettersDistForm->FormPaint();
    else
        LettersDistForm->show();
}

void TZpxMainForm::AcrosticWindow1Click()
{
    AcrosticWinForm->setVisible(!AcrosticWinForm->isVisible());
}

void TZpxMainForm::ScanGrid1Click()
{
    ZpxScanForm->show();
}

void TZpxMainForm::SuggestWords1Click()
{
    ZpxSuggestForm->setVisible(!ZpxSuggestForm->isVisible());
}

// The search runs on a copy of the puzzle off the user interface's thread,
// under the notice with its Cancel; the answers are written only if the
// puzzle is still as it was when the search began.
void TZpxMainForm::FillRemainingWords1Click()
{
    if (Mode != ModeConstruction)
        return;
    struct FillRun {
        TPuzzleRecord before;
        FillLimits limits;
        FillPlan plan;
        std::string failure;
    };
    auto run = std::make_shared<FillRun>();
    run->before = PuzzleRecord;
    const int level = ZpxProcs->ReadSetting(QStringLiteral("WordListLevel"), DefaultWordListLevel);
    const auto work = [run, level](const std::atomic<bool>& cancel) {
        run->limits.cancel = &cancel;
        try {
            run->plan = planFill(run->before, *sharedScowlWordList(level), run->limits);
        } catch (const WordListError& error) {
            run->failure = error.what();
        }
    };
    const auto done = [run] {
        if (run->failure.empty() && run->plan.status == FillStatus::Cancelled)
            return;
        if (run->failure.empty() && encodeRecord(PuzzleRecord) != encodeRecord(run->before))
            run->failure = "The puzzle changed while the words were being filled; nothing was filled.";
        if (run->failure.empty() && run->plan.status != FillStatus::Filled)
            run->failure = fillRefusalText(run->plan, run->limits);
        if (!run->failure.empty()) {
            ZpxProcs->ErrorMessage(QString::fromStdString(run->failure));
            return;
        }
        applyFill(puzzleEdits(), run->plan);
    };
    InfoWin->RunCancellable(NoticeFilling, work, done);
}

void TZpxMainForm::Analysis1Click()
{
    ZpxAnalyzeForm->exec();
}

void TZpxMainForm::Byline1Click()
{
    BylineForm->exec();
}

void TZpxMainForm::AutoclueBtnClick()
{
    if (!ZpxProcs->IsComplete()) {
        SoundFX->PlayQuestion();
        const Answer answer = showMessage(
            {MessageKind::Warning, MessageButtons::YesNo, QStringLiteral("Warning"),
             QStringLiteral("Running Autoclue before completing puzzle is not recommended. Start Autoclue anyway?")});
        if (answer != Answer::Yes)
            return;
    }
    AutoclueForm->show();
    AutoclueForm->raise();
    AutoclueForm->activateWindow();
}

void TZpxMainForm::SpillHotKeyClick()
{
    if (Mode == ModeConstruction && SpillBtn->isEnabled())
        SpillBtn->click();
}

// The answers show only while the button is held: the repaint on release removes them.
void TZpxMainForm::CheatBtnMouseDown()
{
    ZpxGridForm->ShowAnswers();
    ZpxTitleForm->ShowAnswers();
}

void TZpxMainForm::CheatBtnMouseUp()
{
    ZpxGridForm->Repaint();
    ZpxTitleForm->Repaint();
}

std::optional<GridSquare> TZpxMainForm::currentSolverSquare() const
{
    if (ZpxSolveForm->isVisible())
        if (const auto square = ZpxSolveForm->CurrentGridSquare())
            return square;
    return ZpxGridForm->cursorSquare();
}

void TZpxMainForm::CheckClick(SolverScope scope)
{
    const std::vector<GridSquare> squares = scopeSquares(PuzzleRecord, currentSolverSquare(), SelectedWord, scope);
    if (checkMarks().check(PuzzleRecord, squares) == 0)
        return;
    ZpxGridForm->RefreshSquares(squares);
    if (ZpxSolveForm->isVisible())
        ZpxSolveForm->Repaint();
}

void TZpxMainForm::RevealClick(SolverScope scope)
{
    revealSquares(puzzleEdits(), scopeSquares(PuzzleRecord, currentSolverSquare(), SelectedWord, scope));
}

void TZpxMainForm::ScorePuzzle1Click()
{
    if (ZpxSolveForm->isVisible())
        ZpxSolveForm->close();
    ZpxGridForm->ClearCursor();
    ZpxTitleForm->ClearSelection();
    ZpxCluesForm->FillClueList();
    ScoreForm->ShowModal([this](ScoreChoice choice) {
        switch (choice) {
        case ScoreChoice::ShowErrors:
            ZpxGridForm->MarkErrors();
            break;
        case ScoreChoice::RecycleBin:
            recycleSolvedPuzzle();
            break;
        case ScoreChoice::Nothing:
            break;
        }
    });
}

void TZpxMainForm::recycleSolvedPuzzle()
{
    puzzleState = PuzzleState::Recycled;
    applyCommandEnabling();
    Byline->setText(QStringLiteral("!!! DELETED !!!"));
    AllowClose = true;
    ZpxGridForm->close();
    ZpxTitleForm->close();
    ZpxCluesForm->close();
    AllowClose = false;
    ZpxProcs->RecyclePuzzle(QString::fromStdString(PuzzleFileName));
    const SettingsBatch batch;
    ZpxProcs->WriteSetting(QStringLiteral("CurrentPuzzle"), QString());
    ZpxProcs->WriteSetting(QStringLiteral("HistoryPuzzle1"), QString());
    UpdateHistory();
}

void TZpxMainForm::Clock1Click()
{
    ZpxClockForm->setVisible(!ZpxClockForm->isVisible());
}

void TZpxMainForm::AutoArrange1Click()
{
    PlaceMainWindow();
    if (LettersDistForm->isVisible())
        LettersDistForm->ApplyScreenBounds();
    if (ZpxGridForm->isVisible())
        ZpxGridForm->ApplyScreenBounds();
    if (ZpxTitleForm->isVisible())
        ZpxTitleForm->ApplyScreenBounds();
    if (ZpxCluesForm->isVisible())
        ZpxCluesForm->ApplyScreenBounds();
    if (ZpxSolveForm->isVisible())
        ZpxSolveForm->ApplyScreenBounds();
    // Placed last, clear of the grid and author-title windows in their new places.
    if (AutoclueForm->isVisible())
        AutoclueForm->ApplyScreenBounds();
}

void TZpxMainForm::Preferences1Click()
{
    if (ZpxPrefForm->exec() != QDialog::Accepted)
        return;
    if (Save1->isEnabled() && ZpxPrefForm->ViewChk->isChecked())
        ArrangeWindows(ZpxPrefForm->LayoutCode());
    ApplyToolSettings();
    windowEvents().afterPreferencesSaved();
}

void TZpxMainForm::ToolsMenuItemClick(QAction* item)
{
    const std::string caption = item->text().toStdString();
    const QString path = ZpxProcs->ReadSetting(QString::fromStdString(toolPathSetting(caption)), QString());
    try {
        LaunchModule->ToolIndex = static_cast<int>(Tools1->actions().indexOf(item));
        LaunchModule->Launch(path);
    } catch (const std::exception&) {
        ZpxProcs->ErrorMessage(QString::fromStdString(toolNotConfiguredMessage(caption)));
    }
}

void TZpxMainForm::DictBtnClick()
{
    ToolsMenuItemClick(Dictionary1);
}

void TZpxMainForm::Print1Click()
{
    // The solver prints the puzzle page at once; the constructor chooses the layouts.
    if (Mode == ModeSolve)
        runUnderNotice(NoticePrinting, [] { ZpxPrintForm->PrintForSolver(); });
    else
        ZpxPrintForm->exec();
}

void TZpxMainForm::About1Click()
{
    ZpxAboutForm->exec();
}

void TZpxMainForm::PrinterSetup1Click()
{
    QPageSetupDialog dialog(Printer(), this);
    keepAboveToolWindows(&dialog);
    dialog.exec();
}

void TZpxMainForm::ExportMetafile1Click()
{
    exportToChosenFile(ExportCommand::Metafile, "Export Metafile", "wmf", "Windows Metafile (*.wmf)|*.wmf",
                       [](const QString& name) {
                           ExportForm->WriteClueText(name);
                           ExportForm->ExportMetafile(name, 0);
                       });
}

void TZpxMainForm::ExportEPS1Click()
{
    exportToChosenFile(ExportCommand::Eps, "Export EPS", "eps", "Encapsulated PostScript (*.eps)|*.eps",
                       [](const QString& name) {
                           ExportForm->WriteClueText(name);
                           ExportForm->ExportEps(name);
                       });
}

void TZpxMainForm::ExportSVG1Click()
{
    exportToChosenFile(ExportCommand::Svg, "Export SVG", "svg", "Scalable Vector Graphics (*.svg)|*.svg",
                       [](const QString& name) { ExportForm->ExportSvg(name); });
}

void TZpxMainForm::ExportRTFFile1Click()
{
    exportToChosenFile(ExportCommand::Rtf, "Export RTF File", "rtf", "Rich Text Format (*.rtf)|*.rtf",
                       [](const QString& name) { ExportForm->ExportRtf(name); });
}

void TZpxMainForm::ExportIpuz1Click()
{
    exportToChosenFile(ExportCommand::Ipuz, "Export ipuz", "ipuz", "ipuz Puzzle (*.ipuz)|*.ipuz",
                       [](const QString& name) { ExportForm->ExportIpuz(name); });
}

void TZpxMainForm::ExportJPZ1Click()
{
    exportToChosenFile(ExportCommand::Jpz, "Export JPZ", "jpz", "JPZ Puzzle (*.jpz)|*.jpz",
                       [](const QString& name) { ExportForm->ExportJpz(name); });
}

void TZpxMainForm::ExportWebPage1Click()
{
    exportToChosenFile(ExportCommand::WebPage, "Export Web Page", "html", "Web Page (*.html)|*.html",
                       [](const QString& name) { ExportForm->ExportWebPage(name); });
}

void TZpxMainForm::ToClipboardClick(QAction* source)
{
    runUnderNotice(NoticeExporting, [&] {
        if (source == CluestoClipboard1)
            ExportForm->CluesToClipboard();
        else
            ExportForm->ExportMetafile(QString(), source == GridtoClipboard1 ? 1 : source == SolutiontoClipboard1 ? 2 : 3);
    });
}

void TZpxMainForm::AuthorAddress1Click()
{
    AuthorAddressForm->exec();
}

void TZpxMainForm::HelpContentsClick()
{
    showHelpPage(QStringLiteral("index.html"));
}

void TZpxMainForm::HelpKeywordIndexclick()
{
    showHelpPage(QStringLiteral("keywords.html"));
}

void TZpxMainForm::HelpHotKeyClick()
{
    // The page about the window the user is working in; the contents for any other.
    const std::pair<QWidget*, const char*> pages[] = {
        {ZpxGridForm, "constructing.html#building"},
        {ZpxTitleForm, "constructing.html#selecting"},
        {LettersDistForm, "constructing.html#distribution"},
        {AcrosticWinForm, "constructing.html#wordlist"},
        {ZpxScanForm, "constructing.html#checking"},
        {AutoclueForm, "constructing.html#clues"},
        {DefListForm, "constructing.html#clues"},
        {CharMapForm, "constructing.html#clues"},
        {CluesDBForm, "constructing.html#clues"},
        {ZpxCluesForm, "solving.html#cluelist"},
        {ZpxSolveForm, "solving.html#solvewindow"},
        {ZpxClockForm, "solving.html#clock"},
    };
    const QWidget* active = QApplication::activeWindow();
    QString page = QStringLiteral("index.html");
    for (const auto& [window, shown] : pages)
        if (window == active)
            page = QString::fromLatin1(shown);
    showHelpPage(page);
}

void TZpxMainForm::showHelpPage(const QString& page)
{
    const QString anchor = page.section(QLatin1Char('#'), 1);
    ZpxHelpWindow()->showPage(helpBookPage(page.section(QLatin1Char('#'), 0, 0)), anchor);
}

void TZpxMainForm::Exit1Click()
{
    close();
}

bool TZpxMainForm::FormCloseQuery()
{
    if (!Modified || Mode == ModeSolve)
        return true;
    SoundFX->PlayQuestion();
    const Answer answer = showMessage({MessageKind::Question, MessageButtons::YesNoCancel, QStringLiteral("Confirm"),
                                       QStringLiteral("Puzzle has changed. Save current changes?")});
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        puzzleEdits().forgetChanges();
    return true;
}

bool TZpxMainForm::FormClose()
{
    // Without a name for an imported puzzle's file, or when the user cancels, closing would lose the changes.
    if (Modified && !saveBeforeLeaving(Leaving::Program))
        return false;
    closeHelpWindow();
    AllowClose = true;
    return true;
}

void TZpxMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery() || !FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);
}

}  // namespace zpx
