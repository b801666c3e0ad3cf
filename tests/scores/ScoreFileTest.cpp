// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solitaire top ten: the file, its texts and orders, the ranking and the
// placing of a new result.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "files/SafeFile.h"
#include "scores/ScoreFile.h"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "solscXXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Path() const { return path_.string(); }
    // How many entries the folder holds.
    long Entries() const {
        return std::distance(fs::directory_iterator(path_), fs::directory_iterator());
    }

private:
    fs::path path_;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// (Written out rather than "p" + std::to_string(i), which trips a false gcc 12 warning.)
std::string Numbered(const char* prefix, int i) {
    std::string name = prefix;
    name += std::to_string(i);
    return name;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buffer[4];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02x", c);
        out += buffer;
    }
    return out;
}

SoloScoreRecord Result(int minutes, int seconds, int turns, std::string name = "x") {
    SoloScoreRecord r;
    SetScoreDate(r, 2024, 5, 6, 7, 8, 9);
    r.name = std::move(name);
    r.playMinutes = minutes, r.playSeconds = seconds, r.turns = turns;
    return r;
}

}  // namespace

TEST(ScoreFile, DefaultFileIsByteForByteTheTenNoNameRecords) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    const std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 511u);
    // clang-format off
    // no name 1: mark -1, 2001/01/01 00:00:00, 9 bytes of name, 3:05, 305 turns.
    EXPECT_EQ(Hex(bytes.substr(0, 51)),
              "ffffffff" "d1070000" "01000000" "01000000" "00000000" "00000000" "00000000"
              "0900" "6e6f206e616d652031" "03000000" "05000000" "31010000");
    // no name 10: second 9, 10 bytes of name, 3:50, 350 turns, and nothing after it.
    EXPECT_EQ(Hex(bytes.substr(459)),
              "ffffffff" "d1070000" "01000000" "01000000" "00000000" "00000000" "09000000"
              "0a00" "6e6f206e616d65203130" "03000000" "32000000" "5e010000");
    // clang-format on
    // Every record in between follows the same pattern.
    for (int i = 1; i <= 10; ++i) {
        const std::string name = "no name " + std::to_string(i);
        EXPECT_NE(bytes.find(name), std::string::npos) << name;
    }
}

TEST(ScoreFile, ReadBackFollowsTheLengthFieldsOfEveryName) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ScoreTable table = DefaultScoreTable();
    table[0].name = "\x8e\x52\x93\x63\x91\xbe\x98\x59";  // 山田太郎 in CP932
    table[1].name = "\xb1";                              // half-width katakana ｱ, one byte
    table[2].name = "";
    table[3].name = std::string(300, 'w');
    table[4].name = "a b\x81\x60";  // with a space and a full-width wave dash
    table[9] = Result(12, 34, 567, "last");
    ASSERT_TRUE(SaveScoreTable(path, table).ok);
    // A file once longer than the table keeps its old tail; the reader ignores it.
    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(40, '\x7f');

    const ScoreLoad load = LoadScoreFile(path);
    EXPECT_EQ(load.state, ScoreFileState::Read);
    EXPECT_EQ(load.table, table);
}

TEST(ScoreFile, SaveReplacesTheWholeFileKeepsItsPermissionsAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ScoreTable table = DefaultScoreTable();
    for (auto& r : table) r.name = std::string(200, 'n');
    ASSERT_TRUE(SaveScoreTable(path, table).ok);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    EXPECT_EQ(fs::file_size(path), 511u);  // shorter content, no stale tail
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Entries(), 1);
}

TEST(ScoreFile, ATemporaryFileOfAnotherSaveIsNeverWrittenInto) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    // Other saves, still writing or cut short: the fixed name of earlier versions, another
    // copy of the game, and this one's own earlier saves (its first fifty names).
    std::vector<std::string> others = {".tmp", ".tmp.1.1"};
    for (int count = 1; count <= 50; ++count)
        others.push_back(".tmp." + std::to_string(getpid()) + "." + std::to_string(count));
    for (const std::string& other : others) WriteAll(path + other, "another save");
    ASSERT_TRUE(CreateScoreFile(path).ok);
    for (const std::string& other : others)
        EXPECT_EQ(ReadAll(path + other), "another save") << other;
    EXPECT_EQ(ReadAll(path), EncodeScoreTable(DefaultScoreTable()));
}

