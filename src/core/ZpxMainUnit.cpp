#include "core/ZpxMainUnit.h"

#include "core/DialogsUnit.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SettingsFormats.h"
#include "core/SharedState.h"
#include "core/ShellFigures.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxHelpUnit.h"
#include "core/ZpxProcsUnit.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxAnalyzeUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxInputUnit.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxTitleUnit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

namespace zpx {

TZpxMainForm* ZpxMainForm = nullptr;

namespace {

const char* const CorruptPuzzle = "Puzzle not in Zephyrtrace format or is corrupt.";
const char* const PuzzleFilter = "Zephyrtrace Puzzle |*.zpx";
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

QString fileNameOnly(const QString& path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

TZpxMainForm::TZpxMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Zephyrtrace"));
    QFont clientFont(QStringLiteral("Times New Roman"));
    clientFont.setPixelSize(13);
    setFont(clientFont);
    createMenus();
    createPanel();
}

TZpxMainForm::~TZpxMainForm() = default;

void TZpxMainForm::createMenus()
{
    auto item = [this](QMenu* menu, const QString& caption, auto handler, const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connectGuarded(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    Puzzle1 = menuBar()->addMenu(QStringLiteral("&Puzzle"));
    Solve1 = Puzzle1->addAction(QStringLiteral("&Solve..."));
    connectGuarded(Solve1, &QAction::triggered, this, [this] { Open1Click(Solve1); });
    Construct1 = Puzzle1->addMenu(QStringLiteral("&Construct"));
    New1 = item(Construct1, QStringLiteral("&New..."), &TZpxMainForm::New1Click);
    Open1 = Construct1->addAction(QStringLiteral("&Open..."));
    connectGuarded(Open1, &QAction::triggered, this, [this] { Open1Click(Open1); });
    Puzzle1->addSeparator();
    Save1 = item(Puzzle1, QStringLiteral("Sa&ve"), &TZpxMainForm::Save1Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    SavePuzzleAs1 = item(Puzzle1, QStringLiteral("Save Puzzle &As..."), &TZpxMainForm::SavePuzzleAs1Click);
    Puzzle1->addSeparator();
    Print1 = Puzzle1->addAction(QStringLiteral("&Print..."));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    PrinterSetup1 = item(Puzzle1, QStringLiteral("P&rinter Setup..."), &TZpxMainForm::PrinterSetup1Click);
    N11 = Puzzle1->addSeparator();
    for (int i = 0; i < 3; ++i) {
        History[i] = Puzzle1->addAction(QStringLiteral("&%1 PUZZLE%1").arg(i + 1));
        connectGuarded(History[i], &QAction::triggered, this, [this, i] { HistoryClick(i + 1); });
    }
    N12 = Puzzle1->addSeparator();
    Exit1 = item(Puzzle1, QStringLiteral("E&xit"), &TZpxMainForm::Exit1Click);

    Options1 = menuBar()->addMenu(QStringLiteral("&Options"));
    ScorePuzzle1 = Options1->addAction(QStringLiteral("&Score Puzzle"));
    Clock1 = Options1->addAction(QStringLiteral("&Clock..."));
    ReverttoSaved1 = item(Options1, QStringLiteral("&Revert to Saved"), &TZpxMainForm::ReverttoSaved1Click);
    ScanGrid1 = item(Options1, QStringLiteral("Scan &Grid..."), &TZpxMainForm::ScanGrid1Click);
    AcrosticWindow1 = item(Options1, QStringLiteral("Acrostic &Window..."), &TZpxMainForm::AcrosticWindow1Click);
    Options1->addSeparator();
    AutoArrange1 = item(Options1, QStringLiteral("&Auto Arrange"), &TZpxMainForm::AutoArrange1Click, QKeySequence(Qt::Key_F9));
    Preferences1 = Options1->addAction(QStringLiteral("&Preferences..."));

    Special1 = menuBar()->addMenu(QStringLiteral("&Special"));
    ExportMetafile1 = Special1->addAction(QStringLiteral("Export &Metafile"));
    ExportEPS1 = Special1->addAction(QStringLiteral("Export &EPS"));
    Special1->addSeparator();
    ExportRTFFile1 = Special1->addAction(QStringLiteral("Export &RTF File"));
    RTFGridtoClipboard1 = Special1->addAction(QStringLiteral("RT&F Grid to Clipboard"));
    Special1->addSeparator();
    GridtoClipboard1 = Special1->addAction(QStringLiteral("&Grid to Clipboard"));
    SolutiontoClipboard1 = Special1->addAction(QStringLiteral("&Solution to Clipboard"));
    CluestoClipboard1 = Special1->addAction(QStringLiteral("&Clues to Clipboard"));
    Special1->addSeparator();
    Byline1 = Special1->addAction(QStringLiteral("&Byline..."));
    Special1->addSeparator();
    Analysis1 = item(Special1, QStringLiteral("&Analysis..."), &TZpxMainForm::Analysis1Click);
    // Never shown in the menu; lives on the window so F8 reaches it.
    SpillHotKey = new QAction(QStringLiteral("Spill"), this);
    SpillHotKey->setShortcut(QKeySequence(Qt::Key_F8));
    connectGuarded(SpillHotKey, &QAction::triggered, this, [this] { SpillHotKeyClick(); });
    addAction(SpillHotKey);

    Tools1 = menuBar()->addMenu(QStringLiteral("&Tools"));
    Dictionary1 = Tools1->addAction(QStringLiteral("&Dictionary..."));
    Dictionary1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    Thesaurus1 = Tools1->addAction(QStringLiteral("&Thesaurus..."));
    Tools1->addSeparator();
    ClueVault1 = Tools1->addAction(QStringLiteral("&Cluevault..."));
    Scratchpad1 = Tools1->addAction(QStringLiteral("&Scratchpad..."));
    Postbot1 = Tools1->addAction(QStringLiteral("&Postbot..."));

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpContents = item(Help1, QStringLiteral("&Contents"), &TZpxMainForm::HelpContentsClick);
    HelpKeywordIndexcs1 = item(Help1, QStringLiteral("&Keyword Index"), &TZpxMainForm::HelpKeywordIndexclick);
    Help1->addSeparator();
    About1 = Help1->addAction(QStringLiteral("&About..."));

    // Commands whose windows the program does not have yet stay disabled.
    for (QAction* action : {Save1, SavePuzzleAs1, Print1, ScorePuzzle1, Clock1, ReverttoSaved1, ScanGrid1,
                            AcrosticWindow1, AutoArrange1, Preferences1, ExportMetafile1, ExportEPS1,
                            ExportRTFFile1, RTFGridtoClipboard1, GridtoClipboard1, SolutiontoClipboard1,
                            CluestoClipboard1, Byline1, About1, Dictionary1, Thesaurus1, ClueVault1,
                            Scratchpad1, Postbot1})
        action->setEnabled(false);
    Special1->setEnabled(false);
}

QToolButton* TZpxMainForm::createToolButton(int left, const QString& hint, const QString& picture)
{
    auto* button = new QToolButton(Panel1);
    button->setGeometry(left, 8, 25, 25);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(picture)));
    button->setIconSize(QSize(18, 18));
    button->setProperty("hint", hint);
    button->setEnabled(false);
    return button;
}

void TZpxMainForm::createPanel()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Panel1 = new QFrame(client);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, 427, PanelHeight);
    CheatBtn = createToolButton(8, QStringLiteral("Show puzzle answers"), QStringLiteral("cheat"));
    SquaresBtn = createToolButton(34, QStringLiteral("Edit quotation grid"), QStringLiteral("squares"));
    LettersBtn = createToolButton(60, QStringLiteral("Construct the puzzle"), QStringLiteral("letters"));
    SpillBtn = createToolButton(86, QStringLiteral("Clear an author-title entry"), QStringLiteral("spill"));
    DistrBtn = createToolButton(112, QStringLiteral("Update letters distribution"), QStringLiteral("distr"));
    DictBtn = createToolButton(138, QStringLiteral("Open dictionary"), QStringLiteral("dict"));
    AutoclueBtn = createToolButton(164, QStringLiteral("Write the clues"), QStringLiteral("autoclue"));
    SquaresBtn->setCheckable(true);
    LettersBtn->setCheckable(true);
    connectGuarded(SquaresBtn, &QToolButton::clicked, this, [this] { SquaresBtnClick(); });
    connectGuarded(LettersBtn, &QToolButton::clicked, this, [this] { LettersBtnClick(); });
    connectGuarded(SpillBtn, &QToolButton::clicked, this, [this] { SpillBtnClick(); });
    connectGuarded(CheatBtn, &QToolButton::pressed, this, [this] { CheatBtnMouseDown(); });
    connectGuarded(CheatBtn, &QToolButton::released, this, [this] { CheatBtnMouseUp(); });
    connectGuarded(DistrBtn, &QToolButton::clicked, this, [this] { DistrBtnClick(); });

