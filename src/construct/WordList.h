#pragma once
// The answer words the suggestions and the fill choose from: Debian's scowl
// lists, english and american, of words in the letters a-z alone, three
// letters or more. A word's level is the scowl size level it first appears
// in: 10 for the most common words, 95 for the rarest. Level 60 is the size
// of an ordinary desk dictionary.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zpx {

inline constexpr int DefaultWordListLevel = 60;
inline constexpr std::array<int, 10> WordListLevels = {10, 20, 35, 40, 50, 55, 60, 70, 80, 95};
inline constexpr const char* ScowlFolder = "/usr/share/dict/scowl";

struct ListWord {
    std::string text;  // upper case, A-Z
    int level = 0;
    int stem = 0;      // words with equal stem numbers share a stem
};

// The list could not be read; what() says what is missing and what to install.
class WordListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class WordList {
public:
    WordList() = default;
    // Words of upper-case letters with their levels; a word given twice keeps
    // its lowest level.
    explicit WordList(std::vector<std::pair<std::string, int>> words);

    // Alphabetical.
    const std::vector<ListWord>& words() const { return entries; }
    bool empty() const { return entries.empty(); }

    const ListWord* find(std::string_view upper) const;
    // The words that start with `start` and are longer than it, alphabetical.
    std::pair<const ListWord*, const ListWord*> extensionsOf(std::string_view start) const;

    // The stem number of any word (list word or not), for comparing with the
    // list's stems; -1 for a stem no list word has.
    int stemOf(std::string_view word) const;
    int stemCount() const { return static_cast<int>(stems.size()); }

private:
    std::vector<ListWord> entries;
    std::unordered_map<std::string, int> stems;  // stem -> its number
};

// The scowl lists of every level up to `maxLevel` (10..95) from `folder`.
WordList loadScowlWordList(int maxLevel, const std::filesystem::path& folder = ScowlFolder);

// The list of scowl's folder up to `maxLevel`, read once and kept while the
// level stays the same; safe to call from any thread.
std::shared_ptr<const WordList> sharedScowlWordList(int maxLevel);

// True when `level` names a size level the word list can be cut at (10..95).
bool isWordListLevel(int level);

}  // namespace zpx
