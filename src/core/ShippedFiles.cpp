#include "core/ShippedFiles.h"

#include <system_error>

namespace zpx {

namespace {

bool isFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path shippedFile(const std::filesystem::path& programFolder, const std::filesystem::path& name)
{
    // ZPX_DATA_FROM_PROGRAM ("../share/zephyrtrace") is taken from the install
    // rules' own layout, so the two cannot drift apart.
    const std::filesystem::path installed = (programFolder / ZPX_DATA_FROM_PROGRAM / name).lexically_normal();
    if (isFile(installed))
        return installed;
    const std::filesystem::path besideProgram = programFolder / name;
    return isFile(besideProgram) ? besideProgram : installed;
}

}  // namespace zpx
