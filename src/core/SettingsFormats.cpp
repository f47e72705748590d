#include "core/SettingsFormats.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zpx {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// 1..8 hex digits as a 32-bit pattern.
std::optional<std::uint32_t> parseHex32(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

struct NamedColour {
    const char* name;
    ColourValue value;
};

constexpr std::array<NamedColour, 20> StandardColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
}};

constexpr ColourValue MaxRgb = 0x00FFFFFF;

int boundsPart(std::string_view part)
{
    if (const auto value = parseSettingInteger(part))
        return *value;
    throw SettingsFormatError("'" + std::string(part) + "' is not a valid integer value");
}

std::string escapeQuoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out + '"';
}

// Reads a quoted, escaped text at the start of `text`; on success `text` is
// left just after the closing quote.
std::optional<std::string> takeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> parseSettingInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '$') {
        if (const auto bits = parseHex32(text.substr(1)))
            return static_cast<std::int32_t>(*bits);
        return std::nullopt;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

long long roundHalfEven(long long numerator, long long denominator)
{
    if (denominator == 0)
        throw std::domain_error("roundHalfEven: zero denominator");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // floor division
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

long long roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    auto result = static_cast<long long>(below);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}

std::string colourName(ColourValue colour)
{
    for (const NamedColour& named : StandardColours) {
        if (named.value == colour)
            return named.name;
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour));
    return text;
}

std::optional<ColourValue> colourFromName(std::string_view text)
{
    for (const NamedColour& named : StandardColours) {
        if (equalsIgnoringCase(text, named.name))
            return named.value;
    }
    const auto value = parseSettingInteger(text);
    if (!value || *value < 0 || static_cast<ColourValue>(*value) > MaxRgb)
        return std::nullopt;
    return static_cast<ColourValue>(*value);
}

FontStyle fontStyleFromBits(int bits)
{
    return {(bits & FontStyleBold) != 0, (bits & FontStyleItalic) != 0, (bits & FontStyleUnderline) != 0,
            (bits & FontStyleStrikeOut) != 0};
}

int fontStyleBits(const FontStyle& style)
{
    return (style.bold ? FontStyleBold : 0) | (style.italic ? FontStyleItalic : 0)
         | (style.underline ? FontStyleUnderline : 0) | (style.strikeOut ? FontStyleStrikeOut : 0);
}

std::string formatScreenBounds(int left, int top, int width, int height)
{
    return std::to_string(left) + ',' + std::to_string(top) + ',' + std::to_string(width) + ','
         + std::to_string(height);
}

std::optional<ScreenBounds> parseScreenBounds(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    int parts[3];
    for (int& part : parts) {
        const std::size_t comma = text.find(',');
        // No comma leaves nothing before it, which is no integer.
        part = boundsPart(comma == std::string_view::npos ? std::string_view{} : text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    return ScreenBounds{parts[0], parts[1], parts[2], boundsPart(text)};
}

int layoutCodeOf(const ScreenBounds& bounds)
{
    switch (bounds.left) {
    case 10000: return 1;
    case 20000: return 2;
    case 30000: return 3;
    case 40000: return 4;
    default: return 0;
    }
}

std::vector<SettingWrite> arrangementWrites(int code, int mainWidth, int mainHeight, int screenWidth,
                                            int screenHeight)
{
    if (code < 1 || code > 4)
        return {};
    const int W = mainWidth;
    const int H = mainHeight;
    const int right = screenWidth - W - 2;   // main window's left at the right edge
    const int bottom = screenHeight - H - 2; // any band's top at the bottom edge
    const int besideWidth = screenWidth - W - 6;

    ScreenBounds main;
    ScreenBounds beside;
    switch (code) {
    case 1:
        main = {2, 2, W, H};
        beside = {W + 4, 2, besideWidth, H};
        break;
    case 2:
        main = {right, 2, W, H};
        beside = {2, 2, besideWidth, H};
        break;
    case 3:
        main = {right, bottom, W, H};
        beside = {2, bottom, besideWidth, H};
        break;
    default:
        main = {2, bottom, W, H};
        beside = {W + 4, bottom, besideWidth, H};
        break;
    }
    const auto text = [](const ScreenBounds& b) { return formatScreenBounds(b.left, b.top, b.width, b.height); };
    const std::string layout = formatScreenBounds(code * 10000, H, 0, 0);
    return {
        {"ScreenBoundsMain", text(main)},
        {"ScreenBoundsLettersDist", text(beside)},
        {"ScreenBoundsSolve", text(beside)},
        {"ScreenBoundsGrid", layout},
        {"ScreenBoundsAuthorTitle", layout},
        {"ScreenBoundsClues", layout},
        {"ScreenBoundsAutoclue", ""},
    };
}

std::string formatStoreLine(const StoreLine& line)
{
    std::string out = escapeQuoted(line.name) + '=';
    if (const auto* text = std::get_if<std::string>(&line.value))
        return out + escapeQuoted(*text);
    char number[16];
    std::snprintf(number, sizeof number, "dword:%08x", static_cast<unsigned>(std::get<std::int32_t>(line.value)));
    return out + number;
}

std::optional<StoreLine> parseStoreLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    auto name = takeQuoted(line);
    if (!name || name->empty() || line.empty() || line.front() != '=')
        return std::nullopt;
    line.remove_prefix(1);
    if (!line.empty() && line.front() == '"') {
        auto text = takeQuoted(line);
        if (!text || !line.empty())
            return std::nullopt;
        return StoreLine{std::move(*name), std::move(*text)};
    }
    constexpr std::string_view DwordTag = "dword:";
    if (!line.starts_with(DwordTag))
        return std::nullopt;
    const auto bits = parseHex32(line.substr(DwordTag.size()));
    if (!bits)
        return std::nullopt;
    return StoreLine{std::move(*name), static_cast<std::int32_t>(*bits)};
}

int scaledFontSize(int fontSize, int square, int autoSquare)
{
    if (autoSquare < 1)
        return fontSize;
    // Exact in doubles for every size a screen can have; nearbyint rounds halves to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(fontSize) * square / autoSquare));
}


}  // namespace zpx
