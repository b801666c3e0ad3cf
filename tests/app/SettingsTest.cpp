// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file: its default content, single keys, and what the start-up load makes of it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/IniFile.h"
#include "app/Places.h"
#include "app/Settings.h"
#include "engine/GameLoop.h"
#include "engine/GameState.h"
#include "files/SafeFile.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Opponents.h"
#include "ui/MessageBoxes.h"

namespace {

const QByteArray kDefaultFile =
    "#================================================\r\n"
    "# \r\n"
    "#            \x81@\x81@   \x83g\x83}\x83x\x83\x8B\r\n"
    "# \r\n"
    "#~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
    "#                     Tomavel Team\r\n"
    "#\x81@\x81@\x81@\x81@\x81@\x81@\x81@\x81@\x81@\x81@ Version        \r\n"
    "#\x81@\x82\xB1\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xF0\x8F\xC1\x82\xB7\x82\xC6\x81"
    "A\x8E\x9F\x82\xCC\x8BN\x93\xAE\x82\xC5\x8D\xC5\x8F\x89\x82\xCC\x90\xDD\x92\xE8\x82\xC9\x96\xDF"
    "\x82\xE8\x82\xDC\x82\xB7\x81"
    "B\r\n"
    "#=================================================\r\n"
    "\r\n"
    "[PLAYBOARD]\r\n"
    "SORITEA=TRUE\r\n"
    "PLAYER=0444\r\n"
    "CARD=1\r\n"
    "SHOWSEC=0\r\n"
    "CUR=0\r\n"
    "TOPWIN=FALSE\r\n"
    "NOSOUND=FALSE\r\n"
    "\r\n"
    "[PLAYER]\r\n"
    "SWALLOW1=1111111111111112222222222333333333333333333333333333333333333333344444444444444444444"
    "555555555555555\r\n"
    "SWALLOW2=1111111111111112222222222333333333333333333333333333333333333333344444444444444444444"
    "555555555555555\r\n"
    "WOLF1=\r\n"
    "TIGER1=\r\n";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        gsAppPath = dir_.path().toStdString() + "/";
        AttachComputerPlayers(&opponents);
        ForgetSettingsFileNotice();
        MessageBoxes::SetInformHook([this](const QString& text) { told_ << text; });
    }
    void TearDown() override {
        MessageBoxes::SetInformHook(nullptr);
        ForgetSettingsFileNotice();
        AttachComputerPlayers(nullptr);
    }
    // A game as the program starts it, within one test.
    void NewGame() {
        game = GameState{};
        opponents.Seats() = {};
    }
    // What the start-up does with the file: reads it, and puts it into the game.
    void Load() {
        loaded_ = LoadSettings();
        ApplyLoadedSettings(game, loaded_);
    }

    QString IniPath() const { return dir_.filePath(QStringLiteral("tomavel.ini")); }
    void PutIni(const QByteArray& bytes) const {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray IniBytes() const {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void LoadBoard(const QByteArray& keys) {
        PutIni("[PLAYBOARD]\r\n" + keys);
        Load();
    }
    std::vector<CharacterKind> Kinds() const {
        std::vector<CharacterKind> kinds;
        for (const PlayerSlot& seat : game.seats)
            kinds.push_back(seat.active ? seat.kind : CharacterKind::Empty);
        return kinds;
    }

    QTemporaryDir dir_;
    QStringList told_;
    GameSettings loaded_;
    GameState game;  // a fresh game for every test
    Opponents opponents{game};
};

using K = CharacterKind;

TEST_F(SettingsTest, DefaultFileIsWrittenByteForByte) {
    ASSERT_TRUE(WriteDefaultIni());
    EXPECT_EQ(IniBytes(), kDefaultFile);
    // Truncates whatever was there before.
    PutIni(QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteDefaultIni());
    EXPECT_EQ(IniBytes(), kDefaultFile);
}

TEST_F(SettingsTest, DefaultFileStartsSolitaireWithTheHumanAloneCardBackOneSoundOn) {
    ASSERT_TRUE(WriteDefaultIni());
    Load();
    EXPECT_TRUE(game.soloMode);
    EXPECT_EQ(Kinds(), (std::vector<K>{K::You, K::Empty, K::Empty, K::Empty}));
    EXPECT_EQ(game.cardBack, 1);
    EXPECT_EQ(loaded_.cursor, 0);
    EXPECT_EQ(game.showSeconds, 1);
    EXPECT_FALSE(loaded_.topMost);
    EXPECT_FALSE(loaded_.mute);
    EXPECT_TRUE(told_.isEmpty());
}

TEST_F(SettingsTest, WrittenKeysReadBack) {
    ASSERT_TRUE(WriteDefaultIni());
    ASSERT_TRUE(WriteIni("PLAYBOARD", "card", "3"));
    ASSERT_TRUE(WriteIni("Extra", "名前", "トマ～ベル"));
    std::string value;
    EXPECT_TRUE(ReadIni("playboard", "CARD", value));
    EXPECT_EQ(value, "3");
    EXPECT_TRUE(ReadIni("EXTRA", "名前", value));
    EXPECT_EQ(value, "トマ～ベル");
    EXPECT_TRUE(ReadIni("PLAYER", "SWALLOW1", value));
    EXPECT_EQ(value.size(), 79u);  // the 100-digit value, cut by the reader's buffer
    EXPECT_TRUE(IniBytes().startsWith(kDefaultFile.left(kDefaultFile.indexOf("CARD="))));
}

TEST_F(SettingsTest, ReadIniTrimsCutsAndLeavesTheValueAloneWhenThereIsNothing) {
    const QByteArray nulValue("[S]\r\nnul=2\0junk\r\n", 17);
    struct Case {
        const char* key;
        bool found;
        std::string value;
    };
    const Case cases[] = {
        {"padded", true, "2"},
        {"long", true, std::string(79, '9')},
        {"wide", true,
         "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラ"},
        {"nul", true, "2"},
        {"empty", false, "untouched"},
        {"blank", false, "untouched"},
        {"missing", false, "untouched"},
    };
    PutIni(nulValue + "padded=  2  \r\n" + "long=" + QByteArray(100, '9') + "\r\n" +
           "empty=\r\nblank=     \r\nwide=" +
           // 41 katakana, 82 bytes: only 39 of them fit.
           QByteArray("\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4A\x83\x4C\x83\x4E\x83\x50"
                      "\x83\x52\x83\x54\x83\x56\x83\x58\x83\x5A\x83\x5C\x83\x5E\x83\x60\x83\x63"
                      "\x83\x65\x83\x67\x83\x69\x83\x6A\x83\x6B\x83\x6C\x83\x6D\x83\x6E\x83\x71"
                      "\x83\x74\x83\x77\x83\x7A\x83\x7D\x83\x7E\x83\x80\x83\x81\x83\x82\x83\x84"
                      "\x83\x86\x83\x88\x83\x89\x83\x8A\x83\x8B") +
           "\r\n");
    for (const Case& c : cases) {
        std::string value = "untouched";
        EXPECT_EQ(ReadIni("S", c.key, value), c.found) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST_F(SettingsTest, AMissingFileIsToldOnceAndEveryKeyFallsBack) {
    Load();
    EXPECT_EQ(told_, QStringList{QStringLiteral("初期化ファイルがありません。")});
    EXPECT_TRUE(game.soloMode);
    EXPECT_EQ(Kinds(), (std::vector<K>{K::You, K::Empty, K::Empty, K::Empty}));
    EXPECT_EQ(game.cardBack, 0);
    EXPECT_EQ(loaded_.cursor, 0);
    EXPECT_FALSE(loaded_.mute);
    EXPECT_FALSE(QFileInfo::exists(IniPath()));  // reading never creates the file
}

TEST_F(SettingsTest, StartUpCreatesAMissingFileAndLeavesAnExistingOneAlone) {
    EXPECT_TRUE(EnsureSettingsFile());
    EXPECT_EQ(IniBytes(), kDefaultFile);
    PutIni("[PLAYBOARD]\r\nCARD=2\r\n");
    EXPECT_TRUE(EnsureSettingsFile());
    EXPECT_EQ(IniBytes(), QByteArray("[PLAYBOARD]\r\nCARD=2\r\n"));
    EXPECT_TRUE(told_.isEmpty());
}

// The start-up's load takes the file its check has just read, and never a file
// that has changed since: every load gives the file as it is then.
TEST_F(SettingsTest, EachLoadGivesTheFileAsItIsThen) {
    const QByteArray card2("[PLAYBOARD]\r\nCARD=2\r\n");
    const QByteArray card3("[PLAYBOARD]\r\nCARD=3\r\n");
    struct Case {
        const char* what;
        std::function<void()> between;  // after the start-up's check
        int cardBack;
    };
    const Case cases[] = {
        {"unchanged", [] {}, 2},
        {"grown", [&] { PutIni(card3 + "CUR=1\r\n"); }, 3},
        {"replaced by another file",
         [&] {
             const QString other = dir_.filePath(QStringLiteral("other.ini"));
             QFile file(other);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(card3);
             file.close();
             ASSERT_EQ(
                 std::rename(other.toLocal8Bit().constData(), IniPath().toLocal8Bit().constData()),
                 0);
         },
         3},
    };
    for (const Case& c : cases) {
        ForgetSettingsFileNotice();
        PutIni(card2);
        ASSERT_TRUE(EnsureSettingsFile()) << c.what;
        c.between();
        Load();
        EXPECT_EQ(game.cardBack, c.cardBack) << c.what;
    }
    EXPECT_TRUE(told_.isEmpty());
}

TEST_F(SettingsTest, AFileThatCannotBeCreatedIsToldOnceAndTheGameStartsWithTheDefaults) {
    for (const char* where : {"folder named like the file", "program folder gone"}) {
        SCOPED_TRACE(where);
        QTemporaryDir other;
        if (std::string(where) == "program folder gone") {
            gsAppPath = other.path().toStdString() + "/gone/";
        } else {
            gsAppPath = other.path().toStdString() + "/";
            ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("tomavel.ini")));
        }
        AttachComputerPlayers(&opponents);
        ForgetSettingsFileNotice();
        told_.clear();
        EXPECT_FALSE(EnsureSettingsFile());
        Load();
        ASSERT_EQ(told_.size(), 1);
        EXPECT_TRUE(told_[0].startsWith(QStringLiteral("初期化ファイルを作成できません。")));
        EXPECT_TRUE(game.soloMode);
        EXPECT_EQ(Kinds(), (std::vector<K>{K::You, K::Empty, K::Empty, K::Empty}));
        EXPECT_EQ(game.cardBack, 1);
        EXPECT_FALSE(loaded_.mute);
    }
}

TEST_F(SettingsTest, SeatsComeFromSolitaireAndPlayer) {
    struct Case {
        QByteArray keys;
        bool solo;
        std::vector<K> kinds;
    };
    const std::vector<K> alone{K::You, K::Empty, K::Empty, K::Empty};
    const Case cases[] = {
        {"SORITEA=TRUE\r\nPLAYER=0123\r\n", true, alone},
        {"SORITEA=tRuE\r\nPLAYER=0123\r\n", true, alone},
        {"SORITEA=FALSE\r\nPLAYER=0123\r\n", false, {K::You, K::Swallow, K::Wolf, K::Tiger}},
        {"SORITEA=FALSE\r\nPLAYER=0444\r\n", false, alone},
        {"SORITEA=FALSE\r\n", true, alone},
        {"SORITEA=yes\r\nPLAYER=\r\n", true, alone},
        // Characters past the fourth have no seat.
        {"SORITEA=FALSE\r\nPLAYER=32104321\r\n", false, {K::Tiger, K::Wolf, K::Swallow, K::You}},
        // Each character is taken as a number: one that is no digit is 0, the
        // human; a digit above 4 names nobody.
        {"SORITEA=FALSE\r\nPLAYER=1x52\r\n", false, {K::Swallow, K::You, K::Empty, K::Wolf}},
        {"SORITEA=FALSE\r\nPLAYER=3 -.\r\n", false, {K::Tiger, K::You, K::You, K::You}},
        // A double-byte character is one character: the full-width 2 takes one seat.
        {"SORITEA=FALSE\r\nPLAYER=\x82\x51\x33\r\n", false, {K::You, K::Tiger, K::Empty, K::Empty}},
        // Seats past a short value stay as they were (empty at start).
        {"SORITEA=FALSE\r\nPLAYER=13\r\n", false, {K::Swallow, K::Tiger, K::Empty, K::Empty}},
        // A list that seats nobody is kept: a versus game with every seat empty.
        {"SORITEA=FALSE\r\nPLAYER=4444\r\n", false, {K::Empty, K::Empty, K::Empty, K::Empty}},
    };
    for (const Case& c : cases) {
        NewGame();
        LoadBoard(c.keys);
        EXPECT_EQ(game.soloMode, c.solo) << c.keys.constData();
        EXPECT_EQ(Kinds(), c.kinds) << c.keys.constData();
    }
    // A short list leaves the seats past it as they were, whoever sat there.
    NewGame();
    SeatCharacter(game, 3, K::Wolf);
    LoadBoard("SORITEA=FALSE\r\nPLAYER=13\r\n");
    EXPECT_EQ(Kinds(), (std::vector<K>{K::Swallow, K::Tiger, K::Empty, K::Wolf}));
    // The computer seats get their characters' memories.
    LoadBoard("PLAYER=0123\r\n");
    EXPECT_EQ(opponents.Seats()[3].memorySize, 60);
}

TEST_F(SettingsTest, NumbersAreOptionsOfTheSettingsDialog) {
    struct Case {
        const char* value;
        int32_t option;       // CARD and CUR
        int32_t showSeconds;  // SHOWSEC
    };
    const Case cases[] = {
        {"0", 0, 1},     {"1", 1, 2},
        {"  2  ", 2, 4}, {"3", 3, 1},
        {"2.5", 2, 4},   {"3.5", 0, 1},
        {"1abc", 1, 2},  {"x", 0, 1},
        {"-1", 0, 1},    {"7", 0, 1},
        {"", 0, 1},      {"1e0", 1, 2},
        {"nan", 0, 1},   {"99999999999999999999", 0, 1},
    };
    for (const Case& c : cases) {
        const QByteArray v(c.value);
        LoadBoard("CARD=" + v + "\r\nCUR=" + v + "\r\nSHOWSEC=" + v + "\r\n");
        EXPECT_EQ(game.cardBack, c.option) << c.value;
        EXPECT_EQ(loaded_.cursor, c.option) << c.value;
        EXPECT_EQ(game.showSeconds, c.showSeconds) << c.value;
        EXPECT_EQ(loaded_.showSeconds, c.showSeconds) << c.value;
    }
    // The display time never touches the card back.
    LoadBoard("CARD=3\r\nSHOWSEC=1\r\n");
    EXPECT_EQ(game.cardBack, 3);
}

TEST_F(SettingsTest, TheTwoSwitchesComeFromTopwinAndNosound) {
    LoadBoard("TOPWIN=true\r\nNOSOUND=TRUE\r\n");
    EXPECT_TRUE(loaded_.topMost);
    EXPECT_TRUE(loaded_.mute);

    LoadBoard("TOPWIN=FALSE\r\nNOSOUND=1\r\n");
    EXPECT_FALSE(loaded_.topMost);
    EXPECT_FALSE(loaded_.mute);
}

TEST_F(SettingsTest, ValuesKeepTheBlanksTheirQuotesHoldAtTheEnd) {
    // The space before the closing quote is part of the value, so it is not TRUE;
    // spaces before the value are not.
    const std::pair<const char*, bool> cases[] = {
        {"TOPWIN=\"TRUE \"\r\n", false},
        {"TOPWIN=\" TRUE\"\r\n", true},
        {"TOPWIN=TRUE   \r\n", true},
        {"TOPWIN=TRUE\r\n\x1A", true},
    };
    for (const auto& [file, topMost] : cases) {
        LoadBoard(file);
        EXPECT_EQ(loaded_.topMost, topMost) << file;
    }
}

TEST_F(SettingsTest, BadFilesStartTheGameAsTheirMissingKeysWould) {
    QByteArray binary(8192, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 73 + 11) % 256);
    QByteArray big;
    while (big.size() < IniFile::kLargestFile - 64) big += "CARD=2\r\n";
    const QByteArray files[] = {
        QByteArray(),
        binary,
        "[PLAYBOARD]\r\nCARD=3\r\n" + big,  // as large as may be; the first CARD counts
        "[PLAYBOARD]\r\nSORITEA=\x82\xFF\xFF\r\nPLAYER=\xFF\xFE\xFD\xFC\r\nCARD=\x81\r\n",
        // Only the first section of a name counts, even for keys it does not hold.
        "[PLAYBOARD]\r\nCARD=3\r\n[PLAYBOARD]\r\nCARD=2\r\nPLAYER=0123\r\n",
    };
    const int32_t expectedBack[] = {0, 0, 3, 0, 3};
    for (int i = 0; i < 5; ++i) {
        NewGame();
        PutIni(files[i]);
        Load();
        EXPECT_EQ(game.cardBack, expectedBack[i]) << i;
        for (const PlayerSlot& seat : game.seats)
            EXPECT_TRUE(seat.kind >= K::You && seat.kind <= K::Empty) << i;
        // Junk in PLAYER seats four humans; every other file seats the human alone.
        const std::vector<K> expected = i == 3
                                            ? std::vector<K>(4, K::You)
                                            : std::vector<K>{K::You, K::Empty, K::Empty, K::Empty};
        EXPECT_EQ(Kinds(), expected) << i;
    }
    EXPECT_TRUE(told_.isEmpty());
}

