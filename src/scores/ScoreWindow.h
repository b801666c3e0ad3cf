// frmScore: the solitaire top ten, by time or by turns. Opened after a
// solitaire game it tells the player the place reached, takes a name in a box
// over the new result's row and saves the table on "O.K".
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "scores/ScoreFile.h"

class QLabel;
class QLineEdit;
class MainWindow;

namespace ResultParts {
class OkButton;
}

// True while the window is showing a game's new result; set by the opener, cleared by "O.K".
extern bool glAftGameFlg;

class ScoreWindow : public QDialog {
    Q_OBJECT
public:
    // `table` holds the new result at `newIndex` (glScoreNew) with its ranks `rank` in
    // the two orders; with no new result, newIndex is -1 and the ranks 0.
    ScoreWindow(std::string scorePath, const ScoreTable& table, int newIndex, ScoreRank rank,
                QWidget* parent = nullptr);
    ~ScoreWindow() override;

    // When the old file could be neither read nor moved aside, saving would destroy it:
    // the window then shows the result but keeps it off the disk.
    void SetSaveAllowed(bool allowed) { saveAllowed_ = allowed; }

    // Form load: tells the place reached, picks the order, fills the grid.
    void Load();
    // A click on sort header 0 (time) or 1 (turns).
    void SortClick(int index);
    // "O.K": takes the name, saves, closes; stays open when the name is wrong. A failed
    // save asks whether to try again or to close without saving.
    void OkClick();

    int SortFlag() const { return glSortFlg_; }
    const ScoreTable& Table() const { return table_; }
    QLabel* SortHeader(int index) const { return lblSort_[index]; }
    QLabel* NameCell(int row) const { return lblName_[row]; }
    QLabel* TimeCell(int row) const { return lblTime_[row]; }
    QLabel* TurnCell(int row) const { return lblTurn_[row]; }
    QLabel* DateCell(int row) const { return lblDate_[row]; }
    QLineEdit* NameBox() const { return txtName_; }
    QLabel* OkLabel() const;
    const ResultParts::OkButton& Ok() const { return *ok_; }

public slots:
    void reject() override;  // the close box and Esc: leave without saving

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string scorePath_;
    ScoreTable table_;
    int glScoreNew_;
    ScoreRank rank_;  // glSTime, glSTurn
    int glSortFlg_ = 0;
    bool saveAllowed_ = true;
    bool nameBoxFilled_ = false;

    std::array<QLabel*, 2> lblSort_{};
    std::array<QLabel*, kScoreCount> lblRow_{}, lblName_{}, lblTime_{}, lblTurn_{}, lblDate_{};
    QLineEdit* txtName_ = nullptr;
    ResultParts::OkButton* ok_ = nullptr;
};

// The player's name as the file keeps it: CP932 bytes. Characters that Linux input
// methods produce in their JIS forms are first taken to the Windows forms of the same
// marks (the wave dash, the double vertical line, the minus, the cent, pound and not
// signs, the dash). Nothing when some character has no CP932 form; `refused` then
// lists those characters.
std::optional<std::string> NameToCp932(const QString& name, QString* refused = nullptr);
QString NameFromCp932(const std::string& bytes);

// Reads the table for showing (a missing file is created anew); a damaged file is set
// aside and the player told once. `saveAllowed` is false when it could not be moved.
ScoreTable LoadScoreTableForPlayer(const std::string& scorePath, QWidget* parent,
                                   bool* saveAllowed);

// At start: clears away what saves cut short left behind and creates a missing score
// file, telling the player at once when it cannot be created.
void PrepareScoreFile(const std::string& scorePath);

// The hand-over of a finished solitaire game: reads the table, completes the stamped
// record from game.elapsedSeconds and game.turnCount, places it and opens the window
// modally over `parent`. Returns when the window has closed.
void AddNewScore(SoloScoreRecord record, const std::string& scorePath, QWidget* parent);

// Called by the end of a solitaire game: sets glAftGameFlg, stamps the result with the
// date and time and hands it to AddNewScore with the score file beside the program.
void HandOverSoloResult(MainWindow& window);
// The top ten without a new result.
void ShowScoreTable(QWidget* parent);
