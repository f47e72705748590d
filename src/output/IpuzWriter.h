#pragma once
// The puzzle as an ipuz acrostic for GNOME Crosswords and the web solvers
// (core/IpuzReader.h reads it back): the grid with the printed square
// numbers, the letters, one clue a word with its cells counted from 0, and a
// "[QUOTE]" clue over the quotation's squares in reading order.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// The ipuz text, UTF-8. `title` (UTF-8) names the puzzle; the byline, when
// there is one, is its author.
std::string writeIpuz(const TPuzzleRecord& record, const std::string& title);

}  // namespace zpx
