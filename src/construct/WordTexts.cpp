#include "construct/WordTexts.h"

namespace zpx {

int acrosticWordCount(const TPuzzleRecord& record)
{
    for (int w = MaxWords; w >= 1; --w)
        for (int p = 1; p <= MaxWordLetters; ++p)
            if (record.slotSquareRef(letterSlot(p, w)) != 0)
                return w;
    return 0;
}

char slotLetter(const TPuzzleRecord& record, int slot)
{
    const auto [c, r] = slotSquare(record, slot);
    if (c == 0)
        return ' ';
    const std::uint8_t letter = record.answer(c, r);
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter) : ' ';
}

std::string wordText(const TPuzzleRecord& record, int word)
{
    std::string text(1, slotLetter(record, letterSlot(1, word)));
    for (int p = 2; p <= MaxWordLetters && record.slotSquareRef(letterSlot(p, word)) != 0; ++p)
        text += slotLetter(record, letterSlot(p, word));
    return text;
}

std::string wordTextWithGaps(const TPuzzleRecord& record, int word)
{
    std::string text;
    for (int p = 1; p <= MaxWordLetters; ++p)
        text += slotLetter(record, letterSlot(p, word));
    return text;
}

int leadingLetterCount(const TPuzzleRecord& record, int word)
{
    int count = record.slotSquareRef(letterSlot(1, word)) != 0 ? 1 : 0;
    for (int p = 2; p <= MaxWordLetters && record.slotSquareRef(letterSlot(p, word)) != 0; ++p)
        ++count;
    return count;
}

}  // namespace zpx
