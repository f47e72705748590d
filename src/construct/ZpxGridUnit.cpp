#include "construct/ZpxGridUnit.h"

#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ClueLines.h"
#include "solve/Scoring.h"
#include "solve/SolveNavigation.h"
#include "solve/SolverChecks.h"
#include "solve/SolverKeys.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace zpx {

TZpxGridForm* ZpxGridForm = nullptr;

namespace {

const QColor& Green = StandardColour::Lime;
const QColor& Yellow = StandardColour::Yellow;
const QColor& Gray = StandardColour::Gray;
const QColor& Silver = StandardColour::Silver;
const QColor& Red = StandardColour::Red;
// The small ink of a square stays quieter than the solver's letter.
const QColor InkColour{0x40, 0x40, 0x40};

const QString AcrosticWordLimit = QStringLiteral("Acrostic word is limited to 30 characters.");

// The celebration: passes of letters, each followed by a short pause.
constexpr int CelebrationPasses = 120;
constexpr int CelebrationLettersPerPass = 50;
constexpr int CelebrationPauseMs = 2;

bool solving() { return Mode == ModeSolve; }
bool gridEditing() { return Mode == ModeGridEditing; }

// The canvas point of a square's top-left corner, which names it as the cursor.
QPoint squarePoint(GridSquare square)
{
    return {(square.column - 1) * ScreenSquare, (square.row - 1) * ScreenSquare};
}

}  // namespace

TZpxGridForm::TZpxGridForm(QWidget* parent)
    : TCanvasForm(Qt::white, Closing::OnlyByProgram, parent), celebrationTimer(new QTimer(this))
{
    FormCreate();
    celebrationTimer->setSingleShot(true);
    celebrationTimer->setInterval(CelebrationPauseMs);
    connectGuarded(celebrationTimer, &QTimer::timeout, this, [this] { celebrationPass(); });
}

void TZpxGridForm::FormCreate()
{
    setPlacementAnchor(PlacementAnchor::Grid, this);
    setFocusPolicy(Qt::StrongFocus);
    QFont initial(QStringLiteral("Arial"));
    initial.setPixelSize(15);
    setFont(initial);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void TZpxGridForm::ApplySettings()
{
    applyPencilCursor(this);
    FilledColor = readColorSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clBlack"));
    BlankColor = readColorSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clWhite"));
    LetterColor = readColorSetting(QStringLiteral("FontColor"), QStringLiteral("clBlack"));
    ShowSquareNumbers = ZpxProcs->ReadSetting(QStringLiteral("SolveSquareNumbers"), true);
    setFont(squareFont(ScreenSquare));
}

void TZpxGridForm::ApplyScreenBounds()
{
    ScreenSquare = std::max(1, ZpxProcs->ReadSetting(QStringLiteral("ScreenSquare"), static_cast<int>(AutoSquare)));
    const int caption = smallCaptionHeight();
    const int gridHeight = PuzzleRecord.height() * ScreenSquare;
    const int width = PuzzleRecord.width() * ScreenSquare + 9;
    const int height = caption + gridHeight + 9;
    const int titleHeight = solving() ? captionHeight() + AutoSquare + 8 : captionHeight() + 2 * AutoSquare + 14;

    const QRect current = frameBounds(this, caption);
    const int centred = (screenWidth() - width) / 2;
    int left = centred;
    int top = current.top();
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsGrid"))) {
        switch (layoutCodeOf(*stored)) {
        case 1:
        case 2:
            top = stored->top + 4;
            break;
        case 3:
        case 4:
            top = screenHeight() - stored->top - titleHeight - caption - gridHeight - 15;
            break;
        default:
            left = stored->left;
            top = stored->top;
        }
    }
    setFrameBounds(this, QRect(left, top, width, height), caption);
    setFont(squareFont(ScreenSquare));
}

void TZpxGridForm::FormShow()
{
    ApplySettings();
    ApplyScreenBounds();
    QString caption = windowTitle();
    if (caption.endsWith(QStringLiteral(".zpx"), Qt::CaseInsensitive))
        caption.chop(4);
    setWindowTitle(caption.toUpper());
    CursorPoint.reset();
    Repaint();
}

