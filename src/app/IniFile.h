// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings file of the private-profile ("ini") kind, read and written the way
// the game's file has always been: "[section]" lines, one "key=value" per line,
// CR LF line ends, text in CP932 (Windows Shift-JIS). Lines before the first
// section (the comment header) belong to no section. Section and key names are
// matched without regard to case; when a section or a key appears twice, the
// first one counts.
//
// Files edited by hand are read as Windows reads them: a line may end in CR LF,
// LF or CR alone; a value in matching quotes reads without them. A file saved
// with a UTF-8 or UTF-16 byte order mark is text in that form, read and written
// as such. A section line names the text up to its last ']'; a line without '='
// is a key without a value; vertical tab, form feed and ^Z count as blanks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <optional>
#include <vector>

#include "text/Cp932.h"

class IniFile {
public:
    enum class Status { Missing, Read, Unreadable, TooLarge };
    // No settings file is more than a few kilobytes: a larger one is damaged, and
    // is never read whole. Reading stays cheap up to here (every line end is a
    // line the reader keeps).
    static constexpr qint64 kLargestFile = 64 << 10;

    IniFile() = default;
    // Reads the file at `path`. A missing file is an empty one; a file that
    // cannot be read (a folder, no permission) is empty and says so in Status;
    // so is a file larger than kLargestFile.
    static IniFile Load(const QString& path);
    // The file of these bytes.
    static IniFile Parse(QByteArrayView bytes);

    Status LoadStatus() const { return status_; }

    // The value of `key` in `section`, spaces and tabs around it removed, then a
    // pair of matching outer quotes (" or ') removed; nothing when the section or
    // the key is not there.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Sets `key` in `section`: an existing key line is replaced, a new key goes
    // after the last line of its section, a new section is appended at the end.
    // False (and nothing changed) when the text has no CP932 form.
    bool SetValue(const QString& section, const QString& key, const QString& value);

    // Appends one line of plain text (the comment header). False when it has no CP932 form.
    bool AppendLine(const QString& text);

    // True when some section holds a key line: a file without one gives the game nothing.
    bool HasKeys() const;

    // The whole file: CP932 (or the form of its byte order mark) with CR LF line ends.
    QByteArray Bytes() const;

    // Writes the file so that neither a crash nor a full disk leaves half of it:
    // a temporary file in the same folder, checked all the way to the disk, then
    // renamed over the old one. False, with the old file as it was and what the
    // system said in `error`, when that failed.
    bool Save(const QString& path, QString* error = nullptr) const;

private:
    int FindSection(const QString& section) const;
    // How ^Z reads in the file's form: U+001A in UTF text, U+001C from CP932.
    QChar Eof() const { return encoding_ ? QChar(0x1A) : QChar(0x1C); }
    std::optional<QByteArray> Encode(const QString& text) const;

    struct Line {
        QByteArray raw;  // CP932, as in the file, without its line end
        QString text;
    };
    Status status_ = Status::Missing;
    // The form its byte order mark gave the file; none: CP932.
    std::optional<QStringConverter::Encoding> encoding_;
    std::vector<Line> lines_;
};

// The platform-style single-key calls on a file.
std::optional<QString> ReadProfileString(const QString& path, const QString& section,
                                         const QString& key);
// Reads the file, sets the key and saves the file. A file that exists but
// cannot be read is left alone (false), never replaced.
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);
