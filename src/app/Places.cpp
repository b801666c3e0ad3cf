// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Places.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/IniFile.h"
#include "files/SafeFile.h"
#include "scores/ScoreFile.h"

// The installed game finds its data relative to its own folder; the build
// passes the relative paths from the installed program folder to the data and
// documentation folders.
#if !defined(TOMAVEL_BIN_TO_DATA) || !defined(TOMAVEL_BIN_TO_DOC)
#error "the build must define TOMAVEL_BIN_TO_DATA and TOMAVEL_BIN_TO_DOC"
#endif

namespace fs = std::filesystem;

std::string gsAppPath;

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

namespace {

std::optional<FilePlaces> settled;
std::optional<std::string> settledState;

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A relative path from the program folder, tidied ("/usr/bin/../share" is "/usr/share").
std::string Beside(const std::string& programFolder, const std::string& relative) {
    return fs::path(programFolder + relative).lexically_normal().string();
}

std::string InstalledSoundFolder(const std::string& programFolder) {
    return WithTrailingSeparator(Beside(programFolder, TOMAVEL_BIN_TO_DATA "/tomavel/sound"));
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::string HomeFolder() {
    if (auto home = Environment("HOME"); home && IsAbsolute(*home)) return *home;
    // No usable HOME: the password database knows the player's home.
    std::vector<char> buffer(16384);
    passwd entry{}, *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && IsAbsolute(found->pw_dir))
        return found->pw_dir;
    return {};
}

// One of the desktop's base folders: the variable when it holds an absolute
// path (a relative one is invalid and ignored), else the home's default. Empty
// when neither is there.
std::string BaseFolder(const std::optional<std::string>& variable, const std::string& home,
                       const char* underHome) {
    if (variable && IsAbsolute(*variable)) return WithTrailingSeparator(*variable);
    if (!home.empty()) return WithTrailingSeparator(home) + underHome;
    return {};
}

std::string GameFolderIn(const std::string& base, const std::string& programFolder) {
    // With no home at all the program folder is the only place left; if it
    // cannot take the files, the player is told so when they are made.
    return base.empty() ? programFolder : base + "tomavel/";
}

}  // namespace

FilePlaces ChooseFilePlaces(const PlaceFacts& facts) {
    const bool besideProgram = facts.programFolderWritable && !facts.installed;
    FilePlaces places;
    places.settingsFolder =
        besideProgram || facts.settingsFileBesideUsable
            ? facts.programFolder
            : GameFolderIn(BaseFolder(facts.xdgConfigHome, facts.home, ".config/"),
                           facts.programFolder);
    places.scoreFolder =
        besideProgram || facts.scoreFileBesideUsable
            ? facts.programFolder
            : GameFolderIn(BaseFolder(facts.xdgDataHome, facts.home, ".local/share/"),
                           facts.programFolder);
    return places;
}

std::string ChooseStateFolder(const PlaceFacts& facts) {
    // The window's place is the player's own, not the settings': it stays beside
    // the game only where everything does.
    if (facts.programFolderWritable && !facts.installed) return facts.programFolder;
    return GameFolderIn(BaseFolder(facts.xdgStateHome, facts.home, ".local/state/"),
                        facts.programFolder);
}

std::string ProgramFolder() {
    // Read before Qt starts, so that a second copy leaves without opening a display.
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : WithTrailingSeparator(exe.parent_path().string());
}

