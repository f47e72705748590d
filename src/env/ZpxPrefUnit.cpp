#include "env/ZpxPrefUnit.h"

#include "core/FontDialogUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "construct/WordList.h"
#include "env/ExternalTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include <array>

namespace zpx {

TZpxPrefForm* ZpxPrefForm = nullptr;

namespace {

constexpr int PageBorder = 8;
constexpr int ColorCell = 24;

QFont arialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QPixmap screenPicture(int number)
{
    return QPixmap(QStringLiteral(":/images/screen%1.png").arg(number));
}

FontPick fontPickOf(const FontChoice& choice)
{
    QFont font(QString::fromStdString(choice.name));
    if (choice.size < 0)
        font.setPixelSize(-choice.size);
    else
        font.setPointSize(choice.size);
    const FontStyle style = fontStyleFromBits(choice.style);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    return {font, colorOf(choice.colour)};
}

FontChoice fontChoiceOf(const FontPick& pick)
{
    const QFont& font = pick.font;
    const int size = font.pointSize() > 0 ? font.pointSize() : -font.pixelSize();
    const int style = fontStyleBits({font.bold(), font.italic(), font.underline(), font.strikeOut()});
    return {font.family().toStdString(), size, style, colourValueOf(pick.color)};
}

// The font stored under `prefix`, its defaults those of `fallback`.
FontPick storedFont(const QString& prefix, const FontChoice& fallback)
{
    return {fontFromSettings(prefix, QString::fromStdString(fallback.name), fallback.size, fallback.style),
            fontColorFromSettings(prefix, QString::fromStdString(colourName(fallback.colour)))};
}

FontPick previewFontOf(const QWidget* preview)
{
    return {preview->font(), preview->palette().color(QPalette::Text)};
}

void setPreviewFont(QWidget* preview, const FontPick& pick)
{
    preview->setFont(pick.font);
    QPalette colours = preview->palette();
    colours.setColor(QPalette::Text, pick.color);
    colours.setColor(QPalette::WindowText, pick.color);
    preview->setPalette(colours);
    preview->update();
}

void setSwatch(QFrame* swatch, const QColor& color)
{
    QPalette colours = swatch->palette();
    colours.setColor(QPalette::Window, color);
    swatch->setPalette(colours);
}

// The grid preview: drawn by the dialog from its chosen colours and font.
class GridPreview : public QWidget {
public:
    GridPreview(TZpxPrefForm* form, QWidget* parent) : QWidget(parent), form(form) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        form->GridPadPaint(painter);
    }

private:
    TZpxPrefForm* form;
};

// The sixteen basic colours, 4 × 4; the cells of the two chosen colours are marked.
class ColorGrid : public QWidget {
public:
    ColorGrid(TZpxPrefForm* form, QWidget* parent) : QWidget(parent), form(form) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(arialPixels(10));
        for (int cell = 0; cell < 16; ++cell) {
            const QRect box(cell % 4 * ColorCell, cell / 4 * ColorCell, ColorCell, ColorCell);
            const QColor color = colorOf(BasicColours[cell]);
            painter.fillRect(box, color);
            painter.setPen(Qt::gray);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            QString mark;
            if (color == form->BlankColor)
                mark += QLatin1Char('L');
            if (color == form->FilledColor)
                mark += QLatin1Char('F');
            painter.setPen(color.lightness() > 128 ? Qt::black : Qt::white);
            painter.drawText(box, Qt::AlignCenter, mark);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (rect().contains(at))
            runGuarded([&] { form->ColorGrid1Change(event->button(), at.x() / ColorCell, at.y() / ColorCell); });
    }

private:
    TZpxPrefForm* form;
};

QCheckBox* checkBox(const QString& caption, const QString& hint, QWidget* page, const QRect& place)
{
    auto* box = new QCheckBox(caption, page);
    box->setGeometry(place);
    box->setToolTip(hint);
    return box;
}

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent, const QRect& place)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setGeometry(place);
    pushButton->setToolTip(hint);
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

TZpxPrefForm::TZpxPrefForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Zephyrtrace Preferences"));
    setFixedSize(315, 308);
    fillWithSilver(this);
}