TEST(ScoreFile, StaleTemporaryFilesAreRemovedAndNothingElse) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    const char* stale[] = {".tmp", ".tmp.4242.1", ".tmp.4242.17"};
    const char* kept[] = {"", ".damaged", ".damaged.2", ".tmp.notes", ".tmpx", ".tmp."};
    for (const char* name : stale) WriteAll(path + name, "x");
    for (const char* name : kept) WriteAll(path + name, "x");
    WriteAll(folder.File("other.dat.tmp.4242.1"), "x");
    RemoveStaleScoreTemporaries(path);
    for (const char* name : stale) EXPECT_FALSE(fs::exists(path + name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(path + name)) << name;
    EXPECT_TRUE(fs::exists(folder.File("other.dat.tmp.4242.1")));
}

TEST(ScoreFile, AReadOnlyTableIsNeverReplaced) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(path, readOnly);
    ScoreTable table = DefaultScoreTable();
    table[0].name = "new";
    const ScoreFileResult result = SaveScoreTable(path, table);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(kScoreFileName), std::string::npos) << result.error;
    EXPECT_EQ(ReadAll(path), EncodeScoreTable(DefaultScoreTable()));
    EXPECT_EQ(fs::status(path).permissions(), readOnly);
    EXPECT_EQ(folder.Entries(), 1);
}

TEST(ScoreFile, WhereTheFolderTakesNoTemporaryFileTheTableIsRewrittenInPlace) {
    // A folder the player cannot write to stops only ordinary users; a name with no room
    // left for a temporary name's ending stops an administrator too.
    const struct {
        const char* what;
        bool readOnlyFolder;
        std::string name;
    } cases[] = {
        {"read-only folder", true, kScoreFileName},
        {"no room for a temporary name", false, std::string(250, 's')},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.File(c.name);
        ScoreTable longer = DefaultScoreTable();
        for (auto& r : longer) r.name = std::string(30, 'w');
        WriteAll(path, EncodeScoreTable(longer));
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        if (c.readOnlyFolder)
            fs::permissions(folder.Path(), fs::perms::owner_write, fs::perm_options::remove);
        ScoreTable table = DefaultScoreTable();
        table[3].name = "ami";
        EXPECT_TRUE(SaveScoreTable(path, table).ok) << c.what;
        fs::permissions(folder.Path(), fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(ReadAll(path), EncodeScoreTable(table)) << c.what;  // the old tail cut off
        EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write)
            << c.what;
        EXPECT_EQ(folder.Entries(), 1) << c.what;
    }
    // With no table to rewrite, nothing can be saved there, and the player is told why.
    TempFolder folder;
    const ScoreFileResult missing =
        SaveScoreTable(folder.File(std::string(250, 's')), DefaultScoreTable());
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
}

// A table shared by several players belongs to the one who made it: a save by
// another rewrites it where it stands, and it stays theirs, with its permissions,
// even where the folder would let a rename put a file of the saver's own there.
TEST(ScoreFile, ATableOfAnotherPlayerIsRewrittenInPlaceAndStaysTheirs) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user (run as root)";
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const std::string path = folder.File(kScoreFileName);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ScoreTable table = DefaultScoreTable();
    table[0].name = "mine";
    ASSERT_TRUE(SaveScoreTable(path, table).ok);
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(ReadAll(path), EncodeScoreTable(table));
}

