// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Settings.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "app/IniFile.h"
#include "app/Places.h"
#include "engine/GameLoop.h"
#include "engine/GameState.h"
#include "files/SafeFile.h"
#include "opponents/Characters.h"
#include "ui/MessageBoxes.h"

namespace {

// The player hears about a missing or unwritable settings file once per start,
// not once for every key the start-up reads.
bool fileNoticeGiven = false;
// When the file could not be created, the start-up reads the defaults from here.
std::optional<IniFile> builtInDefaults;
// The settings file as the start-up load read it, once for all its keys.
const IniFile* loadedFile = nullptr;

// Which file a path names at one moment: a file rewritten in place changes its
// size or its time of change, one replaced by another its number.
struct FileIdentity {
    dev_t device;
    ino_t number;
    off_t size;
    timespec changed;
    bool operator==(const FileIdentity& o) const {
        return device == o.device && number == o.number && size == o.size &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

std::optional<FileIdentity> IdentityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_ctim};
}

// The settings file as EnsureSettingsFile found it, kept for the load that follows
// at start-up, so the file is read and decoded once. Taken only while the file
// is still the one that was read.
struct CheckedFile {
    QString path;
    FileIdentity identity;
    IniFile ini;
};
std::optional<CheckedFile> checkedFile;

std::optional<IniFile> TakeCheckedFile(const QString& path) {
    std::optional<CheckedFile> kept = std::exchange(checkedFile, std::nullopt);
    if (!kept || kept->path != path || IdentityOf(path) != kept->identity) return std::nullopt;
    return std::move(kept->ini);
}

void TellOnce(const QString& text) {
    if (fileNoticeGiven) return;
    fileNoticeGiven = true;
    MessageBoxes::Inform(nullptr, text);
}

// The value the profile reader hands back through its 80-byte buffer.
constexpr int kValueBytes = 79;

const QString kBarOfHundred = QStringLiteral(
    "1111111111111112222222222333333333333333333333333333333333333333344444444444444444444555555555"
    "555555");

IniFile DefaultIni() {
    const QString fullSpace(QChar(0x3000));
    IniFile ini;
    ini.AppendLine(u'#' + QString(48, u'='));
    ini.AppendLine(QStringLiteral("# "));
    ini.AppendLine(u'#' + QString(12, u' ') + fullSpace.repeated(2) + QString(3, u' ') +
                   QStringLiteral("トマベル"));
    ini.AppendLine(QStringLiteral("# "));
    ini.AppendLine(u'#' + QString(48, u'~'));
    ini.AppendLine(u'#' + QString(21, u' ') + QStringLiteral("Tomavel Team"));
    ini.AppendLine(u'#' + fullSpace.repeated(10) + QStringLiteral(" Version") + QString(8, u' '));
    ini.AppendLine(u'#' + fullSpace +
                   QStringLiteral("このファイルを消すと、次の起動で最初の設定に戻ります。"));
    ini.AppendLine(u'#' + QString(49, u'='));

    const QString board = QStringLiteral("PLAYBOARD"), player = QStringLiteral("PLAYER");
    ini.SetValue(board, QStringLiteral("SORITEA"), QStringLiteral("TRUE"));
    ini.SetValue(board, QStringLiteral("PLAYER"), QStringLiteral("0444"));
    ini.SetValue(board, QStringLiteral("CARD"), QStringLiteral("1"));
    ini.SetValue(board, QStringLiteral("SHOWSEC"), QStringLiteral("0"));
    ini.SetValue(board, QStringLiteral("CUR"), QStringLiteral("0"));
    ini.SetValue(board, QStringLiteral("TOPWIN"), QStringLiteral("FALSE"));
    ini.SetValue(board, QStringLiteral("NOSOUND"), QStringLiteral("FALSE"));
    ini.SetValue(player, QStringLiteral("SWALLOW1"), kBarOfHundred);
    ini.SetValue(player, QStringLiteral("SWALLOW2"), kBarOfHundred);
    ini.SetValue(player, QStringLiteral("WOLF1"), QString());
    ini.SetValue(player, QStringLiteral("TIGER1"), QString());
    return ini;
}

QString FilePath() { return QString::fromStdString(SettingsFilePath()); }

// A settings file that holds no key gives the game nothing (an empty file is what
// a save on a full disk used to leave): it is written afresh, as if it were
// missing. Anything else in it is kept beside it as "tomavel.ini.damaged". A file
// with keys, or one that cannot be read, is left alone. A file far larger than
// any settings file is damaged too, and kept aside the same way. False when the
// default file could not be written; the old file is then where it was.
bool ReplaceEmptySettingsFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return WriteDefaultIni();
    const std::optional<FileIdentity> before = IdentityOf(path);
    IniFile ini = IniFile::Load(path);
    const bool tooLarge = ini.LoadStatus() == IniFile::Status::TooLarge;
    const bool read = ini.LoadStatus() == IniFile::Status::Read;
    if (read && ini.HasKeys()) {
        // The file as read, kept for the load, unless it changed while it was read.
        if (before && IdentityOf(path) == before)
            checkedFile = CheckedFile{path, *before, std::move(ini)};
        return true;
    }
    if (!tooLarge && !read) return true;
    std::optional<std::string> aside;
    if (tooLarge || !ini.Bytes().trimmed().isEmpty()) {
        aside = SafeFile::SetAside(path.toStdString());
        if (!aside) return false;
    }
    if (WriteDefaultIni()) return true;
    if (aside) std::rename(aside->c_str(), path.toStdString().c_str());
    return false;
}

