// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help in the player's language: an English player's viewer gets the English
// help, in UTF-8, and where no viewer starts the player is told so in English,
// with the place of the file. The UTF-8 copy of the Japanese help is written
// only into a folder of the player's own, and never through a link.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>

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

// The cache folder may lie where others can write (XDG_CACHE_HOME on a shared
// folder): whatever they put there, the copy never lands in another's file.
// Where the game's cache folder is not the player's own, the viewer gets a copy
// in a fresh private temporary folder; where there is none either, the player
// is told where the help is, rather than handed the file in CP932.
TEST(JapaneseHelp, TheCopyIsWrittenOnlyIntoAFolderOfThePlayersOwnAndNeverThroughALink) {
    QTemporaryDir folder;
    const QString cache = folder.filePath("cache/tomavel");
    const QString precious = folder.filePath("precious.txt");
    const QByteArray kept = "the player's own notes\n";
    auto put = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    auto mode = [](const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0u;
    };
    const struct {
        const char* what;
        std::function<void()> setUp;
        bool inCache;  // the copy in the cache folder; else in a private temporary one
        bool told;     // no copy anywhere: the player is told
        bool asRoot;
    } cases[] = {
        {"a link in the player's own cache folder",
         [&] {
             QDir().mkpath(cache);
             ::chmod(QFile::encodeName(cache).constData(), 0700);
             QFile::link(precious, cache + "/readme.txt");
         },
         true, false, false},
        {"a link in a cache folder open to all",
         [&] {
             QDir().mkpath(cache);
             ::chmod(QFile::encodeName(cache).constData(), 0777);
             QFile::link(precious, cache + "/readme.txt");
         },
         false, false, false},
        {"the cache folder a link to another folder",
         [&] {
             QDir().mkpath(folder.filePath("elsewhere"));
             QDir().mkpath(folder.filePath("cache"));
             QFile::link(folder.filePath("elsewhere"), cache);
             QFile::link(precious, folder.filePath("elsewhere/readme.txt"));
         },
         false, false, false},
        {"another player's cache folder",
         [&] {
             QDir().mkpath(cache);
             ::chmod(QFile::encodeName(cache).constData(), 0755);
             QFile::link(precious, cache + "/readme.txt");
             ASSERT_EQ(::lchown(QFile::encodeName(cache).constData(), 65534, 65534), 0);
         },
         false, false, true},
        {"no private folder anywhere",
         [&] {
             QDir().mkpath(cache);
             ::chmod(QFile::encodeName(cache).constData(), 0777);
             QFile::link(precious, cache + "/readme.txt");
             qputenv("TMPDIR", QFile::encodeName(folder.filePath("no-such-folder")));
         },
         false, true, false},
    };
    const QByteArray cacheBefore = qgetenv("XDG_CACHE_HOME"), tmpBefore = qgetenv("TMPDIR");
    const QString currentBefore = QDir::currentPath();
    ViewerStandIn viewer;
    QDesktopServices::setUrlHandler("file", &viewer, "Open");
    std::vector<QString> told;
    MessageBoxes::SetInformHook([&](const QString& text) { told.push_back(text); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.asRoot && ::geteuid() != 0) continue;
        QDir(folder.filePath("cache")).removeRecursively();
        QDir(folder.filePath("elsewhere")).removeRecursively();
        QDir(folder.filePath("tmp")).removeRecursively();
        QDir().mkpath(folder.filePath("tmp"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.filePath("cache")));
        qputenv("TMPDIR", QFile::encodeName(folder.filePath("tmp")));
        put(precious, kept);
        put(folder.filePath("readme.txt"), "\x83g\x83}\x83x\x83\x8B\r\n");  // トマベル in CP932
        QDir::setCurrent(folder.path());
        c.setUp();
        viewer.opened.clear();
        told.clear();

        ShowHelp(nullptr);

        QFile notes(precious);
        ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
        EXPECT_EQ(notes.readAll(), kept);
        if (c.told) {
            EXPECT_TRUE(viewer.opened.isEmpty());
            ASSERT_EQ(told.size(), 1u);
            EXPECT_TRUE(told[0].endsWith(QDir(folder.path()).absoluteFilePath("readme.txt")))
                << told[0].toStdString();
            continue;
        }
        EXPECT_TRUE(told.empty());
        ASSERT_EQ(viewer.opened.size(), 1);
        const QString shown = viewer.opened[0].toLocalFile();
        EXPECT_EQ(Utf8Text(shown), QStringLiteral("トマベル\r\n"));
        EXPECT_TRUE(S_ISREG(mode(shown)));
        const QString shownIn = QFileInfo(shown).absolutePath();
        if (c.inCache) {
            EXPECT_EQ(shownIn, cache);
        } else {
            EXPECT_TRUE(shownIn.startsWith(folder.filePath("tmp/"))) << shown.toStdString();
            EXPECT_EQ(mode(shownIn) & 0777, 0700u);
        }
    }
    MessageBoxes::SetInformHook(nullptr);
    QDesktopServices::unsetUrlHandler("file");
    QDir::setCurrent(currentBefore);
    qputenv("XDG_CACHE_HOME", cacheBefore);
    if (tmpBefore.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmpBefore);
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
