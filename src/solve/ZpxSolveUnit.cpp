#include "solve/ZpxSolveUnit.h"

#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ClueLines.h"
#include "core/PuzzleEdits.h"
#include "core/SquareDrawingUnit.h"
#include "solve/SolveNavigation.h"
#include "solve/SolverChecks.h"
#include "solve/SolverKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cctype>

namespace zpx {

TZpxSolveForm* ZpxSolveForm = nullptr;

namespace {

constexpr int StripTop = 36;
// The strip's drop shadow lies this far to the right and below.
constexpr int ShadowOffset = 3;
constexpr int RightMargin = 8;
// Room for the caption "Acrostic Clue A" and a short clue.
constexpr int MinimumClientWidth = 220;
// A word has at most 30 letters, so 31 squares in lies past every word.
constexpr int NoSquare = 31;

const QColor& Yellow = StandardColour::Yellow;
const QColor& Gray = StandardColour::Gray;

}  // namespace

TZpxSolveForm::TZpxSolveForm(QWidget* parent)
    : TCanvasForm(StandardColour::Silver, Closing::ByUser, parent), ClueLbl(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Acrostic Clue A"));
    setFocusPolicy(Qt::StrongFocus);
    QFont clueFont(QStringLiteral("Times New Roman"));
    clueFont.setPixelSize(15);
    ClueLbl->setFont(clueFont);
    ClueLbl->setTextFormat(Qt::PlainText);
    ClueLbl->move(0, 8);
    ClueLbl->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont stripFont(QStringLiteral("Arial"));
    stripFont.setPixelSize(15);
    setFont(stripFont);
}

void TZpxSolveForm::ApplySettings()
{
    applyPencilCursor(this);
    BlankColor = readColorSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clWhite"));
    OutlineColor = readColorSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clBlack"));
    LetterColor = fontColorFromSettings(QString());
    HighlightRest = ZpxProcs->ReadSetting(QStringLiteral("SolveHLOn"), 31) != 31;
    setFont(fontFromSettings(QString(), QStringLiteral("Arial"), 11));
}

void TZpxSolveForm::ApplyScreenBounds()
{
    SquareSize = std::max(1, static_cast<int>(AutoSquare));
    const int caption = smallCaptionHeight();
    QRect bounds = frameBounds(this, caption);
    // The place is stored or kept; the width is always the word's own.
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsSolve")))
        bounds = QRect(stored->left, stored->top, bounds.width(), stored->height);
    else
        bounds.moveTop(2);
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    setFrameBounds(this, bounds, caption);
    FitWidthToWord();
}

void TZpxSolveForm::FitWidthToWord()
{
    const int w = SelectedWord;
    const std::string clue = w >= 1 && w <= MaxWords ? PuzzleRecord.Clues[w - 1].text() : std::string();
    const int clueWidth =
        ClueLbl->x() + ClueLbl->fontMetrics().horizontalAdvance(QString::fromStdString(cp1252ToUtf8(clue)));
    const int stripWidth = 1 + wordLength() * std::max(1, SquareSize) + ShadowOffset;
    const int client = std::max({MinimumClientWidth, clueWidth + RightMargin, stripWidth + RightMargin});
    const int caption = smallCaptionHeight();
    const QRect bounds = frameBounds(this, caption);
    const int width = std::min(client + 2 * frameBorder(), screenWidth() - 4);
    // A wider window moves left rather than leave the screen.
    const int left = std::clamp(bounds.left(), 2, screenWidth() - width - 2);
    if (bounds.width() != width || bounds.left() != left)
        setFrameBounds(this, QRect(left, bounds.top(), width, bounds.height()), caption);
}

void TZpxSolveForm::FormShow()
{
    ApplySettings();
    ApplyScreenBounds();
    // Only the width may change: the strip is one square high.
    setFixedHeight(height());
    Repaint();
}

void TZpxSolveForm::ShowWord(int cursorSquares)
{
    CursorX = cursorSquares * std::max(1, static_cast<int>(AutoSquare));
    if (isVisible()) {
        FitWidthToWord();
        Repaint();
    } else {
        show();
    }
    raise();
    activateWindow();
    publishPlace();
}

void TZpxSolveForm::FollowGridSquare()
{
    const auto squares = answerSquares(PuzzleRecord, SelectedWord);
    const auto current = referencedSquare(PuzzleRecord, CurrentSquare);
    const auto at = current ? std::find(squares.begin(), squares.end(), std::pair(current->column, current->row))
                            : squares.end();
    const int k = at != squares.end() ? static_cast<int>(at - squares.begin()) : NoSquare;
    CursorX = k * std::max(1, static_cast<int>(AutoSquare));
    if (!isVisible()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        return;
    }
    // Within the word it shows, only the strip changes.
    if (ShownWord == SelectedWord && !Canvas.isNull()) {
        {
            QPainter painter(&Canvas);
            SolveGridPaint(painter);
        }
        update(SolveGrid);
        return;
    }
    Repaint();
}

void TZpxSolveForm::RefreshAnswerSquare(int column, int row)
{
    if (!isVisible() || Canvas.isNull())
        return;
    const auto squares = answerSquares(PuzzleRecord, SelectedWord);
    const auto at = std::find(squares.begin(), squares.end(), std::pair(column, row));
    if (at == squares.end())
        return;
    drawStripSquare(static_cast<int>(at - squares.begin()));
}

void TZpxSolveForm::publishPlace()
{
    const auto square = currentSquare();
    CurrentSquare = square ? squareRef(square->first, square->second) : 0;
    windowEvents().afterSolverPlaceMoved();
}

void TZpxSolveForm::FormResize()
{
    Repaint();
}

int TZpxSolveForm::wordLength() const
{
    return static_cast<int>(answerSquares(PuzzleRecord, SelectedWord).size());
}

std::optional<std::pair<int, int>> TZpxSolveForm::currentSquare() const
{
    const auto squares = answerSquares(PuzzleRecord, SelectedWord);
    const int k = SquareSize > 0 ? CursorX / SquareSize : NoSquare;
    if (CursorX < 0 || k >= static_cast<int>(squares.size()))
        return std::nullopt;
    return squares[k];
}

std::optional<GridSquare> TZpxSolveForm::CurrentGridSquare() const
{
    if (!isVisible())
        return std::nullopt;
    const auto square = currentSquare();
    return square ? std::optional(GridSquare{square->first, square->second}) : std::nullopt;
}

void TZpxSolveForm::FormPaint()
{
    const int w = SelectedWord;
    ShownWord = w;
    if (w >= 1 && w <= MaxWords)
        setWindowTitle(QStringLiteral("Acrostic Clue ") + QString::fromStdString(wordLabel(w)));
    const int s = std::max(1, SquareSize);
    SolveGrid = QRect(0, StripTop, 1 + wordLength() * s, s);
    prepareCanvas(size().expandedTo(QSize(SolveGrid.right() + 1 + ShadowOffset, SolveGrid.bottom() + 1 + ShadowOffset)));
    Canvas.fill(StandardColour::Silver);
    QPainter painter(&Canvas);
    painter.fillRect(SolveGrid.translated(ShadowOffset, ShadowOffset), Gray);
    const std::string clue = w >= 1 && w <= MaxWords ? PuzzleRecord.Clues[w - 1].text() : std::string();
    ClueLbl->setText(QString::fromStdString(cp1252ToUtf8(clue)));
    ClueLbl->adjustSize();
    SolveGridPaint(painter);
}

void TZpxSolveForm::drawAnswerSquare(QPainter& painter, int x, const QColor& brush, std::uint8_t letter)
{
    const int s = SquareSize;
    const QRect square(SolveGrid.left() + x, SolveGrid.top(), s + 1, s);
    painter.fillRect(square, OutlineColor);
    painter.fillRect(square.adjusted(1, 1, -1, -1), brush);
    if (letter != 0) {
        painter.setPen(LetterColor);
        Letters.draw(painter, square.left(), square.top(), s, TextTop, letter);
    }
}

void TZpxSolveForm::SolveGridPaint(QPainter& painter)
{
    painter.setFont(font());
    TextTop = (SquareSize - painter.fontMetrics().height()) / 2;
    const auto squares = answerSquares(PuzzleRecord, SelectedWord);
    for (int k = 0; k < static_cast<int>(squares.size()); ++k) {
        const int x = k * SquareSize;
        const auto [c, r] = squares[k];
        drawAnswerSquare(painter, x, stripBrush(k), PuzzleRecord.entry(c, r));
        drawSolverMarks(painter, x, {c, r});
    }
}

QColor TZpxSolveForm::stripBrush(int k) const
{
    const int x = k * SquareSize;
    if (x == CursorX || (HighlightRest && x > CursorX))
        return Yellow;
    return BlankColor;
}

void TZpxSolveForm::drawSolverMarks(QPainter& painter, int x, GridSquare square)
{
    const QRect inside(SolveGrid.left() + x + 1, SolveGrid.top() + 1, SquareSize - 1, SquareSize - 2);
    if (showsRevealMark(PuzzleRecord, puzzleEdits().progress(), square))
        drawRevealMark(painter, inside);
    if (checkMarks().marked(PuzzleRecord, square))
        drawCheckMark(painter, inside);
}

void TZpxSolveForm::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event);
}

