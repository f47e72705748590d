#pragma once
// The recent-puzzle history of the Puzzle menu. An entry is a puzzle file's
// full path followed by " /c" (opened for construction) or " /s" (opened
// for solving): "/home/ann/quotes/walden.zpx /s".

#include <string>
#include <vector>

namespace zpx {

struct RecentPuzzle {
    std::string entry;
    // Another listed puzzle has the same file name: the caption names the folder too.
    bool showFolder = false;
};

inline constexpr int RecentPuzzleCount = 3;

// The entries the menu lists, from candidates newest first: each puzzle once,
// in the mode it was opened in last; empty entries and files that no longer
// exist left out; at most RecentPuzzleCount.
std::vector<RecentPuzzle> recentPuzzles(const std::vector<std::string>& newestFirst);

// The file's path of an entry: the entry without its mode suffix.
std::string recentPuzzlePath(const std::string& entry);

}  // namespace zpx
