#pragma once
// The clue list of solve mode: one line per word with a clue text, each
// followed by the solver's letters so far. Choosing a line opens the solve
// window on its word. LineWords keeps which word each line shows, so a word
// without a clue text before others never shifts a line onto the wrong word.

#include <QWidget>

#include <vector>

class QListWidget;

namespace zpx {

class TClueLineDrawing;

class TZpxCluesForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxCluesForm(QWidget* parent = nullptr);

    void ApplySettings();
    void ApplyScreenBounds();
    void FillClueList();
    // Rebuilds word w's line in place, when the word has one.
    void RebuildClueLine(int word);
    // Opens the solve window on word w: from the grid at its letter LetterIndex,
    // from the list at the word's first empty square.
    void ClueListClick(int word, bool fromGrid);
    // The grid's right button asked for word w's clue at its letter `position`.
    void ChooseClueFromGrid(int word, int position);
    // Selects word w's line; no line is selected when w has none.
    void SelectWordLine(int word);
    // The solver's place moved: the selected line marks its current square anew.
    void FollowSolverPlace();

    QListWidget* ClueList;
    int LetterIndex = 0;
    std::vector<int> LineWords;
    TClueLineDrawing* LineDrawing;

protected:
    // The list's own type-ahead would move its line: the solver's keys go to the squares instead.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void ClueListKeyPress(char key);
};

extern TZpxCluesForm* ZpxCluesForm;

}  // namespace zpx
