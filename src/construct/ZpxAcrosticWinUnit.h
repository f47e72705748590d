#pragma once
// The acrostic word list: one line per acrostic word in word order, the
// first letter in bold. Clicking a line selects the word as a click on its
// square in the author-title window does.

#include <QWidget>

class QListWidget;

namespace zpx {

class TAcrosticWinForm : public QWidget {
    Q_OBJECT

public:
    explicit TAcrosticWinForm(QWidget* parent = nullptr);

    // Rebuilds every line: each word's letters up to its first gap.
    void FillWordList();
    // Rebuilds word w's line after the word changed, gaps shown as spaces.
    void RefreshWordLine(int word);
    // Moves the selection to word w's line; 0 clears it.
    void SelectWordLine(int word);

    QListWidget* AcrList;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void AcrListMouseUp();

    bool placed = false;
};

extern TAcrosticWinForm* AcrosticWinForm;

}  // namespace zpx