TEST_F(SettingsTest, HandEditedFilesStartTheGameAsWindowsReadsThem) {
    // Each file asks for a versus game You, Swallow, Wolf, Tiger with card back
    // 2, cursor 3 and no sound.
    const QByteArray files[] = {
        "[PLAYBOARD]\rSORITEA=FALSE\rPLAYER=0123\rCARD=2\rCUR=3\rNOSOUND=TRUE\r",
        "[PLAYBOARD]\nSORITEA=FALSE\r\nPLAYER=0123\rCARD=2\n\rCUR=3\r\nNOSOUND=TRUE",
        "\xEF\xBB\xBF[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0123\r\nCARD=2\r\nCUR=3\r\n"
        "NOSOUND=TRUE\r\n",
        "[PLAYBOARD]\r\nSORITEA=\"FALSE\"\r\nPLAYER='0123'\r\nCARD=\"2\"\r\nCUR=' 3 '\r\n"
        "NOSOUND=\"true\"\r\n",
        "[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0123\r\nCARD=2\r\nCARD=1\r\nCUR=3\r\n"
        "NOSOUND=TRUE\r\n[PLAYBOARD]\r\nCARD=0\r\nCUR=0\r\n",
    };
    for (const QByteArray& file : files) {
        NewGame();
        PutIni(file);
        Load();
        EXPECT_FALSE(game.soloMode) << file.constData();
        EXPECT_EQ(Kinds(), (std::vector<K>{K::You, K::Swallow, K::Wolf, K::Tiger}))
            << file.constData();
        EXPECT_EQ(game.cardBack, 2) << file.constData();
        EXPECT_EQ(loaded_.cursor, 3) << file.constData();
        EXPECT_TRUE(loaded_.mute) << file.constData();
    }
}

