#include "construct/ZpxTitleUnit.h"

#include "construct/GridEditing.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/WindowPlacesUnit.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zpx {

TZpxTitleForm* ZpxTitleForm = nullptr;

namespace {

const QColor& Yellow = StandardColour::Yellow;
const QColor& Gray = StandardColour::Gray;
const QColor& Silver = StandardColour::Silver;

// A first-letter byte the top row never draws, like 0.
constexpr std::uint8_t UndrawnLetter = 255;

bool solving() { return Mode == ModeSolve; }

// The top row always has room for one square, even for a puzzle without words.
int shownWords(int wordCount) { return std::max(1, wordCount); }

}  // namespace

TZpxTitleForm::TZpxTitleForm(QWidget* parent)
    : TCanvasForm(StandardColour::Silver, Closing::OnlyByProgram, parent), Bevel1(new QFrame(this))
{
    FormCreate();
}

void TZpxTitleForm::FormCreate()
{
    setPlacementAnchor(PlacementAnchor::AuthorTitle, this);
    setWindowTitle(QStringLiteral("Author-Title"));
    QFont initial(QStringLiteral("Arial"));
    initial.setPixelSize(15);
    setFont(initial);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    // The bevel is a drawn line only: clicks on it belong to the window.
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TZpxTitleForm::FormShow()
{
    WordCount = titleWordCount(PuzzleRecord);
    AuthorTitleSquare = AutoSquare;
    Bevel1->setVisible(!solving());
    ApplySettings();
    ApplyScreenBounds();
    Repaint();
}

void TZpxTitleForm::ApplySettings()
{
    applyPencilCursor(this);
    BlankColor = readColorSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clWhite"));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, readColorSetting(QStringLiteral("FontColor"), QStringLiteral("clBlack")));
    setPalette(colours);
    setFont(squareFont(AuthorTitleSquare));
}

void TZpxTitleForm::ApplyScreenBounds()
{
    const int a = std::max(1, ZpxProcs->ReadSetting(QStringLiteral("AuthorTitleSquare"), static_cast<int>(AutoSquare)));
    AuthorTitleSquare = a;
    const int width = solving() ? a * shownWords(WordCount) + 9 : a * 30 + 9;
    const int height = solving() ? captionHeight() + a + 8 : captionHeight() + 2 * a + 14;

    const int caption = smallCaptionHeight();
    const QRect grid = anchorBounds(PlacementAnchor::Grid);
    const int gridBottom = grid.isNull() ? 0 : grid.bottom() + 1;
    int left = (screenWidth() - width) / 2;
    int top = gridBottom + 1;
    if (const auto stored = readScreenBounds(QStringLiteral("ScreenBoundsAuthorTitle"))) {
        switch (layoutCodeOf(*stored)) {
        case 1:
        case 2:
            top = gridBottom + 2;
            break;
        case 3:
        case 4:
            top = screenHeight() - stored->top - height - 4;
            break;
        default:
            left = stored->left;
            top = stored->top;
        }
    }
    if (screenHeight() - height < top)
        top = screenHeight() - height - 2;
    setFrameBounds(this, QRect(left, top, width, height), caption);
    setFont(squareFont(AuthorTitleSquare));
}

void TZpxTitleForm::FormResize()
{
    const int caption = smallCaptionHeight();
    const QRect outer = frameBounds(this, caption);
    QRect snapped;
    if (solving()) {
        const int a = snappedSquare(outer.width(), shownWords(WordCount));
        AuthorTitleSquare = a;
        snapped = QRect(outer.left(), outer.top(), a * shownWords(WordCount) + 9, caption + a + 8);
    } else {
        const int a = snappedSquare(outer.width(), 30);
        AuthorTitleSquare = a;
        snapped = QRect(outer.left(), outer.top(), 30 * a + 9, caption + 2 * a + 14);
        Bevel1->setGeometry(0, a + 2, snapped.width() - 8, 2);
    }
    if (snapped != outer)
        setFrameBounds(this, snapped, caption);
    setFont(squareFont(AuthorTitleSquare));
    Repaint();
}

QSize TZpxTitleForm::canvasSize() const
{
    const int a = AuthorTitleSquare;
    if (solving())
        return {a * shownWords(WordCount) + 1, a};
    return {30 * a + 1, 2 * a + 6};
}

void TZpxTitleForm::drawLetter(QPainter& painter, int x, int y, std::uint8_t letter)
{
    Letters.draw(painter, x, y, AuthorTitleSquare, TextTop, letter);
}

void TZpxTitleForm::FormPaint()
{
    const int a = AuthorTitleSquare;
    if (a < 1)
        return;
    prepareCanvas(canvasSize());
    Canvas.fill(Silver);
    QPainter painter(&Canvas);
    painter.setFont(font());
    const QColor line = readColorSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clBlack"));
    const QColor letterColor = palette().color(QPalette::WindowText);
    TextTop = (a - painter.fontMetrics().height()) / 2;
    const int w = SelectedWord;
    LineColor = line;
    MarkedWord = SelectedWord;
    MarkedSquare = CurrentSquare;

    for (int i = 1; i <= WordCount; ++i)
        drawWordSquare(painter, i);
    if (solving())
        return;

    for (int p = 1; p <= MaxWordLetters; ++p) {
        const int x = (p - 1) * a;
        const auto [c, r] = w >= 1 && w <= MaxWords ? slotSquare(PuzzleRecord, letterSlot(p, w)) : std::pair(0, 0);
        painter.fillRect(x, a + 6, a + 1, a, line);
        painter.fillRect(x + 1, a + 7, a - 1, a - 2, c != 0 ? BlankColor : Silver);
        if (c != 0 && PuzzleRecord.answer(c, r) != 0 && !PuzzleRecord.isFilled(c, r)) {
            painter.setPen(letterColor);
            drawLetter(painter, x, a + 6, PuzzleRecord.answer(c, r));
        }
    }
}

void TZpxTitleForm::drawWordSquare(QPainter& painter, int word)
{
    const int a = AuthorTitleSquare;
    const int x = (word - 1) * a;
    painter.fillRect(x, 0, a + 1, a, LineColor);
    const QRect inside(x + 1, 1, a - 1, a - 2);
    painter.fillRect(inside, word == SelectedWord ? Yellow : BlankColor);
    const auto [c, r] = slotSquare(PuzzleRecord, letterSlot(1, word));
    if (c == 0 || PuzzleRecord.isFilled(c, r))
        return;
    if (solving() && squareRef(c, r) == CurrentSquare)
        drawCurrentFrame(painter, inside);
    const std::uint8_t letter = solving() ? PuzzleRecord.entry(c, r) : PuzzleRecord.answer(c, r);
    if (letter != 0 && letter != UndrawnLetter) {
        painter.setPen(palette().color(QPalette::WindowText));
        drawLetter(painter, x, 0, letter);
    }
}

void TZpxTitleForm::FollowSolverPlace()
{
    if (!solving() || Canvas.isNull())
        return;
    const auto firstLetterWord = [](int reference) {
        const auto square = referencedSquare(PuzzleRecord, reference);
        const auto slot = square ? PuzzleRecord.slotAt(square->column, square->row) : std::nullopt;
        return slot && slot->position == 1 ? slot->word : 0;
    };
    const int marked = MarkedWord;
    const int left = MarkedSquare;
    MarkedWord = SelectedWord;
    MarkedSquare = CurrentSquare;
    redrawWordSquares({marked, SelectedWord, firstLetterWord(left), firstLetterWord(CurrentSquare)});
}

void TZpxTitleForm::RefreshWordSquare(int word)
{
    redrawWordSquares({word});
}

void TZpxTitleForm::redrawWordSquares(std::initializer_list<int> words)
{
    if (Canvas.isNull())
        return;
    QPainter painter(&Canvas);
    painter.setFont(font());
    for (const int word : words)
        if (word >= 1 && word <= WordCount) {
            drawWordSquare(painter, word);
            update(QRect((word - 1) * AuthorTitleSquare, 0, AuthorTitleSquare + 1, AuthorTitleSquare));
        }
}

void TZpxTitleForm::ShowAnswers()
{
    if (Canvas.isNull())
        return;
    QPainter painter(&Canvas);
    painter.setFont(font());
    painter.setPen(Gray);
    for (int i = 1; i <= WordCount; ++i) {
        const auto [c, r] = slotSquare(PuzzleRecord, letterSlot(1, i));
        const std::uint8_t entry = c != 0 ? PuzzleRecord.entry(c, r) : 0;
        if (c != 0 && (entry == 0 || entry == ' '))
            drawLetter(painter, (i - 1) * AuthorTitleSquare, 0, PuzzleRecord.answer(c, r));
    }
    update();
}

void TZpxTitleForm::ClearSelection()
{
    if (SelectedWord == 0)
        return;
    SelectedWord = 0;
    Repaint();
}

void TZpxTitleForm::mouseReleaseEvent(QMouseEvent* event)
{
    FormMouseUp(event->position().toPoint());
}

void TZpxTitleForm::FormMouseUp(QPoint position)
{
    if (Mode == ModeGridEditing)
        return;
    const TitleHit hit = titleHitTest(position.x(), position.y(), AuthorTitleSquare, WordCount, solving());
    switch (hit.area) {
    case TitleArea::Word:
        selectWord(hit.index);
        break;
    case TitleArea::Letter:
        removeLetterAt(hit.index);
        break;
    case TitleArea::Elsewhere:
        if (SelectedWord != 0)
            deselectWord();
        break;
    }
    Repaint();
}

void TZpxTitleForm::SelectWord(int word)
{
    if (Mode == ModeGridEditing)
        return;
    selectWord(word);
    Repaint();
}

void TZpxTitleForm::selectWord(int word)
{
    SelectedWord = word;
    windowEvents().afterWordSelected(word);
}

void TZpxTitleForm::removeLetterAt(int position)
{
    removeLetter(puzzleEdits(), SelectedWord, position);
}

void TZpxTitleForm::deselectWord()
{
    SelectedWord = 0;
    windowEvents().afterWordSelected(0);
}

}  // namespace zpx