void TZpxGridForm::FormResize()
{
    if (PuzzleRecord.width() < 1)
        return;
    ClearCursor();
    const int caption = smallCaptionHeight();
    const QRect outer = frameBounds(this, caption);
    ScreenSquare = snappedSquare(outer.width(), PuzzleRecord.width());
    const QRect snapped(outer.left(), outer.top(), PuzzleRecord.width() * ScreenSquare + 9,
                        caption + PuzzleRecord.height() * ScreenSquare + 9);
    if (snapped != outer)
        setFrameBounds(this, snapped, caption);
    setFont(squareFont(ScreenSquare));
    Repaint();
}

void TZpxGridForm::prepareGridCanvas()
{
    prepareCanvas({PuzzleRecord.width() * ScreenSquare + 1, PuzzleRecord.height() * ScreenSquare + 1});
}

QRect TZpxGridForm::squareRect(GridSquare square) const
{
    return {(square.column - 1) * ScreenSquare, (square.row - 1) * ScreenSquare, ScreenSquare + 1,
            ScreenSquare + 1};
}

void TZpxGridForm::FormPaint()
{
    prepareGridCanvas();
    if (Canvas.isNull())
        return;
    QPainter painter(&Canvas);
    painter.setFont(font());
    const int s = ScreenSquare;
    TextTop = (s - painter.fontMetrics().height()) / 2;
    LetterTop = TextTop;
    if (solving())
        prepareSquareInk();
    MarkedWord = SelectedWord;
    MarkedSquare = CurrentSquare;
    // Every border is a line in the filled colour and neighbours share it,
    // so the grid is the filled colour with the squares' insides laid over it.
    Canvas.fill(FilledColor);
    for (int r = 1; r <= PuzzleRecord.height(); ++r) {
        for (int c = 1; c <= PuzzleRecord.width(); ++c) {
            if (PuzzleRecord.isFilled(c, r))
                continue;
            if (solving()) {
                drawSolveSquare(painter, {c, r}, solveSquareFill({c, r}));
                continue;
            }
            const SquareLook look = squareLook({c, r});
            const int x = (c - 1) * s;
            const int y = (r - 1) * s;
            painter.fillRect(x + 1, y + 1, s - 1, s - 1, look.brush);
            if (look.letter != 0) {
                painter.setPen(look.letterColor);
                drawLetter(painter, x, y, look.letter);
            }
        }
    }
    painter.end();
    if (CursorPoint)
        paintRun(Yellow);
}

// The letters go below the ink, in the middle of the room it leaves where
// the square is large enough.
void TZpxGridForm::prepareSquareInk()
{
    if (!ShowSquareNumbers)
        return;
    NumberSquares(PuzzleRecord, Numbers);
    int letterSquares = 0;
    bool doubleLabels = false;
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c)
            if (!PuzzleRecord.isFilled(c, r)) {
                ++letterSquares;
                const auto slot = PuzzleRecord.slotAt(c, r);
                doubleLabels = doubleLabels || (slot && slot->word > 26);
            }
    Ink.setFont(ScreenSquare, letterSquares, doubleLabels);
    const int letterHeight = QFontMetrics(font()).height();
    LetterTop = std::max(TextTop, std::min(ScreenSquare - letterHeight, (ScreenSquare + Ink.height() - letterHeight) / 2));

    InkLayer = QImage(Canvas.size(), QImage::Format_ARGB32_Premultiplied);
    InkLayer.fill(Qt::transparent);
    QPainter ink(&InkLayer);
    ink.setPen(InkColour);
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c)
            if (!PuzzleRecord.isFilled(c, r)) {
                const auto slot = PuzzleRecord.slotAt(c, r);
                Ink.draw(ink, (c - 1) * ScreenSquare, (r - 1) * ScreenSquare, ScreenSquare, Numbers.at(c, r),
                         slot ? slot->word : 0);
            }
}

