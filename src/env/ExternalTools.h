#pragma once
// The five programs of the Tools menu that live outside Zephyrtrace: where
// each sits in the menu, the setting that holds its program file, and how a
// running copy of the maker's own tools is recognised by its window caption.
//
// A menu caption names its path setting: "&Dictionary..." keeps its path in
// "DictPath", the four letters after the "&" followed by "Path".

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zpx {

struct ExternalTool {
    int menuPosition;                // in the Tools menu, the separator at 2 counted
    std::string_view caption;
    std::string_view pathSetting;
    std::string_view programFile;    // the maker's program recognised by name; empty for none
    std::string_view windowCaption;  // the caption its window carries
};

inline constexpr std::array<ExternalTool, 5> ExternalTools{{
    {0, "&Dictionary...", "DictPath", "", ""},
    {1, "&Thesaurus...", "ThesPath", "", ""},
    {3, "&Cluevault...", "CluePath", "ClueVault.exe", "Marlowick ClueVault"},
    {4, "&Scratchpad...", "ScraPath", "Jotter.exe", "Marlowick Scratchpad"},
    {5, "&Postbot...", "PostPath", "ZpxPostbot.exe", "Zephyrtrace Postbot"},
}};

// "&Thesaurus..." -> "ThesPath".
std::string toolPathSetting(std::string_view caption);
// "&Thesaurus..." -> "Thesaurus".
std::string toolName(std::string_view caption);
// "Thesaurus has not been properly configured."
std::string toolNotConfiguredMessage(std::string_view caption);

// The window caption of the maker's tool that `path` names, compared by file
// name exactly, letter case included; empty for any other program.
std::string ToolCaption(std::string_view path);

// Why `path` cannot be started as a program ("there is no such file", ...);
// empty when it is a file that may be run.
std::optional<std::string> whyNotAProgram(const std::string& path);

// What the user is told when the program of a tool does not start.
std::string toolStartFailure(std::string_view caption, const std::string& path);

}  // namespace zpx