bool IsTrue(const std::string& value) {
    if (value.size() != 4) return false;
    std::string upper;
    for (char c : value) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return upper == "TRUE";
}

// The value's leading decimal number rounded to the nearest whole number,
// halves to even; 0 when there is none (or it is beyond any number of the game).
int32_t AsNumber(const std::string& value) {
    size_t at = 0;
    while (at < value.size() && (value[at] == ' ' || value[at] == '\t')) ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) negative = value[at++] == '-';
    double number = 0;
    auto [end, error] = std::from_chars(value.data() + at, value.data() + value.size(), number,
                                        std::chars_format::fixed | std::chars_format::scientific);
    (void)end;
    if (error != std::errc()) return 0;
    double rounded = std::nearbyint(negative ? -number : number);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return 0;
    return static_cast<int32_t>(rounded);
}

// A number that names one of four options of the settings dialog; anything else is option 0.
int32_t OptionOf(const std::string& value) {
    int32_t n = AsNumber(value);
    return n >= 0 && n <= 3 ? n : 0;
}

void SeatHumanAlone(GameState& game) {
    game.soloMode = true;
    SeatCharacter(game, 0, CharacterKind::You);
    for (int seat = 1; seat < kSeats; ++seat) SeatCharacter(game, seat, CharacterKind::Empty);
}

std::string ReadPlayboard(const char* key) {
    std::string value;
    ReadIni("PLAYBOARD", key, value);
    return value;
}

}  // namespace

std::string SettingsFilePath() { return SettingsFolder() + kSettingsFileName; }

bool ReadIni(const std::string& section, const std::string& key, std::string& value) {
    const QString path = FilePath();
    const QString qSection = QString::fromStdString(section), qKey = QString::fromStdString(key);
    std::optional<QString> found;
    if (builtInDefaults) {
        found = builtInDefaults->Value(qSection, qKey);
    } else if (loadedFile) {
        found = loadedFile->Value(qSection, qKey);
    } else if (QFileInfo(path).isFile()) {
        found = ReadProfileString(path, qSection, qKey);
    } else {
        TellOnce(QCoreApplication::translate("Settings", "初期化ファイルがありません。"));
    }
    if (!found || found->isEmpty()) return false;

    QString text = Cp932::CutToBytes(*found, kValueBytes);
    // The reader hands back a C string: a NUL ends the value.
    qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    // The value lies in a buffer of spaces with its terminating NUL after it, and
    // the spaces are trimmed before that NUL is dropped: spaces before the value
    // go, but spaces at its end (kept inside quotes, "TRUE ") stay part of it.
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin) == u' ') ++begin;
    if (begin == text.size()) return false;
    value = text.sliced(begin).toStdString();
    return true;
}