QColor TZpxGridForm::solveSquareFill(GridSquare square) const
{
    const auto slot = PuzzleRecord.slotAt(square.column, square.row);
    return slot && slot->word == SelectedWord ? SolverMarks::WordTint : BlankColor;
}

void TZpxGridForm::drawSolveSquare(QPainter& painter, GridSquare square, const QColor& fill)
{
    const QRect rect = squareRect(square);
    painter.fillRect(rect, FilledColor);
    const QRect inside = rect.adjusted(1, 1, -1, -1);
    painter.fillRect(inside, fill);
    if (squareRef(square.column, square.row) == CurrentSquare)
        drawCurrentFrame(painter, inside);
    if (ShowSquareNumbers)
        painter.drawImage(rect.topLeft(), InkLayer, rect);
    if (const std::uint8_t letter = PuzzleRecord.entry(square.column, square.row)) {
        painter.setPen(LetterColor);
        drawLetter(painter, rect.left(), rect.top(), letter);
    }
    drawSolverMarks(painter, square);
}

// A square as the whole grid's painting shows it, the cursor's run aside.
TZpxGridForm::SquareLook TZpxGridForm::squareLook(GridSquare square) const
{
    const auto [c, r] = square;
    if (solving())
        return {BlankColor, LetterColor, PuzzleRecord.entry(c, r)};
    SquareLook look{BlankColor, LetterColor, 0};
    const auto slot = PuzzleRecord.slotAt(c, r);
    const bool ofSelectedWord = slot && slot->word == SelectedWord;
    if (ofSelectedWord && slot->position == 1)
        look = {Green, Gray, 0};
    else if (ofSelectedWord)
        look = {Yellow, Silver, 0};
    if (PuzzleRecord.squareSlot(c, r) == 0 || ofSelectedWord)
        look.letter = PuzzleRecord.answer(c, r);
    return look;
}

void TZpxGridForm::RefreshSquare(int column, int row)
{
    RefreshSquares({{column, row}});
}

void TZpxGridForm::RefreshSquares(const std::vector<GridSquare>& squares)
{
    if (squares.empty())
        return;
    prepareGridCanvas();
    const auto cursor = cursorSquare();
    const auto run = cursor ? cursorRun(PuzzleRecord, *cursor, gridEditing()) : std::vector<GridSquare>();
    QPainter painter(&Canvas);
    painter.setFont(font());
    QRegion shown;
    for (const GridSquare square : squares) {
        if (!PuzzleRecord.inGrid(square.column, square.row))
            continue;
        SquareLook look = squareLook(square);
        if (std::find(run.begin(), run.end(), square) != run.end())
            look.brush = Yellow;
        drawSquare(painter, square, look.brush, look.letterColor, look.letter);
        shown += squareRect(square);
    }
    update(shown);
}

void TZpxGridForm::drawLetter(QPainter& painter, int x, int y, std::uint8_t letter)
{
    Letters.draw(painter, x, y, ScreenSquare, LetterTop, letter);
}

void TZpxGridForm::drawSquare(QPainter& painter, GridSquare square, const QColor& brush,
                              const QColor& letterColor, std::uint8_t letter)
{
    if (solving() && !PuzzleRecord.isFilled(square.column, square.row)) {
        // The blank brush takes the square back to its own look, marks and tint included.
        drawSolveSquare(painter, square, brush == BlankColor ? solveSquareFill(square) : brush);
        return;
    }
    const QRect rect = squareRect(square);
    painter.fillRect(rect, FilledColor);
    if (PuzzleRecord.isFilled(square.column, square.row))
        return;
    painter.fillRect(rect.adjusted(1, 1, -1, -1), brush);
    if (letter != 0) {
        painter.setPen(letterColor);
        drawLetter(painter, rect.left(), rect.top(), letter);
    }
}

void TZpxGridForm::drawSolverMarks(QPainter& painter, GridSquare square)
{
    const QRect inside = squareRect(square).adjusted(1, 1, -1, -1);
    if (showsRevealMark(PuzzleRecord, puzzleEdits().progress(), square))
        drawRevealMark(painter, inside);
    if (checkMarks().marked(PuzzleRecord, square))
        drawCheckMark(painter, inside);
}

