#include "core/IpuzReader.h"

#include "core/Cp1252.h"
#include "core/PuzzleFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace zpx {

namespace {

using Json = nlohmann::json;

// Far more than any acrostic needs (ours are some 30 KB); a larger file is not one.
constexpr std::size_t MaxIpuzBytes = 4 * 1024 * 1024;
constexpr const char* QuoteClue = "[QUOTE]";

[[noreturn]] void refuse(const std::string& reason)
{
    throw FileError(std::string(IpuzRefusedMessage) + "\n" + reason);
}

// A value as the file wrote it, shortened for a message.
std::string shown(const Json& value)
{
    const std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() <= 40)
        return text;
    // Cut before a whole character, never inside one.
    std::size_t cut = 37;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}

std::string gridSize(int width, int height)
{
    return std::to_string(width) + " \xC3\x97 " + std::to_string(height);
}

// A text as the record keeps it: one line of Windows-1252, at most 80 characters.
std::string recordText(const Json& value, const std::string& what)
{
    if (!value.is_string())
        refuse(what + " is not text.");
    const std::optional<std::string> text = utf8ToCp1252Exact(controlsAsSpaces(value.get<std::string>()));
    if (!text)
        refuse(what + " has a character that Windows-1252 cannot write.");
    if (text->size() > static_cast<std::size_t>(MaxStringLength))
        refuse(what + " is " + std::to_string(text->size()) + " characters long; Zephyrtrace keeps at most 80.");
    return *text;
}

bool isAcrosticKind(const Json& kind)
{
    return kind.is_string() && kind.get<std::string>().starts_with("http://ipuz.org/acrostic");
}

void checkVersionAndKind(const Json& doc)
{
    const auto version = doc.find("version");
    if (version == doc.end() || !version->is_string() || !version->get<std::string>().starts_with("http://ipuz.org/v"))
        refuse("It has no ipuz version.");
    const auto kinds = doc.find("kind");
    if (kinds == doc.end() || !kinds->is_array() || kinds->empty())
        refuse("It does not say what kind of puzzle it is.");
    if (std::none_of(kinds->begin(), kinds->end(), isAcrosticKind))
        refuse("It is a puzzle of the kind " + shown(kinds->front()) + ", not an acrostic.");
}

// The squares as the file lays them out, before any word is placed.
struct IpuzGrid {
    int width = 0;
    int height = 0;
    bool filled[MaxColumns][MaxRows]{};
    std::uint8_t letters[MaxColumns][MaxRows]{};
    std::uint8_t entries[MaxColumns][MaxRows]{};
    bool hasSolution = false;
};

void readDimensions(const Json& doc, IpuzGrid& grid)
{
    const auto dimensions = doc.find("dimensions");
    if (dimensions == doc.end() || !dimensions->is_object() || !dimensions->contains("width")
        || !dimensions->contains("height") || !(*dimensions)["width"].is_number_integer()
        || !(*dimensions)["height"].is_number_integer())
        refuse("It does not give the grid's width and height.");
    const long long width = (*dimensions)["width"].get<long long>();
    const long long height = (*dimensions)["height"].get<long long>();
    if (width < 1 || height < 1)
        refuse("Its grid has no squares.");
    if (width > MaxColumns || height > MaxRows)
        refuse("Its grid is " + std::to_string(width) + " \xC3\x97 " + std::to_string(height)
               + " squares; a grid is at most 31 \xC3\x97 21.");
    if (width * height > MaxSquares)
        refuse("Its grid has " + std::to_string(width * height) + " squares; a grid has at most 372.");
    grid.width = static_cast<int>(width);
    grid.height = static_cast<int>(height);
}

// The rows of a grid field: `height` arrays of `width` cells.
const Json* gridField(const Json& doc, const char* name, const IpuzGrid& grid)
{
    const auto field = doc.find(name);
    if (field == doc.end())
        return nullptr;
    const bool fits = field->is_array() && field->size() == static_cast<std::size_t>(grid.height)
                      && std::all_of(field->begin(), field->end(), [&](const Json& row) {
                             return row.is_array() && row.size() == static_cast<std::size_t>(grid.width);
                         });
    if (!fits)
        refuse("Its \"" + std::string(name) + "\" grid is not " + gridSize(grid.width, grid.height) + " squares.");
    return &*field;
}

// A cell's own value: an object cell keeps it under "cell" (the puzzle grid)
// or "value" (the solution); an object without one is a plain letter square.
Json cellValue(const Json& cell, const char* key)
{
    if (!cell.is_object())
        return cell;
    const auto value = cell.find(key);
    return value == cell.end() ? Json(0) : *value;
}

// The letter a solution or saved cell holds: 0 for none, nullopt when it is not one letter A–Z.
std::optional<std::uint8_t> cellLetter(const Json& value, const Json& empty)
{
    if (value.is_null() || value == empty || value == "")
        return 0;
    if (!value.is_string() || value.get<std::string>().size() != 1
        || !std::isalpha(static_cast<unsigned char>(value.get<std::string>()[0])))
        return std::nullopt;
    return static_cast<std::uint8_t>(std::toupper(static_cast<unsigned char>(value.get<std::string>()[0])));
}

