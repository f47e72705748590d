#include "output/ZpxPrintUnit.h"

#include "core/DialogsUnit.h"
#include "core/IpuzReader.h"
#include "core/ProgramPrinterUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "output/ExportNames.h"
#include "output/PrinterCanvasUnit.h"
#include "output/ZpxPrintAnsUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace zpx {

TZpxPrintForm* ZpxPrintForm = nullptr;

namespace {

const QString PdfFolderSetting = QStringLiteral("PrintPdfFolder");

struct LayoutBox {
    QCheckBox* TZpxPrintForm::*box;
    const char* caption;
    const char* setting;
};

// The five layouts in the order they print, and the gray squares box saved beside them.
const LayoutBox LayoutBoxes[] = {
    {&TZpxPrintForm::MSChk, "Manuscript", "PrintMSS"},
    {&TZpxPrintForm::MSGChk, "Manuscript Grid Only", "PrintMSG"},
    {&TZpxPrintForm::NGChk, "Numbered Grid", "PrintNGr"},
    {&TZpxPrintForm::SGChk, "Solution Grid", "PrintSGr"},
    {&TZpxPrintForm::PPChk, "Puzzle Page", "PrintPPg"},
};
const char* const GraySetting = "PrintGSq";

// Jobs for the system's printer, as Printer Setup left it.
class PrinterJobs : public PageTarget {
public:
    explicit PrinterJobs(QPrinter& printer) : printer(printer) {}

    QPagedPaintDevice& device() override { return printer; }

    QString startJob(const QString& title) override
    {
        printer.setDocName(title);
        return {};
    }

private:
    QPrinter& printer;
};

// Without a system printer the jobs are PDF files on the sheet Printer Setup chose.
PdfJobs pdfJobs(std::function<QString()> nextFile)
{
    return PdfJobs(ProgramPrinter()->pageLayout(), std::move(nextFile));
}

QPixmap transparentPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

// "PORT" and "LAND": a sheet with a grid on it, upright or lying.
QPixmap orientationPicture(bool portrait)
{
    QPixmap picture = transparentPicture(27, 27);
    QPainter painter(&picture);
    const QRect sheet = portrait ? QRect(6, 1, 15, 24) : QRect(1, 6, 24, 15);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setBrush(Qt::black);
    const QRect grid = sheet.adjusted(3, 3, -3, -3);
    for (int x = grid.left(); x < grid.right(); x += 3)
        for (int y = grid.top(); y < grid.bottom(); y += 3)
            if ((x + y) % 2 == 0)
                painter.drawRect(x, y, 1, 1);
    return picture;
}

// The copies frame's picture: a stack of sheets.
QPixmap copiesPicture()
{
    QPixmap picture = transparentPicture(32, 32);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (int sheet = 2; sheet >= 0; --sheet)
        painter.drawRect(4 + 5 * sheet, 2 + 4 * sheet, 16, 20);
    return picture;
}

QPixmap printerPicture()
{
    QPixmap picture = transparentPicture(32, 32);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(9, 3, 14, 10);
    painter.setBrush(StandardColour::Silver);
    painter.drawRect(2, 12, 28, 12);
    painter.setBrush(Qt::white);
    painter.drawRect(9, 20, 14, 9);
    return picture;
}

QFont arialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QString puzzleTitle()
{
    // An imported ipuz loses its longer extension whole.
    if (isIpuzFileName(PuzzleFileName))
        return QString::fromStdString(exportTitle(PuzzleFileName));
    const QString name = QFileInfo(QString::fromStdString(PuzzleFileName)).fileName();
    return name.size() > 4 ? name.chopped(4) : name;
}

TZpxPrintForm::TZpxPrintForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Print Puzzle"));
    setFixedSize(374, 436);
    fillWithSilver(this);
}

