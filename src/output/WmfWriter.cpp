#include "output/WmfWriter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zpx {

namespace {

// Record functions of the metafile format.
enum RecordFunction : std::uint16_t {
    MetaEof = 0x0000,
    MetaSetBkMode = 0x0102,
    MetaSetTextAlign = 0x012E,
    MetaSelectObject = 0x012D,
    MetaSetTextColor = 0x0209,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateFontIndirect = 0x02FB,
    MetaCreateBrushIndirect = 0x02FC,
    MetaRectangle = 0x041B,
    MetaTextOut = 0x0521,
    MetaEscape = 0x0626,
};

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t UnitsPerInch = 96;
constexpr std::uint16_t Transparent = 1;
constexpr std::uint16_t TextAlignTopLeft = 0;
constexpr std::uint16_t CommentEscape = 0x000F;
constexpr std::uint32_t Black = 0x00000000;
constexpr std::uint32_t White = 0x00FFFFFF;
constexpr std::size_t FaceNameBytes = 32;

// One record's parameters, gathered as little-endian words.
class Record {
public:
    explicit Record(std::uint16_t function) : function(function) {}

    Record& word(int value)
    {
        words.push_back(static_cast<std::uint16_t>(value));
        return *this;
    }
    Record& doubleWord(std::uint32_t value)
    {
        return word(static_cast<int>(value & 0xFFFF)).word(static_cast<int>(value >> 16));
    }
    // Bytes padded with a zero to a whole number of words.
    Record& bytes(const std::string& data)
    {
        for (std::size_t i = 0; i < data.size(); i += 2) {
            const auto low = static_cast<std::uint8_t>(data[i]);
            const auto high = i + 1 < data.size() ? static_cast<std::uint8_t>(data[i + 1]) : std::uint8_t{0};
            word(low | (high << 8));
        }
        return *this;
    }

    std::uint16_t function;
    std::vector<std::uint16_t> words;
};

class MetafileBuilder {
public:
    void add(const Record& record) { records.push_back(record); }

    // Creates an object in the next free slot of the object table and selects it.
    int createAndSelect(const Record& creation)
    {
        add(creation);
        const int slot = objectCount++;
        add(Record(MetaSelectObject).word(slot));
        return slot;
    }

    void select(int slot) { add(Record(MetaSelectObject).word(slot)); }

    std::string bytes(int width, int height)
    {
        add(Record(MetaEof));
        std::uint32_t totalWords = 9;
        std::uint32_t largest = 0;
        for (const Record& record : records) {
            const auto size = static_cast<std::uint32_t>(3 + record.words.size());
            totalWords += size;
            largest = std::max(largest, size);
        }

        std::string out;
        auto put16 = [&](int value) {
            out += static_cast<char>(value & 0xFF);
            out += static_cast<char>((value >> 8) & 0xFF);
        };
        auto put32 = [&](std::uint32_t value) {
            put16(static_cast<int>(value & 0xFFFF));
            put16(static_cast<int>(value >> 16));
        };

        const std::uint16_t placeable[10] = {static_cast<std::uint16_t>(PlaceableKey & 0xFFFF),
                                             static_cast<std::uint16_t>(PlaceableKey >> 16),
                                             0,
                                             0,
                                             0,
                                             static_cast<std::uint16_t>(width),
                                             static_cast<std::uint16_t>(height),
                                             UnitsPerInch,
                                             0,
                                             0};
        std::uint16_t checksum = 0;
        for (const std::uint16_t word : placeable) {
            put16(word);
            checksum ^= word;
        }
        put16(checksum);

        put16(1);
        put16(9);
        put16(0x0300);
        put32(totalWords);
        put16(objectCount);
        put32(largest);
        put16(0);

        for (const Record& record : records) {
            put32(static_cast<std::uint32_t>(3 + record.words.size()));
            put16(record.function);
            for (const std::uint16_t word : record.words)
                put16(word);
        }
        return out;
    }

private:
    std::vector<Record> records;
    int objectCount = 0;
};

Record fontRecord(const PictureFont& font)
{
    std::string face = "Arial";
    face.resize(FaceNameBytes, '\0');
    return Record(MetaCreateFontIndirect)
        .word(font.cellHeight)  // positive: the cell height
        .word(0)                // width: the font's own
        .word(0)                // escapement
        .word(0)                // orientation
        .word(font.bold ? 700 : 400)
        .bytes(std::string("\0\0\0\0\0\0\0\0", 8))  // italic, underline, strike-out, ANSI, precisions, quality, pitch
        .bytes(face);
}

Record brushRecord(std::uint32_t colour)
{
    return Record(MetaCreateBrushIndirect).word(0).doubleWord(colour).word(0);
}

}  // namespace

std::string writeWmf(const GridPicture& picture, const std::string& description)
{
    MetafileBuilder metafile;
    metafile.add(Record(MetaSetWindowOrg).word(0).word(0));
    metafile.add(Record(MetaSetWindowExt).word(picture.height).word(picture.width));
    const std::string comment = std::string("Zephyrtrace4") + '\0' + description + '\0' + '\0';
    metafile.add(Record(MetaEscape).word(CommentEscape).word(static_cast<int>(comment.size())).bytes(comment));
    metafile.add(Record(MetaSetBkMode).word(Transparent));
    metafile.add(Record(MetaSetTextAlign).word(TextAlignTopLeft));
    metafile.add(Record(MetaSetTextColor).doubleWord(Black));
    metafile.createAndSelect(Record(MetaCreatePenIndirect).word(0).word(1).word(0).doubleWord(Black));

    int whiteBrush = -1;
    int blackBrush = -1;
    int selectedBrush = -1;
    std::vector<std::pair<PictureFont, int>> fonts;
    int selectedFont = -1;
    for (const PictureItem& item : picture.items) {
        if (const auto* box = std::get_if<PictureBox>(&item)) {
            int& brush = box->filled ? blackBrush : whiteBrush;
            if (brush < 0)
                selectedBrush = brush = metafile.createAndSelect(brushRecord(box->filled ? Black : White));
            else if (selectedBrush != brush)
                metafile.select(selectedBrush = brush);
            metafile.add(Record(MetaRectangle).word(box->bottom).word(box->right).word(box->top).word(box->left));
            continue;
        }
        const auto& text = std::get<PictureText>(item);
        const auto known = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f.first == text.font; });
        if (known == fonts.end()) {
            selectedFont = metafile.createAndSelect(fontRecord(text.font));
            fonts.emplace_back(text.font, selectedFont);
        } else if (selectedFont != known->second) {
            metafile.select(selectedFont = known->second);
        }
        metafile.add(Record(MetaTextOut).word(static_cast<int>(text.text.size())).bytes(text.text).word(text.y).word(text.x));
    }
    return metafile.bytes(picture.width, picture.height);
}

}  // namespace zpx
