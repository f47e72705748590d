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

std::vector<std::string> scanGrid(const TPuzzleRecord& record)
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
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
        });
    });
    return lines;
}

}  // namespace zpx
