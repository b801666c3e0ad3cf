// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/Cp932.h"

#include <QList>
#include <QStringEncoder>
#include <algorithm>
#include <utility>

namespace {

// Qt's table for Shift_JIS is the Windows CP932 one.
constexpr const char* kCodePage = "Shift_JIS";

// Tabs, line ends and printable ASCII are the same characters in CP932. A text
// of nothing else (as the game's own settings are) is taken as it is, without
// opening the converter, which costs the start-up a millisecond. (The other
// control codes are not: the converter's table swaps 0x1A, 0x1C and 0x7F.)
bool PlainChar(char16_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0x7F);
}
bool PlainText(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return PlainChar(c.unicode()); });
}

}  // namespace

namespace Cp932 {

QString WindowsForms(QString text) {
    static const std::pair<char16_t, char16_t> kWindowsForms[] = {
        {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'},
        {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'},
        {u'\u2014', u'\u2015'},
    };
    for (const auto& [jis, windows] : kWindowsForms) text.replace(QChar(jis), QChar(windows));
    return text;
}

std::optional<QByteArray> Encode(const QString& text) {
    if (PlainText(text)) return text.toLatin1();
    // A fresh encoder each time: an encoder keeps reporting an old error even after a reset.
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(WindowsForms(text));
    if (!encoder.isValid() || encoder.hasError()) return std::nullopt;
    return bytes;
}

QString Unencodable(const QString& text) {
    QString refused;
    for (char32_t c : WindowsForms(text).toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!Encode(one) && !refused.contains(one)) refused += one;
    }
    return refused;
}

// The converters hold back a lead byte at the very end, waiting for the rest of
// its character, and never hand it over. A line end is no part of any
// character: after one, the held-back byte has to come out as a substitute.
// A stateless decoder carries nothing from one call to the next, so one decoder
// serves every line of a file.
QString DecodeLine(QStringDecoder& decoder, const QByteArray& bytes) {
    QString text = decoder.decode(bytes + '\n');
    if (text.endsWith(u'\n')) text.chop(1);
    return text;
}

QStringDecoder LineDecoder() {
    return QStringDecoder(kCodePage, QStringConverter::Flag::Stateless);
}

bool IsPlain(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return PlainChar(char16_t(uchar(c))); });
}

QString Decode(const QByteArray& bytes) {
    if (IsPlain(bytes)) return QString::fromLatin1(bytes);
    QStringDecoder decoder = LineDecoder();
    return DecodeLine(decoder, bytes);
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
