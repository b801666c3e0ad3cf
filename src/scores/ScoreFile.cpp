// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/ScoreFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <optional>
#include <tuple>

#include "files/SafeFile.h"

namespace {

// A record is 42 bytes plus its name; ten records with the longest names fit in this.
constexpr std::size_t kLongestRecord = 42 + 0xFFFF;
constexpr std::size_t kLongestTable = kScoreCount * kLongestRecord;

// The number with leading zeros, cut to its last `digits` characters.
std::string Digits(int32_t value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    const std::string text = buffer;
    return text.substr(text.size() - std::min<std::size_t>(text.size(), digits));
}

void PutInt32(std::string& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Int32(int32_t& value) {
        if (bytes_.size() - pos_ < 4) return false;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        value = static_cast<int32_t>(v);
        pos_ += 4;
        return true;
    }
    bool Name(std::string& name) {
        if (bytes_.size() - pos_ < 2) return false;
        const std::size_t length = static_cast<unsigned char>(bytes_[pos_]) |
                                   (static_cast<unsigned char>(bytes_[pos_ + 1]) << 8);
        pos_ += 2;
        if (bytes_.size() - pos_ < length) return false;
        name.assign(bytes_.substr(pos_, length));
        pos_ += length;
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// Only values the game itself can have written; anything else means the bytes are not a table.
bool Plausible(const SoloScoreRecord& r) {
    return InRange(r.year, 0, 9999) && InRange(r.month, 1, 12) && InRange(r.day, 1, 31) &&
           InRange(r.hour, 0, 23) && InRange(r.minute, 0, 59) && InRange(r.second, 0, 59) &&
           r.playMinutes >= 0 && InRange(r.playSeconds, 0, 59) && r.turns >= 0;
}

enum class RecordRead { Whole, Implausible, Cut };

// One record from where the reader stands. An implausible record still had its
// length field, so the reader stands at the next record afterwards; a cut one
// leaves nothing readable behind it.
RecordRead ReadRecord(Reader& in, SoloScoreRecord& r) {
    for (int32_t* v : {&r.inUse, &r.year, &r.month, &r.day, &r.hour, &r.minute, &r.second})
        if (!in.Int32(*v)) return RecordRead::Cut;
    if (!in.Name(r.name)) return RecordRead::Cut;
    for (int32_t* v : {&r.playMinutes, &r.playSeconds, &r.turns})
        if (!in.Int32(*v)) return RecordRead::Cut;
    return Plausible(r) ? RecordRead::Whole : RecordRead::Implausible;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Where each record stands in the two orders of the table: row[index].
std::array<int, kScoreCount> Rows(const std::array<int, kScoreCount>& order) {
    std::array<int, kScoreCount> rows{};
    for (int place = 0; place < kScoreCount; ++place) rows[order[place]] = place;
    return rows;
}

int RowOf(const std::array<int, kScoreCount>& order, int index) {
    return static_cast<int>(std::find(order.begin(), order.end(), index) - order.begin());
}

// Table indexes sorted by key(index); equal keys keep table order.
template <typename Key>
std::array<int, kScoreCount> StableOrder(Key key) {
    std::array<int, kScoreCount> order{};
    for (int i = 0; i < kScoreCount; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

// The new result's rank in one order: m + 1 for the first of the sorted texts it is
// strictly lower than.
int32_t RankAmong(std::array<std::string, kScoreCount> texts, const std::string& text) {
    std::sort(texts.begin(), texts.end());
    for (int m = 0; m < kScoreCount; ++m)
        if (text < texts[m]) return m + 1;
    return 0;
}

}  // namespace

std::string TimeText(int32_t minutes, int32_t seconds) {
    return Digits(minutes, 2) + ":" + Digits(seconds, 2);
}

std::string TurnText(int32_t turns) { return Digits(turns, 3); }

ScoreTexts FormatScore(const SoloScoreRecord& r) {
    return {r.name, TimeText(r.playMinutes, r.playSeconds), TurnText(r.turns),
            Digits(r.year, 4) + "/" + Digits(r.month, 2) + "/" + Digits(r.day, 2) + " " +
                Digits(r.hour, 2) + ":" + Digits(r.minute, 2) + ":" + Digits(r.second, 2)};
}

ScoreTable DefaultScoreTable() {
    ScoreTable table;
    for (int i = 1; i <= kScoreCount; ++i) {
        SoloScoreRecord& r = table[i - 1];
        r.inUse = -1;
        r.year = 2001, r.month = 1, r.day = 1, r.hour = 0, r.minute = 0, r.second = i - 1;
        r.name = "no name " + std::to_string(i);
        r.playMinutes = 3, r.playSeconds = 5 * i;
        r.turns = 300 + 5 * i;
    }
    return table;
}

namespace {
void PutRecord(std::string& out, const SoloScoreRecord& r) {
    for (int32_t v : {r.inUse, r.year, r.month, r.day, r.hour, r.minute, r.second})
        PutInt32(out, v);
    // The length field holds 16 bits; the name box never lets a name come near that.
    const std::size_t length = std::min<std::size_t>(r.name.size(), 0xFFFF);
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.append(r.name, 0, length);
    for (int32_t v : {r.playMinutes, r.playSeconds, r.turns}) PutInt32(out, v);
}

// A record's bytes in the table, as the names file writes them.
std::string RecordKey(const SoloScoreRecord& r) {
    std::string bytes;
    PutRecord(bytes, r);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex.push_back(kHex[static_cast<unsigned char>(c) >> 4]);
        hex.push_back(kHex[static_cast<unsigned char>(c) & 0xF]);
    }
    return hex;
}

constexpr std::string_view kNamesHeading = "tomavel-names 1";

// Characters of well-formed UTF-8 (no surrogates, nothing over U+10FFFF, no longer
// forms than needed) and no control characters; -1 when it is not.
int NameCharacters(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int more = 0;
        uint32_t c = lead;
        if (lead < 0x80)
            more = 0;
        else if ((lead & 0xE0) == 0xC0)
            more = 1, c = lead & 0x1F;
        else if ((lead & 0xF0) == 0xE0)
            more = 2, c = lead & 0x0F;
        else if ((lead & 0xF8) == 0xF0)
            more = 3, c = lead & 0x07;
        else
            return -1;
        if (text.size() - i <= static_cast<std::size_t>(more)) return -1;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return -1;
            c = (c << 6) | (next & 0x3F);
        }
        static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return -1;
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029) return -1;
        i += 1 + more;
    }
    return count;
}
}  // namespace

std::string EncodeScoreTable(const ScoreTable& table) {
    std::string out;
    for (const SoloScoreRecord& r : table) PutRecord(out, r);
    return out;
}

std::string ScoreNamesPath(const std::string& scorePath) {
    return std::filesystem::path(scorePath).replace_extension(".names").string();
}

std::string EncodeScoreNames(const std::vector<const ScoreTable*>& tables) {
    std::string out(kNamesHeading);
    out += '\n';
    std::vector<std::string> written;
    for (const ScoreTable* table : tables)
        for (const SoloScoreRecord& r : *table) {
            if (r.exactName.empty()) continue;
            std::string line = RecordKey(r) + '\t' + r.exactName + '\n';
            if (std::find(written.begin(), written.end(), line) != written.end()) continue;
            out += line;
            written.push_back(std::move(line));
        }
    return out;
}

ScoreNames DecodeScoreNames(std::string_view bytes) {
    ScoreNames read;
    bool heading = true;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (end == std::string_view::npos) {
            read.whole = false;  // a file cut short
            break;
        }
        if (heading) {
            heading = false;
            if (line != kNamesHeading) read.whole = false;
            continue;
        }
        const std::size_t tab = line.find('\t');
        const std::string_view key = line.substr(0, tab);
        const std::string_view name =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        const bool hex = !key.empty() && key.size() % 2 == 0 &&
                         key.find_first_not_of("0123456789abcdef") == std::string_view::npos;
        const int characters = NameCharacters(name);
        if (!hex || characters < 1 || characters > kLongestName) {
            read.whole = false;
            continue;
        }
        read.names.emplace_back(std::string(key), std::string(name));
    }
    if (heading) read.whole = false;  // not even the heading
    return read;
}