bool WriteIni(const std::string& section, const std::string& key, const std::string& value) {
    return WriteProfileString(FilePath(), QString::fromStdString(section),
                              QString::fromStdString(key), QString::fromStdString(value));
}

bool WriteDefaultIni() { return DefaultIni().Save(FilePath()); }

bool WriteIniKeys(const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& keys, QString* error) {
    const QString path = FilePath();
    IniFile ini = IniFile::Load(path);
    if (ini.LoadStatus() == IniFile::Status::Missing) {
        ini = DefaultIni();
    } else if (ini.LoadStatus() != IniFile::Status::Read) {
        // A file that cannot be read is never replaced: what it holds is unknown.
        if (error)
            *error = QCoreApplication::translate("Settings", "%1 を読み取れません。")
                         .arg(QFileInfo(path).fileName());
        return false;
    }
    for (const auto& [key, value] : keys)
        if (!ini.SetValue(QString::fromStdString(section), QString::fromStdString(key),
                          QString::fromStdString(value)))
            return false;
    return ini.Save(path, error);
}

std::vector<std::pair<std::string, std::string>> KeysForNextStart(const GameSettings& settings) {
    auto truth = [](bool on) { return std::string(on ? "TRUE" : "FALSE"); };
    std::vector<std::pair<std::string, std::string>> keys;
    keys.emplace_back("SORITEA", truth(settings.solitaire));
    if (!settings.solitaire) {
        // Solitaire seats the human alone whatever the list says: the file's list
        // is kept for the next game with several seats.
        std::string player;
        for (const std::optional<CharacterKind>& seat : settings.seats)
            player += CharacterOf(seat.value_or(CharacterKind::Empty)).digit;
        keys.emplace_back("PLAYER", player);
    }
    keys.emplace_back("CARD", std::to_string(settings.cardBack));
    // The display time is kept as the dialog's option: 0, 1, 2 for 1, 2, 4 seconds.
    keys.emplace_back("SHOWSEC", settings.showSeconds == 4   ? "2"
                                 : settings.showSeconds == 2 ? "1"
                                                             : "0");
    keys.emplace_back("CUR", std::to_string(settings.cursor));
    keys.emplace_back("TOPWIN", truth(settings.topMost));
    keys.emplace_back("NOSOUND", truth(settings.mute));
    keys.emplace_back("SAVESET", truth(settings.keepForNextStart));
    return keys;
}

bool EnsureSettingsFile() {
    const QString path = FilePath();
    checkedFile.reset();
    // Only one copy of the game runs on this folder: a temporary file of the
    // settings file now is what a save cut short left behind.
    // Earlier versions saved through "tomavel.ini.XXXXXX".
    SafeFile::RemoveStaleTemporaries(QFile::encodeName(path).toStdString(), {}, true);
    if (ReplaceEmptySettingsFile(path)) return true;
    builtInDefaults = DefaultIni();
    TellOnce(QCoreApplication::translate(
        "Settings", "初期化ファイルを作成できません。\n最初の設定で始めます。"));
    return false;
}

void ForgetSettingsFileNotice() {
    fileNoticeGiven = false;
    builtInDefaults.reset();
    checkedFile.reset();
}

