// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solitaire top ten: the records, the file "solsc.dat" beside the program,
// the texts a record is shown with, the two orders of the table (by time, by
// turns), the ranking of a new result and where a new result goes in the table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One solitaire result, fields in the order of the file.
struct SoloScoreRecord {
    int32_t inUse = -1;  // always -1 when the game writes it; never read
    int32_t year = 0, month = 0, day = 0;
    int32_t hour = 0, minute = 0, second = 0;
    std::string name;  // as entered, kept as CP932 bytes
    int32_t playMinutes = 0, playSeconds = 0;
    int32_t turns = 0;
    // Not in the record itself: the name exactly as typed (UTF-8) when CP932 could
    // not hold it and `name` is its Latin spelling; empty otherwise. It is kept in
    // the names file beside the table (see ScoreNamesPath).
    std::string exactName;

    bool operator==(const SoloScoreRecord&) const = default;
};

constexpr int kScoreCount = 10;
// The table always holds ten records (glScoreCnt is always 10 here).
using ScoreTable = std::array<SoloScoreRecord, kScoreCount>;

constexpr const char* kScoreFileName = "solsc.dat";
// A name is at most twenty characters as typed, and its CP932 form at most the 40
// bytes twenty double-byte characters take, as names always were.
constexpr int kLongestName = 20;
constexpr int kLongestNameBytes = 40;

// The four texts a record is shown with.
struct ScoreTexts {
    std::string name;  // CP932 bytes, as stored
    std::string time;  // "03:05"
    std::string turn;  // "305"
    std::string date;  // "2001/01/01 00:00:09"
};
ScoreTexts FormatScore(const SoloScoreRecord& record);
// "mm:ss" and "ttt" as the table shows them (leading zeros, cut to the last digits).
std::string TimeText(int32_t minutes, int32_t seconds);
std::string TurnText(int32_t turns);

// The ten records of a fresh table: no name 1..10, 3:05..3:50, 305..350 turns.
ScoreTable DefaultScoreTable();

// The file layout: ten records, each seven int32, a uint16 name length, the
// name's bytes, three int32, all little-endian. Bytes after the tenth record
// are not part of the table.
std::string EncodeScoreTable(const ScoreTable& table);
// Follows the length fields and takes exactly ten records; nothing when the
// bytes run out early or a field holds a value the game never writes.
std::optional<ScoreTable> DecodeScoreTable(std::string_view bytes);
// What a damaged file still holds: every record that reads whole keeps its place,
// and the default record stands wherever one could not be read. A record with a
// value the game never writes is passed over and the next one read; once the bytes
// run out (or a name's length runs past them) nothing after can be found.
struct ScoreSalvage {
    ScoreTable table;
    int carried = 0;  // records taken from the bytes
};
ScoreSalvage SalvageScoreTable(std::string_view bytes);

// Saving: the table is written to a temporary file of its own beside the old one
// ("solsc.dat.tmp.<process>.<count>"), flushed to disk and renamed over it, so a
// failed save never leaves a half-written table. A file without any write permission
// is the player's to keep: it is refused, never replaced. When the folder takes no
// new file but the table itself is writable, the table is rewritten where it stands;
// so is a table that belongs to another player (shared by several), which stays theirs.
struct ScoreFileResult {
    bool ok = true;
    std::string error;  // what the system said, when not ok
};
ScoreFileResult SaveScoreTable(const std::string& path, const ScoreTable& table);
// Writes the default table.
ScoreFileResult CreateScoreFile(const std::string& path);
// Removes the temporary files that saves cut short (the game killed, the machine
// down) left beside the table. Only at start, when no save of ours can be running.
void RemoveStaleScoreTemporaries(const std::string& path);

enum class ScoreFileState {
    Read,      // the file held a good table
    Missing,   // there was no file; the default table was written (or tried to be)
    SetAside,  // the file was damaged; it was renamed to `asidePath` and what could be
               // read of it written as a fresh file
    Damaged,   // the file was damaged and could not be moved; it was left as it is
};
struct ScoreLoad {
    // The file's table; the defaults when there was none; what could be read of a damaged one.
    ScoreTable table = DefaultScoreTable();
    ScoreFileState state = ScoreFileState::Read;
    std::string asidePath;    // where the damaged file now lies (SetAside)
    int carried = 0;          // records read whole from a damaged file (SetAside, Damaged)
    ScoreFileResult created;  // writing the fresh file (Missing, SetAside)
    // The names file: a damaged one is set aside as "solsc.names.damaged" (the names
    // that still read whole written anew); the table never suffers for it.
    ScoreFileState namesState = ScoreFileState::Read;
    std::string namesAsidePath;
};
// The names file beside the table ("solsc.names" beside "solsc.dat"): the exact
// names of the records whose names CP932 could not hold, in UTF-8. Each line ties
// one name to its record by the record's own bytes, so a name whose record has
// gone or changed (the table edited, restored from a copy, saved by an older game)
// no longer shows: the record shows its CP932 name. Readers that know only the
// table never look at it.
//   tomavel-names 1
//   <the record's bytes in hex> TAB <name> LF
std::string ScoreNamesPath(const std::string& scorePath);
// The lines for every record of the tables that has an exact name, each record once.
std::string EncodeScoreNames(const std::vector<const ScoreTable*>& tables);
struct ScoreNames {
    std::vector<std::pair<std::string, std::string>> names;  // record bytes, exact name
    bool whole = true;  // false: some line (or the heading) was not one the game writes
};
// Every line that reads whole; a name that is not UTF-8, holds a control character
// or is longer than any name box takes is no name the game wrote.
ScoreNames DecodeScoreNames(std::string_view bytes);
// Gives each record of the table its exact name, or none when no line fits its bytes.
void AttachScoreNames(ScoreTable& table, const ScoreNames& names);

