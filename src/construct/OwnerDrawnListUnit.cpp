#include "construct/OwnerDrawnListUnit.h"

#include <QPainter>

namespace zpx {

OwnerDrawnLine::OwnerDrawnLine(int lineHeight, QObject* parent)
    : QStyledItemDelegate(parent), lineHeight(lineHeight)
{
}

void OwnerDrawnLine::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->setClipRect(option.rect);
    drawLine(painter, option.rect, index.data().toString(), option.font);
    painter->restore();
}

QSize OwnerDrawnLine::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), lineHeight};
}

}  // namespace zpx