    Byline = new QLabel(client);
    Byline->setAlignment(Qt::AlignCenter);
    Byline->setAutoFillBackground(true);
    QPalette silver = Byline->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
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

QPrinter* TZpxMainForm::Printer()
{
    if (!printer)
        printer = new QPrinter(QPrinter::HighResolution);
    return printer;
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
    const QRect bounds = frameBounds(this, captionHeight());
    setFrameBounds(this, QRect(bounds.left(), bounds.top(), width, height), captionHeight());
    setFixedSize(size());
    LogoImage->move((this->width() - LogoImage->width()) / 2, LogoImage->y());
    ApplyToolSettings();
    if (CommandLine.isEmpty())
        UpdateHistory();
    else
        OpenCommandLine(CommandLine);
}

void TZpxMainForm::OpenCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    PuzzleFileName = arguments[0].toStdString();
    try {
        ZpxProcs->LoadPuzzle(arguments[0]);
        Mode = arguments.size() > 1 && arguments[1].toUpper() == QLatin1String("-C") ? ModeConstruction : ModeSolve;
        PuzzleLoaded();
    } catch (const FileError&) {
        ZpxProcs->ErrorMessage(QString::fromUtf8(CorruptPuzzle));
        PuzzleFileName.clear();
        // No load ran it: without it the history would keep its placeholder entries.
        UpdateHistory();
    }
}

bool TZpxMainForm::SaveQuery()
{
    if (Mode == ModeSolve) {
        ZpxProcs->SavePuzzle(QString::fromStdString(PuzzleFileName));
        return true;
    }
    SoundFX->PlayQuestion();
    const Answer answer = showMessage({MessageKind::Question, MessageButtons::YesNoCancel, QStringLiteral("Confirm"),
                                       QStringLiteral("Puzzle has changed. Save current changes?")});
    if (answer == Answer::Yes) {
        ZpxProcs->SavePuzzle(QString::fromStdString(PuzzleFileName));
        return true;
    }
    if (answer == Answer::No) {
        Modified = false;
        return true;
    }
    return false;
}

void TZpxMainForm::New1Click()
{
    if (Modified && !SaveQuery())
        return;
    FileDialogRequest request;
    request.save = true;
    request.title = QStringLiteral("New puzzle for constructing");
    request.fileName = QStringLiteral("untitled.zpx");
    request.defaultSuffix = QStringLiteral("zpx");
    request.directory = QDir::currentPath();
    request.filter = QString::fromUtf8(PuzzleFilter);
    request.overwritePrompt = true;
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return;
    ZpxInputForm->NewFileName = chosen;
    if (ZpxInputForm->exec() != QDialog::Accepted)
        return;
    Mode = ModeConstruction;
    PuzzleFileName = chosen.toStdString();
    // Until the first save succeeds the new puzzle exists only in memory.
    Modified = true;
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
    request.filter = QString::fromUtf8(PuzzleFilter);
    request.mustExist = true;
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return;
    try {
        ZpxProcs->LoadPuzzle(chosen);
    } catch (const FileError&) {
        ZpxProcs->ErrorMessage(QString::fromUtf8(CorruptPuzzle));
        if (!PuzzleFileName.empty()) {
            try {
                ZpxProcs->LoadPuzzle(QString::fromStdString(PuzzleFileName));
            } catch (const FileError&) {
                // The previous puzzle's file is gone too: keep the one in memory.
            }
        }
        return;
    }
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    Mode = solving ? ModeSolve : ModeConstruction;
    PuzzleFileName = chosen.toStdString();
    PuzzleLoaded();
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
    PuzzleFileName = path.toStdString();
    Mode = entry.endsWith(QLatin1String("/s")) ? ModeSolve : ModeConstruction;
    try {
        ZpxProcs->LoadPuzzle(path);
    } catch (const FileError&) {
        ZpxProcs->ErrorMessage(QString::fromUtf8(CorruptPuzzle));
        PuzzleFileName.clear();
        return;
    }
    QDir::setCurrent(QFileInfo(path).absolutePath());
    PuzzleLoaded();
}

void TZpxMainForm::Save1Click()
{
    ZpxProcs->SavePuzzle(QString::fromStdString(PuzzleFileName));
}

void TZpxMainForm::SavePuzzleAs1Click()
{
    if (Modified && !SaveQuery())
        return;
    FileDialogRequest request;
    request.save = true;
    request.title = QStringLiteral("Save puzzle as...");
    request.fileName = QStringLiteral("untitled.zpx");
    request.defaultSuffix = QStringLiteral("zpx");
    request.filter = QString::fromUtf8(PuzzleFilter);
    request.overwritePrompt = true;
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().compare(QLatin1String("zpx"), Qt::CaseInsensitive) != 0) {
        ZpxProcs->ErrorMessage(QStringLiteral("Not a valid Zephyrtrace puzzle."));
        return;
    }
    ZpxProcs->SavePuzzle(chosen);
    PuzzleFileName = chosen.toStdString();
    PuzzleLoaded();
}

