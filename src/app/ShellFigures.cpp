#include "app/ShellFigures.h"

#include "core/Cp1252.h"
#include "core/SettingsFormats.h"

namespace zpx {

std::string constructionFigures(const TPuzzleRecord& record)
{
    int letterSquares = 0;
    int firstLetters = 0;
    for (int c = 1; c <= record.width(); ++c)
        for (int r = 1; r <= record.height(); ++r) {
            if (!record.isFilled(c, r))
                ++letterSquares;
            if (const auto slot = record.slotAt(c, r); slot && slot->position == 1)
                ++firstLetters;
        }
    const std::string quotient =
        firstLetters == 0 ? "-" : std::to_string(roundHalfEven(letterSquares, firstLetters));
    return std::to_string(letterSquares) + " \u00F7 " + std::to_string(firstLetters) + " = " + quotient;
}

std::string solveByline(const TPuzzleRecord& record)
{
    const std::string byline = record.Byline.text();
    return byline.empty() ? "a Zephyrtrace puzzle" : "by " + cp1252ToUtf8(byline);
}

}  // namespace zpx
