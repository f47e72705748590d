#pragma once
// The Autoclue window: the constructor writes the clue of one acrostic word
// at a time. The edit line is the clue itself: every change is stored at
// once in the record, so closing the window loses nothing. It moves from
// word to word, finds the next word without a clue, inserts blanks, letter
// counts and special characters, and opens the definitions list and the
// special characters table beside it.

#include <QIcon>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace zpx {

class TAutoclueForm : public QWidget {
    Q_OBJECT

public:
    explicit TAutoclueForm(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // Re-reads the letter counts and the clue font (also after Preferences).
    void ApplySettings();
    void ApplyScreenBounds();
    // Loads CurrentWord: its clue into the edit line, its answer and label.
    void ShowWord();
    // Moves to word w and shows it.
    void ShowWordOf(int word);
    // The answer shown (UTF-8), which the clue database looks up.
    std::string ShownAnswer() const;
    // The clue database window opened or closed: the add button and the hints follow.
    void ClueDatabaseShown(bool shown);
    // A definition taken from the clue database replaces the clue line.
    void SetClueText(const QString& text);

    void PrevBtnClick();
    void NextBtnClick();
    void BlankBtnClick();
    // One of the editing keys of the clue line: Enter (13), Ctrl+N (14),
    // Ctrl+U (21), Ctrl+Y (25). Answers whether the key was one of them.
    bool DefEditKeyPress(int key);
    void CtBtnClick();
    void InsertBtnClick();
    void CharsBtnClick();
    void ListdefsBtnClick();
    // "Open clue database": toggles the clue database window.
    void CluesBtnClick();
    // "Add definition to clue database": stores the clue as a definition of the word.
    void AddBtnClick();
    // Puts `text` into the clue line at the caret, a selected text staying after it.
    void InsertAtCaret(const QString& text);

    bool CountsOn = false;
    std::int32_t CurrentWord = 1;

    // The controls exist from the first showing on.
    QLabel* ClueLbl = nullptr;
    QLabel* CountLbl = nullptr;
    QToolButton* CtBtn = nullptr;
    QLabel* NumLbl = nullptr;
    QLineEdit* DefEdit = nullptr;
    QFrame* ToolBar1 = nullptr;
    QToolButton* PrevBtn = nullptr;
    QToolButton* NextBtn = nullptr;
    QToolButton* BlankBtn = nullptr;
    QToolButton* InsertBtn = nullptr;
    QToolButton* CharsBtn = nullptr;
    QToolButton* ListDefsBtn = nullptr;
    QFrame* ClueBar = nullptr;
    QToolButton* CluesBtn = nullptr;
    QToolButton* AddBtn = nullptr;
    QPushButton* OkBtn = nullptr;
    // Pictures 0 to 8 of the tool buttons; 8 is AddBtn's while the clue database is open.
    std::array<QIcon, 9> ImageList1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void FormCreate();
    void FormShow();
    void FormClose();
    void DefEditChange();
    // Shows "NO MORE CLUES!" for half a second or while the spoken sound
    // plays; the program goes on meanwhile.
    void NoMoreClues();
    void endNoMoreClues();
    void placeAnchoredControls();

    QString answer;
    // Counts the visits to words: the typing of one visit is one step to undo.
    std::uint32_t wordVisit = 0;
    // While "NO MORE CLUES!" shows, the window takes no input: a word moved
    // to or a key typed in that half second would land on the wrong word.
    bool noticeShowing = false;
    QString numberBeforeNotice;
    QTimer* noticeTimer;
};

extern TAutoclueForm* AutoclueForm;

}  // namespace zpx