void readSquares(const Json& doc, IpuzGrid& grid)
{
    const Json block = doc.value("block", Json("#"));
    const Json empty = doc.value("empty", Json(0));
    const Json* puzzle = gridField(doc, "puzzle", grid);
    if (!puzzle)
        refuse("It has no \"puzzle\" grid.");
    const Json* solution = gridField(doc, "solution", grid);
    const Json* saved = gridField(doc, "saved", grid);
    grid.hasSolution = solution != nullptr;
    for (int r = 0; r < grid.height; ++r)
        for (int c = 0; c < grid.width; ++c) {
            const Json number = cellValue((*puzzle)[r][c], "cell");
            // A square the puzzle leaves out (null) has no letter either.
            const bool filled = number.is_null() || number == block;
            grid.filled[c][r] = filled;
            const std::string where = "square [" + std::to_string(c) + ", " + std::to_string(r) + "]";
            if (solution) {
                const Json value = cellValue((*solution)[r][c], "value");
                const std::optional<std::uint8_t> letter = cellLetter(value, empty);
                if (filled && value != block && letter != 0)
                    refuse("Its " + where + " is filled but has the solution " + shown(value) + ".");
                if (!filled && value == block)
                    refuse("Its " + where + " holds a letter, but the solution fills it.");
                if (!filled && !letter)
                    refuse("The solution of its " + where + " is " + shown(value)
                           + "; a square holds one letter A\xE2\x80\x93Z.");
                grid.letters[c][r] = filled ? 0 : *letter;
            }
            if (saved && !filled)
                grid.entries[c][r] = cellLetter(cellValue((*saved)[r][c], "value"), empty).value_or(0);
        }
}

// One acrostic word as the file gives it.
struct IpuzWord {
    std::string clue;
    std::vector<std::pair<int, int>> cells;                    // positions 1, 2, ... in order
    std::vector<std::pair<int, std::pair<int, int>>> afterGap;  // position and square
    std::string answer;                                        // its letters, when the file says
    bool hasAnswer = false;
};

// A [column, row] pair inside the grid, counted from 0.
std::pair<int, int> readCell(const Json& cell, const IpuzGrid& grid, const std::string& owner)
{
    if (!cell.is_array() || cell.size() != 2 || !cell[0].is_number_integer() || !cell[1].is_number_integer())
        refuse(owner + " has the cell " + shown(cell) + ", which is not [column, row].");
    const long long c = cell[0].get<long long>();
    const long long r = cell[1].get<long long>();
    if (c < 0 || r < 0 || c >= grid.width || r >= grid.height)
        refuse(owner + " has the cell " + shown(cell) + ", outside the " + gridSize(grid.width, grid.height)
               + " grid (cells count from [0, 0]).");
    if (grid.filled[c][r])
        refuse(owner + " has the cell " + shown(cell) + ", a filled square.");
    return {static_cast<int>(c), static_cast<int>(r)};
}

const Json& clueList(const Json& doc)
{
    const auto clues = doc.find("clues");
    if (clues == doc.end() || !clues->is_object() || !clues->contains("Clues"))
        refuse("It has no \"Clues\" list, where an acrostic keeps its words.");
    for (const auto& [direction, list] : clues->items())
        if (direction != "Clues" && !(list.is_array() && list.empty()))
            refuse("It has clues under \"" + direction + "\"; an acrostic keeps its words in one \"Clues\" list.");
    const Json& list = (*clues)["Clues"];
    if (!list.is_array())
        refuse("Its \"Clues\" are not a list.");
    return list;
}

bool isQuoteClue(const Json& clue)
{
    return clue.is_object() && clue.value("clue", Json()) == QuoteClue;
}