bool TZpxGridForm::SolverCheated() const
{
    return puzzleEdits().progress().cheated();
}

std::uint8_t TZpxGridForm::shownLetter(GridSquare square) const
{
    return solving() ? PuzzleRecord.entry(square.column, square.row)
                     : PuzzleRecord.answer(square.column, square.row);
}

void TZpxGridForm::showSquare(GridSquare square)
{
    update(squareRect(square));
}

void TZpxGridForm::redrawSquare(int column, int row, const QColor& brush, const QColor& letterColor)
{
    if (!PuzzleRecord.inGrid(column, row))
        return;
    prepareGridCanvas();
    const GridSquare square{column, row};
    QPainter painter(&Canvas);
    painter.setFont(font());
    drawSquare(painter, square, brush, letterColor, shownLetter(square));
    showSquare(square);
}

void TZpxGridForm::PreviewSquare(int column, int row, bool shown)
{
    if (shown)
        redrawSquare(column, row, Yellow, LetterColor);
    else
        RefreshSquare(column, row);
}

std::optional<GridSquare> TZpxGridForm::cursorSquare() const
{
    if (!CursorPoint || ScreenSquare < 1)
        return std::nullopt;
    return GridSquare{CursorPoint->x() / ScreenSquare + 1, CursorPoint->y() / ScreenSquare + 1};
}

void TZpxGridForm::paintRun(const QColor& brush)
{
    const auto cursor = cursorSquare();
    if (!cursor)
        return;
    prepareGridCanvas();
    QPainter painter(&Canvas);
    painter.setFont(font());
    for (const GridSquare square : cursorRun(PuzzleRecord, *cursor, gridEditing())) {
        drawSquare(painter, square, brush, LetterColor, shownLetter(square));
        showSquare(square);
    }
}

void TZpxGridForm::ClearCursor()
{
    if (!CursorPoint)
        return;
    paintRun(BlankColor);
    CursorPoint.reset();
}

void TZpxGridForm::setCursorSquare(std::optional<GridSquare> square, QPoint point)
{
    if (square)
        CursorPoint = point;
    else
        CursorPoint.reset();
    if (solving())
        chooseSolverSquare(square);
}

void TZpxGridForm::chooseSolverSquare(std::optional<GridSquare> square)
{
    const int reference = square ? squareRef(square->column, square->row) : 0;
    const auto slot = square ? PuzzleRecord.slotAt(square->column, square->row) : std::nullopt;
    // Leaving the grid's last square keeps the word; the next click chooses anew.
    const int word = square ? (slot ? slot->word : 0) : SelectedWord;
    if (reference == CurrentSquare && word == SelectedWord)
        return;
    CurrentSquare = reference;
    SelectedWord = word;
    windowEvents().afterGridSquareChosen();
}

void TZpxGridForm::FollowSolverPlace()
{
    if (!solving() || Canvas.isNull())
        return;
    if (const auto cursor = cursorSquare(); cursor && squareRef(cursor->column, cursor->row) != CurrentSquare)
        ClearCursor();
    std::vector<GridSquare> changed;
    if (MarkedWord != SelectedWord)
        for (const int word : {MarkedWord, SelectedWord})
            for (const auto& [c, r] : answerSquares(PuzzleRecord, word))
                changed.push_back({c, r});
    for (const int reference : {MarkedSquare, CurrentSquare})
        if (const auto square = referencedSquare(PuzzleRecord, reference))
            changed.push_back(*square);
    MarkedWord = SelectedWord;
    MarkedSquare = CurrentSquare;
    RefreshSquares(changed);
}


void TZpxGridForm::moveCursorTo(std::optional<GridSquare> square)
{
    paintRun(BlankColor);
    setCursorSquare(square, square ? squarePoint(*square) : QPoint());
    paintRun(Yellow);
}

