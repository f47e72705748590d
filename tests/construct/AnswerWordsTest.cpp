// Answer words: the stems that keep answers apart, the scowl word list, the
// placement of new letters on squares, the suggestions and the fill.

#include "construct/AnswerContext.h"
#include "construct/AnswerFill.h"
#include "construct/AnswerSuggestions.h"
#include "construct/GridScan.h"
#include "construct/SquarePlacement.h"
#include "construct/WordList.h"
#include "construct/WordStem.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

const WordList& scowl()
{
    static const WordList list = loadScowlWordList(DefaultWordListLevel);
    return list;
}

}  // namespace

TEST(WordStem, RelatedWordsShareAStemAndOthersDoNot)
{
    const struct {
        const char* a;
        const char* b;
        bool shared;
    } cases[] = {
        {"NATURE", "NATURAL", true},      {"running", "RUNS", true},    {"CARESSES", "caress", true},
        {"PONIES", "PONY", true},         {"HOPING", "HOPE", true},     {"RELATIONAL", "RELATE", true},
        {"GENERALIZATIONS", "GENERAL", true}, {"FILING", "FILE", true}, {"CONTROLLING", "CONTROL", true},
        {"WATER", "WAITER", false},       {"CAT", "CATTLE", false},     {"WANDER", "WONDER", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wordStem(c.a) == wordStem(c.b), c.shared) << c.a << " " << c.b << ": " << wordStem(c.a) << " "
                                                            << wordStem(c.b);
}

TEST(WordList, ReadsPlainWordsOfTheLevelsAskedFor)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zpx-scowl-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "english-words.10") << "cat\ndog\nox\ncaf\xc3\xa9\nit's\nDover\n";
    std::ofstream(folder / "american-words.10") << "color\n";
    std::ofstream(folder / "english-words.35") << "cat\ncattle\n";
    std::ofstream(folder / "english-words.70") << "zebu\n";

    const WordList list = loadScowlWordList(60, folder);
    std::vector<std::pair<std::string, int>> read;
    for (const ListWord& word : list.words())
        read.emplace_back(word.text, word.level);
    EXPECT_EQ(read, (std::vector<std::pair<std::string, int>>{{"CAT", 10}, {"CATTLE", 35}, {"COLOR", 10}, {"DOG", 10}}));
    const auto [first, last] = list.extensionsOf("CAT");
    ASSERT_EQ(last - first, 1);
    EXPECT_EQ(first->text, "CATTLE");
    EXPECT_EQ(loadScowlWordList(95, folder).words().size(), 5u);

    std::filesystem::remove_all(folder);
    EXPECT_THROW(loadScowlWordList(60, folder), WordListError);
}

TEST(SquarePlacement, AvoidsRepeatsWheneverTheFreeSquaresAllow)
{
    const struct {
        std::vector<std::string> rows;
        std::vector<std::pair<int, int>> held;  // word 1's squares
        std::vector<NewLetters> requests;
        int repeats;
    } cases[] = {
        // Each word must take its A from one quotation word and its B from the other.
        {{"AB#AB"}, {}, {{1, "AB"}, {2, "BA"}}, 0},
        // Word 1 holds the X of XAB, so its A and B must both come from the other AB.
        {{"XAB#AB"}, {{1, 1}}, {{1, "AB"}}, 1},
        // Only one E per quotation word: the three E's of word 2 go to three words.
        {{"EEE#E#E#EX"}, {{10, 1}}, {{1, "E"}, {2, "EEE"}}, 0},
        // A word wrapping into the next row is one quotation word.
        {{"#####AB", "C######", "AB#####"}, {}, {{1, "ABC"}}, 1},
    };
    for (const auto& c : cases) {
        TPuzzleRecord record = gridRecord(c.rows);
        placeWord(record, 1, c.held);
        const std::optional<Placement> placement = placeNewLetters(record, c.requests);
        ASSERT_TRUE(placement);
        EXPECT_EQ(placement->repeats, c.repeats) << c.rows[0];
        std::set<int> used;
        for (std::size_t i = 0; i < c.requests.size(); ++i) {
            ASSERT_EQ(placement->squares[i].size(), c.requests[i].letters.size());
            for (std::size_t k = 0; k < c.requests[i].letters.size(); ++k) {
                const int square = placement->squares[i][k];
                EXPECT_EQ(record.answer(square / 100, square % 100), c.requests[i].letters[k]);
                EXPECT_EQ(record.squareSlot(square / 100, square % 100), 0);
                EXPECT_TRUE(used.insert(square).second);
            }
            std::vector<int> squares = heldSquares(record, c.requests[i].word);
            squares.insert(squares.end(), placement->squares[i].begin(), placement->squares[i].end());
            setWordSquares(record, c.requests[i].word, squares);
        }
        EXPECT_EQ(scanGrid(record).empty(), c.repeats == 0) << c.rows[0];
    }
    EXPECT_FALSE(placeNewLetters(gridRecord({"AB"}), {{1, "AA"}}));
}

