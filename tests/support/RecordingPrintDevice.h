#pragma once
// A printer for the page-layout tests: a 600 dpi A4 page, a font whose
// every character is 0.6 of its size wide and exactly its size high, and a
// record of every job, page, text and rectangle drawn.

#include "output/PrintDevice.h"

#include <string>
#include <vector>

namespace zpx::test {

struct DrawnText {
    int x, y;
    std::string text;
    PrintFont font;
};

struct DrawnRect {
    int left, top, right, bottom;
    std::uint32_t brush;
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<DrawnRect> rects;

    // The first text drawn that equals `text`; nullptr when none.
    const DrawnText* find(const std::string& text) const
    {
        for (const DrawnText& drawn : texts)
            if (drawn.text == text)
                return &drawn;
        return nullptr;
    }
};

struct DrawnJob {
    bool portrait;
    std::string title;
    std::vector<DrawnPage> pages;
};

class RecordingPrintDevice : public PrintDevice {
public:
    static constexpr int Dpi = 600;
    static constexpr int ShortSide = 4961;
    static constexpr int LongSide = 7016;

    std::vector<DrawnJob> jobs;
    bool open = false;
    bool portrait = true;

    bool jobOpen() const override { return open; }
    bool jobPortrait() const override { return portrait; }
    void beginJob(bool asPortrait, const std::string& title) override
    {
        portrait = asPortrait;
        open = true;
        jobs.push_back({asPortrait, title, {DrawnPage{}}});
    }
    void newPage() override { jobs.back().pages.emplace_back(); }
    void endJob() override { open = false; }
    void setPortrait(bool asPortrait) override { portrait = asPortrait; }

    int pageWidth() override { return portrait ? ShortSide : LongSide; }
    int pageHeight() override { return portrait ? LongSide : ShortSide; }
    int dotsPerInch() override { return Dpi; }

    void setFont(const PrintFont& newFont) override { font = newFont; }
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * cellHeight() * 6 / 10; }
    int textHeight(std::string_view) override { return cellHeight(); }
    void textOut(int x, int y, std::string_view text) override
    {
        page().texts.push_back({x, y, std::string(text), font});
    }

    void setBrush(std::uint32_t rgb) override { brush = rgb; }
    void setPenWidth(int) override {}
    void rectangle(int left, int top, int right, int bottom) override
    {
        page().rects.push_back({left, top, right, bottom, brush});
    }
    void line(int, int, int, int) override {}

    DrawnPage& page() { return jobs.back().pages.back(); }

private:
    int cellHeight() const { return font.cellHeight > 0 ? font.cellHeight : font.points * Dpi / 72; }

    PrintFont font;
    std::uint32_t brush = PrintColour::White;
};

}  // namespace zpx::test
