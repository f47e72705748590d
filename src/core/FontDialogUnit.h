#pragma once
// The font dialog: scalable fonts only, with colour, underline and
// strikeout; answered by the dialog responder when one is in place (tests).

#include "core/DialogsUnit.h"

#include <optional>

namespace zpx {

// The chosen font and colour, or empty for Cancel.
std::optional<FontPick> chooseFont(const FontDialogRequest& request);

}  // namespace zpx
