#pragma once
// The progress notice: a small borderless window that tells the user the
// program is saving, printing or exporting while it does so.

#include <QWidget>

#include <cstdint>

class QLabel;
class QFrame;

namespace zpx {

enum NoticeKinds : std::uint8_t {
    NoticeSaving = 1,
    NoticePrinting = 2,
    NoticeExporting = 3,
};

class TInfoWin : public QWidget {
    Q_OBJECT

public:
    explicit TInfoWin(QWidget* parent = nullptr);

    // Set by the caller before the notice is shown; another value keeps the
    // picture and text of the last showing.
    std::uint8_t NoticeKind = 0;

    QFrame* Panel1;
    QLabel* PanelText;
    QLabel* Image1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormClose();
};

extern TInfoWin* InfoWin;

// Runs `work` under the notice of `kind`: shown, given a moment to paint
// (unless `paintFirst` is false, as Save has it), left up a second after the
// work so it can be read, then closed. A failing work closes it at once and
// its failure goes on to the caller.
template <typename Work>
void runUnderNotice(std::uint8_t kind, Work&& work, bool paintFirst = true);

// The two halves of runUnderNotice, for callers that cannot pass their work along.
void showNotice(std::uint8_t kind, bool paintFirst);
void closeNotice(bool afterWork);

template <typename Work>
void runUnderNotice(std::uint8_t kind, Work&& work, bool paintFirst)
{
    showNotice(kind, paintFirst);
    try {
        work();
    } catch (...) {
        closeNotice(false);
        throw;
    }
    closeNotice(true);
}

}  // namespace zpx
