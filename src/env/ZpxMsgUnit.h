#pragma once
// The progress notice: a small borderless window that tells the user the
// program is saving, printing or exporting while it does so.

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

class QLabel;
class QFrame;
class QPushButton;
class QTimer;

namespace zpx {

enum NoticeKinds : std::uint8_t {
    NoticeSaving = 1,
    NoticePrinting = 2,
    NoticeExporting = 3,
    NoticeFilling = 4,
};

class TInfoWin : public QWidget {
    Q_OBJECT

public:
    explicit TInfoWin(QWidget* parent = nullptr);
    ~TInfoWin() override;

    // Set by the caller before the notice is shown; another value keeps the
    // picture and text of the last showing.
    std::uint8_t NoticeKind = 0;

    QFrame* Panel1;
    QLabel* PanelText;
    QLabel* Image1;
    QPushButton* CancelBtn;  // shown with the fill's notice only

    // Shows the notice of NoticeKind, also over one still up.
    void ShowNotice();
    // Closes the notice a second from now, so it can be read; the program
    // goes on meanwhile, and a notice shown again stays.
    void CloseAfterReading();

    // Runs `work` on a thread of its own under the notice of `kind`, with its
    // Cancel button, while the program goes on; Cancel sets the flag that
    // `work` watches. When the work has ended the notice closes, the keys go
    // back to the window that had them, and `done` runs. False, and nothing
    // started, while such a work is still running.
    bool RunCancellable(std::uint8_t kind, std::function<void(const std::atomic<bool>& cancel)> work,
                        std::function<void()> done);
    bool WorkRunning() const { return Worker.joinable(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormClose();

    void WorkEnded();

    QTimer* ReadingTimer;
    QTimer* WorkTimer;  // looks in on the work's thread
    std::thread Worker;
    std::atomic<bool> CancelRequested = false;
    std::atomic<bool> WorkDone = false;
    std::exception_ptr WorkFailure;
    std::function<void()> AfterWork;
    QWidget* WorkingWindow = nullptr;
};

extern TInfoWin* InfoWin;

// Runs `work` under the notice of `kind`: shown, left up a second after the
// work so it can be read, then closed by a timer; nothing waits for that
// second, so no command runs inside another. A failing work closes the
// notice at once and its failure goes on to the caller.
template <typename Work>
void runUnderNotice(std::uint8_t kind, Work&& work);

// The two halves of runUnderNotice, for callers that cannot pass their work along.
void showNotice(std::uint8_t kind);
void closeNotice(bool afterWork);

template <typename Work>
void runUnderNotice(std::uint8_t kind, Work&& work)
{
    showNotice(kind);
    try {
        work();
    } catch (...) {
        closeNotice(false);
        throw;
    }
    closeNotice(true);
}

}  // namespace zpx
