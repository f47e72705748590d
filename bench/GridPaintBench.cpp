// Drawing speed of the quotation grid window on the offscreen platform: a
// full paint of the largest grid, one construction click with the single
// square it repaints, one letter typed in the solve window with its strip
// square, grid square, clue line and the marks of the solver's place, and one
// letter typed in the grid, whose next square lies in another word.

#include "app/WindowRefreshUnit.h"
#include "construct/ZpxGridUnit.h"
#include "core/PuzzleEdits.h"
#include "construct/ZpxTitleUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

using namespace zpx;

namespace {

// 31 × 21 squares, every seventh filled, 30 words of ten letters placed.
void loadLargestPuzzle()
{
    TPuzzleRecord& PuzzleRecord = editablePuzzleRecord();
    resetPuzzle(PuzzleRecord, MaxColumns, MaxRows);
    int n = 0;
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxColumns; ++c, ++n) {
            if (n % 7 == 6) {
                PuzzleRecord.answer(c, r) = FilledAnswer;
                PuzzleRecord.squareSlot(c, r) = FilledSlot;
            } else {
                PuzzleRecord.answer(c, r) = static_cast<std::uint8_t>('A' + n % 26);
            }
        }
    int word = 1;
    for (int r = 1; r <= MaxRows && word <= MaxWords; ++r)
        for (int c = 1; c <= MaxColumns && word <= MaxWords; ++c)
            if (!PuzzleRecord.isFilled(c, r) && (c + r) % 3 == 0) {
                const int position = addSquareToWord(PuzzleRecord, word, c, r);
                if (position == 10)
                    ++word;
            }
}

// The largest grid for solving: every letter square in a word, the words
// dealt out in turn, so that neighbours in the quotation belong to different
// words, as in a real acrostic; every word with a clue.
void loadSolvingPuzzle()
{
    TPuzzleRecord& record = editablePuzzleRecord();
    resetPuzzle(record, MaxColumns, MaxRows);
    int n = 0;
    int letters = 0;
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxColumns; ++c, ++n) {
            if (n % 7 == 6) {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
                continue;
            }
            record.answer(c, r) = static_cast<std::uint8_t>('A' + n % 26);
            addSquareToWord(record, letters++ % MaxWords + 1, c, r);
        }
    for (auto& clue : record.Clues)
        clue.assign("A clue of a typical length for an acrostic word");
}

void showSolvingWindows()
{
    Mode = ModeSolve;
    ZpxGridForm->show();
    ZpxTitleForm->show();
    ZpxCluesForm->show();
    ZpxCluesForm->ClueListClick(1, false);
    QCoreApplication::processEvents();
}

void showLargestPuzzle()
{
    loadLargestPuzzle();
    Mode = ModeConstruction;
    SelectedWord = 3;
    ZpxGridForm->setWindowTitle(QStringLiteral("Largest.zpx"));
    ZpxGridForm->show();
    ZpxTitleForm->show();
    QCoreApplication::processEvents();
}

void FullGridPaint(benchmark::State& state)
{
    showLargestPuzzle();
    for (auto _ : state) {
        ZpxGridForm->Repaint();
        benchmark::DoNotOptimize(ZpxGridForm->canvas().constBits());
    }
}
BENCHMARK(FullGridPaint)->Unit(benchmark::kMillisecond);

// The whole road of an undoable click and of its undo: the mouse event, the
// step, the square and the author-title window's repaint, twice.
void ConstructionClick(benchmark::State& state)
{
    showLargestPuzzle();
    SelectedWord = MaxWords;
    int column = 0;
    int row = 0;
    for (int c = MaxColumns; c >= 1 && column == 0; --c)
        for (int r = MaxRows; r >= 1; --r)
            if (!PuzzleRecord.isFilled(c, r) && PuzzleRecord.squareSlot(c, r) == 0) {
                column = c;
                row = r;
                break;
            }
    const QPointF point((column - 1) * ScreenSquare + 2, (row - 1) * ScreenSquare + 2);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, point, ZpxGridForm->mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ZpxGridForm, &press);
        puzzleEdits().undo();
    }
}
BENCHMARK(ConstructionClick)->Unit(benchmark::kMicrosecond);

// A letter typed into the first square of word 1 and taken back with
// Backspace, as a solver corrects it: two entries, each with its repaints.
void SolveLetter(benchmark::State& state)
{
    loadSolvingPuzzle();
    showSolvingWindows();
    char letter = 'K';
    for (auto _ : state) {
        ZpxSolveForm->CursorX = 0;
        ZpxSolveForm->FormKeyPress(letter);
        ZpxSolveForm->FormKeyPress('\b');
        letter = letter == 'K' ? 'L' : 'K';
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(SolveLetter)->Unit(benchmark::kMicrosecond);

// A letter typed into word A's second letter, in the grid's second row, and
// taken back with Backspace: each key moves the solver's place into another word, so the
// marks of two words, the clue list's selection and the solve window's word
// follow it, besides the square, its clue line and the strip.
void GridLetter(benchmark::State& state)
{
    loadSolvingPuzzle();
    showSolvingWindows();
    const QPointF second(4 * ScreenSquare + 2, ScreenSquare + 2);
    QMouseEvent press(QEvent::MouseButtonPress, second, ZpxGridForm->mapToGlobal(second), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ZpxGridForm, &press);
    QCoreApplication::processEvents();
    int key = Qt::Key_K;
    for (auto _ : state) {
        QKeyEvent letter(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
        QApplication::sendEvent(ZpxGridForm, &letter);
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(ZpxGridForm, &back);
        key = key == Qt::Key_K ? Qt::Key_L : Qt::Key_K;
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(GridLetter)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private settings folder: the benchmark runs on the defaults.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QDir(settings.path()).filePath("config").toUtf8());
    QApplication app(argc, argv);
    ZpxProcs = new TZpxProcs;
    ZpxGridForm = new TZpxGridForm;
    ZpxTitleForm = new TZpxTitleForm;
    ZpxCluesForm = new TZpxCluesForm;
    ZpxSolveForm = new TZpxSolveForm;
    installWindowRefresh();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
