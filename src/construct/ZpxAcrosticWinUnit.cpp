#include "construct/ZpxAcrosticWinUnit.h"

#include "construct/OwnerDrawnListUnit.h"
#include "construct/WordTexts.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace zpx {

TAcrosticWinForm* AcrosticWinForm = nullptr;

namespace {

constexpr int ItemHeight = 17;

// AcrListDrawItem: the first letter bold, the rest of the line beside it.
class AcrListDrawItem : public OwnerDrawnLine {
public:
    explicit AcrListDrawItem(QObject* parent) : OwnerDrawnLine(ItemHeight, parent) {}

protected:
    void drawLine(QPainter* painter, const QRect& r, const QString& line, const QFont& listFont) const override
    {
        QFont font = listFont;
        font.setBold(true);
        font.setPointSize(12);
        painter->setFont(font);
        painter->drawText(QRect(r.left() + 2, r.top(), r.width() - 2, r.height()), Qt::AlignLeft | Qt::AlignTop,
                          line.left(1));

        font.setBold(false);
        font.setPointSize(11);
        painter->setFont(font);
        const int left = r.left() + 4 + QFontMetrics(font).horizontalAdvance(QLatin1Char('W'));
        painter->drawText(QRect(left, r.top(), r.right() - left + 1, r.height()), Qt::AlignLeft | Qt::AlignTop,
                          line.mid(1, 32));
    }
};

}  // namespace

TAcrosticWinForm::TAcrosticWinForm(QWidget* parent) : QWidget(parent, ToolWindowFlags)
{
    setWindowTitle(QStringLiteral("Acrostic"));
    // 400 × 300 is the whole window, frame and caption included.
    resize(400 - 2 * frameBorder(), 300 - smallCaptionHeight() - 2 * frameBorder());

    AcrList = new QListWidget(this);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPixelSize(15);
    AcrList->setFont(listFont);
    AcrList->setUniformItemSizes(true);
    AcrList->setItemDelegate(new AcrListDrawItem(AcrList));
    AcrList->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AcrList);
}

void TAcrosticWinForm::FillWordList()
{
    AcrList->clear();
    const int words = acrosticWordCount(PuzzleRecord);
    for (int w = 1; w <= words; ++w)
        AcrList->addItem(QString::fromLatin1(wordText(PuzzleRecord, w)));
    AcrList->setCurrentRow(-1);
}

void TAcrosticWinForm::RefreshWordLine(int word)
{
    if (word < 1 || word > MaxWords)
        return;
    // A list filled for fewer words has no line to replace: build it whole.
    if (word > AcrList->count()) {
        FillWordList();
        return;
    }
    AcrList->item(word - 1)->setText(QString::fromLatin1(wordTextWithGaps(PuzzleRecord, word)));
}

void TAcrosticWinForm::SelectWordLine(int word)
{
    if (word >= 1 && word <= AcrList->count())
        AcrList->setCurrentRow(word - 1);
    else
        AcrList->clearSelection();
}

void TAcrosticWinForm::AcrListMouseUp()
{
    const QList<QListWidgetItem*> selected = AcrList->selectedItems();
    if (selected.isEmpty())
        return;
    windowEvents().afterWordListClick(AcrList->row(selected.front()) + 1);
}

void TAcrosticWinForm::FormShow()
{
    if (!placed) {
        placed = true;
        move((screenWidth() - frameGeometry().width()) / 2, (screenHeight() - frameGeometry().height()) / 2);
    }
    FillWordList();
}

void TAcrosticWinForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

bool TAcrosticWinForm::eventFilter(QObject* watched, QEvent* event)
{
    // The list has set its selection on the press; the release acts on it.
    if (watched == AcrList->viewport() && event->type() == QEvent::MouseButtonRelease)
        AcrListMouseUp();
    return QWidget::eventFilter(watched, event);
}

}  // namespace zpx
