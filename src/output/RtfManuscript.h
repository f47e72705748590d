#pragma once
// The manuscript a constructor submits: the constructor's name and address
// on every page, then each clue with its answer's letters written out over
// the numbers of their squares, in a fixed-pitch font so each number stands
// under its letter. The grid picture is pasted in where the last page asks.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// The settings "Name" and "Add1" … "Add4", Windows-1252.
struct AuthorAddress {
    std::string name = "Your Name";
    std::string add1 = "Address 1";
    std::string add2 = "Address 2";
    std::string add3 = "Address 3";
    std::string add4;  // its line is left out while empty
};

// A square number four characters wide in the fixed-pitch font, \~ being a
// non-breaking space: 9 -> "\~9\~ ", 10 -> "\~10 ", 100 -> "100 ".
std::string RtfNumber(int number);

// The whole file, Windows-1252 with CR LF line ends. `title` is the chosen
// file's name without its folder and extension.
std::string ExportRtf(const TPuzzleRecord& record, const std::string& title, const AuthorAddress& address);

}  // namespace zpx
