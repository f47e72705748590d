#include "dbf/ClueBank.h"

#include "dbf/DbfError.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

namespace zpx::dbf {

namespace {

// Another program holds a record only for one write; a lock still refused
// after this long is held by a program that has stopped.
constexpr std::chrono::seconds LockPatience{30};

std::string rtrim(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string trim(std::string_view text)
{
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(" \t") - begin + 1));
}

std::string entryOf(TTzDbf& table)
{
    return rtrim(table.GetField(EntryField));
}

// Walking a word's records or to the next word visits each record at most
// once; a walk that goes on longer follows a damaged index round in a circle.
class StepBudget {
public:
    explicit StepBudget(TTzDbf& table) : table_(table) {}
    void spend()
    {
        // Counted at the first step, as most walks take none.
        if (!counted_) {
            left_ = std::uint64_t{table_.RecordCount()} + 1;
            counted_ = true;
        }
        if (left_-- == 0)
            throw DbfError(ErrorCode::CorruptIndex, table_.DbfFileName() + " [MoveBy]");
    }

private:
    TTzDbf& table_;
    bool counted_ = false;
    std::uint64_t left_ = 0;
};

template <typename Take>
void repeatUntilLocked(TTzDbf& table, Take take, std::string_view operation)
{
    const auto giveUp = std::chrono::steady_clock::now() + LockPatience;
    while (!take()) {
        if (std::chrono::steady_clock::now() > giveUp)
            throw DbfError(ErrorCode::LockViolation, table.DbfFileName() + " [" + std::string(operation) + "]");
        std::this_thread::yield();
    }
}

void lockRecord(TTzDbf& table)
{
    repeatUntilLocked(table, [&] { return table.RLock(); }, "RLock");
}

void lockAppend(TTzDbf& table)
{
    repeatUntilLocked(table, [&] { return table.ALock(); }, "ALock");
}

// Moves to the next record when it is `key`'s continuation.
bool moveToContinuation(TTzDbf& table, const std::string& key)
{
    return table.MoveBy(1) == 1 && entryOf(table) == key;
}

// The definitions of the word whose first record is current; a MORE flag
// that leads to another word's record ends the word there.
std::vector<std::string> readDefinitions(TTzDbf& table)
{
    std::vector<std::string> definitions;
    std::string key = entryOf(table);
    for (StepBudget budget(table);; budget.spend()) {
        for (int f = FirstDefinitionField; f <= table.FieldCount(); ++f)
            if (std::string value = rtrim(table.GetField(table.Field(f))); !value.empty())
                definitions.push_back(std::move(value));
        key += '&';
        if (!table.GetLField(MoreField) || !moveToContinuation(table, key))
            break;
    }
    goToWordStart(table);
    return definitions;
}

void fillRecord(TTzDbf& table, const std::string& key, const std::vector<std::string>& definitions, std::size_t first,
                bool more)
{
    table.ClearRecord();
    table.SetCField(EntryField, key);
    table.SetLField(MoreField, more);
    for (std::size_t k = 0; k < DefinitionsPerRecord && first + k < definitions.size(); ++k)
        table.SetCField(table.Field(FirstDefinitionField + static_cast<int>(k)), definitions[first + k]);
}

// Writes the definitions over the word's records; the current record is the
// word's first and is locked by the caller.
void storeDefinitions(TTzDbf& table, const std::vector<std::string>& definitions)
{
    const std::size_t count = definitions.size();
    const std::size_t records = std::max<std::size_t>(1, (count + DefinitionsPerRecord - 1) / DefinitionsPerRecord);
    std::string key = entryOf(table);
    bool oldMore = false;
    for (std::size_t i = 1; i <= records; ++i) {
        oldMore = table.GetLField(MoreField);
        fillRecord(table, key, definitions, DefinitionsPerRecord * (i - 1), DefinitionsPerRecord * i < count);
        lockRecord(table);
        table.ReplaceRec();
        key += '&';
        if (i == records)
            break;
        if (oldMore && moveToContinuation(table, key))
            continue;
        // The new record is written again, complete, in the next pass.
        fillRecord(table, key, {}, 0, false);
        lockAppend(table);
        table.AppendRec();
        oldMore = false;
    }
    // Continuation records the fewer definitions no longer need.
    for (StepBudget budget(table); oldMore && moveToContinuation(table, key); budget.spend()) {
        oldMore = table.GetLField(MoreField);
        lockRecord(table);
        table.DeleteRec();
        key += '&';
    }
    goToWordStart(table);
}

void addWordRecord(TTzDbf& table, const std::string& word, const std::string& definition)
{
    fillRecord(table, word, {definition}, 0, false);
    table.AppendRec();
}

}  // namespace

