#pragma once
// Word stems, so that the fill never gives two answers, or an answer and a
// quotation word, the same root: NATURE and NATURAL both stem to "natur",
// RUNNING and RUNS to "run". The stems are Porter's (1980) suffix-stripping
// rules; they are only ever compared with each other, never shown.

#include <string>
#include <string_view>

namespace zpx {

// The stem of an English word in ASCII letters of either case; the result is
// lower case. Words of one or two letters are their own stems.
std::string wordStem(std::string_view word);

}  // namespace zpx