TEST_F(SettingsTest, OnlyARegularFileIsEverReplacedTheGameStartsWithTheDefaultsOtherwise) {
    const std::string pipe = dir_.filePath(QStringLiteral("pipe")).toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const bool linked : {true, false}) {
        SCOPED_TRACE(linked ? "a link to a pipe" : "a pipe");
        QFile::remove(IniPath());
        if (linked) {
            ASSERT_EQ(::symlink(pipe.c_str(), IniPath().toLocal8Bit().constData()), 0);
        } else {
            ASSERT_EQ(::mkfifo(IniPath().toLocal8Bit().constData(), 0600), 0);
        }
        ForgetSettingsFileNotice();
        told_.clear();
        EXPECT_FALSE(EnsureSettingsFile());
        EXPECT_EQ(told_.size(), 1);
        struct stat info {};
        ASSERT_EQ(::stat(IniPath().toLocal8Bit().constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
        NewGame();
        Load();
        EXPECT_EQ(game.cardBack, 1);  // the default file's
    }
}

// Another player's file is never taken over: not through a link to it, nor where
// it lies in a folder open to all that would let a rename replace it. The game
// starts with the defaults and says so; the file stays theirs, as it was.
TEST_F(SettingsTest, AnotherPlayersFileIsNeverReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user (run as root)";
    const QString shared = dir_.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    const QString theirs = shared + QStringLiteral("/theirs.ini");
    for (const bool linked : {true, false}) {
        SCOPED_TRACE(linked ? "a link to their file" : "their file in our place");
        QFile::remove(IniPath());
        QFile::remove(theirs);
        const QString file = linked ? theirs : IniPath();
        ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));  // empty: would be written afresh
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0666), 0);
        ASSERT_EQ(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
        if (linked) {
            ASSERT_TRUE(QFile::link(theirs, IniPath()));
        }
        ForgetSettingsFileNotice();
        told_.clear();
        EXPECT_FALSE(EnsureSettingsFile());
        EXPECT_EQ(told_.size(), 1);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_size, 0);
        NewGame();
        Load();
        EXPECT_EQ(game.cardBack, 1);  // the default file's
    }
}