TEST(ScoreFile, SaveIntoAMissingFolderFailsAndSaysWhy) {
    TempFolder folder;
    const ScoreFileResult result =
        SaveScoreTable(folder.File("gone/") + kScoreFileName, DefaultScoreTable());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

// Other copies of the game saving into the table hold its lock: a save waits for
// them, then places its result into what they wrote, so no result is lost. Each
// save replaces the file by a new one, and a copy that took the new file's lock
// meanwhile is waited for too.
TEST(ScoreFile, ASaveWaitsForTheTablesLockAndKeepsWhatTheHoldersWrote) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    // Time for the save to reach a lock; were it later, it would only find more.
    const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(100)); };
    auto first = std::make_unique<SafeFile::FileLock>(path, 0, false);
    ASSERT_TRUE(first->Held());
    ScoreSave mine;
    std::thread saver([&] { mine = SaveNewScore(path, Result(3, 1, 301, "A")); });
    pause();
    const ScoreTable withB = PlaceNewScore(DefaultScoreTable(), Result(3, 2, 302, "B")).table;
    ASSERT_TRUE(SaveScoreTable(path, withB).ok);
    // A third copy locks the new file before the first lets go of the old one.
    auto second = std::make_unique<SafeFile::FileLock>(path, 0, false);
    ASSERT_TRUE(second->Held());
    first.reset();
    pause();
    const ScoreTable withC = PlaceNewScore(withB, Result(3, 3, 303, "C")).table;
    ASSERT_TRUE(SaveScoreTable(path, withC).ok);
    second.reset();
    saver.join();

    ASSERT_TRUE(mine.saved.ok) << mine.saved.error;
    EXPECT_TRUE(mine.placement.placed);
    const ScoreTable saved = LoadScoreFile(path).table;
    EXPECT_EQ(saved, mine.placement.table);
    const ScoreTable byTime = SortScoreByTime(saved);
    EXPECT_EQ(byTime[0].name, "A");
    EXPECT_EQ(byTime[1].name, "B");
    EXPECT_EQ(byTime[2].name, "C");
    EXPECT_EQ(byTime[9].name, "no name 7");
}

// A table that is missing when a result is saved is made anew around it.
TEST(ScoreFile, ASaveIntoAMissingTableMakesItAnew) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    const ScoreSave save = SaveNewScore(path, Result(3, 1, 301, "A"));
    ASSERT_TRUE(save.saved.ok) << save.saved.error;
    EXPECT_EQ(save.found.state, ScoreFileState::Missing);
    const ScoreTable table = LoadScoreFile(path).table;
    EXPECT_EQ(SortScoreByTurn(table)[0].name, "A");
    EXPECT_EQ(SortScoreByTurn(table)[9].name, "no name 9");
}

TEST(ScoreFile, MissingFileIsCreatedWithTheDefaults) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    const ScoreLoad load = LoadScoreFile(path);
    EXPECT_EQ(load.state, ScoreFileState::Missing);
    EXPECT_TRUE(load.created.ok);
    EXPECT_EQ(load.table, DefaultScoreTable());
    EXPECT_EQ(fs::file_size(path), 511u);
}

