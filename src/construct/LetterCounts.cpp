#include "construct/LetterCounts.h"

#include "construct/WordTexts.h"

#include <string_view>

namespace zpx {

namespace {

bool isVowel(char letter)
{
    return std::string_view("AEIOUY").find(letter) != std::string_view::npos;
}

}  // namespace

LetterCounts countFreeLetters(const TPuzzleRecord& record)
{
    LetterCounts counts;
    for (int c = 1; c <= record.width(); ++c)
        for (int r = 1; r <= record.height(); ++r) {
            const std::uint8_t letter = record.answer(c, r);
            if (record.squareSlot(c, r) != 0 || letter < 'A' || letter > 'Z')
                continue;
            ++counts.letters[letter - 'A'];
            ++(isVowel(static_cast<char>(letter)) ? counts.vowels : counts.consonants);
        }
    const int words = acrosticWordCount(record);
    for (int w = 1; w <= words; ++w)
        if (leadingLetterCount(record, w) == 1)
            ++counts.unfilledWords;
    return counts;
}

std::string letterCellText(char letter, int count)
{
    return std::string(1, letter) + (count < 10 ? "- " : "-") + std::to_string(count);
}

std::string lettersSummary(const LetterCounts& counts)
{
    return std::to_string(counts.unfilledWords) + " unfilled acrostic words  /    " +
           std::to_string(counts.vowels) + " vowels  +  " + std::to_string(counts.consonants) +
           " consonants  =  " + std::to_string(counts.remaining()) + " remaining letters";
}

}  // namespace zpx
