// Each export of a 31 × 12 puzzle with 30 clues, files written whole into a
// temporary folder; the clipboard pictures without their PNG rendering.

#include "output/ClueText.h"
#include "output/ExportFiles.h"
#include "output/GridPicture.h"
#include "output/SvgWriter.h"
#include "output/WmfWriter.h"
#include "support/ExportPuzzles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zpx;

namespace {

const TPuzzleRecord Puzzle = test::cluedPuzzle();

// A folder of the benchmark's own, gone again afterwards.
struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / ("zpx-export-bench-" + std::to_string(::getpid()));
    BenchFolder() { fs::create_directories(dir); }
    ~BenchFolder() { fs::remove_all(dir); }
    std::string name(const char* file) const { return (dir / file).string(); }
};

template <typename Export>
void runExport(benchmark::State& state, Export exportTo)
{
    const BenchFolder folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(exportTo(folder));
}

void ExportEps(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) {
        writeClueTextFile(Puzzle, f.name("Q.eps"));
        return exportEpsFiles(Puzzle, f.name("Q.eps"), "12/9/2026");
    });
}
BENCHMARK(ExportEps)->Unit(benchmark::kMillisecond);

void ExportMetafile(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) {
        writeClueTextFile(Puzzle, f.name("Q.wmf"));
        return exportMetafileFiles(Puzzle, f.name("Q.wmf"));
    });
}
BENCHMARK(ExportMetafile)->Unit(benchmark::kMillisecond);

void ExportSvg(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) { return exportSvgFiles(Puzzle, f.name("Q.svg")); });
}
BENCHMARK(ExportSvg)->Unit(benchmark::kMillisecond);

void ExportRtf(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) { return exportRtfFile(Puzzle, f.name("Q.rtf"), {}); });
}
BENCHMARK(ExportRtf)->Unit(benchmark::kMillisecond);

// The solvers' formats: each must stay well under 20 ms.
void ExportIpuz(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) { return exportIpuzFile(Puzzle, f.name("Q.ipuz"), "Q"); });
}
BENCHMARK(ExportIpuz)->Unit(benchmark::kMillisecond);

void ExportJpz(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) { return exportJpzFile(Puzzle, f.name("Q.jpz"), "Q"); });
}
BENCHMARK(ExportJpz)->Unit(benchmark::kMillisecond);

void ExportWebPage(benchmark::State& state)
{
    runExport(state, [](const BenchFolder& f) { return exportWebPage(Puzzle, f.name("Q.html"), "Q"); });
}
BENCHMARK(ExportWebPage)->Unit(benchmark::kMillisecond);

void ClipboardPicture(benchmark::State& state)
{
    for (auto _ : state) {
        const GridPicture picture = DrawGridMetafile(Puzzle, PictureKind::NumberedAnswers);
        benchmark::DoNotOptimize(writeSvg(picture, "Q.RTF"));
        benchmark::DoNotOptimize(writeWmf(picture, "Q.RTF"));
    }
}
BENCHMARK(ClipboardPicture)->Unit(benchmark::kMillisecond);

void CluesToClipboardText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(clueListText(Puzzle));
}
BENCHMARK(CluesToClipboardText)->Unit(benchmark::kMillisecond);

}  // namespace
