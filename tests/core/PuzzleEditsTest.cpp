// The puzzle's change path: steps undone and made again byte for byte,
// Modified following the saved state, and the solver's key rule.

#include "clues/ClueWriting.h"
#include "construct/GridEditing.h"
#include "core/PuzzleEdits.h"
#include "solve/Scoring.h"
#include "solve/SolverKeys.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace zpx {
namespace {

bool sameRecord(const TPuzzleRecord& a, const TPuzzleRecord& b)
{
    return std::memcmp(&a, &b, offsetof(TPuzzleRecord, Byline) + sizeof(RecordString)) == 0;
}

struct Recorder final : PuzzleObserver {
    std::vector<PuzzleChange> changes;
    int histories = 0;
    void puzzleChanged(const PuzzleChange& change) override { changes.push_back(change); }
    void historyChanged() override { ++histories; }
};

class PuzzleEditsTest : public testing::Test {
protected:
    PuzzleEditsTest() : edits(record, modified)
    {
        edits.startFresh(test::gridRecord({"TOBE#OR", "NOT#TOB"}));
        edits.setObserver(&recorder);
    }

    TPuzzleRecord record;
    bool modified = true;
    PuzzleEdits edits;
    Recorder recorder;
};

TEST_F(PuzzleEditsTest, EveryStepIsUndoneAndMadeAgainExactly)
{
    const std::vector<std::pair<EditStep, std::function<void()>>> steps = {
        {EditStep::Letter, [&] { constructionClick(edits, 1, {1, 1}); }},
        {EditStep::Letter, [&] { constructionClick(edits, 1, {2, 1}); }},
        {EditStep::Letter, [&] { constructionClick(edits, 2, {6, 1}); }},
        {EditStep::RemoveLetter, [&] { removeLetter(edits, 1, 1); }},
        {EditStep::Spill, [&] { spillWord(edits, 1); }},
        {EditStep::GridLetter, [&] { typeGridLetter(edits, {3, 2}, 'X'); }},
        {EditStep::Clue, [&] { storeClue(edits, 2, "Rather", 1); }},
        {EditStep::Byline, [&] { edits.setByline("by someone"); }},
        {EditStep::Entry, [&] { enterLetter(edits, {1, 2}, typedKeyOutcome('n', 0, 'N', true)); }},
        {EditStep::Reveal, [&] { enterLetter(edits, {2, 2}, typedKeyOutcome('+', 0, 'O', true)); }},
        {EditStep::StartOver, [&] { startOver(edits); }},
    };
    std::vector<TPuzzleRecord> states{record};
    for (const auto& [step, make] : steps) {
        make();
        ASSERT_FALSE(sameRecord(record, states.back())) << stepName(step);
        EXPECT_EQ(edits.undoStep(), step);
        states.push_back(record);
    }
    EXPECT_TRUE(modified);
    for (std::size_t n = steps.size(); n-- > 0;) {
        edits.undo();
        EXPECT_TRUE(sameRecord(record, states[n])) << "undo " << stepName(steps[n].first);
    }
    // The record is as saved, but the reveal undone is still remembered, to be saved.
    EXPECT_TRUE(modified);
    EXPECT_FALSE(edits.canUndo());
    for (std::size_t n = 1; n <= steps.size(); ++n) {
        edits.redo();
        EXPECT_TRUE(sameRecord(record, states[n])) << "redo " << stepName(steps[n - 1].first);
    }
    EXPECT_FALSE(edits.canRedo());
}

TEST_F(PuzzleEditsTest, ModifiedFollowsTheSavedStateAndANewEditDropsRedo)
{
    constructionClick(edits, 1, {1, 1});
    edits.markSaved();
    EXPECT_FALSE(modified);
    constructionClick(edits, 1, {2, 1});
    constructionClick(edits, 1, {3, 1});
    edits.undo();
    edits.undo();
    EXPECT_FALSE(modified) << "undone to what the file holds";
    edits.undo();
    EXPECT_TRUE(modified) << "undone past the save";
    constructionClick(edits, 2, {6, 1});
    EXPECT_FALSE(edits.canRedo()) << "a new edit ends the redo";
    edits.undo();
    EXPECT_TRUE(modified) << "the saved state went with the redo";
    // A step that changes nothing (a used square) is no step.
    constructionClick(edits, 1, {1, 1});
    const std::size_t depth = edits.depth();
    constructionClick(edits, 3, {1, 1});
    EXPECT_EQ(edits.depth(), depth);
}

TEST_F(PuzzleEditsTest, ThousandsOfStepsAreUndoneAndOneClueVisitIsOneStep)
{
    const TPuzzleRecord start = record;
    const int steps = 1500;
    for (int n = 0; n < steps; ++n)
        enterLetter(edits, {1 + n % 4, 1}, typedKeyOutcome((n / 4) % 2 ? 'A' : 'B', 0, 'T', true));
    for (int n = 0; n < steps; ++n)
        edits.undo();
    EXPECT_TRUE(sameRecord(record, start));
    EXPECT_FALSE(modified);

    for (const char* typed : {"R", "Ra", "Rat"})
        storeClue(edits, 2, typed, 7);
    storeClue(edits, 2, "Rats", 8);
    edits.undo();
    EXPECT_EQ(record.Clues[1].text(), "Rat");
    edits.undo();
    EXPECT_EQ(record.Clues[1].text(), "");
}

TEST_F(PuzzleEditsTest, WatchersAreToldWhatChanged)
{
    constructionClick(edits, 2, {6, 1});
    storeClue(edits, 4, "Clue", 0);
    edits.undo();
    ASSERT_EQ(recorder.changes.size(), 3u);
    const PuzzleChange& click = recorder.changes[0];
    EXPECT_EQ(click.squares, (std::vector<GridSquare>{{6, 1}}));
    EXPECT_EQ(click.words, std::vector<int>{2});
    EXPECT_EQ(recorder.changes[1].clues, std::vector<int>{4});
    EXPECT_EQ(recorder.changes[2].origin, ChangeOrigin::Undo);
    EXPECT_EQ(recorder.histories, 3);
}

TEST(SolverKeys, OneRuleForTheGridAndTheSolveWindow)
{
    struct Case {
        char key;
        std::uint8_t held;
        std::uint8_t answer;
        bool revealAllowed;
        KeyEffect effect;
        std::uint8_t letter;
        bool revealed;
    };
    const Case cases[] = {
        {'q', 0, 'A', true, KeyEffect::Store, 'Q', false},
        {'Q', 'B', 'A', true, KeyEffect::Store, 'Q', false},
        {' ', 'B', 'A', true, KeyEffect::Store, 0, false},
        {'\r', 'B', 'A', true, KeyEffect::Store, 'B', false},
        {'\b', 'B', 'A', true, KeyEffect::StepBack, 0, false},
        {'+', 'B', 'A', true, KeyEffect::Store, 'A', true},
        {'+', 'B', 0, true, KeyEffect::Store, 0, true},
        {'+', 'B', 'A', false, KeyEffect::Ignore, 0, false},
        {'7', 0, 'A', true, KeyEffect::Ignore, 0, false},
        {'\x1b', 0, 'A', true, KeyEffect::Ignore, 0, false},
    };
    for (const Case& c : cases) {
        const KeyOutcome outcome = typedKeyOutcome(c.key, c.held, c.answer, c.revealAllowed);
        EXPECT_EQ(outcome.effect, c.effect) << int(c.key);
        EXPECT_EQ(outcome.letter, c.letter) << int(c.key);
        EXPECT_EQ(outcome.revealed, c.revealed) << int(c.key);
    }
}

}  // namespace
}  // namespace zpx
