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

TextLanguage ChooseTextLanguage(const QStringList& uiLanguages) {
    // Nothing said at all is the C locale's silence: the game's own language.
    if (uiLanguages.isEmpty()) return TextLanguage::Japanese;
    for (const QString& name : uiLanguages) {
        const QString lower = name.toLower();
        const QString language =
            lower.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == u"ja" || language == u"c" || language.startsWith(u"c.") ||
            language == u"posix")
            return TextLanguage::Japanese;
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

QString ShownCounter(const std::string& engineText, Counter counter) {
    const QString text = QString::fromStdString(engineText);
    if (current == TextLanguage::Japanese) return text;
    QString digits = text.left(text.lastIndexOf(u' '));
    for (QChar& c : digits)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19) c = QChar(c.unicode() - 0xFF10 + u'0');
    bool isNumber = false;
    const long long n = digits.isEmpty() ? 0 : digits.toLongLong(&isNumber);
    if (!digits.isEmpty() && !isNumber) return text;
    if (counter == Counter::Turns) return u' ' + QString::number(n);
    return QStringLiteral(" %1:%2").arg(n / 60, 2, 10, QChar(u'0')).arg(n % 60, 2, 10, QChar(u'0'));
}
