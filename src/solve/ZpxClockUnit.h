#pragma once
// The clock: the solving time in hours, minutes and seconds, paused and
// continued with one button, set back to zero with the other.

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

    // The main window clicks this when a puzzle is opened for solving while the clock shows.
    void ResetBtnClick();

    QLabel* TimeLbl;
    QToolButton* ResetBtn;
    QToolButton* ClockBtn;
    QTimer* Timer1;
    ClockCount Count;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void ClockBtnClick();
    void setRunning(bool running);
    void showTime();
};

extern TZpxClockForm* ZpxClockForm;

}  // namespace zpx
