#pragma once
// The grid as a picture for other programs (the metafile files and the
// clipboard): one 30-unit box per square, black for a filled square, with
// Arial text placed as a Windows canvas places it (the point given is the
// top left of the text's cell). The WMF, SVG and PNG writers all draw this
// one list, so every form of the picture shows the same.

#include "core/PuzzleRecord.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zpx {

enum class PictureKind {
    PuzzleGrid = 1,       // square numbers with word labels
    AnswerGrid = 2,       // the answer letters, large
    NumberedAnswers = 3,  // numbers and labels with the answer letters (for the manuscript)
};

// An Arial font by its cell height (ascent plus descent) in units, as a
// Windows font of positive height is chosen.
struct PictureFont {
    int cellHeight = 10;
    bool bold = false;

    bool operator==(const PictureFont&) const = default;
    // The em size, and the baseline's distance below the cell's top, in units.
    double emSize() const;
    double ascent() const;
};

// A rectangle from (left, top) to (right, bottom), the right and bottom edge
// excluded as on a Windows canvas, outlined by a 1-unit black pen.
struct PictureBox {
    int left, top, right, bottom;
    bool filled;
};

// Windows-1252 text whose cell's top left corner is (x, y).
struct PictureText {
    int x, y;
    PictureFont font;
    std::string text;
};

using PictureItem = std::variant<PictureBox, PictureText>;

struct GridPicture {
    int width = 0;
    int height = 0;
    std::vector<PictureItem> items;  // in drawing order
};

// Width in units of `text` in Arial of the given font: the sum of its
// characters' advances, each rounded to a whole unit as the screen draws it.
int arialTextWidth(std::string_view text, const PictureFont& font);

// Where a square's number and word label stand. The metafiles keep them
// joined ("30O", read by publishers' programs as they always were); the SVG
// and PNG pictures set the label apart in the square's top right corner, as
// the printed grids give it room, so "30O" cannot be read as 300.
enum class LabelPlace { Joined, Apart };

// The picture of the record's grid: 30 × width + 2 by 30 × height + 2 units.
GridPicture DrawGridMetafile(const TPuzzleRecord& record, PictureKind kind, LabelPlace labels = LabelPlace::Joined);

}  // namespace zpx
