#pragma once
// zpxtool's manual page (man zpxtool), written from the command table that
// also gives `zpxtool --help`, so the two cannot disagree. The build writes
// it with `zpxtool --manual`.

#include "cli/CliSupport.h"

#include <ostream>
#include <span>

namespace zpx::cli {

void writeManualPage(std::ostream& out, std::span<const Command* const> commands);

}  // namespace zpx::cli
