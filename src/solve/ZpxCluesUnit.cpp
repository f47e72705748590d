#include "solve/ZpxCluesUnit.h"

#include "core/CanvasFormUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/ResourcesUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ClueLineDrawingUnit.h"
#include "solve/ClueLines.h"
#include "solve/SolveNavigation.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zpx {

TZpxCluesForm* ZpxCluesForm = nullptr;

namespace {

QString lineText(int word)
{
    return QString::fromStdString(cp1252ToUtf8(clueLine(PuzzleRecord, word)));
}

}  // namespace

TZpxCluesForm::TZpxCluesForm(QWidget* parent)
    : QWidget(parent, ToolWindowFlags), ClueList(new QListWidget(this)), LineDrawing(new TClueLineDrawing(ClueList))
{
    setWindowTitle(QStringLiteral("Clues"));
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(15);
    ClueList->setFont(listFont);
    ClueList->setUniformItemSizes(true);
    // The lines are drawn with room for the square numbers under the blanks.
    ClueList->setItemDelegate(LineDrawing);
    ClueList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ClueList);
    ClueList->installEventFilter(this);
    connectGuarded(ClueList, &QListWidget::itemClicked, this, [this] {
        const int line = ClueList->currentRow();
        if (line >= 0 && line < static_cast<int>(LineWords.size()))
            ClueListClick(LineWords[line], false);
    });
}

void TZpxCluesForm::ApplySettings()
{
    if (ZpxProcs->ReadSetting(QStringLiteral("UseCursors"), 0) == 1)
        ClueList->viewport()->setCursor(handPointCursor());
    else
        ClueList->viewport()->unsetCursor();
    ClueList->setFont(fontFromSettings(QStringLiteral("Solve"), QStringLiteral("Times New Roman"), 11));
    QPalette colours = ClueList->palette();
    colours.setColor(QPalette::Text, fontColorFromSettings(QStringLiteral("Solve")));
    ClueList->setPalette(colours);
}

void TZpxCluesForm::ApplyScreenBounds()
{
    const QRect title = anchorBounds(PlacementAnchor::AuthorTitle);
    const QRect grid = anchorBounds(PlacementAnchor::Grid);
    QRect bounds(2, title.top() + title.height() + 2, screenWidth() - 4,
                 screenHeight() - title.top() - title.height() - 4);
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsClues"))) {
        const int code = layoutCodeOf(*stored);
        if (code == 3 || code == 4)
            bounds = QRect(2, 2, screenWidth() - 4, grid.top() - 4);
        else if (code == 0)
            bounds = QRect(stored->left, stored->top, stored->width, stored->height);
    }
    setFrameBounds(this, bounds, smallCaptionHeight());
}

void TZpxCluesForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TZpxCluesForm::FormShow()
{
    resize(anchorBounds(PlacementAnchor::Grid).width() - 2 * frameBorder(), height());
    ApplySettings();
    ApplyScreenBounds();
    FillClueList();
}

void TZpxCluesForm::FillClueList()
{
    ClueList->clear();
    LineDrawing->PuzzleShown();
    LineWords = clueWords(PuzzleRecord);
    for (const int word : LineWords) {
        auto* item = new QListWidgetItem(lineText(word), ClueList);
        item->setData(ClueWordRole, word);
    }
    SelectWordLine(SelectedWord);
}

void TZpxCluesForm::SelectWordLine(int word)
{
    const auto line = std::find(LineWords.begin(), LineWords.end(), word);
    if (word != 0 && line != LineWords.end())
        ClueList->setCurrentRow(static_cast<int>(line - LineWords.begin()));
    else
        ClueList->setCurrentRow(-1);
}

void TZpxCluesForm::FollowSolverPlace()
{
    if (QListWidgetItem* line = ClueList->currentItem())
        ClueList->viewport()->update(ClueList->visualItemRect(line));
}

void TZpxCluesForm::RebuildClueLine(int word)
{
    const auto line = std::find(LineWords.begin(), LineWords.end(), word);
    if (line != LineWords.end())
        ClueList->item(static_cast<int>(line - LineWords.begin()))->setText(lineText(word));
}

void TZpxCluesForm::ClueListClick(int word, bool fromGrid)
{
    SelectedWord = word;
    SelectWordLine(word);
    // Typing starts at once: at the clicked letter, or at the word's first empty square.
    const int cursor = fromGrid ? LetterIndex : entryPosition(PuzzleRecord, word);
    windowEvents().afterClueChosen(word, cursor);
}

bool TZpxCluesForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ClueList || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto key = TCanvasForm::typedCharacter(static_cast<QKeyEvent*>(event));
    // Enter, Escape and Tab keep their meaning in the list; arrows have no character.
    if (!key || (*key < ' ' && *key != '\b'))
        return false;
    runGuarded([this, key] { ClueListKeyPress(*key); });
    return true;
}

void TZpxCluesForm::ClueListKeyPress(char key)
{
    const int line = ClueList->currentRow();
    const int word = line >= 0 && line < static_cast<int>(LineWords.size()) ? LineWords[line] : 0;
    windowEvents().solverKeyInClueList(word, key);
}

void TZpxCluesForm::closeEvent(QCloseEvent* event)
{
    if (AllowClose)
        event->accept();
    else
        event->ignore();
}

void TZpxCluesForm::ChooseClueFromGrid(int word, int position)
{
    LetterIndex = position - 1;
    ClueListClick(word, true);
}

}  // namespace zpx
