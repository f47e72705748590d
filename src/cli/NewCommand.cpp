#include "cli/CliSupport.h"

#include "construct/QuoteLayout.h"
#include "core/PuzzleRecord.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace zpx::cli {

namespace {

template <typename Number>
bool parseNumber(std::string_view text, Number& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

// "WxH" within the manual grid limits.
GridSizing parseSize(std::string_view text)
{
    const auto cross = text.find_first_of("xX");
    GridSizing sizing{false, 0, 0};
    if (cross == std::string_view::npos || !parseNumber(text.substr(0, cross), sizing.width)
        || !parseNumber(text.substr(cross + 1), sizing.height))
        throw UsageError("--size must be WIDTHxHEIGHT, e.g. 20x10");
    if (sizing.width < MinGridWidth || sizing.width > MaxColumns || sizing.height < MinGridHeight
        || sizing.height > MaxManualGridHeight)
        throw UsageError("--size: width must be 10 to 31 and height 8 to 20");
    return sizing;
}

// The whole file, or nothing when it cannot be read; a pipe such as
// /dev/stdin will do.
std::optional<std::string> readTextFile(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    try {
        std::string text{std::istreambuf_iterator<char>(in), {}};
        if (in.bad())
            return std::nullopt;
        return text;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::uint32_t clockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int runNew(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--quote-file", "--author", "--size", "--seed"});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one output file");
    if (!parsed.has("--quote-file") || !parsed.has("--author"))
        throw UsageError("--quote-file and --author are required");
    const GridSizing sizing = parsed.has("--size") ? parseSize(parsed.value("--size")) : GridSizing{};
    std::uint32_t seed = clockSeed();
    if (parsed.has("--seed") && !parseNumber(parsed.value("--seed"), seed))
        throw UsageError("--seed must be a number from 0 to 4294967295");

    const std::string& quoteFile = parsed.value("--quote-file");
    const std::optional<std::string> quotation = readTextFile(quoteFile);
    if (!quotation)
        return refuse("Cannot read the quotation file " + quoteFile + ".");
    const std::string& authorTitle = parsed.value("--author");

    TPuzzleRecord record;
    RandomSource random(seed);
    auto refusal = checkInputFields(*quotation, authorTitle);
    if (!refusal)
        refusal = buildPuzzleFromInput(record, *quotation, authorTitle, sizing, random);
    if (refusal)
        return refuse(refusal->message);

    return writePuzzleFile(parsed.positional.front(), record);
}

}  // namespace

extern const Command NewCommand = {
    "new",
    "new --quote-file FILE --author TEXT [--size WxH] [--seed N] OUT.zpx",
    "make a new puzzle from a quotation (UTF-8 text file) and an author-title line",
    runNew,
};

}  // namespace zpx::cli
