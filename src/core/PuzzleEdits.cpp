#include "core/PuzzleEdits.h"

#include "core/SharedState.h"
#include "core/WindowEvents.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace zpx {

namespace {

// The record's bytes as the file holds them; the struct's trailing padding is not part of them.
constexpr std::size_t RecordBytes = offsetof(TPuzzleRecord, Byline) + sizeof(RecordString);
constexpr std::size_t AnswersAt = offsetof(TPuzzleRecord, Answers);
constexpr std::size_t EntriesAt = offsetof(TPuzzleRecord, Entries);
constexpr std::size_t SquareSlotsAt = offsetof(TPuzzleRecord, SquareSlots);
constexpr std::size_t SlotSquaresAt = offsetof(TPuzzleRecord, SlotSquares);
constexpr std::size_t CluesAt = offsetof(TPuzzleRecord, Clues);
constexpr std::size_t BylineAt = offsetof(TPuzzleRecord, Byline);
static_assert(RecordBytes <= 0xFFFF, "byte offsets of a step are 16 bits");

const unsigned char* bytesOf(const TPuzzleRecord& record)
{
    return reinterpret_cast<const unsigned char*>(&record);
}

unsigned char* bytesOf(TPuzzleRecord& record)
{
    return reinterpret_cast<unsigned char*>(&record);
}

template <class T>
void addOnce(std::vector<T>& list, const T& value)
{
    if (std::find(list.begin(), list.end(), value) == list.end())
        list.push_back(value);
}

GridSquare squareOfIndex(std::size_t index)
{
    return {static_cast<int>(index / MaxRows) + 1, static_cast<int>(index % MaxRows) + 1};
}

}  // namespace

PuzzleEdits::PuzzleEdits(TPuzzleRecord& record, bool& modified) : record_(record), modified_(modified) {}

void PuzzleEdits::commit(EditStep step, const TPuzzleRecord& before, std::uint64_t mergeKey)
{
    const unsigned char* old = bytesOf(before);
    const unsigned char* now = bytesOf(record_);
    Step made{step, mergeKey, {}};
    for (std::size_t i = 0; i < RecordBytes; ++i)
        if (old[i] != now[i])
            made.bytes.push_back({static_cast<std::uint16_t>(i), old[i], now[i]});
    if (made.bytes.empty())
        return;

    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_), steps_.end());
    if (saved_ > static_cast<std::ptrdiff_t>(current_))
        saved_ = -1;
    const bool merges = mergeKey != 0 && current_ > 0 && steps_.back().mergeKey == mergeKey
                        && saved_ != static_cast<std::ptrdiff_t>(current_);
    if (merges) {
        std::map<std::uint16_t, ByteChange> joined;
        for (const ByteChange& change : steps_.back().bytes)
            joined[change.offset] = change;
        for (const ByteChange& change : made.bytes) {
            const auto [at, fresh] = joined.try_emplace(change.offset, change);
            if (!fresh)
                at->second.after = change.after;
        }
        steps_.back().bytes.clear();
        for (const auto& [offset, change] : joined)
            if (change.before != change.after)
                steps_.back().bytes.push_back(change);
    } else {
        steps_.push_back(std::move(made));
        ++current_;
        if (steps_.size() > HistoryDepth) {
            steps_.pop_front();
            --current_;
            saved_ = saved_ > 0 ? saved_ - 1 : -1;
        }
    }
    followSavedState();
    if (observer_) {
        observer_->puzzleChanged(describe(steps_[current_ - 1], ChangeOrigin::Step));
        observer_->historyChanged();
    }
}

void PuzzleEdits::startFresh(const TPuzzleRecord& record, Saved saved, const SolvingProgress& progress)
{
    record_ = record;
    progress_ = progress;
    progressUnsaved_ = false;
    steps_.clear();
    current_ = 0;
    saved_ = saved == Saved::Yes ? 0 : -1;
    followSavedState();
    if (observer_)
        observer_->historyChanged();
}