// The pages are made when the dialog is first shown: most sessions never open it.
void TZpxPrefForm::createComponents()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(4, 4, 307, 258);
    // Five equal tabs across the dialog; the captions' own trailing blanks are ignored in the centring.
    PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { width: 57px; padding: 3px 0px; }"));
    PageControl1->tabBar()->setFont(arialPixels(12));
    PageControl1->tabBar()->setElideMode(Qt::ElideNone);
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);
    createGeneralPage();
    createViewPage();
    createPrintPage();
    createToolsPage();
    createFontsPage();

    DefaultsBtn = button(QStringLiteral("&Defaults"), {}, this, {8, 270, 90, 30});
    CancelBtn = button(QStringLiteral("&Cancel"), {}, this, {118, 270, 90, 30});
    SaveBtn = button(QStringLiteral("&Save"), {}, this, {217, 270, 90, 30});
    SaveBtn->setDefault(true);
    connectGuarded(DefaultsBtn, &QPushButton::clicked, this, [this] { DefaultsBtnClick(); });
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
}

void TZpxPrefForm::createGeneralPage()
{
    GeneralPg = new QWidget;
    PageControl1->addTab(GeneralPg, QStringLiteral("General  "));

    auto* frame = new QFrame(GeneralPg);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(PageBorder, PageBorder, 181, 135);
    ScrImg = new QLabel(frame);
    ScrImg->setGeometry(2, 2, 177, 131);
    ScrImg->setScaledContents(true);
    UserCfg = new QLabel(QStringLiteral("USER CONFIGURED"), frame);
    UserCfg->setGeometry(2, 2, 177, 131);
    UserCfg->setAlignment(Qt::AlignCenter);
    QFont userFont = arialPixels(15);
    userFont.setBold(true);
    userFont.setItalic(true);
    UserCfg->setFont(userFont);
    QPalette navy = UserCfg->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    UserCfg->setPalette(navy);

    // Pixel-sized fonts keep the small captions within the page at any screen resolution.
    const QFont small = arialPixels(11);
    ViewChk = checkBox(QStringLiteral("Change Screen Layout"), {}, GeneralPg, {PageBorder, 148, 181, 20});
    ViewChk->setFont(small);
    ArrangeBtn = button(QStringLiteral("Arrange"), QStringLiteral("Set screen elements to auto arrange as shown at left"),
                        GeneralPg, {PageBorder, 170, 80, 25});
    SaveAllChk = checkBox(QStringLiteral("SAVE CUSTOM ARRANGEMENT"), {}, GeneralPg, {PageBorder, 200, 200, 20});
    SaveAllChk->setFont(small);

    SoundChk = checkBox(QStringLiteral("SOUNDS"), QStringLiteral("Turn sounds on or off"), GeneralPg, {200, 8, 95, 22});
    SpeechChk = checkBox(QStringLiteral("SPEECH"), QStringLiteral("Use speaking messages"), GeneralPg, {200, 34, 95, 22});
    CursorsChk = checkBox(QStringLiteral("CURSORS"), QStringLiteral("Use fancy cursors"), GeneralPg, {200, 60, 95, 22});
    CountsChk =
        checkBox(QStringLiteral("COUNTS"), QStringLiteral("Show word lengths in Autoclue"), GeneralPg, {200, 86, 95, 22});
    SolveChk = checkBox(QStringLiteral("SOLVE HL"), QStringLiteral("Always highlight solution entry"), GeneralPg,
                        {200, 112, 95, 22});

    auto* wordsLabel = new QLabel(QStringLiteral("WORDS"), GeneralPg);
    wordsLabel->setFont(small);
    wordsLabel->setGeometry(200, 146, 95, 16);
    WordsCombo = new QComboBox(GeneralPg);
    WordsCombo->setGeometry(200, 164, 95, 22);
    WordsCombo->setToolTip(QStringLiteral("Size of the word list for suggestions and fill: 10 common words only, "
                                          "60 a desk dictionary, 95 every word"));
    for (const int level : WordListLevels)
        WordsCombo->addItem(QString::number(level), level);
    wordsLabel->setBuddy(WordsCombo);
    NumbersChk = checkBox(QStringLiteral("NUMBERS"),
                          QStringLiteral("Show each square's number and word label in the grid in Solve mode"), GeneralPg,
                          {200, 196, 95, 22});

    connectGuarded(ViewChk, &QCheckBox::toggled, this, [this] { ViewChkClick(); });
    connectGuarded(SaveAllChk, &QCheckBox::toggled, this, [this] { SaveAllChkClick(); });
    connectGuarded(ArrangeBtn, &QPushButton::clicked, this, [this] { ArrangeBtnClick(); });
    connectGuarded(SoundChk, &QCheckBox::toggled, this, [this] { SoundChkClick(); });
    connectGuarded(SpeechChk, &QCheckBox::toggled, this, [this] { SpeechChkClick(); });
}

