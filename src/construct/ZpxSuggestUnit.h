#pragma once
// The suggestions window: candidate answers for the selected acrostic word,
// most common first. Choosing one (double-click or Enter) builds the word:
// its letters go on squares where Scan Grid will not find them.

#include <QWidget>

class QLabel;
class QListWidget;

namespace zpx {

class TZpxSuggestForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxSuggestForm(QWidget* parent = nullptr);

    // Lists the candidates for SelectedWord afresh.
    void FillSuggestList();

    QLabel* WordLbl;
    QListWidget* SuggestList;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SuggestListActivated();
};

extern TZpxSuggestForm* ZpxSuggestForm;

}  // namespace zpx
