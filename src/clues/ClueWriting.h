#pragma once
// What the Autoclue window and the definitions list compute from the record:
// which words exist, the answer a clue is written for, the moves between
// words and the definitions list's lines.
//
// Word w exists when its first letter slot (100 + w) holds a square. Its
// answer is the Answers letters of its squares from position 1 up to the
// first empty position: word A of "APPLE" answers "APPLE" even while a later
// letter was removed after the gap.

#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zpx {

bool wordExists(const TPuzzleRecord& record, int word);

// The answer letters of word w (Windows-1252); a square whose letter was
// cleared in grid editing reads as a space.
std::string answerText(const TPuzzleRecord& record, int word);

// The clue's letter count as the Autoclue window shows it: "(5)".
std::string letterCountText(std::string_view answer);

// Word w from its label: "A".."Z" for 1..26, "aa".."dd" for 27..30.
std::optional<int> wordFromLabel(std::string_view label);

// Stores `cp1252` as word w's clue, cut to 80 characters. False when it
// equals the stored clue already: nothing changed, nothing is to be saved.
bool storeClue(TPuzzleRecord& record, int word, std::string_view cp1252);

// The same as a step of the puzzle's change path. Clues stored with the same
// non-zero `visit` one after the other are one step: the typing of one visit
// to the word is undone at once.
bool storeClue(PuzzleEdits& edits, int word, std::string_view cp1252, std::uint32_t visit);

// Next: the word after `current`, nullopt when there is none.
std::optional<int> nextWord(const TPuzzleRecord& record, int current);

// Next undefined word: the first word after `current` that exists and has no
// clue yet; when every word after it has one, the last existing word and
// `reachedEnd`.
struct UndefinedWordSearch {
    int word = 1;
    bool reachedEnd = false;
};
UndefinedWordSearch nextUndefinedWord(const TPuzzleRecord& record, int current);

// The definitions list: one line per word from word 1 up to the word whose
// successor does not exist (at least one line).
int definitionLineCount(const TPuzzleRecord& record);
// A line's text, Windows-1252: the clue and "  | " (cut to 84 characters),
// then the answer. "Woods  | TREES"; without a clue "  | TREES".
std::string definitionLine(std::string_view clue, std::string_view answer);
std::string definitionLine(const TPuzzleRecord& record, int word);
// The label drawn before line `index` (0-based): "A." .. "Z.", "aa." .. "dd.".
std::string definitionLabel(int index);

}  // namespace zpx