TEST(ScoreFile, ADamagedFileIsSetAsideAndEveryRecordThatReadsWholeIsCarried) {
    ScoreTable played;
    for (int i = 0; i < kScoreCount; ++i) played[i] = Result(1, i, 100 + i, Numbered("p", i));
    const std::string good = EncodeScoreTable(played);  // 44 bytes a record
    std::string runsPastEnd = good;
    runsPastEnd[28] = '\xff', runsPastEnd[29] = '\xff';  // first name "65535 bytes long"
    std::string badMonths = good;
    badMonths[8] = 13;          // record 0
    badMonths[3 * 44 + 8] = 0;  // record 3
    std::string badLastLength = good;
    badLastLength[9 * 44 + 28] = 3;  // the last name swallows a byte of its own time
    std::string garbage;
    std::mt19937 random(7);
    for (int i = 0; i < 700; ++i) garbage.push_back(static_cast<char>(random()));
    const struct {
        const char* what;
        std::string bytes;
        std::vector<int> carried;  // the records read back; the rest are the defaults
    } cases[] = {
        {"empty", "", {}},
        {"short", good.substr(0, 100), {0, 1}},
        {"cut inside the last record",
         good.substr(0, good.size() - 1),
         {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"length running past the end", runsPastEnd, {}},
        {"months 13 and 0 in records 0 and 3", badMonths, {1, 2, 4, 5, 6, 7, 8, 9}},
        {"last name one byte too long", badLastLength, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"garbage", garbage, {}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.File(kScoreFileName);
        WriteAll(path, c.bytes);
        ScoreTable expected = DefaultScoreTable();
        for (int i : c.carried) expected[i] = played[i];

        const ScoreLoad load = LoadScoreFile(path);
        EXPECT_EQ(load.state, ScoreFileState::SetAside) << c.what;
        EXPECT_EQ(load.asidePath, path + ".damaged") << c.what;
        EXPECT_EQ(ReadAll(load.asidePath), c.bytes) << c.what;
        EXPECT_EQ(load.carried, static_cast<int>(c.carried.size())) << c.what;
        EXPECT_EQ(load.table, expected) << c.what;
        EXPECT_TRUE(load.created.ok) << c.what;
        EXPECT_EQ(ReadAll(path), EncodeScoreTable(expected)) << c.what;
    }
}

TEST(ScoreFile, APipeInTheTablesPlaceIsNeverWaitedOnAndTheResultGoesIntoANewTable) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const ScoreLoad load = LoadScoreFile(path);  // would block for ever in open
    EXPECT_EQ(load.state, ScoreFileState::SetAside);
    EXPECT_EQ(load.asidePath, path + ".damaged");
    EXPECT_TRUE(fs::is_fifo(load.asidePath));
    EXPECT_TRUE(load.created.ok);
    EXPECT_EQ(ReadAll(path), EncodeScoreTable(DefaultScoreTable()));
}

TEST(ScoreFile, AnEarlierDamagedFileIsNeverOverwritten) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    WriteAll(path, "first");
    EXPECT_EQ(LoadScoreFile(path).asidePath, path + ".damaged");
    WriteAll(path, "second");
    EXPECT_EQ(LoadScoreFile(path).asidePath, path + ".damaged.2");
    EXPECT_EQ(ReadAll(path + ".damaged"), "first");
    EXPECT_EQ(ReadAll(path + ".damaged.2"), "second");
}

TEST(ScoreFile, ADamagedFileThatCannotBeMovedIsLeftAsItIs) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    std::string damaged = EncodeScoreTable(DefaultScoreTable());
    damaged[8] = 13;  // the first record's month
    WriteAll(path, damaged);
    WriteAll(path + ".damaged", "old");
    for (int n = 2; n < 1000; ++n) WriteAll(path + ".damaged." + std::to_string(n), "old");
    const ScoreLoad load = LoadScoreFile(path);
    EXPECT_EQ(load.state, ScoreFileState::Damaged);
    EXPECT_EQ(load.carried, 9);
    EXPECT_EQ(ReadAll(path), damaged);
}

TEST(ScoreFile, FormatScoreWritesLeadingZerosAndKeepsTheLastDigits) {
    SoloScoreRecord r = Result(3, 5, 7, "名");
    SetScoreDate(r, 2001, 1, 1, 0, 0, 9);
    const ScoreTexts texts = FormatScore(r);
    EXPECT_EQ(texts.name, "名");
    EXPECT_EQ(texts.time, "03:05");
    EXPECT_EQ(texts.turn, "007");
    EXPECT_EQ(texts.date, "2001/01/01 00:00:09");
    EXPECT_EQ(FormatScore(Result(123, 59, 1305)).time, "23:59");
    EXPECT_EQ(FormatScore(Result(123, 59, 1305)).turn, "305");
    SetScoreDate(r, 12345, 12, 31, 23, 59, 58);
    EXPECT_EQ(FormatScore(r).date, "2345/12/31 23:59:58");
}

TEST(ScoreFile, ARecordIsCompletedFromTheGameAndSaturatesInsteadOfWrapping) {
    const struct {
        int seconds, turns;
        const char* time;
        const char* turn;
    } cases[] = {
        {185, 27, "03:05", "027"},
        {5999, 999, "99:59", "999"},
        {6000, 1000, "99:59", "999"},
        {7384, 4321, "99:59", "999"},
    };
    for (const auto& c : cases) {
        SoloScoreRecord r;
        CompleteScoreRecord(r, c.seconds, c.turns);
        EXPECT_EQ(FormatScore(r).time, c.time) << c.seconds;
        EXPECT_EQ(FormatScore(r).turn, c.turn) << c.turns;
    }
}

