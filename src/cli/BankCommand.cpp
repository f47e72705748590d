#include "cli/CliSupport.h"

#include "core/Cp1252.h"
#include "dbf/ClueBank.h"
#include "dbf/DbfError.h"

#include <fstream>
#include <iostream>

namespace zpx::cli {

namespace {

using namespace zpx::dbf;

std::string wordArgument(std::string_view utf8)
{
    return upperWord(utf8ToCp1252(utf8));
}

std::vector<std::string> readLines(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw DbfError(ErrorCode::FileNotFound, "Attempt to open " + name + " [bank]");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void printDefinitions(const std::vector<std::string>& definitions, const std::string& prefix)
{
    for (const std::string& definition : definitions)
        std::cout << prefix << cp1252ToUtf8(definition) << '\n';
}

int lookUp(TTzDbf& table, const ParsedArguments& parsed)
{
    if (parsed.has("--batch")) {
        if (parsed.positional.size() != 1)
            throw UsageError("give the bank and --batch FILE");
        for (const std::string& line : readLines(parsed.value("--batch"))) {
            const std::string word = wordArgument(line);
            if (const auto definitions = lookUpWord(table, word))
                printDefinitions(*definitions, cp1252ToUtf8(word) + '\t');
        }
        return ExitOk;
    }
    if (parsed.positional.size() != 2)
        throw UsageError("give the bank and one word");
    const auto definitions = lookUpWord(table, wordArgument(parsed.positional[1]));
    if (!definitions)
        return refuse("No Definitions!");
    printDefinitions(*definitions, "");
    return ExitOk;
}

int import(TTzDbf& table, const BankFiles& files, const std::string& tsv)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    int number = 0;
    for (const std::string& line : readLines(tsv)) {
        ++number;
        if (line.empty())
            continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            return refuse(tsv + ", line " + std::to_string(number) + ": no tab between the word and its definition");
        pairs.emplace_back(wordArgument(line.substr(0, tab)), utf8ToCp1252(line.substr(tab + 1)));
    }
    importDefinitions(table, files, pairs);
    return ExitOk;
}

int check(TTzDbf& table)
{
    const BankCheck result = checkClueBank(table);
    for (const std::string& problem : result.problems)
        std::cout << cp1252ToUtf8(problem) << '\n';
    if (!result.problems.empty())
        return ExitRefused;
    std::cout << "ok: " << result.records << " records, " << result.words << " words\n";
    return ExitOk;
}

int runBank(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--batch"});
    if (parsed.positional.size() < 2)
        throw UsageError("give an action and a bank");
    const std::string& action = parsed.positional[0];
    const BankFiles files = bankFiles(parsed.positional[1]);
    const std::vector<std::string> rest(parsed.positional.begin() + 1, parsed.positional.end());
    const auto expect = [&](std::size_t count, const char* what) {
        if (rest.size() != count || parsed.has("--batch"))
            throw UsageError(what);
    };
    try {
        if (action == "create") {
            expect(1, "give the bank to create");
            createClueBank(files);
            return ExitOk;
        }
        TTzDbf table;
        table.SetDbfFileName(files.data);
        table.SetActive(true);
        if (action == "index") {
            expect(1, "give the bank to index");
            table.BuildIndex(files.index, EntryField);
            return ExitOk;
        }
        table.SetIndexTo(files.index);
        table.SetHideDeletedRecs(true);
        if (action == "lookup")
            return lookUp(table, ParsedArguments{parsed.options, rest});
        if (action == "add") {
            expect(3, "give the bank, a word and a definition");
            addDefinition(table, wordArgument(rest[1]), utf8ToCp1252(rest[2]));
            return ExitOk;
        }
        if (action == "import") {
            expect(2, "give the bank and a file of WORD<TAB>DEFINITION lines");
            return import(table, files, rest[1]);
        }
        if (action == "check") {
            expect(1, "give the bank to check");
            table.SetHideDeletedRecs(false);
            return check(table);
        }
        throw UsageError("unknown action " + action);
    } catch (const DbfError& error) {
        return refuse(error.what());
    }
}

}  // namespace

extern const Command BankCommand = {
    "bank",
    "bank create|add|lookup|import|index|check BANK [WORD DEFINITION | WORD | --batch FILE | TSV]",
    "the clue bank (BANK.DBF with its index BANK.NDX): create one, add a definition to a word, look words up, "
    "import WORD<TAB>DEFINITION lines, rebuild the index, check records against the index",
    runBank,
};

}  // namespace zpx::cli
