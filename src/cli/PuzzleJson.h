#pragma once
// The puzzle as zpxtool info prints it: one JSON object with the grid size,
// the answers and entries one string per row ('#' a filled square, '.' an
// empty letter square), every word's square references by letter position
// (0 for a gap), the clues, the byline and whether the grid is complete.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx::cli {

std::string describePuzzle(const TPuzzleRecord& record);

}  // namespace zpx::cli
