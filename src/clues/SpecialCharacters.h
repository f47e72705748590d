#pragma once
// The special characters table: 10 × 10 cells of characters the keyboard
// does not easily give. Cell (column c, row r), both from 0, holds the
// Windows-1252 character (161 + c + 10 r) mod 256, except eighteen cells
// given typographic quotes, dashes, the ellipsis, symbols and the blank
// "___" instead: row 0 reads ___ ¢ £ ¡ ¥ … § – — ©.

#include <string>

namespace zpx {

constexpr int SpecialCharacterColumns = 10;
constexpr int SpecialCharacterRows = 10;

// The text of cell (column, row), Windows-1252: one character, or "___".
std::string specialCharacter(int column, int row);

}  // namespace zpx
