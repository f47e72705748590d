#include "clues/DefListUnit.h"

#include "clues/ClueWriting.h"
#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace zpx {

TDefListForm* DefListForm = nullptr;

namespace {

constexpr int ItemHeight = 16;
// How far the lines may be scrolled sideways.
constexpr int HorizontalExtent = 500;

// AcrListDrawItem: the label, then the line text in one column for all lines.
class AcrListDrawItem : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QRect& r = option.rect;
        painter->save();
        painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
        painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        painter->setFont(option.font);
        painter->setClipRect(r);
        const QString label = index.data(DefinitionLabelRole).toString();
        painter->drawText(QPoint(r.left() + 2, r.top() + painter->fontMetrics().ascent()), label);
        const int column = r.left() + painter->fontMetrics().horizontalAdvance(QStringLiteral("bb ")) + 5;
        painter->drawText(QPoint(column, r.top() + painter->fontMetrics().ascent()), index.data().toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {HorizontalExtent, ItemHeight};
    }
};

QString lineText(int word)
{
    return QString::fromStdString(cp1252ToUtf8(definitionLine(PuzzleRecord, word)));
}

}  // namespace

TDefListForm::TDefListForm(QWidget* parent) : QWidget(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Definitions"));
    fillWithSilver(this);
}

void TDefListForm::setVisible(bool visible)
{
    if (visible && !AcrList)
        createComponents();
    QWidget::setVisible(visible);
}

void TDefListForm::createComponents()
{
    AcrList = new QListWidget(this);
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(13);
    AcrList->setFont(listFont);
    AcrList->setUniformItemSizes(true);
    AcrList->setItemDelegate(new AcrListDrawItem(AcrList));
    AcrList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    AcrList->viewport()->installEventFilter(this);
    QPalette white = AcrList->palette();
    white.setColor(QPalette::Base, Qt::white);
    AcrList->setPalette(white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AcrList);
    resize(400, 12 * ItemHeight);
}

void TDefListForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDefListForm::FormShow()
{
    // Room for three lines at least.
    setMinimumHeight(3 * ItemHeight);
    ApplySettings();
    FillList();
    // Every line, where the screen has room for them.
    const int wanted = AcrList->count() * AcrList->sizeHintForRow(0) + 2 * AcrList->frameWidth()
                       + AcrList->horizontalScrollBar()->sizeHint().height();
    const int room = screen()->availableGeometry().height() / 2;
    if (height() < wanted)
        resize(width(), std::min(wanted, room));
}

void TDefListForm::ScrollToWord(int word)
{
    if (!AcrList || word < 1 || word > AcrList->count())
        return;
    // The list takes the window's new height first, so the line lands inside it.
    layout()->activate();
    AcrList->scrollToItem(AcrList->item(word - 1), QAbstractItemView::PositionAtCenter);
}

void TDefListForm::ApplySettings()
{
    AcrList->setFont(fontFromSettings(QStringLiteral("Defs"), QStringLiteral("Times New Roman"), 10));
    QPalette colours = AcrList->palette();
    colours.setColor(QPalette::Text, fontColorFromSettings(QStringLiteral("Defs")));
    AcrList->setPalette(colours);
}

void TDefListForm::FillList()
{
    AcrList->clear();
    const int lines = definitionLineCount(PuzzleRecord);
    for (int w = 1; w <= lines; ++w) {
        auto* item = new QListWidgetItem(lineText(w), AcrList);
        item->setData(DefinitionLabelRole, QString::fromStdString(definitionLabel(w - 1)));
    }
    AcrList->setCurrentRow(-1);
    AcrList->clearSelection();
}

void TDefListForm::ReplaceWordLine(int word)
{
    if (AcrList && word >= 1 && word <= AcrList->count())
        AcrList->item(word - 1)->setText(lineText(word));
}

void TDefListForm::AcrListMouseUp()
{
    const QList<QListWidgetItem*> selected = AcrList->selectedItems();
    if (!selected.isEmpty())
        windowEvents().afterDefinitionLineClick(AcrList->row(selected.front()) + 1);
}

bool TDefListForm::eventFilter(QObject* watched, QEvent* event)
{
    // The list has set its selection on the press; the release acts on it.
    if (AcrList && watched == AcrList->viewport() && event->type() == QEvent::MouseButtonRelease)
        runGuarded([this] { AcrListMouseUp(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace zpx
