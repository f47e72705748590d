#include "construct/ZpxAnalyzeUnit.h"

#include "construct/PuzzleAnalysis.h"
#include "core/PuzzleRecord.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QLabel>
#include <QPushButton>

namespace zpx {

TZpxAnalyzeForm* ZpxAnalyzeForm = nullptr;

namespace {

QLabel* colouredLabel(QWidget* parent, const QColor& colour)
{
    auto* label = new QLabel(parent);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TZpxAnalyzeForm::TZpxAnalyzeForm(QWidget* parent)
    : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Puzzle Analysis"));
    setFixedSize(572, 193);
    fillWithSilver(this);

    const char* const captions[] = {"Quotation Grid Size:", "Total Word Count:", "Total Letters:",
                                    "Author-Title Length:"};
    QLabel** values[] = {&GridSizeLbl, &WdCountLbl, &TotalLbl, &AuthorLbl};
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(captions[i]), this);
        caption->setGeometry(8, 8 + i * 24, 130, 20);
        *values[i] = new QLabel(this);
        (*values[i])->setGeometry(140, 8 + i * 24, 52, 20);
    }

    QuoteLbl = colouredLabel(this, QColor(0x80, 0x00, 0x00));
    QuoteLbl->setWordWrap(true);
    QuoteLbl->setGeometry(194, 8, 370, 157);
    ATLbl = colouredLabel(this, QColor(0x00, 0x00, 0x80));
    ATLbl->setGeometry(194, 168, 370, 18);

    OkBtn = new QPushButton(QStringLiteral("&Close"), this);
    OkBtn->setGeometry(8, 156, 75, 25);
    connectGuarded(OkBtn, &QPushButton::clicked, this, [this] { accept(); });
}

void TZpxAnalyzeForm::FormShow()
{
    const PuzzleAnalysis analysis = analyzePuzzle(PuzzleRecord);
    GridSizeLbl->setText(QString::fromStdString(analysis.gridSize));
    WdCountLbl->setText(QString::number(analysis.words));
    TotalLbl->setText(QString::number(analysis.letters));
    AuthorLbl->setText(QString::fromStdString(analysis.authorTitle));
    QuoteLbl->setText(QString::fromLatin1(analysis.quotation));
    ATLbl->setText(QString::fromLatin1(analysis.authorTitleLine));
}

void TZpxAnalyzeForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

}  // namespace zpx
