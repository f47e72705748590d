#pragma once
// Input held off: while an InputHold lives, keys, clicks, the wheel and
// shortcuts reach no window of the program, as when a modal window is up.
// For what the user watches to its end without a command cutting in, such
// as the score card's celebration.

#include <QObject>

namespace zpx {

class InputHold : public QObject {
public:
    InputHold();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zpx