void TZpxPrintForm::createComponents()
{
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    const QFont arial = arialPixels(11);
    const auto frame = [this, &arial](const char* title, QRect bounds) {
        auto* group = new QGroupBox(QString::fromLatin1(title), this);
        group->setFont(arial);
        group->setGeometry(bounds);
    };
    frame(" Format ", QRect(8, 16, 269, 145));
    frame(" Grid Orientation ", QRect(8, 176, 269, 43));
    frame(" Copies ", QRect(8, 234, 269, 57));

    int top = 36;
    for (const LayoutBox& layout : LayoutBoxes) {
        auto* box = new QCheckBox(QString::fromLatin1(layout.caption), this);
        box->setFont(arial);
        box->setGeometry(36, top, 200, 20);
        this->*layout.box = box;
        top += 24;
    }
    PortRB = new QRadioButton(QStringLiteral("Portrait"), this);
    PortRB->setGeometry(36, 194, 78, 20);
    PortRB->setChecked(true);
    LandRB = new QRadioButton(QStringLiteral("Landscape"), this);
    LandRB->setGeometry(116, 194, 96, 20);
    for (QRadioButton* button : {PortRB, LandRB}) {
        button->setFont(arial);
        connectGuarded(button, &QRadioButton::toggled, this, [this] { OrientClick(); });
    }
    OrientImg = new QLabel(this);
    OrientImg->setGeometry(226, 184, 27, 27);

    auto* copies = new QLabel(this);
    copies->setGeometry(36, 249, 32, 32);
    copies->setPixmap(copiesPicture());
    CopyEd = new QSpinBox(this);
    CopyEd->setGeometry(208, 250, 48, 25);
    CopyEd->setFont(arialPixels(15));
    CopyEd->setRange(1, 99);
    CopyEd->setGroupSeparatorShown(false);
    CopyEd->setWrapping(false);
    CopyEd->setValue(1);

    auto* to = new QLabel(QStringLiteral("To:"), this);
    to->setGeometry(8, 308, 26, 16);
    PrnLbl = new QLabel(QStringLiteral("Current Printer on PORT:"), this);
    PrnLbl->setGeometry(36, 308, 270, 16);
    PrnLbl->setTextFormat(Qt::PlainText);
    auto* printer = new QLabel(this);
    printer->setGeometry(310, 298, 32, 32);
    printer->setPixmap(printerPicture());

    auto* title = new QLabel(QStringLiteral("Title:"), this);
    title->setGeometry(8, 337, 28, 16);
    TitleEdit = new QLineEdit(this);
    TitleEdit->setGeometry(36, 332, 241, 24);
    TitleEdit->setFont(arialPixels(13));
    TitleEdit->setMaxLength(60);

    GrayChk = new QCheckBox(QStringLiteral("Gray Squares"), this);
    GrayChk->setGeometry(36, 372, 94, 18);
    DefChk = new QCheckBox(QStringLiteral("Default"), this);
    DefChk->setGeometry(132, 372, 62, 18);
    for (QCheckBox* box : {GrayChk, DefChk})
        box->setFont(arial);
    connectGuarded(DefChk, &QCheckBox::toggled, this, [this] { DefChkClick(); });
    PrintBar = new QProgressBar(this);
    PrintBar->setGeometry(196, 372, 81, 16);
    PrintBar->setTextVisible(false);

    AnswersBtn = new QPushButton(QStringLiteral("&Solution..."), this);
    AnswersBtn->setGeometry(36, 408, 75, 25);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setGeometry(292, 40, 75, 25);
    PrintBtn = new QPushButton(QStringLiteral("&Print"), this);
    PrintBtn->setGeometry(292, 80, 75, 25);
    PrintBtn->setDefault(true);
    for (QPushButton* button : {AnswersBtn, CancelBtn, PrintBtn})
        button->setFont(arial);
    connectGuarded(AnswersBtn, &QPushButton::clicked, this, [this] { AnswersBtnClick(); });
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(PrintBtn, &QPushButton::clicked, this, [this] {
        PrintBtnClick();
        accept();
    });
}

void TZpxPrintForm::setVisible(bool visible)
{
    if (visible && !PrintBtn)
        createComponents();
    QDialog::setVisible(visible);
}

void TZpxPrintForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TZpxPrintForm::ClearTitle()
{
    if (TitleEdit)
        TitleEdit->clear();
}

void TZpxPrintForm::FormShow()
{
    showPrinter();
    if (TitleEdit->text().isEmpty())
        TitleEdit->setText(puzzleTitle());
    for (const LayoutBox& layout : LayoutBoxes)
        (this->*layout.box)->setChecked(ZpxProcs->ReadSetting(QString::fromLatin1(layout.setting), false));
    GrayChk->setChecked(ZpxProcs->ReadSetting(QString::fromLatin1(GraySetting), false));
    const bool portrait = ZpxProcs->ReadSetting(QStringLiteral("PrintPort"), true);
    (portrait ? PortRB : LandRB)->setChecked(true);
    OrientClick();
    {
        const QSignalBlocker quiet(DefChk);
        DefChk->setChecked(false);
    }
    PrintBar->setValue(0);
    // Measured on what the jobs will go to.
    PrinterJobs printer(*ProgramPrinter());
    PdfJobs files = pdfJobs({});
    PrinterCanvas canvas(systemHasPrinter() ? static_cast<PageTarget&>(printer) : files);
    const PrintTexts none;
    PagePrinter(canvas, PuzzleRecord, Fields, none).measureLines(ZpxProcs->ReadSetting(QStringLiteral("PageBottomMargin"), 0));
    ZpxPrintAnsForm->PrepareSolution();
}

// The printer's name and where it stands; without a printer, where the PDF files go.
void TZpxPrintForm::showPrinter()
{
    if (systemHasPrinter()) {
        QPrinterInfo info = QPrinterInfo::printerInfo(ProgramPrinter()->printerName());
        if (info.isNull())
            info = QPrinterInfo::defaultPrinter();
        const QString where = !info.location().isEmpty() ? info.location() : info.makeAndModel();
        PrnLbl->setText(where.isEmpty() ? info.printerName() : info.printerName() + QStringLiteral(" on ") + where);
        return;
    }
    const QString folder = ZpxProcs->ReadSetting(PdfFolderSetting, QString());
    PrnLbl->setText(folder.isEmpty() || !QDir(folder).exists()
                        ? QStringLiteral("PDF files, in a folder you choose")
                        : QStringLiteral("PDF files in ") + QDir::toNativeSeparators(folder));
    PrnLbl->setToolTip(PrnLbl->text());
}

