#include "dbf/DbfError.h"
#include "support/ClueBankFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using namespace zpx;
using namespace zpx::dbf;

namespace {

using ClueBank = test::ClueBankFixture;

std::vector<std::string> numbered(const std::string& stem, int first, int last)
{
    std::vector<std::string> texts;
    for (int i = first; i <= last; ++i)
        texts.push_back(stem + std::to_string(i));
    return texts;
}

// The report of `action`, or "" when it succeeded.
template <typename Action>
std::string reportOf(Action action)
{
    try {
        action();
    } catch (const DbfError& error) {
        return error.what();
    }
    return "";
}

void patch(const std::string& name, std::uint64_t offset, std::initializer_list<std::uint8_t> bytes)
{
    std::fstream f(name, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(offset));
    for (std::uint8_t b : bytes)
        f.put(static_cast<char>(b));
}

}  // namespace

TEST_F(ClueBank, DefinitionsSpreadOverContinuationRecordsInOrder)
{
    add("OCEAN", 12);
    add("RIVER", 10);
    EXPECT_EQ(lookUpWord(table, "OCEAN"), numbered("def ", 1, 12));
    EXPECT_EQ(table.GetField("ENTRY").substr(0, 6), "OCEAN ");
    EXPECT_TRUE(table.GetLField("MORE"));
    ASSERT_EQ(table.MoveBy(1), 1);
    EXPECT_EQ(table.GetCField("ENTRY").substr(0, 7), "OCEAN& ");
    EXPECT_FALSE(table.GetLField("MORE"));

    // The 11th definition of a word with ten starts its continuation record.
    EXPECT_EQ(lookUpWord(table, "RIVER")->size(), 10u);
    EXPECT_FALSE(table.GetLField("MORE"));
    EXPECT_EQ(addDefinition(table, "RIVER", "def 11").outcome, AddOutcome::Added);
    ASSERT_TRUE(table.FindExact("RIVER&"));
    EXPECT_EQ(table.GetCField(table.Field(3)).substr(0, 7), "def 11 ");
    EXPECT_TRUE(table.FindExact("RIVER") && table.GetLField("MORE"));

    EXPECT_EQ(addDefinition(table, "RIVER", "def 4").outcome, AddOutcome::AlreadyThere);
    EXPECT_EQ(addDefinition(table, "RIVER", "   ").outcome, AddOutcome::Blank);
    EXPECT_EQ(addDefinition(table, "LAKE", "").outcome, AddOutcome::Blank);
    EXPECT_FALSE(lookUpWord(table, "LAKE"));
    EXPECT_EQ(table.RecordCount(), 4u);

    // A definition longer than its field keeps the first 80 characters.
    addDefinition(table, "LAKE", std::string(100, 'x'));
    EXPECT_EQ(lookUpWord(table, "LAKE"), std::vector<std::string>{std::string(80, 'x')});

    EXPECT_EQ(pythonRecords().out, "OCEAN|True|def 1\nOCEAN&|False|def 11\nRIVER|True|def 1\nRIVER&|False|def 11\n"
                                   "LAKE|False|" + std::string(80, 'x') + "\n");
}

