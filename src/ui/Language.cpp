// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "engine/GameLoop.h"
#include "ui/MessageBoxes.h"

namespace {
TextLanguage current = TextLanguage::Japanese;
QTranslator* ours = nullptr;
QTranslator* qtOwn = nullptr;

void Drop(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}
}  // namespace

TextLanguage ChooseTextLanguage(const QStringList& uiLanguages,
                                const std::function<bool()>& screenReaderListening) {
    // No language at all: the game's own, unless the player listens.
    const auto languageless = [&] {
        return screenReaderListening && screenReaderListening() ? TextLanguage::English
                                                                : TextLanguage::Japanese;
    };
    // Nothing said at all is the C locale's silence.
    if (uiLanguages.isEmpty()) return languageless();
    for (const QString& name : uiLanguages) {
        const QString lower = name.toLower();
        const QString language =
            lower.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == u"ja") return TextLanguage::Japanese;
        if (language == u"c" || language.startsWith(u"c.") || language == u"posix")
            return languageless();
        if (language == u"en") return TextLanguage::English;
    }
    return TextLanguage::English;
}

bool InstallTextLanguage(TextLanguage language) {
    RemoveTextLanguage();
    current = language;
    if (language == TextLanguage::Japanese) {
        qtOwn = MessageBoxes::InstallJapaneseQtTexts();
        return true;
    }
    ours = new QTranslator;
    if (!ours->load(QStringLiteral(":/i18n/tomavel_en.qm")) ||
        !QCoreApplication::installTranslator(ours)) {
        Drop(ours);
        return false;
    }
    return true;
}

void RemoveTextLanguage() {
    Drop(ours);
    Drop(qtOwn);
    current = TextLanguage::Japanese;
}

TextLanguage CurrentTextLanguage() { return current; }

QString CountDigits(long long n) {
    if (current == TextLanguage::English) return QString::number(n);
    return QString::fromStdString(FullWidthDigits(std::to_string(n)));
}

QString ShownCounter(const std::string& engineText) {
    const QString text = QString::fromStdString(engineText);
    if (current == TextLanguage::Japanese) return text;
    const qsizetype space = text.lastIndexOf(u' ');
    if (space < 0) return text;
    QString digits = text.left(space);
    for (QChar& c : digits)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19) c = QChar(c.unicode() - 0xFF10 + u'0');
    const QString word = text.mid(space + 1);
    if (word == u"秒") return QCoreApplication::translate("Counters", "%1 秒").arg(digits);
    if (word == u"手") return QCoreApplication::translate("Counters", "%1 手").arg(digits);
    return text;
}
