#pragma once
// The puzzle as one web page to solve in a browser, offline: the grid and
// the clues with their answer blanks, linked both ways, a Check button, and
// the entries kept in the browser's local storage. The page's style and
// script are inside it; it loads nothing, from anywhere.
//
// Each letter square is an element with data-col and data-row (from 1) and
// the square's number in data-n; each answer blank has data-word (the
// word's label), data-pos (the letter's position, from 1) and data-n.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// The page, UTF-8. `title` (UTF-8) heads it; the byline stands under it.
std::string writeWebPage(const TPuzzleRecord& record, const std::string& title);

}  // namespace zpx
