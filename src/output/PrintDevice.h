#pragma once
// What the page layouts draw on: the printer's canvas in device pixels, and
// its print jobs. The printing windows and zpxtool supply one over Qt's
// printer; logic tests supply one that records what was drawn.

#include <cstdint>
#include <string>
#include <string_view>

namespace zpx {

enum class Typeface { CourierNew, Arial, TimesNewRoman };

struct PrintFont {
    Typeface face = Typeface::CourierNew;
    int points = 12;
    bool bold = false;
    bool underline = false;
    int cellHeight = 0;  // device pixels from the top of the tallest letter to the lowest; sizes the font when set

    bool operator==(const PrintFont&) const = default;
};

namespace PrintColour {
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Silver = 0xC0C0C0;
constexpr std::uint32_t Black = 0x000000;
}  // namespace PrintColour

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Jobs: a job begins on its first page; pages are added to the open job.
    virtual bool jobOpen() const = 0;
    virtual bool jobPortrait() const = 0;
    virtual void beginJob(bool portrait, const std::string& title) = 0;
    virtual void newPage() = 0;
    virtual void endJob() = 0;
    // The orientation measured by pageWidth and pageHeight while no job is open.
    virtual void setPortrait(bool portrait) = 0;

    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual int dotsPerInch() = 0;

    // Texts are Windows-1252; (x, y) is the top left corner of the text's cell.
    virtual void setFont(const PrintFont& font) = 0;
    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight(std::string_view text) = 0;
    virtual void textOut(int x, int y, std::string_view text) = 0;

    // A rectangle is filled with the brush and outlined with the pen; its
    // right and bottom edges lie just inside (right, bottom).
    virtual void setBrush(std::uint32_t rgb) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace zpx
