#include "construct/ZpxGridUnit.h"

#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/ResourcesUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>

#include <algorithm>
#include <array>

namespace zpx {

TZpxGridForm* ZpxGridForm = nullptr;

namespace {

const QColor Green(0x00, 0xFF, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Gray(0x80, 0x80, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);

const QString AcrosticWordLimit = QStringLiteral("Acrostic word is limited to 30 characters.");

bool solving() { return Mode == ModeSolve; }
bool gridEditing() { return Mode == ModeGridEditing; }

}  // namespace

QChar letterChar(std::uint8_t letter)
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> chars{};
        for (int code = 0; code < 256; ++code) {
            const std::string byte(1, static_cast<char>(code));
            const QString text = QString::fromUtf8(cp1252ToUtf8(byte));
            chars[code] = text.isEmpty() ? QChar() : text.front();
        }
        return chars;
    }();
    return table[letter];
}

void SquareLetters::draw(QPainter& painter, int left, int top, int square, int textTop, std::uint8_t letter)
{
    if (painter.font() != font) {
        font = painter.font();
        widths.fill(-1);
    }
    if (widths[letter] < 0) {
        const QChar ch = letterChar(letter);
        widths[letter] = ch.isNull() ? 0 : QFontMetrics(font, painter.device()).horizontalAdvance(ch);
        texts[letter] = QStaticText(ch.isNull() ? QString() : QString(ch));
        texts[letter].setTextFormat(Qt::PlainText);
        texts[letter].prepare(QTransform(), font);
    }
    if (widths[letter] > 0)
        painter.drawStaticText(left + (square - widths[letter]) / 2, top + textTop, texts[letter]);
}

void afterWordChanged(int word)
{
    if (ZpxTitleForm)
        ZpxTitleForm->Repaint();
    if (AcrosticWinForm && AcrosticWinForm->isVisible())
        AcrosticWinForm->RefreshWordLine(word);
    Modified = true;
}

TZpxGridForm::TZpxGridForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    FormCreate();
}

