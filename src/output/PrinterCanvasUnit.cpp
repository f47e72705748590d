#include "output/PrinterCanvasUnit.h"

#include "core/Cp1252.h"

#include <QPdfWriter>
#include <QTextLayout>

namespace zpx {

namespace {

QString family(Typeface face)
{
    switch (face) {
    case Typeface::Arial:
        return QStringLiteral("Arial");
    case Typeface::TimesNewRoman:
        return QStringLiteral("Times New Roman");
    default:
        return QStringLiteral("Courier New");
    }
}

QFont qtFont(const PrintFont& font, QPaintDevice* device)
{
    QFont made(family(font.face));
    made.setBold(font.bold);
    made.setUnderline(font.underline);
    if (font.cellHeight > 0) {
        // Sized by the height of its letter cell: measured once large, then scaled.
        constexpr int Probe = 1000;
        made.setPixelSize(Probe);
        const int probeHeight = QFontMetrics(made, device).height();
        made.setPixelSize(std::max(1, font.cellHeight * Probe / std::max(1, probeHeight)));
    } else {
        made.setPointSize(std::max(1, font.points));
    }
    return made;
}

// The resolution of Qt's printer in high resolution, so PDF pages measure as printed ones.
constexpr int PdfDotsPerInch = 1200;

std::unique_ptr<QPdfWriter> pdfWriter(const QString& file, const QPageLayout& layout)
{
    auto writer = std::make_unique<QPdfWriter>(file);
    writer->setResolution(PdfDotsPerInch);
    QPageLayout wholeSheet = layout;
    wholeSheet.setMode(QPageLayout::FullPageMode);
    writer->setPageLayout(wholeSheet);
    return writer;
}

}  // namespace

QString printedText(std::string_view cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::string cp1252Text(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

PdfJobs::PdfJobs(const QPageLayout& layout, std::function<QString()> nextFile)
    : nextFile(std::move(nextFile)), writer(pdfWriter(QString(), layout))
{
}

PdfJobs::~PdfJobs() = default;

QPagedPaintDevice& PdfJobs::device()
{
    return *writer;
}

// A writer's file is fixed when it is made, so each job gets a new one of the same layout.
QString PdfJobs::startJob(const QString& title)
{
    const QString file = nextFile();
    writer = pdfWriter(file, writer->pageLayout());
    writer->setTitle(title);
    return file;
}

PrinterCanvas::PrinterCanvas(PageTarget& target) : target(target)
{
    portrait = target.device().pageLayout().orientation() == QPageLayout::Portrait;
}

PrinterCanvas::~PrinterCanvas()
{
    if (painter.isActive())
        painter.end();
}

bool PrinterCanvas::jobOpen() const
{
    return painter.isActive();
}

bool PrinterCanvas::jobPortrait() const
{
    return portrait;
}

void PrinterCanvas::setPortrait(bool asPortrait)
{
    portrait = asPortrait;
    target.device().setPageOrientation(asPortrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void PrinterCanvas::beginJob(bool asPortrait, const std::string& title)
{
    setPortrait(asPortrait);
    const QString file = target.startJob(printedText(title));
    if (!painter.begin(&target.device()))
        throw PrintError(file.isEmpty() ? "The printer did not accept the print job."
                                        : "The print job could not be written to " + file.toStdString() + ".");
    if (!file.isEmpty())
        files.append(file);
}

void PrinterCanvas::newPage()
{
    if (!target.device().newPage())
        throw PrintError("The printer did not accept a new page.");
}

void PrinterCanvas::endJob()
{
    if (!painter.end())
        throw PrintError("The printer did not finish the print job.");
}

int PrinterCanvas::pageWidth()
{
    return target.device().width();
}

int PrinterCanvas::pageHeight()
{
    return target.device().height();
}

int PrinterCanvas::dotsPerInch()
{
    return target.device().logicalDpiX();
}

const PrinterCanvas::LoadedFont& PrinterCanvas::loaded(const PrintFont& font)
{
    for (const LoadedFont& known : fonts)
        if (known.key == font)
            return known;
    QPagedPaintDevice* const device = &target.device();
    const QFont made = qtFont(font, device);
    return fonts.emplace_back(LoadedFont{font, made, QFontMetrics(made, device)});
}

void PrinterCanvas::setFont(const PrintFont& font)
{
    current = &loaded(font);
    if (painter.isActive())
        painter.setFont(current->font);
}

int PrinterCanvas::textWidth(std::string_view text)
{
    return current ? current->metrics.horizontalAdvance(printedText(text)) : 0;
}

int PrinterCanvas::textHeight(std::string_view)
{
    return current ? current->metrics.height() : 0;
}

void PrinterCanvas::textOut(int x, int y, std::string_view text)
{
    if (!current || text.empty())
        return;
    if (painter.font() != current->font)
        painter.setFont(current->font);
    painter.setPen(QPen(Qt::black));
    painter.drawText(x, y + current->metrics.ascent(), printedText(text));
}

void PrinterCanvas::setBrush(std::uint32_t rgb)
{
    brush = QBrush(QColor::fromRgb(rgb));
}

void PrinterCanvas::setPenWidth(int width)
{
    penWidth = width;
}

void PrinterCanvas::rectangle(int left, int top, int right, int bottom)
{
    painter.setPen(QPen(Qt::black, penWidth));
    painter.setBrush(brush);
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2)
{
    painter.setPen(QPen(Qt::black, penWidth));
    painter.drawLine(x1, y1, x2, y2);
}

QStringList displayedLines(const QString& text, const QFont& font, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString shown = paragraph.mid(line.textStart(), line.textLength());
            while (shown.endsWith(QLatin1Char(' ')))
                shown.chop(1);
            lines.append(shown);
        }
        layout.endLayout();
    }
    return lines;
}

}  // namespace zpx
