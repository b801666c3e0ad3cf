#include "app/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace Cp932 {

std::optional<QByteArray> Encode(const QString& text) {
    // The wave dash of Japanese text comes to us as U+301C; CP932 keeps it as
    // the full-width tilde U+FF5E.
    QString mapped = text;
    mapped.replace(QChar(0x301C), QChar(0xFF5E));
    // A fresh encoder each time: an encoder keeps reporting an old error even after a reset.
    QStringEncoder encoder("Shift_JIS");
    QByteArray bytes = encoder.encode(mapped);
    if (!encoder.isValid() || encoder.hasError()) return std::nullopt;
    return bytes;
}

QString Decode(const QByteArray& bytes) {
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(bytes);
}

QString CutToBytes(const QString& text, int maxBytes) {
    std::optional<QByteArray> whole = Encode(text);
    if (whole && whole->size() <= maxBytes) return text;
    int used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        qsizetype next = end + (text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1);
        QString one = text.mid(end, next - end);
        // A character without a CP932 code stands in the file as two bytes.
        std::optional<QByteArray> bytes = Encode(one);
        int length = bytes ? static_cast<int>(bytes->size()) : 2;
        if (used + length > maxBytes) break;
        used += length;
        end = next;
    }
    return text.left(end);
}

}  // namespace Cp932

namespace {

// Lines are looked at through views, so that scanning a big file copies nothing.
QStringView TrimBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text.at(begin))) ++begin;
    while (end > begin && blank(text.at(end - 1))) --end;
    return text.sliced(begin, end - begin);
}

// The name of a section line, or nothing when the line is not one.
std::optional<QStringView> SectionName(QStringView line) {
    QStringView text = TrimBlanks(line);
    if (!text.startsWith(u'[')) return std::nullopt;
    qsizetype close = text.indexOf(u']');
    return TrimBlanks(close < 0 ? text.sliced(1) : text.sliced(1, close - 1));
}

bool IsBlank(QStringView line) { return TrimBlanks(line).isEmpty(); }

bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct KeyLine {
    QStringView key, value;
};

// Splits a key line into its trimmed key and value.
std::optional<KeyLine> KeyAndValue(QStringView line) {
    qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return std::nullopt;
    return KeyLine{TrimBlanks(line.first(equals)), TrimBlanks(line.sliced(equals + 1))};
}

}  // namespace

IniFile IniFile::Load(const QString& path) {
    IniFile ini;
    QFileInfo info(path);
    if (!info.exists()) return ini;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        ini.status_ = Status::Unreadable;
        return ini;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ini.status_ = Status::Unreadable;
        return ini;
    }
    ini.status_ = Status::Read;
    // LF never occurs inside a CP932 character, so the bytes can be split as they are.
    QList<QByteArray> raw = bytes.split('\n');
    // The text is decoded in one go; a bad byte never swallows a line end, but
    // should the lines not pair up, each line is decoded on its own.
    QStringList text = Cp932::Decode(bytes).split(u'\n');
    const bool paired = text.size() == raw.size();
    // A file ending in a line end has no line after it.
    if (bytes.endsWith('\n')) raw.removeLast();
    ini.lines_.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray& line = raw[i];
        if (line.endsWith('\r')) line.chop(1);
        QString lineText = paired ? text[i] : Cp932::Decode(line);
        if (paired && lineText.endsWith(u'\r')) lineText.chop(1);
        ini.lines_.push_back({std::move(line), std::move(lineText)});
    }
    return ini;
}

int IniFile::FindSection(const QString& section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::optional<QStringView> name = SectionName(lines_[i].text);
        if (name && SameName(*name, section)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    int start = FindSection(section);
    if (start < 0) return std::nullopt;
    for (size_t i = start + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text)) break;
        std::optional<KeyLine> entry = KeyAndValue(lines_[i].text);
        if (entry && SameName(entry->key, key)) return entry->value.toString();
    }
    return std::nullopt;
}

bool IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    std::optional<QByteArray> keyLine = Cp932::Encode(key + u'=' + value);
    std::optional<QByteArray> sectionLine = Cp932::Encode(u'[' + section + u']');
    if (!keyLine || !sectionLine) return false;

    int start = FindSection(section);
    if (start < 0) {
        // A new section goes at the end, set off from what is above it by one empty line.
        if (!lines_.empty() && !IsBlank(lines_.back().text)) lines_.emplace_back();
        lines_.push_back({*sectionLine, u'[' + section + u']'});
        lines_.push_back({*keyLine, key + u'=' + value});
        return true;
    }
    size_t lastFilled = start;
    for (size_t i = start + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text)) break;
        std::optional<KeyLine> entry = KeyAndValue(lines_[i].text);
        if (entry && SameName(entry->key, key)) {
            // The key keeps the spelling it has in the file.
            const QString text = entry->key.toString() + u'=' + value;
            std::optional<QByteArray> line = Cp932::Encode(text);
            if (!line) return false;
            lines_[i] = {*line, text};
            return true;
        }
        if (!IsBlank(lines_[i].text)) lastFilled = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled) + 1,
                  Line{*keyLine, key + u'=' + value});
    return true;
}

bool IniFile::AppendLine(const QString& text) {
    std::optional<QByteArray> line = Cp932::Encode(text);
    if (!line) return false;
    lines_.push_back({*line, text});
    return true;
}

QByteArray IniFile::Bytes() const {
    QByteArray bytes;
    for (const Line& line : lines_) {
        bytes += line.raw;
        bytes += "\r\n";
    }
    return bytes;
}

bool IniFile::Save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray bytes = Bytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QString> ReadProfileString(const QString& path, const QString& section,
                                         const QString& key) {
    return IniFile::Load(path).Value(section, key);
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    IniFile ini = IniFile::Load(path);
    if (ini.LoadStatus() == IniFile::Status::Unreadable) return false;
    return ini.SetValue(section, key, value) && ini.Save(path);
}
