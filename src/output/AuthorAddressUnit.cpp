#include "output/AuthorAddressUnit.h"

#include "core/PuzzleRecord.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zpx {

TAuthorAddressForm* AuthorAddressForm = nullptr;

namespace {

// Each line of the manuscript's heading: its setting, caption and default.
struct AddressLine {
    const char* setting;
    const char* caption;
    const char* defaultValue;
};

constexpr AddressLine AddressLines[] = {
    {"Name", "&Name:", "Your Name"},       {"Add1", "Address &1:", "Address 1"},
    {"Add2", "Address &2:", "Address 2"},  {"Add3", "Address &3:", "Address 3"},
    {"Add4", "Address &4:", ""},
};

}  // namespace

TAuthorAddressForm::TAuthorAddressForm(QWidget* parent)
    : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Author Address"));
    setFixedSize(340, 190);
    fillWithSilver(this);
    createControls();
}

void TAuthorAddressForm::createControls()
{
    for (int i = 0; i < 5; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(90, 10 + i * 28, 240, 22);
        // A heading line of the manuscript, as long as a clue may be.
        edit->setMaxLength(MaxStringLength);
        auto* caption = new QLabel(QString::fromLatin1(AddressLines[i].caption), this);
        caption->setGeometry(8, 10 + i * 28, 80, 22);
        caption->setBuddy(edit);
        if (i == 0)
            NameEdit = edit;
        else
            AddEdits[static_cast<std::size_t>(i - 1)] = edit;
    }
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setGeometry(174, 154, 75, 25);
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(255, 154, 75, 25);
    connectGuarded(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
}

void TAuthorAddressForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TAuthorAddressForm::FormShow()
{
    NameEdit->setText(ZpxProcs->ReadSetting(QString::fromLatin1(AddressLines[0].setting), AddressLines[0].defaultValue));
    for (std::size_t i = 0; i < AddEdits.size(); ++i)
        AddEdits[i]->setText(
            ZpxProcs->ReadSetting(QString::fromLatin1(AddressLines[i + 1].setting), AddressLines[i + 1].defaultValue));
    NameEdit->setFocus();
}

void TAuthorAddressForm::OkBtnClick()
{
    ZpxProcs->WriteSetting(QString::fromLatin1(AddressLines[0].setting), NameEdit->text());
    for (std::size_t i = 0; i < AddEdits.size(); ++i)
        ZpxProcs->WriteSetting(QString::fromLatin1(AddressLines[i + 1].setting), AddEdits[i]->text());
    accept();
}

}  // namespace zpx
