#pragma once
// The quotation box of the Format Solution window: its font and the width
// its lines wrap at decide the solution page's lines, in the window and in
// zpxtool's print alike.

#include <QFont>
#include <QString>

#include <string>
#include <vector>

namespace zpx {

constexpr int SolutionBoxWidth = 382;
// The box has no border; its text keeps the document's margin on each side.
constexpr int SolutionBoxTextMargin = 4;

QFont solutionBoxFont();

// The lines, Windows-1252, in which the box shows `text`.
std::vector<std::string> solutionBoxLines(const QString& text);

}  // namespace zpx
