#include "app/RecentPuzzles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zpx {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t ModeSuffixLength = 3;  // " /c" or " /s"

bool samePuzzle(const std::string& a, const std::string& b)
{
    std::error_code error;
    return a == b || fs::equivalent(a, b, error);
}

// The name the menu shows, upper-cased there: names differing only in case read alike.
std::string shownName(const RecentPuzzle& puzzle)
{
    std::string name = fs::path(recentPuzzlePath(puzzle.entry)).filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return name;
}

}  // namespace

std::string recentPuzzlePath(const std::string& entry)
{
    return entry.size() > ModeSuffixLength ? entry.substr(0, entry.size() - ModeSuffixLength) : std::string();
}

std::vector<RecentPuzzle> recentPuzzles(const std::vector<std::string>& newestFirst)
{
    std::vector<RecentPuzzle> listed;
    for (const std::string& entry : newestFirst) {
        if (listed.size() == RecentPuzzleCount)
            break;
        const std::string path = recentPuzzlePath(entry);
        std::error_code error;
        if (path.empty() || !fs::is_regular_file(path, error))
            continue;
        const bool known = std::any_of(listed.begin(), listed.end(), [&](const RecentPuzzle& puzzle) {
            return samePuzzle(recentPuzzlePath(puzzle.entry), path);
        });
        if (!known)
            listed.push_back({entry});
    }
    for (RecentPuzzle& puzzle : listed) {
        const std::string name = shownName(puzzle);
        puzzle.showFolder = std::count_if(listed.begin(), listed.end(), [&](const RecentPuzzle& other) {
                                return shownName(other) == name;
                            }) > 1;
    }
    return listed;
}

}  // namespace zpx
