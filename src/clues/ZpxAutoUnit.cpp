#include "clues/ZpxAutoUnit.h"

#include "clues/CharMapUnit.h"
#include "clues/CluesDBUnit.h"
#include "clues/ClueWriting.h"
#include "clues/DefListUnit.h"
#include "core/Cp1252.h"
#include "core/Cp1252InputUnit.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace zpx {

TAutoclueForm* AutoclueForm = nullptr;

namespace {

// The design: client 560 × 86, the tool bars in one row under the clue line.
constexpr int DesignWidth = 560;
constexpr int DesignHeight = 86;
constexpr int Margin = 8;
constexpr int BarTop = 54;
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
constexpr int DividerWidth = 8;
// How long "NO MORE CLUES!" shows unless the spoken sound decides.
constexpr int NoMoreCluesMs = 500;

const QColor Navy{0x00, 0x00, 0x80};

QString toEditText(const std::string& cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

// The validator keeps the line inside Windows-1252; a replacement mark from
// a damaged file is written back as '?'.
std::string fromEditText(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The tool pictures, 20 × 20: arrows for the moves, a clipboard, a
// character, a list and the clue database with its add marks.
QIcon toolPicture(int index)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor dark(0x20, 0x20, 0x60);
    const QColor green(0x00, 0x80, 0x00);
    auto arrow = [&p](bool right, const QColor& colour, int shift) {
        QPainterPath path;
        const double tip = right ? 16.0 + shift : 4.0 + shift;
        const double base = right ? 9.0 + shift : 11.0 + shift;
        path.moveTo(tip, 10);
        path.lineTo(base, 4);
        path.lineTo(base, 8);
        path.lineTo(right ? 3.0 + shift : 17.0 + shift, 8);
        path.lineTo(right ? 3.0 + shift : 17.0 + shift, 12);
        path.lineTo(base, 12);
        path.lineTo(base, 16);
        path.closeSubpath();
        p.fillPath(path, colour);
    };
    auto cylinder = [&p, dark](const QColor& body) {
        p.setPen(QPen(dark, 1));
        p.setBrush(body);
        p.drawRect(QRectF(3.5, 5.5, 11, 10));
        p.drawEllipse(QRectF(3.5, 13, 11, 5));
        p.drawEllipse(QRectF(3.5, 3, 11, 5));
    };
    auto plus = [&p](const QColor& colour) {
        p.setPen(QPen(colour, 2.5));
        p.drawLine(QPointF(15, 10), QPointF(15, 18));
        p.drawLine(QPointF(11, 14), QPointF(19, 14));
    };
    switch (index) {
    case 0:  // previous definition
        arrow(false, dark, 0);
        break;
    case 1:  // next definition
        arrow(true, dark, 0);
        break;
    case 2:  // next undefined word: an arrow into an empty line
        arrow(true, dark, -2);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(15, 4), QPointF(15, 16));
        p.drawLine(QPointF(12, 17), QPointF(19, 17));
        break;
    case 3:  // paste: a clipboard with a sheet
        p.setPen(QPen(dark, 1));
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRoundedRect(QRectF(3.5, 3.5, 12, 15), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8.5, 7.5, 9, 11));
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawRect(QRectF(6.5, 2.5, 6, 3));
        break;
    case 4: {  // special character
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(17);
        font.setBold(true);
        p.setFont(font);
        p.setPen(dark);
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QString(QChar(0x00C6)));
        break;
    }
    case 5:  // list all definitions
        p.setPen(QPen(dark, 2));
        for (int y = 4; y <= 16; y += 4) {
            p.drawPoint(QPointF(4, y));
            p.drawLine(QPointF(7, y), QPointF(17, y));
        }
        break;
    case 6:  // clue database
        cylinder(QColor(0xF0, 0xD0, 0x60));
        break;
    case 7:  // add to the clue database, while it is closed
        cylinder(QColor(0xD0, 0xD0, 0xD0));
        plus(QColor(0x80, 0x80, 0x80));
        break;
    default:  // add to the open clue database
        cylinder(QColor(0xF0, 0xD0, 0x60));
        plus(green);
        break;
    }
    return QIcon(picture);
}

// The editing keys of the clue line by their character codes: Enter 13,
// Ctrl+N 14, Ctrl+U 21, Ctrl+Y 25; 0 for every other key.
int editingKeyCode(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier)
        return 13;
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return 0;
    switch (event->key()) {
    case Qt::Key_N:
        return 14;
    case Qt::Key_U:
        return 21;
    case Qt::Key_Y:
        return 25;
    default:
        return 0;
    }
}

// CtBtn's picture, 11 × 11: a small "+" for adding the count.
QIcon countPicture()
{
    QPixmap picture(11, 11);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QPen(Navy, 2));
    p.drawLine(5, 1, 5, 9);
    p.drawLine(1, 5, 9, 5);
    return QIcon(picture);
}

}  // namespace