void AttachScoreNames(ScoreTable& table, const ScoreNames& names) {
    for (SoloScoreRecord& r : table) {
        r.exactName.clear();
        const std::string key = RecordKey(r);
        for (const auto& [bytes, name] : names.names)
            if (bytes == key) r.exactName = name;
    }
}

std::optional<ScoreTable> DecodeScoreTable(std::string_view bytes) {
    Reader in(bytes);
    ScoreTable table;
    for (SoloScoreRecord& r : table)
        if (ReadRecord(in, r) != RecordRead::Whole) return std::nullopt;
    return table;
}

ScoreSalvage SalvageScoreTable(std::string_view bytes) {
    Reader in(bytes);
    ScoreSalvage salvage{DefaultScoreTable(), 0};
    for (SoloScoreRecord& slot : salvage.table) {
        SoloScoreRecord r;
        const RecordRead read = ReadRecord(in, r);
        if (read == RecordRead::Cut) break;
        if (read == RecordRead::Whole) {
            slot = std::move(r);
            ++salvage.carried;
        }
    }
    return salvage;
}

ScoreFileResult SaveScoreTable(const std::string& path, const ScoreTable& table) {
    // Where the folder takes no new file (a read-only program folder, say), the table
    // itself may still be writable.
    const SafeFile::Result saved = SafeFile::Replace(path, EncodeScoreTable(table),
                                                     SafeFile::WhenFolderIsShut::RewriteInPlace);
    return {saved.ok, saved.error};
}

