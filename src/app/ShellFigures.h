#pragma once
// Texts the main window's byline label shows.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// "N ÷ M = Q" (UTF-8): N letter squares, M placed first letters, Q = N / M
// to the nearest integer with halves to even. Without any first letter the
// quotient cannot be formed and reads "-".
std::string constructionFigures(const TPuzzleRecord& record);

// "by " + the byline, or the standard credit when the byline is empty (UTF-8).
std::string solveByline(const TPuzzleRecord& record);

}  // namespace zpx