BankFiles bankFiles(std::string_view bank)
{
    const std::filesystem::path path{std::string(bank)};
    if (path.has_extension())
        return {std::string(bank), std::string(bank.substr(0, bank.size() >= 4 ? bank.size() - 4 : 0))};
    return {withDefaultExtension(bank, "DBF"), std::string(bank)};
}

void createClueBank(const BankFiles& files)
{
    const std::string indexFile = files.index + ".NDX";
    for (const std::string& name : {files.data, indexFile})
        if (std::error_code ignored; std::filesystem::exists(name, ignored))
            throw DbfError(ErrorCode::AccessDenied, name + " already exists [Create]");
    std::vector<FieldDef> fields{{std::string(EntryField), 'C', EntryLength, 0}, {std::string(MoreField), 'L', 1, 0}};
    for (int i = 1; i <= DefinitionsPerRecord; ++i)
        fields.push_back({"DEF" + std::to_string(i), 'C', DefinitionLength, 0});
    createDataFile(files.data, fields);
    TTzDbf table;
    table.SetDbfFileName(files.data);
    table.SetActive(true);
    table.BuildIndex(indexFile, EntryField);
}

void openClueBank(TTzDbf& table, const BankFiles& files)
{
    table.SetActive(false);
    table.SetDbfFileName(files.data);
    table.SetActive(true);
    table.SetIndexTo(files.index);
    table.SetHideDeletedRecs(true);
}

std::optional<std::vector<std::string>> lookUpWord(TTzDbf& table, std::string_view word)
{
    if (!table.FindExact(word)) {
        table.FindNear(word);
        return std::nullopt;
    }
    return readDefinitions(table);
}

void goToWordStart(TTzDbf& table)
{
    for (StepBudget budget(table); entryOf(table).find('&') != std::string::npos; budget.spend())
        if (table.MoveBy(-1) == 0)
            break;
}

std::optional<std::string> nextWord(TTzDbf& table)
{
    if (table.RecordCount() == 0)
        return std::nullopt;
    table.MoveBy(1);
    for (StepBudget budget(table); entryOf(table).find('&') != std::string::npos && !table.Eof(); budget.spend())
        table.MoveBy(1);
    if (table.Eof()) {
        // The last record may continue the last word: show that word, never
        // a continuation as a word of its own.
        table.Last();
        goToWordStart(table);
    }
    return entryOf(table);
}

std::optional<std::string> previousWord(TTzDbf& table)
{
    if (table.RecordCount() == 0)
        return std::nullopt;
    table.MoveBy(-1);
    goToWordStart(table);
    if (table.Bof())
        table.First();
    return entryOf(table);
}

AddResult addDefinition(TTzDbf& table, std::string_view wordText, std::string_view definitionText)
{
    const std::string word(wordText);
    const std::string definition(definitionText);
    for (;;) {
        if (table.FindExact(word)) {
            const std::uint32_t first = table.RecNo();
            lockRecord(table);
            // Under the lock the word is read afresh: another program may
            // have changed it since it was shown.
            if (!table.FindExact(word) || table.RecNo() != first) {
                table.UnLock();
                continue;
            }
            std::vector<std::string> definitions = readDefinitions(table);
            const bool blank = trim(definition).empty();
            if (blank || std::find(definitions.begin(), definitions.end(), definition) != definitions.end()) {
                table.UnLock();
                return {blank ? AddOutcome::Blank : AddOutcome::AlreadyThere, definitions};
            }
            definitions.push_back(definition);
            try {
                storeDefinitions(table, definitions);
            } catch (...) {
                table.UnLock();
                throw;
            }
            table.UnLock();
            return {AddOutcome::Added, definitions};
        }
        if (trim(definition).empty())
            return {AddOutcome::Blank, {}};
        lockAppend(table);
        if (table.FindExact(word)) {
            table.UnLock();
            continue;
        }
        try {
            addWordRecord(table, word, definition);
        } catch (...) {
            table.UnLock();
            throw;
        }
        table.UnLock();
        return {AddOutcome::Added, {definition}};
    }
}

