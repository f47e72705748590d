#pragma once
// The special characters table: a 10 × 10 grid of typographic quotes and
// dashes, accented letters, symbols and the blank "___". Clicking a cell
// puts it into the Autoclue clue line at the caret; clicking it again puts
// it in again.

#include <QWidget>

class QTableWidget;

namespace zpx {

class TCharMapForm : public QWidget {
    Q_OBJECT

public:
    explicit TCharMapForm(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // Exists from the first showing on.
    QTableWidget* CharGrid = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CharGridSelectCell(int column, int row);
};

extern TCharMapForm* CharMapForm;

}  // namespace zpx