void TZpxGridForm::ShowAnswers()
{
    puzzleEdits().noteAnswersShown();
    prepareGridCanvas();
    QPainter painter(&Canvas);
    painter.setFont(font());
    painter.setPen(Gray);
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c) {
            const std::uint8_t entry = PuzzleRecord.entry(c, r);
            if (PuzzleRecord.isFilled(c, r) || (entry != 0 && entry != ' '))
                continue;
            drawLetter(painter, (c - 1) * ScreenSquare, (r - 1) * ScreenSquare, PuzzleRecord.answer(c, r));
        }
    update();
}

void TZpxGridForm::MarkErrors()
{
    prepareGridCanvas();
    QPainter painter(&Canvas);
    painter.setPen(QPen(Red, 2));
    const int s = ScreenSquare;
    for (const auto& [c, r] : wrongSquares(PuzzleRecord)) {
        painter.drawLine((c - 1) * s + 6, (r - 1) * s + 6, c * s - 5, r * s - 5);
        painter.drawLine(c * s - 5, (r - 1) * s + 6, (c - 1) * s + 6, r * s - 5);
    }
    update();
}

void TZpxGridForm::Celebrate(std::function<void()> finished)
{
    celebrationFinished = std::move(finished);
    celebrationPasses = 0;
    celebrationRandom.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    celebrationHold = std::make_unique<InputHold>();
    celebrationPass();
}

// One pass of letters, the next one a moment later; after the last, the
// repaint that ends the celebration.
void TZpxGridForm::celebrationPass()
{
    static const QColor colours[] = {QColor(0x80, 0x00, 0x00), QColor(0x80, 0x00, 0x80), QColor(0x00, 0x80, 0x80),
                                     QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x00, 0xFF),
                                     QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0xFF)};
    const int columns = PuzzleRecord.width();
    const int rows = PuzzleRecord.height();
    if (celebrationPasses == CelebrationPasses || columns <= 0 || rows <= 0) {
        celebrationHold.reset();
        Repaint();
        if (const std::function<void()> finished = std::exchange(celebrationFinished, {}))
            finished();
        return;
    }
    ++celebrationPasses;
    prepareGridCanvas();
    {
        QPainter painter(&Canvas);
        painter.setFont(font());
        for (int n = 0; n < CelebrationLettersPerPass; ++n) {
            const int i = celebrationRandom.bounded(columns);
            const int j = celebrationRandom.bounded(rows);
            painter.setPen(colours[celebrationRandom.bounded(8)]);
            if (!PuzzleRecord.isFilled(i + 1, j + 1))
                drawLetter(painter, i * ScreenSquare, j * ScreenSquare, PuzzleRecord.answer(i + 1, j + 1));
        }
    }
    update();
    celebrationTimer->start();
}

void TZpxGridForm::mousePressEvent(QMouseEvent* event)
{
    FormMouseDown(event->button(), event->position().toPoint());
}

void TZpxGridForm::FormMouseDown(Qt::MouseButton button, QPoint position)
{
    const auto square = squareAtPoint(PuzzleRecord, position.x(), position.y(), ScreenSquare);
    // The solver's click on a square of a word keeps the solve window, which follows it to that square.
    const bool keepsSolveWindow = solving() && button != Qt::RightButton && square
                                  && PuzzleRecord.slotAt(square->column, square->row);
    if (!keepsSolveWindow)
        windowEvents().beforeGridClick();
    if (!square)
        return;
    if (Mode == ModeConstruction) {
        const ConstructionClick click = constructionClick(puzzleEdits(), SelectedWord, *square);
        if (click.outcome == ClickOutcome::WordFull)
            ZpxProcs->ErrorMessage(AcrosticWordLimit);
        return;
    }
    // In solve mode the right button asks the clue list for the square's clue.
    if (solving() && button == Qt::RightButton) {
        if (!PuzzleRecord.isFilled(square->column, square->row))
            windowEvents().afterGridClueRequest(square->column, square->row);
        return;
    }
    const bool sets = solving() || (gridEditing() && PuzzleRecord.squareSlot(square->column, square->row) == 0);
    if (!sets)
        return;
    paintRun(BlankColor);
    if (cursorMayEnter(PuzzleRecord, *square, gridEditing()))
        setCursorSquare(square, position);
    else
        setCursorSquare(std::nullopt, {});
    paintRun(Yellow);
}

