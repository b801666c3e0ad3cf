// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game keeps its files: beside itself or in the player's home, the
// sound folder, and the help text.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "app/GameEnd.h"
#include "app/Places.h"
#include "app/Settings.h"
#include "scores/ScoreFile.h"
#include "ui/MessageBoxes.h"
#include "ui/ScoreWindow.h"

namespace {

struct PlaceCase {
    const char* what;
    PlaceFacts facts;
    FilePlaces want;
};

PlaceFacts Facts(bool writable, std::optional<std::string> config = std::nullopt,
                 std::optional<std::string> data = std::nullopt,
                 std::string home = "/home/player") {
    PlaceFacts facts;
    facts.programFolder = "/opt/tomavel/";
    facts.programFolderWritable = writable;
    facts.home = std::move(home);
    facts.xdgConfigHome = std::move(config);
    facts.xdgDataHome = std::move(data);
    return facts;
}

const FilePlaces kBeside{"/opt/tomavel/", "/opt/tomavel/"};
const FilePlaces kHomeDefaults{"/home/player/.config/tomavel/",
                               "/home/player/.local/share/tomavel/"};

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

std::string Folder(const QTemporaryDir& dir, const char* sub = "") {
    return WithTrailingSeparator(dir.filePath(sub).toStdString());
}

}  // namespace

