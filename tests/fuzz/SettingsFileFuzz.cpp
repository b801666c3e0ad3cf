// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes at all may lie in tomavel.ini. Whatever they are, the reader must
// not crash, a file written back as it was read must read the same, and a key
// written into it must read back as the value the game wrote.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/IniFile.h"

namespace {

// Stops the run on the input that broke a promise, so that it is kept.
void Require(bool promise) {
    if (!promise) std::abort();
}

// The blanks of the reader: space, tab, vertical tab, form feed and ^Z, which
// the CP932 decoder hands over as U+001C and the UTF forms as U+001A.
QChar eofMark = QChar(0x1C);
bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == eofMark;
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text.at(begin))) ++begin;
    while (end > begin && IsBlank(text.at(end - 1))) --end;
    return text.mid(begin, end - begin);
}

// What the reader hands back for a value written as `value`: blanks around it
// go, then a pair of matching outer quotes.
QString AsRead(const QString& value) {
    QString text = TrimBlanks(value);
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front())
        text = text.mid(1, text.size() - 2);
    return text;
}

// Names the file format can hold, as the profile functions can: no blanks
// around them, no line end, no "]" in a section name, no "=" in a key, and no
// key that would look like a section line.
bool IsSectionName(const QString& name) {
    return !name.isEmpty() && name == TrimBlanks(name) && !name.contains(u']');
}
bool IsKeyName(const QString& name) {
    return !name.isEmpty() && name == TrimBlanks(name) && !name.contains(u'=') &&
           !name.startsWith(u'[');
}

void RequireWrittenKeyReadsBack(IniFile ini, const QString& section, const QString& key,
                                const QString& value, bool mustWrite) {
    if (!ini.SetValue(section, key, value)) {
        // Only text without a code in the file's encoding is refused.
        Require(!mustWrite);
        return;
    }
    const QString expected = AsRead(value);
    Require(ini.Value(section, key) == expected);
    Require(IniFile::Parse(ini.Bytes()).Value(section, key) == expected);
}

struct Name {
    QString section, key;
};

// Sections and keys named anywhere in the input, each key with the section
// above it: the places worth reading, whatever the reader makes of them.
std::vector<Name> NamesIn(const QByteArray& bytes) {
    std::vector<Name> names;
    QString section;
    for (const QByteArray& piece : bytes.split('\n')) {
        for (const QByteArray& line : piece.split('\r')) {
            const QString text = Cp932::Decode(line).trimmed();
            if (text.startsWith(u'[')) {
                section = text.mid(1, text.indexOf(u']') - 1);
            } else if (text.contains(u'=')) {
                names.push_back({section, text.left(text.indexOf(u'=')).trimmed()});
                if (names.size() == 16) return names;
            }
        }
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::Parse(bytes);
    const bool unicode = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
                         bytes.startsWith("\xFE\xFF");
    eofMark = unicode ? QChar(0x1A) : QChar(0x1C);

    // Written back untouched, the file reads the same and says the same again;
    // and a line end after the last line changes nothing that is read.
    const QByteArray written = ini.Bytes();
    const IniFile again = IniFile::Parse(written);
    // The line end is added in the file's own form; an odd number of bytes of
    // UTF-16 has no whole line end to add.
    QByteArray lineEnd = "\r\n";
    if (bytes.startsWith("\xFF\xFE")) lineEnd = QByteArray("\r\0\n\0", 4);
    if (bytes.startsWith("\xFE\xFF")) lineEnd = QByteArray("\0\r\0\n", 4);
    const bool wholeUnits = lineEnd.size() == 2 || bytes.size() % 2 == 0;
    const IniFile ended = IniFile::Parse(bytes + lineEnd);
    Require(again.Bytes() == written);
    Require(again.HasKeys() == ini.HasKeys());
    std::vector<Name> names = NamesIn(bytes);
    names.push_back({QStringLiteral("PLAYBOARD"), QStringLiteral("CARD")});
    for (const Name& name : names) {
        const std::optional<QString> value = ini.Value(name.section, name.key);
        Require(again.Value(name.section, name.key) == value);
        if (wholeUnits) Require(ended.Value(name.section, name.key) == value);
        // The game reads a value through an 80-byte buffer.
        if (value) Require(Cp932::CutToBytes(*value, 79).size() <= value->size());
    }

    // The game's own key always goes in and reads back.
    RequireWrittenKeyReadsBack(ini, "PLAYBOARD", "CARD", "2", true);

    // And so does a key with a section, a name and a value taken from the first
    // three lines of the input, whatever they hold.
    QStringList texts;
    for (const QByteArray& line : bytes.left(4096).split('\n')) {
        if (texts.size() == 3) break;
        texts << Cp932::Decode(line).remove(u'\r');
    }
    if (texts.size() == 3 && IsSectionName(texts[0]) && IsKeyName(texts[1]))
        RequireWrittenKeyReadsBack(ini, texts[0], texts[1], texts[2], false);
    return 0;
}