TEST(AnswerContext, WordsStayOpenWhileTheListCanExtendThem)
{
    const WordList list({{"WATER", 10}, {"WATERS", 10}, {"THORN", 20}, {"CAT", 10}});
    TPuzzleRecord record = gridRecord({"WATER#THOREAU#CAT#S"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    clearSlot(record, letterSlot(3, 1));                      // W A _ E: read as WAE
    placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}, {10, 1}});  // THOR
    placeWord(record, 4, {{15, 1}, {16, 1}, {17, 1}});        // CAT; word 3 holds nothing
    placeWord(record, 5, {{11, 1}, {12, 1}, {13, 1}});        // EAU
    const AnswerContext context = readAnswerContext(record, list);
    EXPECT_EQ(context.held, (std::vector<std::string>{"WAE", "THOR", "", "CAT", "EAU"}));
    EXPECT_EQ(context.open, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(context.free['S' - 'A'] + context.free['T' - 'A'] + context.free['R' - 'A'], 3);
    EXPECT_EQ(context.quotationStems, (std::vector<int>{list.stemOf("WATER")}));
}

TEST(AnswerSuggestions, CommonFirstWithoutSharedStemsAndRepeatsLast)
{
    const WordList list({{"COATS", 10}, {"CATS", 10}, {"COAST", 20}, {"CASTE", 35}, {"CZAR", 10}, {"CAST", 20}});
    TPuzzleRecord record = gridRecord({"COAT#CAT#S#E#A"});
    placeWord(record, 1, {{6, 1}});
    const std::vector<Suggestion> suggestions = suggestAnswers(record, list, 1, 20);
    std::vector<std::tuple<std::string, int, bool>> shown;
    for (const Suggestion& suggestion : suggestions)
        shown.emplace_back(suggestion.text, suggestion.level, suggestion.repeats);
    // COATS shares COAT's stem; CZAR needs a Z; COAST's O and T share COAT,
    // or its T shares CAT with the C.
    EXPECT_EQ(shown, (std::vector<std::tuple<std::string, int, bool>>{
                         {"CATS", 10, false}, {"CAST", 20, false}, {"COAST", 20, true}, {"CASTE", 35, false}}));
    EXPECT_EQ(suggestAnswers(record, list, 1, 2).size(), 2u);
    EXPECT_TRUE(suggestAnswers(record, list, 2, 20).empty());

    const std::optional<std::vector<int>> squares = answerSquares(record, 1, "CASTE");
    ASSERT_TRUE(squares);
    setWordSquares(record, 1, *squares);
    EXPECT_EQ(slotSquare(record, 101), std::make_pair(6, 1));
    EXPECT_TRUE(scanGrid(record).empty());
    EXPECT_FALSE(answerSquares(record, 1, "DOG"));
}

TEST(AnswerFill, CompletesANewConstructionWithCommonWordsOfDistinctStems)
{
    TPuzzleRecord record = zpx::test::newConstruction();
    // Word B, E of HENRY, is built as far as EN.
    const int freeN = [&] {
        for (int r = 1;; ++r)
            for (int c = 1; c <= record.width(); ++c)
                if (record.answer(c, r) == 'N' && record.squareSlot(c, r) == 0)
                    return squareRef(c, r);
    }();
    placeWord(record, 2, {{freeN / 100, freeN % 100}});
    const AnswerContext before = readAnswerContext(record, scowl());
    const FillPlan plan = planFill(record, scowl(), FillLimits{});
    ASSERT_EQ(plan.status, FillStatus::Filled);
    EXPECT_EQ(plan.repeats, 0);
    ASSERT_EQ(static_cast<int>(plan.answers.size()), before.wordCount);

    TPuzzleRecord after = record;
    applyFill(after, plan);
    EXPECT_TRUE(isComplete(after));
    EXPECT_TRUE(scanGrid(after).empty());
    std::set<int> stems(before.quotationStems.begin(), before.quotationStems.end());
    int levels = 0;
    for (const PlannedAnswer& answer : plan.answers) {
        const ListWord* word = scowl().find(answer.text);
        ASSERT_TRUE(word) << answer.text;
        EXPECT_TRUE(stems.insert(word->stem).second) << answer.text;
        EXPECT_TRUE(answer.text.starts_with(before.held[answer.word - 1])) << answer.text;
        for (int p = 1; p <= static_cast<int>(before.held[answer.word - 1].size()); ++p)
            EXPECT_EQ(after.slotSquareRef(letterSlot(p, answer.word)), record.slotSquareRef(letterSlot(p, answer.word)));
        levels += word->level;
    }
    EXPECT_LE(levels, 25 * before.wordCount);  // mostly everyday words
}

TEST(AnswerFill, RefusesLettersNoWordsCanUseAndStopsWhenCancelled)
{
    const TPuzzleRecord zzz = zpx::test::newConstruction("Zzz xxx zzz qqq", "ZX");
    EXPECT_EQ(planFill(zzz, scowl(), FillLimits{}).status, FillStatus::Impossible);

    TPuzzleRecord complete = zpx::test::newConstruction();
    applyFill(complete, planFill(complete, scowl(), FillLimits{}));
    EXPECT_EQ(planFill(complete, scowl(), FillLimits{}).status, FillStatus::NothingToFill);

    const std::atomic<bool> cancel = true;
    EXPECT_EQ(planFill(zpx::test::newConstruction(), scowl(), FillLimits{std::chrono::seconds(10), &cancel}).status,
              FillStatus::Cancelled);
}