ScoreFileResult CreateScoreFile(const std::string& path) {
    return SaveScoreTable(path, DefaultScoreTable());
}

void RemoveStaleScoreTemporaries(const std::string& path) {
    // Earlier versions of the game saved the table through "solsc.dat.tmp".
    SafeFile::RemoveStaleTemporaries(path, ".tmp");
    SafeFile::RemoveStaleTemporaries(ScoreNamesPath(path));
}

namespace {
// The first `limit` bytes of a regular file; nothing for anything else. A pipe
// or a device in the table's place must never hold the game up: it is opened
// without waiting and never read.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        std::string read(limit, '\0');
        std::size_t have = 0;
        while (have < limit) {
            const ssize_t n = ::read(fd, read.data() + have, limit - have);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                have = limit + 1;  // a read error: not read
                break;
            }
            if (n == 0) break;
            have += static_cast<std::size_t>(n);
        }
        if (have <= limit) {
            read.resize(have);
            bytes = std::move(read);
        }
    }
    ::close(fd);
    return bytes;
}
}  // namespace

namespace {
// How long a save waits for another copy of the game to finish with the table:
// a save takes milliseconds, so this is only ever reached when something holds
// the table and does not let go.
constexpr int kLockWaitMilliseconds = 3000;

ScoreLoad LoadTableLocked(const std::string& path, SafeFile::FileLock::State lock);

// The names file holds a few short lines; more than this is not one the game wrote.
constexpr std::size_t kLongestNames = 64 * 1024;

SafeFile::Result SaveNames(const std::string& path, const std::vector<const ScoreTable*>& tables) {
    return SafeFile::Replace(ScoreNamesPath(path), EncodeScoreNames(tables),
                             SafeFile::WhenFolderIsShut::RewriteInPlace);
}

// Gives the records of a table just read their exact names. A damaged names file is
// kept under another name and what still reads of it written anew; a names file
// that cannot be read at all only costs the exact names, never the table.
void ReadNames(const std::string& path, ScoreLoad& load) {
    const std::string namesPath = ScoreNamesPath(path);
    if (!Exists(namesPath)) {
        load.namesState = ScoreFileState::Missing;
        return;
    }
    const std::optional<std::string> bytes = ReadRegularFile(namesPath, kLongestNames + 1);
    ScoreNames names;
    if (bytes && bytes->size() <= kLongestNames)
        names = DecodeScoreNames(*bytes);
    else
        names.whole = false;
    AttachScoreNames(load.table, names);
    if (names.whole) return;
    if (auto aside = SafeFile::SetAside(namesPath)) {
        load.namesState = ScoreFileState::SetAside;
        load.namesAsidePath = *aside;
        SaveNames(path, {&load.table});
    } else {
        load.namesState = ScoreFileState::Damaged;
    }
}

// Reads the table, with the lock on it held (or none to be had).
ScoreLoad LoadLocked(const std::string& path, SafeFile::FileLock::State lock) {
    ScoreLoad load = LoadTableLocked(path, lock);
    ReadNames(path, load);
    return load;
}

// Reads the table alone.
ScoreLoad LoadTableLocked(const std::string& path, SafeFile::FileLock::State lock) {
    ScoreLoad load;
    if (lock == SafeFile::FileLock::State::Created || !Exists(path)) {
        // The empty file made for the lock (or nothing at all) is a missing table.
        load.state = ScoreFileState::Missing;
        load.created = CreateScoreFile(path);
        // An empty file left behind would read as a damaged table next time.
        if (!load.created.ok && lock == SafeFile::FileLock::State::Created) ::unlink(path.c_str());
        return load;
    }
    const std::optional<std::string> readBytes = ReadRegularFile(path, kLongestTable);
    const bool read = readBytes.has_value();
    const std::string bytes = readBytes.value_or(std::string());
    if (read) {
        if (auto table = DecodeScoreTable(bytes)) {
            load.table = *table;
            return load;
        }
    }
    // Unreadable or not a table: keep it for the player under another name and go on
    // with whatever records of it still read whole.
    if (read) {
        ScoreSalvage salvage = SalvageScoreTable(bytes);
        load.table = std::move(salvage.table);
        load.carried = salvage.carried;
    }
    if (auto aside = SafeFile::SetAside(path)) {
        load.state = ScoreFileState::SetAside;
        load.asidePath = *aside;
        load.created = SaveScoreTable(path, load.table);
    } else {
        load.state = ScoreFileState::Damaged;
    }
    return load;
}
}  // namespace

