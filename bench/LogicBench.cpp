#include "construct/QuoteLayout.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zpx;

namespace {

// 372 letters and spaces, the longest quotation a puzzle takes, with punctuation besides.
std::string longestQuotation()
{
    const std::string words = "It was the best of times, it was the worst of times, it was the age of "
                              "wisdom, it was the age of foolishness, it was the epoch of belief, it was "
                              "the epoch of incredulity, it was the season of Light, it was the season "
                              "of Darkness, it was the spring of hope, it was the winter of despair. ";
    std::string quote;
    while (quotationCount(quote) < MaxSquares)
        quote += words[quote.size() % words.size()];
    return quote;
}

const char* const AuthorTitle = "Dickens, A Tale of Two Cities";  // 24 letters

TPuzzleRecord madePuzzle()
{
    TPuzzleRecord record;
    RandomSource random(1);
    if (const auto refusal = buildPuzzleFromInput(record, longestQuotation(), AuthorTitle, GridSizing{}, random))
        throw std::runtime_error(refusal->message);
    return record;
}

fs::path benchFile()
{
    return fs::temp_directory_path() / ("zpx-bench-" + std::to_string(::getpid()) + ".zpx");
}

void LoadPuzzle(benchmark::State& state)
{
    const fs::path path = benchFile();
    savePuzzleFile(path, madePuzzle());
    TPuzzleRecord record;
    for (auto _ : state) {
        loadPuzzleFile(path, record);
        benchmark::DoNotOptimize(record);
    }
    fs::remove(path);
}
BENCHMARK(LoadPuzzle);

void SavePuzzle(benchmark::State& state)
{
    const fs::path path = benchFile();
    const TPuzzleRecord record = madePuzzle();
    for (auto _ : state)
        savePuzzleFile(path, record);
    fs::remove(path);
}
BENCHMARK(SavePuzzle);

void ResetPuzzle(benchmark::State& state)
{
    TPuzzleRecord record = madePuzzle();
    for (auto _ : state) {
        resetPuzzle(record, 10, 8);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(ResetPuzzle);

void BuildPuzzleFromInput(benchmark::State& state)
{
    const std::string quote = longestQuotation();
    TPuzzleRecord record;
    RandomSource random(1);
    for (auto _ : state) {
        const auto refusal = buildPuzzleFromInput(record, quote, AuthorTitle, GridSizing{}, random);
        benchmark::DoNotOptimize(refusal);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BuildPuzzleFromInput);

}  // namespace
