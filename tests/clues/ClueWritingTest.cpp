#include "clues/ClueWriting.h"
#include "core/Cp1252.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

// Words A "APPLE", B "PIE", C "TREES", D "SEA"; word E does not exist.
TPuzzleRecord fourWords()
{
    TPuzzleRecord record = gridRecord({"APPLE#PIE", "TREES#SEA"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}});
    placeWord(record, 3, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
    placeWord(record, 4, {{7, 2}, {8, 2}, {9, 2}});
    return record;
}

}  // namespace

TEST(ClueWriting, NavigationStopsAtTheEndsAndFindsTheNextWordWithoutClue)
{
    TPuzzleRecord record = fourWords();
    record.Clues[1].assign("Baked dish");
    EXPECT_EQ(nextWord(record, 1), 2);
    EXPECT_EQ(nextWord(record, 4), std::nullopt);

    struct Case {
        int from;
        int word;
        bool reachedEnd;
    };
    for (const Case& c : {Case{1, 3, false}, Case{2, 3, false}, Case{3, 4, false}, Case{4, 4, true}}) {
        const UndefinedWordSearch found = nextUndefinedWord(record, c.from);
        EXPECT_EQ(found.word, c.word) << "from " << c.from;
        EXPECT_EQ(found.reachedEnd, c.reachedEnd) << "from " << c.from;
    }
    record.Clues[2].assign("Woods");
    record.Clues[3].assign("Ocean");
    EXPECT_EQ(nextUndefinedWord(record, 1).word, 4);
    EXPECT_TRUE(nextUndefinedWord(record, 1).reachedEnd);

    // A word whose first letter was removed ends the words that follow on.
    clearSlot(record, letterSlot(1, 3));
    EXPECT_FALSE(wordExists(record, 3));
    EXPECT_EQ(nextWord(record, 2), std::nullopt);
    EXPECT_EQ(definitionLineCount(record), 2);
}

TEST(ClueWriting, AnswerCountAndDefinitionLines)
{
    TPuzzleRecord record = fourWords();
    EXPECT_EQ(answerText(record, 3), "TREES");
    EXPECT_EQ(letterCountText(answerText(record, 3)), "(5)");
    EXPECT_EQ(definitionLineCount(record), 4);

    record.Clues[2].assign("Woods");
    EXPECT_EQ(definitionLine(record, 3), "Woods  | TREES");
    EXPECT_EQ(definitionLine(record, 2), "  | PIE");
    // The clue and its bar are cut at 84 characters, the answer always follows.
    EXPECT_EQ(definitionLine(std::string(80, 'x'), "SEA"), std::string(80, 'x') + "  | SEA");
    EXPECT_EQ(definitionLine(std::string(83, 'x'), "SEA"), std::string(83, 'x') + " SEA");

    // Removing a later letter ends the answer at the gap.
    clearSlot(record, letterSlot(4, 3));
    EXPECT_EQ(answerText(record, 3), "TRE");
}

TEST(ClueWriting, LabelsAndStoredClues)
{
    const std::vector<std::pair<int, std::string>> labels = {{0, "A."}, {25, "Z."}, {26, "aa."}, {29, "dd."}};
    for (const auto& [index, label] : labels) {
        EXPECT_EQ(definitionLabel(index), label);
        EXPECT_EQ(wordFromLabel(label.substr(0, label.size() - 1)), index + 1);
    }
    for (const char* wrong : {"", "a", "AA", "ee", "Aa", "1"})
        EXPECT_EQ(wordFromLabel(wrong), std::nullopt) << wrong;

    TPuzzleRecord record = fourWords();
    EXPECT_TRUE(storeClue(record, 1, "Fruit"));
    EXPECT_FALSE(storeClue(record, 1, "Fruit"));
    EXPECT_TRUE(storeClue(record, 1, std::string(81, 'y')));
    EXPECT_EQ(record.Clues[0].text(), std::string(80, 'y'));
    EXPECT_FALSE(storeClue(record, 1, std::string(85, 'y')));
}

TEST(ClueWriting, OnlyWindows1252TextReachesTheRecord)
{
    EXPECT_EQ(utf8ToCp1252Exact("\xE2\x80\x9C" "Caf\xC3\xA9" "\xE2\x80\x9D \xC2\xA9 \xE2\x82\xAC"),
              "\x93" "Caf\xE9" "\x94 \xA9 \x80");
    const std::vector<std::pair<std::string, std::size_t>> refused = {
        {"\xE2\x86\x92", 1},          // an arrow
        {"a\xF0\x9F\x98\x80z", 1},    // an emoji
        {"\xC2\x81", 1},              // a control code the set leaves undefined
        {"\xEF\xBF\xBD", 1},          // the replacement mark
        {"\xC3", 1},                  // a cut-off character
        {"\xE2\x86\x92\xE2\x86\x90", 2},
    };
    EXPECT_EQ(controlsAsSpaces("one\r\ntwo\nthree\rfour\tfive\x7F"), "one two three four five ");
    for (const auto& [text, outside] : refused) {
        EXPECT_EQ(charactersOutsideCp1252(text), outside) << text;
        EXPECT_EQ(utf8ToCp1252Exact(text), std::nullopt) << text;
    }
}
