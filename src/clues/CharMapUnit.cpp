#include "clues/CharMapUnit.h"

#include "clues/SpecialCharacters.h"
#include "core/Cp1252.h"
#include "core/ScreenMetricsUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace zpx {

TCharMapForm* CharMapForm = nullptr;

namespace {

// Cell sizes at 96 pixels per inch, the least a cell gets.
constexpr int CellWidth = 16;
constexpr int CellHeight = 19;
// Room around a cell's character, and beside the caption for its close box.
constexpr int CellPadding = 6;
constexpr int CaptionButtonsRoom = 60;

int scaledToScreen(int pixels)
{
    return static_cast<int>(std::lround(pixels * screenDpi() / 96.0));
}

}  // namespace

TCharMapForm::TCharMapForm(QWidget* parent) : QWidget(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Special Characters"));
}

void TCharMapForm::setVisible(bool visible)
{
    // The table is built when it is first shown: most sessions never open it.
    if (visible && !CharGrid)
        FormCreate();
    QWidget::setVisible(visible);
}

void TCharMapForm::FormCreate()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    CharGrid = new QTableWidget(SpecialCharacterRows, SpecialCharacterColumns, this);
    CharGrid->horizontalHeader()->hide();
    CharGrid->verticalHeader()->hide();
    CharGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CharGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CharGrid->setShowGrid(true);
    CharGrid->setFrameStyle(QFrame::NoFrame);
    CharGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No cell is ever selected, so a click on the same cell inserts again.
    CharGrid->setSelectionMode(QAbstractItemView::NoSelection);
    CharGrid->setFocusPolicy(Qt::NoFocus);
    QPalette colours = CharGrid->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, Qt::black);
    CharGrid->setPalette(colours);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(15);
    CharGrid->setFont(font);

    for (int row = 0; row < SpecialCharacterRows; ++row)
        for (int column = 0; column < SpecialCharacterColumns; ++column) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(cp1252ToUtf8(specialCharacter(column, row))));
            cell->setTextAlignment(Qt::AlignCenter);
            CharGrid->setItem(row, column, cell);
        }

    // Every character whole in its cell, "___" included, and the window as wide as its caption.
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int row = 0; row < SpecialCharacterRows; ++row)
        for (int column = 0; column < SpecialCharacterColumns; ++column)
            widest = std::max(widest, metrics.horizontalAdvance(CharGrid->item(row, column)->text()));
    const int captionRoom = QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()) + CaptionButtonsRoom;
    const int cellWidth = std::max({scaledToScreen(CellWidth), widest + CellPadding,
                                    (captionRoom + SpecialCharacterColumns - 1) / SpecialCharacterColumns});
    const int cellHeight = std::max(scaledToScreen(CellHeight), metrics.height() + CellPadding);
    CharGrid->horizontalHeader()->setMinimumSectionSize(1);
    CharGrid->verticalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < SpecialCharacterColumns; ++column)
        CharGrid->setColumnWidth(column, cellWidth);
    for (int row = 0; row < SpecialCharacterRows; ++row)
        CharGrid->setRowHeight(row, cellHeight);
    int width = SpecialCharacterColumns * cellWidth + 1;
    int height = SpecialCharacterRows * cellHeight + 1;
    if (screenDpi() > 96) {
        width += 1;
        height += 2;
    }
    CharGrid->setGeometry(0, 0, width, height);
    setFixedSize(width, height);

    CharGrid->viewport()->installEventFilter(this);
}

bool TCharMapForm::eventFilter(QObject* watched, QEvent* event)
{
    if (CharGrid && watched == CharGrid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QModelIndex cell = CharGrid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (cell.isValid())
            runGuarded([this, cell] { CharGridSelectCell(cell.column(), cell.row()); });
    }
    return QWidget::eventFilter(watched, event);
}

void TCharMapForm::CharGridSelectCell(int column, int row)
{
    windowEvents().afterSpecialCharacterChosen(cp1252ToUtf8(specialCharacter(column, row)));
}

}  // namespace zpx
