#pragma once
// The clock: the time spent solving the puzzle, in hours, minutes and
// seconds, paused and continued with one button, set back to zero with the
// other. It counts from the first letter of a solving session, whether its
// window shows or not, and stops while the solution is correct; the time is
// kept with the puzzle.

#include "solve/ClockCount.h"

#include <QWidget>

class QLabel;
class QTimer;
class QToolButton;

namespace zpx {

class TZpxClockForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxClockForm(QWidget* parent = nullptr);

    // A puzzle was opened or read again: the clock waits for the first letter.
    void StartSession();
    // The solver entered a letter: the first one of a session starts the count.
    void LetterEntered();

    QLabel* TimeLbl;
    QToolButton* ResetBtn;
    QToolButton* ClockBtn;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void ResetBtnClick();
    void ClockBtnClick();
    void setPaused(bool paused);
    void showTime();
    void placeClearOfOtherWindows();

    bool SessionStarted = false;
    bool Paused = false;
};

extern TZpxClockForm* ZpxClockForm;

}  // namespace zpx
