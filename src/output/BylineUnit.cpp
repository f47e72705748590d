#include "output/BylineUnit.h"

#include "core/Cp1252.h"
#include "core/Cp1252InputUnit.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace zpx {

TBylineForm* BylineForm = nullptr;

namespace {

// Typed bylines stay well inside the record's 80 characters.
constexpr int TypedBylineLength = 60;

QFont timesNewRoman(int pixels)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TBylineForm::TBylineForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Puzzle Byline"));
    setFixedSize(283, 78);
    fillWithSilver(this);
}

void TBylineForm::setVisible(bool visible)
{
    if (visible && !BylineEdit)
        createComponents();
    QDialog::setVisible(visible);
}

void TBylineForm::createComponents()
{
    ByLbl = new QLabel(QStringLiteral("By:"), this);
    ByLbl->setFont(timesNewRoman(13));
    ByLbl->move(4, 20);
    ByLbl->adjustSize();

    BylineEdit = new QLineEdit(this);
    BylineEdit->setGeometry(28, 16, 250, 23);
    BylineEdit->setFont(timesNewRoman(15));
    BylineEdit->setValidator(new Cp1252Validator(BylineEdit));

    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setGeometry(116, 48, 75, 25);
    SaveBtn = new QPushButton(QStringLiteral("&Save"), this);
    SaveBtn->setGeometry(202, 48, 75, 25);
    // Enter in the line saves, as in any dialog with one line to fill.
    CancelBtn->setAutoDefault(false);
    SaveBtn->setDefault(true);

    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
}

void TBylineForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBylineForm::FormShow()
{
    const QString byline = QString::fromStdString(cp1252ToUtf8(PuzzleRecord.Byline.text()));
    // A longer byline stored by other means is shown, and kept, whole.
    BylineEdit->setMaxLength(std::max<int>(TypedBylineLength, byline.size()));
    BylineEdit->setText(byline);
    BylineEdit->end(false);
    BylineEdit->setFocus();
}

void TBylineForm::SaveBtnClick()
{
    puzzleEdits().setByline(utf8ToCp1252(BylineEdit->text().toStdString()));
    accept();
}

}  // namespace zpx
