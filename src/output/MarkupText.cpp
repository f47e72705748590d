#include "output/MarkupText.h"

namespace zpx {

std::string xmlText(const std::string& utf8)
{
    std::string escaped;
    for (const char ch : utf8) {
        switch (ch) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += static_cast<unsigned char>(ch) < 32 ? ' ' : ch;
        }
    }
    return escaped;
}

}  // namespace zpx
