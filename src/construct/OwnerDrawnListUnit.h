#pragma once
// Lines of the owner-drawn construction lists (acrostic words, scan results):
// a fixed height, the selection colours, and a drawLine of each list's own.

#include <QStyledItemDelegate>

namespace zpx {

class OwnerDrawnLine : public QStyledItemDelegate {
public:
    OwnerDrawnLine(int lineHeight, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Draws the line's text in `rect`; background, pen and clipping are set.
    virtual void drawLine(QPainter* painter, const QRect& rect, const QString& line, const QFont& font) const = 0;

private:
    int lineHeight;
};

}  // namespace zpx
