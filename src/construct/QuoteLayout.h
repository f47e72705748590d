#pragma once
// A new puzzle from the constructor's input: the quotation is checked, the
// grid sized, the quotation laid row by row (a space or the padding becomes a
// filled square) and every acrostic word given its first letter on a random
// free square carrying that letter.
//
// Texts are UTF-8. Only the ASCII letters a-z are upper-cased; a space or a
// letter A-Z takes a square and every other character (digits, punctuation,
// line breaks, accented letters) is dropped.

#include "core/PuzzleRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zpx {

constexpr int MinGridWidth = 10;
constexpr int MinGridHeight = 8;
constexpr int MaxAutoGridHeight = 12;
constexpr int MaxManualGridHeight = 20;

// The run-time library's generator: a 32-bit linear congruence whose
// random(n) is the high part of seed × n, so a seed gives the same puzzle
// on every platform.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed) : state(seed) {}
    // Uniform integer 0..n-1; 0 for n <= 0.
    int below(int n);

private:
    std::uint32_t state;
};

struct GridSizing {
    bool automatic = true;
    int width = MinGridWidth;   // MANUAL only
    int height = MinGridHeight;
};

enum class InputRefusal {
    EmptyQuotation,      // these two are error boxes
    EmptyAuthorTitle,
    QuotationTooLong,    // the rest are information boxes with the refusal sound
    AuthorTitleTooLong,
    MissingLetters,
    GridTooLarge,
    NoQuotationLetters,
    GridTooSmall,
};

struct Refusal {
    InputRefusal kind;
    std::string message;

    // An empty field is an error (error box and error sound); every other
    // refusal is a construction refusal (information box, refusal sound in
    // sound mode only).
    bool isConstructionRefusal() const
    {
        return kind != InputRefusal::EmptyQuotation && kind != InputRefusal::EmptyAuthorTitle;
    }
};

struct AutoGrid {
    int width;
    int height;
    int leadingFilled;
};

// Letters and spaces of the text: the squares the quotation takes.
int quotationCount(std::string_view text);

// The AUTO grid for a quotation of n (1..372) letters and spaces: the fewest
// spare squares among the grids holding it with fewer than 10 spares; 10 × 8
// after 5 filled squares when none qualifies and it fits there; otherwise the
// smallest grid that holds it.
AutoGrid autoGridSize(int n);

// The two empty-field checks of the OK button.
std::optional<Refusal> checkInputFields(std::string_view quotation, std::string_view authorTitle);

// Checks the input and, only when every check passes, rebuilds the record
// for the new puzzle; on a refusal the record is untouched.
std::optional<Refusal> buildPuzzleFromInput(TPuzzleRecord& record, std::string_view quotation,
                                            std::string_view authorTitle, GridSizing sizing,
                                            RandomSource& random);

}  // namespace zpx
