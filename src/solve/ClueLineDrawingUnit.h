#pragma once
// How the clue list draws its lines, as the printed puzzle page lays a clue
// out: the word's label and the clue, then one cell per answer letter, the
// entered letter over a blank with the number of its grid square below it.
// The items keep their text lines; only the drawing differs.

#include "output/SquareNumbering.h"

#include <QFont>
#include <QStyledItemDelegate>

#include <optional>

namespace zpx {

// The word a clue list item shows, kept in the item.
inline constexpr int ClueWordRole = Qt::UserRole;

class TClueLineDrawing : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The list was filled for the puzzle: its numbers and clue widths are taken anew.
    void PuzzleShown();

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Every line is as wide as the longest: the list lays its lines out as of one size.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    struct LineLayout {
        QFont font;
        QFont numberFont;
        int labelWidth = 0;   // "bb. "
        int cellsLeft = 0;    // where every line's cells start, past the longest clue
        int cellWidth = 0;
        int letterHeight = 0;
        int numberHeight = 0;
    };
    const LineLayout& layoutFor(const QFont& font) const;

    SquareNumbers Numbers;
    int LongestAnswer = 0;
    mutable std::optional<LineLayout> Layout;
};

}  // namespace zpx
