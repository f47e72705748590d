#pragma once
// Windows-1252, the character set of record strings and written files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zpx {

// Windows-1252 bytes to UTF-8; the five unassigned codes map to U+FFFD.
std::string cp1252ToUtf8(std::string_view cp1252);
// UTF-8 to Windows-1252; characters the set lacks become '?'.
std::string utf8ToCp1252(std::string_view utf8);

// A record string is one line: each line break (CR LF, CR or LF), tab and
// other control character of UTF-8 text becomes one space.
std::string controlsAsSpaces(std::string_view utf8);

// The characters of UTF-8 text that Windows-1252 cannot write ("€" can, "→"
// cannot); each malformed byte counts as one.
std::size_t charactersOutsideCp1252(std::string_view utf8);
// UTF-8 to Windows-1252 for text that goes into the record: nullopt when a
// character would not survive, rather than a '?' in its place.
std::optional<std::string> utf8ToCp1252Exact(std::string_view utf8);

}  // namespace zpx
