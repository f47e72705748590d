#include "construct/WordList.h"

#include "construct/WordStem.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>

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
    entries.reserve(words.size());
    stems.reserve(words.size());
    for (auto& [text, level] : words) {
        const auto [at, added] = stems.try_emplace(wordStem(text), static_cast<int>(stems.size()));
        entries.push_back({std::move(text), level, at->second});
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
    const auto at = stems.find(wordStem(word));
    return at != stems.end() ? at->second : -1;
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
            std::ifstream in(folder / (variety + std::to_string(level)), std::ios::binary);
            found = found || in.is_open();
            const std::string text{std::istreambuf_iterator<char>(in), {}};
            for (std::size_t from = 0; from < text.size();) {
                const std::size_t end = std::min(text.find('\n', from), text.size());
                const std::string_view line(text.data() + from, end - from);
                if (isPlainWord(line))
                    words.emplace_back(upper(line), level);
                from = end + 1;
            }
        }
    }
    if (!found)
        throw WordListError("The word list was not found in " + folder.string() +
                            ". Install Debian's scowl package.");
    return WordList(std::move(words));
}

std::shared_ptr<const WordList> sharedScowlWordList(int maxLevel)
{
    static std::mutex guard;
    static std::shared_ptr<const WordList> kept;
    static int keptLevel = 0;
    const std::lock_guard<std::mutex> lock(guard);
    if (!kept || keptLevel != maxLevel) {
        kept = std::make_shared<const WordList>(loadScowlWordList(maxLevel));
        keptLevel = maxLevel;
    }
    return kept;
}

}  // namespace zpx
