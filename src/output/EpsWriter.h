#pragma once
// The grid as Encapsulated PostScript, for a publisher's page layout. Each
// square is a 23-point box; the puzzle picture labels every letter square
// with its number and word ("12C"), the answer picture shows its letter.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

enum class EpsKind { PuzzleGrid = 1, AnswerGrid = 2 };

// The whole file, lines ended by CR LF. `title` is the file name the user
// chose, `date` today's date as the system writes it short.
std::string WriteEps(const TPuzzleRecord& record, EpsKind kind, const std::string& title, const std::string& date);

}  // namespace zpx