TEST(ScoreFile, NewResultsRankOnlyWhenStrictlyBetter) {
    const ScoreTable defaults = DefaultScoreTable();
    ScoreTable allSlow = defaults;
    for (auto& r : allSlow) r.turns = 999, r.playMinutes = 99, r.playSeconds = 59;
    const struct {
        const ScoreTable& table;
        int seconds, turns;
        ScoreRank rank;
    } cases[] = {
        {defaults, 185, 400, {2, 0}},    // 3:05 ties the best time and ranks behind it
        {defaults, 184, 400, {1, 0}},    // 3:04
        {defaults, 400, 95, {0, 1}},     // 095 against 305 compares as text correctly
        {defaults, 400, 999, {0, 0}},    // 999 turns never rank
        {defaults, 230, 400, {0, 0}},    // 3:50 equals the tenth: not enough
        {defaults, 229, 349, {10, 10}},  // 3:49 and 349 just make it
        {defaults, 400, 350, {0, 0}},    // 350 turns
        {defaults, 212, 322, {7, 5}},    // 3:32, 322
        {allSlow, 400, 998, {1, 1}},
        {allSlow, 400, 999, {1, 0}},  // worse entries in the table do not help 999
        {allSlow, 6000, 5, {0, 1}},   // 100 minutes would read 00:00: never ranked by time
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetNewScoreRank(c.table, c.seconds, c.turns), c.rank)
            << c.seconds << " s, " << c.turns << " turns";
}

TEST(ScoreFile, OrdersAreStableAndTheTimeOrderPutsUnnamedRecordsLast) {
    ScoreTable table;
    const int minutes[] = {5, 3, 4, 3, 1, 2, 3, 9, 0, 3};
    const int turns[] = {50, 30, 40, 30, 10, 20, 30, 90, 5, 30};
    for (int i = 0; i < kScoreCount; ++i)
        table[i] = Result(minutes[i], 0, turns[i], Numbered("n", i));
    table[4].name.clear();  // 1:00, but unnamed
    table[8].name.clear();  // 0:00, but unnamed

    const std::array<int, 10> byTime = {5, 1, 3, 6, 9, 2, 0, 7, 4, 8};
    const std::array<int, 10> byTurn = {8, 4, 5, 1, 3, 6, 9, 2, 0, 7};
    EXPECT_EQ(TimeOrder(table), byTime);
    EXPECT_EQ(TurnOrder(table), byTurn);
    // The result whose name is being typed takes its place in the time order.
    const std::array<int, 10> pending = {4, 5, 1, 3, 6, 9, 2, 0, 7, 8};
    EXPECT_EQ(TimeOrder(table, 4), pending);
    const ScoreTable sorted = SortScoreByTime(table);
    for (int place = 0; place < kScoreCount; ++place)
        EXPECT_EQ(sorted[place], table[byTime[place]]);
    EXPECT_EQ(SortScoreByTurn(table)[0], table[8]);
}

namespace {

// Where the window will find the new result: its row in each order, + 1.
ScoreRank RowsOfNewResult(const ScorePlacement& p) {
    const auto time = TimeOrder(p.table, p.newIndex);
    const auto turn = TurnOrder(p.table);
    auto row = [&](const std::array<int, 10>& order) {
        const auto at = std::find(order.begin(), order.end(), p.newIndex);
        return static_cast<int32_t>(at - order.begin() + 1);
    };
    return {p.rank.byTime ? row(time) : 0, p.rank.byTurn ? row(turn) : 0};
}

bool Beats(const SoloScoreRecord& mine, const SoloScoreRecord& theirs, ScoreRank earned) {
    const ScoreTexts a = FormatScore(mine), b = FormatScore(theirs);
    return (earned.byTime && a.time < b.time) || (earned.byTurn && a.turn < b.turn);
}

// Builds a table from (minutes, seconds, turns) triples.
ScoreTable Table(std::initializer_list<std::array<int, 3>> rows) {
    ScoreTable table;
    int i = 0;
    for (const auto& row : rows) {
        table[i] = Result(row[0], row[1], row[2], Numbered("p", i));
        ++i;
    }
    return table;
}

}  // namespace

