// The clue bank against what a user would pick instead, SQLite: the same
// words with one definition each, built both ways in a scratch folder, then
// looked up and appended to side by side.
//
//   zpx_bank_bench [WORDS] [FOLDER]     (default 1000000 words, the system's temporary folder)
//
// Lookups: the bank's FindExact and the reading of the word's definitions
// against SQLite's indexed SELECT of the same words. Appends: a new record
// with its index upkeep under the append lock, and a new word through the
// clue database's add, against SQLite's single-row INSERT with its journal in
// memory and no sync. Memory: the peak resident size of
// `zpxtool bank lookup` on this bank and on a bank of 1000 words.

#include "dbf/ClueBank.h"

#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace zpx::dbf;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Lookups = 200000;
constexpr int Appends = 20000;

std::string wordNumber(std::uint64_t n)
{
    // Distinct words of 6 to 10 letters, spread over the alphabet.
    std::string word;
    std::uint64_t x = n * 2654435761u + 12345;
    for (int i = 0; i < 6 || (i < 10 && x % 3); ++i, x /= 26)
        word += static_cast<char>('A' + x % 26);
    return word + static_cast<char>('A' + n % 26) + static_cast<char>('A' + (n / 26) % 26) +
           static_cast<char>('A' + (n / 676) % 26) + static_cast<char>('A' + (n / 17576) % 26) +
           static_cast<char>('A' + (n / 456976) % 26);
}

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

double seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Measured by /usr/bin/time, whose own small process starts zpxtool: a fork
// of this benchmark would count the benchmark's own memory too.
long peakKilobytesOfLookup(const std::string& bank, const std::string& word)
{
    const std::string command = "/usr/bin/time -f %M " + std::string(ZPXTOOL_PATH) + " bank lookup '" + bank + "' " +
                                word + " 2>&1 >/dev/null";
    FILE* out = popen(command.c_str(), "r");
    long kilobytes = -1;
    if (out) {
        if (std::fscanf(out, "%ld", &kilobytes) != 1)
            kilobytes = -1;
        pclose(out);
    }
    return kilobytes;
}

void buildBank(const std::string& bank, std::uint64_t words)
{
    createClueBank(bankFiles(bank));
    TTzDbf table;
    openClueBank(table, bankFiles(bank));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::uint64_t n = 0; n < words; ++n)
        pairs.emplace_back(wordNumber(n), "definition " + std::to_string(n));
    importDefinitions(table, bankFiles(bank), pairs);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::uint64_t words = argc > 1 ? std::stoull(argv[1]) : 1000000;
    const fs::path folder = fs::path(argc > 2 ? argv[2] : fs::temp_directory_path().string()) /
                            ("zpx-bank-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string bank = (folder / "BANK").string();

    auto start = Clock::now();
    buildBank(bank, words);
    std::printf("built the bank of %llu words in %.1f s\n", static_cast<unsigned long long>(words), seconds(start));

    sqlite3* db = nullptr;
    check(sqlite3_open((folder / "bank.sqlite").c_str(), &db), db);
    check(sqlite3_exec(db, "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;"
                           "CREATE TABLE clues(word TEXT, definition TEXT);",
                       nullptr, nullptr, nullptr),
          db);
    start = Clock::now();
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db, "INSERT INTO clues VALUES(?, ?)", -1, &insert, nullptr), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    for (std::uint64_t n = 0; n < words; ++n) {
        const std::string word = wordNumber(n), definition = "definition " + std::to_string(n);
        sqlite3_bind_text(insert, 1, word.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, definition.c_str(), -1, SQLITE_TRANSIENT);
        check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    check(sqlite3_exec(db, "COMMIT; CREATE INDEX clues_word ON clues(word);", nullptr, nullptr, nullptr), db);
    std::printf("built the SQLite table in %.1f s\n", seconds(start));

    std::mt19937_64 random(42);
    std::vector<std::string> probes;
    for (int i = 0; i < Lookups; ++i)
        probes.push_back(wordNumber(random() % words));

    TTzDbf table;
    openClueBank(table, bankFiles(bank));
    std::size_t found = 0;
    start = Clock::now();
    for (const std::string& word : probes)
        found += lookUpWord(table, word)->size();
    const double bankLookup = seconds(start) / Lookups;

    sqlite3_stmt* select = nullptr;
    check(sqlite3_prepare_v2(db, "SELECT definition FROM clues WHERE word = ?", -1, &select, nullptr), db);
    std::size_t sqliteFound = 0;
    start = Clock::now();
    for (const std::string& word : probes) {
        sqlite3_bind_text(select, 1, word.c_str(), -1, SQLITE_STATIC);
        while (sqlite3_step(select) == SQLITE_ROW)
            sqliteFound += sqlite3_column_bytes(select, 0) > 0;
        sqlite3_reset(select);
    }
    const double sqliteLookup = seconds(start) / Lookups;
    if (found != sqliteFound || found != probes.size())
        throw std::runtime_error("the bank and SQLite found different definitions");

    // The engine's calling order for a new record, as the window appends one.
    start = Clock::now();
    for (int i = 0; i < Appends; ++i) {
        table.ClearRecord();
        table.SetCField(EntryField, "NEW" + wordNumber(words + i));
        table.SetLField(MoreField, false);
        table.SetCField(table.Field(FirstDefinitionField), "a new definition");
        while (!table.ALock()) {
        }
        table.AppendRec();
        table.UnLock();
    }
    const double bankAppend = seconds(start) / Appends;
    // A new word added through the window's own add, which first looks the
    // word up and looks again under the append lock.
    start = Clock::now();
    for (int i = 0; i < Appends; ++i)
        addDefinition(table, "ADD" + wordNumber(words + i), "a new definition");
    const double bankAdd = seconds(start) / Appends;
    start = Clock::now();
    for (int i = 0; i < Appends; ++i) {
        const std::string word = "NEW" + wordNumber(words + i);
        sqlite3_bind_text(insert, 1, word.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, "a new definition", -1, SQLITE_STATIC);
        check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    const double sqliteAppend = seconds(start) / Appends;
    sqlite3_finalize(select);
    sqlite3_finalize(insert);
    sqlite3_close(db);

    const std::string small = (folder / "SMALL").string();
    buildBank(small, 1000);
    const long bigPeak = peakKilobytesOfLookup(bank, wordNumber(words / 2));
    const long smallPeak = peakKilobytesOfLookup(small, wordNumber(500));

    std::printf("lookup  bank %6.2f us   SQLite %6.2f us   bank is %.2f x as fast\n", bankLookup * 1e6,
                sqliteLookup * 1e6, sqliteLookup / bankLookup);
    std::printf("append  bank %6.2f us   SQLite %6.2f us   bank is %.2f x as fast\n", bankAppend * 1e6,
                sqliteAppend * 1e6, sqliteAppend / bankAppend);
    std::printf("add     bank %6.2f us   SQLite %6.2f us   bank is %.2f x as fast\n", bankAdd * 1e6,
                sqliteAppend * 1e6, sqliteAppend / bankAdd);
    std::printf("zpxtool bank lookup peak memory: %ld KiB on %llu words, %ld KiB on 1000 words (%+ld KiB)\n", bigPeak,
                static_cast<unsigned long long>(words), smallPeak, bigPeak - smallPeak);
    fs::remove_all(folder);
    return 0;
}
