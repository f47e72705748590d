#pragma once
// The clue bank's records on top of the table: the definitions of a word,
// browsing word by word, and storing definitions back, shared by the clue
// database window and zpxtool.
//
// A word keeps ten definitions a record; more continue in records keyed by
// the word with one "&" added per record ("OCEAN", "OCEAN&", "OCEAN&&"), MORE
// true on every record but the last. "&" sorts before the letters, so the
// continuations follow the word directly in the index.
//
// Texts are Windows-1252 bytes, as the table holds them.

#include "dbf/TzDbf.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zpx::dbf {

inline constexpr std::string_view EntryField = "ENTRY";
inline constexpr std::string_view MoreField = "MORE";
constexpr int FirstDefinitionField = 3;
constexpr int DefinitionsPerRecord = 10;
constexpr int EntryLength = 40;
constexpr int DefinitionLength = 80;

struct BankFiles {
    std::string data;   // BANK.DBF
    std::string index;  // BANK, whose index the table names BANK.NDX
};

// "BANK" names BANK.DBF and BANK.NDX (or the lower-case spellings where only
// those exist); a name with an extension is the data file itself, its index
// named after it without the last four characters.
BankFiles bankFiles(std::string_view bank);

// Makes a new, empty bank: ENTRY (character 40), MORE (logical) and ten
// definition fields of 80 characters, with its index. Existing files are refused.
void createClueBank(const BankFiles& files);

// Opens the bank shared with its index, deleted records hidden.
void openClueBank(TTzDbf& table, const BankFiles& files);

// The word's definitions in record and field order, the table left on its
// first record; none (and the table on the next word) when it has no record.
std::optional<std::vector<std::string>> lookUpWord(TTzDbf& table, std::string_view word);

// Moves back from a continuation record to its word's first record.
void goToWordStart(TTzDbf& table);

// The word after / before the current one, the table on its first record;
// none in an empty bank.
std::optional<std::string> nextWord(TTzDbf& table);
std::optional<std::string> previousWord(TTzDbf& table);

enum class AddOutcome { Added, AlreadyThere, Blank };
struct AddResult {
    AddOutcome outcome;
    std::vector<std::string> definitions;  // the word's definitions as stored now
};

// Adds one definition to the word, as the Autoclue window's add does: a
// blank or present definition changes nothing; a word without record gets
// one; otherwise every record of the word is written again, continuation
// records reused, appended or deleted as the count needs. The word's first
// record stays locked from reading its definitions to the last write, so two
// programs adding to one word at once both keep their definitions.
AddResult addDefinition(TTzDbf& table, std::string_view word, std::string_view definition);

// Adds "word, definition" pairs; a bank still empty is written in one pass
// and indexed in bulk afterwards.
void importDefinitions(TTzDbf& table, const BankFiles& files,
                       const std::vector<std::pair<std::string, std::string>>& pairs);

struct BankCheck {
    std::vector<std::string> problems;
    std::uint32_t records = 0;  // live records
    std::uint32_t words = 0;
};

// Reads every record and every index page: the index must hold every live
// record exactly once, in key order, under the record's own key.
BankCheck checkClueBank(TTzDbf& table);

// Upper-cases Windows-1252 text as the Autoclue window shows answers.
std::string upperWord(std::string_view cp1252);

}  // namespace zpx::dbf