TEST_F(ClueBank, FindingAndBrowsingFollowTheIndex)
{
    for (const char* word : {"OCEANS", "OCEAN", "BAY", "SEA"})
        addDefinition(table, word, "water");
    add("SEA", 11);

    EXPECT_TRUE(table.FindExact("OCEAN"));
    EXPECT_EQ(table.GetCField("ENTRY").substr(0, 6), "OCEAN ");
    EXPECT_FALSE(table.FindExact("OCEA"));
    EXPECT_FALSE(table.FindExact("SEA&&"));
    EXPECT_TRUE(table.FindNear("OCEANA"));
    EXPECT_EQ(table.GetCField("ENTRY").substr(0, 7), "OCEANS ");
    EXPECT_FALSE(table.FindNear("TIDE"));
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(previousWord(table), "SEA");

    // Next on the last word, whose records continue, stays on that word.
    EXPECT_EQ(nextWord(table), "SEA");
    EXPECT_EQ(table.GetCField("ENTRY").substr(0, 4), "SEA ");
    EXPECT_EQ(previousWord(table), "OCEANS");
    EXPECT_EQ(previousWord(table), "OCEAN");
    EXPECT_EQ(previousWord(table), "BAY");
    EXPECT_EQ(previousWord(table), "BAY");
    EXPECT_EQ(nextWord(table), "OCEAN");

    // With deleted records hidden, a deleted continuation is skipped.
    ASSERT_TRUE(table.FindExact("SEA&"));
    ASSERT_TRUE(table.RLock());
    table.DeleteRec();
    table.UnLock();
    ASSERT_TRUE(table.FindExact("SEA"));
    EXPECT_EQ(table.MoveBy(1), 0);
    EXPECT_TRUE(table.Eof());
    table.SetHideDeletedRecs(false);
    EXPECT_TRUE(table.FindExact("SEA&"));
}

TEST_F(ClueBank, StoringFewerDefinitionsDeletesSpareContinuations)
{
    add("TIDE", 25);
    ASSERT_TRUE(table.FindExact("TIDE&&"));
    // Another program empties the word's continuation fields; the next add
    // writes the word's eleven definitions in two records and deletes the third.
    for (const char* key : {"TIDE&", "TIDE&&"}) {
        ASSERT_TRUE(table.FindExact(key));
        const bool more = table.GetLField("MORE");
        table.ClearRecord();
        table.SetCField("ENTRY", key);
        table.SetLField("MORE", more);
        ASSERT_TRUE(table.RLock());
        table.ReplaceRec();
        table.UnLock();
    }
    add("TIDE", 5, "new ");
    EXPECT_EQ(lookUpWord(table, "TIDE")->size(), 15u);
    EXPECT_FALSE(table.FindExact("TIDE&&"));
    table.SetHideDeletedRecs(false);
    EXPECT_TRUE(table.FindExact("TIDE&&") && table.Deleted());
}

TEST_F(ClueBank, TheEngineReportsMisuseInItsOwnWords)
{
    TTzDbf closed;
    EXPECT_EQ(reportOf([&] { closed.FindExact("SEA"); }),
              "Error # 1103 (Invalid Operation )\r\nDatabase is not open [CluesDBF.FindExact]");
    const std::string name = bank.data;
    EXPECT_EQ(reportOf([&] { table.GetCField("MORE"); }),
              "Error # 220 (Invalid parameter)\r\n'GetCField()' expects field 'MORE' to be of type:\r\n"
              "'Character'.'" + name + "' actually is: 'Logical'");
    EXPECT_EQ(reportOf([&] { table.SetLField("ENTRY", true); }),
              "Error # 220 (Invalid parameter)\r\n'SetLField()' expects field 'ENTRY' to be of type:\r\n"
              "'Logical'.'" + name + "' actually is: 'Character'");
    EXPECT_EQ(reportOf([&] { table.GetField("WORD"); }),
              "Error # 220 (Invalid parameter)\r\nField 'WORD' not in '" + name + "' [GetField]");
    EXPECT_EQ(reportOf([&] { table.SetIndexTo(path("OTHER")); }),
              "Error # 2 (File not found)\r\nAttempt to open " + path("OTHER.NDX") + " [SetIndexTo(...,1)]");
    table.SetIndexTo(bank.index);
    // Writes need their lock.
    add("REEF", 1);
    EXPECT_EQ(reportOf([&] { table.ReplaceRec(); }), "Error # 1200 (Record not locked)\r\n" + name + " [ReplaceRec]");
    EXPECT_EQ(reportOf([&] { table.AppendRec(); }), "Error # 1201 (File not locked)\r\n" + name + " [AppendRec]");

    // A name without extension means the .DBF and its .NDX.
    TTzDbf byName;
    byName.SetDbfFileName("  " + path("BANK") + " ");
    byName.SetActive(true);
    EXPECT_EQ(byName.DbfFileName(), name);
    byName.SetIndexTo(path("BANK"));
    EXPECT_TRUE(byName.FindExact("REEF"));
}

