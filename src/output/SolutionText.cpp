#include "output/SolutionText.h"

namespace zpx {

namespace {

constexpr char ClearedLetter = '_';

std::string trimmed(const std::string& text, bool leading)
{
    const auto last = text.find_last_not_of(' ');
    if (last == std::string::npos)
        return {};
    const auto first = leading ? text.find_first_not_of(' ') : 0;
    return text.substr(first, last + 1 - first);
}

char letterOf(std::uint8_t answer)
{
    return answer == 0 ? ClearedLetter : static_cast<char>(answer);
}

bool isContinuationByte(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

}  // namespace

SolutionTexts prepareSolutionTexts(const TPuzzleRecord& record)
{
    std::string author(MaxWords + 1, ' ');
    std::string text;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c) {
            if (record.isFilled(c, r)) {
                text += ' ';
                continue;
            }
            text += letterOf(record.answer(c, r));
            if (const auto slot = record.slotAt(c, r); slot && slot->position == 1)
                author[slot->word - 1] = letterOf(record.answer(c, r));
        }
    return {trimmed(text, true), trimmed(author, false)};
}

std::string toggledCase(std::string_view utf8, bool mixed, int lastLowered)
{
    std::string text(utf8);
    int position = 0;  // in characters, from 1
    for (char& ch : text) {
        if (isContinuationByte(ch))
            continue;
        ++position;
        if (mixed) {
            if (ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
        } else if (position >= 2 && position <= lastLowered && ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace zpx