void PuzzleEdits::noteRevealed(const std::vector<GridSquare>& squares)
{
    if (squares.empty())
        return;
    for (const GridSquare square : squares)
        progress_.reveal(square);
    noteProgressChanged();
}

void PuzzleEdits::noteAnswersShown()
{
    progress_.answersShown = true;
    noteProgressChanged();
}

void PuzzleEdits::addSolvingSecond()
{
    ++progress_.secondsSpent;
}

void PuzzleEdits::resetSolvingTime()
{
    progress_.secondsSpent = 0;
}

void PuzzleEdits::noteProgressChanged()
{
    progressUnsaved_ = true;
    followSavedState();
    if (observer_)
        observer_->historyChanged();
}

void PuzzleEdits::setByline(std::string_view cp1252)
{
    apply(EditStep::Byline, [&](TPuzzleRecord& record) { record.Byline.assign(cp1252); });
}

EditStep PuzzleEdits::undoStep() const
{
    return steps_[current_ - 1].step;
}

EditStep PuzzleEdits::redoStep() const
{
    return steps_[current_].step;
}

void PuzzleEdits::undo()
{
    if (!canUndo())
        return;
    --current_;
    restore(steps_[current_], true);
}

void PuzzleEdits::redo()
{
    if (!canRedo())
        return;
    ++current_;
    restore(steps_[current_ - 1], false);
}

void PuzzleEdits::restore(const Step& step, bool undoing)
{
    unsigned char* bytes = bytesOf(record_);
    for (const ByteChange& change : step.bytes)
        bytes[change.offset] = undoing ? change.before : change.after;
    followSavedState();
    if (observer_) {
        observer_->puzzleChanged(describe(step, undoing ? ChangeOrigin::Undo : ChangeOrigin::Redo));
        observer_->historyChanged();
    }
}

void PuzzleEdits::markSaved()
{
    saved_ = static_cast<std::ptrdiff_t>(current_);
    progressUnsaved_ = false;
    followSavedState();
    if (observer_)
        observer_->historyChanged();
}

void PuzzleEdits::followSavedState()
{
    modified_ = saved_ != static_cast<std::ptrdiff_t>(current_) || progressUnsaved_;
}

PuzzleChange PuzzleEdits::describe(const Step& step, ChangeOrigin origin) const
{
    PuzzleChange change;
    change.step = step.step;
    change.origin = origin;
    for (const ByteChange& byte : step.bytes) {
        const std::size_t at = byte.offset;
        if (at < AnswersAt) {
            change.gridSize = true;
        } else if (at < EntriesAt) {
            addOnce(change.squares, squareOfIndex(at - AnswersAt));
        } else if (at < SquareSlotsAt) {
            addOnce(change.squares, squareOfIndex(at - EntriesAt));
        } else if (at < SlotSquaresAt) {
            addOnce(change.squares, squareOfIndex((at - SquareSlotsAt) / sizeof(std::int16_t)));
        } else if (at < CluesAt) {
            const int slot = static_cast<int>((at - SlotSquaresAt) / sizeof(std::int16_t)) + 1;
            if (const auto parts = decodeSlot(slot))
                addOnce(change.words, parts->word);
        } else if (at < BylineAt) {
            addOnce(change.clues, static_cast<int>((at - CluesAt) / sizeof(RecordString)) + 1);
        } else {
            change.byline = true;
        }
    }
    return change;
}

namespace {

// Tells the program's windows through the interface the program installed.
class WindowsObserver final : public PuzzleObserver {
public:
    void puzzleChanged(const PuzzleChange& change) override { windowEvents().afterPuzzleChanged(change); }
    void historyChanged() override { windowEvents().afterHistoryChanged(); }
};

}  // namespace

PuzzleEdits& puzzleEdits()
{
    static WindowsObserver windows;
    static PuzzleEdits edits = [] {
        PuzzleEdits made(editablePuzzleRecord(), Modified);
        made.setObserver(&windows);
        return made;
    }();
    return edits;
}

}  // namespace zpx
