// The source tree keeps its floors: core at the ground, the subsystems on
// it, app and zpxtool on top. Read from the include lines of every file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int> Floors = {
    {"core", 0},      {"construct", 1}, {"clues", 1}, {"solve", 1}, {"output", 1},
    {"env", 1},       {"dbf", 1},       {"app", 2},   {"cli", 2},
};

struct Include {
    std::string file;     // "construct/ZpxGridUnit.cpp"
    int line = 0;
    std::string target;   // "core/PuzzleRecord.h", or "<QWidget>" for a system header
};

struct SourceFile {
    std::string path;  // relative to src, "construct/ZpxGridUnit.cpp"
    std::vector<Include> includes;
    std::vector<std::pair<int, std::string>> lines;
};

std::vector<SourceFile> readTree()
{
    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(ZPX_SOURCE_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
            continue;
        SourceFile file{fs::relative(entry.path(), ZPX_SOURCE_DIR).generic_string(), {}, {}};
        std::ifstream in(entry.path());
        std::string text;
        for (int n = 1; std::getline(in, text); ++n) {
            std::smatch match;
            if (std::regex_search(text, match, includeLine))
                file.includes.push_back({file.path, n, match[1] == "<" ? "<" + match[2].str() + ">" : match[2].str()});
            file.lines.emplace_back(n, text);
        }
        files.push_back(std::move(file));
    }
    return files;
}

const std::vector<SourceFile>& tree()
{
    static const std::vector<SourceFile> files = readTree();
    return files;
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.find('/'));
}

// "construct/ZpxGridUnit.cpp" and "construct/ZpxGridUnit.h" are one unit.
std::string unitOf(const std::string& path)
{
    return path.substr(0, path.rfind('.'));
}

bool isWindowFile(const std::string& path)
{
    return unitOf(path).ends_with("Unit");
}

std::string where(const Include& include)
{
    return include.file + ":" + std::to_string(include.line) + " includes " + include.target;
}

}  // namespace

TEST(Floors, EveryIncludeLeadsDownOrAcrossALogicHeader)
{
    ASSERT_GT(tree().size(), 20u);
    for (const SourceFile& file : tree()) {
        const std::string from = folderOf(file.path);
        ASSERT_TRUE(Floors.contains(from)) << file.path << " lies in no floor";
        for (const Include& include : file.includes) {
            if (include.target.front() == '<')
                continue;
            const std::string to = folderOf(include.target);
            ASSERT_TRUE(Floors.contains(to)) << where(include);
            if (to == from)
                continue;
            EXPECT_LE(Floors.at(to), Floors.at(from)) << where(include);
            // Beside each other, subsystems share logic only, never a window.
            if (Floors.at(to) == Floors.at(from)) {
                EXPECT_FALSE(isWindowFile(include.target)) << where(include);
            }
            EXPECT_NE(to, "app") << where(include);
        }
    }
}

TEST(Floors, LogicFilesUseNeitherQtNorWindows)
{
    for (const SourceFile& file : tree()) {
        if (isWindowFile(file.path) || file.path == "app/main.cpp")
            continue;
        for (const Include& include : file.includes) {
            EXPECT_FALSE(include.target.starts_with("<Q")) << where(include);
            EXPECT_FALSE(isWindowFile(include.target)) << where(include);
        }
    }
}

TEST(Floors, NoTwoUnitsIncludeEachOther)
{
    std::map<std::string, std::set<std::string>> uses;
    for (const SourceFile& file : tree())
        for (const Include& include : file.includes)
            if (include.target.front() != '<' && unitOf(include.target) != unitOf(file.path))
                uses[unitOf(file.path)].insert(unitOf(include.target));
    for (const auto& [unit, used] : uses)
        for (const std::string& other : used)
            EXPECT_FALSE(uses[other].contains(unit)) << unit << " and " << other << " include each other";
}

TEST(Floors, SignalsReachHandlersOnlyThroughTheGuardedConnection)
{
    static const std::regex plainConnect(R"((^|[^\w])connect\s*\()");
    for (const SourceFile& file : tree()) {
        if (file.path == "core/ZpxApplicationUnit.h")
            continue;
        for (const auto& [n, text] : file.lines)
            EXPECT_FALSE(std::regex_search(text, plainConnect)) << file.path << ":" << n << ": " << text;
    }
}

// The windows see the puzzle read-only; the change path alone reaches the
// record to write it, so every change is a step that can be undone.
TEST(Floors, OnlyTheChangePathWritesThePuzzle)
{
    static const std::regex writeAccess(R"(editablePuzzleRecord\s*\(|const_cast\s*<[^>]*TPuzzleRecord)");
    static const std::regex stepMade(R"((\.|->)apply\s*\(\s*EditStep::)");
    int writers = 0;
    for (const SourceFile& file : tree()) {
        const bool changePath = file.path.starts_with("core/PuzzleEdits.") || file.path.starts_with("core/PuzzleRecord.");
        for (const auto& [n, text] : file.lines) {
            const bool writes = std::regex_search(text, writeAccess);
            writers += writes && changePath;
            EXPECT_TRUE(!writes || changePath) << file.path << ":" << n << ": " << text;
            // Windows make their steps through the named operations of the logic.
            EXPECT_FALSE(isWindowFile(file.path) && std::regex_search(text, stepMade))
                << file.path << ":" << n << ": " << text;
        }
    }
    EXPECT_GE(writers, 1) << "the change path no longer reaches the record";
}
