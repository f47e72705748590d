#include "construct/QuoteLayout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zpx {

namespace {

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool takesSquare(char c) { return c == ' ' || isLetter(c); }

std::string upperCased(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = upperAscii(c);
    return upper;
}

Refusal missingLettersRefusal(const std::string& missing)
{
    // One missing letter makes "X " (two characters): the singular wording.
    const std::string middle = missing.size() <= 2 ? "letter " + missing + "that does"
                                                   : "letters " + missing + "that do";
    return {InputRefusal::MissingLetters,
            "The Author-Title line contains the " + middle
                + " not appear in the Quotation. Please correct the Author-Title "
                + "line or cancel construction."};
}

// Squares are taken row by row; a space and the cells past the quotation's
// end stay filled.
void layQuotation(TPuzzleRecord& record, const std::array<char, MaxSquares>& cells, int leadingFilled)
{
    int next = 0;
    for (int r = 1; r <= record.GridHeight; ++r) {
        for (int c = 1; c <= record.GridWidth; ++c) {
            char letter = ' ';
            if (leadingFilled > 0)
                --leadingFilled;
            else if (next < MaxSquares)
                letter = cells[next++];
            if (isLetter(letter)) {
                record.answer(c, r) = static_cast<std::uint8_t>(letter);
                record.squareSlot(c, r) = 0;
            } else {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
            }
        }
    }
}

// Word k's first letter goes to the first free square carrying it after a
// random start square, in reading order and wrapping round the grid.
void placeFirstLetter(TPuzzleRecord& record, int word, char letter, RandomSource& random)
{
    const int width = record.GridWidth;
    const int height = record.GridHeight;
    int c = random.below(width);
    int r = random.below(height - 1) + 1;
    // Every letter of the quotation is laid and the supply check reserved one
    // occurrence per word, so one pass round the grid always finds a square.
    for (int step = 0; step < width * height; ++step) {
        if (++c > width) {
            c = 1;
            if (++r > height)
                r = 1;
        }
        if (record.answer(c, r) == static_cast<std::uint8_t>(letter) && record.squareSlot(c, r) == 0) {
            const int slot = letterSlot(1, word);
            record.squareSlot(c, r) = static_cast<std::int16_t>(slot);
            record.setSlotSquare(slot, squareRef(c, r));
            return;
        }
    }
    throw std::logic_error("no free square for an author-title letter");
}

}  // namespace

int RandomSource::below(int n)
{
    state = state * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(state) * static_cast<std::uint32_t>(n)) >> 32);
}

int quotationCount(std::string_view text)
{
    int n = 0;
    for (char c : text)
        if (takesSquare(upperAscii(c)))
            ++n;
    return n;
}

AutoGrid autoGridSize(int n)
{
    AutoGrid grid{MinGridWidth, MinGridHeight, 0};
    int best = 10;
    for (int w = MinGridWidth; w <= MaxColumns; ++w) {
        for (int h = MinGridHeight; h <= MaxAutoGridHeight; ++h) {
            const int p = w * h;
            if (p % n < best && p / n < 2) {
                grid.width = w;
                grid.height = h;
                best = p % n;
            }
        }
    }
    grid.leadingFilled = best / 2;
    if (grid.width * grid.height >= n)
        return grid;

    // 349, 350, 361 and 362 have no grid with fewer than 10 spares.
    int fewest = 0;
    for (int w = MinGridWidth; w <= MaxColumns; ++w) {
        for (int h = MinGridHeight; h <= MaxAutoGridHeight; ++h) {
            const int p = w * h;
            if (p >= n && (fewest == 0 || p < fewest)) {
                fewest = p;
                grid = {w, h, (p - n) / 2};
            }
        }
    }
    return grid;
}

std::optional<Refusal> checkInputFields(std::string_view quotation, std::string_view authorTitle)
{
    if (quotation.empty())
        return Refusal{InputRefusal::EmptyQuotation, "Please Input the Source Quotation!"};
    if (authorTitle.empty())
        return Refusal{InputRefusal::EmptyAuthorTitle, "Please Input the Author-Title Line!"};
    return std::nullopt;
}

std::optional<Refusal> buildPuzzleFromInput(TPuzzleRecord& record, std::string_view quotation,
                                            std::string_view authorTitle, GridSizing sizing,
                                            RandomSource& random)
{
    const std::string quote = upperCased(quotation);
    std::array<char, MaxSquares> cells;
    cells.fill(' ');
    int n = 0;
    for (char c : quote) {
        if (!takesSquare(c))
            continue;
        ++n;
        if (n <= MaxSquares)
            cells[n - 1] = c;
    }
    if (n > MaxSquares)
        return Refusal{InputRefusal::QuotationTooLong,
                       "The Quotation contains more than the maximum allowed number of 372 letters. "
                       "Please correct the Quotation or cancel construction."};

    std::string letters;
    for (char c : upperCased(authorTitle))
        if (isLetter(c))
            letters += c;
    // Each author-title letter begins one acrostic word.
    if (letters.size() > static_cast<std::size_t>(MaxWords))
        return Refusal{InputRefusal::AuthorTitleTooLong,
                       "The Author-Title line contains more than the maximum allowed number of 30 "
                       "letters. Please correct the Author-Title line or cancel construction."};

    std::string supply = quote;
    std::string missing;
    for (char letter : letters) {
        const auto at = supply.find(letter);
        if (at == std::string::npos)
            missing += std::string{letter, ' '};
        else
            supply[at] = '-';
    }
    if (!missing.empty())
        return missingLettersRefusal(missing);

    if (!sizing.automatic) {
        sizing.width = std::clamp(sizing.width, MinGridWidth, MaxColumns);
        sizing.height = std::clamp(sizing.height, MinGridHeight, MaxManualGridHeight);
        if (sizing.width * sizing.height > MaxSquares)
            return Refusal{InputRefusal::GridTooLarge,
                           "This grid size contains more than the maximum allowed number of 372 "
                           "squares. Please adjust the grid size or cancel construction."};
    }
    if (n == 0)
        return Refusal{InputRefusal::NoQuotationLetters,
                       "The Quotation contains no letters. Please correct the Quotation or cancel "
                       "construction."};
    if (!sizing.automatic && sizing.width * sizing.height < n)
        return Refusal{InputRefusal::GridTooSmall,
                       "This grid size holds fewer squares than the Quotation's " + std::to_string(n)
                           + " letters and spaces. Please adjust the grid size or cancel construction."};

    // Built on a copy so that nothing reaches the record unless it all succeeds.
    TPuzzleRecord built = record;
    resetPuzzle(built, MinGridWidth, MinGridHeight);
    int leadingFilled = 0;
    if (sizing.automatic) {
        const AutoGrid grid = autoGridSize(n);
        built.GridWidth = static_cast<std::int16_t>(grid.width);
        built.GridHeight = static_cast<std::int16_t>(grid.height);
        leadingFilled = grid.leadingFilled;
    } else {
        built.GridWidth = static_cast<std::int16_t>(sizing.width);
        built.GridHeight = static_cast<std::int16_t>(sizing.height);
    }
    layQuotation(built, cells, leadingFilled);
    for (std::size_t k = 0; k < letters.size(); ++k)
        placeFirstLetter(built, static_cast<int>(k) + 1, letters[k], random);
    record = built;
    return std::nullopt;
}

}  // namespace zpx