void TZpxPrefForm::createViewPage()
{
    ViewPg = new QWidget;
    PageControl1->addTab(ViewPg, QStringLiteral("View   "));
    GridPad = new GridPreview(this, ViewPg);
    GridPad->setGeometry(PageBorder, PageBorder, 169, 140);
    ColorGrid1 = new ColorGrid(this, ViewPg);
    ColorGrid1->setGeometry(190, PageBorder, 96, 96);
    ColorGrid1->setToolTip(QStringLiteral("Click mouse buttons here as explained in legend to select grid colors"));

    const QFont small = arialPixels(11);
    const auto legend = [&](int top, const QString& text) {
        auto* swatch = new QFrame(ViewPg);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setGeometry(190, top + 2, 14, 14);
        swatch->setAutoFillBackground(true);
        auto* label = new QLabel(text, ViewPg);
        label->setGeometry(208, top, 90, 42);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(small);
        return swatch;
    };
    Shape1 = legend(112, QStringLiteral("Left mouse button sets letter square color"));
    Shape2 = legend(160, QStringLiteral("Right mouse button sets filled square color"));

    FontBtn = button(QStringLiteral("Set Font..."), QStringLiteral("Select a typeface for the puzzle grid"), ViewPg,
                     {PageBorder, 158, 169, 26});
    connectGuarded(FontBtn, &QPushButton::clicked, this, [this] { FontButtonClick(GridPad); });
}

void TZpxPrefForm::createPrintPage()
{
    PrintPg = new QWidget;
    PageControl1->addTab(PrintPg, QStringLiteral("Print    "));
    auto* page = new QLabel(PrintPg);
    page->setPixmap(QPixmap(QStringLiteral(":/images/printpage.png")));
    page->setGeometry(PageBorder, PageBorder, 120, 150);
    auto* label = new QLabel(QStringLiteral("Bottom Margin"), PrintPg);
    label->setGeometry(150, 60, 90, 22);
    PmSpin = new QSpinBox(PrintPg);
    PmSpin->setGeometry(240, 60, 44, 22);
    PmSpin->setRange(0, 9);
    label->setBuddy(PmSpin);
}

void TZpxPrefForm::createToolsPage()
{
    ToolsPg = new QWidget;
    PageControl1->addTab(ToolsPg, QStringLiteral("Tools   "));
    struct Row {
        QLineEdit* TZpxPrefForm::*edit;
        QPushButton* TZpxPrefForm::*browse;
        const char* label;
        const char* fileName;
        const char* title;
        const char* kind;
    };
    const std::array<Row, 5> rows{{
        {&TZpxPrefForm::DictEdit, &TZpxPrefForm::DictBtn, "Dictionary", "", "Link Dictionary", "Dictionary programs"},
        {&TZpxPrefForm::ThesEdit, &TZpxPrefForm::ThesBtn, "Thesaurus", "", "Link Thesaurus", "Thesaurus programs"},
        {&TZpxPrefForm::ClueEdit, &TZpxPrefForm::ClueBtn, "Cluevault", "ClueVault.exe", "Link ClueVault",
         "Marlowick ClueVault"},
        {&TZpxPrefForm::PadEdit, &TZpxPrefForm::PadBtn, "Scratchpad", "", "Link Text Editor", "Editor programs"},
        {&TZpxPrefForm::PostEdit, &TZpxPrefForm::PostBtn, "Postbot", "Postbot.exe", "Link Postbot",
         "Marlowick Postbot"},
    }};
    int top = 14;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromLatin1(row.label), ToolsPg);
        label->setGeometry(PageBorder, top, 70, 24);
        QLineEdit* edit = new QLineEdit(ToolsPg);
        edit->setGeometry(80, top, 140, 24);
        label->setBuddy(edit);
        QPushButton* browse = button(QStringLiteral("Browse..."), {}, ToolsPg, {226, top, 70, 24});
        this->*row.edit = edit;
        this->*row.browse = browse;
        connectGuarded(browse, &QPushButton::clicked, this,
                       [this, edit, fileName = QString::fromLatin1(row.fileName),
                        title = QString::fromLatin1(row.title), kind = QString::fromLatin1(row.kind)] {
                           BrowseClick(edit, fileName, title, kind);
                       });
        top += 40;
    }
}