void TZpxMainForm::ReverttoSaved1Click()
{
    SoundFX->PlayQuestion();
    const Answer answer =
        showMessage({MessageKind::Question, MessageButtons::YesNo, QStringLiteral("Confirm"),
                     QStringLiteral("Discard all recent changes and return to last saved puzzle?")});
    if (answer != Answer::Yes)
        return;
    ZpxProcs->LoadPuzzle(QString::fromStdString(PuzzleFileName));
    SelectedWord = 0;
    ZpxGridForm->ClearCursor();
    ZpxGridForm->Repaint();
    ZpxTitleForm->Repaint();
    if (Mode != ModeSolve) {
        if (LettersDistForm->isVisible())
            LettersDistForm->FormPaint();
        if (AcrosticWinForm->isVisible())
            AcrosticWinForm->FillWordList();
    }
    Modified = false;
}

void TZpxMainForm::PuzzleLoaded()
{
    if (LogoImage->isVisible()) {
        LogoImage->hide();
        for (QAction* action : {Save1, ReverttoSaved1, AutoArrange1})
            action->setEnabled(true);
        const int bandHeight = Panel1->y() + Panel1->height() + BylineHeight + 12;
        int height = 2 * captionHeight() + bandHeight;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QRect bounds = frameBounds(this, captionHeight());
        setFrameBounds(this, QRect(bounds.left(), bounds.top(), 256, height), captionHeight());
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

    ZpxProcs->WriteSetting(QStringLiteral("CurrentPuzzle"), QString::fromStdString(PuzzleFileName));
    UpdateHistory();

    // Showing again re-reads the windows' settings and places them for the new puzzle.
    ZpxGridForm->hide();
    ZpxGridForm->setWindowTitle(QFileInfo(QString::fromStdString(PuzzleFileName)).fileName());
    ZpxGridForm->show();
    ZpxTitleForm->hide();
    ZpxTitleForm->show();

    applyModeEnabling();

    // The letters distribution belongs to construction; the word list and the
    // scan would show the answers to a solver and another puzzle's words to a constructor.
    if (Mode == ModeSolve) {
        LettersDistForm->hide();
        AcrosticWinForm->hide();
        ZpxScanForm->hide();
    } else {
        if (LettersDistForm->isVisible())
            LettersDistForm->FormPaint();
        else
            LettersDistForm->show();
        if (AcrosticWinForm->isVisible())
            AcrosticWinForm->FillWordList();
        if (ZpxScanForm->isVisible())
            ZpxScanForm->ScanGrid();
    }

    if (Mode == ModeSolve) {
        Byline->setText(QString::fromStdString(solveByline(PuzzleRecord)));
    } else {
        LettersBtn->setChecked(true);
        SquaresBtn->setChecked(false);
        Byline->setText(QString::fromStdString(constructionFigures(PuzzleRecord)));
    }
}

void TZpxMainForm::applyModeEnabling()
{
    const bool solve = Mode == ModeSolve;
    SavePuzzleAs1->setEnabled(!solve);
    ScanGrid1->setEnabled(!solve);
    AcrosticWindow1->setEnabled(!solve);
    Special1->setEnabled(!solve);
    setButtonEnabled(CheatBtn, solve);
    setButtonEnabled(SquaresBtn, !solve);
    setButtonEnabled(LettersBtn, !solve);
    setButtonEnabled(SpillBtn, LettersBtn->isEnabled());
    setButtonEnabled(DistrBtn, LettersBtn->isEnabled());
}

void TZpxMainForm::UpdateHistory()
{
    QStringList entries;
    const QString suffix = Mode != ModeSolve ? QStringLiteral(" /c") : QStringLiteral(" /s");
    const QString current = ZpxProcs->ReadSetting(QStringLiteral("CurrentPuzzle"), QString());
    if (!current.isEmpty() && Save1->isEnabled())
        entries.append(current + suffix);
    for (int n = 1; n <= 3; ++n) {
        const QString stored = ZpxProcs->ReadSetting(QStringLiteral("HistoryPuzzle%1").arg(n), QString());
        if (!entries.contains(stored, Qt::CaseInsensitive))
            entries.append(stored);
    }
    for (QAction* item : History)
        item->setVisible(false);
    int count = 0;
    for (const QString& entry : entries) {
        if (entry.isEmpty() || count == 3)
            continue;
        ++count;
        const QString name = fileNameOnly(entry.left(entry.size() - 3));
        QAction* item = History[count - 1];
        item->setText(QStringLiteral("&%1 %2").arg(count).arg(name.left(name.size() - 4).toUpper()));
        item->setIcon(historyIcon(entry.endsWith(QLatin1Char('c'))));
        item->setVisible(true);
        N11->setVisible(true);
        ZpxProcs->WriteSetting(QStringLiteral("HistoryPuzzle%1").arg(count), entry);
    }
}

void TZpxMainForm::ApplyToolSettings()
{
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
        // The grid window keeps its top when it has no place of its own: just below this window.
        const QRect grid = frameBounds(ZpxGridForm, smallCaptionHeight());
        setFrameBounds(ZpxGridForm, QRect(grid.left(), bounds.height() + 4, grid.width(), grid.height()),
                       smallCaptionHeight());
    }
}

