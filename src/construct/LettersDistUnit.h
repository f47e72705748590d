#pragma once
// The letters distribution: how many squares of each quotation letter no
// acrostic word uses yet, counted afresh from the record at every paint.

#include <QImage>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace zpx {

class TLettersDistForm : public QWidget {
    Q_OBJECT

public:
    explicit TLettersDistForm(QWidget* parent = nullptr);

    // Takes the strip to the right of the main window.
    void ApplyScreenBounds();
    // Counts and redraws the whole canvas, then shows it.
    void FormPaint();

    // What the last paint drew; tests read it.
    const QImage& canvas() const { return image; }
    // Where the last paint drew the text of letter 'A' + index.
    QRect cellRect(int index) const;

    QFrame* LtrBev;
    QLabel* VKText;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormShow();

    QImage image;
    int rowHeight = 0;
    int cellWidth = 0;
    int textHeight = 0;
    int firstTop = 0;
    std::array<int, 3> rowLeft{};
};

extern TLettersDistForm* LettersDistForm;

}  // namespace zpx