void TZpxSolveForm::FormKeyDown(QKeyEvent* event)
{
    if (SolverMove(event))
        return;
    if (const auto key = typedCharacter(event))
        FormKeyPress(*key);
}

bool TZpxSolveForm::SolverMove(const QKeyEvent* event)
{
    const auto moveTo = [this](StripMove move) {
        CursorX = SquareSize * stripPosition(CursorX / std::max(1, SquareSize), wordLength(), move);
        Repaint();
        return true;
    };
    switch (event->key()) {
    case Qt::Key_Left:
        return moveTo(StripMove::Left);
    case Qt::Key_Right:
        return moveTo(StripMove::Right);
    case Qt::Key_Home:
        return moveTo(StripMove::Home);
    case Qt::Key_End:
        return moveTo(StripMove::End);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        const int word = adjacentWord(PuzzleRecord, SelectedWord, forward);
        if (word != 0)
            windowEvents().afterClueChosen(word, entryPosition(PuzzleRecord, word));
        return true;
    }
    default:
        return false;
    }
}

void TZpxSolveForm::FormKeyPress(char key)
{
    if (key == '\x1b') {
        close();
        return;
    }
    if (CursorX == wordLength() * SquareSize && !goOnToNextWord(key))
        return;
    if (CursorX >= SolveGrid.width() - 1)
        return;
    const auto square = currentSquare();
    if (!square)
        return;
    const auto [c, r] = *square;
    const KeyOutcome outcome = typedKeyOutcome(key, PuzzleRecord.entry(c, r), PuzzleRecord.answer(c, r), true);
    if (outcome.effect == KeyEffect::StepBack) {
        if (CursorX <= 0)
            return;
        CursorX -= SquareSize;
        if (!HighlightRest)
            drawStripSquare(CursorX / SquareSize + 1);
        const auto back = currentSquare();
        drawCursorSquare(Yellow, back ? PuzzleRecord.entry(back->first, back->second) : std::uint8_t{0});
        publishPlace();
        return;
    }
    if (outcome.effect != KeyEffect::Store)
        return;
    drawCursorSquare(BlankColor, outcome.letter);
    CursorX += SquareSize;
    if (!HighlightRest)
        drawStripSquare(CursorX / SquareSize);
    publishPlace();
    enterLetter(puzzleEdits(), {c, r}, outcome);
}

