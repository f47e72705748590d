#include "output/ZpxPrintAnsUnit.h"

#include "core/PuzzleRecord.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "output/PrinterCanvasUnit.h"
#include "output/SolutionBoxUnit.h"
#include "output/SolutionText.h"

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zpx {

TZpxPrintAnsForm* ZpxPrintAnsForm = nullptr;

TZpxPrintAnsForm::TZpxPrintAnsForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Format Solution"));
    setFixedSize(392, 289);
    fillWithSilver(this);
}

void TZpxPrintAnsForm::createComponents()
{
    QuoteMemo = new QPlainTextEdit(this);
    QuoteMemo->setGeometry(2, 8, SolutionBoxWidth, 196);
    QuoteMemo->setFrameStyle(QFrame::NoFrame);
    QuoteMemo->setFont(solutionBoxFont());
    QuoteMemo->document()->setDocumentMargin(SolutionBoxTextMargin);
    QuoteMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QuoteMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList sample{QStringLiteral("1234567890123456789012345678901")};
    for (int line = 2; line <= 12; ++line)
        sample.append(QString::number(line));
    QuoteMemo->setPlainText(sample.join(QLatin1Char('\n')));

    AuthorEd = new QLineEdit(this);
    AuthorEd->setGeometry(2, 218, SolutionBoxWidth, 24);
    AuthorEd->setFrame(false);
    AuthorEd->setFont(solutionBoxFont());

    CaseBtn = new QPushButton(QStringLiteral("C&ase"), this);
    CaseBtn->setGeometry(2, 260, 75, 25);
    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setGeometry(230, 260, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("&Cancel"), this);
    Button2->setGeometry(309, 260, 75, 25);
    connectGuarded(CaseBtn, &QPushButton::clicked, this, [this] { CaseBtnClick(); });
    connectGuarded(Button1, &QPushButton::clicked, this, [this] { accept(); });
    connectGuarded(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TZpxPrintAnsForm::setVisible(bool visible)
{
    if (visible && !QuoteMemo)
        createComponents();
    QDialog::setVisible(visible);
}

void TZpxPrintAnsForm::PrepareSolution()
{
    if (!QuoteMemo)
        createComponents();
    MixedCase = false;
    const SolutionTexts texts = prepareSolutionTexts(PuzzleRecord);
    QuoteMemo->setPlainText(printedText(texts.quotation));
    AuthorEd->setText(printedText(texts.authorTitle));
}

void TZpxPrintAnsForm::CaseBtnClick()
{
    QuoteMemo->setPlainText(QString::fromStdString(
        toggledCase(QuoteMemo->toPlainText().toStdString(), MixedCase, QuotationLastLowered)));
    AuthorEd->setText(
        QString::fromStdString(toggledCase(AuthorEd->text().toStdString(), MixedCase, AuthorTitleLastLowered)));
    MixedCase = !MixedCase;
}

void TZpxPrintAnsForm::Button2Click()
{
    PrepareSolution();
    reject();
}

std::vector<std::string> TZpxPrintAnsForm::QuotationLines()
{
    if (!QuoteMemo)
        createComponents();
    return solutionBoxLines(QuoteMemo->toPlainText());
}

std::string TZpxPrintAnsForm::AuthorTitleLine()
{
    if (!AuthorEd)
        createComponents();
    return cp1252Text(AuthorEd->text());
}

void TZpxPrintAnsForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    FormPaint();
}

// A shadow 4 pixels right of and below each text box.
void TZpxPrintAnsForm::FormPaint()
{
    QPainter painter(this);
    const QColor darkGray(0x80, 0x80, 0x80);
    painter.fillRect(QRect(QPoint(6, 12), QPoint(width() - 4 - 1, 208 - 1)), darkGray);
    painter.fillRect(QRect(QPoint(6, 222), QPoint(width() - 4 - 1, 246 - 1)), darkGray);
}

}  // namespace zpx
