#include "construct/GridScan.h"

#include "construct/WordTexts.h"

#include <algorithm>
#include <bitset>
#include <cctype>

namespace zpx {

std::string scanLine(const TPuzzleRecord& record, int word)
{
    return wordLabel(word) + "." + wordText(record, word);
}

std::vector<std::string> scanGrid(const TPuzzleRecord& record, std::string_view authorTitle)
{
    std::bitset<MaxWords + 1> repeated;
    std::bitset<MaxWords + 1> seen;  // words met in the current quotation word
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c) {
            if (record.isFilled(c, r)) {
                seen.reset();
                continue;
            }
            const auto slot = record.slotAt(c, r);
            if (!slot)
                continue;
            if (seen[slot->word])
                repeated[slot->word] = true;
            seen[slot->word] = true;
        }

    std::vector<std::string> lines;
    for (int w = 1; w <= MaxWords; ++w)
        if (repeated[w])
            lines.push_back(scanLine(record, w));
    for (const AuthorTitleBreak& broken : authorTitleBreaks(record, authorTitle))
        lines.push_back(authorTitleBreakLine(broken));
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
        });
    });
    return lines;
}

std::string authorTitleLetters(const TPuzzleRecord& record)
{
    std::string letters;
    for (int w = 1; w <= acrosticWordCount(record); ++w)
        letters += slotLetter(record, letterSlot(1, w));
    return letters;
}

std::vector<AuthorTitleBreak> authorTitleBreaks(const TPuzzleRecord& record, std::string_view authorTitle)
{
    const std::string now = authorTitleLetters(record);
    std::vector<AuthorTitleBreak> breaks;
    for (std::size_t i = 0; i < authorTitle.size(); ++i) {
        const char found = i < now.size() ? now[i] : ' ';
        if (authorTitle[i] != ' ' && found != authorTitle[i])
            breaks.push_back({static_cast<int>(i) + 1, authorTitle[i], found});
    }
    return breaks;
}

std::string authorTitleBreakLine(const AuthorTitleBreak& broken)
{
    const std::string now = broken.found == ' ' ? "no first letter" : std::string("first letter ") + broken.found;
    return wordLabel(broken.word) + "." + now + ", not " + broken.expected;
}

std::string authorTitleWarning(const TPuzzleRecord& record, std::string_view authorTitle)
{
    const std::vector<AuthorTitleBreak> breaks = authorTitleBreaks(record, authorTitle);
    if (breaks.empty())
        return {};
    std::string words;
    for (const AuthorTitleBreak& broken : breaks) {
        words += words.empty() ? "" : ", ";
        words += wordLabel(broken.word) + (broken.found == ' ' ? " has none" : std::string(" begins with ") + broken.found)
                 + " instead of " + broken.expected;
    }
    std::string reads = authorTitleLetters(record);
    std::erase(reads, ' ');
    return "The first letters no longer spell the author-title line: " + words + ". The acrostic now reads " + reads
           + ".";
}

}  // namespace zpx