bool TZpxSolveForm::goOnToNextWord(char key)
{
    if (typedKeyOutcome(key, 0, 0, true).effect != KeyEffect::Store)
        return false;
    const int next = nextOpenWord(PuzzleRecord, SelectedWord);
    if (next == 0)
        return false;
    windowEvents().afterClueChosen(next, entryPosition(PuzzleRecord, next));
    return true;
}

void TZpxSolveForm::drawStripSquare(int k)
{
    const auto squares = answerSquares(PuzzleRecord, SelectedWord);
    if (k < 0 || k >= static_cast<int>(squares.size()))
        return;
    {
        QPainter painter(&Canvas);
        painter.setFont(font());
        const auto [c, r] = squares[k];
        drawAnswerSquare(painter, k * SquareSize, stripBrush(k), PuzzleRecord.entry(c, r));
        drawSolverMarks(painter, k * SquareSize, {c, r});
    }
    update(SolveGrid);
}

void TZpxSolveForm::drawCursorSquare(const QColor& brush, std::uint8_t letter)
{
    {
        QPainter painter(&Canvas);
        painter.setFont(font());
        drawAnswerSquare(painter, CursorX, brush, letter);
    }
    update(SolveGrid);
}

void TZpxSolveForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (SolveGrid.contains(point))
        SolveGridMouseDown(event->button(), point.x() - SolveGrid.left());
    else
        FormMouseDown();
}

void TZpxSolveForm::FormMouseDown()
{
    ClearCursor();
    Repaint();
    publishPlace();
}

void TZpxSolveForm::ClearCursor()
{
    CursorX = NoSquare * SquareSize;
}

void TZpxSolveForm::SolveGridMouseDown(Qt::MouseButton button, int x)
{
    CursorX = SquareSize * (x / std::max(1, SquareSize));
    Repaint();
    publishPlace();
    if (button != Qt::RightButton)
        return;
    Previewed = currentSquare();
    if (Previewed)
        windowEvents().previewGridSquare(Previewed->first, Previewed->second, true);
}

void TZpxSolveForm::SolveGridMouseUp()
{
    if (!Previewed)
        return;
    windowEvents().previewGridSquare(Previewed->first, Previewed->second, false);
    Previewed.reset();
}

void TZpxSolveForm::mouseReleaseEvent(QMouseEvent*)
{
    SolveGridMouseUp();
}

// The preview lasts only while the right button is held still.
void TZpxSolveForm::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::RightButton && event->modifiers() == Qt::NoModifier)
        SolveGridMouseUp();
}

void TZpxSolveForm::closeEvent(QCloseEvent* event)
{
    TCanvasForm::closeEvent(event);
    if (event->isAccepted())
        FormClose();
}

void TZpxSolveForm::FormClose()
{
    SolveGridMouseUp();
    windowEvents().afterSolveWindowClosed();
}

}  // namespace zpx
