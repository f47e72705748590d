#pragma once
// The files shipped with the program (the help book) are found where the
// program runs from: installed, in its data folder beside its bin folder
// (prefix/bin/zephyrtrace finds prefix/share/zephyrtrace/help/index.html);
// in a build folder, beside the program itself (build/src/help/index.html).
// An installation moved to another prefix keeps finding them, because
// nothing names the prefix.

#include <filesystem>

namespace zpx {

// Where the shipped file `name` ("help/index.html") is for the program in
// `programFolder`: the installed place when the file is there, else the
// place beside the program when it is there. When it is in neither, the
// installed place, so a report names where the file belongs.
std::filesystem::path shippedFile(const std::filesystem::path& programFolder, const std::filesystem::path& name);

}  // namespace zpx
