#include "core/SettingsFormats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zpx;

namespace {

std::string formatError(std::string_view text)
{
    try {
        parseScreenBounds(text);
    } catch (const SettingsFormatError& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace

TEST(SettingsFormats, ColoursAreStoredByStandardNameOrHex)
{
    EXPECT_EQ(colourName(0x000000), "clBlack");
    EXPECT_EQ(colourName(0xFFFFFF), "clWhite");
    EXPECT_EQ(colourName(0x0000FF), "clRed");
    EXPECT_EQ(colourName(0xFF0000), "clBlue");
    EXPECT_EQ(colourName(0x800000), "clNavy");
    EXPECT_EQ(colourName(0xC0C0C0), "clSilver");
    EXPECT_EQ(colourName(0xF0CAA6), "clSkyBlue");
    EXPECT_EQ(colourName(0xA4A0A0), "clMedGray");
    EXPECT_EQ(colourName(0x00123456), "$00123456");
    EXPECT_EQ(colourName(0x00ABCDEF), "$00ABCDEF");
}

TEST(SettingsFormats, ColourTextsReadBack)
{
    EXPECT_EQ(colourFromName("clRed"), 0x0000FFu);
    EXPECT_EQ(colourFromName("CLRED"), 0x0000FFu);
    EXPECT_EQ(colourFromName("clCream"), 0xF0FBFFu);
    EXPECT_EQ(colourFromName("clMoneyGreen"), 0xC0DCC0u);
    EXPECT_EQ(colourFromName("$00123456"), 0x123456u);
    EXPECT_EQ(colourFromName("$00abcdef"), 0xABCDEFu);
    EXPECT_EQ(colourFromName("255"), 0xFFu);
    for (const ColourValue colour : {0x000080u, 0x808000u, 0xFF00FFu, 0x00A0B0C0u})
        EXPECT_EQ(colourFromName(colourName(colour)), colour) << colour;

    EXPECT_FALSE(colourFromName("clPink"));
    EXPECT_FALSE(colourFromName(""));
    EXPECT_FALSE(colourFromName("$"));
    EXPECT_FALSE(colourFromName("$0012345G"));
    EXPECT_FALSE(colourFromName("$FF00000F"));   // a system colour, no RGB value
    EXPECT_FALSE(colourFromName("$000000001"));  // nine digits
    EXPECT_FALSE(colourFromName("-1"));
}

TEST(SettingsFormats, IntegersAcceptDecimalAndDollarHexOnly)
{
    EXPECT_EQ(parseSettingInteger("120"), 120);
    EXPECT_EQ(parseSettingInteger("-7"), -7);
    EXPECT_EQ(parseSettingInteger("+7"), 7);
    EXPECT_EQ(parseSettingInteger("$1F"), 31);
    EXPECT_EQ(parseSettingInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(parseSettingInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseSettingInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "2147483648", "-2147483649", " 5", "5 ", "1.5", "0x10", "abc"})
        EXPECT_FALSE(parseSettingInteger(bad)) << bad;
}

TEST(SettingsFormats, FontStyleBits)
{
    EXPECT_EQ(fontStyleFromBits(0), FontStyle{});
    EXPECT_EQ(fontStyleFromBits(1), (FontStyle{true, false, false, false}));
    EXPECT_EQ(fontStyleFromBits(6), (FontStyle{false, true, true, false}));
    EXPECT_EQ(fontStyleFromBits(8 | 16), (FontStyle{false, false, false, true}));
    for (int bits = 0; bits < 16; ++bits)
        EXPECT_EQ(fontStyleBits(fontStyleFromBits(bits)), bits);
}

TEST(SettingsFormats, RectangleStrings)
{
    EXPECT_EQ(formatScreenBounds(2, 2, 256, 120), "2,2,256,120");
    EXPECT_EQ(formatScreenBounds(-4, 0, 10, 10), "-4,0,10,10");
    EXPECT_EQ(parseScreenBounds("2,2,256,120"), (ScreenBounds{2, 2, 256, 120}));
    EXPECT_EQ(parseScreenBounds("-4,0,10,10"), (ScreenBounds{-4, 0, 10, 10}));
    EXPECT_EQ(parseScreenBounds(""), std::nullopt);

    EXPECT_EQ(formatError("2,2,256"), "'' is not a valid integer value");
    EXPECT_EQ(formatError("2,2,256,120,5"), "'120,5' is not a valid integer value");
    EXPECT_EQ(formatError("2, 2,256,120"), "' 2' is not a valid integer value");
    EXPECT_EQ(formatError("a,2,256,120"), "'a' is not a valid integer value");
    EXPECT_EQ(formatError("2,2,256,"), "'' is not a valid integer value");
    EXPECT_EQ(formatError("garbage"), "'' is not a valid integer value");
}

TEST(SettingsFormats, LayoutCodes)
{
    EXPECT_EQ(layoutCodeOf({10000, 120, 0, 0}), 1);
    EXPECT_EQ(layoutCodeOf({40000, 120, 0, 0}), 4);
    EXPECT_EQ(layoutCodeOf({2, 2, 256, 120}), 0);
    EXPECT_EQ(layoutCodeOf({50000, 120, 0, 0}), 0);
}

TEST(SettingsFormats, ArrangementCodeOneOnA1024By768Screen)
{
    const std::vector<SettingWrite> expected{
        {"ScreenBoundsMain", "2,2,256,120"},
        {"ScreenBoundsLettersDist", "260,2,762,120"},
        {"ScreenBoundsSolve", "260,2,762,120"},
        {"ScreenBoundsGrid", "10000,120,0,0"},
        {"ScreenBoundsAuthorTitle", "10000,120,0,0"},
        {"ScreenBoundsClues", "10000,120,0,0"},
        {"ScreenBoundsAutoclue", ""},
    };
    EXPECT_EQ(arrangementWrites(1, 256, 120, 1024, 768), expected);
}

TEST(SettingsFormats, ArrangementCodesTwoToFour)
{
    // 1024 - 256 - 2 = 766 at the right, 768 - 120 - 2 = 646 at the bottom.
    const auto two = arrangementWrites(2, 256, 120, 1024, 768);
    ASSERT_EQ(two.size(), 7u);
    EXPECT_EQ(two[0].value, "766,2,256,120");
    EXPECT_EQ(two[1].value, "2,2,762,120");
    EXPECT_EQ(two[2].value, "2,2,762,120");
    EXPECT_EQ(two[3].value, "20000,120,0,0");

    const auto three = arrangementWrites(3, 256, 120, 1024, 768);
    ASSERT_EQ(three.size(), 7u);
    EXPECT_EQ(three[0].value, "766,646,256,120");
    EXPECT_EQ(three[2].value, "2,646,762,120");
    EXPECT_EQ(three[5].value, "30000,120,0,0");

    const auto four = arrangementWrites(4, 300, 100, 800, 600);
    ASSERT_EQ(four.size(), 7u);
    EXPECT_EQ(four[0].value, "2,498,300,100");
    EXPECT_EQ(four[1].value, "304,498,494,100");
    EXPECT_EQ(four[4], (SettingWrite{"ScreenBoundsAuthorTitle", "40000,100,0,0"}));
    EXPECT_EQ(four[6], (SettingWrite{"ScreenBoundsAutoclue", ""}));

    EXPECT_TRUE(arrangementWrites(99, 256, 120, 1024, 768).empty());
    EXPECT_TRUE(arrangementWrites(0, 256, 120, 1024, 768).empty());
}

TEST(SettingsFormats, RoundingTakesHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(11, 2), 6);   // 5.5
    EXPECT_EQ(roundHalfEven(13, 2), 6);   // 6.5
    EXPECT_EQ(roundHalfEven(5, 2), 2);    // 2.5
    EXPECT_EQ(roundHalfEven(7, 2), 4);    // 3.5
    EXPECT_EQ(roundHalfEven(-5, 2), -2);
    EXPECT_EQ(roundHalfEven(-7, 2), -4);
    EXPECT_EQ(roundHalfEven(5, -2), -2);
    EXPECT_EQ(roundHalfEven(10, 3), 3);
    EXPECT_EQ(roundHalfEven(11, 3), 4);
    EXPECT_EQ(roundHalfEven(-11, 3), -4);
    EXPECT_EQ(roundHalfEven(12, 4), 3);
    EXPECT_THROW(roundHalfEven(1, 0), std::domain_error);

    EXPECT_EQ(roundHalfEven(5.5), 6);
    EXPECT_EQ(roundHalfEven(6.5), 6);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
}

TEST(SettingsFormats, StoreLinesKeepTheirType)
{
    const StoreLine name{"FontName", std::string("Times New Roman")};
    const StoreLine size{"FontSize", std::int32_t{11}};
    const StoreLine negative{"Offset", std::int32_t{-1}};
    EXPECT_EQ(formatStoreLine(name), "\"FontName\"=\"Times New Roman\"");
    EXPECT_EQ(formatStoreLine(size), "\"FontSize\"=dword:0000000b");
    EXPECT_EQ(formatStoreLine(negative), "\"Offset\"=dword:ffffffff");

    const StoreLine tricky{"Path \"x\"", std::string("C:\\Tools\\\"dict\".exe\nsecond\rline")};
    EXPECT_EQ(formatStoreLine(tricky).find('\n'), std::string::npos);
    for (const StoreLine& line : {name, size, negative, tricky, StoreLine{"Empty", std::string()}})
        EXPECT_EQ(parseStoreLine(formatStoreLine(line)), line) << formatStoreLine(line);

    EXPECT_EQ(parseStoreLine("\"A\"=dword:5\r"), (StoreLine{"A", std::int32_t{5}}));
    EXPECT_EQ(parseStoreLine("\"A\"=DWORD:0000000B"), std::nullopt);
    EXPECT_EQ(parseStoreLine("\"A\"=dword:0000000B"), (StoreLine{"A", std::int32_t{11}}));
}

TEST(SettingsFormats, DamagedStoreLinesAreRefused)
{
    for (const char* bad : {"", "junk", "\"A\"", "\"A\"=", "\"A\"=text", "\"A\"=\"open", "\"A\"=\"x\" tail",
                            "\"A\"=dword:", "\"A\"=dword:123456789", "\"A\"=dword:12g4", "\"\"=\"x\"",
                            "\"A\\q\"=\"x\"", "\"A\"=\"x\\", "=\"x\"", "[HKEY_CURRENT_USER\\Software]"})
        EXPECT_EQ(parseStoreLine(bad), std::nullopt) << bad;
}
