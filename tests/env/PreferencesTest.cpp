#include "env/Preferences.h"

#include <gtest/gtest.h>

#include <string>

using namespace zpx;

namespace {

struct Shown {
    int picture;
    int layoutCode;
};

void expectShown(const LayoutChoice& choice, Shown expected, const char* step)
{
    EXPECT_EQ(choice.picture(), expected.picture) << step;
    EXPECT_EQ(choice.layoutCode(), expected.layoutCode) << step;
}

}  // namespace

TEST(LayoutChoice, ArrangeCyclesTheFourLayoutsAndTheCustomArrangementSavesNinetyNine)
{
    LayoutChoice choice;
    choice.reset();
    expectShown(choice, {5, 0}, "showing");
    EXPECT_EQ(choice.saveArrangement(), 0) << "nothing chosen, nothing arranged";

    choice.setChangeLayout(true);
    expectShown(choice, {1, 1}, "change layout");
    for (const int next : {2, 3, 4, 1, 2}) {
        choice.arrange();
        expectShown(choice, {next, next}, "arrange");
    }
    EXPECT_EQ(choice.saveArrangement(), 2);

    choice.setCustomArrangement(true);
    EXPECT_TRUE(choice.customArrangement());
    expectShown(choice, {5, 2}, "custom");
    EXPECT_EQ(choice.saveArrangement(), 99);
    expectShown(choice, {5, 99}, "saved custom");

    // Arrange leaves the custom arrangement, whose unchecking restarts at layout 1.
    choice.arrange();
    EXPECT_FALSE(choice.customArrangement());
    expectShown(choice, {2, 2}, "arrange after custom");

    // Unchecking the layout box unchecks the custom box first; the next showing keeps the code.
    choice.setCustomArrangement(true);
    choice.setChangeLayout(false);
    EXPECT_FALSE(choice.customArrangement());
    expectShown(choice, {5, 1}, "layout box unchecked");
    choice.arrange();
    choice.reset();
    expectShown(choice, {5, 2}, "next showing");
    EXPECT_EQ(choice.saveArrangement(), 0);

    choice.restoreDefaults();
    EXPECT_TRUE(choice.changeLayout());
    expectShown(choice, {1, 1}, "defaults");
}

TEST(GridPreview, TwentyNinePixelSquaresCoverTheBoxWithSixColumnsAndFiveRows)
{
    const auto squares = gridPreviewSquares(169, 140, 29);
    ASSERT_EQ(squares.size(), 30u);
    EXPECT_EQ(squares.front(), (PreviewSquare{0, 0, 30, 30, false, 'A'}));
    EXPECT_EQ(squares.back(), (PreviewSquare{145, 116, 175, 146, false, 'J'}));
    std::string rows;
    for (const PreviewSquare& square : squares)
        rows += square.filled ? '#' : square.letter;
    EXPECT_EQ(rows, "ABC##F"
                    "BCD#FG"
                    "CDE#GH"
                    "DEFGHI"
                    "EFGHIJ");
    EXPECT_EQ(gridPreviewSquares(10, 10, 0).size(), 121u) << "a zero square size counts as one pixel";
}

TEST(PreferenceWrites, SaveStoresEverySettingOfThePagesByName)
{
    PreferenceChoices choices;
    choices.sounds = false;
    choices.speech = true;
    choices.solveHighlight = true;
    choices.squareNumbers = false;
    choices.counts = true;
    choices.filledColour = BasicColours[1];
    choices.blankColour = BasicColours[14];
    choices.gridFont = {"Liberation Serif", 14, FontStyleBold | FontStyleItalic, BasicColours[4]};
    choices.bottomMargin = 7;
    choices.wordListLevel = 35;
    choices.toolPaths = {"/opt/my tools/dict", "", "/usr/bin/ClueVault.exe", "/usr/bin/mousepad", ""};
    choices.defsFont = {"Courier New", -13, FontStyleStrikeOut, 0x00123456};

    const std::vector<PreferenceWrite> expected = {
        {"PlaySounds", 2},
        {"UseCursors", 0},
        {"SolveHLOn", 0},
        {"EntryCounts", true},
        {"FilledSqColor", std::string("clMaroon")},
        {"BlankSqColor", std::string("clAqua")},
        {"FontColor", std::string("clNavy")},
        {"FontName", std::string("Liberation Serif")},
        {"FontSize", 14},
        {"FontStyle", 3},
        {"PageBottomMargin", 7},
        {"WordListLevel", 35},
        {"SolveSquareNumbers", false},
        {"DictPath", std::string("/opt/my tools/dict")},
        {"ThesPath", std::string()},
        {"CluePath", std::string("/usr/bin/ClueVault.exe")},
        {"ScraPath", std::string("/usr/bin/mousepad")},
        {"PostPath", std::string()},
        {"SolveFontName", std::string("Times New Roman")},
        {"SolveFontColor", std::string("clBlack")},
        {"SolveFontSize", 11},
        {"SolveFontStyle", 0},
        {"DefsFontName", std::string("Courier New")},
        {"DefsFontColor", std::string("$00123456")},
        {"DefsFontSize", -13},
        {"DefsFontStyle", 8},
        {"AutoFontName", std::string("Times New Roman")},
        {"AutoFontColor", std::string("clBlack")},
        {"AutoFontSize", 11},
        {"AutoFontStyle", 0},
    };
    EXPECT_EQ(preferenceWrites(choices), expected);
}
