#include "core/Cp1252.h"

#include <array>
#include <cstdint>

namespace zpx {

namespace {

// Code points of 0x80..0x9F; the rest of the set equals Latin-1.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

char32_t toUnicode(std::uint8_t byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char> fromUnicode(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == cp && cp != 0xFFFD)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252)
        appendUtf8(out, toUnicode(static_cast<std::uint8_t>(c)));
    return out;
}

namespace {

// Walks UTF-8 text character by character: `each` gets the Windows-1252 byte
// of a character, or nullopt for one the set lacks and for a malformed byte.
template <typename Each>
void forEachCharacter(std::string_view utf8, Each each)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= utf8.size()) {
            each(std::nullopt);
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<std::uint8_t>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!valid) {
            each(std::nullopt);
            ++i;
            continue;
        }
        each(fromUnicode(cp));
        i += extra + 1;
    }
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    forEachCharacter(utf8, [&out](std::optional<char> byte) { out += byte.value_or('?'); });
    return out;
}

std::string controlsAsSpaces(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        if (byte == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        out += byte < 0x20 || byte == 0x7F ? ' ' : utf8[i];
    }
    return out;
}

std::size_t charactersOutsideCp1252(std::string_view utf8)
{
    std::size_t outside = 0;
    forEachCharacter(utf8, [&outside](std::optional<char> byte) { outside += byte ? 0 : 1; });
    return outside;
}

std::optional<std::string> utf8ToCp1252Exact(std::string_view utf8)
{
    if (charactersOutsideCp1252(utf8) != 0)
        return std::nullopt;
    return utf8ToCp1252(utf8);
}

}  // namespace zpx
