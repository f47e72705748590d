#pragma once
// Who refreshes whom: the windows' side of the events the logic and the
// windows send, installed at start.

#include "core/WindowEvents.h"

namespace zpx {

class TWindowRefresh final : public WindowEvents {
public:
    void afterPuzzleChanged(const PuzzleChange& change) override;
    void afterHistoryChanged() override;
    void afterWordSelected(int word) override;
    void afterWordListClick(int word) override;
    void afterDefinitionLineClick(int word) override;
    void afterSpecialCharacterChosen(const std::string& utf8) override;
    void afterBankDefinitionChosen(const std::string& utf8) override;
    void afterClueDatabaseShown(bool shown) override;
    std::string autoclueAnswer() override;
    void afterScanPick(int word) override;
    void afterPuzzleLoaded() override;
    void afterRevert() override;
    void afterClueChosen(int word, int cursorSquares) override;
    void afterGridClueRequest(int column, int row) override;
    void solverKeyWithoutGridCursor(char key) override;
    void solverKeyInClueList(int word, char key) override;
    void beforeGridClick() override;
    void previewGridSquare(int column, int row, bool shown) override;
    void afterSolverPlaceMoved() override;
    void afterGridSquareChosen() override;
    void afterSolveWindowClosed() override;
    void celebrateSolvedPuzzle(std::function<void()> finished) override;
    void afterPreferencesSaved() override;
};

// Installs the program's window refresh as the receiver of the window events.
void installWindowRefresh();

}  // namespace zpx
