#pragma once
// The puzzle analysis: grid size, quotation words and letters, the
// author-title length with the letters per acrostic word, and the quotation
// and author-title line as read back from the grid.

#include <QDialog>

class QLabel;
class QPushButton;

namespace zpx {

class TZpxAnalyzeForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxAnalyzeForm(QWidget* parent = nullptr);

    QLabel* GridSizeLbl;
    QLabel* WdCountLbl;
    QLabel* TotalLbl;
    QLabel* AuthorLbl;
    QLabel* QuoteLbl;
    QLabel* ATLbl;
    QPushButton* OkBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

extern TZpxAnalyzeForm* ZpxAnalyzeForm;

}  // namespace zpx
