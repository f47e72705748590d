// Fuzz target "bank": a clue bank's data file and index as a damaged disk or
// another program may leave them, run through what the clue database window
// and zpxtool do with a bank.
//
// The input is the length of the data file image (4 bytes, little-endian),
// that image, and the index image after it. Both are written to a private
// folder and opened as the window opens a bank; then a lookup, browsing to
// both ends, an add and zpxtool's check run on them. The engine's report is
// the expected end of a damaged bank; anything else escaping is a finding.

#include "dbf/ClueBank.h"
#include "dbf/DbfError.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

using namespace zpx::dbf;

namespace {

// The folder lives as long as the process and goes with it.
struct PrivateFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("zpx-fuzz-bank-" + std::to_string(getpid()));
    PrivateFolder() { std::filesystem::create_directories(path); }
    ~PrivateFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& folder()
{
    static const PrivateFolder made;
    return made.path;
}

void write(const std::filesystem::path& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::size_t dataSize = std::min<std::size_t>(
        size - 4, data[0] | (data[1] << 8) | (data[2] << 16) | (std::size_t{data[3]} << 24));
    write(folder() / "BANK.DBF", data + 4, dataSize);
    write(folder() / "BANK.NDX", data + 4 + dataSize, size - 4 - dataSize);
    try {
        TTzDbf table;
        openClueBank(table, bankFiles((folder() / "BANK").string()));
        lookUpWord(table, "OCEAN");
        for (int i = 0; i < 8; ++i)
            nextWord(table);
        for (int i = 0; i < 8; ++i)
            previousWord(table);
        addDefinition(table, "OCEAN", "Salt water");
        checkClueBank(table);
    } catch (const DbfError&) {
    }
    return 0;
}