TEST_F(SettingsTest, TemporaryFilesOfEarlierSavesAreRemovedAtStartAndThePlayersFilesKept) {
    PutIni(kDefaultFile);
    const QStringList stale = {"tomavel.ini.a1B2c3", "tomavel.ini.XXz9QQ", "tomavel.ini.tmp.12.1"};
    const QStringList kept = {"tomavel.ini.backup", "tomavel.ini.damaged", "tomavel.ini.a1B2c",
                              "tomavel.ini.Backup"};
    for (const QString& name : stale + kept) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // System temporary files are private; the player's own copies are not.
        const bool isPrivate = stale.contains(name);
        ::chmod(dir_.filePath(name).toLocal8Bit().constData(), isPrivate ? 0600 : 0644);
    }
    EXPECT_TRUE(EnsureSettingsFile());
    for (const QString& name : stale)
        EXPECT_FALSE(QFileInfo::exists(dir_.filePath(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists(dir_.filePath(name))) << name.toStdString();
}

TEST_F(SettingsTest, AnEmptyOrKeylessFileIsWrittenAfreshAndItsTextKept) {
    const QString damaged = IniPath() + QStringLiteral(".damaged");
    struct Case {
        const char* what;
        QByteArray bytes;
        bool kept;  // beside the new file as tomavel.ini.damaged
    };
    const Case cases[] = {
        {"empty", QByteArray(), false},
        {"blank lines", "\r\n  \r\n\t\n", false},
        {"the header and a section without keys",
         kDefaultFile.left(kDefaultFile.indexOf("SORITEA")), true},
        {"keys before any section", "CARD=2\r\nCUR=1\r\n", true},
        {"binary junk", QByteArray("\x00\x01\xFF[\x82", 5), true},
        {"far larger than any settings file",
         "[PLAYBOARD]\r\nCARD=2\r\n" + QByteArray(IniFile::kLargestFile, 'x'), true},
        // Costly to read for no settings at all: every line end is a line.
        {"a hundred kilobytes of line ends",
         "[PLAYBOARD]\r\nCARD=2\r\n" + QByteArray(100 << 10, '\n'), true},
    };
    for (const Case& c : cases) {
        QFile::remove(damaged);
        PutIni(c.bytes);
        EXPECT_TRUE(EnsureSettingsFile()) << c.what;
        EXPECT_EQ(IniBytes(), kDefaultFile) << c.what;
        QFile aside(damaged);
        EXPECT_EQ(aside.exists(), c.kept) << c.what;
        if (c.kept && aside.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(aside.readAll(), c.bytes) << c.what;
        }
    }
    // A second damaged file does not take the place of the first.
    PutIni("junk");
    EXPECT_TRUE(EnsureSettingsFile());
    EXPECT_TRUE(QFileInfo::exists(damaged + QStringLiteral(".2")));
    // With every name up to ".damaged.999" taken, the file is left where it is,
    // as the score file would be, and the player is told.
    for (int n = 3; n <= 999; ++n) {
        QFile other(damaged + QStringLiteral(".") + QString::number(n));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    PutIni("more junk");
    EXPECT_FALSE(EnsureSettingsFile());
    EXPECT_EQ(IniBytes(), "more junk");
    EXPECT_FALSE(QFileInfo::exists(damaged + QStringLiteral(".1000")));
    EXPECT_FALSE(told_.isEmpty());
    told_.clear();
    // A file with a key in any section is the player's own.
    PutIni("[OTHER]\r\nx=1\r\n");
    EXPECT_TRUE(EnsureSettingsFile());
    EXPECT_EQ(IniBytes(), "[OTHER]\r\nx=1\r\n");
    EXPECT_TRUE(told_.isEmpty());
}

TEST_F(SettingsTest, AFullDiskAtStartKeepsTheOldFileTellsThePlayerAndStartsWithTheDefaults) {
    // The disk takes 64 bytes, then no more (the system's limit on the size of
    // a file this process writes, which fails the write as a full disk does).
    rlimit normal{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &normal), 0);
    auto* oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    const QByteArray emptyBoard = "[PLAYBOARD]\r\n";
    for (const QByteArray& before : {QByteArray(), emptyBoard}) {
        AttachComputerPlayers(&opponents);
        ForgetSettingsFileNotice();
        told_.clear();
        if (before.isNull())
            QFile::remove(IniPath());
        else
            PutIni(before);
        rlimit full = normal;
        full.rlim_cur = 64;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool created = EnsureSettingsFile();
        ::setrlimit(RLIMIT_FSIZE, &normal);

        EXPECT_FALSE(created);
        ASSERT_EQ(told_.size(), 1);
        EXPECT_TRUE(told_[0].startsWith(QStringLiteral("初期化ファイルを作成できません。")));
        // Nothing is left but the old file, as it was.
        const QStringList left = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, before.isNull() ? QStringList() : QStringList{"tomavel.ini"});
        EXPECT_EQ(IniBytes(), before);

        Load();
        EXPECT_EQ(told_.size(), 1);
        EXPECT_TRUE(game.soloMode);
        EXPECT_EQ(game.cardBack, 1);
    }
    std::signal(SIGXFSZ, oldSignal);
}

TEST_F(SettingsTest, StartUpRemovesTheTemporaryFilesOfCutShortSaves) {
    const QStringList stale{"tomavel.ini.tmp.4242.1", "tomavel.ini.tmp.17.3"};
    const QStringList others{"solsc.dat",           "tomavel.ini",      "tomavel.ini.backup",
                             "tomavel.ini.tmp.old", "tomavel.ini.tmp.", "x.tomavel.ini.tmp.1.1"};
    for (const QString& name : stale + others) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[PLAYBOARD]\r\nCARD=2\r\n");
    }
    EXPECT_TRUE(EnsureSettingsFile());
    QStringList expected = others;
    expected.sort();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files, QDir::Name), expected);
}

}  // namespace