// Reads the table for play. Never throws and never destroys a file: a damaged
// one is kept beside the new one as "solsc.dat.damaged" (".damaged.2", ... when taken).
// Done under the table's lock (see SaveNewScore), as it may write.
ScoreLoad LoadScoreFile(const std::string& path);
// At start: writes the default table when there is none, under the table's lock.
ScoreFileResult EnsureScoreFile(const std::string& path);

// Stamps a record with the given local date and time (and the in-use mark).
void SetScoreDate(SoloScoreRecord& record, int year, int month, int day, int hour, int minute,
                  int second);
// Stamps a record with the current local date and time.
void SetScoreDate(SoloScoreRecord& record);

// Fills in a finished game's time and turns. The table can only show two digits of
// minutes and three of turns, and it orders by those texts, so a marathon game is
// written as 99:59 and 999 turns rather than wrapping round to the top of the table.
void CompleteScoreRecord(SoloScoreRecord& record, int32_t elapsedSeconds, int32_t turnCount);

// Ranks of a result, 1..10, 0 when it does not make the top ten in that order.
struct ScoreRank {
    int32_t byTime = 0;
    int32_t byTurn = 0;
    bool operator==(const ScoreRank&) const = default;
};
// A result ranks m + 1 when its text is strictly lower than the m-th text of the
// table in that order: equalling an entry ranks behind it. 999 turns or more never
// rank by turns, and 100 minutes or more never rank by time.
ScoreRank GetNewScoreRank(const ScoreTable& table, int32_t seconds, int32_t turns);

// The table in the order of its time texts: records with an empty name are left
// out of the ranking and follow the others, in table order, so there are always ten
// places. `pendingIndex` is the new result whose name is still being typed: it takes
// its place although its name is still empty. Equal times keep table order.
ScoreTable SortScoreByTime(const ScoreTable& table, int pendingIndex = -1);
// The table in the order of its turn texts (every record); equal turns keep table order.
ScoreTable SortScoreByTurn(const ScoreTable& table);
// The same orders as table indexes: order[place] = index of the record at that place.
std::array<int, kScoreCount> TimeOrder(const ScoreTable& table, int pendingIndex = -1);
std::array<int, kScoreCount> TurnOrder(const ScoreTable& table);

// Where a new result goes (see PlaceNewScore).
struct ScorePlacement {
    bool placed = false;  // false: the result made neither top ten; the table is unchanged
    ScoreTable table;     // the table with the new result in it
    int newIndex = -1;    // glScoreNew: the record that receives the name
    int dropped = -1;     // index, in the old table, of the record the new one replaced
    ScoreRank rank;       // the new result's place in each order of `table` (row + 1), 0 = none
};
// Puts a completed result (its name still empty) into the table; see ScoreFile.cpp.
ScorePlacement PlaceNewScore(const ScoreTable& table, const SoloScoreRecord& record);

// Saving a named result. Several copies of the game may share one table (two
// players on one game folder): each window shows the table as it was when it
// opened, so the table is never saved from there. The save locks the file itself
// (an advisory lock on solsc.dat, which every copy takes, whatever folder holds its
// own lock), reads the table as it is then, places the result into it and saves
// it, all under the lock: a record another copy saved meanwhile is kept, unless
// the result beats it. A missing table is made anew and a damaged one set aside,
// as when it is read. The exact names are saved first, under the same lock and as
// safely: a name that cannot be saved keeps the result off the table, rather than
// let it show a spelling the player did not type (other names are kept as they can).
struct ScoreSave {
    ScoreFileResult saved;     // not ok: nothing was saved (the table is locked for
                               // too long, damaged beyond keeping, or not writable)
    ScoreLoad found;           // the table as the save found it
    ScorePlacement placement;  // where the result went; not placed: it no longer
                               // makes the top ten, and nothing was saved
};
ScoreSave SaveNewScore(const std::string& path, const SoloScoreRecord& result);
