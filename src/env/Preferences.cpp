#include "env/Preferences.h"

#include "env/ExternalTools.h"

#include <algorithm>

namespace zpx {

void LayoutChoice::reset()
{
    setChangeLayout(false);
    shownPicture = 5;
    setCustomArrangement(false);
}

void LayoutChoice::setChangeLayout(bool checked)
{
    if (checked == changeLayoutChecked)
        return;
    changeLayoutChecked = checked;
    setCustomArrangement(false);
    if (checked) {
        shownPicture = 1;
        code = 1;
    } else {
        shownPicture = 5;
    }
}

void LayoutChoice::setCustomArrangement(bool checked)
{
    if (checked == customChecked)
        return;
    customChecked = checked;
    if (checked) {
        shownPicture = 5;
    } else {
        shownPicture = 1;
        code = 1;
    }
}

void LayoutChoice::arrange()
{
    setCustomArrangement(false);
    code = code > 3 ? 1 : code + 1;
    shownPicture = code;
}

void LayoutChoice::restoreDefaults()
{
    setChangeLayout(true);
    setCustomArrangement(false);
    code = 1;
    shownPicture = 1;
}

int LayoutChoice::saveArrangement()
{
    if (!changeLayoutChecked)
        return 0;
    if (customChecked)
        code = 99;
    return code;
}

std::vector<PreviewSquare> gridPreviewSquares(int width, int height, int square)
{
    const int s = std::max(1, square);
    std::vector<PreviewSquare> squares;
    for (int i = 1; i <= height / s + 1; ++i)
        for (int j = 1; j <= width / s + 1; ++j) {
            const bool filled = (j == 4 && i <= 3) || (j == 5 && i == 1);
            squares.push_back({(j - 1) * s, (i - 1) * s, j * s + 1, i * s + 1, filled,
                               filled ? '\0' : static_cast<char>(63 + i + j)});
        }
    return squares;
}

namespace {

void writeFont(std::vector<PreferenceWrite>& writes, const std::string& prefix, const FontChoice& font)
{
    writes.push_back({prefix + "FontName", font.name});
    writes.push_back({prefix + "FontColor", colourName(font.colour)});
    writes.push_back({prefix + "FontSize", font.size});
    writes.push_back({prefix + "FontStyle", font.style});
}

}  // namespace

std::vector<PreferenceWrite> preferenceWrites(const PreferenceChoices& choices)
{
    std::vector<PreferenceWrite> writes;
    writes.push_back({"PlaySounds", choices.speech ? 2 : choices.sounds ? 1 : 0});
    writes.push_back({"UseCursors", choices.cursors ? 1 : 0});
    writes.push_back({"SolveHLOn", choices.solveHighlight ? 0 : 31});
    writes.push_back({"EntryCounts", choices.counts});
    writes.push_back({"FilledSqColor", colourName(choices.filledColour)});
    writes.push_back({"BlankSqColor", colourName(choices.blankColour)});
    writes.push_back({"FontColor", colourName(choices.gridFont.colour)});
    writes.push_back({"FontName", choices.gridFont.name});
    writes.push_back({"FontSize", choices.gridFont.size});
    writes.push_back({"FontStyle", choices.gridFont.style});
    // The print page shows the margin and resets it; a saved change is expected to last.
    writes.push_back({"PageBottomMargin", std::clamp(choices.bottomMargin, 0, 9)});
    writes.push_back({"WordListLevel", choices.wordListLevel});
    writes.push_back({"SolveSquareNumbers", choices.squareNumbers});
    for (std::size_t t = 0; t < ExternalTools.size(); ++t)
        writes.push_back({std::string(ExternalTools[t].pathSetting), choices.toolPaths[t]});
    writeFont(writes, "Solve", choices.solveFont);
    writeFont(writes, "Defs", choices.defsFont);
    writeFont(writes, "Auto", choices.autoFont);
    return writes;
}

}  // namespace zpx