TAutoclueForm::TAutoclueForm(QWidget* parent)
    : QWidget(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint), noticeTimer(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Autoclue"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);
    resize(DesignWidth, DesignHeight);
    noticeTimer->setSingleShot(true);
    noticeTimer->setInterval(NoMoreCluesMs);
    connectGuarded(noticeTimer, &QTimer::timeout, this, [this] { endNoMoreClues(); });
}

void TAutoclueForm::setVisible(bool visible)
{
    // Before the showing itself, so the new controls are shown with the window.
    if (visible && !DefEdit)
        createComponents();
    QWidget::setVisible(visible);
}

// The controls are made when the window is first shown: the program starts
// faster, and a solving session never needs them.
void TAutoclueForm::createComponents()
{
    for (int i = 0; i < static_cast<int>(ImageList1.size()); ++i)
        ImageList1[i] = toolPicture(i);

    ClueLbl = new QLabel(this);
    CountLbl = new QLabel(this);
    NumLbl = new QLabel(this);
    for (QLabel* label : {ClueLbl, CountLbl, NumLbl}) {
        label->setTextFormat(Qt::PlainText);
        setTextColour(label, Navy);
    }
    ClueLbl->move(Margin, 6);
    CountLbl->move(Margin, 6);
    NumLbl->resize(120, 16);

    CtBtn = new QToolButton(this);
    CtBtn->setAutoRaise(true);
    CtBtn->setIcon(countPicture());
    CtBtn->setIconSize(QSize(11, 11));
    CtBtn->resize(15, 15);
    CtBtn->setFocusPolicy(Qt::NoFocus);

    DefEdit = new QLineEdit(this);
    DefEdit->setMaxLength(MaxStringLength);
    DefEdit->setValidator(new Cp1252Validator(DefEdit));
    DefEdit->move(Margin, 24);
    QFont editFont(QStringLiteral("Times New Roman"));
    editFont.setPixelSize(15);
    DefEdit->setFont(editFont);
    DefEdit->installEventFilter(this);

    auto makeBar = [this](int left, int width) {
        auto* bar = new QFrame(this);
        bar->setGeometry(left, BarTop, width, ButtonHeight + 2);
        return bar;
    };
    auto makeButton = [this](QFrame* bar, int left, int picture, const char* hint) {
        auto* button = new QToolButton(bar);
        button->setAutoRaise(true);
        button->setGeometry(left, 1, ButtonWidth, ButtonHeight);
        button->setIcon(ImageList1[picture]);
        button->setIconSize(QSize(20, 20));
        button->setToolTip(QString::fromUtf8(hint));
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    auto makeDivider = [](QFrame* bar, int left) {
        auto* divider = new QFrame(bar);
        divider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        divider->setGeometry(left + DividerWidth / 2 - 1, 2, 2, ButtonHeight - 2);
    };
    ToolBar1 = makeBar(Margin, 6 * ButtonWidth + 2 * DividerWidth);
    PrevBtn = makeButton(ToolBar1, 0, 0, "Previous definition");
    NextBtn = makeButton(ToolBar1, ButtonWidth, 1, "Next definition");
    BlankBtn = makeButton(ToolBar1, 2 * ButtonWidth, 2, "Next undefined word");
    makeDivider(ToolBar1, 3 * ButtonWidth);
    InsertBtn = makeButton(ToolBar1, 3 * ButtonWidth + DividerWidth, 3, "Paste");
    CharsBtn = makeButton(ToolBar1, 4 * ButtonWidth + DividerWidth, 4, "Insert special character");
    makeDivider(ToolBar1, 5 * ButtonWidth + DividerWidth);
    ListDefsBtn = makeButton(ToolBar1, 5 * ButtonWidth + 2 * DividerWidth, 5, "List all definitions");

    ClueBar = makeBar(ToolBar1->geometry().right() + 1 + Margin, 2 * ButtonWidth);
    CluesBtn = makeButton(ClueBar, 0, 6, "Open clue database");
    AddBtn = makeButton(ClueBar, ButtonWidth, 7, "Add definition to clue database");
    // Disabled, without its hint, until the clue database window is open.
    AddBtn->setEnabled(false);
    AddBtn->setToolTip(QString());

    OkBtn = new QPushButton(QStringLiteral("&Close"), this);
    OkBtn->resize(75, 25);
    OkBtn->setAutoDefault(false);
    OkBtn->setFocusPolicy(Qt::NoFocus);

    connectGuarded(DefEdit, &QLineEdit::textChanged, this, [this] { DefEditChange(); });
    connectGuarded(CtBtn, &QToolButton::clicked, this, [this] { CtBtnClick(); });
    connectGuarded(PrevBtn, &QToolButton::clicked, this, [this] { PrevBtnClick(); });
    connectGuarded(NextBtn, &QToolButton::clicked, this, [this] { NextBtnClick(); });
    connectGuarded(BlankBtn, &QToolButton::clicked, this, [this] { BlankBtnClick(); });
    connectGuarded(InsertBtn, &QToolButton::clicked, this, [this] { InsertBtnClick(); });
    connectGuarded(CharsBtn, &QToolButton::clicked, this, [this] { CharsBtnClick(); });
    connectGuarded(ListDefsBtn, &QToolButton::clicked, this, [this] { ListdefsBtnClick(); });
    connectGuarded(CluesBtn, &QToolButton::clicked, this, [this] { CluesBtnClick(); });
    connectGuarded(AddBtn, &QToolButton::clicked, this, [this] { AddBtnClick(); });
    connectGuarded(OkBtn, &QPushButton::clicked, this, [this] { close(); });
    FormCreate();
}

void TAutoclueForm::FormCreate()
{
    placeAnchoredControls();
    setMinimumWidth(ClueBar->geometry().right() + 1 + (width() - OkBtn->x()) + 4);
    // Only the width may change.
    setFixedHeight(DesignHeight);
}

void TAutoclueForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (DefEdit)
        placeAnchoredControls();
}

