// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>

#include "files/SafeFile.h"

namespace {

// Files saved as UTF-8 or UTF-16 by an editor that marks them so (Notepad's
// "UTF-8" and "Unicode").
const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

// Lines are looked at through views, so that scanning a big file copies nothing.
// Blanks are what Windows skips around names and values: space and tab, and
// the vertical tab, form feed and end-of-file mark (^Z) an old editor may leave.
// `eof` is how the file's form decodes ^Z: the CP932 decoder hands it over as
// U+001C (its U+001A stands for bytes that are no character), the UTF forms as
// U+001A.
QStringView TrimBlanks(QStringView text, QChar eof) {
    qsizetype begin = 0, end = text.size();
    auto blank = [eof](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == eof;
    };
    while (begin < end && blank(text.at(begin))) ++begin;
    while (end > begin && blank(text.at(end - 1))) --end;
    return text.sliced(begin, end - begin);
}

// The name of a section line, or nothing when the line is not one. The name
// runs to the last ']' of the line, so it may hold brackets itself; a line that
// opens a bracket and never closes one is no section line but a key line of the
// section it stands in.
std::optional<QStringView> SectionName(QStringView line, QChar eof) {
    QStringView text = TrimBlanks(line, eof);
    if (!text.startsWith(u'[')) return std::nullopt;
    qsizetype close = text.lastIndexOf(u']');
    if (close < 1) return std::nullopt;
    return TrimBlanks(text.sliced(1, close - 1), eof);
}

bool IsBlank(QStringView line, QChar eof) { return TrimBlanks(line, eof).isEmpty(); }

// A value in matching quotes is the text between them.
QStringView Unquoted(QStringView value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct KeyLine {
    QStringView key, value;
};

// Splits a key line into its trimmed key and value. A line without '=' is a
// key with no value: it reads as empty, and hides a later line of that key.
// Blank lines are no key lines.
std::optional<KeyLine> KeyAndValue(QStringView line, QChar eof) {
    qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
        QStringView key = TrimBlanks(line, eof);
        if (key.isEmpty()) return std::nullopt;
        return KeyLine{key, QStringView()};
    }
    return KeyLine{TrimBlanks(line.first(equals), eof), TrimBlanks(line.sliced(equals + 1), eof)};
}

}  // namespace

IniFile IniFile::Load(const QString& path) {
    QFileInfo info(path);
    if (!info.exists()) return IniFile();
    QFile file(path);
    IniFile unreadable;
    unreadable.status_ = Status::Unreadable;
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return unreadable;
    // Room for the file as it stands (a reader asked for the largest file would be
    // handed a buffer that size), and one byte more to see one larger than that.
    const qint64 expected =
        info.size() > 0 ? std::min<qint64>(info.size(), kLargestFile) : kLargestFile;
    QByteArray bytes = file.read(expected + 1);
    if (file.error() != QFileDevice::NoError) return unreadable;
    if (bytes.size() > kLargestFile) {
        IniFile tooLarge;
        tooLarge.status_ = Status::TooLarge;
        return tooLarge;
    }
    return Parse(bytes);
}

IniFile IniFile::Parse(QByteArrayView bytes) {
    IniFile ini;
    ini.status_ = Status::Read;
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark)) {
        // UTF-16 text is decoded whole and then cut into lines: its line ends are
        // two bytes each, and a line end's bytes may stand inside a character.
        const QStringConverter::Encoding form =
            bytes.startsWith(kUtf16LeMark) ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        ini.encoding_ = form;
        QStringDecoder decoder(form, QStringConverter::Flag::ConvertInitialBom);
        const QString text = decoder.decode(bytes.sliced(2));
        QStringEncoder encoder(form);
        const qsizetype size = text.size();
        qsizetype start = 0;
        while (start < size) {
            qsizetype end = start;
            while (end < size && text[end] != u'\r' && text[end] != u'\n') ++end;
            QString line = text.sliced(start, end - start);
            ini.lines_.push_back({encoder.encode(line), line});
            if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n') ++end;
            start = end + 1;
        }
        return ini;
    }
    if (bytes.startsWith(kUtf8Mark)) {
        ini.encoding_ = QStringConverter::Utf8;
        bytes = bytes.sliced(kUtf8Mark.size());
    }
    // CR and LF never occur inside a CP932 or UTF-8 character, so the bytes can
    // be cut into lines as they are. Each line is decoded on its own: its text
    // never depends on its neighbours, and a line written back reads the same.
    // A byte order mark further down (two files joined) is an ordinary
    // character, so the decoder must not swallow one at the start of a line.
    const bool utf8 = ini.encoding_ == QStringConverter::Utf8;
    std::optional<QStringDecoder> decoder;  // opened for the first line that needs it
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        QByteArray raw = bytes.sliced(start, end - start).toByteArray();
        if (!utf8 && Cp932::IsPlain(raw)) {
            ini.lines_.push_back({raw, QString::fromLatin1(raw)});
        } else {
            if (!decoder)
                decoder = utf8 ? QStringDecoder(QStringConverter::Utf8,
                                                QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom)
                               : Cp932::LineDecoder();
            QString text = Cp932::DecodeLine(*decoder, raw);
            ini.lines_.push_back({std::move(raw), std::move(text)});
        }
        // CR LF is one line end; CR alone and LF alone are one each.
        if (end + 1 < size && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return ini;
}

