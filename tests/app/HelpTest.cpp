// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help in the player's language: an English player's viewer gets the English
// help, in UTF-8, and where no viewer starts the player is told so in English,
// with the place of the file.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>

#include "app/Help.h"
#include "app/Places.h"
#include "support/ViewerStandIn.h"
#include "ui/Language.h"
#include "ui/MessageBoxes.h"

namespace {

// The text of a file, which must be UTF-8 through and through.
QString Utf8Text(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(file.readAll());
    EXPECT_FALSE(utf8.hasError()) << path.toStdString() << " is not UTF-8";
    return text;
}

class EnglishHelp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTextLanguage(QStringLiteral("en")));
        cacheBefore_ = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", folder_.filePath("cache").toLocal8Bit());
        currentBefore_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        appPathBefore_ = gsAppPath;
        // Beside the program lie the help files the build puts there.
        gsAppPath = TOMAVEL_BINARY_DIR "/bin/";
        MessageBoxes::SetInformHook([this](const QString& text) { told_.push_back(text); });
        QDesktopServices::setUrlHandler("file", &viewer_, "Open");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        MessageBoxes::SetInformHook(nullptr);
        gsAppPath = appPathBefore_;
        QDir::setCurrent(currentBefore_);
        qputenv("XDG_CACHE_HOME", cacheBefore_);
        RemoveTextLanguage();
    }

    QTemporaryDir folder_;
    ViewerStandIn viewer_;
    std::vector<QString> told_;
    QByteArray cacheBefore_;
    QString currentBefore_;
    std::string appPathBefore_;
};

TEST_F(EnglishHelp, TheViewerGetsTheEnglishHelpInUtf8) {
    ShowHelp(nullptr);
    ASSERT_EQ(viewer_.opened.size(), 1);
    EXPECT_TRUE(told_.empty());
    const QString shown = viewer_.opened[0].toLocalFile();
    EXPECT_EQ(QFileInfo(shown).fileName(), "readme-en.txt");
    const QString text = Utf8Text(shown);
    for (const char* topic : {"How to play", "Swallow", "Wolf", "Tiger", "Settings", "tomavel.ini"})
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;

    // A player's own readme.txt where they started the game (the original's
    // place) is only for Japanese players; an English one there comes first.
    QFile own(folder_.filePath("readme-en.txt"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("Our house rules: jokers are wild.\n");
    own.close();
    ShowHelp(nullptr);
    ASSERT_EQ(viewer_.opened.size(), 2);
    EXPECT_EQ(viewer_.opened[1],
              QUrl::fromLocalFile(QDir(folder_.path()).absoluteFilePath("readme-en.txt")));
}

TEST_F(EnglishHelp, WithNoViewerThePlayerIsToldInEnglishWhereTheFileIs) {
    QDesktopServices::unsetUrlHandler("file");
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "a real desktop has a viewer";
    ShowHelp(nullptr);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(told_[0], "The help could not be opened.\nThe help file is here:\n" +
                            QDir::cleanPath(TOMAVEL_BINARY_DIR "/bin/readme-en.txt"));
}

// Each translation reads its own help, readme-<code>.txt, where the build put it
// beside the game; a language whose help is not there reads the English.
TEST_F(EnglishHelp, EachLanguageReadsItsOwnHelpElseTheEnglish) {
    for (const TextLanguage& language : TextLanguages()) {
        if (language == kGameLanguage) continue;
        ASSERT_TRUE(InstallTextLanguage(language));
        viewer_.opened.clear();
        ShowHelp(nullptr);
        ASSERT_EQ(viewer_.opened.size(), 1) << language.toStdString();
        const QString name = QFileInfo(viewer_.opened[0].toLocalFile()).fileName();
        EXPECT_EQ(name, QString::fromStdString(HelpFileNameFor(language)));
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(TOMAVEL_SOURCE_DIR "/data/") + name))
            << name.toStdString();
    }

    // Where only the Japanese and the English help lie, German reads the English.
    QTemporaryDir program;
    for (const char* name : {"readme.txt", "readme-en.txt"})
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TOMAVEL_BINARY_DIR "/bin/") + name, program.filePath(name)));
    gsAppPath = program.path().toStdString() + "/";
    ASSERT_TRUE(InstallTextLanguage(QStringLiteral("de")));
    viewer_.opened.clear();
    ShowHelp(nullptr);
    ASSERT_EQ(viewer_.opened.size(), 1);
    EXPECT_EQ(viewer_.opened[0], QUrl::fromLocalFile(program.filePath("readme-en.txt")));
}

}  // namespace