TEST(WhereFilesLive, BesideAWritableProgramElseInThePlayersHome) {
    PlaceFacts installed = Facts(true);
    installed.installed = true;
    PlaceFacts settingsBeside = Facts(false);
    settingsBeside.settingsFileBesideUsable = true;
    PlaceFacts bothBeside = settingsBeside;
    bothBeside.scoreFileBesideUsable = true;
    PlaceFacts scoresBeside = Facts(false);
    scoresBeside.scoreFileBesideUsable = true;
    const PlaceCase cases[] = {
        {"writable program folder", Facts(true, "/x/cfg", "/x/data"), kBeside},
        {"read-only, XDG unset", Facts(false), kHomeDefaults},
        {"read-only, XDG set",
         Facts(false, "/x/cfg", "/x/data"),
         {"/x/cfg/tomavel/", "/x/data/tomavel/"}},
        {"read-only, XDG with a trailing slash",
         Facts(false, "/x/cfg/", "/x/data/"),
         {"/x/cfg/tomavel/", "/x/data/tomavel/"}},
        {"read-only, XDG empty", Facts(false, "", ""), kHomeDefaults},
        {"read-only, XDG relative (invalid, ignored)", Facts(false, "cfg", "./data"),
         kHomeDefaults},
        {"read-only, only XDG_DATA_HOME set",
         Facts(false, std::nullopt, "/x/data"),
         {"/home/player/.config/tomavel/", "/x/data/tomavel/"}},
        {"installed where it could write (root, or a prefix in the home)", installed,
         kHomeDefaults},
        {"read-only with a readable settings file beside it",
         settingsBeside,
         {"/opt/tomavel/", "/home/player/.local/share/tomavel/"}},
        {"read-only with a writable score table beside it",
         scoresBeside,
         {"/home/player/.config/tomavel/", "/opt/tomavel/"}},
        {"read-only with both files beside it", bothBeside, kBeside},
        {"read-only, no home and no XDG", Facts(false, std::nullopt, std::nullopt, ""), kBeside},
        {"read-only, no home but XDG set",
         Facts(false, "/x/cfg", "/x/data", ""),
         {"/x/cfg/tomavel/", "/x/data/tomavel/"}},
        {"read-only, home is the root",
         Facts(false, std::nullopt, std::nullopt, "/"),
         {"/.config/tomavel/", "/.local/share/tomavel/"}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const FilePlaces got = ChooseFilePlaces(c.facts);
        EXPECT_EQ(got.settingsFolder, c.want.settingsFolder);
        EXPECT_EQ(got.scoreFolder, c.want.scoreFolder);
    }
}

// The window's size and place between runs stay beside a game that keeps
// everything beside itself, and otherwise go to the player's state folder.
TEST(WhereFilesLive, TheWindowsPlaceIsKeptBesideTheGameOrInThePlayersStateFolder) {
    auto facts = [](bool writable, std::optional<std::string> state, std::string home) {
        PlaceFacts f = Facts(writable, std::nullopt, std::nullopt, std::move(home));
        f.xdgStateHome = std::move(state);
        return f;
    };
    PlaceFacts installed = facts(true, std::nullopt, "/home/player");
    installed.installed = true;
    PlaceFacts settingsBeside = facts(false, std::nullopt, "/home/player");
    settingsBeside.settingsFileBesideUsable = true;
    settingsBeside.scoreFileBesideUsable = true;
    const std::pair<PlaceFacts, std::string> cases[] = {
        {facts(true, "/x/state", "/home/player"), "/opt/tomavel/"},
        {facts(false, std::nullopt, "/home/player"), "/home/player/.local/state/tomavel/"},
        {facts(false, "/x/state", "/home/player"), "/x/state/tomavel/"},
        {facts(false, "state", "/home/player"), "/home/player/.local/state/tomavel/"},
        {facts(false, "", "/home/player"), "/home/player/.local/state/tomavel/"},
        {installed, "/home/player/.local/state/tomavel/"},
        {settingsBeside, "/home/player/.local/state/tomavel/"},
        {facts(false, std::nullopt, ""), "/opt/tomavel/"},
    };
    for (const auto& [f, want] : cases) EXPECT_EQ(ChooseStateFolder(f), want) << want;

    QTemporaryDir root;
    PlaceFacts settled = Facts(false, root.filePath("cfg").toStdString(),
                               root.filePath("data").toStdString(), root.path().toStdString());
    settled.xdgStateHome = root.filePath("state").toStdString();
    settled.programFolder = Folder(root, "bin");
    SettleFilePlaces(settled);
    EXPECT_EQ(WindowStateFilePath(),
              root.filePath("state/tomavel/tomavel-window.dat").toStdString());
    ForgetFilePlaces();
}

TEST(WhereFilesLive, AnInstalledGameIsOneWithoutSoundBesideItButWithTheInstalledData) {
    QTemporaryDir root;
    const std::string bin = Folder(root, "bin");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(bin)));
    EXPECT_FALSE(GatherPlaceFacts(bin).installed) << "a lone program, nothing installed";
    ASSERT_TRUE(QDir().mkpath(root.filePath("share/tomavel/sound")));
    EXPECT_TRUE(GatherPlaceFacts(bin).installed);
    ASSERT_TRUE(QDir().mkpath(root.filePath("bin/sound")));
    EXPECT_FALSE(GatherPlaceFacts(bin).installed) << "a copy with its own sound folder";

    const PlaceFacts facts = GatherPlaceFacts(bin);
    EXPECT_TRUE(facts.programFolderWritable);
    EXPECT_FALSE(facts.settingsFileBesideUsable);
    EXPECT_FALSE(facts.scoreFileBesideUsable);
    Touch(root.filePath("bin/tomavel.ini"));
    Touch(root.filePath("bin/solsc.dat"));
    EXPECT_TRUE(GatherPlaceFacts(bin).settingsFileBesideUsable);
    EXPECT_TRUE(GatherPlaceFacts(bin).scoreFileBesideUsable);
}