void TZpxPrintForm::OrientClick()
{
    OrientImg->setPixmap(orientationPicture(PortRB->isChecked()));
}

void TZpxPrintForm::DefChkClick()
{
    if (!DefChk->isChecked())
        return;
    for (const LayoutBox& layout : LayoutBoxes)
        ZpxProcs->WriteSetting(QString::fromLatin1(layout.setting), (this->*layout.box)->isChecked());
    ZpxProcs->WriteSetting(QString::fromLatin1(GraySetting), GrayChk->isChecked());
}

void TZpxPrintForm::AnswersBtnClick()
{
    const QRect frame = frameGeometry();
    ZpxPrintAnsForm->move(frame.left() + 147, frame.top() + 64);
    ZpxPrintAnsForm->exec();
}

void TZpxPrintForm::done(int result)
{
    FormClose(result);
    QDialog::done(result);
}

void TZpxPrintForm::FormClose(int result)
{
    if (result == QDialog::Accepted)
        ZpxProcs->WriteSetting(QStringLiteral("PrintPort"), PortRB->isChecked());
}

PrintTexts TZpxPrintForm::pageTexts(const std::string& puzzlePageTitle)
{
    return {cp1252Text(TitleEdit->text()), puzzlePageTitle, ZpxPrintAnsForm->QuotationLines(),
            ZpxPrintAnsForm->AuthorTitleLine()};
}

bool TZpxPrintForm::printJobs(const std::function<void(PrinterCanvas&)>& print)
{
    if (systemHasPrinter()) {
        PrinterJobs jobs(*ProgramPrinter());
        PrinterCanvas canvas(jobs);
        print(canvas);
        return true;
    }
    QString folder = ZpxProcs->ReadSetting(PdfFolderSetting, QString());
    if (folder.isEmpty() || !QDir(folder).exists()) {
        FileDialogRequest request;
        request.title = QStringLiteral("Folder for the printed PDF files");
        request.folder = true;
        request.directory = QFileInfo(QString::fromStdString(PuzzleFileName)).absolutePath();
        folder = chooseFile(request);
        if (folder.isEmpty())
            return false;
        ZpxProcs->WriteSetting(PdfFolderSetting, folder);
    }
    // Named after the puzzle, numbered past the files already there.
    const QDir into(folder);
    const QString base = puzzleTitle().isEmpty() ? QStringLiteral("puzzle") : puzzleTitle();
    int number = 0;
    QStringList written;
    {
        PdfJobs jobs = pdfJobs([&] {
            QString file;
            do
                file = into.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(++number));
            while (QFileInfo::exists(file));
            written.append(QDir::toNativeSeparators(file));
            return file;
        });
        PrinterCanvas canvas(jobs);
        print(canvas);
    }
    // Without a printer nothing comes out of the machine: say where the pages are.
    if (!written.isEmpty())
        showMessage({MessageKind::Information, MessageButtons::Ok, QStringLiteral("Print"),
                     QStringLiteral("No printer is set up, so the pages were written to PDF files:\n")
                         + written.join(QLatin1Char('\n'))});
    return true;
}

void TZpxPrintForm::PrintBtnClick()
{
    PrintChoices choices;
    choices.manuscript = MSChk->isChecked();
    choices.manuscriptGrid = MSGChk->isChecked();
    choices.numberedGrid = NGChk->isChecked();
    choices.solutionGrid = SGChk->isChecked();
    choices.puzzlePage = PPChk->isChecked();
    if (choices.layoutCount() == 0)
        return;
    choices.copies = CopyEd->value();
    choices.portrait = PortRB->isChecked();
    choices.gray = GrayChk->isChecked();
    PrintBar->setRange(0, choices.layoutCount() * choices.copies + 1);
    PrintBar->setValue(1);

    const PrintTexts texts = pageTexts(cp1252Text(TitleEdit->text()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        printJobs([&](PrinterCanvas& canvas) {
            PagePrinter(canvas, PuzzleRecord, Fields, texts).printRun(choices, [this] {
                PrintBar->setValue(PrintBar->value() + 1);
            });
        });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

void TZpxPrintForm::PrintForSolver()
{
    if (!PrintBtn)
        createComponents();
    TitleEdit->setText(puzzleTitle());
    ZpxPrintAnsForm->PrepareSolution();
    const PrintTexts texts = pageTexts(cp1252Text(puzzleTitle()));
    const int bottomMargin = ZpxProcs->ReadSetting(QStringLiteral("PageBottomMargin"), 0);
    printJobs([&](PrinterCanvas& canvas) {
        PagePrinter printer(canvas, PuzzleRecord, Fields, texts);
        printer.measureLines(bottomMargin);
        printer.printForSolver();
    });
}

}  // namespace zpx
