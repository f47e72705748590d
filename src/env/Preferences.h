#pragma once
// What the preferences dialog edits, kept apart from its controls: the
// screen-layout choice with its pictures, the grid preview's squares, and
// the settings that Save writes.

#include "construct/WordList.h"
#include "core/SettingsFormats.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace zpx {

// The choice of a new window arrangement on the General page: the two check
// boxes, the layout code to apply and the picture shown ("SCREEN1" ..
// "SCREEN5" as 1..5). Each change of a box's state runs that box's
// reaction; unchecking "Change Screen Layout" also unchecks the custom
// arrangement, whose own reaction then runs first.
class LayoutChoice {
public:
    // The state of every showing; the layout code carries over.
    void reset();
    void setChangeLayout(bool checked);
    void setCustomArrangement(bool checked);
    // The next automatic layout: 1, 2, 3, 4, 1 ...
    void arrange();
    // The General page's Defaults: layout 1 chosen.
    void restoreDefaults();
    // What Save stores as "AutoArrange": the layout, 99 for the custom
    // arrangement; 0 when no new layout is chosen.
    int saveArrangement();

    bool changeLayout() const { return changeLayoutChecked; }
    bool customArrangement() const { return customChecked; }
    int layoutCode() const { return code; }
    int picture() const { return shownPicture; }

private:
    bool changeLayoutChecked = false;
    bool customChecked = false;
    int code = 0;
    int shownPicture = 5;
};

// One square of the grid preview: its outline corners, whether it is filled,
// and the letter of a blank square.
struct PreviewSquare {
    int left, top, right, bottom;
    bool filled;
    char letter;

    bool operator==(const PreviewSquare&) const = default;
};

// Enough squares of `square` pixels to cover a preview of width × height,
// row by row: filled at column 4 in rows 1 to 3 and at column 5 in row 1,
// elsewhere lettered A in the top-left corner, B to its right and below it ...
std::vector<PreviewSquare> gridPreviewSquares(int width, int height, int square);

// A font as the settings keep it: size in points (negative: pixels) and
// style bits.
struct FontChoice {
    std::string name;
    int size = 0;
    int style = 0;
    ColourValue colour = 0;

    bool operator==(const FontChoice&) const = default;
};

inline const FontChoice GridFontDefault{"Arial", 11, 0, 0x000000};
inline const FontChoice SolveFontDefault{"Times New Roman", 11, 0, 0x000000};
inline const FontChoice DefsFontDefault{"Times New Roman", 10, 0, 0x000000};
inline const FontChoice AutoFontDefault{"Times New Roman", 11, 0, 0x000000};

// Everything on the dialog's pages that Save stores.
struct PreferenceChoices {
    bool sounds = true;
    bool speech = false;
    bool cursors = false;
    bool counts = false;
    bool solveHighlight = false;
    bool squareNumbers = true;  // the solve grid's square numbers and word labels
    ColourValue filledColour = 0x000000;
    ColourValue blankColour = 0xFFFFFF;
    FontChoice gridFont = GridFontDefault;
    int bottomMargin = 0;
    int wordListLevel = DefaultWordListLevel;  // the answer words' list: scowl's size level, 10 .. 95
    std::array<std::string, 5> toolPaths;  // in Tools menu order
    FontChoice solveFont = SolveFontDefault;
    FontChoice defsFont = DefsFontDefault;
    FontChoice autoFont = AutoFontDefault;
};

using PreferenceValue = std::variant<std::string, int, bool>;

struct PreferenceWrite {
    std::string name;
    PreferenceValue value;

    bool operator==(const PreferenceWrite&) const = default;
};

// The settings Save writes, in its order; the arrangement is written apart.
std::vector<PreferenceWrite> preferenceWrites(const PreferenceChoices& choices);

}  // namespace zpx
