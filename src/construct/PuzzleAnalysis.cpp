#include "construct/PuzzleAnalysis.h"

#include "core/SettingsFormats.h"

namespace zpx {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

PuzzleAnalysis analyzePuzzle(const TPuzzleRecord& record)
{
    PuzzleAnalysis analysis;
    std::string line(MaxWords + 1, ' ');
    std::string quotation;
    bool inWord = false;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c) {
            if (record.isFilled(c, r)) {
                inWord = false;
                quotation += ' ';
                continue;
            }
            if (!inWord) {
                inWord = true;
                ++analysis.words;
            }
            const std::uint8_t letter = record.answer(c, r);
            // A letter erased in grid editing leaves its square without a letter: shown as a space.
            const char shown = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter) : ' ';
            if (const auto slot = record.slotAt(c, r); slot && slot->position == 1)
                line[slot->word - 1] = shown;
            quotation += shown;
            ++analysis.letters;
        }

    analysis.gridSize = std::to_string(record.width()) + "\u00D7" + std::to_string(record.height());
    const int length = static_cast<int>(trimmed(line).size());
    analysis.authorTitle = std::to_string(length) + " / " +
                           (length == 0 ? std::string("-") : std::to_string(roundHalfEven(analysis.letters, length)));
    analysis.quotation = trimmed(quotation);
    analysis.authorTitleLine = line;
    return analysis;
}

}  // namespace zpx
