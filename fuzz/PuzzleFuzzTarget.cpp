// Fuzz target "puzzle": a puzzle file as a damaged or hostile disk may hold
// it, run through everything a loaded puzzle feeds.
//
// The input is the file's bytes. The loader's decoding takes the first 11519;
// the bytes after them, which a load ignores, script construction edits,
// four bytes each (an operation and three arguments), as a constructor would
// make them in the grid and author-title windows. Every edit is followed by
// a save-and-reload round trip in memory; the zpxtool read commands then run
// on the record as the edits leave it (as loaded when there are none).

#include "cli/PuzzleJson.h"
#include "clues/ClueWriting.h"
#include "construct/GridEditing.h"
#include "construct/GridScan.h"
#include "construct/LetterCounts.h"
#include "construct/PuzzleAnalysis.h"
#include "construct/WordTexts.h"
#include "core/PuzzleFile.h"
#include "FuzzRequire.h"
#include "core/PuzzleRecord.h"
#include "solve/ClueLines.h"
#include "solve/Scoring.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

using namespace zpx;

namespace {

// The image as a load keeps it: string lengths above 80 read as 80.
PuzzleImage asLoaded(std::span<const std::uint8_t> input)
{
    PuzzleImage image;
    std::copy_n(input.begin(), PuzzleFileSize, image.begin());
    for (std::size_t w = 0; w < MaxWords; ++w) {
        std::uint8_t& length = image[RecordOffset::Clues + w * RecordOffset::ClueSize];
        length = std::min<std::uint8_t>(length, MaxStringLength);
    }
    image[RecordOffset::Byline] = std::min<std::uint8_t>(image[RecordOffset::Byline], MaxStringLength);
    return image;
}

// Saves the record and loads it again: the same bytes, the same record.
void saveAndReload(TPuzzleRecord& record)
{
    const PuzzleImage saved = encodeRecord(record);
    record = decodeRecord(saved);
    require(encodeRecord(record) == saved, "a reloaded record saves to the same bytes");
}

// What zpxtool info, letters, scan, analyze, clues, defs and score compute,
// the word texts the construction windows show and the Autoclue window's moves.
void readEverything(const TPuzzleRecord& record)
{
    const std::string info = cli::describePuzzle(record);
    require(std::none_of(info.begin(), info.end(), [](char c) { return c >= 0 && c < ' ' && c != '\n'; }),
            "info escapes every control character of the file");
    const LetterCounts counts = countFreeLetters(record);
    for (int i = 0; i < 26; ++i)
        letterCellText(static_cast<char>('A' + i), counts.letters[i]);
    lettersSummary(counts);
    scanGrid(record);
    analyzePuzzle(record);
    for (const int word : clueWords(record))
        clueLine(record, word);
    const int definitions = definitionLineCount(record);
    require(definitions >= 1 && definitions <= MaxWords, "the definitions list has one to thirty lines");
    for (int word = 1; word <= definitions; ++word)
        definitionLine(record, word);
    const auto wrong = wrongSquares(record);
    require(puzzleCorrect(record) == wrong.empty(), "a puzzle is correct exactly when no square is wrong");
    for (const auto& [column, row] : wrong)
        require(record.inGrid(column, row), "Show Errors crosses only squares of the grid");
    isComplete(record);
    titleWordCount(record);
    for (int word = 1; word <= MaxWords; ++word) {
        wordText(record, word);
        require(wordTextWithGaps(record, word).size() == MaxWordLetters, "a gapped word has 30 places");
        leadingLetterCount(record, word);
        scanLine(record, word);
        const UndefinedWordSearch undefined = nextUndefinedWord(record, word);
        require(undefined.word >= word && undefined.word <= MaxWords, "Next undefined word stays among the words");
    }
}

void checkCursor(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing)
{
    for (const GridSquare square : cursorRun(record, cursor, gridEditing))
        require(cursorMayEnter(record, square, gridEditing), "the cursor runs over squares it may enter");
    if (const auto next = advanceCursor(record, cursor, gridEditing))
        require(cursorMayEnter(record, *next, gridEditing), "the cursor advances to a square it may enter");
    const GridSquare back = stepBackCursor(record, cursor, gridEditing);
    require(back == cursor || cursorMayEnter(record, back, gridEditing), "the cursor steps back to a square it may enter");
}

void click(TPuzzleRecord& record, int word, GridSquare square)
{
    const ConstructionClick result = constructionClick(record, word, square);
    if (result.outcome != ClickOutcome::Added)
        return;
    const int slot = letterSlot(result.position, word);
    require(record.slotSquareRef(slot) == squareRef(square.column, square.row)
                && record.squareSlot(square.column, square.row) == slot,
            "a click joins square and slot both ways");
}

void removeAt(TPuzzleRecord& record, int word, int position)
{
    if (removeLetter(record, word, position).removed)
        require(record.SlotSquares[letterSlot(position, word) - 1] == 0, "a removed letter's slot is empty");
}

// One edit of the script; `selectedWord` is the author-title window's selection.
void edit(TPuzzleRecord& record, int& selectedWord, const std::uint8_t* bytes)
{
    const int a = bytes[1], b = bytes[2], c = bytes[3];
    switch (bytes[0] % 7) {
    case 0:  // a grid square, including ones just outside the grid
        click(record, selectedWord, {a % (MaxColumns + 2), b % (MaxRows + 2)});
        break;
    case 1:  // a grid window point
        if (const auto square = squareAtPoint(record, a * 4, b * 4, 1 + c % 30))
            click(record, selectedWord, *square);
        break;
    case 2: {  // an author-title window point
        const TitleHit hit = titleHitTest(a * 4, b, 1 + c % 32, titleWordCount(record), false);
        if (hit.area == TitleArea::Word)
            selectedWord = hit.index;
        else if (hit.area == TitleArea::Letter)
            removeAt(record, selectedWord, hit.index);
        break;
    }
    case 3:  // any selection, including none and one past the last word
        selectedWord = a % (MaxWords + 2);
        break;
    case 4:
        removeAt(record, selectedWord, a % (MaxWordLetters + 2));
        break;
    case 5:
        spillWord(record, selectedWord);
        if (selectedWord >= 1 && selectedWord <= MaxWords)
            for (int position = 2; position <= MaxWordLetters; ++position)
                require(record.SlotSquares[letterSlot(position, selectedWord) - 1] == 0, "spill leaves one letter");
        break;
    case 6:
        checkCursor(record, {a % (MaxColumns + 2), b % (MaxRows + 2)}, (c & 1) != 0);
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    TPuzzleRecord record;
    try {
        record = decodeRecord(input);
    } catch (const FileError&) {
        return 0;
    }
    require(encodeRecord(record) == asLoaded(input), "a load keeps every byte of the record");

    const std::span<const std::uint8_t> script = input.subspan(PuzzleFileSize);
    // The same bytes read as a solver's progress: whatever they hold, it survives its own round trip.
    const SolvingProgress progress = decodeTrailer(script);
    require(decodeTrailer(encodeTrailer(progress)) == progress, "the solver's progress keeps every field");
    int selectedWord = 1;
    for (std::size_t at = 0; at + 4 <= script.size(); at += 4) {
        edit(record, selectedWord, &script[at]);
        saveAndReload(record);
    }
    readEverything(record);
    return 0;
}
