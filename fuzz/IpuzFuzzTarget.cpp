// Fuzz target "ipuz": an ipuz file from anywhere, imported. Whatever is
// accepted must be a puzzle the program can hold, with its two maps inverse,
// and must come back unchanged through our own ipuz; the solvers' formats
// are written from it too.

#include "core/IpuzReader.h"
#include "core/PuzzleFile.h"
#include "FuzzRequire.h"
#include "output/IpuzWriter.h"
#include "output/JpzWriter.h"
#include "output/WebPage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace zpx;

namespace {

void checkMaps(const TPuzzleRecord& record)
{
    for (int c = 1; c <= record.width(); ++c)
        for (int r = 1; r <= record.height(); ++r) {
            const int slot = record.squareSlot(c, r);
            require(record.isFilled(c, r) == (slot == FilledSlot), "filled squares and slot 1 go together");
            if (slot >= 100)
                require(record.slotSquareRef(slot) == squareRef(c, r), "a square's slot names the square back");
        }
    for (int slot = 1; slot <= MaxSlot; ++slot)
        if (const int square = record.SlotSquares[slot - 1])
            require(record.inGrid(square / 100, square % 100) && record.squareSlot(square / 100, square % 100) == slot,
                    "a slot's square names the slot back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TPuzzleRecord record;
    try {
        record = readIpuz(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const FileError&) {
        return 0;
    }
    require(record.GridWidth >= 1 && record.GridWidth <= MaxColumns && record.GridHeight >= 1
                && record.GridHeight <= MaxRows && record.GridWidth * record.GridHeight <= MaxSquares,
            "an imported grid fits the record");
    checkMaps(record);
    const std::string ipuz = writeIpuz(record, "fuzz");
    require(encodeRecord(readIpuz(ipuz)) == encodeRecord(record), "our own ipuz brings the puzzle back unchanged");
    writeJpz(record, "fuzz");
    writeWebPage(record, "fuzz");
    return 0;
}