TEST_F(ClueBank, DamagedFilesGiveTheReportNeverACrash)
{
    add("OCEAN", 3);
    table.SetActive(false);
    const std::string pristine = readText(bank.data);
    const std::string pristineIndex = readText(bank.index + ".NDX");
    const std::string name = bank.data;
    const std::string notDbase = "Error # 210 (Not a dBASE data file)\r\n" + name + " is not a dBASE database.";
    struct Damage {
        const char* what;
        std::function<void()> apply;
        std::string report;
    };
    const std::vector<Damage> damages = {
        {"truncated header", [&] { fs::resize_file(name, 20); }, notDbase + " (Prolog is less than 32 bytes) [USE/OpenDBF]"},
        {"wrong version byte", [&] { patch(name, 0, {0x8B}); }, notDbase + "(Invalid version byte)+ [USE/OpenDBF]"},
        {"no fields", [&] { patch(name, 8, {32, 0}); }, notDbase + " (Number of fields is out of range) [Use/OpenDbf]"},
        {"too many fields", [&] { patch(name, 8, {0x20, 0x21}); },
         notDbase + " (Number of fields is out of range) [Use/OpenDbf]"},
        {"field list cut short", [&] { fs::resize_file(name, 100); },
         "Error # 100 (Disk read error)\r\nError reading " + name + " [Use/OpenDbf]"},
        {"record count beyond the file", [&] { patch(name, 4, {0xFF, 0xFF, 0, 0}); },
         "Error # 213 (End of file found unexpectedly)\r\nError reading " + name + " [Use/OpenDbf]"},
        {"unknown field type", [&] { patch(name, 32 + 11, {'X'}); },
         "Error # 211 (Invalid database field type encountered)\r\n" + name + " [Use/OpenDbf]"},
        {"index root outside the file", [&] { patch(bank.index + ".NDX", 0, {0x40}); },
         "Error # 222 (Corrupted index file)\r\n" + bank.index + ".NDX [SetIndexTo(...,1)]"},
        {"index page with too many keys", [&] { patch(bank.index + ".NDX", 512, {0xFF}); },
         "Error # 222 (Corrupted index file)\r\n" + bank.index + ".NDX [First]"},
    };
    for (const Damage& damage : damages) {
        std::ofstream(name, std::ios::binary) << pristine;
        std::ofstream(bank.index + ".NDX", std::ios::binary) << pristineIndex;
        damage.apply();
        EXPECT_EQ(reportOf([&] { openClueBank(table, bank); }), damage.report) << damage.what;
    }

    // Random damage anywhere in either file: a report or a working table.
    std::ofstream(name, std::ios::binary) << pristine;
    std::ofstream(bank.index + ".NDX", std::ios::binary) << pristineIndex;
    openClueBank(table, bank);
    add("RIVER", 25);
    for (int i = 0; i < 30; ++i)
        add("W" + std::to_string(i * 7919 % 1000), 1);
    table.SetActive(false);
    const std::string grown = readText(name);
    const std::string grownIndex = readText(bank.index + ".NDX");
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        std::string data = grown, index = grownIndex;
        std::string& victim = round % 2 ? index : data;
        for (int flips = 0; flips < 1 + round % 5; ++flips)
            victim[random() % victim.size()] = static_cast<char>(random());
        if (round % 7 == 0)
            victim.resize(random() % victim.size());
        std::ofstream(name, std::ios::binary) << data;
        std::ofstream(bank.index + ".NDX", std::ios::binary) << index;
        reportOf([&] {
            openClueBank(table, bank);
            lookUpWord(table, "RIVER");
            for (int step = 0; step < 40; ++step)
                nextWord(table);
            addDefinition(table, "W7", "fresh");
            checkClueBank(table);
        });
    }
}