void TZpxMainForm::ArrangeWindows(int layoutCode)
{
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
        if (LettersDistForm->isVisible())
            keepPlace("ScreenBoundsLettersDist", frameBounds(LettersDistForm, smallCaptionHeight()));
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
    setButtonEnabled(SpillBtn, false);
    Mode = ModeGridEditing;
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
    setButtonEnabled(SpillBtn, true);
    Mode = ModeConstruction;
    ZpxGridForm->ClearCursor();
    ZpxGridForm->Repaint();
}

void TZpxMainForm::SpillBtnClick()
{
    if (SelectedWord == 0)
        return;
    spillWord(PuzzleRecord, SelectedWord);
    ZpxGridForm->Repaint();
    ZpxTitleForm->Repaint();
    if (AcrosticWinForm->isVisible())
        AcrosticWinForm->RefreshWordLine(SelectedWord);
    Modified = true;
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

void TZpxMainForm::Analysis1Click()
{
    ZpxAnalyzeForm->exec();
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

void TZpxMainForm::AutoArrange1Click()
{
    PlaceMainWindow();
    if (LettersDistForm->isVisible())
        LettersDistForm->ApplyScreenBounds();
    if (ZpxGridForm->isVisible())
        ZpxGridForm->ApplyScreenBounds();
    if (ZpxTitleForm->isVisible())
        ZpxTitleForm->ApplyScreenBounds();
}

void TZpxMainForm::PrinterSetup1Click()
{
    QPageSetupDialog dialog(Printer(), this);
    dialog.exec();
}

void TZpxMainForm::HelpContentsClick()
{
    showHelpPage(QStringLiteral("index.html"));
}

void TZpxMainForm::HelpKeywordIndexclick()
{
    showHelpPage(QStringLiteral("keywords.html"));
}

void TZpxMainForm::showHelpPage(const QString& page)
{
    ZpxHelpWindow()->showPage(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/") + page));
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
        Modified = false;
    return true;
}

bool TZpxMainForm::FormClose()
{
    if (Modified) {
        try {
            ZpxProcs->SavePuzzle(QString::fromStdString(PuzzleFileName));
        } catch (const FileError& error) {
            // Closing now would lose the changes: stay open so they can be saved elsewhere.
            showRunTimeError(QString::fromUtf8(error.what()));
            return false;
        }
    }
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
