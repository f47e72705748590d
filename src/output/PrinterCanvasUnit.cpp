#include "output/PrinterCanvasUnit.h"

#include "core/Cp1252.h"

#include <QPrinter>
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

}  // namespace

QString printedText(std::string_view cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::string cp1252Text(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

PrinterCanvas::PrinterCanvas(QPrinter& printer, std::function<QString()> nextPdfFile)
    : printer(printer), nextPdfFile(std::move(nextPdfFile))
{
    portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
}

void usePdfOutput(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(true);
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
    printer.setPageOrientation(asPortrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void PrinterCanvas::beginJob(bool asPortrait, const std::string& title)
{
    setPortrait(asPortrait);
    printer.setDocName(printedText(title));
    QString file;
    if (nextPdfFile) {
        file = nextPdfFile();
        printer.setOutputFileName(file);
    }
    if (!painter.begin(&printer))
        throw PrintError(file.isEmpty() ? "The printer did not accept the print job."
                                        : "The print job could not be written to " + file.toStdString() + ".");
    if (!file.isEmpty())
        files.append(file);
}

void PrinterCanvas::newPage()
{
    if (!printer.newPage())
        throw PrintError("The printer did not accept a new page.");
}

void PrinterCanvas::endJob()
{
    if (!painter.end())
        throw PrintError("The printer did not finish the print job.");
}

int PrinterCanvas::pageWidth()
{
    return printer.width();
}

int PrinterCanvas::pageHeight()
{
    return printer.height();
}

int PrinterCanvas::dotsPerInch()
{
    return printer.logicalDpiX();
}

const PrinterCanvas::LoadedFont& PrinterCanvas::loaded(const PrintFont& font)
{
    for (const LoadedFont& known : fonts)
        if (known.key == font)
            return known;
    const QFont made = qtFont(font, &printer);
    return fonts.emplace_back(LoadedFont{font, made, QFontMetrics(made, &printer)});
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
