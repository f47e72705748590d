#pragma once
// The score card: the solver's entries compared with the answers, the
// verdict announced, and what may follow: the errors shown, a fresh start
// or the solved puzzle sent to the recycle bin.

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace zpx {

// What the main window does after the card closes.
enum class ScoreChoice {
    Nothing,     // Cancel, Start Over or the card closed
    ShowErrors,  // cross the wrong squares in the grid
    RecycleBin,  // the puzzle file goes to the recycle bin
};

class TScoreForm : public QDialog {
    Q_OBJECT

public:
    explicit TScoreForm(QWidget* parent = nullptr);

    // Scores the puzzle and shows the card modally, a solved puzzle's once
    // its celebration has ended; `chosen` gets the solver's choice.
    void ShowModal(std::function<void(ScoreChoice)> chosen);

    QLabel* Image1;
    QLabel* BannerLbl;
    QLabel* CheatLbl;
    // The time spent on the puzzle, kept with it: "Time: 0:12:34".
    QLabel* TimeLbl;
    QPushButton* ShowErrsBtn;
    QPushButton* StartOverBtn;
    QPushButton* DeleteBtn;
    QPushButton* CancelBtn;

private:
    // Sets the card for the verdict; answers whether the puzzle is solved.
    bool FormShow();
    void StartOverBtnClick();
};

extern TScoreForm* ScoreForm;

}  // namespace zpx
