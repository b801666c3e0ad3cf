// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game keeps its things: the program folder, the settings file, the
// score file, the sound effects and the help text. Every path the game opens
// is decided here and nowhere else.
//
// A game in a folder it may write to (the build tree, a copy on a stick) keeps
// tomavel.ini and solsc.dat beside itself, as it always did. An installed game
// (under /usr, or any folder it may not write to) keeps them in the player's
// home instead: tomavel.ini in $XDG_CONFIG_HOME/tomavel/ (~/.config/tomavel/)
// and solsc.dat in $XDG_DATA_HOME/tomavel/ (~/.local/share/tomavel/). The
// window's size and place between runs go beside the program likewise, or into
// $XDG_STATE_HOME/tomavel/ (~/.local/state/tomavel/).
#pragma once

#include <optional>
#include <string>

// What the choice of folders depends on; gathered from the machine at start.
struct PlaceFacts {
    std::string programFolder;  // the executable's folder, one trailing '/'
    bool programFolderWritable = false;
    // The program folder has no sound folder of its own, the installed data
    // folder has one: this is an installed game, even where its folder could be
    // written (run by root, or installed under the player's own home).
    bool installed = false;
    // Files already beside the program that this player can still use: a
    // settings file that can be read, a score table that can be saved.
    bool settingsFileBesideUsable = false;
    bool scoreFileBesideUsable = false;
    std::string home;  // the player's home folder; empty when there is none
    // The environment's XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME (nullopt when unset).
    std::optional<std::string> xdgConfigHome, xdgDataHome, xdgStateHome;
};

// The folders of the two files, each with one trailing '/'.
struct FilePlaces {
    std::string settingsFolder;  // holds tomavel.ini
    std::string scoreFolder;     // holds solsc.dat
    bool operator==(const FilePlaces&) const = default;
};

// The program folder: the executable's folder, with exactly one trailing '/'.
extern std::string gsAppPath;
// Appends the folder separator unless the folder already ends with one.
std::string WithTrailingSeparator(std::string folder);

// The choice itself, with no look at the machine.
FilePlaces ChooseFilePlaces(const PlaceFacts& facts);
// The folder of the window's size and place (kWindowStateFileName), one trailing
// '/', chosen likewise.
std::string ChooseStateFolder(const PlaceFacts& facts);

// The folder holding the running executable, one trailing '/'.
std::string ProgramFolder();
// Looks at the machine around the program folder.
PlaceFacts GatherPlaceFacts(const std::string& programFolder);
// Makes a folder and any missing parents, private to the player (0700) as the
// desktop's own programs make them. True when the folder is there afterwards.
bool MakeFolder(const std::string& folder);

// The game's folder in the player's cache ($XDG_CACHE_HOME/tomavel/, else
// ~/.cache/tomavel/), not made here; empty when the player has no home.
std::string CacheFolder();
// Start-up: decides where the files live, makes their folders and keeps the choice.
void SettleFilePlaces(const PlaceFacts& facts);
// Puts every file back into the program folder (the tests' own folders).
void ForgetFilePlaces();

// Until start-up has settled them, both files lie in the program folder (gsAppPath).
std::string SettingsFolder();
std::string ScoreFolder();
std::string ScoreFilePath();  // ScoreFolder() + "solsc.dat"
// The window's size, place and state between runs: nothing the player chose in
// the settings, so it is kept apart from them, and made only when first saved.
inline constexpr const char* kWindowStateFileName = "tomavel-window.dat";
std::string StateFolder();
std::string WindowStateFilePath();  // StateFolder() + kWindowStateFileName

// The sound folder, one trailing '/': "sound/" in the program folder when it is
// there (build tree, a copy), else the installed data folder's tomavel/sound/.
std::string SoundFolder();
// The help text "readme.txt" (or a translated one, "readme-de.txt" ...): the
// current folder first, then the program folder, then the installed
// documentation folder. Empty when there is none.
// The settings file's name, wherever it lies.
inline constexpr const char* kSettingsFileName = "tomavel.ini";
std::string FindHelpFile(const std::string& name = "readme.txt");
// What a viewer is given of the help text `helpFile` (CP932 with CR LF, as the
// game has always shipped it, which a desktop's text viewer would show as
// gibberish): a UTF-8 copy in the player's cache folder
// ($XDG_CACHE_HOME/tomavel/readme.txt, else ~/.cache/tomavel/), written afresh
// each time. The copy never follows a link and goes only into a folder that is
// the player's own; where the cache folder is not, it goes into a fresh private
// temporary folder ($TMPDIR/tomavel-help-XXXXXX/readme.txt). Empty when no copy
// could be made anywhere. A file that is UTF-8 already, or that cannot be read,
// is handed over as it is.
std::string HelpFileForViewer(const std::string& helpFile);
