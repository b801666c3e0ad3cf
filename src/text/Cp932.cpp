// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/Cp932.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <QList>
#include <QStringEncoder>
#include <algorithm>
#include <memory>
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

// The Latin spelling of text in any script, ICU's rules: one transliterator per
// rule, made once (they are costly to build). Nothing when ICU has no such rule.
QString Latin(const QString& text, bool german) {
    static const auto make = [](const char* id) {
        UErrorCode error = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, error));
        if (U_FAILURE(error)) made.reset();
        return made;
    };
    static const std::unique_ptr<icu::Transliterator> general = make("Any-Latin; Latin-ASCII");
    // German writes the umlauts without dots as "ae", "oe", "ue".
    static const std::unique_ptr<icu::Transliterator> germanRule =
        make("de-ASCII; Any-Latin; Latin-ASCII");
    const icu::Transliterator* rule = german && germanRule ? germanRule.get() : general.get();
    if (!rule) return {};
    icu::UnicodeString spelled(reinterpret_cast<const UChar*>(text.utf16()),
                               static_cast<int32_t>(text.size()));
    rule->transliterate(spelled);
    return QString(reinterpret_cast<const QChar*>(spelled.getBuffer()), spelled.length());
}

}  // namespace

namespace Cp932 {

QByteArray Transliterate(const QString& text, const QString& language, int maxBytes) {
    // Composed first, so that "e" and a combining accent are one letter "é".
    const QString composed = WindowsForms(text.normalized(QString::NormalizationForm_C));
    const bool german = language == u"de" || language.startsWith(u"de_");
    QString form, foreign;
    auto spellForeign = [&] {
        if (foreign.isEmpty()) return;
        for (const char32_t c : Latin(foreign, german).toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            form += Encode(one) ? one : QStringLiteral("?");
        }
        foreign.clear();
    };
    for (const char32_t c : composed.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (Encode(one)) {
            spellForeign();
            form += one;
        } else {
            foreign += one;
        }
    }
    spellForeign();
    form = CutToBytes(form.trimmed(), maxBytes);
    if (form.isEmpty() && !text.isEmpty()) form = QStringLiteral("?");
    return Encode(form).value_or(QByteArray("?"));
}

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
