#pragma once
// The clue database window: the Autoclue window's link to the clue bank. It
// shows every stored definition of the answer word the Autoclue window is
// on; a click copies one into the clue; two buttons browse the bank word by
// word; and the Autoclue window's add button stores the clue as a new
// definition. The bank is shared with the maker's clue-bank tool, which may
// write it at the same time.

#include "dbf/TzDbf.h"

#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QListWidget;
class QToolButton;

namespace zpx {

namespace dbf {
class DbfError;
}

class TCluesDBForm : public QWidget {
    Q_OBJECT

public:
    explicit TCluesDBForm(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // Fills the list with the word's definitions; the caption names the word.
    void LookUpWord(const QString& word);
    void NextBtnClick();
    void PrevBtnClick();
    // The Autoclue window's add: a clue not yet in the list (and not blank)
    // is stored as a new definition of the word shown.
    void AddDefinition(const QString& clue);

    // The controls exist from the first showing on.
    QFrame* ToolBar1 = nullptr;
    QToolButton* PrevBtn = nullptr;
    QToolButton* NextBtn = nullptr;
    QListWidget* ClueList = nullptr;
    QLabel* NoFindLbl = nullptr;
    dbf::TTzDbf CluesDBF{"CluesDBF"};

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    // Opens the bank and shows the Autoclue window's word; false when no
    // bank was chosen.
    bool FormShow();
    void lookUp(const QString& word);
    void FormHide();
    void ClueListMouseUp();
    void StoreDefinitions(const QString& definition);
    void centreNotice();
    // Widens the window to show a whole definition where the screen allows.
    void fitDefinitionWidth();
    void showDefinitions(const std::vector<std::string>& definitions);
    // The bank's file from the settings; asks for one when there is none yet.
    QString bankDataFile();
    // Runs a handler that uses the bank; an engine failure is reported and
    // closes the window, the program and the puzzle carrying on.
    template <typename Handler>
    void withBank(Handler handler);
    void bankFailed(const dbf::DbfError& error);
};

extern TCluesDBForm* CluesDBForm;

}  // namespace zpx