PlaceFacts GatherPlaceFacts(const std::string& programFolder) {
    PlaceFacts facts;
    facts.programFolder = programFolder;
    facts.programFolderWritable =
        ::faccessat(AT_FDCWD, programFolder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    facts.installed =
        !IsFolder(programFolder + "sound") && IsFolder(InstalledSoundFolder(programFolder));
    const std::string settingsFile = programFolder + kSettingsFileName;
    const std::string scoreFile = programFolder + kScoreFileName;
    facts.settingsFileBesideUsable =
        IsFile(settingsFile) && ::faccessat(AT_FDCWD, settingsFile.c_str(), R_OK, AT_EACCESS) == 0;
    facts.scoreFileBesideUsable =
        IsFile(scoreFile) && ::faccessat(AT_FDCWD, scoreFile.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
    facts.home = HomeFolder();
    facts.xdgConfigHome = Environment("XDG_CONFIG_HOME");
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.xdgStateHome = Environment("XDG_STATE_HOME");
    return facts;
}

bool MakeFolder(const std::string& folder) {
    if (!IsAbsolute(folder)) return false;
    // Each missing level in turn, so that every one of them is private.
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    return IsFolder(folder);
}

void SettleFilePlaces(const PlaceFacts& facts) {
    settled = ChooseFilePlaces(facts);
    settledState = ChooseStateFolder(facts);  // made when the window is first saved
    // A folder that cannot be made is reported when its file cannot be written.
    for (const std::string& folder : {settled->settingsFolder, settled->scoreFolder})
        if (folder != facts.programFolder) MakeFolder(folder);
}

void ForgetFilePlaces() {
    settled.reset();
    settledState.reset();
}

std::string SettingsFolder() { return settled ? settled->settingsFolder : gsAppPath; }

std::string ScoreFolder() { return settled ? settled->scoreFolder : gsAppPath; }

std::string ScoreFilePath() { return ScoreFolder() + kScoreFileName; }

std::string StateFolder() { return settledState ? *settledState : gsAppPath; }

std::string WindowStateFilePath() { return StateFolder() + kWindowStateFileName; }

std::string SoundFolder() {
    const std::string beside = gsAppPath + "sound/";
    return IsFolder(beside) ? beside : InstalledSoundFolder(gsAppPath);
}

std::string CacheFolder() {
    const std::string base = BaseFolder(Environment("XDG_CACHE_HOME"), HomeFolder(), ".cache/");
    return base.empty() ? std::string() : base + "tomavel/";
}

namespace {
// The private temporary folder this run gave a help copy, when the cache would not take one.
std::string helpTemporaryFolder;

// A fresh folder only this player can open ($TMPDIR, else /tmp), or empty.
std::string NewPrivateTemporaryFolder() {
    const std::optional<std::string> tmp = Environment("TMPDIR");
    std::string pattern = (tmp && IsAbsolute(*tmp) ? WithTrailingSeparator(*tmp) : "/tmp/");
    pattern += "tomavel-help-XXXXXX";
    return ::mkdtemp(pattern.data()) ? pattern + "/" : std::string();
}
}  // namespace

std::string HelpFileForViewer(const std::string& helpFile) {
    QFile file(QString::fromStdString(helpFile));
    if (!file.open(QIODevice::ReadOnly)) return helpFile;
    const QByteArray bytes = file.read(1 << 20);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError()) return helpFile;
    const QByteArray text = Cp932::Decode(bytes).toUtf8();
    const std::string_view copy(text.constData(), text.size());
    // The cache folder may lie where others can write (XDG_CACHE_HOME on a
    // shared folder): the copy goes only into a folder of the player's own, and
    // replaces whatever is at its name rather than writing through it.
    const std::string cache = CacheFolder();
    if (!cache.empty() && MakeFolder(cache) &&
        SafeFile::WriteIntoPrivateFolder(cache, "readme.txt", copy).ok)
        return cache + "readme.txt";
    // Else a private temporary folder of this run's own.
    for (int fresh = 0; fresh < 2; ++fresh) {
        if (fresh || helpTemporaryFolder.empty()) helpTemporaryFolder = NewPrivateTemporaryFolder();
        if (helpTemporaryFolder.empty()) break;
        if (SafeFile::WriteIntoPrivateFolder(helpTemporaryFolder, "readme.txt", copy).ok)
            return helpTemporaryFolder + "readme.txt";
    }
    return {};
}

std::string FindHelpFile(const std::string& name) {
    std::vector<std::string> candidates;
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (!error) candidates.push_back((current / name).string());
    if (IsAbsolute(gsAppPath)) {
        candidates.push_back(gsAppPath + name);
        candidates.push_back(Beside(gsAppPath, TOMAVEL_BIN_TO_DOC "/" + name));
    }
    for (const std::string& file : candidates)
        if (IsFile(file)) return file;
    return {};
}
