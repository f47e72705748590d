#include "cli/CliSupport.h"

#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "output/ExportFiles.h"
#include "output/ExportNames.h"

#include <algorithm>
#include <ctime>
#include <iostream>
#include <locale>
#include <sstream>

namespace zpx::cli {

namespace {

// Today's date in the user's short form, as the program writes it into an EPS file.
std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream text;
    try {
        text.imbue(std::locale(""));
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: the classic form is as good.
    }
    text << std::put_time(&local, "%x");
    return text.str();
}

AuthorAddress addressFrom(const ParsedArguments& parsed)
{
    AuthorAddress address;
    const std::pair<const char*, std::string*> fields[] = {{"--name", &address.name}, {"--add1", &address.add1},
                                                           {"--add2", &address.add2}, {"--add3", &address.add3},
                                                           {"--add4", &address.add4}};
    for (const auto& [option, field] : fields)
        if (parsed.has(option))
            *field = utf8ToCp1252(parsed.value(option));
    return address;
}

int runExport(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--name", "--add1", "--add2", "--add3", "--add4"});
    if (parsed.positional.size() != 3)
        throw UsageError("give the kind of export, the puzzle file and the name to export to");
    const std::string& kind = parsed.positional[0];
    const std::string& name = parsed.positional[2];
    const std::string kinds[] = {"eps", "wmf", "svg", "rtf", "txt", "ipuz", "jpz", "html"};
    if (std::find(std::begin(kinds), std::end(kinds), kind) == std::end(kinds))
        throw UsageError("the kind of export is eps, wmf, svg, rtf, txt, ipuz, jpz or html");
    if (kind != "rtf" && parsed.options.size() > 0)
        throw UsageError("the name and address are for the rtf manuscript only");
    const std::string& puzzle = parsed.positional[1];
    // The solvers' formats are titled as the print dialog titles the puzzle.
    const std::string title = exportTitle(puzzle);
    TPuzzleRecord record;
    WrittenFiles written;
    try {
        loadPuzzleFile(puzzle, record);
        if (kind == "eps" || kind == "wmf" || kind == "txt")
            written = writeClueTextFile(record, name);
        WrittenFiles files;
        if (kind == "eps")
            files = exportEpsFiles(record, name, today());
        else if (kind == "wmf")
            files = exportMetafileFiles(record, name);
        else if (kind == "svg")
            files = exportSvgFiles(record, name);
        else if (kind == "rtf")
            files = exportRtfFile(record, name, addressFrom(parsed));
        else if (kind == "ipuz")
            files = exportIpuzFile(record, name, title);
        else if (kind == "jpz")
            files = exportJpzFile(record, name, title);
        else if (kind == "html")
            files = exportWebPage(record, name, title);
        written.insert(written.end(), files.begin(), files.end());
    } catch (const FileError& error) {
        return refuse(error.what());
    }
    for (const std::string& file : written)
        std::cout << file << '\n';
    return ExitOk;
}

}  // namespace

extern const Command ExportCommand = {
    "export",
    "export eps|wmf|svg|rtf|txt|ipuz|jpz|html FILE.zpx NAME [--name TEXT --add1 TEXT … --add4 TEXT]",
    "write the Special menu's export files for the chosen name NAME and print their names (eps and wmf write the "
    "clue list NAME.TXT first; the rtf manuscript's name and address default to \"Your Name\", \"Address 1\" … "
    "\"Address 3\"; ipuz, jpz and html are for solvers: NAME.ipuz for GNOME Crosswords and the web solvers, "
    "NAME.jpz for the Crossword Nexus solver, NAME.html a web page to solve offline in a browser, each titled "
    "with the puzzle file's name)",
    runExport,
};

}  // namespace zpx::cli
