// The print command draws with Qt's fonts into PDF files: a platform service, hence a unit.
#include "cli/CliSupport.h"

#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "output/PageLayouts.h"
#include "output/PrinterCanvasUnit.h"
#include "output/SolutionBoxUnit.h"
#include "output/SolutionText.h"

#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace zpx::cli {

namespace {

struct LayoutName {
    const char* name;
    bool PrintChoices::*checked;
};

const LayoutName LayoutNames[] = {
    {"manuscript", &PrintChoices::manuscript},   {"msgrid", &PrintChoices::manuscriptGrid},
    {"numbered", &PrintChoices::numberedGrid},   {"solution", &PrintChoices::solutionGrid},
    {"puzzle", &PrintChoices::puzzlePage},
};

void chooseLayouts(const std::string& list, PrintChoices& choices)
{
    std::istringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        const auto* found = std::find_if(std::begin(LayoutNames), std::end(LayoutNames),
                                         [&](const LayoutName& layout) { return name == layout.name; });
        if (found == std::end(LayoutNames))
            throw UsageError("unknown layout " + name + " (manuscript, msgrid, numbered, solution, puzzle)");
        choices.*(found->checked) = true;
    }
    if (choices.layoutCount() == 0)
        throw UsageError("--layouts names no layout");
}

int copiesOf(const std::string& text)
{
    std::size_t used = 0;
    int copies = 0;
    try {
        copies = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || copies < 1 || copies > 99)
        throw UsageError("--copies takes a number from 1 to 99");
    return copies;
}

// The puzzle's file name without its last four characters, as the print dialog titles it.
std::string titleOf(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    return name.size() > 4 ? name.substr(0, name.size() - 4) : name;
}

int runPrint(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--layouts", "--out", "--copies", "--title", "--page"},
                                                  {"--for-solver", "--landscape", "--gray"});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    if (!parsed.has("--out"))
        throw UsageError("--out PREFIX names the PDF files");
    const bool forSolver = parsed.has("--for-solver");
    if (forSolver == parsed.has("--layouts"))
        throw UsageError("give either --layouts LIST or --for-solver");
    const std::string page = parsed.has("--page") ? parsed.value("--page") : "a4";
    if (page != "a4" && page != "letter")
        throw UsageError("--page is a4 or letter");

    PrintChoices choices;
    if (!forSolver) {
        chooseLayouts(parsed.value("--layouts"), choices);
        choices.copies = parsed.has("--copies") ? copiesOf(parsed.value("--copies")) : 1;
        choices.portrait = !parsed.has("--landscape");
        choices.gray = parsed.has("--gray");
    }

    const std::string& path = parsed.positional.front();
    TPuzzleRecord record;
    try {
        loadPuzzleFile(path, record);
    } catch (const FileError& error) {
        return refuse(error.what());
    }

    // Fonts need Qt's application object; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << message.toStdString() << '\n';
    });
    static int argc = 1;
    static char name[] = "zpxtool";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    PrintTexts texts;
    texts.title = forSolver || !parsed.has("--title") ? utf8ToCp1252(titleOf(path)) : utf8ToCp1252(parsed.value("--title"));
    texts.puzzlePageTitle = texts.title;
    const SolutionTexts solution = prepareSolutionTexts(record);
    texts.quotationLines = solutionBoxLines(printedText(solution.quotation));
    texts.authorTitle = solution.authorTitle;

    int number = 0;
    const QString prefix = QString::fromStdString(parsed.value("--out"));
    PdfJobs jobs(QPageLayout(QPageSize(page == "letter" ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF()),
                 [&] { return QStringLiteral("%1-%2.pdf").arg(prefix).arg(++number); });
    PrinterCanvas canvas(jobs);
    PrintFields fields;
    PagePrinter pages(canvas, record, fields, texts);
    try {
        pages.measureLines(0);
        if (forSolver)
            pages.printForSolver();
        else
            pages.printRun(choices);
    } catch (const PrintError& error) {
        return refuse(error.what());
    }
    for (const QString& file : canvas.files)
        std::cout << file.toStdString() << '\n';
    return ExitOk;
}

}  // namespace

extern const Command PrintCommand = {
    "print",
    "print FILE.zpx (--layouts LIST | --for-solver) --out PREFIX [--copies N] [--landscape] [--gray] "
    "[--title TEXT] [--page a4|letter]",
    "print the puzzle as the print dialog does, each print job to PREFIX-1.pdf, PREFIX-2.pdf, ...; LIST is "
    "a comma-separated subset of manuscript,msgrid,numbered,solution,puzzle; --for-solver prints the "
    "solver's puzzle page as solve mode does",
    runPrint,
};

}  // namespace zpx::cli
