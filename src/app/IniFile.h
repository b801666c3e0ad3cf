// A settings file of the private-profile ("ini") kind, read and written the way
// the game's file has always been: "[section]" lines, one "key=value" per line,
// CR LF line ends, text in CP932 (Windows Shift-JIS). Lines before the first
// section (the comment header) belong to no section. Section and key names are
// matched without regard to case.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace Cp932 {
// The text in CP932, or nothing when a character has no CP932 code.
std::optional<QByteArray> Encode(const QString& text);
// The text of CP932 bytes; bytes that are not CP932 become a substitute character.
QString Decode(const QByteArray& bytes);
// The longest start of `text` whose CP932 form fits in `maxBytes` bytes; a
// double-byte character is never split.
QString CutToBytes(const QString& text, int maxBytes);
}  // namespace Cp932

class IniFile {
public:
    enum class Status { Missing, Read, Unreadable };

    IniFile() = default;
    // Reads the file at `path`. A missing file is an empty one; a file that
    // cannot be read (a folder, no permission) is empty and says so in Status.
    static IniFile Load(const QString& path);

    Status LoadStatus() const { return status_; }

    // The value of `key` in `section`, spaces and tabs around it removed;
    // nothing when the section or the key is not there.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Sets `key` in `section`: an existing key line is replaced, a new key goes
    // after the last line of its section, a new section is appended at the end.
    // False (and nothing changed) when the text has no CP932 form.
    bool SetValue(const QString& section, const QString& key, const QString& value);

    // Appends one line of plain text (the comment header). False when it has no CP932 form.
    bool AppendLine(const QString& text);

    // The whole file, CP932 with CR LF line ends.
    QByteArray Bytes() const;

    // Writes the file so that a crash never leaves half of it: a temporary file
    // in the same folder, renamed over the old one. False when that failed.
    bool Save(const QString& path) const;

private:
    int FindSection(const QString& section) const;

    struct Line {
        QByteArray raw;  // CP932, as in the file, without its line end
        QString text;
    };
    Status status_ = Status::Missing;
    std::vector<Line> lines_;
};

// The platform-style single-key calls on a file.
std::optional<QString> ReadProfileString(const QString& path, const QString& section,
                                         const QString& key);
// Reads the file, sets the key and saves the file. A file that exists but
// cannot be read is left alone (false), never replaced.
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);
