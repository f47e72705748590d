#include "output/ExportNames.h"

namespace zpx {

namespace {

// Where the extension starts, or the end of `name` when it has none. A dot
// that begins the file name (".eps") makes no extension.
std::size_t extensionStart(std::string_view name)
{
    const std::size_t folderEnd = name.find_last_of('/');
    const std::size_t fileStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos || dot <= fileStart ? name.size() : dot;
}

}  // namespace

std::string withExtension(std::string_view name, std::string_view extension)
{
    return std::string(name.substr(0, extensionStart(name))) + std::string(extension);
}

std::string answerPictureName(std::string_view name, std::string_view extension)
{
    return std::string(name.substr(0, extensionStart(name))) + "-A" + std::string(extension);
}

std::string fileNamePart(std::string_view path)
{
    const std::size_t folderEnd = path.find_last_of('/');
    return std::string(folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1));
}

std::string exportTitle(std::string_view path)
{
    const std::string file = fileNamePart(path);
    return file.substr(0, extensionStart(file));
}

}  // namespace zpx