IpuzWord readWord(const Json& clue, int word, const IpuzGrid& grid)
{
    const std::string owner = "Clue " + wordLabel(word);
    if (!clue.is_object() || !clue.contains("cells") || !clue["cells"].is_array())
        refuse("Its clue " + shown(clue) + " does not list the cells of its word.");
    if (clue.contains("label") && clue["label"] != wordLabel(word))
        refuse("Its clue number " + std::to_string(word) + " is labelled " + shown(clue["label"])
               + "; Zephyrtrace labels that word " + wordLabel(word) + ".");
    IpuzWord read;
    read.clue = clue.contains("clue") ? recordText(clue["clue"], owner) : std::string();
    for (const Json& cell : clue["cells"])
        read.cells.push_back(readCell(cell, grid, owner));
    if (const auto after = clue.find(LettersAfterGapField); after != clue.end()) {
        if (!after->is_array())
            refuse(owner + "'s letters after a gap are not a list.");
        int last = static_cast<int>(read.cells.size()) + 1;
        for (const Json& letter : *after) {
            if (!letter.is_array() || letter.size() != 3 || !letter[0].is_number_integer()
                || letter[0].get<long long>() <= last || letter[0].get<long long>() > MaxWordLetters)
                refuse(owner + " has the letter after a gap " + shown(letter)
                       + ", which is not [position, column, row] in order.");
            last = letter[0].get<int>();
            read.afterGap.push_back({last, readCell(Json::array({letter[1], letter[2]}), grid, owner)});
        }
    }
    const std::size_t letters = read.cells.size() + read.afterGap.size();
    if (read.cells.size() > static_cast<std::size_t>(MaxWordLetters))
        refuse("Its word " + wordLabel(word) + " has " + std::to_string(letters)
               + " letters; a word has at most 30.");
    if (clue.contains("answer") && clue["answer"].is_string()) {
        read.hasAnswer = true;
        for (const char c : clue["answer"].get<std::string>())
            if (std::isalpha(static_cast<unsigned char>(c)))
                read.answer += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return read;
}

// The letters of a word's cells in order; a square without a letter reads '?'.
std::string cellLetters(const IpuzWord& word, const IpuzGrid& grid)
{
    std::string letters;
    for (const auto& [c, r] : word.cells)
        letters += grid.letters[c][r] != 0 ? static_cast<char>(grid.letters[c][r]) : '?';
    return letters;
}

// Without a solution grid the answers give the letters; with one, they must agree with it.
void matchAnswer(const IpuzWord& read, int word, IpuzGrid& grid)
{
    if (!read.hasAnswer)
        return;
    if (!grid.hasSolution && read.answer.size() == read.cells.size()) {
        for (std::size_t i = 0; i < read.cells.size(); ++i)
            grid.letters[read.cells[i].first][read.cells[i].second] = static_cast<std::uint8_t>(read.answer[i]);
        return;
    }
    const std::string letters = cellLetters(read, grid);
    if (read.answer != letters)
        refuse("The answer of clue " + wordLabel(word) + ", " + read.answer + ", is not the letters of its cells, "
               + letters + ".");
}

void placeLetter(TPuzzleRecord& record, int word, int position, std::pair<int, int> cell)
{
    const auto [c, r] = cell;
    if (record.squareSlot(c + 1, r + 1) != 0)
        refuse("Its square [" + std::to_string(c) + ", " + std::to_string(r) + "] is a letter of two words.");
    const int slot = letterSlot(position, word);
    record.squareSlot(c + 1, r + 1) = static_cast<std::int16_t>(slot);
    record.setSlotSquare(slot, squareRef(c + 1, r + 1));
}

}  // namespace

bool isIpuzFileName(std::string_view path)
{
    std::string tail(path.substr(path.size() >= 5 ? path.size() - 5 : 0));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".ipuz";
}

TPuzzleRecord readIpuz(std::string_view text)
{
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& error) {
        refuse("It is not JSON: the text breaks off or goes wrong at byte " + std::to_string(error.byte) + ".");
    }
    if (!doc.is_object())
        refuse("It is not an ipuz puzzle.");
    checkVersionAndKind(doc);
    IpuzGrid grid;
    readDimensions(doc, grid);
    readSquares(doc, grid);

    const Json& clues = clueList(doc);
    std::vector<const Json*> wordClues;
    for (const Json& clue : clues) {
        if (!isQuoteClue(clue)) {
            wordClues.push_back(&clue);
            continue;
        }
        if (clue.contains("cells") && clue["cells"].is_array())
            for (const Json& cell : clue["cells"])
                readCell(cell, grid, "The quotation's clue");
    }
    if (wordClues.size() > static_cast<std::size_t>(MaxWords))
        refuse("It has " + std::to_string(wordClues.size()) + " words; a puzzle has at most 30.");
    std::vector<IpuzWord> words;
    for (std::size_t w = 0; w < wordClues.size(); ++w) {
        words.push_back(readWord(*wordClues[w], static_cast<int>(w) + 1, grid));
        matchAnswer(words.back(), static_cast<int>(w) + 1, grid);
    }

    TPuzzleRecord record;
    resetPuzzle(record, grid.width, grid.height);
    for (int c = 1; c <= grid.width; ++c)
        for (int r = 1; r <= grid.height; ++r) {
            if (grid.filled[c - 1][r - 1]) {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
                continue;
            }
            record.answer(c, r) = grid.letters[c - 1][r - 1];
            record.entry(c, r) = grid.entries[c - 1][r - 1];
        }
    for (std::size_t w = 0; w < words.size(); ++w) {
        const int word = static_cast<int>(w) + 1;
        for (std::size_t i = 0; i < words[w].cells.size(); ++i)
            placeLetter(record, word, static_cast<int>(i) + 1, words[w].cells[i]);
        for (const auto& [position, cell] : words[w].afterGap)
            placeLetter(record, word, position, cell);
        record.Clues[w].assign(words[w].clue);
    }
    if (const auto author = doc.find("author"); author != doc.end() && !author->is_null())
        record.Byline.assign(recordText(*author, "Its author"));
    return record;
}

void loadIpuzFile(const std::filesystem::path& path, TPuzzleRecord& record)
{
    record = readIpuz(readWholeFile(path, MaxIpuzBytes,
                                    std::string(IpuzRefusedMessage) + "\nIt is larger than an acrostic can be."));
}

}  // namespace zpx