void TZpxGridForm::FormCreate()
{
    // The canvas is the double buffer: Qt only copies it to the screen.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QFont initial(QStringLiteral("Arial"));
    initial.setPixelSize(15);
    setFont(initial);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QFont squareFont(int square)
{
    QFont font = fontFromSettings(QString(), QStringLiteral("Arial"), 11, 0);
    const int fontSize = ZpxProcs->ReadSetting(QStringLiteral("FontSize"), 11);
    const int scaled = scaledFontSize(fontSize, square, AutoSquare);
    // A negative size is a height in pixels, as the font setting may hold it.
    if (fontSize < 0)
        font.setPixelSize(std::max(1, -scaled));
    else
        font.setPointSize(std::max(1, scaled));
    return font;
}

void applyPencilCursor(QWidget* window)
{
    if (ZpxProcs->ReadSetting(QStringLiteral("UseCursors"), 0) == 1)
        window->setCursor(pencilCursor());
    else
        window->unsetCursor();
}

void TZpxGridForm::ApplySettings()
{
    applyPencilCursor(this);
    FilledColor = readColorSetting(QStringLiteral("FilledSqColor"), QStringLiteral("clBlack"));
    BlankColor = readColorSetting(QStringLiteral("BlankSqColor"), QStringLiteral("clWhite"));
    LetterColor = readColorSetting(QStringLiteral("FontColor"), QStringLiteral("clBlack"));
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

void TZpxGridForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TZpxGridForm::FormShow()
{
    Cheated = false;
    ApplySettings();
    ApplyScreenBounds();
    QString caption = windowTitle();
    if (caption.endsWith(QStringLiteral(".zpx"), Qt::CaseInsensitive))
        caption.chop(4);
    setWindowTitle(caption.toUpper());
    CursorPoint.reset();
    Repaint();
}

void TZpxGridForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TZpxGridForm::FormResize()
{
    // Snapping the bounds resizes the window again; that nested call has nothing left to do.
    if (Resizing || PuzzleRecord.width() < 1)
        return;
    Resizing = true;
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
    Resizing = false;
}

void TZpxGridForm::prepareCanvas()
{
    const QSize size(PuzzleRecord.width() * ScreenSquare + 1, PuzzleRecord.height() * ScreenSquare + 1);
    if (Canvas.size() != size)
        Canvas = QImage(size, QImage::Format_RGB32);
}

QRect TZpxGridForm::squareRect(GridSquare square) const
{
    return {(square.column - 1) * ScreenSquare, (square.row - 1) * ScreenSquare, ScreenSquare + 1,
            ScreenSquare + 1};
}

void TZpxGridForm::Repaint()
{
    FormPaint();
    update();
}

void TZpxGridForm::FormPaint()
{
    prepareCanvas();
    if (Canvas.isNull())
        return;
    QPainter painter(&Canvas);
    painter.setFont(font());
    const int s = ScreenSquare;
    TextTop = (s - painter.fontMetrics().height()) / 2;
    // Every border is a line in the filled colour and neighbours share it,
    // so the grid is the filled colour with the squares' insides laid over it.
    Canvas.fill(FilledColor);
    const int w = SelectedWord;
    for (int r = 1; r <= PuzzleRecord.height(); ++r) {
        for (int c = 1; c <= PuzzleRecord.width(); ++c) {
            if (PuzzleRecord.isFilled(c, r))
                continue;
            QColor brush = BlankColor;
            QColor letterColor = LetterColor;
            std::uint8_t letter = 0;
            if (solving()) {
                letter = PuzzleRecord.entry(c, r);
            } else {
                const int slot = PuzzleRecord.squareSlot(c, r);
                const bool ofSelectedWord = w != 0 && slot >= 100 && slot % 100 == w;
                if (ofSelectedWord && slot / 100 == 1) {
                    brush = Green;
                    letterColor = Gray;
                } else if (ofSelectedWord) {
                    brush = Yellow;
                    letterColor = Silver;
                }
                if (slot == 0 || ofSelectedWord)
                    letter = PuzzleRecord.answer(c, r);
            }
            const int x = (c - 1) * s;
            const int y = (r - 1) * s;
            painter.fillRect(x + 1, y + 1, s - 1, s - 1, brush);
            if (letter != 0) {
                painter.setPen(letterColor);
                drawLetter(painter, x, y, letter);
            }
        }
    }
    painter.end();
    if (CursorPoint)
        paintRun(Yellow);
}

void TZpxGridForm::drawLetter(QPainter& painter, int x, int y, std::uint8_t letter)
{
    Letters.draw(painter, x, y, ScreenSquare, TextTop, letter);
}

void TZpxGridForm::drawSquare(QPainter& painter, GridSquare square, const QColor& brush,
                              const QColor& letterColor, std::uint8_t letter)
{
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

std::uint8_t TZpxGridForm::shownLetter(GridSquare square) const
{
    return solving() ? PuzzleRecord.entry(square.column, square.row)
                     : PuzzleRecord.answer(square.column, square.row);
}

void TZpxGridForm::showSquare(GridSquare square)
{
    update(squareRect(square));
}

void TZpxGridForm::PaintSquare(int column, int row, int state)
{
    if (!PuzzleRecord.inGrid(column, row))
        return;
    prepareCanvas();
    const GridSquare square{column, row};
    QPainter painter(&Canvas);
    painter.setFont(font());
    const QColor brush = state == 0 ? BlankColor : state == 1 ? Green : Yellow;
    const QColor letterColor = state == 0 ? LetterColor : state == 1 ? Gray : Silver;
    drawSquare(painter, square, brush, letterColor, shownLetter(square));
    showSquare(square);
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
    prepareCanvas();
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
}

void TZpxGridForm::ShowAnswers()
{
    Cheated = true;
    prepareCanvas();
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
    ZpxProcs->Delay(5);
    prepareCanvas();
    QPainter painter(&Canvas);
    painter.setPen(QPen(Red, 2));
    const int s = ScreenSquare;
    for (int r = 1; r <= PuzzleRecord.height(); ++r)
        for (int c = 1; c <= PuzzleRecord.width(); ++c) {
            const std::uint8_t entry = PuzzleRecord.entry(c, r);
            if (PuzzleRecord.isFilled(c, r) || (entry != 0 && entry == PuzzleRecord.answer(c, r)))
                continue;
            painter.drawLine((c - 1) * s + 6, (r - 1) * s + 6, c * s - 5, r * s - 5);
            painter.drawLine(c * s - 5, (r - 1) * s + 6, (c - 1) * s + 6, r * s - 5);
        }
    update();
}

void TZpxGridForm::Celebrate()
{
    static const QColor colours[] = {QColor(0x80, 0x00, 0x00), QColor(0x80, 0x00, 0x80), QColor(0x00, 0x80, 0x80),
                                     QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x00, 0xFF),
                                     QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0xFF)};
    QRandomGenerator random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    const int columns = PuzzleRecord.width();
    const int rows = PuzzleRecord.height();
    for (int pass = 0; pass < 120 && columns > 0 && rows > 0; ++pass) {
        prepareCanvas();
        {
            QPainter painter(&Canvas);
            painter.setFont(font());
            for (int n = 0; n < 50; ++n) {
                const int i = random.bounded(columns);
                const int j = random.bounded(rows);
                painter.setPen(colours[random.bounded(8)]);
                if (!PuzzleRecord.isFilled(i + 1, j + 1))
                    drawLetter(painter, i * ScreenSquare, j * ScreenSquare, PuzzleRecord.answer(i + 1, j + 1));
            }
        }
        update();
        ZpxProcs->Delay(2);
    }
    Repaint();
}

void TZpxGridForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), Canvas, event->rect());
    for (const QRect& outside : QRegion(event->rect()).subtracted(QRect(QPoint(), Canvas.size())))
        painter.fillRect(outside, Qt::white);
}

