// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

namespace ResultParts {
class OkButton;
}

class ScoreWindow : public QDialog {
    Q_OBJECT
public:
    // `table` holds the new result at `newIndex` (glScoreNew) with its ranks `rank` in
    // the two orders; with no new result, newIndex is -1 and the ranks 0. `afterGame`
    // (glAftGameFlg): the window shows the result of the game just played, tells its
    // place and takes a name for it.
    ScoreWindow(std::string scorePath, const ScoreTable& table, int newIndex, ScoreRank rank,
                bool afterGame, QWidget* parent = nullptr);
    ~ScoreWindow() override;

    // When the old file could be neither read nor moved aside, saving would destroy it:
    // the window then shows the result but keeps it off the disk.
    void SetSaveAllowed(bool allowed) { saveAllowed_ = allowed; }

    // Form load: tells the place reached, picks the order, fills the grid.
    // Lets events run: the message box with the place reached.
    void Load();
    // A click on sort header 0 (time) or 1 (turns).
    void SortClick(int index);
    // "O.K": takes the name, saves it into the table as it is then (SaveNewScore),
    // closes; stays open when the name is wrong. A failed save asks whether to try
    // again or to close without saving; a result that no longer makes the top ten
    // (another copy saved better ones meanwhile) is not saved, and the player told.
    // Lets events run: the message boxes about the name or the save.
    void OkClick();

    const ScoreTable& Table() const { return table_; }
    QLabel* SortHeader(int index) const { return sortHeaders_[index]; }
    QLabel* NameCell(int row) const { return nameCells_[row]; }
    QLabel* TimeCell(int row) const { return timeCells_[row]; }
    QLabel* TurnCell(int row) const { return turnCells_[row]; }
    QLabel* DateCell(int row) const { return dateCells_[row]; }
    QLineEdit* NameBox() const { return nameBox_; }
    // Below the table: which typed character the name cannot hold (hidden otherwise).
    QLabel* NameHint() const { return nameHint_; }
    QLabel* OkLabel() const;
    const ResultParts::OkButton& Ok() const { return *ok_; }
    // True while a letter the name could not take is still to be seen to: "O.K"
    // then shows why instead of saving.
    bool RefusalPending() const { return refusalPending_; }

    // Escape and the close box: a ranked result that was not saved yet is
    // thrown away only when the player says so.
    // Lets events run: the question.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TellRowsToScreenReader(int index, const std::array<int, kScoreCount>& order);

    std::string scorePath_;
    ScoreTable table_;
    int newRecord_;
    ScoreRank rank_;  // glSTime, glSTurn
    bool afterGame_;  // glAftGameFlg
    int sortOrder_ = 0;
    bool saveAllowed_ = true;
    bool nameBoxFilled_ = false;
    // The name box's refused letters (they never go into the box) and a name cut
    // at the box's limit: the note under the table says which.
    void NameRefused(const QString& refused);
    void NameCut(const QString& kept);
    void NameEdited(const QString& text);
    bool ResultAwaitsName() const;
    QString refused_;
    bool refusalPending_ = false;
    QString cutName_;  // the name as a cut left it (null: no cut)

    std::array<QLabel*, 2> sortHeaders_{};
    std::array<QLabel*, kScoreCount> rankCells_{}, nameCells_{}, timeCells_{}, turnCells_{},
        dateCells_{};
    QLineEdit* nameBox_ = nullptr;
    QLabel* nameHint_ = nullptr;
    ResultParts::OkButton* ok_ = nullptr;
};

// The player's name as the table keeps it: CP932 bytes. Characters that Linux input
// methods produce in their JIS forms are first taken to the Windows forms of the same
// marks (the wave dash, the double vertical line, the minus, the cent, pound and not
// signs, the dash). A name CP932 cannot hold is spelled in its letters (see
// Cp932::Transliterate; German names as German writes them when the game speaks
// German), its exact form kept beside the table (ExactName). Nothing when some
// character is a control or format character or a line or paragraph separator (a
// tab, a line end, a zero-width space, a direction mark: nothing a name shows);
// `refused` then lists those characters, each once.
std::optional<std::string> NameToCp932(const QString& name, QString* refused = nullptr);
// The name as typed, in UTF-8, when CP932 cannot hold it; empty when it can.
std::string ExactName(const QString& name);
// A record's name as the table shows it: the exact name when there is one.
QString ShownName(const SoloScoreRecord& record);
QString NameFromCp932(const std::string& bytes);

// What the player is told of a table that was read: a damaged one set aside (and
// how many of its records were kept), or one that could not even be moved.
// Lets events run: the message box, when there is something to tell.
void TellHowTheTableWasFound(const ScoreLoad& load, const std::string& scorePath, QWidget* parent);
// Reads the table for showing (a missing file is created anew); a damaged file is set
// aside and the player told once. `saveAllowed` is false when it could not be moved.
// Lets events run: the message box about a damaged file.
ScoreTable LoadScoreTableForPlayer(const std::string& scorePath, QWidget* parent,
                                   bool* saveAllowed);

// At start: clears away what saves cut short left behind and creates a missing score
// file, telling the player at once when it cannot be created.
// Lets events run: the message box when the file cannot be made.
void PrepareScoreFile(const std::string& scorePath);

// The hand-over of a finished solitaire game: reads the table, places the result
// (stamped and completed with its time and turns) and opens the window modally over
// `parent`, after the game. Returns when the window has closed.
// Lets events run: the score window and its message boxes.
void AddNewScore(const SoloScoreRecord& result, const std::string& scorePath, QWidget* parent);
