#pragma once
// Made-up constructions for timing the fill: a quotation of common words and
// an author-title line of 20 to 30 letters taken from its letters, laid out
// as the input dialog lays a new puzzle, so every word holds its first letter.

#include "construct/QuoteLayout.h"
#include "construct/WordList.h"
#include "core/PuzzleRecord.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace zpx::bench {

struct MadePuzzle {
    std::string quotation;
    std::string authorTitle;
    TPuzzleRecord record;
};

inline MadePuzzle madeFillPuzzle(const WordList& list, std::mt19937& random)
{
    static const std::vector<std::string> functionWords = {
        "the", "of", "and", "to", "a", "in", "is", "it", "that", "was", "for", "on", "are", "with",
        "as", "his", "they", "be", "at", "one", "have", "this", "from", "or", "had", "by", "not",
        "but", "what", "all", "were", "we", "when", "your", "can", "there", "an", "each", "which",
        "she", "do", "how", "their", "if", "will", "up", "about", "out", "many", "then", "them",
        "so", "some", "her", "would", "make", "like", "him", "into", "has", "more", "no", "could",
        "my", "than", "first", "been", "who", "its", "now", "our", "may", "only", "every"};
    std::vector<const ListWord*> common, titleWords;
    for (const ListWord& word : list.words()) {
        if (word.level <= 20)
            common.push_back(&word);
        if (word.level <= 35 && word.text.size() >= 4)
            titleWords.push_back(&word);
    }
    auto pick = [&](const auto& from) { return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)]; };
    for (;;) {
        const int letters = std::uniform_int_distribution<int>(150, 250)(random);
        MadePuzzle made;
        int count = 0;
        while (count < letters) {
            std::string word = random() % 5 < 2 ? pick(functionWords) : pick(common)->text;
            std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
            made.quotation += (made.quotation.empty() ? "" : " ") + word;
            count += static_cast<int>(word.size());
        }
        std::array<int, 26> left{};
        for (const char c : made.quotation)
            if (c != ' ')
                ++left[std::toupper(static_cast<unsigned char>(c)) - 'A'];
        const int words = std::uniform_int_distribution<int>(20, 30)(random);
        int titleLetters = 0;
        for (int tries = 0; titleLetters < words && tries < 1000; ++tries) {
            const std::string& word = pick(titleWords)->text;
            std::array<int, 26> after = left;
            const std::size_t take = std::min<std::size_t>(word.size(), words - titleLetters);
            bool fits = true;
            for (std::size_t i = 0; i < take; ++i)
                fits = --after[word[i] - 'A'] >= 0 && fits;
            if (!fits)
                continue;
            left = after;
            made.authorTitle += (made.authorTitle.empty() ? "" : " ") + word.substr(0, take);
            titleLetters += static_cast<int>(take);
        }
        RandomSource layout(static_cast<std::uint32_t>(random()));
        if (titleLetters == words &&
            !buildPuzzleFromInput(made.record, made.quotation, made.authorTitle, GridSizing{}, layout))
            return made;
    }
}

}  // namespace zpx::bench
