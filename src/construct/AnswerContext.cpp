#include "construct/AnswerContext.h"

#include "construct/LetterCounts.h"
#include "construct/SquarePlacement.h"
#include "construct/WordTexts.h"

#include <numeric>

namespace zpx {

int AnswerContext::freeTotal() const
{
    return std::accumulate(free.begin(), free.end(), 0);
}

std::vector<int> AnswerContext::stemsBarredFor(int word) const
{
    std::vector<int> stems = quotationStems;
    for (int w = 1; w <= wordCount; ++w)
        if (w != word && heldStem[w - 1] >= 0)
            stems.push_back(heldStem[w - 1]);
    return stems;
}

AnswerContext readAnswerContext(const TPuzzleRecord& record, const WordList& list)
{
    AnswerContext context;
    context.wordCount = acrosticWordCount(record);
    for (int w = 1; w <= context.wordCount; ++w) {
        std::string letters;
        // A square whose letter was erased reads as a space, which no list word extends.
        for (const int square : heldSquares(record, w)) {
            const std::uint8_t letter = record.answer(square / 100, square % 100);
            letters += letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter) : ' ';
        }
        const auto [first, last] = list.extensionsOf(letters);
        const bool open = !list.find(letters) && first != last;
        context.open.push_back(open);
        context.heldStem.push_back(open || letters.empty() ? -1 : list.stemOf(letters));
        context.held.push_back(std::move(letters));
    }
    const QuotationWords quotation(record);
    for (const std::string& word : quotation.texts())
        if (word.size() >= 4)
            if (const int stem = list.stemOf(word); stem >= 0)
                context.quotationStems.push_back(stem);
    context.free = countFreeLetters(record).letters;
    return context;
}

}  // namespace zpx
