// Printing to PDF: every layout of a 31 × 12 puzzle with 30 clues laid out
// and drawn, the time given per page drawn.

#include "output/PageLayouts.h"
#include "output/PrinterCanvasUnit.h"

#include "../tests/support/PrintPuzzle.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zpx;

// Counts the pages of the jobs it passes on to the printer.
class PageCounter : public PrintDevice {
public:
    explicit PageCounter(PrintDevice& device) : device(device) {}
    long pages = 0;

    bool jobOpen() const override { return device.jobOpen(); }
    bool jobPortrait() const override { return device.jobPortrait(); }
    void beginJob(bool portrait, const std::string& title) override { ++pages, device.beginJob(portrait, title); }
    void newPage() override { ++pages, device.newPage(); }
    void endJob() override { device.endJob(); }
    void setPortrait(bool portrait) override { device.setPortrait(portrait); }
    int pageWidth() override { return device.pageWidth(); }
    int pageHeight() override { return device.pageHeight(); }
    int dotsPerInch() override { return device.dotsPerInch(); }
    void setFont(const PrintFont& font) override { device.setFont(font); }
    int textWidth(std::string_view text) override { return device.textWidth(text); }
    int textHeight(std::string_view text) override { return device.textHeight(text); }
    void textOut(int x, int y, std::string_view text) override { device.textOut(x, y, text); }
    void setBrush(std::uint32_t rgb) override { device.setBrush(rgb); }
    void setPenWidth(int width) override { device.setPenWidth(width); }
    void rectangle(int left, int top, int right, int bottom) override { device.rectangle(left, top, right, bottom); }
    void line(int x1, int y1, int x2, int y2) override { device.line(x1, y1, x2, y2); }

private:
    PrintDevice& device;
};

void PrintEveryLayout(benchmark::State& state)
{
    const TPuzzleRecord record = test::printPuzzle(30);
    PrintTexts texts{"benchmark", "benchmark", {"THE QUOTATION AS THE BOX SHOWS IT", "ON TWO LINES"}, "AUTHOR"};
    QTemporaryDir folder;
    PrintChoices choices{true, true, true, true, true};
    long pages = 0;
    for (auto _ : state) {
        int job = 0;
        PdfJobs jobs(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                     [&] { return QDir(folder.path()).filePath(QStringLiteral("job-%1.pdf").arg(++job)); });
        PrinterCanvas canvas(jobs);
        PageCounter counter(canvas);
        PrintFields fields;
        PagePrinter printing(counter, record, fields, texts);
        printing.measureLines(0);
        printing.printRun(choices);
        pages += counter.pages;
    }
    state.SetItemsProcessed(pages);
    state.counters["ms per page"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(PrintEveryLayout)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
