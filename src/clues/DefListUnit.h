#pragma once
// The definitions list: every acrostic word's clue and answer in one list,
// so the constructor reviews all clues at once; clicking a line moves the
// Autoclue window to that word. Each line is drawn as its label (A. .. dd.)
// and, in one column beside the labels, "clue  | ANSWER".

#include <QWidget>

class QListWidget;

namespace zpx {

// Where a line keeps the label drawn before its text.
inline constexpr int DefinitionLabelRole = Qt::UserRole;

class TDefListForm : public QWidget {
    Q_OBJECT

public:
    explicit TDefListForm(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    void ApplySettings();
    // Fills one line per word, from word 1 up to the last word that follows on.
    void FillList();
    // Rebuilds word w's line from the record after its clue changed.
    void ReplaceWordLine(int word);
    // Brings the word's line into view, where the list is too long for the window.
    void ScrollToWord(int word);

    // Item i belongs to word i + 1. Exists from the first showing on.
    QListWidget* AcrList = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void FormShow();
    void AcrListMouseUp();
};

extern TDefListForm* DefListForm;

}  // namespace zpx