void TZpxGridForm::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event);
}

void TZpxGridForm::FormKeyDown(QKeyEvent* event)
{
    if (solving() && SolverMove(event))
        return;
    if (const auto key = typedCharacter(event))
        FormKeyPress(*key);
}

bool TZpxGridForm::SolverMove(const QKeyEvent* event)
{
    const auto cursor = cursorSquare();
    const auto arrow = [&](ArrowKey key) {
        if (cursor)
            moveCursorTo(arrowSquare(PuzzleRecord, *cursor, key));
        return true;
    };
    switch (event->key()) {
    case Qt::Key_Left:
        return arrow(ArrowKey::Left);
    case Qt::Key_Right:
        return arrow(ArrowKey::Right);
    case Qt::Key_Up:
        return arrow(ArrowKey::Up);
    case Qt::Key_Down:
        return arrow(ArrowKey::Down);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        const auto slot = cursor ? PuzzleRecord.slotAt(cursor->column, cursor->row) : std::nullopt;
        const int word = adjacentWord(PuzzleRecord, slot ? slot->word : SelectedWord, forward);
        if (word != 0)
            moveCursorTo(entrySquare(PuzzleRecord, word));
        return true;
    }
    default:
        return false;
    }
}

void TZpxGridForm::FormKeyPress(char key)
{
    if (Mode == ModeConstruction)
        return;
    // Without a cursor of its own the grid hands the solver's typing to the solve window.
    if (!CursorPoint) {
        if (solving())
            windowEvents().solverKeyWithoutGridCursor(key);
        return;
    }
    EnterCharacter(key);
}

void TZpxGridForm::EnterCharacter(char ch)
{
    const auto cursor = cursorSquare();
    if (!cursor || !cursorMayEnter(PuzzleRecord, *cursor, gridEditing()))
        return;
    const std::uint8_t held = shownLetter(*cursor);
    const KeyOutcome outcome = typedKeyOutcome(ch, held, PuzzleRecord.answer(cursor->column, cursor->row), solving());
    if (outcome.effect == KeyEffect::StepBack)
        StepBack();
    if (outcome.effect != KeyEffect::Store)
        return;
    const auto next = advanceCursor(PuzzleRecord, *cursor, gridEditing());
    // The solver writes on over filled squares and rows; the new run needs its highlight then.
    const auto solverNext = solving() ? nextLetterSquare(PuzzleRecord, *cursor) : next;
    if (solverNext != next)
        moveCursorTo(solverNext);
    else
        setCursorSquare(next, next ? squarePoint(*next) : QPoint());
    if (solving())
        enterLetter(puzzleEdits(), *cursor, outcome);
    else
        typeGridLetter(puzzleEdits(), *cursor, outcome.letter);
    // A changed square is drawn again with the step; one whose letter stayed
    // still loses the cursor's colour.
    if (outcome.letter == held)
        RefreshSquare(cursor->column, cursor->row);
}

void TZpxGridForm::StepBack()
{
    const auto cursor = cursorSquare();
    if (!cursor)
        return;
    if (solving()) {
        moveCursorTo(previousLetterSquare(PuzzleRecord, *cursor));
        return;
    }
    const GridSquare target = stepBackCursor(PuzzleRecord, *cursor, gridEditing());
    if (target.row != cursor->row)
        CursorPoint = QPoint(PuzzleRecord.width() * ScreenSquare - 1, (target.row - 1) * ScreenSquare);
    else if (target.column != cursor->column)
        CursorPoint = QPoint((target.column - 1) * ScreenSquare, (target.row - 1) * ScreenSquare);
    prepareGridCanvas();
    {
        QPainter painter(&Canvas);
        painter.setFont(font());
        drawSquare(painter, target, Yellow, LetterColor, shownLetter(target));
    }
    showSquare(target);
}

}  // namespace zpx
