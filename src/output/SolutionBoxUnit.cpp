#include "output/SolutionBoxUnit.h"

#include "output/PrinterCanvasUnit.h"

namespace zpx {

QFont solutionBoxFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

std::vector<std::string> solutionBoxLines(const QString& text)
{
    std::vector<std::string> lines;
    for (const QString& line : displayedLines(text, solutionBoxFont(), SolutionBoxWidth - 2 * SolutionBoxTextMargin))
        lines.push_back(cp1252Text(line));
    return lines;
}

}  // namespace zpx