void importDefinitions(TTzDbf& table, const BankFiles& files,
                       const std::vector<std::pair<std::string, std::string>>& pairs)
{
    lockAppend(table);
    if (table.RecordCount() > 0) {
        table.UnLock();
        for (const auto& [word, definition] : pairs)
            addDefinition(table, word, definition);
        return;
    }
    // A new bank: every word's records in one pass, then the index in bulk.
    std::vector<std::pair<std::string, std::string>> sorted(pairs);
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    struct Slice {
        std::string key;
        std::vector<std::string> definitions;
        bool more;
    };
    std::vector<Slice> records;
    for (std::size_t i = 0; i < sorted.size();) {
        std::vector<std::string> definitions;
        std::size_t end = i;
        for (; end < sorted.size() && sorted[end].first == sorted[i].first; ++end)
            if (!trim(sorted[end].second).empty() &&
                std::find(definitions.begin(), definitions.end(), sorted[end].second) == definitions.end())
                definitions.push_back(sorted[end].second);
        std::string key = sorted[i].first;
        for (std::size_t first = 0; first < definitions.size(); first += DefinitionsPerRecord) {
            const auto last = std::min(definitions.size(), first + DefinitionsPerRecord);
            records.push_back({key, {definitions.begin() + static_cast<std::ptrdiff_t>(first),
                                     definitions.begin() + static_cast<std::ptrdiff_t>(last)},
                               last < definitions.size()});
            key += '&';
        }
        i = end;
    }
    try {
        table.SetIndexTo("");
        table.AppendRecs(records.size(), [&](std::size_t i) {
            fillRecord(table, records[i].key, records[i].definitions, 0, records[i].more);
        });
        table.BuildIndex(files.index, EntryField);
    } catch (...) {
        table.UnLock();
        throw;
    }
    table.UnLock();
    table.SetHideDeletedRecs(true);
}

BankCheck checkClueBank(TTzDbf& table)
{
    BankCheck check;
    const std::uint32_t count = table.RecordCount();
    std::vector<std::uint32_t> seen(count + std::size_t{1}, 0);
    check.problems = table.WalkIndex([&](const IndexEntry& entry) {
        if (entry.record == 0 || entry.record > count) {
            check.problems.push_back("index entry \"" + rtrim(entry.key) + "\" names record " +
                                     std::to_string(entry.record) + ", beyond the " + std::to_string(count) +
                                     " records");
            return;
        }
        ++seen[entry.record];
        table.GoTo(entry.record);
        if (table.CurrentKey() != entry.key)
            check.problems.push_back("record " + std::to_string(entry.record) + " is indexed as \"" +
                                     rtrim(entry.key) + "\" but holds \"" + rtrim(table.CurrentKey()) + "\"");
    });
    for (std::uint32_t r = 1; r <= count; ++r) {
        table.GoTo(r);
        if (table.Deleted())
            continue;
        ++check.records;
        if (entryOf(table).find('&') == std::string::npos)
            ++check.words;
        if (seen[r] != 1)
            check.problems.push_back("record " + std::to_string(r) + " (\"" + entryOf(table) + "\") is in the index " +
                                     std::to_string(seen[r]) + " times");
    }
    return check;
}

std::string upperWord(std::string_view cp1252)
{
    std::string word(cp1252);
    for (char& c : word) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z')
            c = static_cast<char>(b - 32);
        else if ((b >= 0xE0 && b <= 0xFE && b != 0xF7))
            c = static_cast<char>(b - 32);
        else if (b == 0x9A || b == 0x9C || b == 0x9E)
            c = static_cast<char>(b - 16);
        else if (b == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return word;
}

}  // namespace zpx::dbf
