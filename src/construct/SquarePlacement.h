#pragma once
// Where the new letters of acrostic words go: on free quotation squares of
// the right letter, so that no acrostic word takes two letters from one
// quotation word (which Scan Grid would list) whenever the free squares
// allow it, and otherwise with as few such repeats as possible.
//
// A repeat is one letter more than one in a quotation word: a word with
// three letters in THE and two in STONE has 2 + 1 = 3 repeats.

#include "core/PuzzleRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace zpx {

// The quotation word of every letter square, numbered from 0 in reading
// order; -1 for a filled square.
class QuotationWords {
public:
    explicit QuotationWords(const TPuzzleRecord& record);
    int at(int column, int row) const { return ids[column - 1][row - 1]; }
    int atSquare(int squareRef) const { return at(squareRef / 100, squareRef % 100); }
    int count() const { return words; }
    // Each quotation word's letters, squares without a letter left out.
    const std::vector<std::string>& texts() const { return letters; }

private:
    int ids[MaxColumns][MaxRows];
    int words = 0;
    std::vector<std::string> letters;
};

// The letters to add to one word, in order, after the squares it holds.
struct NewLetters {
    int word = 0;
    std::string letters;  // A-Z
};

struct Placement {
    std::vector<std::vector<int>> squares;  // per request, a square reference per letter
    int repeats = 0;                        // of the requested words, their held letters included
};

// Places every requested letter on its own free square (a letter square no
// word uses). Nullopt when some letter has fewer free squares than asked for.
std::optional<Placement> placeNewLetters(const TPuzzleRecord& record, const std::vector<NewLetters>& requests);

// Word w's squares in position order, gaps closed.
std::vector<int> heldSquares(const TPuzzleRecord& record, int word);

// Gives word w exactly `squares` as positions 1, 2, ...: the squares it held
// before and no longer lists are freed.
void setWordSquares(TPuzzleRecord& record, int word, const std::vector<int>& squares);

}  // namespace zpx