TEST(ScoreFile, PlacementDropsTheLowestRecordBeatenInEveryRankedOrder) {
    const struct {
        const char* what;
        ScoreTable table;
        SoloScoreRecord result;
        int dropped;
        ScoreRank rank;
    } cases[] = {
        // clang-format off
        {"the default table: the tenth goes", DefaultScoreTable(), Result(3, 4, 304, ""), 9,
         {1, 1}},
        // The slowest (7) holds the best turns and stands ahead of the result there;
        // 8 and 9 are beaten both ways, 8 stands lower.
        {"worst by time is best by turns",
         Table({{1, 0, 100}, {1, 1, 101}, {1, 2, 102}, {1, 3, 103}, {1, 4, 104}, {1, 5, 105},
                {1, 6, 106}, {9, 0, 50}, {3, 0, 400}, {2, 30, 900}}),
         Result(2, 0, 300, ""), 8, {8, 9}},
        // The mirror: the most turns (2) holds the best time.
        {"worst by turns is best by time",
         Table({{1, 0, 100}, {1, 1, 101}, {0, 5, 990}, {1, 3, 103}, {1, 4, 104}, {1, 5, 105},
                {1, 6, 106}, {4, 0, 400}, {3, 0, 500}, {1, 7, 107}}),
         Result(2, 0, 300, ""), 8, {9, 8}},
        // The slowest (9) stands as low as 8 overall but is ahead of the result by
        // turns; only 8 is beaten both ways.
        {"slowest ties the record beaten both ways",
         Table({{1, 0, 100}, {1, 1, 110}, {1, 2, 120}, {1, 3, 130}, {1, 4, 140}, {1, 5, 150},
                {1, 6, 160}, {1, 7, 170}, {2, 30, 900}, {9, 0, 200}}),
         Result(2, 0, 300, ""), 8, {9, 10}},
        // Ranked by time only: anything slower may go, whatever its turns.
        {"time only",
         Table({{1, 0, 10}, {1, 1, 11}, {1, 2, 12}, {1, 3, 13}, {1, 4, 14}, {1, 5, 15},
                {1, 6, 16}, {9, 0, 1}, {3, 0, 17}, {1, 7, 18}}),
         Result(2, 0, 300, ""), 8, {9, 0}},
        // Equal results already in the table stay ahead of the new one.
        {"ties", Table({{3, 5, 305}, {3, 5, 305}, {3, 5, 305}, {3, 5, 305}, {3, 5, 305},
                        {3, 5, 305}, {3, 5, 305}, {3, 5, 305}, {3, 5, 305}, {3, 6, 306}}),
         Result(3, 5, 305, ""), 9, {10, 10}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const ScoreRank earned = GetNewScoreRank(
            c.table, c.result.playMinutes * 60 + c.result.playSeconds, c.result.turns);
        const ScorePlacement p = PlaceNewScore(c.table, c.result);
        ASSERT_TRUE(p.placed) << c.what;
        EXPECT_EQ(p.dropped, c.dropped) << c.what;
        EXPECT_EQ(p.rank, c.rank) << c.what;
        EXPECT_EQ(p.rank, earned) << c.what;
        EXPECT_EQ(RowsOfNewResult(p), p.rank) << c.what;
        EXPECT_EQ(p.table[p.newIndex], c.result) << c.what;
    }
}

TEST(ScoreFile, PlacementFallsBackToARecordBeatenInOneOrderAndTellsTheTruePlace) {
    // The result beats 0..8 by turns only and 9 by time only: no record is beaten
    // both ways, so whichever goes, the result moves up one place in the other order.
    const ScoreTable table = Table({{1, 0, 300},
                                    {1, 1, 301},
                                    {1, 2, 302},
                                    {1, 3, 303},
                                    {1, 4, 304},
                                    {1, 5, 305},
                                    {1, 6, 306},
                                    {1, 7, 307},
                                    {1, 8, 308},
                                    {9, 0, 100}});
    const SoloScoreRecord result = Result(2, 0, 200, "");
    EXPECT_EQ(GetNewScoreRank(table, 120, 200), (ScoreRank{10, 2}));
    const ScorePlacement p = PlaceNewScore(table, result);
    ASSERT_TRUE(p.placed);
    EXPECT_EQ(p.dropped, 8);  // 9 stands first by turns; 8 is the lowest of the rest
    EXPECT_EQ(p.rank, (ScoreRank{9, 2}));
    EXPECT_EQ(RowsOfNewResult(p), p.rank);
}

TEST(ScoreFile, PlacementLeavesTheTableAloneWhenTheResultRanksNowhere) {
    const ScorePlacement p = PlaceNewScore(DefaultScoreTable(), Result(3, 50, 350, ""));
    EXPECT_FALSE(p.placed);
    EXPECT_EQ(p.table, DefaultScoreTable());
    EXPECT_EQ(p.rank, (ScoreRank{0, 0}));
}

TEST(ScoreFile, PlacementKeepsItsPromisesOnRandomTables) {
    std::mt19937 random(2024);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    int placed = 0, fallback = 0;
    for (int round = 0; round < 2000; ++round) {
        ScoreTable table;
        for (int i = 0; i < kScoreCount; ++i)  // few distinct values: many ties
            table[i] =
                Result(pick(4), 10 * pick(3), 100 + 10 * pick(8), pick(8) ? Numbered("p", i) : "");
        const SoloScoreRecord result = Result(pick(4), 10 * pick(3), 100 + 10 * pick(8), "");
        const ScoreRank earned =
            GetNewScoreRank(table, result.playMinutes * 60 + result.playSeconds, result.turns);
        const ScorePlacement p = PlaceNewScore(table, result);
        ASSERT_EQ(p.placed, earned.byTime || earned.byTurn);
        if (!p.placed) continue;
        ++placed;
        // Ranked in the same orders, found at row (rank - 1) of each.
        ASSERT_EQ(p.rank.byTime != 0, earned.byTime != 0);
        ASSERT_EQ(p.rank.byTurn != 0, earned.byTurn != 0);
        ASSERT_EQ(RowsOfNewResult(p), p.rank);
        // Only a beaten record left; the others are all still there, in their order.
        ASSERT_TRUE(Beats(result, table[p.dropped], earned));
        for (int i = 0, to = 0; i < kScoreCount; ++i) {
            if (i == p.dropped) continue;
            ASSERT_EQ(p.table[to++], table[i]);
        }
        // When some record is beaten both ways, the ranks are the earned ones (or
        // better only because unnamed records stand aside in the time order).
        bool everywhere = false;
        for (const auto& r : table)
            everywhere |= (!earned.byTime || FormatScore(result).time < FormatScore(r).time) &&
                          (!earned.byTurn || FormatScore(result).turn < FormatScore(r).turn);
        if (everywhere) {
            ASSERT_EQ(p.rank.byTurn, earned.byTurn);
            ASSERT_LE(p.rank.byTime, earned.byTime);
        } else {
            ++fallback;
        }
    }
    EXPECT_GT(placed, 500);
    EXPECT_GT(fallback, 10);
}

// A line of the names file is read only as the game writes it; anything else makes
// the file damaged (and it is set aside) without costing the other lines.
TEST(ScoreFile, TheNamesFileTakesOnlyLinesTheGameWrites) {
    const std::string record = Hex(EncodeScoreTable(DefaultScoreTable()).substr(0, 51));
    const std::string heading = "tomavel-names 1\n";
    const struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> names;  // the names read
        bool whole;
    } cases[] = {
        {"good", heading + record + "\tŁukasz\n", {"Łukasz"}, true},
        {"heading only", heading, {}, true},
        {"empty", "", {}, false},
        {"another heading", "tomavel-names 2\n" + record + "\tA\n", {"A"}, false},
        {"no tab", heading + record + "Łukasz\n", {}, false},
        {"empty name", heading + record + "\t\n", {}, false},
        {"upper-case hex", heading + "00FF\tA\n", {}, false},
        {"odd hex", heading + "0ff\tA\n", {}, false},
        {"control character", heading + record + "\tA\rB\n" + record + "\tC\n", {"C"}, false},
        {"not UTF-8", heading + record + "\tA\xC3\n", {}, false},
        {"overlong UTF-8", heading + record + "\t\xC1\x81\n", {}, false},
        {"surrogate", heading + record + "\t\xED\xA0\x80\n", {}, false},
        {"twenty characters",
         heading + record + "\t" + std::string(20, 'a') + "\n",
         {std::string(20, 'a')},
         true},
        {"twenty emoji",
         heading + record + "\t" +
             [] {
                 std::string s;
                 for (int i = 0; i < 20; ++i) s += "😀";
                 return s;
             }() +
             "\n",
         {[] {
             std::string s;
             for (int i = 0; i < 20; ++i) s += "😀";
             return s;
         }()},
         true},
        {"too long", heading + record + "\t" + std::string(21, 'a') + "\n", {}, false},
        {"cut short", heading + record + "\tA\n" + record + "\tB", {"A"}, false},
    };
    for (const auto& c : cases) {
        const ScoreNames read = DecodeScoreNames(c.bytes);
        std::vector<std::string> names;
        for (const auto& [key, name] : read.names) names.push_back(name);
        EXPECT_EQ(names, c.names) << c.what;
        EXPECT_EQ(read.whole, c.whole) << c.what;
    }
}

