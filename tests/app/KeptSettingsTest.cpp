// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings kept for the next start: what "Ｏ．Ｋ" of the settings dialog and the
// two menu switches write into tomavel.ini while the player keeps them, and that
// nothing is written otherwise.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Places.h"
#include "app/Settings.h"
#include "app/Sound.h"
#include "app/WindowCommands.h"
#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "opponents/Opponents.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"

namespace {

// A file as a player may have left it: comments of their own, a key the game
// does not know, the sections in another order, CP932 text.
const QByteArray kHandEdited =
    "# my settings \x83g\x83}\x83x\x83\x8B\r\n"
    "[PLAYER]\r\n"
    "WOLF1=\r\n"
    "\r\n"
    "[PLAYBOARD]\r\n"
    "; keep solitaire\r\n"
    "SORITEA=TRUE\r\n"
    "PLAYER=0123\r\n"
    "CARD=1\r\n"
    "MINE=kept\r\n"
    "NOSOUND=FALSE\r\n";

class KeptSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        gsAppPath = dir_.path().toStdString() + "/";
        ForgetSettingsFileNotice();
        AttachViews(table_.AsViews());
        AttachComputerPlayers(&opponents_);
        MessageBoxes::SetInformHook([this](const QString& text) { told_ << text; });
        Put(kHandEdited);
    }
    void TearDown() override {
        MessageBoxes::SetInformHook(nullptr);
        AttachViews({});
        AttachComputerPlayers(nullptr);
        glNoSound = 0;
    }

    QString IniPath() const { return dir_.filePath(QStringLiteral("tomavel.ini")); }
    void Put(const QByteArray& bytes) const {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Bytes() const {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the dialog confirms: Wolf and Tiger against the human, card back 2,
    // four seconds, cursor 3.
    GameSettings Chosen(bool keep) const {
        GameSettings chosen = inForce_;
        chosen.solitaire = false;
        chosen.seats = {CharacterKind::You, CharacterKind::Wolf, CharacterKind::Tiger,
                        CharacterKind::Empty};
        chosen.cardBack = 2;
        chosen.showSeconds = 4;
        chosen.cursor = 3;
        chosen.keepForNextStart = keep;
        return chosen;
    }

    QTemporaryDir dir_;
    QStringList told_;
    GameState game_;
    HeadlessTable table_{game_};
    Opponents opponents_{game_};
    GameSettings inForce_;
    MainWindow window_{game_, WindowCommands(inForce_)};
};

}  // namespace

// Kept: exactly the chosen keys change, in place or added to their section;
// every other line stays as it was, and the next start reads the choices back.
TEST_F(KeptSettingsTest, KeepingWritesTheChosenKeysAndNothingElse) {
    window_.SetNoSoundChecked(true);
    ApplySettingsChoice(Chosen(true), inForce_, window_);
    EXPECT_TRUE(told_.isEmpty());
    EXPECT_EQ(Bytes(),
              "# my settings \x83g\x83}\x83x\x83\x8B\r\n"
              "[PLAYER]\r\n"
              "WOLF1=\r\n"
              "\r\n"
              "[PLAYBOARD]\r\n"
              "; keep solitaire\r\n"
              "SORITEA=FALSE\r\n"
              "PLAYER=0234\r\n"
              "CARD=2\r\n"
              "MINE=kept\r\n"
              "NOSOUND=TRUE\r\n"
              "SHOWSEC=2\r\n"
              "CUR=3\r\n"
              "TOPWIN=FALSE\r\n"
              "SAVESET=TRUE\r\n");

    const GameSettings next = LoadSettings();
    EXPECT_FALSE(next.solitaire);
    EXPECT_EQ(next.seats[1], CharacterKind::Wolf);
    EXPECT_EQ(next.seats[3], CharacterKind::Empty);
    EXPECT_EQ(next.cardBack, 2);
    EXPECT_EQ(next.showSeconds, 4);
    EXPECT_EQ(next.cursor, 3);
    EXPECT_TRUE(next.mute);
    EXPECT_TRUE(next.keepForNextStart);
}

// Not kept (the default): the dialog's choices last until the game ends and the
// file is never touched; the menu switches leave it alone too.
TEST_F(KeptSettingsTest, NotKeptNothingIsWritten) {
    ApplySettingsChoice(Chosen(false), inForce_, window_);
    window_.FloatAction()->trigger();
    window_.SoundAction()->trigger();
    EXPECT_EQ(game_.cardBack, 2);
    EXPECT_EQ(Bytes(), kHandEdited);
    EXPECT_TRUE(told_.isEmpty());
}

// While kept, the two menu switches are written as the player flips them; once
// the box is cleared, only that is written, and the switches no longer are.
TEST_F(KeptSettingsTest, TheMenuSwitchesFollowWhileKeptAndClearingTheBoxStopsIt) {
    ApplySettingsChoice(Chosen(true), inForce_, window_);
    window_.FloatAction()->trigger();
    window_.SoundAction()->trigger();
    GameSettings next = LoadSettings();
    EXPECT_TRUE(next.topMost);
    EXPECT_TRUE(next.mute);

    ApplySettingsChoice(Chosen(false), inForce_, window_);
    const QByteArray cleared = Bytes();
    EXPECT_TRUE(cleared.contains("\r\nSAVESET=FALSE\r\n")) << cleared.toStdString();
    EXPECT_TRUE(cleared.contains("\r\nTOPWIN=TRUE\r\n")) << cleared.toStdString();
    window_.SoundAction()->trigger();
    EXPECT_EQ(Bytes(), cleared);
    next = LoadSettings();
    EXPECT_FALSE(next.keepForNextStart);
    EXPECT_EQ(next.cardBack, 2);
}

// A settings file that cannot be written (here: one that cannot even be read, so
// it is never replaced) is told, and the settings chosen are in force all the same.
TEST_F(KeptSettingsTest, AFailedWriteIsToldAndTheSettingsStayInForce) {
    ASSERT_TRUE(QFile::remove(IniPath()));
    ASSERT_TRUE(QDir().mkdir(IniPath()));
    ApplySettingsChoice(Chosen(true), inForce_, window_);
    ASSERT_EQ(told_.size(), 1);
    EXPECT_TRUE(told_[0].startsWith("設定をファイルに保存できませんでした。"))
        << told_[0].toStdString();
    EXPECT_EQ(game_.cardBack, 2);
    EXPECT_EQ(game_.showSeconds, 4);
    EXPECT_TRUE(inForce_.keepForNextStart);
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());

    // A missing file is written as the default file with the choices in it.
    ASSERT_TRUE(QDir().rmdir(IniPath()));
    ApplySettingsChoice(Chosen(true), inForce_, window_);
    EXPECT_EQ(told_.size(), 1);
    EXPECT_TRUE(Bytes().startsWith("#================================================\r\n"));
    EXPECT_EQ(LoadSettings().cursor, 3);
}