// The label and the Close button keep to the right edge; the edit line spans the width.
void TAutoclueForm::placeAnchoredControls()
{
    NumLbl->move(width() - Margin - NumLbl->width(), 6);
    DefEdit->resize(width() - 2 * Margin, 24);
    OkBtn->move(width() - Margin - OkBtn->width(), OkBtn->y());
}

void TAutoclueForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAutoclueForm::FormShow()
{
    CurrentWord = SelectedWord >= 1 && SelectedWord <= MaxWords ? SelectedWord : 1;
    ApplySettings();
    ApplyScreenBounds();
    OkBtn->move(OkBtn->x(), ClueBar->y() + (ClueBar->height() - OkBtn->height()) / 2);
    ShowWord();
}

void TAutoclueForm::ApplySettings()
{
    CountsOn = ZpxProcs->ReadSetting(QStringLiteral("EntryCounts"), false);
    CountLbl->setVisible(CountsOn);
    CtBtn->setVisible(CountsOn);
    DefEdit->setFont(fontFromSettings(QStringLiteral("Auto"), QStringLiteral("Times New Roman"), 11));
    QPalette colours = DefEdit->palette();
    colours.setColor(QPalette::Text, fontColorFromSettings(QStringLiteral("Auto")));
    DefEdit->setPalette(colours);
    if (DefListForm && DefListForm->isVisible())
        DefListForm->ApplySettings();
}

void TAutoclueForm::ApplyScreenBounds()
{
    const int caption = smallCaptionHeight();
    const QRect frame = frameBounds(this, caption);
    QRect bounds(screenWidth() / 4, (screenHeight() - frame.height()) / 2, screenWidth() / 2, frame.height());
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsAutoclue"))) {
        bounds = QRect(stored->left, stored->top, stored->width, stored->height);
    } else {
        // Staying on top, the window must not hide the squares the constructor clicks.
        bounds = boundsLeavingRoom(bounds, shownAnchorBounds());
    }
    setFrameBounds(this, bounds, caption);
}

void TAutoclueForm::ShowWordOf(int word)
{
    CurrentWord = word;
    ShowWord();
}

std::string TAutoclueForm::ShownAnswer() const
{
    return ClueLbl ? ClueLbl->text().toStdString() : std::string();
}

void TAutoclueForm::ClueDatabaseShown(bool shown)
{
    if (!AddBtn)
        return;
    AddBtn->setEnabled(shown);
    AddBtn->setToolTip(shown ? QStringLiteral("Add definition to clue database") : QString());
    AddBtn->setIcon(ImageList1[shown ? 8 : 7]);
    CluesBtn->setToolTip(shown ? QStringLiteral("Close clue database") : QStringLiteral("Open clue database"));
}

void TAutoclueForm::SetClueText(const QString& text)
{
    if (DefEdit)
        DefEdit->setText(text);
}

void TAutoclueForm::ShowWord()
{
    if (!DefEdit)
        return;
    ++wordVisit;
    DefEdit->setFocus();
    DefEdit->setText(toEditText(PuzzleRecord.Clues[CurrentWord - 1].text()));
    DefEdit->end(false);
    answer = toEditText(answerText(PuzzleRecord, CurrentWord));
    ClueLbl->setText(answer);
    ClueLbl->adjustSize();
    if (CountsOn) {
        CountLbl->setText(QString::fromStdString(letterCountText(answer.toStdString())));
        CountLbl->adjustSize();
        CountLbl->move(ClueLbl->geometry().right() + 1 + 8, ClueLbl->y());
        CtBtn->move(CountLbl->geometry().right() + 1 + 2, CountLbl->y());
    }
    NumLbl->setText(QStringLiteral("Acrostic Clue ") + QString::fromStdString(wordLabel(CurrentWord)));
    if (CluesDBForm && CluesDBForm->isVisible())
        CluesDBForm->LookUpWord(answer);
}

