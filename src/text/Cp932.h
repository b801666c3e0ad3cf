// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// CP932, the Windows code page of Japanese text, in which the settings file and
// the score table are kept. One table for the whole game: what the name box
// lets through is exactly what the files can hold.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace Cp932 {
// Japanese text typed or pasted on Linux comes with the JIS forms of a few
// characters (the wave dash U+301C, the double vertical line, the minus, the
// cent, pound and not signs, the em dash); CP932 has them only in the forms
// Windows uses (U+FF5E, ...). The text with the Windows forms.
QString WindowsForms(QString text);
// The text in CP932 (JIS forms taken as the Windows ones), or nothing when a
// character has no CP932 code.
std::optional<QByteArray> Encode(const QString& text);
// The characters of `text` that have no CP932 code, each once, in order.
QString Unencodable(const QString& text);
// The text of CP932 bytes; bytes that are not CP932, a lead byte at the very end
// included, become a substitute character (U+001A), so the text of a line never
// depends on what follows it.
QString Decode(const QByteArray& bytes);
// A CP932 form of any text, for a file that can hold nothing else: what CP932
// holds stays as it is, every other run of letters is spelled in plain Latin
// letters (ICU's "Any-Latin; Latin-ASCII": "Łukasz" "Lukasz", "Иван" "Ivan"; in
// German "Müller" is "Mueller", as Germans write it without the dots), and what has
// no spelling even then (an emoji) is a "?". Cut to `maxBytes` bytes without
// splitting a character; never empty for a text that is not.
QByteArray Transliterate(const QString& text, const QString& language, int maxBytes);
// The longest start of `text` whose CP932 form fits in `maxBytes` bytes; a
// double-byte character is never split.
QString CutToBytes(const QString& text, int maxBytes);

// For a reader that decodes line by line: a decoder that carries nothing from
// one line to the next, and the whole text of one line's bytes through any
// such decoder (a lead byte held back at the end comes out as a substitute).
QStringDecoder LineDecoder();
QString DecodeLine(QStringDecoder& decoder, const QByteArray& bytes);
// Bytes of tabs, line ends and printable ASCII only: the same characters in
// CP932, taken as they are without opening the converter.
bool IsPlain(QByteArrayView bytes);
}  // namespace Cp932
