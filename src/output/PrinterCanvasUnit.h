#pragma once
// The page layouts drawn with Qt's GUI module on a paged device (a printer
// or a PDF file): device pixels, one QPainter session per print job.

#include "output/PrintDevice.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>

class QPagedPaintDevice;
class QPdfWriter;

namespace zpx {

// A printer that refused a job or a page; reported like any run-time failure.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where print jobs go: the device pages are measured on, and drawn on while
// a job is open.
class PageTarget {
public:
    virtual ~PageTarget() = default;
    virtual QPagedPaintDevice& device() = 0;
    // Readies device() for a job titled `title`; returns the PDF file the job
    // writes, or an empty name for a printer.
    virtual QString startJob(const QString& title) = 0;
};

// Every job a PDF file of its own, named by `nextFile` as the job begins,
// drawn on the whole sheet as on a printer without unprintable edges.
class PdfJobs : public PageTarget {
public:
    PdfJobs(const QPageLayout& layout, std::function<QString()> nextFile);
    ~PdfJobs() override;

    QPagedPaintDevice& device() override;
    QString startJob(const QString& title) override;

private:
    std::function<QString()> nextFile;
    std::unique_ptr<QPdfWriter> writer;
};

class PrinterCanvas : public PrintDevice {
public:
    explicit PrinterCanvas(PageTarget& target);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    // The PDF files written, in the order their jobs began.
    QStringList files;

    bool jobOpen() const override;
    bool jobPortrait() const override;
    void beginJob(bool portrait, const std::string& title) override;
    void newPage() override;
    void endJob() override;
    void setPortrait(bool portrait) override;
    int pageWidth() override;
    int pageHeight() override;
    int dotsPerInch() override;
    void setFont(const PrintFont& font) override;
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    void textOut(int x, int y, std::string_view text) override;
    void setBrush(std::uint32_t rgb) override;
    void setPenWidth(int width) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void line(int x1, int y1, int x2, int y2) override;

private:
    struct LoadedFont {
        PrintFont key;
        QFont font;
        QFontMetrics metrics;
    };
    const LoadedFont& loaded(const PrintFont& font);

    PageTarget& target;
    QPainter painter;
    bool portrait = true;
    const LoadedFont* current = nullptr;
    std::deque<LoadedFont> fonts;   // each font is made and measured once per canvas
    QBrush brush{Qt::white};
    int penWidth = 1;
};

// The lines in which a text box `width` pixels wide, in `font`, shows `text`:
// its own line breaks and the breaks of word wrap.
QStringList displayedLines(const QString& text, const QFont& font, int width);

// Windows-1252 to the text drawn.
QString printedText(std::string_view cp1252);
std::string cp1252Text(const QString& text);

}  // namespace zpx
