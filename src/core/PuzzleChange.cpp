#include "core/PuzzleChange.h"

namespace zpx {

std::string stepName(EditStep step)
{
    switch (step) {
    case EditStep::Letter:
    case EditStep::Entry:
        return "Letter";
    case EditStep::RemoveLetter:
        return "Remove Letter";
    case EditStep::Spill:
        return "Spill";
    case EditStep::GridLetter:
        return "Typing";
    case EditStep::Clue:
        return "Clue";
    case EditStep::Byline:
        return "Byline";
    case EditStep::Reveal:
        return "Reveal";
    case EditStep::StartOver:
        return "Start Over";
    case EditStep::Word:
        return "Word";
    case EditStep::Fill:
        return "Fill";
    }
    return {};
}

}  // namespace zpx