TEST_F(ClueBank, IndexPagesSplitAndOutsideReadersAgree)
{
    std::vector<std::string> words;
    std::mt19937 random(7);
    for (int i = 0; i < 600; ++i) {
        std::string word;
        for (int n = 3 + static_cast<int>(random() % 8); n > 0; --n)
            word += static_cast<char>('A' + random() % 26);
        words.push_back(word);
        addDefinition(table, word, "meaning of " + word);
    }
    add(words[0], 14);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    const BankCheck check = checkClueBank(table);
    EXPECT_TRUE(check.problems.empty());
    EXPECT_EQ(check.words, words.size());
    EXPECT_EQ(check.records, words.size() + 1);

    // Perl reads every key through the index, in key order, each naming its record.
    std::vector<std::string> seen;
    for (const std::string& line : perlIndex().lines()) {
        const std::string key = line.substr(0, line.find('|'));
        ASSERT_TRUE(table.FindExact(key)) << key;
        EXPECT_EQ(line.substr(line.find('|') + 1), std::to_string(table.RecNo()));
        if (key.find('&') == std::string::npos)
            seen.push_back(key);
    }
    EXPECT_EQ(seen, words);
    const test::ToolRun view = shell("dbview -b -t -d '|' " + quoted(bank.data));
    EXPECT_EQ(view.exitCode, 0);
    EXPECT_EQ(view.lines().size(), words.size() + 1);
    EXPECT_EQ(pythonRecords().lines().size(), words.size() + 1);
}

TEST_F(ClueBank, TwoTablesInOneProcessKeepTheirOwnLocksAndSeeEachOthersWrites)
{
    add("OCEAN", 1);
    TTzDbf other("Other");
    openClueBank(other, bank);
    ASSERT_TRUE(table.FindExact("OCEAN") && other.FindExact("OCEAN"));
    ASSERT_TRUE(table.RLock());
    EXPECT_FALSE(other.RLock());
    ASSERT_TRUE(other.ALock());
    EXPECT_FALSE(table.ALock());
    table.UnLock();
    EXPECT_TRUE(other.RLock());
    other.UnLock();

    // Pages split by one table are read afresh by the other.
    for (int i = 0; i < 200; ++i)
        addDefinition(other, "WORD" + std::to_string(i), "by the other");
    EXPECT_EQ(lookUpWord(table, "WORD150"), std::vector<std::string>{"by the other"});
    add("WORD150", 2);
    EXPECT_EQ(lookUpWord(other, "WORD150")->size(), 3u);
    EXPECT_TRUE(checkClueBank(table).problems.empty());
}

TEST_F(ClueBank, FourProcessesAddingAtOnceLoseNothing)
{
    add("SEED", 1);
    std::string commands;
    for (int p = 1; p <= 4; ++p) {
        std::string lines;
        for (int i = 1; i <= 500; ++i)
            lines += "w" + std::to_string(i % 23) + "\tprocess " + std::to_string(p) + " definition " +
                     std::to_string(i) + "\n";
        commands += quoted(ZPXTOOL_PATH) + " bank import " + quoted(path("BANK")) + " " +
                    quoted(file("p" + std::to_string(p) + ".tsv", lines)) + " & ";
    }
    std::string words;
    for (int w = 0; w < 23; ++w)
        words += "W" + std::to_string(w) + "\n";
    // A fifth process reads all the while, through pages being split.
    const std::string reader = "for i in $(seq 30); do " + quoted(ZPXTOOL_PATH) + " bank lookup " +
                               quoted(path("BANK")) + " --batch " + quoted(file("words.txt", words)) +
                               " >/dev/null || echo unreadable; done & ";
    const test::ToolRun together = shell(commands + reader + "wait");
    ASSERT_EQ(together.exitCode, 0);
    EXPECT_EQ(together.out, "");
    const test::ToolRun found = run({"bank", "lookup", path("BANK"), "--batch", file("words.txt", words)});
    EXPECT_EQ(found.lines().size(), 2000u);
    const test::ToolRun check = run({"bank", "check", path("BANK")});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.ends_with(" records, 24 words\n")) << check.out;
}
