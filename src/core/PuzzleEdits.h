#pragma once
// The one path by which the puzzle changes. Every change is a named step: a
// construction click is "Letter", Spill is "Spill", a solver's reveal is
// "Reveal". The step is applied to the record, remembered for undo as the
// bytes it changed, `Modified` follows the distance from the last save, and
// whoever watches (the windows, in the program) is told what changed.
//
// Undoing puts the changed bytes back, so a construction click, a whole fill
// and Start Over are undone alike, exactly, however they were made.

#include "core/PuzzleChange.h"
#include "core/PuzzleRecord.h"
#include "core/SolvingProgress.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <type_traits>
#include <vector>

namespace zpx {

class PuzzleEdits {
public:
    // At least this many steps can be undone; older ones are forgotten.
    static constexpr std::size_t HistoryDepth = 2000;

    PuzzleEdits(TPuzzleRecord& record, bool& modified);

    const TPuzzleRecord& record() const { return record_; }
    void setObserver(PuzzleObserver* observer) { observer_ = observer; }

    // Applies `mutate` to the record as one step. A step that changes no byte
    // is no step. Steps with the same non-zero merge key, one after the other,
    // become one: the typing of one clue in one visit is undone at once.
    template <class Mutation>
    decltype(auto) apply(EditStep step, Mutation&& mutate, std::uint64_t mergeKey = 0)
    {
        const TPuzzleRecord before = record_;
        if constexpr (std::is_void_v<std::invoke_result_t<Mutation, TPuzzleRecord&>>) {
            mutate(record_);
            commit(step, before, mergeKey);
        } else {
            auto result = mutate(record_);
            commit(step, before, mergeKey);
            return result;
        }
    }

    // A new puzzle in memory (load, revert, a new construction): its history
    // starts afresh. A puzzle not yet written to its file counts as modified.
    enum class Saved { Yes, NotYet };
    void startFresh(const TPuzzleRecord& record, Saved saved = Saved::Yes, const SolvingProgress& progress = {});

    // The solver's progress kept with the puzzle. It is no part of the undo
    // history: a reveal undone takes the letter back, but the solver has seen
    // it. A reveal or the answers shown make the puzzle modified until saved;
    // the seconds spent go into the next save without making it modified.
    const SolvingProgress& progress() const { return progress_; }
    void noteRevealed(const std::vector<GridSquare>& squares);
    void noteAnswersShown();
    void addSolvingSecond();
    void resetSolvingTime();

    // The byline, typed or set on the command line.
    void setByline(std::string_view cp1252);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ < steps_.size(); }
    EditStep undoStep() const;  // the step Undo takes back; only when canUndo
    EditStep redoStep() const;  // the step Redo makes again; only when canRedo
    void undo();
    void redo();
    std::size_t depth() const { return steps_.size(); }

    // The record as it stands is what the file holds now.
    void markSaved();
    // The user dropped the changes: the puzzle counts as unchanged.
    void forgetChanges() { markSaved(); }
    bool modified() const { return modified_; }

private:
    struct ByteChange {
        std::uint16_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };
    struct Step {
        EditStep step;
        std::uint64_t mergeKey;
        std::vector<ByteChange> bytes;
    };

    void commit(EditStep step, const TPuzzleRecord& before, std::uint64_t mergeKey);
    void restore(const Step& step, bool undoing);
    void followSavedState();
    void noteProgressChanged();
    PuzzleChange describe(const Step& step, ChangeOrigin origin) const;

    TPuzzleRecord& record_;
    bool& modified_;
    PuzzleObserver* observer_ = nullptr;
    SolvingProgress progress_;
    bool progressUnsaved_ = false;
    std::deque<Step> steps_;
    std::size_t current_ = 0;  // steps_[0, current_) are done
    // The history position that matches the file; none when that state was dropped.
    std::ptrdiff_t saved_ = 0;
};

// The program's change path over the puzzle in memory and `Modified`.
PuzzleEdits& puzzleEdits();

}  // namespace zpx
