#pragma once
// The about box: the product's name and version, the machine's physical
// memory and the free system resources.

#include <QDialog>

class QLabel;
class QPushButton;

namespace zpx {

class TZpxAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxAboutForm(QWidget* parent = nullptr);

    // The controls exist from the first showing on.
    QLabel* imgLogo = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* TMLbl = nullptr;
    QLabel* lblPhysMem = nullptr;
    QLabel* lblFreeRes = nullptr;
    QLabel* PhysMem = nullptr;
    QLabel* FreeRes = nullptr;
    QPushButton* BitBtn1 = nullptr;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();
    void FormShow();
};

extern TZpxAboutForm* ZpxAboutForm;

// The free system resources in percent, from the system's resource library
// where it has one, else the built-in 80.
extern int (*FreeResourcesPercent)(int);

}  // namespace zpx
