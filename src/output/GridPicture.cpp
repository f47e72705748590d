#include "output/GridPicture.h"

#include "output/ExportSquares.h"
#include "output/SquareNumbering.h"

#include <array>
#include <cmath>

namespace zpx {

namespace {

constexpr int SquareUnits = 30;

// Arial's (and the metric-compatible Liberation Sans') design units: the em,
// the ascent and descent that make the cell, and the capitals' advances.
constexpr double UnitsPerEm = 2048;
constexpr double AscentUnits = 1854;
constexpr double CellUnits = 1854 + 434;
constexpr std::array<int, 26> RegularCapitals = {1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,
                                                 1024, 1366, 1139, 1706, 1479, 1593, 1366, 1593, 1479,
                                                 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251};
constexpr std::array<int, 26> BoldCapitals = {1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,
                                              1139, 1479, 1251, 1706, 1479, 1593, 1366, 1593, 1479,
                                              1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251};
// Digits, and the width taken for any other character.
constexpr int OtherAdvance = 1139;

int advanceUnits(char ch, bool bold)
{
    if (ch >= 'A' && ch <= 'Z')
        return (bold ? BoldCapitals : RegularCapitals)[static_cast<std::size_t>(ch - 'A')];
    return OtherAdvance;
}

}  // namespace

double PictureFont::emSize() const
{
    return cellHeight * UnitsPerEm / CellUnits;
}

double PictureFont::ascent() const
{
    return cellHeight * AscentUnits / CellUnits;
}

int arialTextWidth(std::string_view text, const PictureFont& font)
{
    int width = 0;
    for (const char ch : text)
        width += static_cast<int>(std::lround(advanceUnits(ch, font.bold) * font.emSize() / UnitsPerEm));
    return width;
}

GridPicture DrawGridMetafile(const TPuzzleRecord& record, PictureKind kind, LabelPlace labels)
{
    const PictureFont labelFont{10, false};
    const PictureFont answerFont{22, true};
    const PictureFont numberedAnswerFont{16, false};

    GridPicture picture;
    picture.width = SquareUnits * record.width() + 2;
    picture.height = SquareUnits * record.height() + 2;
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c) {
            const int x1 = 1 + SquareUnits * (c - 1);
            const int y1 = 1 + SquareUnits * (r - 1);
            const bool filled = record.isFilled(c, r);
            picture.items.push_back(PictureBox{x1, y1, x1 + 31, y1 + 31, filled});
            if (filled)
                continue;
            const std::uint8_t answer = record.answer(c, r);
            const std::string letter(1, static_cast<char>(answer));
            auto centred = [&](const PictureFont& font, int lower) {
                picture.items.push_back(PictureText{x1 + (SquareUnits - arialTextWidth(letter, font)) / 2,
                                                    y1 + (SquareUnits - font.cellHeight) / 2 + lower, font, letter});
            };
            if (kind != PictureKind::AnswerGrid && labels == LabelPlace::Joined) {
                picture.items.push_back(
                    PictureText{x1 + 2, y1 + 1, labelFont, exportLabel(record, c, r, numbers.at(c, r))});
            } else if (kind != PictureKind::AnswerGrid) {
                picture.items.push_back(PictureText{x1 + 2, y1 + 1, labelFont, std::to_string(numbers.at(c, r))});
                if (const auto slot = record.slotAt(c, r)) {
                    const std::string label = wordLabel(slot->word);
                    picture.items.push_back(
                        PictureText{x1 + SquareUnits - 2 - arialTextWidth(label, labelFont), y1 + 1, labelFont, label});
                }
            }
            if (answer != 0 && kind == PictureKind::NumberedAnswers)
                centred(numberedAnswerFont, 6);
            else if (answer != 0 && kind == PictureKind::AnswerGrid)
                centred(answerFont, 0);
        }
    return picture;
}

}  // namespace zpx
