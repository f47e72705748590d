#pragma once
// The files an export writes beside the name the user chose. For the chosen
// name /pub/Quote.eps the puzzle picture is /pub/Quote.EPS, the answer
// picture /pub/Quote-A.EPS and the clue list /pub/Quote.TXT.

#include <string>
#include <string_view>

namespace zpx {

// `name` with its extension (from the last '.' of the file name on) replaced
// by `extension`, or `extension` appended when it has none.
std::string withExtension(std::string_view name, std::string_view extension);

// `name` without its extension, then "-A" and `extension`: the answer picture.
std::string answerPictureName(std::string_view name, std::string_view extension);

// The file name part of `path` without its extension: the title of an export.
std::string exportTitle(std::string_view path);

// The file name part of `path`, folders left off.
std::string fileNamePart(std::string_view path);

}  // namespace zpx