GameSettings LoadSettings() {
    // The file is read and decoded once, not once for every key. A missing file
    // is still looked for at every key, and the player told.
    std::optional<IniFile> file;
    if (!builtInDefaults) file = TakeCheckedFile(FilePath());
    if (!builtInDefaults && !file && QFileInfo(FilePath()).isFile())
        file = IniFile::Load(FilePath());
    struct Loaded {
        explicit Loaded(const IniFile* f) { loadedFile = f; }
        ~Loaded() { loadedFile = nullptr; }
    } loaded(file ? &*file : nullptr);

    GameSettings settings;
    if (IsTrue(ReadPlayboard("SORITEA"))) {
        settings.solitaire = true;
    } else {
        const std::string player = ReadPlayboard("PLAYER");
        settings.solitaire = player.empty();
        if (!settings.solitaire) {
            // One character per seat, from seat 0; characters past the fourth have no
            // seat. Each is taken as a digit (KindOfDigit): anything that is no digit
            // (a letter, a space, a full-width digit) is the human, and a digit no
            // character has leaves the seat empty.
            const std::u32string kinds = QString::fromStdString(player).toStdU32String();
            for (size_t seat = 0; seat < kinds.size() && seat < kSeats; ++seat)
                settings.seats[seat] = KindOfDigit(kinds[seat]);
            // A list that seats nobody is taken as it stands: such a game deals the
            // cards and waits until the player quits (the turn never moves).
        }
    }

    settings.cardBack = OptionOf(ReadPlayboard("CARD"));

    // SHOWSEC is the display-time option of the settings dialog: 0, 1, 2 for 1, 2, 4 seconds.
    const int32_t showOption = AsNumber(ReadPlayboard("SHOWSEC"));
    settings.showSeconds = showOption == 1 ? 2 : showOption == 2 ? 4 : 1;

    settings.cursor = OptionOf(ReadPlayboard("CUR"));
    settings.topMost = IsTrue(ReadPlayboard("TOPWIN"));
    settings.mute = IsTrue(ReadPlayboard("NOSOUND"));
    settings.keepForNextStart = IsTrue(ReadPlayboard("SAVESET"));
    return settings;
}

void ApplyLoadedSettings(GameState& game, const GameSettings& settings) {
    if (settings.solitaire) {
        SeatHumanAlone(game);
    } else {
        game.soloMode = false;
        for (int seat = 0; seat < kSeats; ++seat)
            if (settings.seats[seat]) SeatCharacter(game, seat, *settings.seats[seat]);
    }
    game.cardBack = settings.cardBack;
    game.showSeconds = settings.showSeconds;
}

void ApplyChosenSettings(GameState& game, const GameSettings& chosen) {
    // During a game the seats and the mode stay as the game began with them.
    if (game.phase == GamePhase::Idle) {
        game.soloMode = chosen.solitaire;
        for (int seat = 0; seat < kSeats; ++seat) {
            PlayerSlot& slot = game.seats[seat];
            switch (chosen.seats[seat].value_or(CharacterKind::Empty)) {
                case CharacterKind::You:
                    // The human keeps whatever else the seat held.
                    slot.active = true;
                    slot.kind = CharacterKind::You;
                    break;
                case CharacterKind::Empty:
                    SeatCharacter(game, seat, CharacterKind::Empty);
                    break;
                default:
                    SeatCharacter(game, seat, *chosen.seats[seat]);
                    break;
            }
        }
    }

    SetCardBack(game, chosen.cardBack);

    game.showSeconds = chosen.showSeconds;
}

GameSettings SettingsInForce(const GameState& game, const GameSettings& inForce) {
    GameSettings settings = inForce;
    settings.solitaire = game.soloMode;
    for (int seat = 0; seat < kSeats; ++seat) {
        const PlayerSlot& slot = game.seats[seat];
        settings.seats[seat] = slot.active ? slot.kind : CharacterKind::Empty;
    }
    settings.cardBack = game.cardBack;
    settings.showSeconds = game.showSeconds;
    return settings;
}