int IniFile::FindSection(const QString& section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::optional<QStringView> name = SectionName(lines_[i].text, Eof());
        if (name && SameName(*name, section)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    int start = FindSection(section);
    if (start < 0) return std::nullopt;
    for (size_t i = start + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text, Eof())) break;
        std::optional<KeyLine> entry = KeyAndValue(lines_[i].text, Eof());
        if (entry && SameName(entry->key, key)) return Unquoted(entry->value).toString();
    }
    return std::nullopt;
}

bool IniFile::HasKeys() const {
    bool inSection = false;
    for (const Line& line : lines_) {
        if (SectionName(line.text, Eof())) {
            inSection = true;
        } else if (inSection && line.text.contains(u'=')) {
            std::optional<KeyLine> entry = KeyAndValue(line.text, Eof());
            if (entry && !entry->key.isEmpty()) return true;
        }
    }
    return false;
}

std::optional<QByteArray> IniFile::Encode(const QString& text) const {
    if (!encoding_) return Cp932::Encode(text);
    QStringEncoder encoder(*encoding_);
    return QByteArray(encoder.encode(text));
}

bool IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    std::optional<QByteArray> keyLine = Encode(key + u'=' + value);
    std::optional<QByteArray> sectionLine = Encode(u'[' + section + u']');
    if (!keyLine || !sectionLine) return false;

    int start = FindSection(section);
    if (start < 0) {
        // A new section goes at the end, set off from what is above it by one empty line.
        if (!lines_.empty() && !IsBlank(lines_.back().text, Eof())) lines_.emplace_back();
        lines_.push_back({*sectionLine, u'[' + section + u']'});
        lines_.push_back({*keyLine, key + u'=' + value});
        return true;
    }
    size_t lastFilled = start;
    for (size_t i = start + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text, Eof())) break;
        std::optional<KeyLine> entry = KeyAndValue(lines_[i].text, Eof());
        if (entry && SameName(entry->key, key)) {
            // The key keeps the spelling it has in the file.
            const QString text = entry->key.toString() + u'=' + value;
            std::optional<QByteArray> line = Encode(text);
            if (!line) return false;
            lines_[i] = {*line, text};
            return true;
        }
        if (!IsBlank(lines_[i].text, Eof())) lastFilled = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled) + 1,
                  Line{*keyLine, key + u'=' + value});
    return true;
}

bool IniFile::AppendLine(const QString& text) {
    std::optional<QByteArray> line = Encode(text);
    if (!line) return false;
    lines_.push_back({*line, text});
    return true;
}

QByteArray IniFile::Bytes() const {
    QByteArray bytes, lineEnd = "\r\n";
    if (encoding_ == QStringConverter::Utf8) bytes = kUtf8Mark;
    if (encoding_ == QStringConverter::Utf16LE)
        bytes = kUtf16LeMark, lineEnd = QByteArray("\r\0\n\0", 4);
    if (encoding_ == QStringConverter::Utf16BE)
        bytes = kUtf16BeMark, lineEnd = QByteArray("\0\r\0\n", 4);
    for (const Line& line : lines_) {
        bytes += line.raw;
        bytes += lineEnd;
    }
    return bytes;
}

bool IniFile::Save(const QString& path, QString* error) const {
    const QByteArray bytes = Bytes();
    SafeFile::Result saved = SafeFile::Replace(QFile::encodeName(path).toStdString(),
                                               std::string_view(bytes.data(), bytes.size()));
    if (!saved.ok && error) *error = QString::fromLocal8Bit(saved.error);
    return saved.ok;
}

std::optional<QString> ReadProfileString(const QString& path, const QString& section,
                                         const QString& key) {
    return IniFile::Load(path).Value(section, key);
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    IniFile ini = IniFile::Load(path);
    if (ini.LoadStatus() != IniFile::Status::Read && ini.LoadStatus() != IniFile::Status::Missing)
        return false;
    return ini.SetValue(section, key, value) && ini.Save(path);
}
