#include "clues/CluesDBUnit.h"

#include "core/Cp1252.h"
#include "core/DialogsUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "dbf/ClueBank.h"
#include "dbf/DbfError.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zpx {

TCluesDBForm* CluesDBForm = nullptr;

namespace {

constexpr int ItemHeight = 17;
constexpr int ButtonSize = 23;

class FixedHeightItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight};
    }
};

// The browse pictures, 20 × 20: a triangle against a bar, pointing to the
// previous or the next word of the bank.
QIcon browsePicture(bool next)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor dark(0x20, 0x20, 0x60);
    const double tip = next ? 14 : 6, base = next ? 6 : 14;
    QPolygonF triangle{QPointF(base, 4), QPointF(tip, 10), QPointF(base, 16)};
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPolygon(triangle);
    p.fillRect(QRectF(next ? 15 : 3, 4, 2, 12), dark);
    return QIcon(picture);
}

// Reads and writes under the tools key, where the clue bank's settings live.
class ToolsSettings {
public:
    ToolsSettings() { SettingsKey = ToolsSettingsKey; }
    ~ToolsSettings() { SettingsKey = MainSettingsKey; }
    ToolsSettings(const ToolsSettings&) = delete;
    ToolsSettings& operator=(const ToolsSettings&) = delete;
};

QString fromBank(const std::string& cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::string toBank(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

}  // namespace

TCluesDBForm::TCluesDBForm(QWidget* parent) : QWidget(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    fillWithSilver(this);
    resize(360, 220);
}

void TCluesDBForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        if (!ClueList)
            createComponents();
        // The bank is opened before the window shows, so a bank that cannot
        // be opened leaves the window closed.
        bool opened = false;
        withBank([&] { opened = FormShow(); });
        if (!opened)
            return;
    }
    QWidget::setVisible(visible);
}

void TCluesDBForm::createComponents()
{
    ToolBar1 = new QFrame(this);
    ToolBar1->setFixedHeight(ButtonSize + 4);
    auto makeButton = [this](int left, bool next, const char* hint) {
        auto* button = new QToolButton(ToolBar1);
        button->setAutoRaise(true);
        button->setGeometry(left, 2, ButtonSize, ButtonSize - 1);
        button->setIcon(browsePicture(next));
        button->setIconSize(QSize(20, 20));
        button->setToolTip(QString::fromUtf8(hint));
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    PrevBtn = makeButton(2, false, "Previous word");
    NextBtn = makeButton(2 + ButtonSize, true, "Next word");

    ClueList = new QListWidget(this);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPixelSize(15);
    ClueList->setFont(listFont);
    ClueList->setUniformItemSizes(true);
    ClueList->setItemDelegate(new FixedHeightItems(ClueList));
    QPalette white = ClueList->palette();
    white.setColor(QPalette::Base, Qt::white);
    ClueList->setPalette(white);
    ClueList->viewport()->installEventFilter(this);

    NoFindLbl = new QLabel(QStringLiteral("No Definitions!"), ClueList);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(15);
    NoFindLbl->setFont(arial);
    QPalette red = NoFindLbl->palette();
    red.setColor(QPalette::WindowText, StandardColour::Red);
    red.setColor(QPalette::Window, Qt::white);
    NoFindLbl->setPalette(red);
    NoFindLbl->setAutoFillBackground(true);
    NoFindLbl->adjustSize();
    NoFindLbl->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(ClueList);

    connectGuarded(PrevBtn, &QToolButton::clicked, this, [this] { PrevBtnClick(); });
    connectGuarded(NextBtn, &QToolButton::clicked, this, [this] { NextBtnClick(); });
}

template <typename Handler>
void TCluesDBForm::withBank(Handler handler)
{
    try {
        handler();
    } catch (const dbf::DbfError& error) {
        bankFailed(error);
    }
}

// The engine's report, under a caption that does not claim the program has
// ended: the window closes and the puzzle stays open with its changes.
void TCluesDBForm::bankFailed(const dbf::DbfError& error)
{
    CluesDBF.SetActive(false);
    if (isVisible())
        hide();
    else
        windowEvents().afterClueDatabaseShown(false);
    showMessage({MessageKind::Error, MessageButtons::Ok, QStringLiteral("Clue bank error"),
                 QString::fromStdString(error.what())});
}

void TCluesDBForm::fitDefinitionWidth()
{
    // A definition as long as the bank's field holds, in the list's font, beside the scroll bar.
    const int wanted = QFontMetrics(ClueList->font()).horizontalAdvance(QString(dbf::DefinitionLength, QLatin1Char('M')))
                       + ClueList->verticalScrollBar()->sizeHint().width() + 2 * ClueList->frameWidth() + 8;
    const int room = screen()->availableGeometry().width() - 2 * frameBorder();
    if (width() < wanted)
        resize(std::min(wanted, room), height());
}

bool TCluesDBForm::FormShow()
{
    centreNotice();
    CluesDBF.SetActive(false);
    QString dataFile;
    {
        const ToolsSettings tools;
        dataFile = ZpxProcs->ReadSetting(QStringLiteral("BankDataFile"), "");
        ClueList->setFont(fontFromSettings(QStringLiteral("Bank"), QStringLiteral("Courier New"), 11));
        QPalette colours = ClueList->palette();
        colours.setColor(QPalette::Text, fontColorFromSettings(QStringLiteral("Bank")));
        ClueList->setPalette(colours);
    }
    fitDefinitionWidth();
    if (dataFile.trimmed().isEmpty() || !QFileInfo::exists(dataFile))
        dataFile = bankDataFile();
    if (dataFile.isEmpty())
        return false;
    dbf::openClueBank(CluesDBF, dbf::bankFiles(dataFile.toStdString()));
    windowEvents().afterClueDatabaseShown(true);
    lookUp(QString::fromStdString(windowEvents().autoclueAnswer()));
    return true;
}

// No bank yet: the user picks an existing bank or names a new one, which is
// created; the choice is kept for the next time.
QString TCluesDBForm::bankDataFile()
{
    FileDialogRequest request;
    request.save = true;
    request.title = QStringLiteral("Choose or create the clue bank");
    request.fileName = QStringLiteral("CLUEBANK.DBF");
    request.defaultSuffix = QStringLiteral("DBF");
    request.filter = QStringLiteral("Clue bank (dBASE) |*.dbf *.DBF");
    const QString chosen = chooseFile(request);
    if (chosen.isEmpty())
        return {};
    if (!QFileInfo::exists(chosen))
        dbf::createClueBank(dbf::bankFiles(chosen.toStdString()));
    const ToolsSettings tools;
    ZpxProcs->WriteSetting(QStringLiteral("BankDataFile"), chosen);
    return chosen;
}

void TCluesDBForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    centreNotice();
}

void TCluesDBForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TCluesDBForm::FormHide()
{
    windowEvents().afterClueDatabaseShown(false);
}

void TCluesDBForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (NoFindLbl)
        centreNotice();
}

void TCluesDBForm::centreNotice()
{
    NoFindLbl->move((ClueList->width() - NoFindLbl->width()) / 2, (ClueList->height() - NoFindLbl->height()) / 2);
}

void TCluesDBForm::showDefinitions(const std::vector<std::string>& definitions)
{
    ClueList->clear();
    for (const std::string& definition : definitions)
        ClueList->addItem(fromBank(definition));
}

void TCluesDBForm::LookUpWord(const QString& word)
{
    if (ClueList && CluesDBF.Active())
        withBank([&] { lookUp(word); });
}

void TCluesDBForm::lookUp(const QString& word)
{
    NoFindLbl->hide();
    setWindowTitle(word);
    ClueList->clear();
    if (const auto definitions = dbf::lookUpWord(CluesDBF, toBank(word)))
        showDefinitions(*definitions);
    else
        NoFindLbl->show();
}

void TCluesDBForm::NextBtnClick()
{
    withBank([this] {
        if (const auto word = dbf::nextWord(CluesDBF))
            lookUp(fromBank(*word));
    });
}

void TCluesDBForm::PrevBtnClick()
{
    withBank([this] {
        if (const auto word = dbf::previousWord(CluesDBF))
            lookUp(fromBank(*word));
    });
}

void TCluesDBForm::ClueListMouseUp()
{
    if (ClueList->count() > 0 && ClueList->currentItem() && ClueList->currentItem()->isSelected())
        windowEvents().afterBankDefinitionChosen(ClueList->currentItem()->text().toStdString());
}

bool TCluesDBForm::eventFilter(QObject* watched, QEvent* event)
{
    // The list has set its selection on the press; the release acts on it.
    if (ClueList && watched == ClueList->viewport() && event->type() == QEvent::MouseButtonRelease)
        runGuarded([this] { ClueListMouseUp(); });
    return QWidget::eventFilter(watched, event);
}

void TCluesDBForm::AddDefinition(const QString& clue)
{
    if (!ClueList || !isVisible() || !ClueList->findItems(clue, Qt::MatchExactly).isEmpty() ||
        clue.trimmed().isEmpty())
        return;
    NoFindLbl->hide();
    ClueList->addItem(clue);
    StoreDefinitions(clue);
}

// Stores the new definition with the word's others. The word is read again
// under its record's lock, so what another program stored meanwhile is
// kept, and a word it created meanwhile is added to instead of doubled; the
// list then shows the word as stored.
void TCluesDBForm::StoreDefinitions(const QString& definition)
{
    withBank([&] { showDefinitions(dbf::addDefinition(CluesDBF, toBank(windowTitle()), toBank(definition)).definitions); });
}

}  // namespace zpx
