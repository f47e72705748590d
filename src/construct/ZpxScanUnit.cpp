#include "construct/ZpxScanUnit.h"

#include "construct/GridScan.h"
#include "construct/OwnerDrawnListUnit.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SharedState.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace zpx {

TZpxScanForm* ZpxScanForm = nullptr;

namespace {

constexpr int ItemHeight = 16;

// DupeListDrawItem: the label up to its "." and the letters in one column for all lines.
class DupeListDrawItem : public OwnerDrawnLine {
public:
    explicit DupeListDrawItem(QObject* parent) : OwnerDrawnLine(ItemHeight, parent) {}

protected:
    void drawLine(QPainter* painter, const QRect& r, const QString& line, const QFont& font) const override
    {
        painter->setFont(font);
        const int dot = line.indexOf(QLatin1Char('.'));
        const QString label = line.left(dot + 1);
        const QString letters = line.mid(dot + 1, 60);
        painter->drawText(QRect(r.left() + 2, r.top(), r.width() - 2, r.height()), Qt::AlignLeft | Qt::AlignTop,
                          label);
        const int left = r.left() + 5 + QFontMetrics(font).horizontalAdvance(QStringLiteral("bb "));
        painter->drawText(QRect(left, r.top(), r.right() - left + 1, r.height()), Qt::AlignLeft | Qt::AlignTop,
                          letters);
    }
};

// The word a scan line names: "C.WATER" word 3, "bb.STONE" word 28; 0 for none.
int lineWord(const QString& line)
{
    if (line.isEmpty())
        return 0;
    const char label = line.front().toLatin1();
    if (label >= 'A' && label <= 'Z')
        return label - 64;
    if (label >= 'a' && label <= 'd')
        return label - 70;
    return 0;
}

}  // namespace

TZpxScanForm::TZpxScanForm(QWidget* parent) : QWidget(parent, ToolWindowFlags)
{
    setWindowTitle(QStringLiteral("Scan Grid"));
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPixelSize(13);
    setFont(formFont);
    fillWithSilver(this);

    DupeList = new QListWidget(this);
    DupeList->setUniformItemSizes(true);
    DupeList->setItemDelegate(new DupeListDrawItem(DupeList));
    connectGuarded(DupeList, &QListWidget::itemClicked, this, [this] { DupeListClick(); });

    ErrPanel = new QLabel(QStringLiteral("No Matches Found"), this);
    ErrPanel->setWordWrap(true);
    ErrPanel->setAlignment(Qt::AlignCenter);
    QPalette red = ErrPanel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ErrPanel->setPalette(red);
    ErrPanel->hide();

    RescanBtn = new QPushButton(QStringLiteral("&Rescan"), this);
    CloseBtn = new QPushButton(QStringLiteral("&Close"), this);
    connectGuarded(RescanBtn, &QPushButton::clicked, this, [this] { RescanBtnClick(); });
    connectGuarded(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });

    // The list follows all four sides; the notice lies over it, the buttons below.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(DupeList, 0, 0, 1, 3);
    layout->addWidget(ErrPanel, 0, 0, 1, 3);
    layout->addWidget(RescanBtn, 1, 1);
    layout->addWidget(CloseBtn, 1, 2);
    layout->setColumnStretch(0, 1);
    // 302 × 209 is the whole window, frame and caption included.
    resize(302 - 2 * frameBorder(), 209 - smallCaptionHeight() - 2 * frameBorder());
}

void TZpxScanForm::ScanGrid()
{
    ErrPanel->hide();
    DupeList->setEnabled(true);
    DupeList->clear();
    for (const std::string& line : scanGrid(PuzzleRecord, LoadedAuthorTitle))
        DupeList->addItem(QString::fromLatin1(line));
    if (DupeList->count() == 0) {
        DupeList->setEnabled(false);
        ErrPanel->show();
    }
}

void TZpxScanForm::DupeListClick()
{
    QListWidgetItem* item = DupeList->currentItem();
    const int word = item ? lineWord(item->text()) : 0;
    if (word == 0)
        return;
    windowEvents().afterScanPick(word);
}

void TZpxScanForm::RescanBtnClick()
{
    ScanGrid();
}

void TZpxScanForm::CloseBtnClick()
{
    close();
}

void TZpxScanForm::FormShow()
{
    ScanGrid();
}

void TZpxScanForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

}  // namespace zpx