void TAutoclueForm::PrevBtnClick()
{
    if (noticeShowing)
        return;
    CurrentWord = std::max(1, CurrentWord - 1);
    ShowWord();
}

void TAutoclueForm::NextBtnClick()
{
    if (noticeShowing)
        return;
    if (const auto next = nextWord(PuzzleRecord, CurrentWord)) {
        CurrentWord = *next;
        ShowWord();
    } else {
        // The edit line stays on the last word.
        NoMoreClues();
    }
}

void TAutoclueForm::BlankBtnClick()
{
    if (noticeShowing)
        return;
    const UndefinedWordSearch found = nextUndefinedWord(PuzzleRecord, CurrentWord);
    CurrentWord = found.word;
    ShowWord();
    // Over the word the search ended on, so the notice gives way to its label.
    if (found.reachedEnd)
        NoMoreClues();
}

void TAutoclueForm::NoMoreClues()
{
    noticeShowing = true;
    DefEdit->setReadOnly(true);
    numberBeforeNotice = NumLbl->text();
    setTextColour(NumLbl, Qt::red);
    NumLbl->setText(QStringLiteral("NO MORE CLUES!"));
    if (SoundMode >= 2) {
        SoundFX->PlayWave5([this] { endNoMoreClues(); });
        return;
    }
    if (SoundMode == 1)
        SoundFX->PlayWave4();
    noticeTimer->start();
}

void TAutoclueForm::endNoMoreClues()
{
    setTextColour(NumLbl, Navy);
    NumLbl->setText(numberBeforeNotice);
    DefEdit->setReadOnly(false);
    noticeShowing = false;
}

void TAutoclueForm::DefEditChange()
{
    if (CurrentWord < 1 || CurrentWord > MaxWords)
        return;
    // Compared as shown, so loading a clue read with an undefined byte changes nothing.
    if (DefEdit->text() == toEditText(PuzzleRecord.Clues[CurrentWord - 1].text()))
        return;
    storeClue(puzzleEdits(), CurrentWord, fromEditText(DefEdit->text()), wordVisit);
}

bool TAutoclueForm::DefEditKeyPress(int key)
{
    if (noticeShowing)
        return key == 13 || key == 14 || key == 21 || key == 25;
    switch (key) {
    case 13:
        NextBtnClick();
        return true;
    case 14:
        if (CountsOn) {
            DefEdit->setText(DefEdit->text() + QLatin1Char(' ') + CountLbl->text());
            DefEdit->end(false);
        }
        return true;
    case 21:
        DefEdit->insert(QStringLiteral("___") + DefEdit->selectedText());
        return true;
    case 25:
        DefEdit->clear();
        return true;
    default:
        return false;
    }
}

void TAutoclueForm::CtBtnClick()
{
    DefEditKeyPress(14);
}

void TAutoclueForm::InsertBtnClick()
{
    if (!noticeShowing)
        DefEdit->paste();
}

void TAutoclueForm::InsertAtCaret(const QString& text)
{
    if (!DefEdit || noticeShowing)
        return;
    DefEdit->insert(text + DefEdit->selectedText());
}

void TAutoclueForm::CharsBtnClick()
{
    CharMapForm->setVisible(!CharMapForm->isVisible());
}

void TAutoclueForm::ListdefsBtnClick()
{
    DefListForm->setVisible(!DefListForm->isVisible());
    DefListForm->ScrollToWord(CurrentWord);
}

void TAutoclueForm::CluesBtnClick()
{
    // The buttons' hints and pictures follow the window as it opens and closes.
    CluesDBForm->setVisible(!CluesDBForm->isVisible());
}

void TAutoclueForm::AddBtnClick()
{
    CluesDBForm->AddDefinition(DefEdit->text());
}

bool TAutoclueForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DefEdit && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = editingKeyCode(keyEvent);
        if (key != 0) {
            // Claimed before any shortcut, then handled as the key itself.
            event->accept();
            if (event->type() == QEvent::KeyPress)
                runGuarded([this, key] { DefEditKeyPress(key); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TAutoclueForm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void TAutoclueForm::FormClose()
{
    if (DefListForm && DefListForm->isVisible())
        DefListForm->close();
    if (CharMapForm && CharMapForm->isVisible())
        CharMapForm->close();
    if (CluesDBForm && CluesDBForm->isVisible())
        CluesDBForm->close();
}

}  // namespace zpx
