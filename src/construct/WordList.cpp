#include "construct/WordList.h"

#include "construct/WordStem.h"

#include <algorithm>
#include <fstream>

namespace zpx {

namespace {

bool isPlainWord(std::string_view line)
{
    return line.size() >= 3 && std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string upper(std::string_view lower)
{
    std::string text(lower);
    for (char& c : text)
        c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

WordList::WordList(std::vector<std::pair<std::string, int>> words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                words.end());
    std::vector<std::string> wordStems;
    wordStems.reserve(words.size());
    for (const auto& word : words)
        wordStems.push_back(wordStem(word.first));
    stems = wordStems;
    std::sort(stems.begin(), stems.end());
    stems.erase(std::unique(stems.begin(), stems.end()), stems.end());

    entries.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int stem = static_cast<int>(std::lower_bound(stems.begin(), stems.end(), wordStems[i]) - stems.begin());
        entries.push_back({std::move(words[i].first), words[i].second, stem});
    }
}

const ListWord* WordList::find(std::string_view upper) const
{
    const auto at = std::lower_bound(entries.begin(), entries.end(), upper,
                                     [](const ListWord& word, std::string_view text) { return word.text < text; });
    return at != entries.end() && at->text == upper ? &*at : nullptr;
}

std::pair<const ListWord*, const ListWord*> WordList::extensionsOf(std::string_view start) const
{
    auto first = std::upper_bound(entries.begin(), entries.end(), start,
                                  [](std::string_view text, const ListWord& word) { return text < word.text; });
    auto last = std::find_if(first, entries.end(),
                             [&](const ListWord& word) { return !std::string_view(word.text).starts_with(start); });
    return {entries.data() + (first - entries.begin()), entries.data() + (last - entries.begin())};
}

int WordList::stemOf(std::string_view word) const
{
    const std::string stem = wordStem(word);
    const auto at = std::lower_bound(stems.begin(), stems.end(), stem);
    return at != stems.end() && *at == stem ? static_cast<int>(at - stems.begin()) : -1;
}

bool isWordListLevel(int level)
{
    return level >= WordListLevels.front() && level <= WordListLevels.back();
}

WordList loadScowlWordList(int maxLevel, const std::filesystem::path& folder)
{
    std::vector<std::pair<std::string, int>> words;
    bool found = false;
    for (const int level : WordListLevels) {
        if (level > maxLevel)
            break;
        for (const char* variety : {"english-words.", "american-words."}) {
            std::ifstream in(folder / (variety + std::to_string(level)));
            found = found || in.is_open();
            for (std::string line; std::getline(in, line);)
                if (isPlainWord(line))
                    words.emplace_back(upper(line), level);
        }
    }
    if (!found)
        throw WordListError("The word list was not found in " + folder.string() +
                            ". Install Debian's scowl package.");
    return WordList(std::move(words));
}

}  // namespace zpx
