#pragma once
// Acrostics made elsewhere, read from ipuz: the JSON puzzle format of GNOME
// Crosswords (libipuz) and the web solvers. The quotation grid is "puzzle"
// (a square's printed number, "#" for a filled square), its letters are
// "solution", and each acrostic word is one clue of the "Clues" list, whose
// "cells" are the [column, row] of its letters in order, counted from 0. A
// clue "[QUOTE]" lists the quotation's squares and is no word:
//
//   {"label": "B", "clue": "Poet", "cells": [[6, 0], [11, 0], [3, 1]], "answer": "POE"}
//
// Whatever the record cannot hold exactly is refused whole.

#include "core/PuzzleRecord.h"

#include <filesystem>
#include <string_view>

namespace zpx {

// The first line of every refusal; the second says why.
inline constexpr const char* IpuzRefusedMessage = "Not an ipuz acrostic that Zephyrtrace can open.";

// Our own field in a word's clue: the letters that follow a gap left by a
// letter removed during construction, as [position, column, row]. Solvers
// see the word as it is printed, up to the gap; the field brings the rest back.
inline constexpr const char* LettersAfterGapField = "zephyrtrace:letters-after-gap";

// A file named .ipuz, in any case, is imported rather than loaded.
bool isIpuzFileName(std::string_view path);

// The puzzle of an ipuz acrostic; raises FileError with IpuzRefusedMessage
// and the reason for anything else.
TPuzzleRecord readIpuz(std::string_view text);

// Reads an ipuz file into `record`, which is only replaced after the whole
// file was accepted. A file that cannot be read fails as loadPuzzleFile does.
void loadIpuzFile(const std::filesystem::path& path, TPuzzleRecord& record);

}  // namespace zpx