void TZpxGridForm::mousePressEvent(QMouseEvent* event)
{
    FormMouseDown(event->button(), event->position().toPoint());
}

void TZpxGridForm::FormMouseDown(Qt::MouseButton button, QPoint position)
{
    const auto square = squareAtPoint(PuzzleRecord, position.x(), position.y(), ScreenSquare);
    if (!square)
        return;
    if (Mode == ModeConstruction) {
        const ConstructionClick click = constructionClick(PuzzleRecord, SelectedWord, *square);
        if (click.outcome == ClickOutcome::WordFull) {
            ZpxProcs->ErrorMessage(AcrosticWordLimit);
        } else if (click.outcome == ClickOutcome::Added) {
            PaintSquare(square->column, square->row, click.position);
            afterWordChanged(SelectedWord);
        }
        return;
    }
    // In solve mode the right button asks the clue list for the square's clue.
    if (solving() && button == Qt::RightButton)
        return;
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
    switch (event->key()) {
    case Qt::Key_Delete:
        FormKeyPress(' ');
        return;
    case Qt::Key_Backspace:
        FormKeyPress('\b');
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FormKeyPress('\r');
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 128)
        FormKeyPress(static_cast<char>(text.front().toUpper().unicode()));
}

void TZpxGridForm::FormKeyPress(char key)
{
    if (Mode == ModeConstruction || !CursorPoint)
        return;
    const bool accepted = key == '\b' || key == '\r' || key == ' ' || key == '+' || (key >= 'A' && key <= 'Z');
    if (accepted)
        EnterCharacter(key);
}

void TZpxGridForm::EnterCharacter(char ch)
{
    const auto cursor = cursorSquare();
    if (!cursor || !cursorMayEnter(PuzzleRecord, *cursor, gridEditing()))
        return;
    if (ch == '\b') {
        StepBack();
        return;
    }
    std::uint8_t& stored = solving() ? PuzzleRecord.entry(cursor->column, cursor->row)
                                     : PuzzleRecord.answer(cursor->column, cursor->row);
    if (ch == '\r') {
        ch = stored != 0 ? static_cast<char>(stored) : ' ';
    } else if (ch == '+') {
        // Revealing is the solver's; the grid being edited has nothing to reveal.
        if (!solving())
            return;
        const std::uint8_t answer = PuzzleRecord.answer(cursor->column, cursor->row);
        ch = answer != 0 ? static_cast<char>(answer) : ' ';
        Cheated = true;
    }
    stored = ch == ' ' ? 0 : static_cast<std::uint8_t>(ch);
    {
        prepareCanvas();
        QPainter painter(&Canvas);
        painter.setFont(font());
        drawSquare(painter, *cursor, BlankColor, LetterColor, stored);
    }
    showSquare(*cursor);

    const auto next = advanceCursor(PuzzleRecord, *cursor, gridEditing());
    if (next)
        setCursorSquare(next, {(next->column - 1) * ScreenSquare, (next->row - 1) * ScreenSquare});
    else
        setCursorSquare(std::nullopt, {});

    if (solving())
        afterEntryChanged(*cursor);
    Modified = true;
}

void TZpxGridForm::afterEntryChanged(GridSquare square)
{
    if (PuzzleRecord.squareSlot(square.column, square.row) / 100 == 1 && ZpxTitleForm)
        ZpxTitleForm->Repaint();
}

void TZpxGridForm::StepBack()
{
    const auto cursor = cursorSquare();
    if (!cursor)
        return;
    const GridSquare target = stepBackCursor(PuzzleRecord, *cursor, gridEditing());
    if (target.row != cursor->row)
        CursorPoint = QPoint(PuzzleRecord.width() * ScreenSquare - 1, (target.row - 1) * ScreenSquare);
    else if (target.column != cursor->column)
        CursorPoint = QPoint((target.column - 1) * ScreenSquare, (target.row - 1) * ScreenSquare);
    prepareCanvas();
    {
        QPainter painter(&Canvas);
        painter.setFont(font());
        drawSquare(painter, target, Yellow, LetterColor, shownLetter(target));
    }
    showSquare(target);
}

void TZpxGridForm::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TZpxGridForm::FormCloseQuery()
{
    return AllowClose;
}

}  // namespace zpx