// The installed game from start to its first files: the folders are made in the
// player's home, private, and the settings and score files land in them.
TEST(WhereFilesLive, AnInstalledGameMakesItsFilesInThePlayersHome) {
    QTemporaryDir root;
    PlaceFacts facts = Facts(false, root.filePath("home/.config").toStdString(),
                             root.filePath("home/.local/share").toStdString());
    facts.programFolder = Folder(root, "usr/bin");
    gsAppPath = facts.programFolder;
    SettleFilePlaces(facts);
    const std::string config = root.filePath("home/.config/tomavel/").toStdString();
    const std::string data = root.filePath("home/.local/share/tomavel/").toStdString();
    EXPECT_EQ(SettingsFolder(), config);
    EXPECT_EQ(SettingsFilePath(), config + "tomavel.ini");
    EXPECT_EQ(ScoreFilePath(), data + "solsc.dat");
    for (const std::string& folder : {root.filePath("home").toStdString(),
                                      root.filePath("home/.local").toStdString(), config, data}) {
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }

    EXPECT_TRUE(EnsureSettingsFile());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(config + "tomavel.ini")));
    CreateScoreFile(ScoreFilePath());
    EXPECT_EQ(QFileInfo(QString::fromStdString(data + "solsc.dat")).size(), 511);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(facts.programFolder)));

    ForgetFilePlaces();
    EXPECT_EQ(SettingsFolder(), gsAppPath);
    EXPECT_EQ(ScoreFolder(), gsAppPath);
    ForgetSettingsFileNotice();
}

// The score table window reads the table where the files live, not beside the program.
TEST(WhereFilesLive, TheScoreTableIsReadFromTheScoreFolder) {
    QTemporaryDir root;
    PlaceFacts facts =
        Facts(false, root.filePath("cfg").toStdString(), root.filePath("data").toStdString());
    facts.programFolder = Folder(root, "bin");
    gsAppPath = facts.programFolder;
    SettleFilePlaces(facts);
    ScoreTable table = DefaultScoreTable();
    table[0].name = "Placed";
    ASSERT_TRUE(SaveScoreTable(ScoreFilePath(), table).ok);

    // A table that cannot be found is made anew and the player told; nobody is here to answer.
    QStringList told;
    MessageBoxes::SetInformHook([&](const QString& text) { told << text; });
    QString firstName;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<ScoreWindow*>(QApplication::activeModalWidget());
        if (!window) return;
        firstName = window->NameCell(0)->text();
        window->reject();
    });
    ShowScoreTable(nullptr);
    MessageBoxes::SetInformHook(nullptr);
    EXPECT_EQ(firstName, "Placed");
    EXPECT_TRUE(told.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(facts.programFolder + "solsc.dat")));
    ForgetFilePlaces();
}

TEST(WhereFilesLive, SoundComesFromBesideTheProgramElseFromTheInstalledDataFolder) {
    QTemporaryDir root;
    gsAppPath = Folder(root, "bin");
    EXPECT_EQ(SoundFolder(), root.filePath("share/tomavel/sound/").toStdString());
    ASSERT_TRUE(QDir().mkpath(root.filePath("bin/sound")));
    EXPECT_EQ(SoundFolder(), gsAppPath + "sound/");
}

TEST(WhereFilesLive, HelpIsLookedForInTheCurrentFolderThenBesideTheProgramThenInstalled) {
    QTemporaryDir root;
    const QString cwd = root.filePath("play"), beside = root.filePath("bin/readme.txt"),
                  doc = root.filePath("share/doc/tomavel/readme.txt");
    ASSERT_TRUE(QDir().mkpath(cwd));
    const QString before = QDir::currentPath();
    QDir::setCurrent(cwd);
    gsAppPath = Folder(root, "bin");
    struct {
        QStringList present;
        QString want;
    } cases[] = {
        {{}, ""},
        {{doc}, doc},
        {{beside, doc}, beside},
        {{cwd + "/readme.txt", beside, doc}, cwd + "/readme.txt"},
        {{cwd + "/readme.txt"}, cwd + "/readme.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.present.join(", ").toStdString());
        for (const QString& file : {cwd + "/readme.txt", beside, doc}) QFile::remove(file);
        for (const QString& file : c.present) Touch(file);
        EXPECT_EQ(QString::fromStdString(FindHelpFile()), c.want);
    }
    QDir::setCurrent(before);
}
