#pragma once
// A grid picture as SVG, the vector picture Linux publishing and drawing
// programs open and paste.

#include "output/GridPicture.h"

#include <string>

namespace zpx {

// The document, UTF-8. `title` (UTF-8) names the picture.
std::string writeSvg(const GridPicture& picture, const std::string& title);

}  // namespace zpx
