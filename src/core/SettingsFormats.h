#pragma once
// How preferences are written as setting values, and the automatic window
// layouts.
//
// Colours are the names of the standard colour constants ("clBlack",
// "clSkyBlue") or "$" + eight hex digits 00BBGGRR: pure red is "clRed",
// 0x000000FF, and a colour without a name, 0x00123456, is "$00123456".
// Window rectangles are "left,top,width,height", e.g. "2,2,256,120"; a left
// of 10000, 20000, 30000 or 40000 is a layout code, the top then being the
// main window's height.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zpx {

// A setting text that is not the integer it should be; what() is the text
// for the user. The settings store turns it into its own error.
class SettingsFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --- Integers -------------------------------------------------------------

// An optional sign and decimal digits, or "$" and 1..8 hex digits (taken as
// a 32-bit pattern); nothing else, not even blanks. Empty when it is not one.
std::optional<std::int32_t> parseSettingInteger(std::string_view text);

// Nearest integer to numerator / denominator, halves to the even neighbour:
// 11/2 -> 6, 13/2 -> 6, 5/2 -> 2, -5/2 -> -2. The denominator must not be 0.
long long roundHalfEven(long long numerator, long long denominator);
// The same for a real value: 5.5 -> 6, 6.5 -> 6.
long long roundHalfEven(double value);

// --- Colours --------------------------------------------------------------

// 0x00BBGGRR
using ColourValue = std::uint32_t;

// The constant's name for the twenty standard colours, else "$00BBGGRR".
std::string colourName(ColourValue colour);
// A standard name (any case), "$" + hex digits or a decimal number. Empty for
// anything else, and for values above 0x00FFFFFF, which name no RGB colour.
std::optional<ColourValue> colourFromName(std::string_view text);

// The sixteen basic colours, in the order colour choosers show them: black,
// maroon, green, olive, navy, purple, teal, silver, gray, red, lime, yellow,
// blue, fuchsia, aqua, white.
inline constexpr std::array<ColourValue, 16> BasicColours{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// --- Font styles ----------------------------------------------------------

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontStyle&) const = default;
};

enum : int { FontStyleBold = 1, FontStyleItalic = 2, FontStyleUnderline = 4, FontStyleStrikeOut = 8 };

// A font size scaled by square ÷ automatic square, to the nearest integer
// with halves going to the even neighbour: 11 × 30 ÷ 20 = 16.5 gives 16.
int scaledFontSize(int fontSize, int square, int autoSquare);

// Bits above 8 are ignored.
FontStyle fontStyleFromBits(int bits);
int fontStyleBits(const FontStyle& style);

// --- Window rectangles ----------------------------------------------------

struct ScreenBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenBounds&) const = default;
};

std::string formatScreenBounds(int left, int top, int width, int height);
// Empty text: no stored rectangle. Otherwise three times the text before the
// first comma is an integer and the rest the fourth; a part that is not an
// integer throws SettingsFormatError "'part' is not a valid integer value".
std::optional<ScreenBounds> parseScreenBounds(std::string_view text);

// 1..4 for a left value of 10000..40000, otherwise 0 (a real position).
int layoutCodeOf(const ScreenBounds& bounds);

// --- Automatic arrangement ------------------------------------------------

struct SettingWrite {
    std::string name;
    std::string value;

    bool operator==(const SettingWrite&) const = default;
};

// The rectangle settings that layout `code` 1..4 writes, in order, for a main
// window of mainWidth × mainHeight on a screen of screenWidth × screenHeight.
// Any other code writes nothing here: the square sizes and the custom layout
// (99) are the main window's part.
std::vector<SettingWrite> arrangementWrites(int code, int mainWidth, int mainHeight,
                                            int screenWidth, int screenHeight);

// --- Store file lines -----------------------------------------------------

// Off Windows the settings of one key live in a text file, one value a line,
// each keeping its type:  "FontName"="Times New Roman"  or
// "FontSize"=dword:0000000b. In names and strings \ " and line breaks are
// escaped as \\ \" \n \r.
using StoredValue = std::variant<std::string, std::int32_t>;

struct StoreLine {
    std::string name;
    StoredValue value;

    bool operator==(const StoreLine&) const = default;
};

std::string formatStoreLine(const StoreLine& line);
// Empty for a line that is not one value (blank, damaged, unknown type); a
// trailing CR is allowed.
std::optional<StoreLine> parseStoreLine(std::string_view line);

}  // namespace zpx