void TZpxPrefForm::createFontsPage()
{
    FontsPg = new QWidget;
    PageControl1->addTab(FontsPg, QStringLiteral("Fonts   "));
    const auto list = [&](int top, const QString& line) {
        auto* preview = new QListWidget(FontsPg);
        preview->setGeometry(PageBorder, top, 196, 64);
        for (int i = 0; i < 6; ++i)
            preview->addItem(line);
        return preview;
    };
    SolveList = list(PageBorder, QStringLiteral("Solve mode clues list"));
    DefsList = list(80, QStringLiteral("Definitions listing"));
    AutoclueEdit = new QLineEdit(QStringLiteral("Autoclue puzzle definitions"), FontsPg);
    AutoclueEdit->setGeometry(PageBorder, 160, 196, 30);
    AutoclueEdit->setReadOnly(true);

    SolveFontBtn = button(QStringLiteral("Set Font..."),
                          QStringLiteral("Select a typeface for the clue list in Solve mode (preview at left)"), FontsPg,
                          {212, PageBorder, 84, 26});
    DefsListBtn = button(QStringLiteral("Set Font..."),
                         QStringLiteral("Select a typeface for the definitions list in Construct mode (preview at left)"),
                         FontsPg, {212, 80, 84, 26});
    AutoFontBtn = button(QStringLiteral("Set Font..."),
                         QStringLiteral("Select a typeface for the Autoclue dialog in Construct mode (preview at left)"),
                         FontsPg, {212, 162, 84, 26});
    connectGuarded(SolveFontBtn, &QPushButton::clicked, this, [this] { FontButtonClick(SolveList); });
    connectGuarded(DefsListBtn, &QPushButton::clicked, this, [this] { FontButtonClick(DefsList); });
    connectGuarded(AutoFontBtn, &QPushButton::clicked, this, [this] { FontButtonClick(AutoclueEdit); });
}

void TZpxPrefForm::setVisible(bool visible)
{
    // Before the showing itself, so the new controls are shown with the dialog.
    if (visible && !PageControl1)
        createComponents();
    QDialog::setVisible(visible);
}

void TZpxPrefForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        runGuarded([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TZpxPrefForm::FormShow()
{
    Layout.reset();
    showLayoutChoice();

    const int playSounds = ZpxProcs->ReadSetting(QStringLiteral("PlaySounds"), 1);
    SoundChk->setChecked(playSounds != 0);
    SpeechChk->setChecked(playSounds == 2);
    CursorsChk->setChecked(ZpxProcs->ReadSetting(QStringLiteral("UseCursors"), 0) != 0);
    CountsChk->setChecked(ZpxProcs->ReadSetting(QStringLiteral("EntryCounts"), false));
    SolveChk->setChecked(ZpxProcs->ReadSetting(QStringLiteral("SolveHLOn"), 31) != 31);
    NumbersChk->setChecked(ZpxProcs->ReadSetting(QStringLiteral("SolveSquareNumbers"), true));
    const int level = ZpxProcs->ReadSetting(QStringLiteral("WordListLevel"), DefaultWordListLevel);
    WordsCombo->setCurrentIndex(std::max(0, WordsCombo->findData(level)));

    FilledColor = readColorSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clBlack"));
    BlankColor = readColorSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clWhite"));
    showColors();
    setPreviewFont(GridPad, storedFont(QString(), GridFontDefault));

    PmSpin->setValue(ZpxProcs->ReadSetting(QStringLiteral("PageBottomMargin"), 0));

    const std::array<QLineEdit*, 5> edits{DictEdit, ThesEdit, ClueEdit, PadEdit, PostEdit};
    for (std::size_t t = 0; t < edits.size(); ++t)
        edits[t]->setText(ZpxProcs->ReadSetting(QString::fromUtf8(ExternalTools[t].pathSetting), QString()));

    setPreviewFont(SolveList, storedFont(QStringLiteral("Solve"), SolveFontDefault));
    setPreviewFont(DefsList, storedFont(QStringLiteral("Defs"), DefsFontDefault));
    setPreviewFont(AutoclueEdit, storedFont(QStringLiteral("Auto"), AutoFontDefault));
    SaveBtn->setFocus();
}

// The General page's layout controls, as the layout choice stands.
void TZpxPrefForm::showLayoutChoice()
{
    const QSignalBlocker viewBlocker(ViewChk);
    const QSignalBlocker saveAllBlocker(SaveAllChk);
    ViewChk->setChecked(Layout.changeLayout());
    SaveAllChk->setChecked(Layout.customArrangement());
    ArrangeBtn->setEnabled(Layout.changeLayout());
    SaveAllChk->setEnabled(Layout.changeLayout());
    UserCfg->setVisible(Layout.customArrangement());
    ScrImg->setPixmap(screenPicture(Layout.picture()));
}

void TZpxPrefForm::ViewChkClick()
{
    Layout.setChangeLayout(ViewChk->isChecked());
    showLayoutChoice();
}

void TZpxPrefForm::SaveAllChkClick()
{
    Layout.setCustomArrangement(SaveAllChk->isChecked());
    showLayoutChoice();
}

void TZpxPrefForm::ArrangeBtnClick()
{
    Layout.arrange();
    showLayoutChoice();
}

// Speech implies sound.
void TZpxPrefForm::SoundChkClick()
{
    if (!SoundChk->isChecked())
        SpeechChk->setChecked(false);
}

void TZpxPrefForm::SpeechChkClick()
{
    if (SpeechChk->isChecked())
        SoundChk->setChecked(true);
}

void TZpxPrefForm::showColors()
{
    setSwatch(Shape1, BlankColor);
    setSwatch(Shape2, FilledColor);
    ColorGrid1->update();
    GridPad->update();
}

void TZpxPrefForm::ColorGrid1Change(Qt::MouseButton button, int column, int row)
{
    const QColor chosen = colorOf(BasicColours.at(row * 4 + column));
    if (button == Qt::LeftButton)
        BlankColor = chosen;
    else
        FilledColor = chosen;
    showColors();
}

void TZpxPrefForm::GridPadPaint(QPainter& painter)
{
    const QRect box = GridPad->rect();
    painter.setPen(FilledColor);
    painter.setFont(GridPad->font());
    painter.drawPolygon(QPolygon({box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()}));
    const QColor letterColor = GridPad->palette().color(QPalette::Text);
    for (const PreviewSquare& square : gridPreviewSquares(box.width(), box.height(), AutoSquare)) {
        // Corners as the outline is drawn: the far corner one pixel beyond the square.
        const QRect outline(QPoint(square.left, square.top), QPoint(square.right - 1, square.bottom - 1));
        painter.setPen(FilledColor);
        painter.setBrush(square.filled ? FilledColor : BlankColor);
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
        if (square.filled)
            continue;
        painter.setPen(letterColor);
        painter.drawText(outline, Qt::AlignCenter, QString(QLatin1Char(square.letter)));
    }
}

void TZpxPrefForm::FontButtonClick(QWidget* preview)
{
    const FontPick current = previewFontOf(preview);
    if (const auto chosen = chooseFont({current.font, current.color}))
        setPreviewFont(preview, *chosen);
    if (preview == GridPad)
        GridPad->update();
}

void TZpxPrefForm::BrowseClick(QLineEdit* edit, const QString& fileName, const QString& title, const QString& kind)
{
    FileDialogRequest request;
    request.title = title;
    request.fileName = fileName;
    request.filter = kind + QStringLiteral("|*");
    request.directory = edit->text().isEmpty() ? QString() : QFileInfo(edit->text()).absolutePath();
    request.mustExist = true;
    request.programsOnly = true;
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return;
    if (const auto reason = whyNotAProgram(chosen.toStdString())) {
        ZpxProcs->ErrorMessage(QStringLiteral("\"%1\" cannot be linked: %2.").arg(chosen, QString::fromStdString(*reason)));
        return;
    }
    edit->setText(chosen);
}

void TZpxPrefForm::DefaultsBtnClick()
{
    QWidget* page = PageControl1->currentWidget();
    if (page == GeneralPg) {
        SoundChk->setChecked(true);
        SpeechChk->setChecked(false);
        CursorsChk->setChecked(false);
        CountsChk->setChecked(false);
        SolveChk->setChecked(false);
        NumbersChk->setChecked(true);
        WordsCombo->setCurrentIndex(WordsCombo->findData(DefaultWordListLevel));
        Layout.restoreDefaults();
        showLayoutChoice();
    } else if (page == ViewPg) {
        BlankColor = Qt::white;
        FilledColor = Qt::black;
        setPreviewFont(GridPad, fontPickOf(GridFontDefault));
        showColors();
    } else if (page == PrintPg) {
        PmSpin->setValue(0);
    } else if (page == ToolsPg) {
        const std::array<QLineEdit*, 5> edits{DictEdit, ThesEdit, ClueEdit, PadEdit, PostEdit};
        for (std::size_t t = 0; t < edits.size(); ++t)
            edits[t]->setText(ZpxProcs->ReadSetting(QString::fromUtf8(ExternalTools[t].pathSetting), QString()));
    } else if (page == FontsPg) {
        setPreviewFont(SolveList, fontPickOf(SolveFontDefault));
        setPreviewFont(DefsList, fontPickOf(DefsFontDefault));
        setPreviewFont(AutoclueEdit, fontPickOf(AutoFontDefault));
    }
}

PreferenceChoices TZpxPrefForm::choices() const
{
    PreferenceChoices chosen;
    chosen.sounds = SoundChk->isChecked();
    chosen.speech = SpeechChk->isChecked();
    chosen.cursors = CursorsChk->isChecked();
    chosen.counts = CountsChk->isChecked();
    chosen.solveHighlight = SolveChk->isChecked();
    chosen.squareNumbers = NumbersChk->isChecked();
    chosen.filledColour = colourValueOf(FilledColor);
    chosen.blankColour = colourValueOf(BlankColor);
    chosen.gridFont = fontChoiceOf(previewFontOf(GridPad));
    chosen.bottomMargin = PmSpin->value();
    chosen.wordListLevel = WordsCombo->currentData().toInt();
    chosen.toolPaths = {DictEdit->text().toStdString(), ThesEdit->text().toStdString(), ClueEdit->text().toStdString(),
                        PadEdit->text().toStdString(), PostEdit->text().toStdString()};
    chosen.solveFont = fontChoiceOf(previewFontOf(SolveList));
    chosen.defsFont = fontChoiceOf(previewFontOf(DefsList));
    chosen.autoFont = fontChoiceOf(previewFontOf(AutoclueEdit));
    return chosen;
}

void TZpxPrefForm::SaveBtnClick()
{
    {
        // Some thirty values, written to the store at once.
        const SettingsBatch batch;
        if (const int arrangement = Layout.saveArrangement())
            ZpxProcs->WriteSetting(QStringLiteral("AutoArrange"), arrangement);
        for (const PreferenceWrite& write : preferenceWrites(choices())) {
            const QString name = QString::fromStdString(write.name);
            if (const auto* text = std::get_if<std::string>(&write.value))
                ZpxProcs->WriteSetting(name, QString::fromStdString(*text));
            else if (const auto* number = std::get_if<int>(&write.value))
                ZpxProcs->WriteSetting(name, *number);
            else
                ZpxProcs->WriteSetting(name, std::get<bool>(write.value));
        }
    }
    accept();
}

}  // namespace zpx
