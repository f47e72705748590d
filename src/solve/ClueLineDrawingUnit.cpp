#include "solve/ClueLineDrawingUnit.h"

#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/SquareDrawingUnit.h"
#include "core/WindowStyleUnit.h"
#include "solve/ClueLines.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zpx {

namespace {

constexpr int Padding = 3;
constexpr int CellGap = 5;

QString clueText(int word)
{
    return QString::fromStdString(cp1252ToUtf8(PuzzleRecord.Clues[word - 1].text()));
}

}  // namespace

void TClueLineDrawing::PuzzleShown()
{
    NumberSquares(PuzzleRecord, Numbers);
    LongestAnswer = 0;
    for (int word = 1; word <= MaxWords; ++word)
        LongestAnswer = std::max(LongestAnswer, static_cast<int>(answerSquares(PuzzleRecord, word).size()));
    Layout.reset();
}

const TClueLineDrawing::LineLayout& TClueLineDrawing::layoutFor(const QFont& font) const
{
    if (Layout && Layout->font == font)
        return *Layout;
    LineLayout layout;
    layout.font = font;
    const QFontMetrics metrics(font);
    layout.letterHeight = metrics.height();
    layout.numberFont = QFont(QStringLiteral("Arial"));
    layout.numberFont.setPixelSize(std::max(7, metrics.height() * 3 / 5));
    const QFontMetrics numberMetrics(layout.numberFont);
    layout.numberHeight = numberMetrics.height();
    layout.labelWidth = metrics.horizontalAdvance(QStringLiteral("bb. "));
    int longestClue = 0;
    for (int word = 1; word <= MaxWords; ++word)
        longestClue = std::max(longestClue, metrics.horizontalAdvance(clueText(word)));
    // The blanks stand in one column, as on the printed page, five spaces past the longest clue.
    layout.cellsLeft = Padding + layout.labelWidth + longestClue + metrics.horizontalAdvance(QStringLiteral("     "));
    layout.cellWidth =
        std::max(metrics.horizontalAdvance(QLatin1Char('W')) + 4, numberMetrics.horizontalAdvance(QStringLiteral("999")))
        + CellGap;
    Layout = layout;
    return *Layout;
}

QSize TClueLineDrawing::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const LineLayout& layout = layoutFor(option.font);
    return {layout.cellsLeft + LongestAnswer * layout.cellWidth + Padding,
            Padding + layout.letterHeight + 2 + layout.numberHeight + Padding};
}

void TClueLineDrawing::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The item's own background and selection, without its text line.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const int word = index.data(ClueWordRole).toInt();
    if (word < 1 || word > MaxWords)
        return;
    const LineLayout& layout = layoutFor(option.font);
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(layout.font);
    const QRect line = option.rect;
    const int top = line.top() + Padding;
    const int left = line.left() + Padding;
    painter->drawText(QRect(left, top, layout.labelWidth, layout.letterHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      QString::fromStdString(wordLabel(word)) + QLatin1Char('.'));
    painter->drawText(QRect(left + layout.labelWidth, top, layout.cellsLeft - layout.labelWidth, layout.letterHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, clueText(word));
    int x = line.left() + layout.cellsLeft;
    const auto squares = answerSquares(PuzzleRecord, word);
    const std::vector<ClueCell> cells = clueCells(PuzzleRecord, word, Numbers);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const ClueCell& cell = cells[k];
        const QRect letterBox(x, top, layout.cellWidth - CellGap, layout.letterHeight);
        // The solver's current square, marked here as in the grid.
        if (squareRef(squares[k].first, squares[k].second) == CurrentSquare) {
            const QRect box(x - 2, line.top() + 1, letterBox.width() + 4, line.height() - 2);
            painter->fillRect(box, SolverMarks::WordTint);
            drawCurrentFrame(*painter, box);
            painter->setPen(option.palette.color(QPalette::Text));
        }
        if (cell.letter != 0)
            painter->drawText(letterBox, Qt::AlignHCenter | Qt::AlignBottom, QString(letterChar(cell.letter)));
        painter->drawLine(letterBox.left(), letterBox.bottom() + 1, letterBox.right(), letterBox.bottom() + 1);
        painter->setFont(layout.numberFont);
        painter->drawText(QRect(x, letterBox.bottom() + 2, letterBox.width(), layout.numberHeight),
                          Qt::AlignHCenter | Qt::AlignTop, QString::number(cell.number));
        painter->setFont(layout.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        x += layout.cellWidth;
    }
    painter->restore();
}

}  // namespace zpx
