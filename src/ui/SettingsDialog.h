// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmSet: the "設定" dialog. The player chooses solitaire or a game with
// several seats, who sits in each of the four seats, the card back, how long
// two turned cards stay up and the table's mouse cursor, and whether the next
// start begins with these choices. Nothing changes in the game until "Ｏ．Ｋ";
// the seats stay locked while a game is running.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "engine/GameSettings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SpriteWidget;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with `settings`; the seats can be changed only when `seatsOpen`
    // (no game running). `beep` sounds at every seat change. Centred on `parent`.
    SettingsDialog(const GameSettings& settings, bool seatsOpen, std::function<void()> beep,
                   QWidget* parent);

    // What "Ｏ．Ｋ" confirmed (the dialog's result is then Accepted); until
    // then the settings it opened with.
    const GameSettings& Chosen() const { return chosen_; }

    // The seat choice as it stands in the dialog (not yet applied).
    CharacterKind SeatChoice(int seat) const { return seatChoice_[seat]; }

    // The dialog's widgets, for the window's users and its tests.
    QGroupBox* PlayerFrame() const { return playerFrame_; }
    QPushButton* SoloButton() const { return modeButtons_[0]; }
    QPushButton* SeveralButton() const { return modeButtons_[1]; }
    SpriteWidget* Character(int seat) const { return characters_[seat]; }
    QPushButton* NextButton(int seat) const { return nextButtons_[seat]; }
    QPushButton* CardButton(int i) const { return cardButtons_[i]; }
    QRadioButton* SecondButton(int i) const { return secondButtons_[i]; }
    QPushButton* CursorButton(int i) const { return cursorButtons_[i]; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QCheckBox* KeepBox() const { return keepBox_; }
    QLabel* IconPicture() const { return icon_; }

    // What the seat buttons do: the next of the five choices, with a beep.
    void CycleSeatChoice(int seat);

private:
    void BuildLayout();
    void ShowOpeningState(const GameSettings& settings);
    void ShowSeatChoice(int seat, CharacterKind kind);
    void SelectSolitaire();
    void SelectSeveral();
    // "Ｏ．Ｋ": the seat checks, then everything applied and the dialog closed.
    // Lets events run: the message boxes of the seat checks.
    void Confirm();
    // Lets events run: "no player" and "solitaire?" message boxes.
    bool ConfirmSeats();

    GameSettings chosen_;
    bool seatsOpen_ = true;
    std::function<void()> beep_;
    std::array<CharacterKind, kSeats> seatChoice_{};

    QGroupBox* playerFrame_ = nullptr;
    std::array<QPushButton*, 2> modeButtons_{};
    QButtonGroup* playerGroup_ = nullptr;
    std::array<SpriteWidget*, kSeats> characters_{};
    std::array<QPushButton*, kSeats> nextButtons_{};
    std::array<QPushButton*, 4> cardButtons_{};
    QButtonGroup* cardGroup_ = nullptr;
    std::array<QRadioButton*, 3> secondButtons_{};
    QButtonGroup* secondGroup_ = nullptr;
    std::array<QPushButton*, 4> cursorButtons_{};
    QButtonGroup* cursorGroup_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QCheckBox* keepBox_ = nullptr;
    QLabel* icon_ = nullptr;
};
