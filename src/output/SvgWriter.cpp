#include "output/SvgWriter.h"

#include "core/Cp1252.h"
#include "output/MarkupText.h"

#include <cmath>

namespace zpx {

namespace {

// Hundredths with a full stop whatever the user's locale: "19.69".
std::string decimal(double value)
{
    const long hundredths = std::lround(value * 100);
    return std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10)
           + std::to_string(hundredths % 10);
}

}  // namespace

std::string writeSvg(const GridPicture& picture, const std::string& title)
{
    const std::string width = std::to_string(picture.width);
    const std::string height = std::to_string(picture.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height
                      + "\" viewBox=\"0 0 " + width + " " + height + "\">\n<title>" + xmlText(title) + "</title>\n"
                      + "<g stroke=\"#000000\" stroke-width=\"1\" font-family=\"Arial, 'Liberation Sans', sans-serif\">\n";
    for (const PictureItem& item : picture.items) {
        if (const auto* box = std::get_if<PictureBox>(&item)) {
            // The pen runs along the box's outer pixels, as on the canvas it was measured for.
            svg += "<rect x=\"" + decimal(box->left + 0.5) + "\" y=\"" + decimal(box->top + 0.5) + "\" width=\""
                   + std::to_string(box->right - box->left - 1) + "\" height=\""
                   + std::to_string(box->bottom - box->top - 1) + "\" fill=\""
                   + (box->filled ? "#000000" : "#ffffff") + "\"/>\n";
            continue;
        }
        const auto& text = std::get<PictureText>(item);
        svg += "<text x=\"" + std::to_string(text.x) + "\" y=\"" + decimal(text.y + text.font.ascent())
               + "\" font-size=\"" + decimal(text.font.emSize()) + "\"" + (text.font.bold ? " font-weight=\"bold\"" : "")
               + " stroke=\"none\" fill=\"#000000\">" + xmlText(cp1252ToUtf8(text.text)) + "</text>\n";
    }
    return svg + "</g>\n</svg>\n";
}

}  // namespace zpx