ScoreLoad LoadScoreFile(const std::string& path) {
    // Reading may write (a missing or damaged table is made anew): under the
    // lock, so that it never writes over a result another copy is saving. When the
    // lock cannot be had the table is still read for showing.
    const SafeFile::FileLock lock(path, kLockWaitMilliseconds, true);
    return LoadLocked(path, lock.state());
}

ScoreFileResult EnsureScoreFile(const std::string& path) {
    const SafeFile::FileLock lock(path, kLockWaitMilliseconds, true);
    if (lock.state() == SafeFile::FileLock::State::Created ||
        lock.state() == SafeFile::FileLock::State::Missing)
        return CreateScoreFile(path);
    return {};
}

ScoreSave SaveNewScore(const std::string& path, const SoloScoreRecord& result) {
    ScoreSave save;
    const SafeFile::FileLock lock(path, kLockWaitMilliseconds, true);
    if (lock.state() == SafeFile::FileLock::State::Busy) {
        save.saved = {false, lock.Error()};
        return save;
    }
    // The table as it is now, which another copy may have saved into since the
    // window opened: every record in it is kept but the one the result beats.
    save.found = LoadLocked(path, lock.state());
    if (save.found.state == ScoreFileState::Damaged) {
        save.saved = {false, path + ": damaged, and it could not be kept under another name"};
        return save;
    }
    save.placement = PlaceNewScore(save.found.table, result);
    if (!save.placement.placed) return save;
    // The names first: should the table then fail, the line for the new record only
    // waits unused, and the names of the records the table still holds stay.
    if (!result.exactName.empty() || Exists(ScoreNamesPath(path))) {
        const SafeFile::Result names = SaveNames(path, {&save.placement.table, &save.found.table});
        if (!names.ok && !result.exactName.empty()) {
            save.saved = {false, names.error};
            return save;
        }
    }
    save.saved = SaveScoreTable(path, save.placement.table);
    return save;
}

void SetScoreDate(SoloScoreRecord& record, int year, int month, int day, int hour, int minute,
                  int second) {
    record.inUse = -1;
    record.year = year, record.month = month, record.day = day;
    record.hour = hour, record.minute = minute, record.second = second;
}

void SetScoreDate(SoloScoreRecord& record) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SetScoreDate(record, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                 local.tm_min, std::min(local.tm_sec, 59));  // a leap second reads as :59
}

void CompleteScoreRecord(SoloScoreRecord& record, int32_t elapsedSeconds, int32_t turnCount) {
    const int32_t seconds = std::clamp<int32_t>(elapsedSeconds, 0, 99 * 60 + 59);
    record.playMinutes = seconds / 60;
    record.playSeconds = seconds % 60;
    record.turns = std::clamp<int32_t>(turnCount, 0, 999);
}

ScoreRank GetNewScoreRank(const ScoreTable& table, int32_t seconds, int32_t turns) {
    ScoreRank rank;
    std::array<std::string, kScoreCount> texts;
    if (seconds >= 0 && seconds < 100 * 60) {
        for (int i = 0; i < kScoreCount; ++i) texts[i] = FormatScore(table[i]).time;
        rank.byTime = RankAmong(texts, TimeText(seconds / 60, seconds % 60));
    }
    if (turns >= 0 && turns < 999) {
        for (int i = 0; i < kScoreCount; ++i) texts[i] = FormatScore(table[i]).turn;
        rank.byTurn = RankAmong(texts, TurnText(turns));
    }
    return rank;
}

