#pragma once
// Format Solution: the quotation and the author-title line of the solution
// page, read off the grid and given their final form by the constructor:
// punctuation, line breaks, capitalisation.

#include <QDialog>
#include <QStringList>

#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zpx {

class TZpxPrintAnsForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxPrintAnsForm(QWidget* parent = nullptr);

    // The controls exist from the first PrepareSolution or showing on.
    QPlainTextEdit* QuoteMemo = nullptr;
    QLineEdit* AuthorEd = nullptr;
    QPushButton* CaseBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    bool MixedCase = false;

    void PrepareSolution();
    void CaseBtnClick();
    void Button2Click();

    // What the solution page prints, Windows-1252: the quotation box's lines
    // as it shows them, and the author-title line.
    std::vector<std::string> QuotationLines();
    std::string AuthorTitleLine();

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createComponents();
    void FormPaint();
};

extern TZpxPrintAnsForm* ZpxPrintAnsForm;

}  // namespace zpx
