#pragma once
// The constructor's name and address, which head every page of the RTF
// manuscript: the settings "Name" and "Add1" … "Add4" (Options menu).

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace zpx {

class TAuthorAddressForm : public QDialog {
    Q_OBJECT

public:
    explicit TAuthorAddressForm(QWidget* parent = nullptr);

    // "Name", then the four address lines.
    QLineEdit* NameEdit = nullptr;
    std::array<QLineEdit*, 4> AddEdits{};
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void FormShow();
    void OkBtnClick();
};

extern TAuthorAddressForm* AuthorAddressForm;

}  // namespace zpx