// The exact name of a result is saved before the table and under its lock. When it
// cannot be saved the result stays off the table, and the table as it was; a name
// CP932 holds needs no names file and saves all the same.
TEST(ScoreFile, AResultWhoseExactNameCannotBeSavedStaysOffTheTable) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    ASSERT_TRUE(CreateScoreFile(path).ok);
    // A names file without write permission is the player's to keep, never replaced.
    WriteAll(ScoreNamesPath(path), "tomavel-names 1\n");
    fs::permissions(ScoreNamesPath(path), fs::perms::owner_read);
    SoloScoreRecord exact = Result(3, 1, 301, "Lukasz");
    exact.exactName = "Łukasz";
    const ScoreSave failed = SaveNewScore(path, exact);
    EXPECT_FALSE(failed.saved.ok);
    EXPECT_EQ(ReadAll(path), EncodeScoreTable(DefaultScoreTable()));

    const ScoreSave plain = SaveNewScore(path, Result(3, 1, 301, "Ami"));
    ASSERT_TRUE(plain.saved.ok) << plain.saved.error;
    EXPECT_EQ(SortScoreByTurn(LoadScoreFile(path).table)[0].name, "Ami");

    // Where it can, the exact name and its record are saved together, and a later
    // save keeps the names of the records still in the table.
    fs::remove(ScoreNamesPath(path));
    ASSERT_TRUE(SaveNewScore(path, exact).saved.ok);
    ASSERT_TRUE(SaveNewScore(path, Result(3, 0, 300, "B")).saved.ok);
    const ScoreTable table = SortScoreByTurn(LoadScoreFile(path).table);
    EXPECT_EQ(table[0].name, "B");
    EXPECT_EQ(table[1].name, "Ami");  // saved before it with as many turns
    EXPECT_EQ(table[1].exactName, "");
    EXPECT_EQ(table[2].name, "Lukasz");
    EXPECT_EQ(table[2].exactName, "Łukasz");
}

// The names are saved before the table: should the table's save then fail, the
// old table stands, and so do the exact names of its records, the one the new
// result would have pushed out among them.
TEST(ScoreFile, ATableThatFailsToSaveKeepsItsExactNames) {
    TempFolder folder;
    const std::string path = folder.File(kScoreFileName);
    SoloScoreRecord tenth = Result(3, 49, 349, "Lukasz");  // beats only "no name 10"
    tenth.exactName = "Łukasz";
    ASSERT_TRUE(SaveNewScore(path, tenth).saved.ok);
    const std::string before = ReadAll(path);

    static int flushes;
    flushes = 0;
    SafeFile::Disk().fsync = [](int fd) { return ++flushes == 2 ? -1 : ::fsync(fd); };
    SoloScoreRecord better = Result(3, 48, 348, "Zaneta");  // pushes "Łukasz" out
    better.exactName = "Żaneta";
    const ScoreSave failed = SaveNewScore(path, better);
    SafeFile::RestoreDisk();
    EXPECT_FALSE(failed.saved.ok);
    EXPECT_EQ(ReadAll(path), before);
    const ScoreTable table = SortScoreByTurn(LoadScoreFile(path).table);
    EXPECT_EQ(table[9].exactName, "Łukasz");
}
