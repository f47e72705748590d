#pragma once
// The grid scan: which acrostic words take two or more letters from one
// quotation word. A quotation word is a run of letter squares in reading
// order (rows top to bottom, columns left to right) between filled squares,
// so a word may wrap from the end of one row into the next.
//
// Each such acrostic word gives one scan line: its label, ".", and its
// letters (see wordText), e.g. "C.WATER" or "bb.STONE".

#include "core/PuzzleRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace zpx {

// Word w's scan line.
std::string scanLine(const TPuzzleRecord& record, int word);

// The scan lines, each once, in the order the scan list shows them: sorted
// without regard to case, as a sorted list box keeps them ("bb.STONE"
// before "C.WATER"). Empty when no word repeats within a quotation word.
// Given the author-title line the puzzle was loaded with, a word whose first
// letter no longer matches it gives a line too (authorTitleBreakLine).
std::vector<std::string> scanGrid(const TPuzzleRecord& record, std::string_view authorTitle = {});

// --- The author-title line ------------------------------------------------
//
// The first letters of words 1, 2, 3 ... spell the author-title line. Nothing
// in the record keeps it apart: removing a word's first letter in the
// author-title window and clicking another square makes that square the
// first letter, so "TWAINHUCKLEBERRYFINN" can silently turn into
// "TWAINHUCKLEBERAYFINN". The line as loaded is the measure.

// One character per word 1 .. acrosticWordCount: its first letter, a space
// where the word has none.
std::string authorTitleLetters(const TPuzzleRecord& record);

struct AuthorTitleBreak {
    int word;
    char expected;  // the letter the line wants
    char found;     // the word's first letter now; a space for none
};

// The words whose first letter differs from `authorTitle` (as given by
// authorTitleLetters when the puzzle was loaded).
std::vector<AuthorTitleBreak> authorTitleBreaks(const TPuzzleRecord& record, std::string_view authorTitle);

// "R.first letter A, not R" or "R.no first letter, not R": the scan line of a break.
std::string authorTitleBreakLine(const AuthorTitleBreak& broken);

// The warning Save gives for the breaks (Windows-1252), naming each word and
// what the acrostic reads now; empty when the line is whole.
std::string authorTitleWarning(const TPuzzleRecord& record, std::string_view authorTitle);

}  // namespace zpx
