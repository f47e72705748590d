#pragma once
// Text inside XML and HTML, as element content or a double-quoted attribute.

#include <string>

namespace zpx {

// UTF-8 text with &, <, > and " escaped; control characters, which XML
// does not allow at all, become spaces.
std::string xmlText(const std::string& utf8);

}  // namespace zpx
