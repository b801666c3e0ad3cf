// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include "engine/GameLoop.h"
#include "ui/MessageBoxes.h"

namespace {
TextLanguage current = kGameLanguage;
QTranslator* ours = nullptr;
QTranslator* beneath = nullptr;
QTranslator* qtOwn = nullptr;

const QString kTranslations = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("tomavel_");
const QString kSuffix = QStringLiteral(".qm");

void Drop(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// "pt_BR.UTF-8@euro" -> "pt_BR"; "en-US" -> "en_US"; "DE_at" -> "de_AT".
QString LocaleName(const QString& name) {
    QString bare = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    bare.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = bare.section(QLatin1Char('_'), 0, 0).toLower();
    const QString country = bare.section(QLatin1Char('_'), 1, 1);
    return country.isEmpty() ? language : language + QLatin1Char('_') + country.toUpper();
}
}  // namespace

QStringList TextLanguages() {
    QStringList languages{kGameLanguage};
    const QStringList files =
        QDir(kTranslations).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    return languages;
}

QStringList DesktopLanguages() {
    QStringList languages;
    for (const QString& name :
         qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages << name;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) languages << name;
    }
    return languages;
}

TextLanguage ChooseTextLanguage(const QStringList& desktop, const QStringList& spoken,
                                const std::function<bool()>& screenReaderListening) {
    // No language at all: the game's own, unless the player listens.
    const auto languageless = [&] {
        return screenReaderListening && screenReaderListening() ? kFallbackLanguage : kGameLanguage;
    };
    // Nothing said at all is the C locale's silence.
    if (desktop.isEmpty()) return languageless();
    for (const QString& name : desktop) {
        const QString full = LocaleName(name);
        if (full == u"c" || full == u"posix") return languageless();
        if (spoken.contains(full)) return full;
        const QString language = full.section(QLatin1Char('_'), 0, 0);
        if (spoken.contains(language)) return language;
    }
    return kFallbackLanguage;
}

namespace {
// Our translation into `language`, installed; nothing when the game has none.
QTranslator* InstallOurs(const TextLanguage& language) {
    auto* translator = new QTranslator;
    if (!translator->load(kTranslations + QLatin1Char('/') + kPrefix + language + kSuffix) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
}  // namespace

bool InstallTextLanguage(const TextLanguage& language) {
    RemoveTextLanguage();
    if (language == kGameLanguage) {
        qtOwn = MessageBoxes::InstallQtTexts(kGameLanguage);
        return true;
    }
    if (!TextLanguages().contains(language)) return false;
    // A text a translation has not caught up with yet reads in English rather
    // than in Japanese: Qt asks the translator installed last first.
    if (language != kFallbackLanguage) beneath = InstallOurs(kFallbackLanguage);
    ours = InstallOurs(language);
    if (!ours) {
        Drop(beneath);
        return false;
    }
    current = language;
    qtOwn = MessageBoxes::InstallQtTexts(language);
    return true;
}

void RemoveTextLanguage() {
    Drop(ours);
    Drop(beneath);
    Drop(qtOwn);
    current = kGameLanguage;
}

TextLanguage CurrentTextLanguage() { return current; }

bool SpeaksGameLanguage() { return current == kGameLanguage; }

std::string HelpFileNameFor(const TextLanguage& language) {
    if (language == kGameLanguage) return "readme.txt";
    return "readme-" + language.toStdString() + ".txt";
}

QString CountDigits(long long n) {
    if (!SpeaksGameLanguage()) return QString::number(n);
    return QString::fromStdString(FullWidthDigits(std::to_string(n)));
}

QString ShownCounter(const std::string& engineText, Counter counter) {
    const QString text = QString::fromStdString(engineText);
    if (SpeaksGameLanguage()) return text;
    // Before the first second and the first attempt the engine writes nothing.
    const qsizetype space = text.lastIndexOf(u' ');
    if (space < 0 && !text.isEmpty()) return text;
    QString digits = space < 0 ? QString() : text.left(space);
    for (QChar& c : digits)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19) c = QChar(c.unicode() - 0xFF10 + u'0');
    bool isNumber = false;
    const long long n = digits.isEmpty() ? 0 : digits.toLongLong(&isNumber);
    if (!digits.isEmpty() && !isNumber) return text;
    if (counter == Counter::Turns) return u' ' + QString::number(n);
    return QStringLiteral(" %1:%2").arg(n / 60, 2, 10, QChar(u'0')).arg(n % 60, 2, 10, QChar(u'0'));
}

QString ShownDate(const std::string& storedDate) {
    const QString stored = QString::fromStdString(storedDate);
    if (SpeaksGameLanguage()) return stored;
    const QDateTime when = QDateTime::fromString(stored, QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    if (!when.isValid()) return stored;
    // The translation is the pattern itself, in the language's own order.
    const QString pattern = QCoreApplication::translate(
        "ScoreWindow", "yyyy/MM/dd HH:mm:ss",
        "the score table's dates, as a QDateTime pattern (dd.MM.yyyy, ddd for the weekday)");
    return QLocale(current).toString(when, pattern);
}
