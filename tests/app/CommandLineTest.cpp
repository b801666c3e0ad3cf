// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: --help and --version answer and end the program; anything
// else (Qt's own options among it) starts the game. The real program is run
// too, with another copy of it holding its files: it answers all the same,
// without a window and without ringing that copy's doorbell.
#include <gtest/gtest.h>
#include <sys/file.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/Startup.h"
#include "ui/Language.h"

TEST(CommandLine, HelpAndVersionAreAnsweredAndNothingElseIs) {
    struct Case {
        QStringList arguments;
        QString startsWith;  // empty: no answer, the game starts
    };
    const Case cases[] = {
        {{"tomavel", "--version"}, "tomavel 2001.11\n"},
        {{"tomavel", "--help"}, "使い方: tomavel [オプション]\n"},
        {{"tomavel", "-platform", "xcb", "-h"}, "使い方: tomavel [オプション]\n"},
        {{"tomavel"}, {}},
        {{"tomavel", "-platform", "offscreen"}, {}},
        {{"tomavel", "--", "--help"}, {}},
    };
    for (const Case& c : cases) {
        const std::optional<QString> answer = CommandLineAnswer(c.arguments);
        EXPECT_EQ(answer.has_value(), !c.startsWith.isEmpty())
            << c.arguments.join(u' ').toStdString();
        if (answer) {
            EXPECT_TRUE(answer->startsWith(c.startsWith)) << answer->toStdString();
        }
    }
    ASSERT_TRUE(InstallTextLanguage(kFallbackLanguage));
    EXPECT_TRUE(CommandLineAnswer({"tomavel", "--help"})->startsWith("Usage: tomavel [OPTION]\n"));
    RemoveTextLanguage();
}

TEST(CommandLine, TheProgramAnswersEvenWhileAnotherCopyHoldsItsFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString game = folder.filePath(QStringLiteral("tomavel"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOMAVEL_BINARY_DIR "/bin/tomavel"), game));
    // The running copy's lock beside the files: a start now would ring its doorbell.
    QFile lock(folder.filePath(QStringLiteral(".tomavel.lock")));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(game, {option});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_TRUE(out.startsWith(option == u"--help" ? "Usage: tomavel" : "tomavel 2001.11"))
            << out.toStdString();
    }
}