std::array<int, kScoreCount> TimeOrder(const ScoreTable& table, int pendingIndex) {
    // Unnamed records sort after every named one, keeping table order among themselves.
    return StableOrder([&](int i) {
        const bool ranked = !table[i].name.empty() || i == pendingIndex;
        return std::make_pair(!ranked, ranked ? FormatScore(table[i]).time : std::string());
    });
}

std::array<int, kScoreCount> TurnOrder(const ScoreTable& table) {
    return StableOrder([&](int i) { return FormatScore(table[i]).turn; });
}

namespace {
ScoreTable Arrange(const ScoreTable& table, const std::array<int, kScoreCount>& order) {
    ScoreTable sorted;
    for (int place = 0; place < kScoreCount; ++place) sorted[place] = table[order[place]];
    return sorted;
}
}  // namespace

ScoreTable SortScoreByTime(const ScoreTable& table, int pendingIndex) {
    return Arrange(table, TimeOrder(table, pendingIndex));
}

ScoreTable SortScoreByTurn(const ScoreTable& table) { return Arrange(table, TurnOrder(table)); }

// Where a new result goes. The table is one list of ten viewed in two orders, so
// the new result has to push out one record, and the window must find it at row
// (rank - 1) of whichever order it shows.
//
// 1. Rank the result against the old table. Ranked in neither order: it stays out.
// 2. Pick the record to drop. Only a record the new result strictly beats in an
//    order where the new result is ranked may go. Best of all is one it beats in
//    every order where it is ranked: then nothing that stood ahead of it leaves the
//    table, and its places are exactly the ranks it earned. Only when no such
//    record exists (say it beats one record by time and another by turns, each
//    ahead of it in the other order) does it take one it beats in a single order.
//    Among the records allowed to go, the one that stands lowest goes: the lowest
//    place in its better order, then in its other order, then the later record.
// 3. The rest keep their relative order, so equal results keep theirs, and the new
//    result is appended last: equal results already in the table stay ahead of it,
//    as the ranking says they should.
// 4. Its ranks are read back from where it now stands in each order (row + 1). With
//    a record beaten in every ranked order these are the ranks of step 1; in the
//    rare case of step 2's fallback a record ahead of it has gone and it really
//    stands one place higher there, which is what the player is told and shown.
ScorePlacement PlaceNewScore(const ScoreTable& table, const SoloScoreRecord& record) {
    ScorePlacement placement;
    placement.table = table;
    const ScoreRank earned =
        GetNewScoreRank(table, record.playMinutes * 60 + record.playSeconds, record.turns);
    if (earned.byTime == 0 && earned.byTurn == 0) return placement;

    const ScoreTexts mine = FormatScore(record);
    const auto timeRows = Rows(TimeOrder(table));
    const auto turnRows = Rows(TurnOrder(table));
    auto beatenEverywhere = [&](int i) {
        const ScoreTexts theirs = FormatScore(table[i]);
        return (earned.byTime == 0 || mine.time < theirs.time) &&
               (earned.byTurn == 0 || mine.turn < theirs.turn);
    };
    auto beatenSomewhere = [&](int i) {
        const ScoreTexts theirs = FormatScore(table[i]);
        return (earned.byTime != 0 && mine.time < theirs.time) ||
               (earned.byTurn != 0 && mine.turn < theirs.turn);
    };
    auto standing = [&](int i) {  // larger stands lower
        return std::make_tuple(std::min(timeRows[i], turnRows[i]),
                               std::max(timeRows[i], turnRows[i]), i);
    };
    auto lowest = [&](auto allowed) {
        int pick = -1;
        for (int i = 0; i < kScoreCount; ++i)
            if (allowed(i) && (pick < 0 || standing(i) > standing(pick))) pick = i;
        return pick;
    };
    int drop = lowest(beatenEverywhere);
    if (drop < 0) drop = lowest(beatenSomewhere);
    // A rank means some text of the table is higher than the result's, so drop >= 0 here.

    int to = 0;
    for (int i = 0; i < kScoreCount; ++i)
        if (i != drop) placement.table[to++] = table[i];
    placement.table[kScoreCount - 1] = record;
    placement.newIndex = kScoreCount - 1;
    placement.dropped = drop;
    placement.placed = true;
    if (earned.byTime != 0)
        placement.rank.byTime =
            RowOf(TimeOrder(placement.table, placement.newIndex), placement.newIndex) + 1;
    if (earned.byTurn != 0)
        placement.rank.byTurn = RowOf(TurnOrder(placement.table), placement.newIndex) + 1;
    return placement;
}
