#include "env/ExternalTools.h"

#include <filesystem>
#include <system_error>

namespace zpx {

std::string toolPathSetting(std::string_view caption)
{
    return std::string(caption.substr(1, 4)) + "Path";
}

std::string toolName(std::string_view caption)
{
    const std::string_view name = caption.substr(caption.empty() ? 0 : 1);
    return std::string(name.substr(0, name.find("...")));
}

std::string toolNotConfiguredMessage(std::string_view caption)
{
    return toolName(caption) + " has not been properly configured.";
}

std::string ToolCaption(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (const ExternalTool& tool : ExternalTools)
        if (!tool.programFile.empty() && file == tool.programFile)
            return std::string(tool.windowCaption);
    return {};
}

std::optional<std::string> whyNotAProgram(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (path.empty() || !fs::exists(status))
        return "there is no such file";
    if (fs::is_directory(status))
        return "it is a folder, not a program";
    constexpr fs::perms anyExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    if (!fs::is_regular_file(status) || (status.permissions() & anyExecute) == fs::perms::none)
        return "the file is not marked as a program that may be run";
    return std::nullopt;
}

std::string toolStartFailure(std::string_view caption, const std::string& path)
{
    const std::string reason = whyNotAProgram(path).value_or("the system could not run it");
    return "The " + toolName(caption) + " program \"" + path + "\" cannot be started: " + reason + ".";
}

}  // namespace zpx
